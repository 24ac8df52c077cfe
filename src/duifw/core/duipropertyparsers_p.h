// SPDX-License-Identifier: MIT
#ifndef DUIPROPERTYPARSERS_P_H
#define DUIPROPERTYPARSERS_P_H

#include "duiglobal.h"

#include <QtCore/qstring.h>
#include <QtCore/qvariant.h>

class QMetaProperty;

namespace DuiPropertyText {

// Lenient number reading of the font attributes: leading white space and a sign, then as many
// digits (and for reals a fraction and exponent) as follow; 0 when there are none. Results
// outside the int range are clamped.
DUI_AUTOTEST_EXPORT int readLenientInt(const QString &text);
DUI_AUTOTEST_EXPORT double readLenientReal(const QString &text);

// The value an attribute text gives the property: the registered parser of the property's type,
// else the property's own rules (bool, numbers, enumeration keys, flag keys joined by "|"), else
// the text for Qt to convert at the write. `problem` receives why the text was not taken as
// written (it was read as 0 or -1 instead); empty otherwise.
DUI_AUTOTEST_EXPORT QVariant valueFromText(const QMetaProperty &property, const QString &text, QString *problem);

// The builder's shortcut for the commonest texts: a plain integer for an int or real property, a
// valid key (or "A|B" keys) of an enumeration or flag property. True with the value exactly as
// valueFromText would give it; false for anything else, which then takes the general path.
DUI_AUTOTEST_EXPORT bool quickValue(const QMetaProperty &property, const char *utf8, QVariant *value);

// The value of a valid key (or "A|B" keys) of an enumeration or flag property, as the builder's
// shortcut reads it; false for anything else.
DUI_AUTOTEST_EXPORT bool enumKeyValue(const QMetaProperty &property, const char *utf8, int *value);

// The plain integer of the builder's shortcut: an optional sign and one to nine digits, nothing
// else, between `begin` and `end`.
DUI_AUTOTEST_EXPORT bool plainIntegerUtf8(const char *begin, const char *end, int *value);

} // namespace DuiPropertyText

#endif // DUIPROPERTYPARSERS_P_H
