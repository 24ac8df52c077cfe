// SPDX-License-Identifier: MIT
#include "duitreeitemcontainer.h"
#include "duitreewidget_p.h"

#include "duilogging_p.h"

#include <QtCore/qset.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicssceneevent.h>

namespace {

// An invisible graphics parent at its parent's origin (see DuiTreeItemContainerPrivate::rowParent).
class RowGroup final : public QGraphicsObject
{
public:
    explicit RowGroup(QGraphicsItem *parent)
        : QGraphicsObject(parent)
    {
        setFlag(ItemHasNoContents);
    }
    QRectF boundingRect() const override { return {}; }
    void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override {}
};

} // namespace

// ---- private part

DuiTreeItemContainerPrivate::~DuiTreeItemContainerPrivate()
{
    qDeleteAll(prototypes);
}

QStandardItem *DuiTreeItemContainerPrivate::rootItem() const
{
    return model ? model->item(0, 0) : nullptr;
}

int DuiTreeItemContainerPrivate::indexOf(const DuiTreeViewItem *item) const
{
    if (!item)
        return -1;
    DuiTreeViewItemPrivate *r = row(item);
    if (r->viewIndex >= 0 && r->viewIndex < treeItems.size() && treeItems.at(r->viewIndex) == item)
        return r->viewIndex;
    // Rows before staleFrom hold their place; number the rest once.
    auto *self = const_cast<DuiTreeItemContainerPrivate *>(this);
    for (int i = staleFrom; i < treeItems.size(); ++i)
        row(treeItems.at(i))->viewIndex = i;
    self->staleFrom = int(treeItems.size());
    return r->viewIndex >= 0 && r->viewIndex < treeItems.size() && treeItems.at(r->viewIndex) == item ? r->viewIndex : -1;
}

int DuiTreeItemContainerPrivate::subtreeEnd(int index) const
{
    const int indent = row(treeItems.at(index))->indent;
    int end = index + 1;
    while (end < treeItems.size() && row(treeItems.at(end))->indent > indent)
        ++end;
    return end;
}

DuiTreeViewItem *DuiTreeItemContainerPrivate::createRow(QStandardItem *item, DuiTreeViewItem *parentRow)
{
    for (DuiTreeViewItem *prototype : std::as_const(prototypes)) {
        DuiTreeViewItem *created = prototype->createItem(item, nullptr);
        if (!created)
            continue;
        QGraphicsItem *graphicsParent = rowParent;
        if (parentRow) {
            DuiTreeViewItemPrivate *p = row(parentRow);
            if (!p->childRows)
                p->childRows = new RowGroup(rowParent);
            graphicsParent = p->childRows;
        }
        created->setParentItem(graphicsParent);
        rowOf.insert(item, created);
        return created;
    }
    return nullptr;
}

QList<DuiTreeViewItem *> DuiTreeItemContainerPrivate::createChildRows(QStandardItem *parent, DuiTreeViewItem *parentRow,
                                                                      int first, int last)
{
    QList<DuiTreeViewItem *> rows;
    rows.reserve(last - first + 1);
    for (int r = first; r <= last; ++r) {
        if (QStandardItem *child = parent->child(r, 0)) {
            if (DuiTreeViewItem *created = createRow(child, parentRow))
                rows.append(created);
        }
    }
    return rows;
}

void DuiTreeItemContainerPrivate::insertRows(int pos, const QList<DuiTreeViewItem *> &rows)
{
    Q_Q(DuiTreeItemContainer);
    if (rows.isEmpty())
        return;
    treeItems.insert(pos, rows.size(), nullptr);
    std::copy(rows.begin(), rows.end(), treeItems.begin() + pos);
    staleFrom = qMin(staleFrom, pos);
    const qreal width = q->size().width();
    const qreal top = pos > 0 ? treeItems.at(pos - 1)->geometry().bottom() : 0;
    qreal y = top;
    for (DuiTreeViewItem *item : rows) {
        const QSizeF size = item->calcPreferredSize(width);
        item->setGeometry(0, y, width, size.height());
        y += size.height();
    }
    const int after = pos + int(rows.size());
    q->moveItems(after, int(treeItems.size()) - after, y - top);
    resizeToRows();
}

