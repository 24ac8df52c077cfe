// SPDX-License-Identifier: MIT
#include "duifastsetters_p.h"

#include "duipropertyparsers_p.h"
#include "duiwidget.h"
#include "duiwidget_p.h"

#include <QtCore/qmargins.h>
#include <QtCore/qmetaobject.h>
#include <QtGui/qcolor.h>

#include <cstring>
#include <type_traits>

namespace {

DuiWidget *widgetOf(QObject *object)
{
    // Only DuiWidget's own properties have a direct setter, so the object is one.
    return static_cast<DuiWidget *>(object);
}

// The argument type of a one-argument setter.
template <typename Member>
struct ArgumentOf;
template <typename Class, typename Argument>
struct ArgumentOf<void (Class::*)(Argument)>
{
    using type = std::decay_t<Argument>;
};

template <typename T>
struct IsFlags : std::false_type
{
};
template <typename E>
struct IsFlags<QFlags<E>> : std::true_type
{
};

// A plain integer ending at the next `stop` byte (or the end): an optional sign and one to nine
// digits, as the general path reads without remark. Advances `text` past it.
bool takeInteger(const char *&text, char stop, int *value)
{
    const char *end = stop ? std::strchr(text, stop) : nullptr;
    if (!end)
        end = text + std::strlen(text);
    if (!DuiPropertyText::plainIntegerUtf8(text, end, value))
        return false;
    text = end;
    return true;
}

// `count` plain integers separated by `separator`, nothing after the last.
bool takeIntegers(const char *text, char separator, int count, int *values)
{
    for (int i = 0; i < count; ++i) {
        if (i > 0 && *text++ != separator)
            return false;
        if (!takeInteger(text, i + 1 < count ? separator : '\0', &values[i]))
            return false;
    }
    return *text == '\0';
}

template <auto Set>
bool setInteger(QObject *object, const QMetaProperty &, const char *text)
{
    int value = 0;
    if (!takeIntegers(text, ',', 1, &value))
        return false;
    using Argument = typename ArgumentOf<decltype(Set)>::type;
    (widgetOf(object)->*Set)(Argument(value));
    return true;
}

template <auto Set>
bool setEnumeration(QObject *object, const QMetaProperty &property, const char *text)
{
    int value = 0;
    if (!DuiPropertyText::enumKeyValue(property, text, &value))
        return false;
    using Argument = typename ArgumentOf<decltype(Set)>::type;
    if constexpr (IsFlags<Argument>::value)
        (widgetOf(object)->*Set)(Argument::fromInt(value));
    else
        (widgetOf(object)->*Set)(static_cast<Argument>(value));
    return true;
}

// "r,g,b" or "r,g,b,a", each part one to three digits no more than 255.
bool setBackgroundColor(QObject *object, const QMetaProperty &, const char *text)
{
    int rgba[4] = {0, 0, 0, 255};
    int parts = 0;
    for (const char *c = text;; ++c) {
        if (parts == 4)
            return false;
        int digits = 0, value = 0;
        for (; *c >= '0' && *c <= '9'; ++c, ++digits)
            value = value * 10 + (*c - '0');
        if (digits == 0 || digits > 3 || value > 255)
            return false;
        rgba[parts++] = value;
        if (*c == '\0')
            break;
        if (*c != ',')
            return false;
    }
    if (parts < 3)
        return false;
    QColor color;
    color.setRgb(rgba[0], rgba[1], rgba[2], rgba[3]);
    widgetOf(object)->setBackgroundColor(color);
    return true;
}

bool setMargins(QObject *object, const QMetaProperty &, const char *text)
{
    int m[4];
    if (!takeIntegers(text, ',', 4, m))
        return false;
    widgetOf(object)->setMargins(QMargins(m[0], m[1], m[2], m[3]));
    return true;
}

// Four "Point:distance" entries joined by "|", each point one of the six names.
bool setAnchor(QObject *object, const QMetaProperty &, const char *text)
{
    AnchorInfo info;
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && *text++ != '|')
            return false;
        const char *colon = std::strchr(text, ':');
        if (!colon)
            return false;
        const int point = duiAnchorPointNamed(QLatin1String(text, colon));
        text = colon + 1;
        if (point < 0 || !takeInteger(text, '|', &info.distance[i]))
            return false;
        info.targetPoint[i] = point;
    }
    if (*text != '\0')
        return false;
    widgetOf(object)->setAnchor(info);
    return true;
}

