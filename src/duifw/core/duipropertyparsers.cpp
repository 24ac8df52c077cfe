// SPDX-License-Identifier: MIT
// The attribute-text parsers of the property types XML can set.
#include "duipropertyparser.h"
#include "duipropertyparsers_p.h"

#include "duityperegister.h"
#include "i18nstring.h"

#include <QtCore/qcoreapplication.h>
#include <QtCore/qmargins.h>
#include <QtCore/qmetaobject.h>
#include <QtCore/qsize.h>
#include <QtGui/qcolor.h>
#include <QtGui/qfont.h>

#include <climits>
#include <cmath>

namespace {

// The first `wanted` fields of `text` split at `separator` (empty fields kept). Returns how many
// fields the text has, counting at most `wanted`, so absurdly long lists cost nothing extra.
int leadingFields(const QString &text, QChar separator, QStringView *fields, int wanted)
{
    int count = 0;
    qsizetype start = 0;
    while (count < wanted) {
        const qsizetype end = text.indexOf(separator, start);
        if (end < 0) {
            fields[count++] = QStringView(text).mid(start);
            break;
        }
        fields[count++] = QStringView(text).mid(start, end - start);
        start = end + 1;
    }
    return count;
}

double fieldAsReal(QStringView field)
{
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int fieldAsInt(QStringView field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

// Truncation and rounding of reals that may lie far outside the int range.
int truncatedToInt(double value)
{
    return int(qBound(double(INT_MIN), std::trunc(value), double(INT_MAX)));
}

int roundedToInt(double value)
{
    return int(qBound(double(INT_MIN), std::round(value), double(INT_MAX)));
}

QVariant parseSizeF(const QString &text)
{
    QStringView f[2];
    if (leadingFields(text, QLatin1Char(','), f, 2) < 2)
        return QSizeF(-1, -1);
    return QSizeF(fieldAsReal(f[0]), fieldAsReal(f[1]));
}

QVariant parseSize(const QString &text)
{
    const QSizeF size = parseSizeF(text).toSizeF();
    return QSize(roundedToInt(size.width()), roundedToInt(size.height()));
}

QVariant parseMargins(const QString &text)
{
    QStringView f[4];
    if (leadingFields(text, QLatin1Char(','), f, 4) < 4)
        return QVariant::fromValue(QMargins());
    return QVariant::fromValue(QMargins(truncatedToInt(fieldAsReal(f[0])), truncatedToInt(fieldAsReal(f[1])),
                                        truncatedToInt(fieldAsReal(f[2])), truncatedToInt(fieldAsReal(f[3]))));
}

QVariant parseColor(const QString &text)
{
    QStringView f[4];
    const int count = leadingFields(text, QLatin1Char(','), f, 4);
    if (count < 3)
        return QColor();
    int rgba[4] = {0, 0, 0, 255};
    for (int i = 0; i < count; ++i) {
        rgba[i] = fieldAsInt(f[i]);
        if (rgba[i] < 0 || rgba[i] > 255)
            return QColor();
    }
    QColor color;
    color.setRgb(rgba[0], rgba[1], rgba[2], rgba[3]);
    return color;
}

QVariant parseI18nString(const QString &text)
{
    const QByteArray source = text.toUtf8();
    // A text with a NUL cannot be a translation key; keep it whole rather than cut at the NUL.
    if (source.contains('\0'))
        return QVariant::fromValue(I18nString(text));
    return QVariant::fromValue(I18nString(QObject::tr(source.constData())));
}


// Meta-types that properties use and QMetaType::fromName must know; the Qt types among them
// (QSizeF, QSize, QFont, QColor) are built in under those names already.
struct MetaTypeRegistration
{
    MetaTypeRegistration()
    {
        qRegisterMetaType<I18nString>("I18nString");
        qRegisterMetaType<QMargins>("QMargins");
        QMetaType::registerConverter<I18nString, QString>(&I18nString::toString);
    }
} const s_metaTypes;

const DuiPropertyParserRegister s_parseSizeF(QMetaType::QSizeF, parseSizeF);
const DuiPropertyParserRegister s_parseSize(QMetaType::QSize, parseSize);
const DuiPropertyParserRegister s_parseMargins(qMetaTypeId<QMargins>(), parseMargins);
const DuiPropertyParserRegister s_parseColor(QMetaType::QColor, parseColor);
const DuiPropertyParserRegister s_parseI18nString(qMetaTypeId<I18nString>(), parseI18nString);

// A value of an enumeration or flag property's own meta-type, from its integer value.
QVariant enumVariant(QMetaType type, int value)
{
    switch (type.sizeOf()) {
    case 1: {
        const qint8 v = qint8(value);
        return QVariant(type, &v);
    }
    case 2: {
        const qint16 v = qint16(value);
        return QVariant(type, &v);
    }
    case 8: {
        const qint64 v = value;
        return QVariant(type, &v);
    }
    case 4:
        return QVariant(type, &value);
    default:
        return QVariant(value);
    }
}

bool textAsBool(const QString &text)
{
    return !(text.isEmpty() || text == QLatin1String("0") || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0);
}

template <typename T>
QVariant integerFromText(const QString &text, QString *problem)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    if constexpr (std::is_signed_v<T>) {
        const qlonglong v = trimmed.toLongLong(&ok, 10);
        if (ok && v >= qlonglong(std::numeric_limits<T>::min()) && v <= qlonglong(std::numeric_limits<T>::max()))
            return QVariant::fromValue(T(v));
    } else {
        const qulonglong v = trimmed.toULongLong(&ok, 10);
        if (ok && v <= qulonglong(std::numeric_limits<T>::max()))
            return QVariant::fromValue(T(v));
    }
    *problem = QStringLiteral("not a number in range; 0 used");
    return QVariant::fromValue(T(0));
}

// A text of at most nine digits with an optional sign and nothing else, as most sizes are
// written; read here because QString::toDouble costs twenty times more.
template <typename Char>
bool plainInteger(const Char *begin, const Char *end, int *value)
{
    bool negative = false;
    if (begin != end && (*begin == Char('-') || *begin == Char('+')))
        negative = *begin++ == Char('-');
    if (begin == end || end - begin > 9)
        return false;
    int v = 0;
    for (; begin != end; ++begin) {
        if (*begin < Char('0') || *begin > Char('9'))
            return false;
        v = v * 10 + int(*begin - Char('0'));
    }
    *value = negative ? -v : v;
    return true;
}

bool plainInteger(const QString &text, double *value)
{
    const char16_t *data = reinterpret_cast<const char16_t *>(text.utf16());
    int v = 0;
    if (!plainInteger(data, data + text.size(), &v))
        return false;
    *value = v == 0 && text.startsWith(QLatin1Char('-')) ? -0.0 : double(v); // as toDouble reads "-0"
    return true;
}

template <typename T>
QVariant realFromText(const QString &text, QString *problem)
{
    bool ok = false;
    double v = 0;
    if (plainInteger(text, &v))
        ok = true;
    else
        v = text.trimmed().toDouble(&ok);
    if (ok && std::isfinite(v) && (std::is_same_v<T, double> || std::abs(v) <= double(std::numeric_limits<T>::max())))
        return QVariant::fromValue(T(v));
    *problem = QStringLiteral("not a number in range; 0 used");
    return QVariant::fromValue(T(0));
}

} // namespace

QHash<int, propertyParser> *getobjectPropertyCreatorMetaDataCreator()
{
    static QHash<int, propertyParser> table;
    return &table;
}

void duiRegisterPropertyParser(int typeId, propertyParser parser)
{
    getobjectPropertyCreatorMetaDataCreator()->insert(typeId, parser);
}

void duiUnregisterPropertyParser(int typeId, propertyParser parser)
{
    QHash<int, propertyParser> *table = getobjectPropertyCreatorMetaDataCreator();
    if (table->value(typeId) == parser)
        table->remove(typeId);
}

namespace DuiPropertyText {

int readLenientInt(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i)
        value = qMin<qint64>(value * 10 + (text.at(i).unicode() - '0'), qint64(INT_MAX) + 1);
    if (negative)
        value = -value;
    return int(qBound(qint64(INT_MIN), value, qint64(INT_MAX)));
}

double readLenientReal(const QString &text)
{
    // Scan the longest prefix of the form [space][sign]digits[.digits][e[sign]digits].
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    const qsizetype start = i;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
            ++i;
        return i - from;
    };
    qsizetype mantissa = digits();
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            ++i;
        if (digits() > 0)
            end = i;
    }
    bool ok = false;
    const double value = QStringView(text).mid(start, end - start).toDouble(&ok);
    if (!ok)
        return 0.0; // exponent overflow and the like
    return value;
}

