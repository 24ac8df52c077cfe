// SPDX-License-Identifier: MIT
#include "duiabstractviewitem.h"
#include "duiabstractviewitem_p.h"

#include "duiaccessibleevents_p.h"

DuiAbstractViewItem::DuiAbstractViewItem(QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiAbstractViewItem(*new DuiAbstractViewItemPrivate, modelItem, parent)
{
}

DuiAbstractViewItem::DuiAbstractViewItem(DuiAbstractViewItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init(modelItem);
}

DuiAbstractViewItem::~DuiAbstractViewItem() = default;

void DuiAbstractViewItem::init(QStandardItem *modelItem)
{
    Q_D(DuiAbstractViewItem);
    d->modelItem = modelItem;
    setAcceptHoverEvents(true);
    setDragPolicy(NotDragWindow);
    // Presses go to the container, which knows the row.
    setAcceptedMouseButtons(Qt::NoButton);
}

bool DuiAbstractViewItem::isSelected() const
{
    return d_func()->selected;
}

void DuiAbstractViewItem::setSelected(bool selected)
{
    Q_D(DuiAbstractViewItem);
    if (d->selected != selected) {
        d->selected = selected;
        selectChanged();
        duiAccessibleEvent(this, selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
    }
    activated();
}

bool DuiAbstractViewItem::isHover() const
{
    return d_func()->hover;
}

void DuiAbstractViewItem::setIsHover(bool hover)
{
    d_func()->hover = hover;
}

QStandardItem *DuiAbstractViewItem::modelItem() const
{
    return d_func()->modelItem;
}

void DuiAbstractViewItem::selectChanged()
{
}

void DuiAbstractViewItem::activated()
{
}

QSizeF DuiAbstractViewItem::calcPreferredSize(qreal width)
{
    return effectiveSizeHint(Qt::PreferredSize, QSizeF(int(width), -1));
}

void DuiAbstractViewItem::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverEnterEvent(event);
    setIsHover(true);
    update();
}

void DuiAbstractViewItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverLeaveEvent(event);
    setIsHover(false);
    update();
}
