// SPDX-License-Identifier: MIT
#include "duilistwidget.h"
#include "duilistwidget_p.h"

#include "duilistitem.h"
#include "duiparent_p.h"
#include "duiscrollbar.h"

#include <QtCore/qpropertyanimation.h>
#include <QtGui/qevent.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qgraphicssceneevent.h>

#include <cmath>

DUI_REGISTER_WIDGET(DuiListWidget)

// ---- DuiListContainer

DuiListContainer::DuiListContainer(QGraphicsItem *parent)
    : DuiAbstractItemContainer(*new DuiListContainerPrivate, parent)
{
}

DuiListContainer::~DuiListContainer() = default;

qreal DuiListContainer::rowTop(int index) const
{
    Q_D(const DuiListContainer);
    if (DuiAbstractViewItem *item = itemAt(index))
        return item->y();
    // A row whose item is gone starts where the live row before it ends.
    const int before = d->liveAtOrBefore(index - 1);
    return before < 0 ? 0 : d->items.at(before)->geometry().bottom();
}

qreal DuiListContainer::rowHeight(int index)
{
    Q_D(DuiListContainer);
    DuiAbstractViewItem *item = itemAt(index);
    if (!item)
        return 0;
    return d->fixItemHeight >= 0 ? d->fixItemHeight : item->calcPreferredSize(size().width()).height();
}

int DuiListContainer::rowAtY(qreal y) const
{
    Q_D(const DuiListContainer);
    return d->rowAtOrAbove(y);
}

int DuiListContainer::selectedIndex() const
{
    return d_func()->selectedIndex;
}

void DuiListContainer::selectIndex(int index)
{
    Q_D(DuiListContainer);
    if (index < -1 || index >= itemCount())
        return;
    const int old = d->selectedIndex;
    if (DuiAbstractViewItem *item = itemAt(old); item && item->isSelected()) {
        item->setSelected(false);
        item->update();
    }
    if (DuiAbstractViewItem *item = itemAt(index); item && !item->isSelected()) {
        item->setSelected(true);
        item->update();
    }
    if (index == -1) {
        d->selectedIndex = -1;
        return;
    }
    qreal pos = rowTop(index);
    if (old < index) {
        DuiAbstractViewItem *item = itemAt(index);
        pos += item ? item->size().height() : 0;
    }
    d->selectedIndex = index;
    Q_EMIT selectPosChanged(int(pos));
    if (d->displayMode == DuiListWidget::FishEye && d->selectedIndex == index)
        startFishEye();
}

void DuiListContainer::deselect(int index)
{
    Q_D(DuiListContainer);
    if (DuiAbstractViewItem *item = itemAt(index))
        item->setSelected(false);
    if (index == d->selectedIndex)
        d->selectedIndex = -1;
}

void DuiListContainer::rowsInserted(int start, int count)
{
    Q_D(DuiListContainer);
    if (d->selectedIndex >= start)
        d->selectedIndex += count;
}

void DuiListContainer::rowsRemoved(int first, int last)
{
    Q_D(DuiListContainer);
    if (d->selectedIndex > last)
        d->selectedIndex -= last - first + 1;
    else if (d->selectedIndex >= first)
        d->selectedIndex = -1;
}

void DuiListContainer::setFixItemHeight(int height)
{
    d_func()->fixItemHeight = height;
}

int DuiListContainer::fixItemHeight() const
{
    return d_func()->fixItemHeight;
}

void DuiListContainer::setDisplayMode(int mode)
{
    d_func()->displayMode = mode;
}

int DuiListContainer::displayMode() const
{
    return d_func()->displayMode;
}

void DuiListContainer::setFishEyeData(qreal selectedHeight, qreal neighbourHeight)
{
    Q_D(DuiListContainer);
    d->fishEyeSelectedHeight = selectedHeight;
    d->fishEyeNeighbourHeight = neighbourHeight;
}

void DuiListContainer::clear()
{
    Q_D(DuiListContainer);
    d->selectedIndex = -1;
    DuiAbstractItemContainer::clear();
}

