// SPDX-License-Identifier: MIT
// The schema is written from the registries and meta-objects alone, so a class registered by a
// host or a later layer is covered the moment it links in.
#include "duixmlschema.h"

#include "duiframetyperegister.h"
#include "duiframewindow.h"
#include "duipropertyparser.h"
#include "duitextforms_p.h"
#include "duityperegister.h"
#include "duiwidget.h"
#include "duiwidgettyperegister.h"

#include <QtCore/qmap.h>
#include <QtCore/qmetaobject.h>
#include <QtCore/qxmlstream.h>
#include <QtGui/qaction.h>

#include <memory>

namespace {

const QString kXs = QStringLiteral("http://www.w3.org/2001/XMLSchema");

// Data elements that carry rows to a class's "data" list property; their rows are free-form,
// as the builder passes every attribute of every row on.
bool isListDataElement(const char *name)
{
    return qstrcmp(name, "Font") != 0;
}

struct Attribute
{
    QString name;
    QString type;
};

struct ClassInfo
{
    QString element;
    QList<Attribute> attributes;
    QStringList fontProperties; // what a Font element may name
    bool hasDataList = false;   // a writable "data" list takes TabData, ComboData, TreeData
};

class SchemaWriter
{
public:
    SchemaWriter()
        : m_out(&m_text)
    {
    }
    QString write();

private:
    QString typeOf(const QMetaProperty &property, bool menu);
    QString enumType(const QMetaEnum &enumerator);
    ClassInfo describe(const QString &element, const QMetaObject *meta);
    QList<Attribute> attributesOf(const QMetaObject *meta, bool menu);

    void writeSimpleTypes();
    void writeClassType(const ClassInfo &info, bool window);
    void writeContentChoice(const ClassInfo &info);
    void writeAttributes(const QList<Attribute> &attributes);
    void writeMenuTypes();
    void writeDataTypes();
    void element(const QString &name, const QString &type);

    QString m_text;
    QXmlStreamWriter m_out;
    QMap<QString, QMetaEnum> m_enums; // schema type name -> enumeration, written once each
    QStringList m_fontAttributes;
};

QString SchemaWriter::enumType(const QMetaEnum &enumerator)
{
    const QString name = QStringLiteral("enum.%1.%2").arg(QLatin1String(enumerator.scope()), QLatin1String(enumerator.enumName()));
    m_enums.insert(name, enumerator);
    return name;
}

// The schema type of a property's attribute text; empty when no text can set it.
QString SchemaWriter::typeOf(const QMetaProperty &property, bool menu)
{
    const QMetaType type = property.metaType();
    const int id = type.id();
    if (property.isEnumType() && property.enumerator().isValid())
        return enumType(property.enumerator());
    // The menu reader hands every text to QVariant's conversion, which knows none of the
    // framework's forms but the booleans.
    if (const DuiTextForms::Form *form = DuiTextForms::formOf(id)) {
        if (!menu || id == QMetaType::Bool)
            return form->schemaType;
    }
    switch (id) {
    case QMetaType::Int:
        return QStringLiteral("xs:int");
    case QMetaType::UInt:
        return QStringLiteral("xs:unsignedInt");
    case QMetaType::Long:
    case QMetaType::LongLong:
        return QStringLiteral("xs:long");
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return QStringLiteral("xs:unsignedLong");
    case QMetaType::Short:
        return QStringLiteral("xs:short");
    case QMetaType::UShort:
        return QStringLiteral("xs:unsignedShort");
    case QMetaType::Double:
    case QMetaType::Float:
        return QStringLiteral("dui.real");
    default:
        break;
    }
    if (!menu && getobjectPropertyCreatorMetaDataCreator()->contains(id))
        return QStringLiteral("xs:string");
    // An enumeration no meta-object describes (QPainter::CompositionMode) takes no text at all,
    // though QMetaType claims a conversion from strings.
    if (type.flags() & QMetaType::IsEnumeration)
        return QString();
    if (type.flags() & QMetaType::PointerToQObject)
        return QString();
    return QMetaType::canConvert(QMetaType::fromType<QString>(), type) ? QStringLiteral("xs:string") : QString();
}

QList<Attribute> SchemaWriter::attributesOf(const QMetaObject *meta, bool menu)
{
    QMap<QString, QString> byName;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable())
            continue;
        const QString type = typeOf(property, menu);
        if (!type.isEmpty())
            byName.insert(QLatin1String(property.name()), type);
    }
    QList<Attribute> result;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        result.append({it.key(), it.value()});
    return result;
}

