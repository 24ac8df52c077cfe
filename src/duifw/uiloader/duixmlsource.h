// SPDX-License-Identifier: MIT
#ifndef DUIXMLSOURCE_H
#define DUIXMLSOURCE_H

#include "duiglobal.h"

#include <QtCore/qstring.h>

class QObject;

// Where in an XML UI file an object was built from. The builder notes the element of every
// widget and window it creates; the note lives exactly as long as the object. duiview's
// inspector shows it next to the selected control.
struct DUI_EXPORT DuiXmlSourceLocation
{
    QString file;   // the path given to the builder, or "memory" for in-memory documents
    int line = 0;   // 1-based line of the element's start tag; 0 when the object has no note
    int column = 0; // 1-based column of its "<"

    bool isValid() const { return line > 0; }
    // "file:line:column", the form of the diagnostics.
    QString toString() const;
};

class DUI_EXPORT DuiXmlSource
{
public:
    // The element `object` was built from; invalid for objects the builder did not create.
    static DuiXmlSourceLocation locationOf(const QObject *object);
    // How many objects have a note: the count falls as they are destroyed.
    static int count();
};

#endif // DUIXMLSOURCE_H
