// SPDX-License-Identifier: MIT
#ifndef DUIFASTSETTERS_P_H
#define DUIFASTSETTERS_P_H

#include "duiglobal.h"

class QMetaProperty;
class QObject;

// Direct setters for the attributes that nearly every UI file gives a widget (sizes, spacing,
// margins, colours, anchors, policies, the object name; not texts, which are translated). Each reads its text in the one plain form that
// the general path takes without remark (a plain integer, an enumeration key or "A|B" flag keys,
// "r,g,b[,a]" with each part 0-255, four plain integers) and calls the C++ setter itself, without
// the QVariant and the meta-call of a property write. Any other text is left untouched (false),
// and takes the general path with its diagnostics; so the result never differs from it.
using DuiFastSetter = bool (*)(QObject *object, const QMetaProperty &property, const char *utf8);

// The direct setter of `property`, or null when it has none: only the properties declared by
// DuiWidget (and QObject's objectName) have one, and only while their type is the one the setter
// reads. A subclass that declares a property again gets the general path.
DUI_AUTOTEST_EXPORT DuiFastSetter duiFastSetter(const QMetaProperty &property);

#endif // DUIFASTSETTERS_P_H
