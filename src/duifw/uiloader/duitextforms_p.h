// SPDX-License-Identifier: MIT
#ifndef DUITEXTFORMS_P_H
#define DUITEXTFORMS_P_H

#include "duiglobal.h"

#include <QtCore/qlist.h>
#include <QtCore/qstring.h>
#include <QtCore/qvariant.h>

// The text forms of the attribute values whose parsers read any text, substituting a default for
// what they cannot read ("abc,20" is a size of 0 by 20). One table serves the builder, which
// warns about a text outside its form, and the schema, which gives each form as a pattern: both
// always agree on what a well-written value is.
namespace DuiTextForms {

struct Form
{
    int typeId;          // the property type
    QString schemaType;  // the simple type's name in the schema ("dui.size")
    QString pattern;     // a regular expression in the subset XML Schema and PCRE share
    QString expected;    // the form in words, for messages ("\"width,height\"")
};

// Every form, for the schema; the type ids are those registered when the library loaded.
DUI_AUTOTEST_EXPORT const QList<Form> &forms();
// A finite real in plain or exponent form, spaces around it allowed: the parts of the forms, and
// the real numbers of the schema (the number parsers report bad reals themselves).
QString realPattern();
DUI_AUTOTEST_EXPORT const Form *formOf(int typeId);

// Why `text` is not in the form of `typeId`, naming the value it was read as (`value`); empty
// when it is in form or the type has no form.
DUI_AUTOTEST_EXPORT QString problem(int typeId, const QString &text, const QVariant &value);

} // namespace DuiTextForms

#endif // DUITEXTFORMS_P_H
