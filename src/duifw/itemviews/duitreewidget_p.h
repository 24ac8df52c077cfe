// SPDX-License-Identifier: MIT
#ifndef DUITREEWIDGET_P_H
#define DUITREEWIDGET_P_H

#include "duitreeitemcontainer.h"
#include "duitreeviewitem_p.h"
#include "duitreewidget.h"
#include "duiscrollarea_p.h"
#include "duiwidget_p.h"

#include <QtCore/qhash.h>
#include <QtCore/qpointer.h>
#include <QtGui/qstandarditemmodel.h>

class DUI_AUTOTEST_EXPORT DuiTreeItemContainerPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiTreeItemContainer)
public:
    ~DuiTreeItemContainerPrivate() override;

    QPointF pressPos;
    QPointer<DuiTreeViewItem> currentItem;
    DuiTreeWidget::SelectionModes selectionMode = DuiTreeWidget::SingleSelection;
    QPointer<QStandardItemModel> model;
    QList<DuiTreeViewItem *> treeItems;
    QList<DuiTreeViewItem *> prototypes;
    QList<DuiTreeViewItem *> multiSelection;

    // The graphics parent of the top-level rows; each expanded row keeps its children under an
    // item of its own (DuiTreeViewItemPrivate::childRows). Neither is a widget: Qt links a widget
    // added under a widget after all of that parent's focus-chain descendants, which makes filling
    // one parent with n rows cost n². Per-folder parents also keep a folder's rows at the end of
    // their parent's child list, where Qt removes them in constant time when the folder closes.
    // Rows have no QObject parent: Qt finds a leaving child in its parent's object list from the
    // front, so deleting n object children costs n²; the graphics parents own them.
    QGraphicsObject *rowParent = nullptr;
    // The visible row of each shown model item.
    QHash<const QStandardItem *, DuiTreeViewItem *> rowOf;
    // Rows from here on may carry a stale viewIndex.
    int staleFrom = 0;
    // A press on a row arms the drag start; the first long enough move fires it.
    bool dragArmed = false;

    static DuiTreeViewItemPrivate *row(const DuiTreeViewItem *item)
    {
        return const_cast<DuiTreeViewItemPrivate *>(item->d_func());
    }

    QStandardItem *rootItem() const;
    int indexOf(const DuiTreeViewItem *item) const;
    // One past the last visible descendant of row `index`.
    int subtreeEnd(int index) const;
    // Asks the prototypes for a row of `item` under `parentRow` (null: a top-level row).
    DuiTreeViewItem *createRow(QStandardItem *item, DuiTreeViewItem *parentRow);
    // Rows for the model children first..last of `parent` (each declined one is left out).
    QList<DuiTreeViewItem *> createChildRows(QStandardItem *parent, DuiTreeViewItem *parentRow, int first, int last);
    // Puts `rows` at `pos`, lays them out and moves the rows below them down.
    void insertRows(int pos, const QList<DuiTreeViewItem *> &rows);
    // Deletes rows pos..pos+count-1 (whole subtrees) and moves the rows below them up.
    void removeRows(int pos, int count);
    // Forgets and deletes rows that are no longer in treeItems, last first.
    void destroyRows(const QList<DuiTreeViewItem *> &rows);
    void closeFolder(DuiTreeViewItem *item);
    void clearRows();
    // The visible rows in display order from the model, reusing the rows that exist; with
    // `expandAll`, every item with children is opened on the way.
    void syncFromModel(bool expandAll);
    void build();
    // A change of the model's top level: handles it (onRoot when it touches row 0) and answers
    // true; false for a change below the root item. True without a model too.
    bool topLevelChange(const QModelIndex &parent, int first, void (DuiTreeItemContainerPrivate::*onRoot)());
    // Opens a closed row, closes an open one.
    void toggle(int index);
    void resizeToRows();
    void applySelection(DuiTreeViewItem *item, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void clearSelection();
    void connectModel();
};

class DUI_AUTOTEST_EXPORT DuiTreeWidgetPrivate : public DuiScrollAreaPrivate
{
    Q_DECLARE_PUBLIC(DuiTreeWidget)
public:
    DuiTreeItemContainer *container = nullptr;
};

#endif // DUITREEWIDGET_P_H
