// SPDX-License-Identifier: MIT
#include "duiabstractitemcontainer.h"
#include "duiabstractitemcontainer_p.h"

#include <QtWidgets/qgraphicssceneevent.h>

namespace {

class RowParent final : public QGraphicsObject
{
public:
    explicit RowParent(QGraphicsItem *parent)
        : QGraphicsObject(parent)
    {
        setFlag(ItemHasNoContents);
    }
    QRectF boundingRect() const override { return {}; }
    void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override {}
};

} // namespace

QGraphicsObject *duiNewRowParent(QGraphicsItem *parent)
{
    return new RowParent(parent);
}

void DuiAbstractItemContainerPrivate::deleteRows(const QList<QPointer<DuiAbstractViewItem>> &rows)
{
    // Back to front: Qt removes a deleted item from its parent's child list, and taking the last
    // child moves nothing, where taking the first moves all the others.
    for (qsizetype i = rows.size() - 1; i >= 0; --i)
        delete rows.at(i).data();
}

void DuiAbstractItemContainerPrivate::adopt(DuiAbstractViewItem *item)
{
    Q_Q(DuiAbstractItemContainer);
    if (!item)
        return;
    item->setParentItem(rowParent);
    item->setParent(q);
}

int DuiAbstractItemContainerPrivate::liveAtOrBefore(int index) const
{
    for (index = qMin(index, int(items.size()) - 1); index >= 0; --index) {
        if (items.at(index))
            return index;
    }
    return -1;
}

int DuiAbstractItemContainerPrivate::rowAtOrAbove(qreal y) const
{
    // NaN compares false everywhere and finds nothing.
    int lo = 0;
    int hi = int(items.size()) - 1;
    int found = -1;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        int live = mid;
        while (live >= lo && !items.at(live))
            --live;
        if (live < lo) {
            lo = mid + 1;
            continue;
        }
        if (items.at(live)->y() <= y) {
            found = live;
            lo = mid + 1;
        } else {
            hi = live - 1;
        }
    }
    return found;
}

DuiAbstractItemContainer::DuiAbstractItemContainer(QGraphicsItem *parent)
    : DuiAbstractItemContainer(*new DuiAbstractItemContainerPrivate, parent)
{
}

DuiAbstractItemContainer::DuiAbstractItemContainer(DuiAbstractItemContainerPrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init();
}

DuiAbstractItemContainer::~DuiAbstractItemContainer()
{
    Q_D(DuiAbstractItemContainer);
    d->deleteRows(std::exchange(d->items, {}));
}

void DuiAbstractItemContainer::init()
{
    Q_D(DuiAbstractItemContainer);
    setFocusPolicy(Qt::ClickFocus);
    setDragPolicy(NotDragWindow);
    d->rowParent = duiNewRowParent(this);
    d->rowParent->setParent(this);
}

void DuiAbstractItemContainer::appendItem(DuiAbstractViewItem *item)
{
    Q_D(DuiAbstractItemContainer);
    d->adopt(item);
    d->items.append(item);
}

void DuiAbstractItemContainer::insertItem(int index, DuiAbstractViewItem *item)
{
    insertItems(index, {item});
}

void DuiAbstractItemContainer::insertItems(int index, const QList<DuiAbstractViewItem *> &items)
{
    Q_D(DuiAbstractItemContainer);
    index = qBound(0, index, int(d->items.size()));
    for (DuiAbstractViewItem *item : items)
        d->adopt(item);
    d->items.insert(index, items.size(), nullptr);
    for (int i = 0; i < items.size(); ++i)
        d->items[index + i] = items.at(i);
    layoutItems(size(), index);
}

void DuiAbstractItemContainer::removeItems(int first, int last)
{
    Q_D(DuiAbstractItemContainer);
    first = qMax(first, 0);
    last = qMin(last, int(d->items.size()) - 1);
    if (last < first)
        return;
    // Taken out of the list before deletion, so that nothing reached from a destructor sees them.
    const QList<QPointer<DuiAbstractViewItem>> gone = d->items.mid(first, last - first + 1);
    d->items.remove(first, last - first + 1);
    d->deleteRows(gone);
}

void DuiAbstractItemContainer::clear()
{
    Q_D(DuiAbstractItemContainer);
    d->deleteRows(std::exchange(d->items, {}));
    layoutItems(size(), 0);
}

DuiAbstractViewItem *DuiAbstractItemContainer::itemAt(int index) const
{
    Q_D(const DuiAbstractItemContainer);
    return index >= 0 && index < d->items.size() ? d->items.at(index).data() : nullptr;
}

int DuiAbstractItemContainer::itemCount() const
{
    return int(d_func()->items.size());
}

int DuiAbstractItemContainer::itemIndex(DuiAbstractViewItem *item) const
{
    Q_D(const DuiAbstractItemContainer);
    if (!item)
        return -1;
    for (int i = 0; i < d->items.size(); ++i) {
        if (d->items.at(i) == item)
            return i;
    }
    return -1;
}

DuiAbstractViewItem *DuiAbstractItemContainer::itemFromPoint(const QPointF &point) const
{
    return itemAt(itemIndexFromPoint(point));
}

int DuiAbstractItemContainer::itemIndexFromPoint(const QPointF &point) const
{
    Q_D(const DuiAbstractItemContainer);
    const int row = d->rowAtOrAbove(point.y());
    if (row < 0)
        return -1;
    // Rows moving under an animation may overlap their neighbour above; the first one wins.
    const int above = d->liveAtOrBefore(row - 1);
    if (above >= 0 && d->items.at(above)->geometry().contains(point))
        return above;
    return d->items.at(row)->geometry().contains(point) ? row : -1;
}

void DuiAbstractItemContainer::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    if (event->oldSize().width() != event->newSize().width())
        layoutItems(event->newSize(), 0);
}

void DuiAbstractItemContainer::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
}

void DuiAbstractItemContainer::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    const int index = itemIndexFromPoint(event->pos());
    if (index < 0)
        return;
    if (event->button() == Qt::LeftButton) {
        Q_EMIT leftButtonClicked(index);
    } else if (event->button() == Qt::RightButton) {
        QPointer<DuiAbstractItemContainer> alive(this);
        Q_EMIT rightButtonClicked(index);
        if (alive)
            Q_EMIT contextMenu(index);
    }
}

void DuiAbstractItemContainer::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const int index = itemIndexFromPoint(event->pos());
    if (index >= 0)
        Q_EMIT leftButtonDoubleClicked(index);
}

void DuiAbstractItemContainer::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
}
