// SPDX-License-Identifier: MIT
#include "duixmlui.h"

#include "duiframewindow.h"

#include "duifastsetters_p.h"
#include "duifontfiles_p.h"
#include "duiparent_p.h"
#include "duipropertyparsers_p.h"
#include "duiresourceloader.h"
#include "duityperegister.h"
#include "duiwidget_p.h"
#include "duiclosestname_p.h"
#include "duitextforms_p.h"
#include "duixmldiagnostics_p.h"
#include "duixmlsource_p.h"
#include "duixmltranslation_p.h"
#include "mxxmldocument.h"

#include <QtCore/qmetaobject.h>
#include <QtGui/qfont.h>

#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using Diag = DuiXmlDiagnostics;

// Nesting depth of the element being built on this thread, counted across documents loaded
// through xmlPath during the build, so that no input can exhaust the stack.
thread_local int t_depth = 0;

// A widget's xmlPath file is built into it through the fill form.
bool loadXmlPath(const QString &path, DuiWidget *widget)
{
    return DuiXmlUI::createFromFile(path, widget);
}

struct XmlPathLoaderHook
{
    XmlPathLoaderHook() { duiSetXmlPathLoader(loadXmlPath); }
} const s_xmlPathLoaderHook;

class DepthGuard
{
public:
    DepthGuard() { ++t_depth; }
    ~DepthGuard() { --t_depth; }
    Q_DISABLE_COPY(DepthGuard)
};

QString elementName(const MXXmlElement *element)
{
    return QString::fromUtf8(element->tagUtf8());
}

void reportLoadFailure(const MXXmlDocument &document)
{
    if (!DuiXmlReport::enabled())
        return;
    QString why = QString::fromStdWString(document.errorMessage());
    if (why.isEmpty())
        why = QStringLiteral("no resource handler could read the path");
    DuiXmlReport::report(Diag::Error, Diag::DocumentNotLoaded, nullptr, QStringLiteral("cannot load document: %1").arg(why),
                         document.errorLine(), document.errorColumn());
}

const MXXmlElement *xmluiElement(const MXXmlDocument &document)
{
    const MXXmlElement *root = document.elementByPath(L"xmlui");
    if (!root && DuiXmlReport::enabled()) {
        const MXXmlElement *actual = document.rootElement();
        DuiXmlReport::report(Diag::Error, Diag::MissingRootElement, actual,
                             QStringLiteral("document element is %1, not xmlui")
                                 .arg(DuiXmlReport::quoted(actual ? elementName(actual) : QString())));
    }
    return root;
}

QString className(const QObject *object)
{
    return QLatin1String(object->metaObject()->className());
}

// The property an attribute name sets on a class, with its direct setter if it has one:
// meta-object -> attribute name -> property (not valid: none). Found once per class and name, as
// a class's properties never change; the QMetaProperty itself is kept because making one
// resolves its enumeration by name.
struct ResolvedProperty
{
    QMetaProperty property;
    DuiFastSetter fast = nullptr;
    bool translatable = false; // a text people read: translated, and remembered for a new language
};

// The properties of one class by attribute name. Elements of one class mostly repeat the same
// attributes in the same order, so the table also keeps the names met at each position of the
// last element: an attribute found there costs one string comparison instead of a hash lookup.
struct PropertyTable
{
    std::unordered_map<std::string, ResolvedProperty> byName;
    std::vector<std::pair<std::string, const ResolvedProperty *>> lastOrder;
};

PropertyTable &propertyTable(const QMetaObject *meta)
{
    thread_local std::unordered_map<const QMetaObject *, PropertyTable> tables;
    return tables[meta];
}