void DuiTreeItemContainerPrivate::removeRows(int pos, int count)
{
    Q_Q(DuiTreeItemContainer);
    if (count <= 0)
        return;
    const qreal top = treeItems.at(pos)->y();
    const qreal bottom = treeItems.at(pos + count - 1)->geometry().bottom();
    const QList<DuiTreeViewItem *> gone = treeItems.mid(pos, count);
    treeItems.remove(pos, count);
    staleFrom = qMin(staleFrom, pos);
    destroyRows(gone);
    q->moveItems(pos, int(treeItems.size()) - pos, top - bottom);
    resizeToRows();
}

void DuiTreeItemContainerPrivate::destroyRows(const QList<DuiTreeViewItem *> &rows)
{
    if (rows.isEmpty())
        return;
    if (!multiSelection.isEmpty()) {
        const QSet<DuiTreeViewItem *> gone(rows.begin(), rows.end());
        multiSelection.removeIf([&gone](DuiTreeViewItem *item) { return gone.contains(item); });
    }
    for (DuiTreeViewItem *item : rows)
        rowOf.remove(row(item)->modelItem);
    // Last first: a row's children come after it and leave its child group empty before it goes,
    // and Qt takes the last child of a parent without moving the others.
    for (qsizetype i = rows.size() - 1; i >= 0; --i) {
        QGraphicsObject *children = row(rows.at(i))->childRows;
        delete rows.at(i);
        delete children;
    }
}

void DuiTreeItemContainerPrivate::closeFolder(DuiTreeViewItem *item)
{
    item->setExpanded(false);
    delete std::exchange(row(item)->childRows, nullptr);
}

void DuiTreeItemContainerPrivate::clearRows()
{
    Q_Q(DuiTreeItemContainer);
    multiSelection.clear();
    currentItem = nullptr;
    destroyRows(std::exchange(treeItems, {}));
    rowOf.clear();
    staleFrom = 0;
    q->resize(q->size().width(), 0);
}

void DuiTreeItemContainerPrivate::syncFromModel(bool expandAll)
{
    Q_Q(DuiTreeItemContainer);
    QList<DuiTreeViewItem *> next;
    next.reserve(treeItems.size());
    QSet<DuiTreeViewItem *> kept;
    // Depth first with an explicit stack: (parent model item, its row, next child row).
    struct Frame
    {
        QStandardItem *parent;
        DuiTreeViewItem *parentRow;
        int child;
    };
    QList<Frame> stack;
    if (QStandardItem *root = rootItem())
        stack.append({root, nullptr, 0});
    while (!stack.isEmpty()) {
        Frame &top = stack.last();
        if (top.child >= top.parent->rowCount()) {
            stack.removeLast();
            continue;
        }
        QStandardItem *child = top.parent->child(top.child++, 0);
        DuiTreeViewItem *parentRow = top.parentRow;
        if (!child)
            continue;
        DuiTreeViewItem *item = rowOf.value(child);
        if (!item)
            item = createRow(child, parentRow);
        if (!item)
            continue;
        next.append(item);
        kept.insert(item);
        if (expandAll && !item->isExpanded() && child->hasChildren())
            item->setExpanded(true);
        if (item->isExpanded())
            stack.append({child, item, 0});
    }
    QList<DuiTreeViewItem *> gone;
    for (DuiTreeViewItem *item : std::as_const(treeItems)) {
        if (!kept.contains(item))
            gone.append(item);
    }
    treeItems = next;
    staleFrom = 0;
    destroyRows(gone);
    q->relayout();
}

void DuiTreeItemContainerPrivate::build()
{
    Q_Q(DuiTreeItemContainer);
    clearRows();
    if (!model)
        return;
    if (!rootItem()) {
        qCWarning(lcDuiControls) << "No rootItem been found in model.";
        return;
    }
    QStandardItem *root = rootItem();
    treeItems = createChildRows(root, nullptr, 0, root->rowCount() - 1);
    q->relayout();
}

bool DuiTreeItemContainerPrivate::topLevelChange(const QModelIndex &parent, int first, void (DuiTreeItemContainerPrivate::*onRoot)())
{
    if (!model)
        return true;
    if (parent.isValid())
        return false;
    // Only row 0 of the top level, the root item, is shown: a change before it or of it replaces
    // the whole tree; the other top-level rows are not the tree's.
    if (first == 0)
        (this->*onRoot)();
    return true;
}

