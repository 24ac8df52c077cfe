// SPDX-License-Identifier: MIT
#ifndef DUITREEWIDGET_H
#define DUITREEWIDGET_H

#include "duiscrollarea.h"

#include <QtCore/qabstractitemmodel.h>

class DuiTreeItemContainer;
class DuiTreeViewItem;
class DuiTreeWidgetPrivate;
class QMimeData;
class QStandardItemModel;

// An indented, expandable tree of a QStandardItemModel: the children of the model's item (0, 0),
// and below each expanded folder its children. Rows come from prototypes as in the list widget.
// Clicks select (none, one, or several with Ctrl), keys move the selection and fold folders, and
// a drag from a row asks beginDrag() for its data.
class DUI_EXPORT DuiTreeWidget : public DuiScrollArea
{
    Q_OBJECT

public:
    enum SelectionMode : int { NoSelection = 0, SingleSelection = 1, MultiSelection = 2 };
    Q_ENUM(SelectionMode)
    Q_DECLARE_FLAGS(SelectionModes, SelectionMode)
    enum MoveAction : int { MovePrevious = 0, MoveNext = 1, CollapseSelected = 2, ExpandSelected = 3, EnterSelected = 4 };
    Q_ENUM(MoveAction)

    explicit DuiTreeWidget(QGraphicsItem *parent = nullptr);
    ~DuiTreeWidget() override;

    // Shows `model`, dropping the rows and the selection of the previous one, which is only
    // disconnected. A model without a parent becomes the tree's own and is deleted with it.
    void setModel(QStandardItemModel *model);
    QStandardItemModel *model() const;
    // The tree owns the prototype and asks it before those added earlier.
    void addItemPrototype(DuiTreeViewItem *prototype);
    void setSelectionMode(SelectionModes mode);
    SelectionModes selectionMode() const;

    DuiTreeViewItem *treeItemAt(int index) const;
    int viewItemCount() const;
    // The row under a point in the tree's coordinates, null if none.
    DuiTreeViewItem *itemFromPoint(const QPointF &point) const;
    // Indexes outside the visible rows are ignored.
    void expandItem(int index);
    void collapseItem(int index);
    // Every folder, at any depth, in one pass; one layout at the end.
    void expandAll();
    void collapseAll();
    void selectItem(int index);
    QList<DuiTreeViewItem *> selectedItems() const;
    void relayout();
    // Moves a child row of `parent` to row `to` of the same parent; an expanded row stays so.
    void moveItem(const QModelIndex &parent, int from, int to);
    // Scrolls as little as needed to show the row whole.
    void makeItemVisible(int index);
    void makeItemVisible(DuiTreeViewItem *item);
    void moveAction(MoveAction action);
    bool setTreeItemContainerObjectName(const QString &name);
    DuiTreeItemContainer *container() const;

    // A drag starts: fill `data` and answer the action, or IgnoreAction (the default) for none.
    virtual Qt::DropAction beginDrag(QMimeData *data);
    // The drag that beginDrag() started was accepted by a target.
    virtual void endDrag(QMimeData *data);

Q_SIGNALS:
    void folderLeftButtonClicked(const QModelIndex &index);
    void leftButtonClicked(const QModelIndex &index);
    void rightButtonClicked(const QModelIndex &index);
    void leftButtonDoubleClicked(const QModelIndex &index);
    // A Ctrl+click in multi-selection mode asks before adding a row; clear canSelect to refuse.
    void canSelectInMultiSectionMode(const QModelIndex &index, bool &canSelect);
    // A mouse button released over the tree below its rows.
    void buttonClickedOnSpace(Qt::MouseButton button);

public Q_SLOTS:
    void on_containerDrag(QWidget *source);

protected:
    DuiTreeWidget(DuiTreeWidgetPrivate &dd, QGraphicsItem *parent);

    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    void init();

    Q_DISABLE_COPY(DuiTreeWidget)
    Q_DECLARE_PRIVATE(DuiTreeWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiTreeWidget)
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DuiTreeWidget::SelectionModes)

#endif // DUITREEWIDGET_H
