// SPDX-License-Identifier: MIT
#include "duitreewidget.h"
#include "duitreewidget_p.h"

#include "duiscrollbar.h"

#include <QtCore/qmimedata.h>
#include <QtGui/qdrag.h>
#include <QtGui/qevent.h>
#include <QtCore/qmath.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qwidget.h>

DUI_REGISTER_WIDGET(DuiTreeWidget)

DuiTreeWidget::DuiTreeWidget(QGraphicsItem *parent)
    : DuiTreeWidget(*new DuiTreeWidgetPrivate, parent)
{
}

DuiTreeWidget::DuiTreeWidget(DuiTreeWidgetPrivate &dd, QGraphicsItem *parent)
    : DuiScrollArea(dd, parent)
{
    init();
}

DuiTreeWidget::~DuiTreeWidget() = default;

void DuiTreeWidget::init()
{
    Q_D(DuiTreeWidget);
    d->container = new DuiTreeItemContainer;
    d->container->setObjectName(QStringLiteral("selectPageButtonListContainer"));
    setContentWidget(d->container);
    scrollbar()->setSingleStep(40);
    setDragPolicy(NotDragWindow);
    // Clicks on the rows give the tree the focus, so that it takes the keys.
    setFocusPolicy(Qt::StrongFocus);
    DuiTreeItemContainer *c = d->container;
    connect(c, &DuiTreeItemContainer::folderLeftButtonClicked, this, &DuiTreeWidget::folderLeftButtonClicked);
    connect(c, &DuiTreeItemContainer::leftButtonClicked, this, &DuiTreeWidget::leftButtonClicked);
    connect(c, &DuiTreeItemContainer::rightButtonClicked, this, &DuiTreeWidget::rightButtonClicked);
    connect(c, &DuiTreeItemContainer::leftButtonDoubleClicked, this, &DuiTreeWidget::leftButtonDoubleClicked);
    connect(c, &DuiTreeItemContainer::canSelectInMultiSectionMode, this, &DuiTreeWidget::canSelectInMultiSectionMode);
    connect(c, &DuiTreeItemContainer::beginDrag, this, &DuiTreeWidget::on_containerDrag);
}

void DuiTreeWidget::setModel(QStandardItemModel *model)
{
    d_func()->container->setModel(model);
}

QStandardItemModel *DuiTreeWidget::model() const
{
    return d_func()->container->model();
}

void DuiTreeWidget::addItemPrototype(DuiTreeViewItem *prototype)
{
    d_func()->container->addItemPrototype(prototype);
}

void DuiTreeWidget::setSelectionMode(SelectionModes mode)
{
    d_func()->container->setSelectionMode(mode);
}

DuiTreeWidget::SelectionModes DuiTreeWidget::selectionMode() const
{
    return d_func()->container->selectionMode();
}

DuiTreeViewItem *DuiTreeWidget::treeItemAt(int index) const
{
    return d_func()->container->treeItem(index);
}

int DuiTreeWidget::viewItemCount() const
{
    return d_func()->container->viewItemCount();
}

DuiTreeViewItem *DuiTreeWidget::itemFromPoint(const QPointF &point) const
{
    Q_D(const DuiTreeWidget);
    return d->container->treeItem(d->container->itemFromPoint(d->container->mapFromParent(point)));
}

void DuiTreeWidget::expandItem(int index)
{
    d_func()->container->expandItem(index);
}

void DuiTreeWidget::collapseItem(int index)
{
    d_func()->container->collapseItem(index);
}

void DuiTreeWidget::expandAll()
{
    d_func()->container->expandAll();
}

void DuiTreeWidget::collapseAll()
{
    d_func()->container->collapseAll();
}

void DuiTreeWidget::selectItem(int index)
{
    d_func()->container->selectItem(index);
}

QList<DuiTreeViewItem *> DuiTreeWidget::selectedItems() const
{
    return d_func()->container->selectedItems();
}

void DuiTreeWidget::relayout()
{
    d_func()->container->relayout();
}

