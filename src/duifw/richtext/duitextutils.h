// SPDX-License-Identifier: MIT
#ifndef DUITEXTUTILS_H
#define DUITEXTUTILS_H

#include "duiglobal.h"

#include <QtCore/qstring.h>
#include <QtCore/qstringlist.h>

// String filters for names and single-line input, and the "|"-separated state lists of skins.
// Byte counts weigh each UTF-16 code unit of 128 or more as two bytes (so a character outside
// the Basic Multilingual Plane weighs four), the measure of the protocols these names go into.
class DUI_EXPORT duitextutils
{
public:
    // Removes every line feed and carriage return.
    static void removeNewLine(QString &text);
    // Drops U+0787, U+200F, U+202A..U+202E (bidirectional overrides) and every surrogate code
    // unit, paired or not.
    static QString multiLineTextFilter(const QString &text);
    // Trims, turns tabs into spaces, drops line and paragraph breaks, form and vertical feeds,
    // object replacement characters and a few code points that upset single-line layout; then
    // multiLineTextFilter.
    static QString singleLineTextFilter(const QString &text);
    // Replaces `name` by its singleLineTextFilter.
    static void formatName(QString &name);
    static int measureStringByBytes(const QString &text);
    // Makes `text` weigh at most maxBytes by removing whole code points: those just before
    // cursorPos first (what was typed last), then from the end. True when anything was removed
    // (maxBytes < 1 clears the text and answers true); false leaves the text unchanged.
    static bool fixupStringByBytes(QString &text, int maxBytes, int cursorPos);
    // `spec` split at "|" (empty parts kept), padded to five entries from the defaults.
    static QStringList resolvingStates(const QString &spec, const QString &d1, const QString &d2, const QString &d3,
                                       const QString &d4, const QString &d5);
};

#endif // DUITEXTUTILS_H
