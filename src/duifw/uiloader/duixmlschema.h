// SPDX-License-Identifier: MIT
#ifndef DUIXMLSCHEMA_H
#define DUIXMLSCHEMA_H

#include "duiglobal.h"

#include <QtCore/qstring.h>

// An XML Schema (XSD) of the files the builder reads, made from the classes registered when it is
// called: every widget and frame window class with the attributes its properties take, typed
// (enumeration keys, flags, numbers, booleans, sizes, colours, margins, anchors, fonts), the data
// elements where they may appear, and menu files. It is as strict as `duiview --lint`: an element
// or attribute the builder would skip is invalid, and so is a value it would read as a
// substitute. `duiview --schema` prints it; docs/editor.md says how to give it to an editor.
class DUI_EXPORT DuiXmlSchema
{
public:
    static QString text();
};

#endif // DUIXMLSCHEMA_H
