// SPDX-License-Identifier: MIT
#include "inspector.h"

#include <duiframewindow.h>
#include <duiresourceloader.h>
#include <duiwidget.h>
#include <duixmlsource.h>

#include <QtCore/qmargins.h>
#include <QtCore/qmetaobject.h>
#include <QtGui/qcolor.h>
#include <QtGui/qevent.h>
#include <QtGui/qfont.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicswidget.h>
#include <QtWidgets/qheaderview.h>
#include <QtWidgets/qlabel.h>
#include <QtWidgets/qsplitter.h>
#include <QtWidgets/qtablewidget.h>
#include <QtWidgets/qtreewidget.h>
#include <QtWidgets/qboxlayout.h>

// The frame drawn over the selected control. It takes no events, so the window under it works
// as before.
class OutlineItem : public QGraphicsObject
{
public:
    OutlineItem()
    {
        setAcceptedMouseButtons(Qt::NoButton);
        setAcceptHoverEvents(false);
        setZValue(1e9);
    }
    void setRect(const QRectF &rect)
    {
        if (rect == m_rect)
            return;
        prepareGeometryChange();
        m_rect = rect;
    }
    QRectF rect() const { return m_rect; }
    QRectF boundingRect() const override { return m_rect.adjusted(-2, -2, 2, 2); }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        painter->setPen(QPen(QColor(230, 60, 120), 2));
        painter->setBrush(QColor(230, 60, 120, 40));
        painter->drawRect(m_rect.adjusted(-1, -1, 1, 1));
    }

private:
    QRectF m_rect;
};

namespace {

// Tells whether an editor is open, so that a refresh does not overwrite what is being typed.
class PropertyTable : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;
    bool isEditing() const { return state() == EditingState; }
};

constexpr int kObjectRole = Qt::UserRole;
constexpr int kPropertyRole = Qt::UserRole + 1;

QString number(qreal value)
{
    return QString::number(value, 'g', 6);
}

QString geometryText(const QRectF &r)
{
    return QStringLiteral("%1,%2 %3×%4").arg(number(r.x()), number(r.y()), number(r.width()), number(r.height()));
}

// Types the table edits in place: the item view's own editors handle these.
bool isBasicType(int id)
{
    switch (id) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QString:
        return true;
    default:
        return false;
    }
}

// A value as the XML attribute would write it, for the types that are shown but not edited.
QString valueText(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QSize:
        return QStringLiteral("%1,%2").arg(value.toSize().width()).arg(value.toSize().height());
    case QMetaType::QSizeF:
        return QStringLiteral("%1,%2").arg(number(value.toSizeF().width()), number(value.toSizeF().height()));
    case QMetaType::QPointF:
        return QStringLiteral("%1,%2").arg(number(value.toPointF().x()), number(value.toPointF().y()));
    case QMetaType::QRectF:
    case QMetaType::QRect:
        return geometryText(value.toRectF());
    case QMetaType::QColor: {
        const QColor c = value.value<QColor>();
        return c.isValid() ? QStringLiteral("%1,%2,%3,%4").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha())
                           : QStringLiteral("(invalid)");
    }
    case QMetaType::QFont:
        return value.value<QFont>().toString();
    default:
        break;
    }
    if (value.metaType() == QMetaType::fromType<QMargins>()) {
        const QMargins m = value.value<QMargins>();
        return QStringLiteral("%1,%2,%3,%4").arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom());
    }
    if (value.canConvert<QString>())
        return value.toString();
    return QStringLiteral("(%1)").arg(QLatin1String(value.typeName()));
}

QString enumText(const QMetaProperty &property, const QVariant &value)
{
    const QMetaEnum e = property.enumerator();
    const int v = value.toInt();
    return QString::fromLatin1(e.isFlag() ? e.valueToKeys(v) : QByteArray(e.valueToKey(v)));
}

QGraphicsWidget *widgetAt(DuiFrameWindow *window, const QPoint &viewportPos, const QHash<QObject *, QTreeWidgetItem *> &known)
{
    const QList<QGraphicsItem *> items = window->items(viewportPos);
    for (QGraphicsItem *item : items) {
        // The innermost item under the pointer first; climb to a widget the tree shows.
        for (QGraphicsItem *i = item; i; i = i->parentItem()) {
            if (i->isWidget() && known.contains(static_cast<QGraphicsWidget *>(i)))
                return static_cast<QGraphicsWidget *>(i);
        }
    }
    return nullptr;
}

} // namespace