ClassInfo SchemaWriter::describe(const QString &element, const QMetaObject *meta)
{
    ClassInfo info;
    info.element = element;
    info.attributes = attributesOf(meta, false);
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable())
            continue;
        if (property.metaType().id() == QMetaType::QFont)
            info.fontProperties << QLatin1String(property.name());
        if (qstrcmp(property.name(), "data") == 0 && property.metaType().id() == QMetaType::QVariantList)
            info.hasDataList = true;
    }
    info.fontProperties.sort();
    return info;
}

void SchemaWriter::element(const QString &name, const QString &type)
{
    m_out.writeStartElement(kXs, QStringLiteral("element"));
    m_out.writeAttribute(QStringLiteral("name"), name);
    m_out.writeAttribute(QStringLiteral("type"), type);
    m_out.writeEndElement();
}

void SchemaWriter::writeAttributes(const QList<Attribute> &attributes)
{
    for (const Attribute &a : attributes) {
        m_out.writeStartElement(kXs, QStringLiteral("attribute"));
        m_out.writeAttribute(QStringLiteral("name"), a.name);
        m_out.writeAttribute(QStringLiteral("type"), a.type);
        m_out.writeEndElement();
    }
}

// What a widget or window element may hold: widgets, and the data elements its properties take.
void SchemaWriter::writeContentChoice(const ClassInfo &info)
{
    m_out.writeStartElement(kXs, QStringLiteral("choice"));
    m_out.writeAttribute(QStringLiteral("minOccurs"), QStringLiteral("0"));
    m_out.writeAttribute(QStringLiteral("maxOccurs"), QStringLiteral("unbounded"));
    m_out.writeEmptyElement(kXs, QStringLiteral("group"));
    m_out.writeAttribute(QStringLiteral("ref"), QStringLiteral("widgets"));
    if (!info.fontProperties.isEmpty())
        element(QStringLiteral("Font"), QStringLiteral("font.") + info.element);
    if (info.hasDataList) {
        for (auto *node = getobjectDataCreatorDataHeader()->next; node; node = node->next) {
            if (isListDataElement(node->name))
                element(QLatin1String(node->name), QStringLiteral("dui.dataRows"));
        }
    }
    m_out.writeEndElement();
}

void SchemaWriter::writeClassType(const ClassInfo &info, bool window)
{
    m_out.writeStartElement(kXs, QStringLiteral("complexType"));
    m_out.writeAttribute(QStringLiteral("name"), (window ? QStringLiteral("window.") : QStringLiteral("widget.")) + info.element);
    writeContentChoice(info);
    writeAttributes(info.attributes);
    m_out.writeEndElement();

    if (info.fontProperties.isEmpty())
        return;
    // Font: the font attributes, and "name", which names one of the class's font properties.
    m_out.writeStartElement(kXs, QStringLiteral("complexType"));
    m_out.writeAttribute(QStringLiteral("name"), QStringLiteral("font.") + info.element);
    for (const QString &attribute : std::as_const(m_fontAttributes)) {
        m_out.writeStartElement(kXs, QStringLiteral("attribute"));
        m_out.writeAttribute(QStringLiteral("name"), attribute);
        if (attribute == QLatin1String("name")) {
            m_out.writeAttribute(QStringLiteral("use"), QStringLiteral("required"));
            m_out.writeStartElement(kXs, QStringLiteral("simpleType"));
            m_out.writeStartElement(kXs, QStringLiteral("restriction"));
            m_out.writeAttribute(QStringLiteral("base"), QStringLiteral("xs:string"));
            for (const QString &property : info.fontProperties) {
                m_out.writeEmptyElement(kXs, QStringLiteral("enumeration"));
                m_out.writeAttribute(QStringLiteral("value"), property);
            }
            m_out.writeEndElement();
            m_out.writeEndElement();
        } else {
            m_out.writeAttribute(QStringLiteral("type"), QStringLiteral("xs:string"));
        }
        m_out.writeEndElement();
    }
    m_out.writeEndElement();
}