const ResolvedProperty &propertyNamed(const QMetaObject *meta, PropertyTable &table, int position, const char *name)
{
    if (size_t(position) < table.lastOrder.size()) {
        const auto &[lastName, lastResolved] = table.lastOrder[size_t(position)];
        if (lastName == name)
            return *lastResolved;
    }
    // std::hash over a short name costs a fraction of qHash's seeded hash.
    std::string key(name);
    auto found = table.byName.find(key);
    if (found == table.byName.end()) {
        // Property names are Latin-1: an attribute name outside it matches none.
        const QByteArray latin1 = QString::fromUtf8(name).toLatin1();
        const int index = meta->indexOfProperty(latin1.constData());
        ResolvedProperty resolved;
        if (index >= 0) {
            resolved.property = meta->property(index);
            resolved.fast = duiFastSetter(resolved.property);
            resolved.translatable = duiIsTranslatableXmlProperty(resolved.property);
        }
        found = table.byName.emplace(key, resolved).first;
    }
    // Elements of unusual length do not grow the remembered order without bound.
    constexpr int kRememberedPositions = 64;
    if (position < kRememberedPositions) {
        if (size_t(position) >= table.lastOrder.size())
            table.lastOrder.resize(size_t(position) + 1);
        table.lastOrder[size_t(position)] = {std::move(key), &found->second};
    }
    return found->second;
}

void applyAttributes(QObject *object, const MXXmlElement *element)
{
    const QMetaObject *meta = object->metaObject();
    PropertyTable &table = propertyTable(meta);
    const int count = element->attributeCount();
    for (int i = 0; i < count; ++i) {
        const char *rawName = element->attributeNameUtf8(i);
        if (!*rawName)
            continue;
        const ResolvedProperty &resolved = propertyNamed(meta, table, i, rawName);
        const QMetaProperty &property = resolved.property;
        if (!property.isValid()) {
            if (DuiXmlReport::enabled()) {
                const QString name = QString::fromUtf8(rawName);
                DuiXmlReport::reportAttribute(Diag::Warning, Diag::UnknownAttribute, element, i,
                                              QStringLiteral("%1 has no property %2%3")
                                                  .arg(className(object), DuiXmlReport::quoted(name),
                                                       DuiClosestName::attributeHint(meta, name, QStringLiteral("; attribute skipped"))));
            }
            continue;
        }
        const char *rawText = element->attributeUtf8(i);
        if (resolved.fast && resolved.fast(object, property, rawText))
            continue;
        // Texts people read are translated, and kept to be translated again on a language change;
        // they are strings, which the shortcut for numbers and enumeration keys never reads.
        const bool translatable = resolved.translatable;
        QVariant quick;
        if (!translatable && DuiPropertyText::quickValue(property, rawText, &quick) && property.write(object, quick))
            continue;
        const QString text = QString::fromUtf8(rawText);
        QString problem;
        const QVariant value = translatable ? duiTranslatedXmlText(property, text, rawText) : DuiPropertyText::valueFromText(property, text, &problem);
        const bool written = property.write(object, value);
        if (written && translatable)
            duiRememberXmlText(object, property.propertyIndex(), text, value, element);
        if (!DuiXmlReport::enabled())
            continue;
        if (!written) {
            DuiXmlReport::reportAttribute(Diag::Warning, Diag::RejectedValue, element, i,
                                 QStringLiteral("%1.%2 (%3) refused %4%5")
                                     .arg(className(object), QLatin1String(property.name()), QLatin1String(property.typeName()), DuiXmlReport::quoted(text),
                                          property.isWritable() ? QString() : QStringLiteral(": read-only")));
            continue;
        }
        if (problem.isEmpty())
            problem = DuiTextForms::problem(property.metaType().id(), text, value);
        if (!problem.isEmpty())
            DuiXmlReport::reportAttribute(Diag::Warning, Diag::RejectedValue, element, i,
                                 QStringLiteral("%1.%2: %3 is %4").arg(className(object), QLatin1String(property.name()), DuiXmlReport::quoted(text), problem));
    }
}

// Data elements write what they built to a named property of their target. A target without
// that property keeps the value as a dynamic property, as QObject::setProperty does.
void writeDataProperty(QObject *target, const QByteArray &name, const QVariant &value, const MXXmlElement *element)
{
    const QMetaObject *meta = target->metaObject();
    const int index = meta->indexOfProperty(name.constData());
    if (index < 0) {
        target->setProperty(name.constData(), value);
        if (DuiXmlReport::enabled())
            DuiXmlReport::report(Diag::Warning, Diag::UnknownAttribute, element,
                                 QStringLiteral("%1 has no property %2; %3 kept as a dynamic property")
                                     .arg(className(target), DuiXmlReport::quoted(QString::fromLatin1(name)), elementName(element)));
        return;
    }
    if (!meta->property(index).write(target, value) && DuiXmlReport::enabled())
        DuiXmlReport::report(Diag::Warning, Diag::RejectedValue, element,
                             QStringLiteral("%1.%2 (%3) refused the value of %4")
                                 .arg(className(target), QString::fromLatin1(name), QLatin1String(meta->property(index).typeName()),
                                      elementName(element)));
}