Inspector::Inspector(QWidget *parent)
    : QWidget(parent)
    , m_tree(new QTreeWidget)
    , m_properties(new PropertyTable(0, 2))
    , m_source(new QLabel)
{
    setWindowTitle(QStringLiteral("duiview inspector"));
    resize(520, 640);
    m_tree->setHeaderLabels({QStringLiteral("Class"), QStringLiteral("Object name"), QStringLiteral("Geometry")});
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_properties->setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
    m_properties->verticalHeader()->hide();
    m_properties->horizontalHeader()->setSectionResizeMode(PropertyColumn, QHeaderView::ResizeToContents);
    m_properties->horizontalHeader()->setStretchLastSection(true);
    m_properties->verticalHeader()->setDefaultSectionSize(m_properties->fontMetrics().height() + 6);
    m_properties->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                  | QAbstractItemView::AnyKeyPressed);
    m_source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_source->setWordWrap(true);
    m_source->setMargin(4);

    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_properties);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_source);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        m_selected = item ? item->data(0, kObjectRole).value<QObject *>() : nullptr;
        fillProperties();
        showSource();
        updateOutline();
    });
    connect(m_properties, &QTableWidget::itemChanged, this, &Inspector::propertyEdited);
    m_refresh.setInterval(250);
    connect(&m_refresh, &QTimer::timeout, this, [this] {
        if (isVisible())
            refresh();
    });
    m_refresh.start();
}

Inspector::~Inspector()
{
    delete m_outline;
}

void Inspector::setTarget(DuiFrameWindow *window)
{
    const QList<int> path = pathOf(m_tree->currentItem());
    if (m_target)
        m_target->viewport()->removeEventFilter(this);
    delete m_outline;
    m_outline = nullptr;
    m_target = window;
    if (m_target) {
        m_target->viewport()->installEventFilter(this);
        m_outline = new OutlineItem;
        m_outline->hide();
        m_target->scene()->addItem(m_outline);
        // The scene deletes the outline with the window; forget it then.
        connect(m_outline, &QObject::destroyed, this, [this] { m_outline = nullptr; });
    }
    rebuildTree();
    QTreeWidgetItem *again = itemAt(path);
    m_tree->setCurrentItem(again ? again : m_tree->topLevelItem(0));
}

QTreeWidgetItem *Inspector::itemFor(QObject *object, const QString &className, const QString &geometry)
{
    auto *item = new QTreeWidgetItem({className, object->objectName(), geometry});
    item->setData(0, kObjectRole, QVariant::fromValue(object));
    m_items.insert(object, item);
    return item;
}

// Only widgets the builder made are shown; the parts a control makes for itself are not, but
// built widgets below them are (an xmlPath page inside a stacked widget's page holder).
void Inspector::addWidgets(QGraphicsWidget *widget, QTreeWidgetItem *parent)
{
    for (QGraphicsItem *child : widget->childItems()) {
        if (!child->isWidget())
            continue;
        auto *w = static_cast<QGraphicsWidget *>(child);
        QTreeWidgetItem *under = parent;
        if (DuiXmlSource::locationOf(w).isValid()) {
            under = itemFor(w, QLatin1String(w->metaObject()->className()), geometryText(w->geometry()));
            parent->addChild(under);
        }
        addWidgets(w, under);
    }
}

void Inspector::rebuildTree()
{
    m_filling = true;
    m_tree->clear();
    m_items.clear();
    if (m_target) {
        QTreeWidgetItem *top = itemFor(m_target, QLatin1String(m_target->metaObject()->className()), geometryText(m_target->geometry()));
        m_tree->addTopLevelItem(top);
        if (m_target->rootWidget())
            addWidgets(m_target->rootWidget(), top);
        m_tree->expandAll();
    }
    m_filling = false;
}

bool Inspector::select(QObject *object)
{
    QTreeWidgetItem *item = m_items.value(object);
    if (!item)
        return false;
    m_tree->setCurrentItem(item);
    m_tree->scrollToItem(item);
    return true;
}

// The class's own properties first, then each base class's under its name, as a reader looks
// for `text` sooner than for `objectName`.
void Inspector::fillProperties()
{
    m_filling = true;
    m_properties->clearSpans();
    m_properties->setRowCount(0);
    if (QObject *object = m_selected.data()) {
        for (const QMetaObject *meta = object->metaObject(); meta; meta = meta->superClass()) {
            if (meta->propertyOffset() == meta->propertyCount())
                continue;
            const int header = m_properties->rowCount();
            m_properties->insertRow(header);
            auto *title = new QTableWidgetItem(QLatin1String(meta->className()));
            title->setFlags(Qt::ItemIsEnabled);
            QFont bold = font();
            bold.setBold(true);
            title->setFont(bold);
            title->setBackground(palette().color(QPalette::AlternateBase).darker(104));
            m_properties->setItem(header, PropertyColumn, title);
            m_properties->setSpan(header, PropertyColumn, 1, 2);
            for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
                const QMetaProperty property = meta->property(i);
                const int row = m_properties->rowCount();
                m_properties->insertRow(row);
                auto *name = new QTableWidgetItem(QLatin1String(property.name()));
                name->setFlags(Qt::ItemIsEnabled);
                name->setToolTip(QLatin1String(property.typeName()));
                auto *value = new QTableWidgetItem;
                value->setData(kPropertyRole, i);
                const bool editable = property.isWritable() && (isBasicType(property.metaType().id()) || property.isEnumType());
                value->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::ItemIsEnabled);
                if (!editable)
                    value->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
                m_properties->setItem(row, PropertyColumn, name);
                m_properties->setItem(row, ValueColumn, value);
            }
        }
    }
    m_filling = false;
    refresh();
}

