// SPDX-License-Identifier: MIT
#ifndef DUIXMLUI_H
#define DUIXMLUI_H

#include "duiglobal.h"

#include <QtCore/qstring.h>

#include <cstddef>
#include <string>

class DuiFrameWindow;
class DuiWidget;
class MXXmlDocument;
class MXXmlElement;
class QObject;
class QWidget;

// Builds widget trees from XML UI files: root element "xmlui", element = registered class name,
// attribute = Qt property, nesting = parenthood (see docs/xml-ui-format.md). Bad input is
// skipped and the rest is built; a DuiXmlDiagnostics alive during the call records every skip.
// GUI thread only.
class DUI_EXPORT DuiXmlUI
{
public:
    // Window form: the first child of "xmlui" names a frame window class; null on any failure.
    static DuiFrameWindow *createFromFile(const QString &path, QWidget *parent);
    static DuiFrameWindow *createFromMemory(const std::string &xml, QWidget *parent);
    // The window form without a parent: a plain nullptr would not say which form is meant.
    static DuiFrameWindow *createFromFile(const QString &path, std::nullptr_t)
    {
        return createFromFile(path, static_cast<QWidget *>(nullptr));
    }
    static DuiFrameWindow *createFromMemory(const std::string &xml, std::nullptr_t)
    {
        return createFromMemory(xml, static_cast<QWidget *>(nullptr));
    }

    // Fill form: every child of "xmlui" is built into `widget`, in document order. False when the
    // document cannot be loaded or has no "xmlui" element.
    static bool createFromFile(const QString &path, DuiWidget *widget);
    static bool createFromMemory(const std::string &xml, DuiWidget *widget);

    // Connects each slot of `receiver` named on_<objectName>_<signal signature> (for example
    // on_buttonAccept_clicked()) to that signal of every descendant of `root` (and of `root`
    // itself with `includeRoot`) bearing that object name. Names and signatures containing "_"
    // never match; parameter lists must match exactly. Calling it again connects nothing twice.
    static void connectSignalSlotByName(QObject *root, QObject *receiver, bool includeRoot);

private:
    DuiXmlUI() = delete;

    static DuiFrameWindow *createWindow(const MXXmlDocument &document, QWidget *parent);
    static bool fill(const MXXmlDocument &document, DuiWidget *widget);
    static void buildElement(DuiWidget *parent, const MXXmlElement *element);
    static void connectByName(QObject *root, QObject *receiver, bool includeRoot, bool reportUnmatched);
};

#endif // DUIXMLUI_H