void SchemaWriter::writeDataTypes()
{
    // Rows of TabData, ComboData and TreeData: any element with any attributes, nested for trees.
    m_out.writeStartElement(kXs, QStringLiteral("complexType"));
    m_out.writeAttribute(QStringLiteral("name"), QStringLiteral("dui.dataRows"));
    m_out.writeStartElement(kXs, QStringLiteral("sequence"));
    m_out.writeEmptyElement(kXs, QStringLiteral("any"));
    m_out.writeAttribute(QStringLiteral("processContents"), QStringLiteral("skip"));
    m_out.writeAttribute(QStringLiteral("minOccurs"), QStringLiteral("0"));
    m_out.writeAttribute(QStringLiteral("maxOccurs"), QStringLiteral("unbounded"));
    m_out.writeEndElement();
    m_out.writeEndElement();
}

void SchemaWriter::writeMenuTypes()
{
    QList<Attribute> actionAttributes = attributesOf(&QAction::staticMetaObject, true);
    // The reader loads icons itself, from a path.
    actionAttributes.append({QStringLiteral("icon"), QStringLiteral("xs:string")});
    auto menuItems = [this] {
        m_out.writeStartElement(kXs, QStringLiteral("choice"));
        m_out.writeAttribute(QStringLiteral("minOccurs"), QStringLiteral("0"));
        m_out.writeAttribute(QStringLiteral("maxOccurs"), QStringLiteral("unbounded"));
        element(QStringLiteral("Action"), QStringLiteral("menu.action"));
        element(QStringLiteral("Separator"), QStringLiteral("menu.action"));
        element(QStringLiteral("ActionGroup"), QStringLiteral("menu.subMenu"));
        m_out.writeEndElement();
    };
    // The menu file's own ActionGroup takes no attributes; a sub-menu takes its name, text and icon.
    m_out.writeStartElement(kXs, QStringLiteral("complexType"));
    m_out.writeAttribute(QStringLiteral("name"), QStringLiteral("menu.root"));
    menuItems();
    m_out.writeEndElement();

    m_out.writeStartElement(kXs, QStringLiteral("complexType"));
    m_out.writeAttribute(QStringLiteral("name"), QStringLiteral("menu.subMenu"));
    menuItems();
    writeAttributes({{QStringLiteral("icon"), QStringLiteral("xs:string")},
                     {QStringLiteral("objectName"), QStringLiteral("xs:string")},
                     {QStringLiteral("text"), QStringLiteral("xs:string")}});
    m_out.writeEndElement();

    m_out.writeStartElement(kXs, QStringLiteral("complexType"));
    m_out.writeAttribute(QStringLiteral("name"), QStringLiteral("menu.action"));
    writeAttributes(actionAttributes);
    m_out.writeEndElement();
}

void SchemaWriter::writeSimpleTypes()
{
    auto patternType = [this](const QString &name, const QString &pattern) {
        m_out.writeStartElement(kXs, QStringLiteral("simpleType"));
        m_out.writeAttribute(QStringLiteral("name"), name);
        m_out.writeStartElement(kXs, QStringLiteral("restriction"));
        m_out.writeAttribute(QStringLiteral("base"), QStringLiteral("xs:string"));
        m_out.writeEmptyElement(kXs, QStringLiteral("pattern"));
        m_out.writeAttribute(QStringLiteral("value"), pattern);
        m_out.writeEndElement();
        m_out.writeEndElement();
    };
    patternType(QStringLiteral("dui.real"), DuiTextForms::realPattern());
    for (const DuiTextForms::Form &form : DuiTextForms::forms())
        patternType(form.schemaType, form.pattern);

    for (auto it = m_enums.cbegin(); it != m_enums.cend(); ++it) {
        const QMetaEnum &e = it.value();
        QStringList keys;
        for (int k = 0; k < e.keyCount(); ++k)
            keys << QLatin1String(e.key(k));
        if (e.isFlag()) {
            // Keys joined by "|", as QMetaEnum::keysToValue reads them.
            const QString key = QLatin1Char('(') + keys.join(QLatin1Char('|')) + QLatin1Char(')');
            patternType(it.key(), key + QStringLiteral("(\\|") + key + QStringLiteral(")*"));
            continue;
        }
        m_out.writeStartElement(kXs, QStringLiteral("simpleType"));
        m_out.writeAttribute(QStringLiteral("name"), it.key());
        m_out.writeStartElement(kXs, QStringLiteral("restriction"));
        m_out.writeAttribute(QStringLiteral("base"), QStringLiteral("xs:string"));
        for (const QString &key : std::as_const(keys)) {
            m_out.writeEmptyElement(kXs, QStringLiteral("enumeration"));
            m_out.writeAttribute(QStringLiteral("value"), key);
        }
        m_out.writeEndElement();
        m_out.writeEndElement();
    }
}

