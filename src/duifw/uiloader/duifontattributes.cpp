// SPDX-License-Identifier: MIT
// The attributes a font element may carry (font resource files and "Font" data elements). Each
// setter changes one aspect of the font and accepts any text: bad values leave it unchanged.
#include "duipropertyparsers_p.h"
#include "duityperegister.h"
#include "duixmldiagnostics_p.h"

#include <QtCore/qmetaobject.h>
#include <QtGui/qfont.h>

#include <cmath>
#include <cstdlib>

namespace {

QString text(const std::wstring &value)
{
    return QString::fromStdWString(value);
}

// Booleans of font elements are strict: only "true" is true.
bool isTrue(const std::wstring &value)
{
    return value == L"true";
}

void reportBadValue(const char *attribute, const QString &value, const char *expected)
{
    if (DuiXmlReport::enabled())
        DuiXmlReport::report(DuiXmlDiagnostics::Warning, DuiXmlDiagnostics::RejectedValue, nullptr,
                             QStringLiteral("font attribute %1: %2 is no %3; left unchanged")
                                 .arg(QLatin1String(attribute), DuiXmlReport::quoted(value), QLatin1String(expected)));
}

// Enumerations take a key name of the QFont enumeration ("SmallCaps") or its number ("3").
template <typename Enum>
bool enumFromText(const char *attribute, const std::wstring &value, Enum *result)
{
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    const QString t = text(value).trimmed();
    bool ok = false;
    int number = t.toInt(&ok, 10);
    if (ok) {
        ok = meta.valueToKey(number) != nullptr;
    } else {
        const QByteArray key = t.toLatin1();
        number = key.contains('\0') ? -1 : meta.keyToValue(key.constData(), &ok);
    }
    if (!ok) {
        reportBadValue(attribute, t, meta.name());
        return false;
    }
    *result = Enum(number);
    return true;
}

// Weights up to 99 are on the old 0..99 scale that font files were written for (50 normal,
// 75 bold); larger ones are OpenType weights (400 normal, 700 bold).
QFont::Weight weightFromNumber(int weight)
{
    if (weight >= 100)
        return QFont::Weight(qMin(weight, 1000));
    static const int legacy[][2] = {{0, 100}, {12, 200}, {25, 300}, {50, 400}, {57, 500},
                                    {63, 600}, {75, 700}, {81, 800}, {87, 900}};
    int best = 0;
    for (int i = 1; i < int(std::size(legacy)); ++i) {
        if (std::abs(legacy[i][0] - weight) < std::abs(legacy[best][0] - weight))
            best = i;
    }
    return QFont::Weight(legacy[best][1]);
}

bool setBold(QFont *font, const std::wstring &value)
{
    font->setBold(isTrue(value));
    return true;
}

bool setCapitalization(QFont *font, const std::wstring &value)
{
    QFont::Capitalization c;
    if (enumFromText("capitalization", value, &c))
        font->setCapitalization(c);
    return true;
}

bool setFamily(QFont *font, const std::wstring &value)
{
    font->setFamily(text(value));
    return true;
}

bool setFixedPitch(QFont *font, const std::wstring &value)
{
    font->setFixedPitch(isTrue(value));
    return true;
}

bool setItalic(QFont *font, const std::wstring &value)
{
    font->setStyle(isTrue(value) ? QFont::StyleItalic : QFont::StyleNormal);
    return true;
}

bool setKerning(QFont *font, const std::wstring &value)
{
    font->setKerning(isTrue(value));
    return true;
}

// A number of pixels added between letters; with a trailing "%" a percentage of the normal
// spacing instead (100% leaves it unchanged).
bool setLetterSpacing(QFont *font, const std::wstring &value)
{
    const QString t = text(value).trimmed();
    const bool percent = t.endsWith(QLatin1Char('%'));
    const double spacing = DuiPropertyText::readLenientReal(percent ? t.chopped(1) : t);
    if (!std::isfinite(spacing) || std::abs(spacing) > 1e6)
        reportBadValue("letterSpacing", t, "spacing");
    else
        font->setLetterSpacing(percent ? QFont::PercentageSpacing : QFont::AbsoluteSpacing, spacing);
    return true;
}

bool setOverline(QFont *font, const std::wstring &value)
{
    font->setOverline(isTrue(value));
    return true;
}

bool setPixelSize(QFont *font, const std::wstring &value)
{
    const int size = DuiPropertyText::readLenientInt(text(value));
    if (size > 0)
        font->setPixelSize(size);
    else
        reportBadValue("pixelSize", text(value), "positive size");
    return true;
}

bool setPointSize(QFont *font, const std::wstring &value)
{
    const int size = DuiPropertyText::readLenientInt(text(value));
    if (size > 0)
        font->setPointSize(size);
    else
        reportBadValue("pointSize", text(value), "positive size");
    return true;
}

// Read as a real but applied in whole points, truncated toward zero, as font files expect.
bool setPointSizeF(QFont *font, const std::wstring &value)
{
    const double size = std::trunc(DuiPropertyText::readLenientReal(text(value)));
    if (size >= 1 && size <= 1e6)
        font->setPointSize(int(size));
    else
        reportBadValue("pointSizeF", text(value), "positive size");
    return true;
}

// Raw X11 font names are gone from Qt 6: both are accepted and change nothing.
bool ignoreRawFont(QFont *, const std::wstring &)
{
    return true;
}

bool setStretch(QFont *font, const std::wstring &value)
{
    const int stretch = DuiPropertyText::readLenientInt(text(value));
    if (stretch >= 0 && stretch <= 4000)
        font->setStretch(stretch);
    else
        reportBadValue("stretch", text(value), "stretch from 0 to 4000");
    return true;
}

bool setStrikeOut(QFont *font, const std::wstring &value)
{
    font->setStrikeOut(isTrue(value));
    return true;
}

bool setStyle(QFont *font, const std::wstring &value)
{
    QFont::Style s;
    if (enumFromText("style", value, &s))
        font->setStyle(s);
    return true;
}

bool setStyleHint(QFont *font, const std::wstring &value)
{
    QFont::StyleHint h;
    if (enumFromText("styleHint", value, &h))
        font->setStyleHint(h, QFont::PreferDefault);
    return true;
}

bool setStyleStrategy(QFont *font, const std::wstring &value)
{
    QFont::StyleStrategy s;
    if (enumFromText("styleStrategy", value, &s))
        font->setStyleStrategy(s);
    return true;
}

bool setUnderline(QFont *font, const std::wstring &value)
{
    font->setUnderline(isTrue(value));
    return true;
}

bool setWeight(QFont *font, const std::wstring &value)
{
    const int weight = DuiPropertyText::readLenientInt(text(value));
    if (weight >= 0)
        font->setWeight(weightFromNumber(weight));
    else
        reportBadValue("weight", text(value), "weight");
    return true;
}

bool setWordSpacing(QFont *font, const std::wstring &value)
{
    const double spacing = DuiPropertyText::readLenientReal(text(value));
    if (std::isfinite(spacing) && std::abs(spacing) <= 1e6)
        font->setWordSpacing(spacing);
    else
        reportBadValue("wordSpacing", text(value), "spacing");
    return true;
}

// Lets a font element carry the name it is stored under.
bool acceptName(QFont *, const std::wstring &)
{
    return true;
}

} // namespace

