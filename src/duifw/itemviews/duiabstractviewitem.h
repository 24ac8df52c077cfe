// SPDX-License-Identifier: MIT
#ifndef DUIABSTRACTVIEWITEM_H
#define DUIABSTRACTVIEWITEM_H

#include "duiwidget.h"

#include <QtCore/qsize.h>

class DuiAbstractViewItemPrivate;
class QStandardItem;

// One row of an item view. Rows are made by asking prototype items to createItem() for a model
// item; a prototype itself has no model item.
class DUI_EXPORT DuiAbstractViewItem : public DuiWidget
{
    Q_OBJECT

public:
    explicit DuiAbstractViewItem(QStandardItem *modelItem = nullptr, QGraphicsItem *parent = nullptr);
    ~DuiAbstractViewItem() override;

    // The row's selection flag (not the scene's item selection). Calls selectChanged() when the
    // flag changes and activated() every time.
    bool isSelected() const;
    void setSelected(bool selected);
    bool isHover() const;
    void setIsHover(bool hover);
    // The row's item in the model; not owned.
    QStandardItem *modelItem() const;

    virtual void selectChanged();
    virtual void activated();
    // A new item of the prototype's own class for `item`, or null to decline the row.
    virtual DuiAbstractViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) = 0;
    virtual QSizeF calcPreferredSize(qreal width);

protected:
    DuiAbstractViewItem(DuiAbstractViewItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent);

    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    void init(QStandardItem *modelItem);

    Q_DISABLE_COPY(DuiAbstractViewItem)
    Q_DECLARE_PRIVATE(DuiAbstractViewItem)
};

#endif // DUIABSTRACTVIEWITEM_H