QString SchemaWriter::write()
{
    for (auto *node = getfontPropertyFuncDataHeader()->next; node; node = node->next)
        m_fontAttributes << QLatin1String(node->name);
    m_fontAttributes.sort();
    m_fontAttributes.removeDuplicates();

    // Each class is made once, for its meta-object, as duiview --classes does.
    QMap<QString, ClassInfo> widgets, windows;
    for (auto *node = getframeCreateFuncPointerDataHeader()->next; node; node = node->next) {
        std::unique_ptr<DuiFrameWindow> window(node->creator(nullptr));
        if (window && !windows.contains(QLatin1String(node->name)))
            windows.insert(QLatin1String(node->name), describe(QLatin1String(node->name), window->metaObject()));
    }
    for (auto *node = getwidgetCreateFuncPointerDataHeader()->next; node; node = node->next) {
        std::unique_ptr<DuiWidget> widget(node->creator(nullptr));
        if (widget && !widgets.contains(QLatin1String(node->name)))
            widgets.insert(QLatin1String(node->name), describe(QLatin1String(node->name), widget->metaObject()));
    }

    m_out.setAutoFormatting(true);
    m_out.setAutoFormattingIndent(2);
    m_out.writeStartDocument();
    m_out.writeComment(QStringLiteral(" The XML UI and menu files of duifw, from the classes registered when it was written "
                                      "(duiview, option schema). "));
    m_out.writeNamespace(kXs, QStringLiteral("xs"));
    m_out.writeStartElement(kXs, QStringLiteral("schema"));

    // xmlui holds one window (the window form), one ActionGroup (a menu file), or widgets (the fill
    // form, built into a host's widget, whose fonts a Font element may set).
    m_out.writeStartElement(kXs, QStringLiteral("element"));
    m_out.writeAttribute(QStringLiteral("name"), QStringLiteral("xmlui"));
    m_out.writeStartElement(kXs, QStringLiteral("complexType"));
    m_out.writeStartElement(kXs, QStringLiteral("choice"));
    for (auto it = windows.cbegin(); it != windows.cend(); ++it)
        element(it.key(), QStringLiteral("window.") + it.key());
    element(QStringLiteral("ActionGroup"), QStringLiteral("menu.root"));
    m_out.writeStartElement(kXs, QStringLiteral("group"));
    m_out.writeAttribute(QStringLiteral("ref"), QStringLiteral("widgets"));
    m_out.writeAttribute(QStringLiteral("minOccurs"), QStringLiteral("0"));
    m_out.writeAttribute(QStringLiteral("maxOccurs"), QStringLiteral("unbounded"));
    m_out.writeEndElement();
    m_out.writeEndElement();
    m_out.writeEndElement();
    m_out.writeEndElement();

    m_out.writeStartElement(kXs, QStringLiteral("group"));
    m_out.writeAttribute(QStringLiteral("name"), QStringLiteral("widgets"));
    m_out.writeStartElement(kXs, QStringLiteral("choice"));
    for (auto it = widgets.cbegin(); it != widgets.cend(); ++it)
        element(it.key(), QStringLiteral("widget.") + it.key());
    m_out.writeEndElement();
    m_out.writeEndElement();

    for (const ClassInfo &info : std::as_const(windows))
        writeClassType(info, true);
    for (const ClassInfo &info : std::as_const(widgets))
        writeClassType(info, false);
    writeDataTypes();
    writeMenuTypes();
    writeSimpleTypes();

    m_out.writeEndElement();
    m_out.writeEndDocument();
    return m_text;
}

} // namespace

QString DuiXmlSchema::text()
{
    SchemaWriter writer;
    return writer.write();
}