QVariant valueFromText(const QMetaProperty &property, const QString &text, QString *problem)
{
    problem->clear();
    const QMetaType type = property.metaType();
    const int id = type.id();
    if (propertyParser parser = getobjectPropertyCreatorMetaDataCreator()->value(id))
        return parser(text);

    if (property.isEnumType()) {
        const QMetaEnum enumerator = property.enumerator();
        if (!enumerator.isValid())
            return text; // an enumeration no meta-object describes: Qt decides at the write
        const QByteArray keys = text.toLatin1();
        bool ok = false;
        int value = enumerator.isFlag() ? enumerator.keysToValue(keys.constData(), &ok)
                                        : enumerator.keyToValue(keys.constData(), &ok);
        if (!ok || keys.contains('\0')) {
            value = -1;
            *problem = QStringLiteral("no key of the enumeration; -1 used");
        }
        return enumVariant(type, value);
    }

    switch (id) {
    case QMetaType::Bool:
        return textAsBool(text);
    case QMetaType::Int:
        return integerFromText<int>(text, problem);
    case QMetaType::UInt:
        return integerFromText<uint>(text, problem);
    case QMetaType::Long:
        return integerFromText<long>(text, problem);
    case QMetaType::ULong:
        return integerFromText<ulong>(text, problem);
    case QMetaType::LongLong:
        return integerFromText<qlonglong>(text, problem);
    case QMetaType::ULongLong:
        return integerFromText<qulonglong>(text, problem);
    case QMetaType::Short:
        return integerFromText<short>(text, problem);
    case QMetaType::UShort:
        return integerFromText<ushort>(text, problem);
    case QMetaType::Double:
        return realFromText<double>(text, problem);
    case QMetaType::Float:
        return realFromText<float>(text, problem);
    default:
        return text;
    }
}

