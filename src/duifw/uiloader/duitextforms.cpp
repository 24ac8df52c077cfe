// SPDX-License-Identifier: MIT
#include "duitextforms_p.h"

#include "duiwidget.h"
#include "duiwidget_p.h"

#include <QtCore/qmargins.h>
#include <QtCore/qregularexpression.h>
#include <QtCore/qsize.h>
#include <QtGui/qcolor.h>
#include <QtGui/qfont.h>


namespace {

// Pieces of the patterns. No anchors, no non-capturing groups: XML Schema anchors a pattern
// itself and knows neither.
const QString kReal = QStringLiteral("\\s*[+\\-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+\\-]?[0-9]+)?\\s*");
const QString kByte = QStringLiteral("\\s*\\+?0*(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])\\s*");
const QString kAnchorPart = QStringLiteral("(Left|HCenter|Right|Top|VCenter|Bottom):[+\\-]?[0-9]+");

QString repeated(const QString &piece, int count)
{
    QStringList pieces;
    for (int i = 0; i < count; ++i)
        pieces << piece;
    return pieces.join(QLatin1Char(','));
}

struct Compiled
{
    DuiTextForms::Form form;
    QRegularExpression expression;
};

const QList<Compiled> &compiled()
{
    static const QList<Compiled> list = [] {
        const QString size = repeated(kReal, 2);
        const QList<DuiTextForms::Form> forms = {
            {QMetaType::Bool, QStringLiteral("dui.bool"), QStringLiteral("[Tt][Rr][Uu][Ee]|[Ff][Aa][Ll][Ss][Ee]|1|0"),
             QStringLiteral("\"true\" or \"false\"")},
            {QMetaType::QSize, QStringLiteral("dui.size"), size, QStringLiteral("\"width,height\"")},
            {QMetaType::QSizeF, QStringLiteral("dui.sizeF"), size, QStringLiteral("\"width,height\"")},
            {qMetaTypeId<QMargins>(), QStringLiteral("dui.margins"), repeated(kReal, 4),
             QStringLiteral("\"left,top,right,bottom\"")},
            {QMetaType::QColor, QStringLiteral("dui.color"), repeated(kByte, 3) + QStringLiteral("(,") + kByte + QStringLiteral(")?"),
             QStringLiteral("\"r,g,b[,a]\" with values 0 to 255")},
            {QMetaType::QFont, QStringLiteral("dui.font"), QStringLiteral("[^|]+\\|[^|]+"), QStringLiteral("\"file|font name\"")},
            {qMetaTypeId<AnchorInfo>(), QStringLiteral("dui.anchor"),
             kAnchorPart + QStringLiteral("\\|") + kAnchorPart + QStringLiteral("\\|") + kAnchorPart + QStringLiteral("\\|") + kAnchorPart,
             QStringLiteral("four \"point:distance\" joined by \"|\" (points Left, HCenter, Right, Top, VCenter, Bottom)")},
        };
        QList<Compiled> result;
        for (const DuiTextForms::Form &form : forms)
            result.append({form, QRegularExpression(QRegularExpression::anchoredPattern(form.pattern))});
        return result;
    }();
    return list;
}

// The value a substitute was read as, in the attribute's own form.
QString valueText(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return QStringLiteral("(%1,%2)").arg(s.width()).arg(s.height());
    }
    case QMetaType::QSizeF: {
        const QSizeF s = value.toSizeF();
        return QStringLiteral("(%1,%2)").arg(s.width()).arg(s.height());
    }
    case QMetaType::QColor: {
        const QColor c = value.value<QColor>();
        return c.isValid() ? QStringLiteral("(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha())
                           : QStringLiteral("an invalid colour");
    }
    case QMetaType::QFont:
        return QStringLiteral("the default font");
    default:
        break;
    }
    if (value.metaType().id() == qMetaTypeId<QMargins>()) {
        const QMargins m = value.value<QMargins>();
        return m.isNull() ? QStringLiteral("zero margins")
                          : QStringLiteral("(%1,%2,%3,%4)").arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom());
    }
    if (value.metaType().id() == qMetaTypeId<AnchorInfo>()) {
        const AnchorInfo a = value.value<AnchorInfo>();
        QStringList parts;
        for (int i = 0; i < 4; ++i) {
            const char *point = duiAnchorPointName(a.targetPoint[i]);
            parts << QStringLiteral("%1:%2").arg(QLatin1String(point ? point : "?")).arg(a.distance[i]);
        }
        return QLatin1Char('"') + parts.join(QLatin1Char('|')) + QLatin1Char('"');
    }
    return QString();
}

} // namespace

namespace DuiTextForms {

QString realPattern()
{
    return kReal;
}

const QList<Form> &forms()
{
    static const QList<Form> list = [] {
        QList<Form> result;
        for (const Compiled &c : compiled())
            result.append(c.form);
        return result;
    }();
    return list;
}

const Form *formOf(int typeId)
{
    for (const Compiled &c : compiled()) {
        if (c.form.typeId == typeId)
            return &c.form;
    }
    return nullptr;
}

QString problem(int typeId, const QString &text, const QVariant &value)
{
    // The usual spellings of a boolean need no pattern (the pattern accepts them too).
    if (typeId == QMetaType::Bool
        && (text == u"true" || text == u"false" || text == u"1" || text == u"0"))
        return QString();
    for (const Compiled &c : compiled()) {
        if (c.form.typeId != typeId)
            continue;
        if (c.expression.match(text).hasMatch())
            return QString();
        const QString read = valueText(value);
        return QStringLiteral("not %1; %2 used").arg(c.form.expected, read.isEmpty() ? QStringLiteral("a default") : read);
    }
    return QString();
}

} // namespace DuiTextForms
