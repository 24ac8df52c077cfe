// SPDX-License-Identifier: MIT
#ifndef DUIXMLDIAGNOSTICS_H
#define DUIXMLDIAGNOSTICS_H

#include "duiglobal.h"

#include <QtCore/qlist.h>
#include <QtCore/qstring.h>

#include <memory>

class DuiXmlDiagnosticsPrivate;

// Collects what the XML UI builder skipped while the object is alive. The builder never stops
// at bad input: it skips what it cannot use and carries on. Create one of these on the stack
// around a build to learn what was skipped and where:
//
//     DuiXmlDiagnostics diagnostics;
//     DuiXmlUI::createFromFile(QStringLiteral("layout/main.xml"), widget);
//     for (const DuiXmlDiagnostics::Record &r : diagnostics.records())
//         qWarning().noquote() << r.toString();
//
// Collectors are per thread. When several are alive on one thread, only the innermost (the one
// created last) receives records; an outer one resumes once the inner one is destroyed. The same
// records always go to the logging category "dui.xml" at warning level (off unless enabled, for
// example QT_LOGGING_RULES="dui.xml.warning=true"). With no collector alive and the category off
// the builder does no extra work.
class DUI_EXPORT DuiXmlDiagnostics
{
public:
    enum Severity {
        Warning, // something was skipped or replaced; the rest was built
        Error    // a whole document or window could not be built
    };

    enum Kind {
        DocumentNotLoaded,  // the file cannot be read, or the text is no well-formed XML
        MissingRootElement, // the document element is not the one expected
        UnknownElement,     // the element is in no creator list; skipped with its subtree
        UnknownAttribute,   // the attribute names no property of the object
        RejectedValue,      // the text is no valid value for the property (or was read as a default)
        WindowFormFailure,  // the window form could not create its window
        UnmatchedSlot,      // an on_<name>_<signal> slot found no object or no signal
        DepthLimit,         // the element lies deeper than maxDepth and was skipped with its subtree
        RecursiveFile       // an xmlPath names a file that is already being built
    };

    struct Record
    {
        QString file; // the path given to the builder, or "memory" for in-memory documents
        int line = 0; // 1-based; 0 when unknown
        int column = 0; // 1-based, in characters: the element's "<" or the attribute's name; 0 with no line
        Severity severity = Warning;
        Kind kind = UnknownElement;
        QString message; // one line

        // "file:line:column: warning: message", the form compilers use.
        QString toString() const;
    };

    // Elements nested deeper than this below the document element are skipped with a record.
    static constexpr int maxDepth = 256;

    DuiXmlDiagnostics();
    ~DuiXmlDiagnostics();

    QList<Record> records() const;
    int count() const;
    bool isEmpty() const;
    // Records of one kind, for callers that only care about some.
    QList<Record> records(Kind kind) const;
    void clear();

private:
    DuiXmlDiagnostics(const DuiXmlDiagnostics &) = delete;
    DuiXmlDiagnostics &operator=(const DuiXmlDiagnostics &) = delete;

    std::unique_ptr<DuiXmlDiagnosticsPrivate> d;
    friend class DuiXmlDiagnosticsPrivate;
};

#endif // DUIXMLDIAGNOSTICS_H
