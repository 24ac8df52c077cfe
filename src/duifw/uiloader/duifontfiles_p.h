// SPDX-License-Identifier: MIT
#ifndef DUIFONTFILES_P_H
#define DUIFONTFILES_P_H

#include "duiglobal.h"

#include <QtCore/qstring.h>

class MXXmlElement;
class QFont;

namespace DuiPropertyText {

// Builds a font from the attributes of a font element (font resource files and "Font" data
// elements). False, with the offending name in `badAttribute`, when an attribute is not a font
// attribute; the font is then not to be used.
DUI_AUTOTEST_EXPORT bool fontFromElement(const MXXmlElement *element, QFont *font, QString *badAttribute);

// Forgets every cached font file, so that the next text naming one reads it again.
DUI_AUTOTEST_EXPORT void clearFontFileCache();

} // namespace DuiPropertyText

#endif // DUIFONTFILES_P_H
