// SPDX-License-Identifier: MIT
#ifndef I18NSTRING_H
#define I18NSTRING_H

#include "duiglobal.h"

#include <QtCore/qmetatype.h>
#include <QtCore/qstring.h>

// A text that was passed through translation when it was read from XML. Properties of this type
// receive the translated text; everything else treats it as the QString it holds (a converter
// to QString is registered, so property("text").toString() works).
class DUI_EXPORT I18nString
{
public:
    I18nString() = default;
    explicit I18nString(const QString &text)
        : m_text(text)
    {
    }

    QString toString() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }

    friend bool operator==(const I18nString &a, const I18nString &b) { return a.m_text == b.m_text; }
    friend bool operator!=(const I18nString &a, const I18nString &b) { return !(a == b); }

private:
    QString m_text;
};
Q_DECLARE_METATYPE(I18nString)

#endif // I18NSTRING_H
