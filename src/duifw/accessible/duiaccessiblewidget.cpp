// SPDX-License-Identifier: MIT
#include "duiaccessiblewidget_p.h"

#include "duiabstractscrollbar.h"
#include "duiframeitem.h"
#include "duirootitem.h"
#include "duispaceritem.h"
#include "duiwidget.h"

#include <QtGui/qwindow.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qgraphicsview.h>

namespace {

// Containers that only lay out their children: a screen reader would announce an empty group
// for each of them, so their children take their place.
bool isLayoutOnly(const QGraphicsWidget *widget)
{
    const QMetaObject *meta = widget->metaObject();
    if (meta == &DuiRootItem::staticMetaObject)
        return true;
    if (meta != &DuiWidget::staticMetaObject && meta != &DuiSpacerItem::staticMetaObject)
        return false;
    return static_cast<const DuiWidget *>(widget)->accessibleName().isEmpty();
}

// Skin images, scroll bars (a screen reader moves by children, not by scrolling) and items that
// are not framework widgets (proxies of native editors belong to the control that holds them).
bool isHidden(const QGraphicsWidget *widget)
{
    return !qobject_cast<const DuiWidget *>(widget) || qobject_cast<const DuiFrameItem *>(widget)
           || qobject_cast<const DuiAbstractScrollBar *>(widget);
}

void collect(const QList<QGraphicsItem *> &items, QList<QGraphicsWidget *> *out)
{
    for (QGraphicsItem *item : items) {
        if (!item->isWidget())
            continue;
        auto *widget = static_cast<QGraphicsWidget *>(item);
        if (isHidden(widget))
            continue;
        if (isLayoutOnly(widget))
            collect(widget->childItems(), out);
        else
            out->append(widget);
    }
}

void sendMouse(QGraphicsScene *scene, QGraphicsWidget *widget, QEvent::Type type, const QPointF &pos,
               const QPoint &screenPos)
{
    QGraphicsSceneMouseEvent event(type);
    const QPointF scenePos = widget->mapToScene(pos);
    event.setPos(pos);
    event.setScenePos(scenePos);
    event.setScreenPos(screenPos);
    event.setButton(Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMousePress ? Qt::LeftButton : Qt::NoButton);
    event.setButtonDownPos(Qt::LeftButton, pos);
    event.setButtonDownScenePos(Qt::LeftButton, scenePos);
    event.setButtonDownScreenPos(Qt::LeftButton, screenPos);
    event.setLastPos(pos);
    event.setLastScenePos(scenePos);
    event.setLastScreenPos(screenPos);
    event.setAccepted(false);
    scene->sendEvent(widget, &event);
}

} // namespace

namespace DuiAccessibleTree {

QList<QGraphicsWidget *> children(const QList<QGraphicsItem *> &items)
{
    QList<QGraphicsWidget *> out;
    collect(items, &out);
    return out;
}

QList<QGraphicsWidget *> childrenOf(const QGraphicsItem *item)
{
    return children(item->childItems());
}

QGraphicsView *viewOf(const QGraphicsItem *item)
{
    const QGraphicsScene *scene = item->scene();
    if (!scene || scene->views().isEmpty())
        return nullptr;
    return scene->views().constFirst();
}

QAccessibleInterface *parentOf(QGraphicsWidget *widget)
{
    QAccessibleInterface *self = QAccessible::queryAccessibleInterface(widget);
    if (!self)
        return nullptr;
    for (QGraphicsItem *up = widget->parentItem(); up; up = up->parentItem()) {
        if (!up->isWidget())
            continue;
        auto *candidate = static_cast<QGraphicsWidget *>(up);
        if (isHidden(candidate) || isLayoutOnly(candidate))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(candidate);
        if (iface && iface->indexOfChild(self) >= 0)
            return iface;
    }
    if (QGraphicsView *view = viewOf(widget)) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(view);
        if (iface && iface->indexOfChild(self) >= 0)
            return iface;
    }
    return nullptr;
}

QAccessibleInterface *exposedFor(QGraphicsItem *item)
{
    for (; item; item = item->parentItem()) {
        if (!item->isWidget())
            continue;
        auto *widget = static_cast<QGraphicsWidget *>(item);
        if (isHidden(widget) || isLayoutOnly(widget))
            continue;
        if (parentOf(widget))
            return QAccessible::queryAccessibleInterface(widget);
    }
    return nullptr;
}

QRect screenRect(const QGraphicsItem *item, const QRectF &rect)
{
    QGraphicsView *view = viewOf(item);
    if (!view)
        return QRect();
    const QRect inViewport = view->viewportTransform().mapRect(item->mapRectToScene(rect)).toAlignedRect();
    return QRect(view->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size());
}

bool click(QGraphicsWidget *widget, const QPointF &pos)
{
    QGraphicsScene *scene = widget->scene();
    if (!scene || !widget->isEnabled() || !widget->isVisible())
        return false;
    QPoint screenPos;
    if (QGraphicsView *view = viewOf(widget))
        screenPos = view->viewport()->mapToGlobal(view->mapFromScene(widget->mapToScene(pos)));
    // The widget may go while it handles the press (a button that closes its window).
    const QPointer<QGraphicsWidget> guard(widget);
    sendMouse(scene, widget, QEvent::GraphicsSceneMousePress, pos, screenPos);
    if (guard)
        sendMouse(scene, widget, QEvent::GraphicsSceneMouseRelease, pos, screenPos);
    return true;
}

