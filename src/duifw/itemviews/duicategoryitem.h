// SPDX-License-Identifier: MIT
#ifndef DUICATEGORYITEM_H
#define DUICATEGORYITEM_H

#include "duitreeviewitem.h"

class DuiCategoryHeaderItemPrivate;
class DuiCategoryItemPrivate;

// Prototypes of a settings-style tree: headers (model item type 1001) fold their categories
// (type 1002) in and out.

// A folder row 26 high: a theme-tinted arrow and the text.
class DUI_EXPORT DuiCategoryHeaderItem : public DuiTreeViewItem
{
    Q_OBJECT

public:
    enum { ModelItemType = 1001 };

    explicit DuiCategoryHeaderItem(QStandardItem *modelItem = nullptr, QGraphicsItem *parent = nullptr);
    ~DuiCategoryHeaderItem() override;

    DuiTreeViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) override;
    bool isFolder() const override;
    void dataChanged() override;
    void expandedChanged() override;
    void selectedChanged() override;
    QSizeF calcPreferredSize(qreal width) override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

protected:
    DuiCategoryHeaderItem(DuiCategoryHeaderItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent);

    void doColorize(QRgb rgb) override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
    void init();

    Q_DISABLE_COPY(DuiCategoryHeaderItem)
    Q_DECLARE_PRIVATE(DuiCategoryHeaderItem)
};

// A category row 50 high: the model item's icon and text.
class DUI_EXPORT DuiCategoryItem : public DuiTreeViewItem
{
    Q_OBJECT

public:
    enum { ModelItemType = 1002 };

    explicit DuiCategoryItem(QStandardItem *modelItem = nullptr, QGraphicsItem *parent = nullptr);
    ~DuiCategoryItem() override;

    DuiTreeViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) override;
    void dataChanged() override;
    void selectedChanged() override;
    QSizeF calcPreferredSize(qreal width) override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

protected:
    DuiCategoryItem(DuiCategoryItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent);

private:
    Q_DISABLE_COPY(DuiCategoryItem)
    Q_DECLARE_PRIVATE(DuiCategoryItem)
};

#endif // DUICATEGORYITEM_H