bool enumKeyValue(const QMetaProperty &property, const char *utf8, int *value)
{
    const QMetaEnum enumerator = property.enumerator();
    if (!enumerator.isValid())
        return false;
    for (const char *c = utf8; *c; ++c) {
        if (static_cast<unsigned char>(*c) >= 0x80)
            return false; // not a key; the general path says why
    }
    bool ok = false;
    *value = enumerator.isFlag() ? enumerator.keysToValue(utf8, &ok) : enumerator.keyToValue(utf8, &ok);
    return ok;
}

bool quickValue(const QMetaProperty &property, const char *utf8, QVariant *value)
{
    const QMetaType type = property.metaType();
    const int id = type.id();
    if (getobjectPropertyCreatorMetaDataCreator()->contains(id))
        return false;
    if (property.isEnumType()) {
        int v = 0;
        if (!enumKeyValue(property, utf8, &v))
            return false;
        *value = enumVariant(type, v);
        return true;
    }
    if (id != QMetaType::Int && id != QMetaType::Double && id != QMetaType::Float)
        return false;
    // The same plain integers realFromText() reads without QString::toDouble, from the bytes.
    int v = 0;
    if (!plainInteger(utf8, utf8 + qstrlen(utf8), &v))
        return false;
    if (id == QMetaType::Int)
        *value = QVariant::fromValue(v);
    else if (id == QMetaType::Double)
        *value = QVariant::fromValue(double(v));
    else
        *value = QVariant::fromValue(float(v));
    return true;
}


bool plainIntegerUtf8(const char *begin, const char *end, int *value)
{
    return plainInteger(begin, end, value);
}

} // namespace DuiPropertyText