void Inspector::refresh()
{
    QObject *object = m_selected.data();
    if (m_selected.isNull() && m_properties->rowCount() > 0) {
        // The selected widget went (a rebuilt window, a deleted control).
        fillProperties();
        return;
    }
    if (object && !static_cast<PropertyTable *>(m_properties)->isEditing()) {
        m_filling = true;
        const QMetaObject *meta = object->metaObject();
        for (int row = 0; row < m_properties->rowCount(); ++row) {
            QTableWidgetItem *item = m_properties->item(row, ValueColumn);
            if (!item)
                continue; // a class's title
            const QMetaProperty property = meta->property(item->data(kPropertyRole).toInt());
            const QVariant value = property.read(object);
            QVariant shown;
            if (property.isEnumType())
                shown = enumText(property, value);
            else if (isBasicType(property.metaType().id()))
                shown = value;
            else
                shown = valueText(value);
            if (item->data(Qt::EditRole) != shown)
                item->setData(Qt::EditRole, shown);
        }
        m_filling = false;
    }
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it) {
        if (auto *w = qobject_cast<QGraphicsWidget *>(it.key()))
            it.value()->setText(GeometryColumn, geometryText(w->geometry()));
    }
    updateOutline();
}

void Inspector::propertyEdited(QTableWidgetItem *item)
{
    QObject *object = m_selected.data();
    if (m_filling || !object || item->column() != ValueColumn)
        return;
    const QMetaProperty property = object->metaObject()->property(item->data(kPropertyRole).toInt());
    QVariant value = item->data(Qt::EditRole);
    if (property.isEnumType()) {
        const QMetaEnum e = property.enumerator();
        bool ok = false;
        const QByteArray keys = value.toString().trimmed().toLatin1();
        const int v = e.isFlag() ? e.keysToValue(keys.constData(), &ok) : e.keyToValue(keys.constData(), &ok);
        value = ok ? QVariant(v) : QVariant();
    }
    if (value.isValid())
        property.write(object, value);
    // Shows what the object took, which may differ from what was typed.
    refresh();
}

void Inspector::showSource()
{
    const DuiXmlSourceLocation where = DuiXmlSource::locationOf(m_selected);
    if (!where.isValid()) {
        m_source->setText(m_selected ? QStringLiteral("Not built from an XML element.") : QString());
        return;
    }
    // Through the resource loader, which finds an xmlPath file (named relative, or ":/...") where
    // the builder found it.
    const QByteArray bytes = getResourceLoader()->loadRawData(where.file);
    const QList<QByteArray> lines = bytes.split('\n');
    const QString line = where.line <= lines.size() ? QString::fromUtf8(lines.at(where.line - 1)).trimmed() : QString();
    m_source->setText(QStringLiteral("<b>%1</b><br><code>%2</code>")
                          .arg(where.toString().toHtmlEscaped(), line.left(200).toHtmlEscaped()));
}

void Inspector::updateOutline()
{
    if (!m_outline)
        return;
    auto *widget = qobject_cast<QGraphicsWidget *>(m_selected.data());
    if (!widget || widget->scene() != m_outline->scene()) {
        m_outline->hide();
        return;
    }
    m_outline->setRect(widget->sceneBoundingRect());
    m_outline->setVisible(widget->isVisible());
}

QRectF Inspector::outlineRect() const
{
    return m_outline && m_outline->isVisible() ? m_outline->rect() : QRectF();
}

bool Inspector::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_target || watched != m_target->viewport())
        return false;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease
        && event->type() != QEvent::MouseButtonDblClick)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (!(mouse->modifiers() & Qt::ControlModifier))
        return false;
    // The click selects; the control does not see it.
    if (event->type() == QEvent::MouseButtonPress) {
        QGraphicsWidget *widget = widgetAt(m_target, mouse->position().toPoint(), m_items);
        select(widget ? static_cast<QObject *>(widget) : m_target.data());
        raise();
    }
    return true;
}

QList<int> Inspector::pathOf(QTreeWidgetItem *item) const
{
    QList<int> path;
    for (; item && item->parent(); item = item->parent())
        path.prepend(item->parent()->indexOfChild(item));
    return path;
}

QTreeWidgetItem *Inspector::itemAt(const QList<int> &path) const
{
    QTreeWidgetItem *item = m_tree->topLevelItem(0);
    for (int index : path) {
        if (!item || index >= item->childCount())
            return nullptr;
        item = item->child(index);
    }
    return item;
}

QImage Inspector::renderBeside(const QImage &window, Inspector *inspector)
{
    const QImage panel = inspector->grab().toImage();
    constexpr int gap = 16;
    QImage image(window.width() + gap + panel.width(), qMax(window.height(), panel.height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(90, 96, 104));
    QPainter painter(&image);
    painter.drawImage(0, 0, window);
    painter.drawImage(window.width() + gap, 0, panel);
    return image;
}