void DuiTreeItemContainerPrivate::toggle(int index)
{
    Q_Q(DuiTreeItemContainer);
    if (q->treeItem(index)->isExpanded())
        q->collapseItem(index);
    else
        q->expandItem(index);
}

void DuiTreeItemContainerPrivate::resizeToRows()
{
    Q_Q(DuiTreeItemContainer);
    q->resize(q->size().width(), treeItems.isEmpty() ? 0 : treeItems.constLast()->geometry().bottom());
}

void DuiTreeItemContainerPrivate::clearSelection()
{
    for (DuiTreeViewItem *item : std::as_const(multiSelection)) {
        item->setSelected(false);
        item->update();
    }
    multiSelection.clear();
    if (currentItem) {
        currentItem->setSelected(false);
        currentItem->update();
    }
    currentItem = nullptr;
}

void DuiTreeItemContainerPrivate::applySelection(DuiTreeViewItem *item, Qt::MouseButton button,
                                                 Qt::KeyboardModifiers modifiers)
{
    Q_Q(DuiTreeItemContainer);
    auto singleSelect = [this](DuiTreeViewItem *target) {
        if (target->isSelected())
            return;
        target->setSelected(true);
        target->update();
        if (currentItem && currentItem != target) {
            currentItem->setSelected(false);
            currentItem->update();
        }
        currentItem = target;
    };
    switch (int(selectionMode)) {
    case DuiTreeWidget::NoSelection:
        return;
    case DuiTreeWidget::SingleSelection:
        singleSelect(item);
        return;
    case DuiTreeWidget::MultiSelection:
        if (button == Qt::LeftButton && modifiers == Qt::ControlModifier) {
            if (multiSelection.contains(item)) {
                multiSelection.removeOne(item);
                item->setSelected(false);
            } else {
                bool canSelect = true;
                QPointer<DuiTreeViewItem> alive(item);
                Q_EMIT q->canSelectInMultiSectionMode(item->modelItem() ? item->modelItem()->index() : QModelIndex(), canSelect);
                if (!canSelect || !alive)
                    return;
                multiSelection.append(item);
                item->setSelected(true);
            }
            item->update();
            return;
        }
        if (button == Qt::RightButton && multiSelection.contains(item))
            return;
        clearSelection();
        singleSelect(item);
        multiSelection.append(item);
        return;
    default:
        item->setSelected(!item->isSelected());
        item->update();
        return;
    }
}

void DuiTreeItemContainerPrivate::connectModel()
{
    Q_Q(DuiTreeItemContainer);
    QStandardItemModel *m = model;
    QObject::connect(m, &QAbstractItemModel::rowsAboutToBeRemoved, q, &DuiTreeItemContainer::on_rowsAboutToBeRemoved);
    QObject::connect(m, &QAbstractItemModel::rowsAboutToBeInserted, q, &DuiTreeItemContainer::on_rowsAboutToBeInserted);
    QObject::connect(m, &QAbstractItemModel::rowsRemoved, q, &DuiTreeItemContainer::on_rowsRemoved);
    QObject::connect(m, &QAbstractItemModel::rowsInserted, q, &DuiTreeItemContainer::on_rowsInserted);
    QObject::connect(m, &QStandardItemModel::itemChanged, q, &DuiTreeItemContainer::on_itemChanged);
    // The rows point at the model's items: they go before the items do.
    QObject::connect(m, &QAbstractItemModel::modelAboutToBeReset, q, [this] { clearRows(); });
    QObject::connect(m, &QAbstractItemModel::modelReset, q, [this] { build(); });
    QObject::connect(m, &QAbstractItemModel::layoutChanged, q, [this] { syncFromModel(false); });
    QObject::connect(m, &QObject::destroyed, q, [this] { clearRows(); });
}

// ---- DuiTreeItemContainer

DuiTreeItemContainer::DuiTreeItemContainer(QGraphicsItem *parent)
    : DuiTreeItemContainer(*new DuiTreeItemContainerPrivate, parent)
{
}

DuiTreeItemContainer::DuiTreeItemContainer(DuiTreeItemContainerPrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init();
}

