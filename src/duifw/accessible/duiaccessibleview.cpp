// SPDX-License-Identifier: MIT
#include "duiaccessibleview_p.h"

#include "duiaccessiblewidget_p.h"

#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qgraphicswidget.h>

DuiAccessibleView::DuiAccessibleView(QGraphicsView *view, QAccessible::Role role)
    : QAccessibleWidget(view, role)
{
    QGraphicsScene *scene = view->scene();
    if (!scene)
        return;
    QObject::connect(scene, &QGraphicsScene::focusItemChanged, scene, [](QGraphicsItem *now) {
        if (!now)
            return;
        if (QAccessibleInterface *iface = DuiAccessibleTree::exposedFor(now)) {
            QAccessibleEvent event(iface, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    });
}

QGraphicsView *DuiAccessibleView::view() const
{
    return static_cast<QGraphicsView *>(object());
}

QList<QGraphicsWidget *> DuiAccessibleView::childWidgets() const
{
    const QGraphicsScene *scene = view()->scene();
    if (!scene)
        return {};
    QList<QGraphicsItem *> topLevel;
    const QList<QGraphicsItem *> items = scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (!item->parentItem())
            topLevel.append(item);
    }
    return DuiAccessibleTree::children(topLevel);
}

int DuiAccessibleView::childCount() const
{
    return int(childWidgets().size());
}

QAccessibleInterface *DuiAccessibleView::child(int index) const
{
    return DuiAccessibleTree::childIn(childWidgets(), index);
}

int DuiAccessibleView::indexOfChild(const QAccessibleInterface *child) const
{
    return DuiAccessibleTree::indexIn(childWidgets(), child);
}

QAccessibleInterface *DuiAccessibleView::childAt(int x, int y) const
{
    return DuiAccessibleTree::childAt(childWidgets(), x, y);
}

QAccessibleInterface *DuiAccessibleView::focusChild() const
{
    const QGraphicsScene *scene = view()->scene();
    if (!view()->hasFocus() || !scene || !scene->focusItem())
        return nullptr;
    return DuiAccessibleTree::exposedFor(scene->focusItem());
}

QAccessible::State DuiAccessibleView::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    // The focus is inside the scene whenever an item has it.
    if (focusChild())
        s.focused = false;
    return s;
}
