// SPDX-License-Identifier: MIT
#ifndef DUITREEVIEWITEM_H
#define DUITREEVIEWITEM_H

#include "duiwidget.h"

#include <QtCore/qsize.h>

class DuiTreeViewItemPrivate;
class QStandardItem;

// One visible row of a tree. A tree asks its prototypes, newest first, to createItem() for each
// model item it shows; a prototype declines an item it does not draw by returning null.
class DUI_EXPORT DuiTreeViewItem : public DuiWidget
{
    Q_OBJECT

public:
    explicit DuiTreeViewItem(QStandardItem *modelItem = nullptr, QGraphicsItem *parent = nullptr);
    ~DuiTreeViewItem() override;

    // The row's item in the model; not owned.
    QStandardItem *modelItem() const;
    // Both call their *Changed() hook only when the flag changes. The selection is the tree's,
    // not the scene's item selection.
    bool isExpanded() const;
    void setExpanded(bool expanded);
    bool isSelected() const;
    void setSelected(bool selected);
    // Ancestors of the model item: children of the tree's root item have indent 1.
    int getIndent() const;
    // The model item's text.
    QString toolTip() const override;

    // A new item of the prototype's own class for `item`, or null to decline it. The tree passes
    // no parent and adopts the item itself, so that the item is built before it joins a scene.
    virtual DuiTreeViewItem *createItem(QStandardItem *item, QGraphicsItem *parent);
    virtual bool isFolder() const;
    // A folder that accepts double clicks reports them instead of toggling on them.
    virtual void setAcceptDoubleClick(bool accept);
    virtual bool isAcceptDoubleClick() const;
    // The model item's data changed.
    virtual void dataChanged();
    virtual void expandedChanged();
    virtual void selectedChanged();
    // (width, the row's height) for a tree of that width.
    virtual QSizeF calcPreferredSize(qreal width);

protected:
    DuiTreeViewItem(DuiTreeViewItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent);

    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    void init(QStandardItem *modelItem);

    friend class DuiTreeItemContainer;
    friend class DuiTreeItemContainerPrivate;
    Q_DISABLE_COPY(DuiTreeViewItem)
    Q_DECLARE_PRIVATE(DuiTreeViewItem)
};

#endif // DUITREEVIEWITEM_H
