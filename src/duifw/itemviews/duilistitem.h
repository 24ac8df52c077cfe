// SPDX-License-Identifier: MIT
#ifndef DUILISTITEM_H
#define DUILISTITEM_H

#include "duiabstractviewitem.h"

class DuiDefaultListItemPrivate;
class DuiListItemPrivate;
class DuiListColorItemPrivate;

// The list's fallback row: the row text, a selection frame and a hover image. Takes every row.
class DUI_EXPORT DuiDefaultListItem : public DuiAbstractViewItem
{
    Q_OBJECT

public:
    explicit DuiDefaultListItem(QStandardItem *modelItem = nullptr, QGraphicsItem *parent = nullptr);
    ~DuiDefaultListItem() override;

    void activated() override;
    DuiAbstractViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) override;
    QSizeF calcPreferredSize(qreal width) override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

protected:
    DuiDefaultListItem(DuiDefaultListItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent);

    void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
    void _init();

    Q_DISABLE_COPY(DuiDefaultListItem)
    Q_DECLARE_PRIVATE(DuiDefaultListItem)
};

// Base of rows that draw themselves; declines rows without text. A subclass emits itemSelected()
// to ask the list to select it (fish-eye lists).
class DUI_EXPORT DuiListItem : public DuiAbstractViewItem
{
    Q_OBJECT

public:
    explicit DuiListItem(QStandardItem *modelItem = nullptr, QGraphicsItem *parent = nullptr);
    ~DuiListItem() override;

    DuiAbstractViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) override;
    QSizeF calcPreferredSize(qreal width) override;

Q_SIGNALS:
    void itemSelected();

protected:
    DuiListItem(DuiListItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent);

private:
    Q_DISABLE_COPY(DuiListItem)
    Q_DECLARE_PRIVATE(DuiListItem)
};

// A colour swatch; the row text is the colour as a hexadecimal RGB value ("ff8000").
class DUI_EXPORT DuiListColorItem : public DuiListItem
{
    Q_OBJECT

public:
    explicit DuiListColorItem(QStandardItem *modelItem = nullptr, QGraphicsItem *parent = nullptr);
    ~DuiListColorItem() override;

    DuiAbstractViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) override;
    QSizeF calcPreferredSize(qreal width) override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

protected:
    DuiListColorItem(DuiListColorItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent);

private:
    Q_DISABLE_COPY(DuiListColorItem)
    Q_DECLARE_PRIVATE(DuiListColorItem)
};

#endif // DUILISTITEM_H
