// SPDX-License-Identifier: MIT
#ifndef DUITREEITEMCONTAINER_H
#define DUITREEITEMCONTAINER_H

#include "duitreewidget.h"

class DuiTreeItemContainerPrivate;
class QGraphicsSceneMouseEvent;
class QStandardItem;

// The scrolled content of a tree: the flat list of the visible rows in display order, laid out
// top to bottom. It follows the model's signals, expands and collapses folders and turns mouse
// input into selection and row signals.
class DUI_EXPORT DuiTreeItemContainer : public DuiWidget
{
    Q_OBJECT

public:
    explicit DuiTreeItemContainer(QGraphicsItem *parent = nullptr);
    ~DuiTreeItemContainer() override;

    void setModel(QStandardItemModel *model);
    QStandardItemModel *model() const;
    void addItemPrototype(DuiTreeViewItem *prototype);
    void setSelectionMode(DuiTreeWidget::SelectionModes mode);
    DuiTreeWidget::SelectionModes selectionMode() const;

    // Indexes outside the visible rows are ignored.
    void expandItem(int index);
    void collapseItem(int index);
    void expandAll();
    void collapseAll();
    // Selects as a left click without modifiers would.
    void selectItem(int index);
    void relayout();

    // The first visible selected row, -1 if none.
    int selectedIndex() const;
    QList<DuiTreeViewItem *> selectedItems() const;
    int viewItemCount() const;
    DuiTreeViewItem *treeItem(int index) const;
    QList<DuiTreeViewItem *> treeItems() const;
    // The row under a point in container coordinates, -1 if none.
    int itemFromPoint(const QPointF &point) const;
    int viewIndexFromModelItem(const QStandardItem *item) const;
    DuiTreeViewItem *treeItemFromModelItem(const QStandardItem *item) const;
    // Where a row of the model shows or would show: -1 when its parent is folded away.
    int modelIndexToViewIndex(const QModelIndex &index) const;
    // The row and its visible descendants.
    int visibleChildrenCount(int index) const;
    // Shifts `count` rows from `from` on by dy.
    void moveItems(int from, int count, qreal dy);

Q_SIGNALS:
    void folderLeftButtonClicked(const QModelIndex &index);
    void leftButtonClicked(const QModelIndex &index);
    void rightButtonClicked(const QModelIndex &index);
    void leftButtonDoubleClicked(const QModelIndex &index);
    void canSelectInMultiSectionMode(const QModelIndex &index, bool &canSelect);
    void buttonClicked(const QModelIndex &index, Qt::MouseButton button);
    // The pointer moved far enough with a button held on a row.
    void beginDrag(QWidget *sourceWidget);

public Q_SLOTS:
    void on_rowsAboutToBeRemoved(const QModelIndex &parent, int first, int last);
    void on_rowsAboutToBeInserted(const QModelIndex &parent, int first, int last);
    void on_rowsRemoved(const QModelIndex &parent, int first, int last);
    void on_rowsInserted(const QModelIndex &parent, int first, int last);
    void on_itemChanged(QStandardItem *item);

protected:
    DuiTreeItemContainer(DuiTreeItemContainerPrivate &dd, QGraphicsItem *parent);

    // A click on row `index`: folds a folder, selects by the mode and reports the click.
    void on_treeItem_clicked(int index, QGraphicsSceneMouseEvent *event);

    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    void init();

    Q_DISABLE_COPY(DuiTreeItemContainer)
    Q_DECLARE_PRIVATE(DuiTreeItemContainer)
};

#endif // DUITREEITEMCONTAINER_H