QVariantMap attributeMap(const MXXmlElement *element)
{
    QVariantMap map;
    const int count = element->attributeCount();
    for (int i = 0; i < count; ++i)
        map.insert(QString::fromUtf8(element->attributeNameUtf8(i)), QString::fromUtf8(element->attributeUtf8(i)));
    return map;
}

// "TabData" and "ComboData": one map of attribute texts per child, in document order.
bool applyListData(QObject *target, const MXXmlElement *element)
{
    QVariantList list;
    const int count = element->childCount();
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(attributeMap(element->child(i)));
    writeDataProperty(target, QByteArrayLiteral("data"), list, element);
    return true;
}

QVariantList treeList(const MXXmlElement *element)
{
    QVariantList list;
    const int count = element->childCount();
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        const MXXmlElement *child = element->child(i);
        QVariantMap map = attributeMap(child);
        if (child->childCount() > 0) {
            if (t_depth >= Diag::maxDepth) {
                if (DuiXmlReport::enabled())
                    DuiXmlReport::report(Diag::Warning, Diag::DepthLimit, child,
                                         QStringLiteral("tree data deeper than %1 levels; children skipped").arg(Diag::maxDepth));
            } else {
                DepthGuard guard;
                map.insert(QStringLiteral("children"), treeList(child));
            }
        }
        list.append(map);
    }
    return list;
}

// "TreeData": as the list data, and a child with children of its own gets "children", the list
// of its children built the same way.
bool applyTreeData(QObject *target, const MXXmlElement *element)
{
    writeDataProperty(target, QByteArrayLiteral("data"), treeList(element), element);
    return true;
}

// "Font": a font from the element's attributes, written to the property its "name" attribute
// names. An attribute that is no font attribute drops the whole element.
bool applyFontData(QObject *target, const MXXmlElement *element)
{
    QFont font;
    QString bad;
    if (!DuiPropertyText::fontFromElement(element, &font, &bad)) {
        if (DuiXmlReport::enabled())
            DuiXmlReport::report(Diag::Warning, Diag::UnknownAttribute, element,
                                 QStringLiteral("Font dropped: %1 is no font attribute").arg(DuiXmlReport::quoted(bad)));
        return false;
    }
    const QByteArray name = QString::fromStdWString(element->attribute(L"name")).toLatin1();
    if (name.isEmpty()) {
        if (DuiXmlReport::enabled())
            DuiXmlReport::report(Diag::Warning, Diag::RejectedValue, element, QStringLiteral("Font without a name attribute; skipped"));
        return false;
    }
    writeDataProperty(target, name, QVariant::fromValue(font), element);
    return true;
}

} // namespace

DUI_REGISTER_DATA_ELEMENT(TabData, applyListData)
DUI_REGISTER_DATA_ELEMENT(ComboData, applyListData)
DUI_REGISTER_DATA_ELEMENT(TreeData, applyTreeData)
DUI_REGISTER_DATA_ELEMENT(Font, applyFontData)

DuiFrameWindow *DuiXmlUI::createFromFile(const QString &path, QWidget *parent)
{
    MXXmlDocument document;
    DuiXmlReport::DocumentFrame frame(path);
    if (!getResourceLoader()->loadXml(path, document)) {
        reportLoadFailure(document);
        return nullptr;
    }
    return createWindow(document, parent);
}

DuiFrameWindow *DuiXmlUI::createFromMemory(const std::string &xml, QWidget *parent)
{
    MXXmlDocument document;
    DuiXmlReport::DocumentFrame frame{QString()};
    if (xml.size() > size_t(INT_MAX) || !document.loadFromString(xml.data(), int(xml.size()))) {
        reportLoadFailure(document);
        return nullptr;
    }
    return createWindow(document, parent);
}