DUI_REGISTER_FONT_ATTRIBUTE(bold, setBold)
DUI_REGISTER_FONT_ATTRIBUTE(capitalization, setCapitalization)
DUI_REGISTER_FONT_ATTRIBUTE(family, setFamily)
DUI_REGISTER_FONT_ATTRIBUTE(fixedPitch, setFixedPitch)
DUI_REGISTER_FONT_ATTRIBUTE(italic, setItalic)
DUI_REGISTER_FONT_ATTRIBUTE(kerning, setKerning)
DUI_REGISTER_FONT_ATTRIBUTE(letterSpacing, setLetterSpacing)
DUI_REGISTER_FONT_ATTRIBUTE(overline, setOverline)
DUI_REGISTER_FONT_ATTRIBUTE(pixelSize, setPixelSize)
DUI_REGISTER_FONT_ATTRIBUTE(pointSize, setPointSize)
DUI_REGISTER_FONT_ATTRIBUTE(pointSizeF, setPointSizeF)
DUI_REGISTER_FONT_ATTRIBUTE(rawMode, ignoreRawFont)
DUI_REGISTER_FONT_ATTRIBUTE(rawName, ignoreRawFont)
DUI_REGISTER_FONT_ATTRIBUTE(stretch, setStretch)
DUI_REGISTER_FONT_ATTRIBUTE(strikeOut, setStrikeOut)
DUI_REGISTER_FONT_ATTRIBUTE(style, setStyle)
DUI_REGISTER_FONT_ATTRIBUTE(styleHint, setStyleHint)
DUI_REGISTER_FONT_ATTRIBUTE(styleStrategy, setStyleStrategy)
DUI_REGISTER_FONT_ATTRIBUTE(underline, setUnderline)
DUI_REGISTER_FONT_ATTRIBUTE(weight, setWeight)
DUI_REGISTER_FONT_ATTRIBUTE(wordSpacing, setWordSpacing)
DUI_REGISTER_FONT_ATTRIBUTE(name, acceptName)
