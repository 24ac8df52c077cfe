// SPDX-License-Identifier: MIT
#ifndef DUIXMLDIAGNOSTICS_P_H
#define DUIXMLDIAGNOSTICS_P_H

#include "duixmldiagnostics.h"

class MXXmlElement;

class DuiXmlDiagnosticsPrivate
{
public:
    QList<DuiXmlDiagnostics::Record> records;
    DuiXmlDiagnostics *outer = nullptr;

    static void append(DuiXmlDiagnostics *collector, const DuiXmlDiagnostics::Record &record)
    {
        collector->d->records.append(record);
    }
};

namespace DuiXmlReport {

// The document being built on this thread. Frames nest when a widget's xmlPath or a font file is
// loaded during a build; they name the file of each record and let the builder refuse a file
// that is already being built.
class DUI_AUTOTEST_EXPORT DocumentFrame
{
public:
    // `file` empty means an in-memory document.
    explicit DocumentFrame(const QString &file);
    ~DocumentFrame();

    QString fileName() const;
    const QString &path() const { return m_path; }
    // The element whose attributes are being applied; records without an element of their own
    // take its line.
    const MXXmlElement *element = nullptr;
    DocumentFrame *previous() const { return m_previous; }

    static DocumentFrame *current();
    // The file of the document being built, as fileName() gives it; "memory" outside any.
    static QString currentFileName();
    // True when `path` is being built further up this thread's stack.
    static bool isBuilding(const QString &path);

private:
    Q_DISABLE_COPY(DocumentFrame)
    QString m_path;
    DocumentFrame *m_previous;
};

// Whether a record would go anywhere: a collector is alive on this thread or "dui.xml" warnings
// are on. Callers test this before formatting any message.
DUI_AUTOTEST_EXPORT bool enabled();

// Files a record for the current document. `element` gives the line (falls back to the current
// frame's element); `line` >= 0 overrides it (parse errors, which have no element).
DUI_AUTOTEST_EXPORT void report(DuiXmlDiagnostics::Severity severity, DuiXmlDiagnostics::Kind kind,
                                const MXXmlElement *element, const QString &message, int line = -1,
                                int column = 0);
// The same at the position of the element's index-th attribute.
DUI_AUTOTEST_EXPORT void reportAttribute(DuiXmlDiagnostics::Severity severity, DuiXmlDiagnostics::Kind kind,
                                         const MXXmlElement *element, int index, const QString &message);
// The same for a document that is named explicitly (a file that failed to load is never current).
DUI_AUTOTEST_EXPORT void reportForFile(const QString &file, DuiXmlDiagnostics::Severity severity,
                                       DuiXmlDiagnostics::Kind kind, const QString &message, int line,
                                       int column);

// A value quoted for a message: cut to a readable length, control characters shown as "?".
DUI_AUTOTEST_EXPORT QString quoted(const QString &text);

} // namespace DuiXmlReport

#endif // DUIXMLDIAGNOSTICS_P_H