bool DuiXmlUI::createFromFile(const QString &path, DuiWidget *widget)
{
    if (!widget)
        return false;
    // A file that names itself (or an ancestor) as xmlPath would be built without end.
    if (DuiXmlReport::DocumentFrame::isBuilding(path)) {
        if (DuiXmlReport::enabled())
            DuiXmlReport::report(Diag::Warning, Diag::RecursiveFile, nullptr,
                                 QStringLiteral("%1 is already being built; not loaded again").arg(DuiXmlReport::quoted(path)));
        return false;
    }
    MXXmlDocument document;
    DuiXmlReport::DocumentFrame frame(path);
    if (!getResourceLoader()->loadXml(path, document)) {
        reportLoadFailure(document);
        return false;
    }
    return fill(document, widget);
}

bool DuiXmlUI::createFromMemory(const std::string &xml, DuiWidget *widget)
{
    if (!widget)
        return false;
    MXXmlDocument document;
    DuiXmlReport::DocumentFrame frame{QString()};
    if (xml.size() > size_t(INT_MAX) || !document.loadFromString(xml.data(), int(xml.size()))) {
        reportLoadFailure(document);
        return false;
    }
    return fill(document, widget);
}

void DuiXmlUI::connectSignalSlotByName(QObject *root, QObject *receiver, bool includeRoot)
{
    connectByName(root, receiver, includeRoot, true);
}

DuiFrameWindow *DuiXmlUI::createWindow(const MXXmlDocument &document, QWidget *parent)
{
    const MXXmlElement *root = xmluiElement(document);
    if (!root)
        return nullptr;
    const MXXmlElement *first = root->child(0);
    const QByteArray tag = first ? elementName(first).toLatin1() : QByteArray();
    if (tag.isEmpty()) {
        if (DuiXmlReport::enabled())
            DuiXmlReport::report(Diag::Error, Diag::WindowFormFailure, root, QStringLiteral("xmlui holds no window element"));
        return nullptr;
    }
    DuiFrameWindow *window = createFrameByName(tag.constData(), parent);
    if (!window) {
        if (DuiXmlReport::enabled())
            DuiXmlReport::report(Diag::Error, Diag::WindowFormFailure, first,
                                 QStringLiteral("%1 is no frame window class; no window built").arg(DuiXmlReport::quoted(QString::fromLatin1(tag))));
        return nullptr;
    }
    duiNoteXmlSource(window, first);
    applyAttributes(window, first);
    const int count = first->childCount();
    for (int i = 0; i < count; ++i)
        buildElement(window->rootWidget(), first->child(i));
    window->doConstruct();
    connectByName(window, window, true, true);
    return window;
}

bool DuiXmlUI::fill(const MXXmlDocument &document, DuiWidget *widget)
{
    const MXXmlElement *root = xmluiElement(document);
    if (!root)
        return false;
    const int count = root->childCount();
    for (int i = 0; i < count; ++i)
        buildElement(widget, root->child(i));
    connectByName(widget, widget, true, true);
    return true;
}

void DuiXmlUI::buildElement(DuiWidget *parent, const MXXmlElement *element)
{
    if (t_depth >= DuiXmlDiagnostics::maxDepth) {
        if (DuiXmlReport::enabled())
            DuiXmlReport::report(Diag::Warning, Diag::DepthLimit, element,
                                 QStringLiteral("%1 nested deeper than %2 levels; skipped with its content")
                                     .arg(DuiXmlReport::quoted(elementName(element)))
                                     .arg(DuiXmlDiagnostics::maxDepth));
        return;
    }
    DepthGuard guard;
    DuiXmlReport::DocumentFrame *frame = DuiXmlReport::DocumentFrame::current();
    // Class names are ASCII: the tag's own bytes find them, and nothing else, without a copy.
    const char *tag = element->tagUtf8();
    if (DuiWidget *node = parent->getXmlNode())
        parent = node;

    DuiWidget *child = createWidgetByName(tag, parent);
    if (!child) {
        if (const auto *data = duiFindCreator(getobjectDataCreatorDataHeader(), tag)) {
            if (frame)
                frame->element = element;
            data->creator(parent, element);
        } else if (DuiXmlReport::enabled()) {
            const QString name = elementName(element);
            DuiXmlReport::report(Diag::Warning, Diag::UnknownElement, element,
                                 QStringLiteral("%1 is no widget class or data element%2")
                                     .arg(DuiXmlReport::quoted(name),
                                          DuiClosestName::elementHint(name, QStringLiteral("; skipped with its content"))));
        }
        return;
    }

    duiSetParent(child, parent);
    duiNoteXmlSource(child, element);
    // Joining the layout first lets attributes such as itemSpacing and alignment find it.
    parent->addItem(child);
    if (frame)
        frame->element = element;
    applyAttributes(child, element);
    const int count = element->childCount();
    for (int i = 0; i < count; ++i)
        buildElement(child, element->child(i));
    if (count > 0)
        connectByName(child, child, true, false);
    child->doConstruct();
}