void DuiListContainer::layoutItems(const QSizeF &size, int fromIndex)
{
    Q_D(DuiListContainer);
    const qreal width = size.width();
    fromIndex = qMax(fromIndex, 0);
    qreal y = 0;
    if (fromIndex > 0) {
        const int before = d->liveAtOrBefore(fromIndex - 1);
        if (before >= 0)
            y = d->items.at(before)->geometry().bottom();
    }
    for (int i = fromIndex; i < d->items.size(); ++i) {
        DuiAbstractViewItem *item = d->items.at(i);
        if (!item)
            continue;
        const qreal h = d->fixItemHeight >= 0 ? d->fixItemHeight : item->calcPreferredSize(width).height();
        item->setGeometry(0, y, width, h);
        y += h;
    }
    if (d->displayMode == DuiListWidget::FishEye && !d->items.isEmpty()) {
        if (auto *first = qobject_cast<DuiListItem *>(d->items.constFirst().data())) {
            const qreal p = first->calcPreferredSize(width).height();
            const auto n = d->items.size();
            qreal extra = 2 * (d->fishEyeNeighbourHeight - p) + (d->fishEyeSelectedHeight - p);
            if (n == 1)
                extra = d->fishEyeSelectedHeight - p;
            else if (n == 2)
                extra = d->fishEyeNeighbourHeight - p;
            y += 1 + extra;
        }
    }
    resize(width, y);
}

void DuiListContainer::startFishEye()
{
    Q_D(DuiListContainer);
    if (!qobject_cast<DuiListItem *>(itemAt(d->selectedIndex)))
        return;
    if (d->fishEyeAnimation)
        d->fishEyeAnimation->stop(); // deletes itself
    auto *group = new QParallelAnimationGroup(this);
    const qreal width = size().width();
    qreal y = 1;
    for (int i = 0; i < d->items.size(); ++i) {
        auto *item = qobject_cast<DuiListItem *>(d->items.at(i).data());
        if (!item)
            continue;
        qreal h = item->calcPreferredSize(width).height();
        if (i == d->selectedIndex)
            h = d->fishEyeSelectedHeight;
        else if (i == d->selectedIndex - 1 || i == d->selectedIndex + 1)
            h = d->fishEyeNeighbourHeight;
        auto *animation = new QPropertyAnimation(item, "geometry", group);
        animation->setDuration(100);
        animation->setStartValue(item->geometry());
        animation->setEndValue(QRectF(0, y, width, h));
        y += h;
    }
    d->fishEyeAnimation = group;
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void DuiListContainer::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    Q_D(DuiListContainer);
    DuiAbstractItemContainer::resizeEvent(event);
    // The relayout at a new width gives every row its plain height, and a growth still running
    // would end at the old width: the selected row grows again, to the new width.
    if (event->oldSize().width() != event->newSize().width() && d->displayMode == DuiListWidget::FishEye
        && d->selectedIndex >= 0)
        startFishEye();
}

void DuiListContainer::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    const int index = itemIndexFromPoint(event->pos());
    if (index >= 0)
        selectIndex(index);
}