bool setObjectName(QObject *object, const QMetaProperty &, const char *text)
{
    object->setObjectName(QString::fromUtf8(text));
    return true;
}

// The property type a setter reads (types registered at run time are looked up when asked);
// an enumeration setter reads any enumeration.
using TypeOf = int (*)();
template <typename T>
int typeOf()
{
    return qMetaTypeId<T>();
}
int anEnumeration()
{
    return QMetaType::UnknownType;
}

struct Entry
{
    const char *name;
    TypeOf type;
    DuiFastSetter setter;
};

const Entry kWidgetEntries[] = {
    {"spacing", typeOf<int>, setInteger<&DuiWidget::setSpacing>},
    {"itemSpacing", typeOf<int>, setInteger<&DuiWidget::setItemSpacing>},
    {"fixHeight", typeOf<int>, setInteger<&DuiWidget::setFixHeight>},
    {"fixWidth", typeOf<int>, setInteger<&DuiWidget::setFixWidth>},
    {"height", typeOf<int>, setInteger<&DuiWidget::setHeight>},
    {"width", typeOf<int>, setInteger<&DuiWidget::setWidth>},
    {"themeColorType", typeOf<int>, setInteger<&DuiWidget::setThemeColorType>},
    {"minWidth", typeOf<double>, setInteger<&DuiWidget::setMinimumWidth>},
    {"maxWidth", typeOf<double>, setInteger<&DuiWidget::setMaximumWidth>},
    {"preferredWidth", typeOf<double>, setInteger<&DuiWidget::setPreferredWidth>},
    {"minHeight", typeOf<double>, setInteger<&DuiWidget::setMinimumHeight>},
    {"maxHeight", typeOf<double>, setInteger<&DuiWidget::setMaximumHeight>},
    {"preferredHeight", typeOf<double>, setInteger<&DuiWidget::setPreferredHeight>},
    {"alignment", anEnumeration, setEnumeration<&DuiWidget::setAlignment>},
    {"dragPolicy", anEnumeration, setEnumeration<&DuiWidget::setDragPolicy>},
    {"colorizePolicy", anEnumeration, setEnumeration<&DuiWidget::setColorizePolicy>},
    {"layout", anEnumeration, setEnumeration<static_cast<void (DuiWidget::*)(DuiWidget::LayoutType)>(&DuiWidget::setLayout)>},
    {"backgroundColor", typeOf<QColor>, setBackgroundColor},
    {"margins", typeOf<QMargins>, setMargins},
    {"anchor", typeOf<AnchorInfo>, setAnchor},
};

} // namespace

DuiFastSetter duiFastSetter(const QMetaProperty &property)
{
    const QMetaObject *owner = property.enclosingMetaObject();
    const char *name = property.name();
    if (owner == &QObject::staticMetaObject)
        return std::strcmp(name, "objectName") == 0 ? setObjectName : nullptr;
    if (owner != &DuiWidget::staticMetaObject || !property.isWritable())
        return nullptr;
    for (const Entry &entry : kWidgetEntries) {
        if (std::strcmp(entry.name, name) != 0)
            continue;
        if (entry.type == anEnumeration)
            return property.isEnumType() && property.enumerator().isValid() ? entry.setter : nullptr;
        return property.metaType().id() == entry.type() ? entry.setter : nullptr;
    }
    return nullptr;
}