void DuiXmlUI::connectByName(QObject *root, QObject *receiver, bool includeRoot, bool reportUnmatched)
{
    if (!root || !receiver)
        return;

    struct NamedSlot
    {
        int index;
        QByteArray signal;
        QByteArray signature;
        bool foundObject;
        bool connected;
    };
    QHash<QByteArray, QList<NamedSlot>> groups;
    // Slots that look connectable but have "_" in the object name or signal.
    QList<QByteArray> unusable;
    const QMetaObject *receiverMeta = receiver->metaObject();
    const int methodCount = receiverMeta->methodCount();
    for (int m = 0; m < methodCount; ++m) {
        const QMetaMethod method = receiverMeta->method(m);
        if (method.methodType() != QMetaMethod::Slot)
            continue;
        const QByteArray signature = method.methodSignature();
        if (!signature.startsWith("on_"))
            continue;
        const QList<QByteArray> parts = signature.split('_');
        if (parts.size() != 3) {
            if (reportUnmatched)
                unusable.append(signature);
            continue;
        }
        groups[parts.at(1)].append(NamedSlot{m, parts.at(2), signature, false, false});
    }
    if (groups.isEmpty() && unusable.isEmpty())
        return;

    QList<QObject *> senders = root->findChildren<QObject *>();
    if (includeRoot)
        senders.append(root);
    for (QObject *sender : std::as_const(senders)) {
        const auto group = groups.find(sender->objectName().toUtf8());
        if (group == groups.end())
            continue;
        const QMetaObject *senderMeta = sender->metaObject();
        const int senderMethods = senderMeta->methodCount();
        for (NamedSlot &slot : *group)
            slot.foundObject = true;
        for (int s = 0; s < senderMethods; ++s) {
            const QMetaMethod signal = senderMeta->method(s);
            if (signal.methodType() != QMetaMethod::Signal)
                continue;
            const QByteArray signature = signal.methodSignature();
            for (NamedSlot &slot : *group) {
                if (slot.signal != signature)
                    continue;
                QMetaObject::connect(sender, s, receiver, slot.index, Qt::UniqueConnection);
                slot.connected = true;
            }
        }
    }

    if (!reportUnmatched || !DuiXmlReport::enabled())
        return;
    for (const QByteArray &signature : std::as_const(unusable))
        DuiXmlReport::report(Diag::Warning, Diag::UnmatchedSlot, nullptr,
                             QStringLiteral("slot %1 of %2 never matches: object names and signals containing \"_\" are not connected")
                                 .arg(QString::fromLatin1(signature), className(receiver)),
                             0);
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        for (const NamedSlot &slot : it.value()) {
            if (slot.connected)
                continue;
            const QString slotName = QString::fromLatin1(slot.signature);
            const QString objectName = QString::fromUtf8(it.key());
            const QString message = slot.foundObject
                ? QStringLiteral("slot %1 of %2: no object named %3 has the signal %4")
                      .arg(slotName, className(receiver), objectName, QString::fromLatin1(slot.signal))
                : QStringLiteral("slot %1 of %2: no object named %3 was built").arg(slotName, className(receiver), objectName);
            DuiXmlReport::report(Diag::Warning, Diag::UnmatchedSlot, nullptr, message, 0);
        }
    }
}