void DuiListContainer::keyPressEvent(QKeyEvent *event)
{
    Q_D(DuiListContainer);
    const int count = itemCount();
    const int current = d->selectedIndex;
    // A page moves by the rows met within one list height from the current row's far edge.
    const qreal page = parentWidget() ? parentWidget()->size().height() : size().height();
    int target = current;
    switch (event->key()) {
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count - 1;
        break;
    case Qt::Key_Up:
        target = current - 1;
        break;
    case Qt::Key_Down:
        target = current + 1;
        break;
    case Qt::Key_PageUp:
        if (current < 0) {
            target = 0;
        } else {
            DuiAbstractViewItem *item = itemAt(current);
            const int row = rowAtY(rowTop(current) + (item ? item->size().height() : 0) - page);
            target = qMin(qMax(row, 0), current - 1);
        }
        break;
    case Qt::Key_PageDown:
        if (current < 0) {
            target = 0;
        } else {
            const int row = rowAtY(rowTop(current) + page);
            target = qMax(row < 0 ? count - 1 : row, current + 1);
        }
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
    if (count == 0)
        return;
    target = qBound(0, target, count - 1);
    const bool moves = event->key() == Qt::Key_Home || event->key() == Qt::Key_End;
    if (moves || target != current)
        selectIndex(target);
}

// ---- DuiListWidget

DuiListWidgetPrivate::~DuiListWidgetPrivate()
{
    qDeleteAll(prototypes);
}

DuiListWidget::DuiListWidget(QGraphicsItem *parent)
    : DuiListWidget(*new DuiListWidgetPrivate, parent)
{
}

DuiListWidget::DuiListWidget(DuiListWidgetPrivate &dd, QGraphicsItem *parent)
    : DuiAbstractItemView(dd, parent)
{
    init();
}

DuiListWidget::~DuiListWidget() = default;

void DuiListWidget::init()
{
    Q_D(DuiListWidget);
    d->prototypes.append(new DuiDefaultListItem);
    d->container = new DuiListContainer;
    d->container->setObjectName(QStringLiteral("ListContainer"));
    setContentWidget(d->container);
    scrollbar()->setSingleStep(24);
    setAcceptHoverEvents(true);
    connect(d->container, &DuiAbstractItemContainer::leftButtonClicked, this, &DuiListWidget::leftButtonClicked);
    connect(d->container, &DuiAbstractItemContainer::rightButtonClicked, this, &DuiListWidget::rightButtonClicked);
    connect(d->container, &DuiAbstractItemContainer::leftButtonDoubleClicked, this,
            &DuiListWidget::leftButtonDoubleClicked);
    connect(d->container, &DuiAbstractItemContainer::selectPosChanged, this, &DuiListWidget::on_selectPosChanged);
}

void DuiListWidget::addItemPrototype(DuiAbstractViewItem *prototype)
{
    Q_D(DuiListWidget);
    if (prototype && !d->prototypes.contains(prototype))
        d->prototypes.prepend(prototype);
}

DuiAbstractItemContainer *DuiListWidget::container() const
{
    return d_func()->container;
}

DuiAbstractViewItem *DuiListWidget::viewItemAt(int index) const
{
    return d_func()->container->itemAt(index);
}

void DuiListWidget::selectIndex(int index)
{
    d_func()->container->selectIndex(index);
}

void DuiListWidget::setSelectIndex(int index, bool select)
{
    Q_D(DuiListWidget);
    if (index < 0 || index >= d->container->itemCount())
        return;
    if (select)
        d->container->selectIndex(index);
    else
        d->container->deselect(index);
}

int DuiListWidget::indexSelected() const
{
    return d_func()->container->selectedIndex();
}

void DuiListWidget::setFixItemHeight(int height)
{
    d_func()->container->setFixItemHeight(height);
}

int DuiListWidget::fixItemHeight() const
{
    return d_func()->container->fixItemHeight();
}

void DuiListWidget::setDisplayMode(DisplayMode mode)
{
    d_func()->container->setDisplayMode(mode);
}

DuiListWidget::DisplayMode DuiListWidget::displayMode() const
{
    return DisplayMode(d_func()->container->displayMode());
}

void DuiListWidget::setFishEyeData(qreal selectedHeight, qreal neighbourHeight)
{
    d_func()->container->setFishEyeData(selectedHeight, neighbourHeight);
}

DuiAbstractViewItem *DuiListWidget::createViewItem(QStandardItem *item)
{
    Q_D(DuiListWidget);
    if (displayMode() != FishEye) {
        for (DuiAbstractViewItem *prototype : std::as_const(d->prototypes)) {
            if (DuiAbstractViewItem *viewItem = prototype->createItem(item, d->rowParent()))
                return viewItem;
        }
        return nullptr;
    }
    // Fish-eye rows want a DuiListItem; failing one, the row keeps the first item offered so that
    // rows and items stay one to one. Items passed over are not kept.
    DuiAbstractViewItem *fallback = nullptr;
    for (DuiAbstractViewItem *prototype : std::as_const(d->prototypes)) {
        DuiAbstractViewItem *viewItem = prototype->createItem(item, d->rowParent());
        if (auto *listItem = qobject_cast<DuiListItem *>(viewItem)) {
            delete fallback;
            connect(listItem, &DuiListItem::itemSelected, this, &DuiListWidget::onItemSelected);
            return listItem;
        }
        if (!fallback)
            fallback = viewItem;
        else
            delete viewItem;
    }
    return fallback;
}

void DuiListWidget::appendItem(QStandardItem *item)
{
    Q_D(DuiListWidget);
    for (DuiAbstractViewItem *prototype : std::as_const(d->prototypes)) {
        if (DuiAbstractViewItem *viewItem = prototype->createItem(item, d->rowParent())) {
            d->container->appendItem(viewItem);
            return;
        }
    }
    d->container->appendItem(nullptr);
}

void DuiListWidget::insertItem(int row, QStandardItem *item)
{
    Q_D(DuiListWidget);
    d->container->insertItem(row, createViewItem(item));
    d->container->rowsInserted(row, 1);
}

void DuiListWidget::reset()
{
    Q_D(DuiListWidget);
    d->container->clear();
    const int rows = d->model ? d->model->rowCount() : 0;
    // createViewItem, not appendItem: fish-eye rows need their selection request connected.
    for (int row = 0; row < rows; ++row)
        d->container->appendItem(createViewItem(d->model->item(row, 0)));
    d->container->layoutItems(QSizeF(d->contentWidth(), d->container->size().height()), 0);
    updateScrollBar(size().height());
}

void DuiListWidget::createRows(int start, int end)
{
    Q_D(DuiListWidget);
    if (!d->model || start < 0 || end < start)
        return;
    if (start == end) {
        insertItem(start, d->model->item(start, 0));
        return;
    }
    QList<DuiAbstractViewItem *> items;
    items.reserve(end - start + 1);
    for (int row = start; row <= end; ++row)
        items.append(createViewItem(d->model->item(row, 0)));
    d->container->insertItems(start, items);
    d->container->rowsInserted(start, end - start + 1);
}

void DuiListWidget::beginInsertRows()
{
    d_func()->insertingRows = true;
}

void DuiListWidget::endInsertRows(int start, int end)
{
    Q_D(DuiListWidget);
    if (!d->insertingRows)
        return;
    d->insertingRows = false;
    createRows(start, end);
}

void DuiListWidget::modelReset()
{
    // The model's rows after the reset, not an empty list until someone calls reset().
    reset();
}

void DuiListWidget::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    if (parent.isValid())
        return;
    d_func()->container->removeItems(start, end);
}

