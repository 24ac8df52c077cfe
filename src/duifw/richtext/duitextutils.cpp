// SPDX-License-Identifier: MIT
#include "duitextutils.h"

namespace {

bool droppedEverywhere(char16_t c)
{
    return c == 0x0787 || c == 0x200F || (c >= 0xD800 && c <= 0xDFFF) || (c >= 0x202A && c <= 0x202E);
}

bool droppedFromSingleLine(char16_t c)
{
    switch (c) {
    case 0x000A: case 0x000B: case 0x000C: case 0x000D:
    case 0x0648: case 0x06AF:
    case 0x2028: case 0x2029:
    case 0xF00B: case 0xF00C: case 0xF00D:
    case 0xFFFC:
        return true;
    default:
        return false;
    }
}

int weight(QChar c)
{
    return c.unicode() > 127 ? 2 : 1;
}

// Length of the code point that ends just before `end` (2 for a surrogate pair).
int codePointBefore(const QString &text, int end)
{
    if (end >= 2 && text.at(end - 1).isLowSurrogate() && text.at(end - 2).isHighSurrogate())
        return 2;
    return 1;
}

} // namespace

void duitextutils::removeNewLine(QString &text)
{
    text.remove(QLatin1Char('\n'));
    text.remove(QLatin1Char('\r'));
}

QString duitextutils::multiLineTextFilter(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!droppedEverywhere(c.unicode()))
            out.append(c);
    }
    return out;
}

QString duitextutils::singleLineTextFilter(const QString &text)
{
    QString out = text.trimmed();
    out.replace(QLatin1Char('\t'), QLatin1Char(' '));
    out.removeIf([](QChar c) { return droppedFromSingleLine(c.unicode()); });
    return multiLineTextFilter(out);
}

void duitextutils::formatName(QString &name)
{
    name = singleLineTextFilter(name);
}

int duitextutils::measureStringByBytes(const QString &text)
{
    int bytes = 0;
    for (QChar c : text)
        bytes += weight(c);
    return bytes;
}

bool duitextutils::fixupStringByBytes(QString &text, int maxBytes, int cursorPos)
{
    if (maxBytes < 1) {
        text.clear();
        return true;
    }
    int bytes = measureStringByBytes(text);
    if (bytes <= maxBytes)
        return false;
    int cut = cursorPos < 0 ? 0 : qMin(cursorPos, int(text.size()));
    while (bytes > maxBytes && cut > 0) {
        const int n = codePointBefore(text, cut);
        for (int i = cut - n; i < cut; ++i)
            bytes -= weight(text.at(i));
        text.remove(cut - n, n);
        cut -= n;
    }
    while (bytes > maxBytes && !text.isEmpty()) {
        const int n = codePointBefore(text, int(text.size()));
        for (int i = int(text.size()) - n; i < text.size(); ++i)
            bytes -= weight(text.at(i));
        text.chop(n);
    }
    return true;
}

QStringList duitextutils::resolvingStates(const QString &spec, const QString &d1, const QString &d2, const QString &d3,
                                          const QString &d4, const QString &d5)
{
    QStringList states = spec.split(QLatin1Char('|'));
    const QString defaults[5] = {d1, d2, d3, d4, d5};
    for (int i = int(states.size()); i < 5; ++i)
        states.append(defaults[i]);
    return states;
}
