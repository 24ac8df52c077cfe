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

} // namespace DuiPropertyText

#endif // DUIPROPERTYPARSERS_P_H