DuiTreeItemContainer::~DuiTreeItemContainer()
{
    Q_D(DuiTreeItemContainer);
    if (d->model)
        disconnect(d->model, nullptr, this, nullptr);
    d->destroyRows(std::exchange(d->treeItems, {}));
}

void DuiTreeItemContainer::init()
{
    Q_D(DuiTreeItemContainer);
    setAcceptHoverEvents(true);
    setDragPolicy(NotDragWindow);
    setFocusPolicy(Qt::NoFocus);
    d->rowParent = new RowGroup(this);
    d->rowParent->setParent(this);
}

void DuiTreeItemContainer::setModel(QStandardItemModel *model)
{
    Q_D(DuiTreeItemContainer);
    if (model == d->model)
        return;
    if (d->model)
        disconnect(d->model, nullptr, this, nullptr);
    d->clearRows();
    d->model = model;
    if (!model)
        return;
    if (!model->parent())
        model->setParent(this);
    d->connectModel();
    d->build();
}

QStandardItemModel *DuiTreeItemContainer::model() const
{
    return d_func()->model;
}

void DuiTreeItemContainer::addItemPrototype(DuiTreeViewItem *prototype)
{
    Q_D(DuiTreeItemContainer);
    if (prototype && !d->prototypes.contains(prototype))
        d->prototypes.prepend(prototype);
}

void DuiTreeItemContainer::setSelectionMode(DuiTreeWidget::SelectionModes mode)
{
    Q_D(DuiTreeItemContainer);
    if (mode == d->selectionMode)
        return;
    d->clearSelection();
    d->selectionMode = mode;
}

DuiTreeWidget::SelectionModes DuiTreeItemContainer::selectionMode() const
{
    return d_func()->selectionMode;
}

void DuiTreeItemContainer::expandItem(int index)
{
    Q_D(DuiTreeItemContainer);
    DuiTreeViewItem *item = treeItem(index);
    if (!item || item->isExpanded())
        return;
    item->setExpanded(true);
    if (QStandardItem *modelItem = item->modelItem(); modelItem && modelItem->hasChildren())
        d->insertRows(index + 1, d->createChildRows(modelItem, item, 0, modelItem->rowCount() - 1));
}

void DuiTreeItemContainer::collapseItem(int index)
{
    Q_D(DuiTreeItemContainer);
    DuiTreeViewItem *item = treeItem(index);
    if (!item || !item->isExpanded())
        return;
    d->removeRows(index + 1, d->subtreeEnd(index) - index - 1);
    d->closeFolder(item);
}

void DuiTreeItemContainer::expandAll()
{
    d_func()->syncFromModel(true);
}

void DuiTreeItemContainer::collapseAll()
{
    Q_D(DuiTreeItemContainer);
    QList<DuiTreeViewItem *> top;
    QList<DuiTreeViewItem *> gone;
    for (DuiTreeViewItem *item : std::as_const(d->treeItems))
        (d->row(item)->indent <= 1 ? top : gone).append(item);
    if (gone.isEmpty() && std::none_of(top.begin(), top.end(), [](DuiTreeViewItem *item) { return item->isExpanded(); }))
        return;
    d->treeItems = top;
    d->staleFrom = 0;
    d->destroyRows(gone);
    for (qsizetype i = top.size() - 1; i >= 0; --i)
        d->closeFolder(top.at(i));
    relayout();
}

void DuiTreeItemContainer::selectItem(int index)
{
    Q_D(DuiTreeItemContainer);
    if (DuiTreeViewItem *item = treeItem(index))
        d->applySelection(item, Qt::LeftButton, Qt::NoModifier);
}

void DuiTreeItemContainer::relayout()
{
    Q_D(DuiTreeItemContainer);
    const qreal width = size().width();
    qreal y = 0;
    for (DuiTreeViewItem *item : std::as_const(d->treeItems)) {
        const QSizeF size = item->calcPreferredSize(width);
        item->setGeometry(0, y, size.width(), size.height());
        y += size.height();
    }
    resize(width, y);
}

int DuiTreeItemContainer::selectedIndex() const
{
    Q_D(const DuiTreeItemContainer);
    for (int i = 0; i < d->treeItems.size(); ++i) {
        if (d->treeItems.at(i)->isSelected())
            return i;
    }
    return -1;
}

