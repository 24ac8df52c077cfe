// SPDX-License-Identifier: MIT
#include "duitreeviewitem.h"
#include "duitreeviewitem_p.h"

#include "duiaccessibleevents_p.h"

#include <QtGui/qstandarditemmodel.h>

DuiTreeViewItem::DuiTreeViewItem(QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiTreeViewItem(*new DuiTreeViewItemPrivate, modelItem, parent)
{
}

DuiTreeViewItem::DuiTreeViewItem(DuiTreeViewItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init(modelItem);
}

DuiTreeViewItem::~DuiTreeViewItem() = default;

void DuiTreeViewItem::init(QStandardItem *modelItem)
{
    Q_D(DuiTreeViewItem);
    d->modelItem = modelItem;
    for (const QStandardItem *up = modelItem ? modelItem->parent() : nullptr; up; up = up->parent())
        ++d->indent;
    setAcceptHoverEvents(true);
    setDragPolicy(NotDragWindow);
    setFocusPolicy(Qt::NoFocus);
    // Presses go to the container, which knows the row.
    setAcceptedMouseButtons(Qt::NoButton);
}

QStandardItem *DuiTreeViewItem::modelItem() const
{
    return d_func()->modelItem;
}

bool DuiTreeViewItem::isExpanded() const
{
    return d_func()->expanded;
}

void DuiTreeViewItem::setExpanded(bool expanded)
{
    Q_D(DuiTreeViewItem);
    if (d->expanded == expanded)
        return;
    d->expanded = expanded;
    expandedChanged();
    QAccessible::State changed;
    changed.expanded = true;
    duiAccessibleStateChanged(this, changed);
}

bool DuiTreeViewItem::isSelected() const
{
    return d_func()->selected;
}

void DuiTreeViewItem::setSelected(bool selected)
{
    Q_D(DuiTreeViewItem);
    if (d->selected == selected)
        return;
    d->selected = selected;
    selectedChanged();
    duiAccessibleEvent(this, selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
}

int DuiTreeViewItem::getIndent() const
{
    return d_func()->indent;
}

QString DuiTreeViewItem::toolTip() const
{
    Q_D(const DuiTreeViewItem);
    return d->modelItem ? d->modelItem->text() : QString();
}

DuiTreeViewItem *DuiTreeViewItem::createItem(QStandardItem *, QGraphicsItem *)
{
    return nullptr;
}

bool DuiTreeViewItem::isFolder() const
{
    return false;
}

void DuiTreeViewItem::setAcceptDoubleClick(bool accept)
{
    d_func()->acceptDoubleClick = accept;
}

bool DuiTreeViewItem::isAcceptDoubleClick() const
{
    return d_func()->acceptDoubleClick;
}

void DuiTreeViewItem::dataChanged()
{
}

void DuiTreeViewItem::expandedChanged()
{
}

void DuiTreeViewItem::selectedChanged()
{
}

QSizeF DuiTreeViewItem::calcPreferredSize(qreal width)
{
    return QSizeF(width, effectiveSizeHint(Qt::PreferredSize, QSizeF(width, -1)).height());
}

void DuiTreeViewItem::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverEnterEvent(event);
    update();
}

void DuiTreeViewItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverLeaveEvent(event);
    update();
}