void DuiTreeWidget::moveItem(const QModelIndex &parent, int from, int to)
{
    Q_D(DuiTreeWidget);
    QStandardItemModel *m = model();
    if (!m || parent.model() != m || from == to)
        return;
    QStandardItem *parentItem = m->itemFromIndex(parent);
    const int rows = parentItem ? parentItem->rowCount() : 0;
    if (from < 0 || from >= rows || to < 0 || to >= rows)
        return;
    const DuiTreeViewItem *shown = d->container->treeItemFromModelItem(parentItem->child(from, 0));
    const bool wasExpanded = shown && shown->isExpanded();
    const bool wasSelected = shown && shown->isSelected();
    const QList<QStandardItem *> row = parentItem->takeRow(from);
    parentItem->insertRow(to, row);
    const int index = d->container->viewIndexFromModelItem(row.value(0));
    if (wasExpanded)
        d->container->expandItem(index);
    if (wasSelected)
        d->container->selectItem(index);
}

void DuiTreeWidget::makeItemVisible(int index)
{
    makeItemVisible(treeItemAt(index));
}

void DuiTreeWidget::makeItemVisible(DuiTreeViewItem *item)
{
    Q_D(DuiTreeWidget);
    if (!item || d->container->treeItemFromModelItem(item->modelItem()) != item)
        return;
    // The range follows the content's height through a queued update; bring it up to date.
    updateScrollBar(size().height());
    const qreal pos = scrollPos();
    const qreal y = item->y();
    const qreal h = item->size().height();
    const qreal height = size().height();
    if (y + h > pos + height)
        setScrollPos(qCeil(y + h - height));
    else if (pos > y)
        setScrollPos(qFloor(y));
}

void DuiTreeWidget::moveAction(MoveAction action)
{
    Q_D(DuiTreeWidget);
    DuiTreeItemContainer *c = d->container;
    const int count = c->viewItemCount();
    const int selected = c->selectedIndex();
    switch (action) {
    case MovePrevious:
    case MoveNext: {
        if (count == 0)
            return;
        const int target = action == MovePrevious ? qMax(selected - 1, 0) : qMin(selected + 1, count - 1);
        c->selectItem(target);
        makeItemVisible(target);
        return;
    }
    case CollapseSelected:
    case ExpandSelected:
    case EnterSelected: {
        DuiTreeViewItem *item = c->treeItem(selected);
        if (!item)
            return;
        if (!item->isFolder()) {
            if (action == EnterSelected)
                Q_EMIT leftButtonDoubleClicked(item->modelItem() ? item->modelItem()->index() : QModelIndex());
            return;
        }
        const bool expand = action == ExpandSelected || (action == EnterSelected && !item->isExpanded());
        if (expand)
            c->expandItem(selected);
        else
            c->collapseItem(selected);
        return;
    }
    }
}

bool DuiTreeWidget::setTreeItemContainerObjectName(const QString &name)
{
    d_func()->container->setObjectName(name);
    return true;
}

DuiTreeItemContainer *DuiTreeWidget::container() const
{
    return d_func()->container;
}

Qt::DropAction DuiTreeWidget::beginDrag(QMimeData *)
{
    return Qt::IgnoreAction;
}

void DuiTreeWidget::endDrag(QMimeData *)
{
}

void DuiTreeWidget::on_containerDrag(QWidget *source)
{
    auto *data = new QMimeData;
    if (beginDrag(data) == Qt::IgnoreAction || !source) {
        delete data;
        return;
    }
    // The drag owns the data from here on and goes with the event loop's next pass.
    auto *drag = new QDrag(source);
    drag->setMimeData(data);
    QPointer<QMimeData> alive(data);
    QPointer<DuiTreeWidget> self(this);
    const Qt::DropAction result = drag->exec(Qt::MoveAction);
    if (self && alive && result != Qt::IgnoreAction)
        endDrag(data);
}

void DuiTreeWidget::keyPressEvent(QKeyEvent *event)
{
    bool handled = true;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        moveAction(EnterSelected);
        break;
    case Qt::Key_Left:
        moveAction(CollapseSelected);
        break;
    case Qt::Key_Right:
        moveAction(ExpandSelected);
        break;
    case Qt::Key_Up:
        moveAction(MovePrevious);
        break;
    case Qt::Key_Down:
        moveAction(MoveNext);
        break;
    default:
        handled = false;
        break;
    }
    DuiScrollArea::keyPressEvent(event);
    if (handled)
        event->accept();
}

void DuiTreeWidget::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    // Taken so that the release below the rows comes here.
    event->accept();
}

void DuiTreeWidget::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    Q_EMIT buttonClickedOnSpace(event->button());
}