QList<DuiTreeViewItem *> DuiTreeItemContainer::selectedItems() const
{
    Q_D(const DuiTreeItemContainer);
    if (d->selectionMode == DuiTreeWidget::SingleSelection)
        return d->currentItem && d->currentItem->isSelected() ? QList<DuiTreeViewItem *>{d->currentItem.data()}
                                                              : QList<DuiTreeViewItem *>{};
    return d->multiSelection;
}

int DuiTreeItemContainer::viewItemCount() const
{
    return int(d_func()->treeItems.size());
}

DuiTreeViewItem *DuiTreeItemContainer::treeItem(int index) const
{
    Q_D(const DuiTreeItemContainer);
    return index >= 0 && index < d->treeItems.size() ? d->treeItems.at(index) : nullptr;
}

QList<DuiTreeViewItem *> DuiTreeItemContainer::treeItems() const
{
    return d_func()->treeItems;
}

int DuiTreeItemContainer::itemFromPoint(const QPointF &point) const
{
    Q_D(const DuiTreeItemContainer);
    // Rows lie top to bottom in display order: the last one starting at or above the point.
    const auto it = std::upper_bound(d->treeItems.begin(), d->treeItems.end(), point.y(),
                                     [](qreal y, const DuiTreeViewItem *item) { return y < item->y(); });
    if (it == d->treeItems.begin())
        return -1;
    const int index = int(it - d->treeItems.begin()) - 1;
    return d->treeItems.at(index)->geometry().contains(point) ? index : -1;
}

int DuiTreeItemContainer::viewIndexFromModelItem(const QStandardItem *item) const
{
    Q_D(const DuiTreeItemContainer);
    return d->indexOf(d->rowOf.value(item));
}

DuiTreeViewItem *DuiTreeItemContainer::treeItemFromModelItem(const QStandardItem *item) const
{
    return d_func()->rowOf.value(item);
}

int DuiTreeItemContainer::modelIndexToViewIndex(const QModelIndex &index) const
{
    Q_D(const DuiTreeItemContainer);
    if (!d->model || index.model() != d->model)
        return -1;
    const QStandardItem *item = d->model->itemFromIndex(index);
    if (DuiTreeViewItem *shown = d->rowOf.value(item))
        return d->indexOf(shown);
    QStandardItem *parent = item ? item->parent() : nullptr;
    if (!parent)
        return -1;
    // A row shows when its parent is the root, or is shown and expanded; then it goes right after
    // the nearest shown sibling before it with all that sibling's visible descendants.
    const DuiTreeViewItem *parentRow = d->rowOf.value(parent);
    if (parent != d->rootItem() && !(parentRow && parentRow->isExpanded()))
        return -1;
    for (int r = index.row() - 1; r >= 0; --r) {
        if (const DuiTreeViewItem *sibling = d->rowOf.value(parent->child(r, 0)))
            return d->subtreeEnd(d->indexOf(sibling));
    }
    return parentRow ? d->indexOf(parentRow) + 1 : 0;
}

int DuiTreeItemContainer::visibleChildrenCount(int index) const
{
    Q_D(const DuiTreeItemContainer);
    return treeItem(index) ? d->subtreeEnd(index) - index : 0;
}

void DuiTreeItemContainer::moveItems(int from, int count, qreal dy)
{
    Q_D(DuiTreeItemContainer);
    if (qFuzzyIsNull(dy))
        return;
    const int end = qMin(from + count, int(d->treeItems.size()));
    for (int i = qMax(from, 0); i < end; ++i) {
        DuiTreeViewItem *item = d->treeItems.at(i);
        item->setPos(item->x(), item->y() + dy);
    }
}

void DuiTreeItemContainer::on_rowsAboutToBeRemoved(const QModelIndex &parent, int first, int last)
{
    Q_D(DuiTreeItemContainer);
    if (d->topLevelChange(parent, first, &DuiTreeItemContainerPrivate::clearRows))
        return;
    QStandardItem *parentItem = d->model->itemFromIndex(parent);
    int from = -1;
    int to = -1;
    for (int r = first; r <= last; ++r) {
        const int shown = d->indexOf(d->rowOf.value(parentItem->child(r, 0)));
        if (shown < 0)
            continue;
        if (from < 0)
            from = shown;
        to = shown;
    }
    if (from >= 0)
        d->removeRows(from, d->subtreeEnd(to) - from);
}