bool click(QGraphicsWidget *widget)
{
    return click(widget, widget->rect().center());
}

QAccessibleInterface *childIn(const QList<QGraphicsWidget *> &list, int index)
{
    if (index < 0 || index >= list.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(list.at(index));
}

int indexIn(const QList<QGraphicsWidget *> &list, const QAccessibleInterface *child)
{
    if (!child || !child->object())
        return -1;
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i) == child->object())
            return i;
    }
    return -1;
}

QAccessibleInterface *childAt(const QList<QGraphicsWidget *> &list, int x, int y)
{
    for (qsizetype i = list.size() - 1; i >= 0; --i) {
        QAccessibleInterface *child = QAccessible::queryAccessibleInterface(list.at(i));
        if (child && !child->state().invisible && child->rect().contains(x, y))
            return child;
    }
    return nullptr;
}

QAccessibleInterface *childAt(const QAccessibleInterface *parent, int x, int y)
{
    for (int i = parent->childCount() - 1; i >= 0; --i) {
        QAccessibleInterface *child = parent->child(i);
        if (child && !child->state().invisible && child->rect().contains(x, y))
            return child;
    }
    return nullptr;
}

} // namespace DuiAccessibleTree

DuiAccessibleWidget::DuiAccessibleWidget(QGraphicsWidget *widget, QAccessible::Role role)
    : QAccessibleObject(widget)
    , m_role(role)
{
}

QGraphicsWidget *DuiAccessibleWidget::widget() const
{
    return static_cast<QGraphicsWidget *>(object());
}

DuiWidget *DuiAccessibleWidget::duiWidget() const
{
    return qobject_cast<DuiWidget *>(object());
}

QWindow *DuiAccessibleWidget::window() const
{
    QGraphicsView *view = DuiAccessibleTree::viewOf(widget());
    return view ? view->window()->windowHandle() : nullptr;
}

QAccessibleInterface *DuiAccessibleWidget::parent() const
{
    return DuiAccessibleTree::parentOf(widget());
}

QList<QGraphicsWidget *> DuiAccessibleWidget::childWidgets() const
{
    if (m_leaf)
        return {};
    return DuiAccessibleTree::childrenOf(widget());
}

int DuiAccessibleWidget::childCount() const
{
    return int(childWidgets().size());
}

QAccessibleInterface *DuiAccessibleWidget::child(int index) const
{
    return DuiAccessibleTree::childIn(childWidgets(), index);
}

int DuiAccessibleWidget::indexOfChild(const QAccessibleInterface *child) const
{
    return DuiAccessibleTree::indexIn(childWidgets(), child);
}

QAccessibleInterface *DuiAccessibleWidget::childAt(int x, int y) const
{
    return DuiAccessibleTree::childAt(childWidgets(), x, y);
}

QAccessibleInterface *DuiAccessibleWidget::focusChild() const
{
    const QGraphicsScene *scene = widget()->scene();
    QGraphicsItem *focus = scene ? scene->focusItem() : nullptr;
    if (!focus || !widget()->isAncestorOf(focus))
        return nullptr;
    QAccessibleInterface *found = DuiAccessibleTree::exposedFor(focus);
    return found && found->object() != object() ? found : nullptr;
}

QRect DuiAccessibleWidget::rect() const
{
    return DuiAccessibleTree::screenRect(widget(), widget()->rect());
}

QString DuiAccessibleWidget::visibleText() const
{
    return QString();
}

QString DuiAccessibleWidget::text(QAccessible::Text t) const
{
    DuiWidget *dui = duiWidget();
    switch (t) {
    case QAccessible::Name: {
        const QString own = dui ? dui->accessibleName() : QString();
        return own.isEmpty() ? visibleText() : own;
    }
    case QAccessible::Description: {
        // A tooltip that already names the control would only be read twice.
        const QString tip = dui ? dui->DuiWidget::toolTip() : QString();
        return tip == text(QAccessible::Name) ? QString() : tip;
    }
    default:
        return QString();
    }
}

QAccessible::Role DuiAccessibleWidget::role() const
{
    return m_role;
}

QAccessible::State DuiAccessibleWidget::state() const
{
    QAccessible::State s;
    const QGraphicsWidget *w = widget();
    s.invisible = !w->isVisible();
    s.disabled = !w->isEnabled();
    s.focusable = (w->flags() & QGraphicsItem::ItemIsFocusable) || w->focusProxy();
    if (const QGraphicsScene *scene = w->scene()) {
        const QGraphicsItem *focus = scene->focusItem();
        s.focused = focus && (focus == w || w->isAncestorOf(focus)) && !focusChild();
        if (s.focused)
            s.focusable = true;
    }
    return s;
}

void *DuiAccessibleWidget::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return QAccessibleObject::interface_cast(type);
}

QStringList DuiAccessibleWidget::actionNames() const
{
    return {};
}

void DuiAccessibleWidget::doAction(const QString &actionName)
{
    Q_UNUSED(actionName)
}

QStringList DuiAccessibleWidget::keyBindingsForAction(const QString &actionName) const
{
    Q_UNUSED(actionName)
    return {};
}