void DuiListWidget::rowsRemoved(const QModelIndex &parent, int start, int end)
{
    Q_D(DuiListWidget);
    if (parent.isValid())
        return;
    d->container->rowsRemoved(start, end);
    d->container->layoutItems(d->container->size(), start);
}

void DuiListWidget::rowsInserted(const QModelIndex &parent, int start, int end)
{
    Q_D(DuiListWidget);
    if (parent.isValid() || d->insertingRows)
        return;
    createRows(start, end);
}

void DuiListWidget::on_selectPosChanged(int pos)
{
    // The range may still wait for the queued update of the content's new height.
    updateScrollBar(size().height());
    const int cur = int(scrollbar()->sliderPosition());
    const int h = int(size().height());
    if (pos < cur)
        scrollbar()->setSliderPosition(pos);
    else if (cur + h < pos)
        scrollbar()->setSliderPosition(pos - h);
}

void DuiListWidget::onItemSelected()
{
    Q_D(DuiListWidget);
    auto *item = qobject_cast<DuiListItem *>(sender());
    const int index = d->container->itemIndex(item);
    if (index < 0)
        return;
    const int s = scrollPos();
    if (item->y() - s < 0 || s + size().height() < item->y() + item->size().height())
        return;
    setSelectIndex(index, true);
}

void DuiListWidget::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    Q_D(DuiListWidget);
    DuiAbstractItemView::hoverEnterEvent(event);
    // Rows left hovered when the pointer went out over another item lose their flag.
    const QPointF pos = d->container->mapFromScene(event->scenePos());
    for (int i = 0; i < d->container->itemCount(); ++i) {
        DuiAbstractViewItem *item = d->container->itemAt(i);
        if (!item)
            continue;
        if (item->isHover() && item->geometry().contains(pos))
            break;
        item->setIsHover(false);
    }
}