void DuiTreeItemContainer::on_rowsAboutToBeInserted(const QModelIndex &, int, int)
{
}

void DuiTreeItemContainer::on_rowsRemoved(const QModelIndex &parent, int first, int)
{
    Q_D(DuiTreeItemContainer);
    if (d->topLevelChange(parent, first, &DuiTreeItemContainerPrivate::build))
        return;
    QStandardItem *parentItem = d->model->itemFromIndex(parent);
    if (parentItem && parentItem != d->rootItem() && parentItem->rowCount() == 0) {
        if (DuiTreeViewItem *folder = d->rowOf.value(parentItem))
            d->closeFolder(folder);
    }
}

void DuiTreeItemContainer::on_rowsInserted(const QModelIndex &parent, int first, int last)
{
    Q_D(DuiTreeItemContainer);
    if (d->topLevelChange(parent, first, &DuiTreeItemContainerPrivate::build))
        return;
    const int pos = modelIndexToViewIndex(d->model->index(first, 0, parent));
    if (pos < 0)
        return;
    QStandardItem *parentItem = d->model->itemFromIndex(parent);
    DuiTreeViewItem *parentRow = parentItem == d->rootItem() ? nullptr : d->rowOf.value(parentItem);
    d->insertRows(pos, d->createChildRows(parentItem, parentRow, first, last));
}

void DuiTreeItemContainer::on_itemChanged(QStandardItem *item)
{
    if (DuiTreeViewItem *shown = treeItemFromModelItem(item))
        shown->dataChanged();
}

void DuiTreeItemContainer::on_treeItem_clicked(int index, QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiTreeItemContainer);
    DuiTreeViewItem *item = treeItem(index);
    if (!item)
        return;
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    // Receivers may remove the row or replace the model: what follows checks what is left.
    QPointer<DuiTreeItemContainer> self(this);
    QPointer<DuiTreeViewItem> alive(item);
    const QPersistentModelIndex modelIndex(item->modelItem() ? item->modelItem()->index() : QModelIndex());
    const bool folder = item->isFolder();
    if (button == Qt::LeftButton && folder)
        d->toggle(index);
    d->applySelection(item, button, event->modifiers());
    if (!self)
        return;
    if (button == Qt::RightButton) {
        Q_EMIT rightButtonClicked(modelIndex);
        return;
    }
    Q_EMIT leftButtonClicked(modelIndex);
    if (self && folder)
        Q_EMIT folderLeftButtonClicked(modelIndex);
}

void DuiTreeItemContainer::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    Q_D(DuiTreeItemContainer);
    DuiWidget::resizeEvent(event);
    const qreal width = event->newSize().width();
    if (event->oldSize().width() == width)
        return;
    for (DuiTreeViewItem *item : std::as_const(d->treeItems))
        item->resize(width, item->size().height());
}

void DuiTreeItemContainer::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiTreeItemContainer);
    event->accept();
    d->pressPos = event->pos();
    const int index = itemFromPoint(event->pos());
    d->dragArmed = index >= 0 && event->button() == Qt::LeftButton;
    if (index >= 0)
        on_treeItem_clicked(index, event);
}

void DuiTreeItemContainer::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiTreeItemContainer);
    if (!d->dragArmed || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->pos() - d->pressPos).manhattanLength() <= QApplication::startDragDistance())
        return;
    d->dragArmed = false;
    Q_EMIT beginDrag(event->widget());
}

void DuiTreeItemContainer::mouseReleaseEvent(QGraphicsSceneMouseEvent *)
{
    d_func()->dragArmed = false;
}

void DuiTreeItemContainer::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const int index = itemFromPoint(event->pos());
    DuiTreeViewItem *item = treeItem(index);
    if (!item)
        return;
    if (item->isFolder() && !item->isAcceptDoubleClick()) {
        d_func()->toggle(index);
        return;
    }
    Q_EMIT leftButtonDoubleClicked(item->modelItem() ? item->modelItem()->index() : QModelIndex());
}
