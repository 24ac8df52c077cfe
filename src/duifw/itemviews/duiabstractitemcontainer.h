// SPDX-License-Identifier: MIT
#ifndef DUIABSTRACTITEMCONTAINER_H
#define DUIABSTRACTITEMCONTAINER_H

#include "duiwidget.h"

class DuiAbstractItemContainerPrivate;
class DuiAbstractViewItem;

// The scrolled content of an item view: owns one view item per row, in row order, lays them out
// top to bottom and turns clicks into row signals. Entries may read null when a row's item was
// deleted from outside; the row keeps its place.
class DUI_EXPORT DuiAbstractItemContainer : public DuiWidget
{
    Q_OBJECT

public:
    explicit DuiAbstractItemContainer(QGraphicsItem *parent = nullptr);
    ~DuiAbstractItemContainer() override;

    // Takes the item as child; no relayout.
    void appendItem(DuiAbstractViewItem *item);
    // Insert, then lay out from `index` on.
    void insertItem(int index, DuiAbstractViewItem *item);
    using DuiWidget::insertItem;
    void insertItems(int index, const QList<DuiAbstractViewItem *> &items);
    // Deletes the items of rows first..last (clamped to the list); no relayout.
    void removeItems(int first, int last);
    // Deletes every item and lays out the empty container.
    virtual void clear();

    DuiAbstractViewItem *itemAt(int index) const;
    int itemCount() const;
    int itemIndex(DuiAbstractViewItem *item) const;
    // The item under a point in container coordinates. Relies on the rows being placed top to
    // bottom in row order, and finds it in logarithmic time.
    DuiAbstractViewItem *itemFromPoint(const QPointF &point) const;
    int itemIndexFromPoint(const QPointF &point) const;

    // Places the items from `fromIndex` on and sets the container's height.
    virtual void layoutItems(const QSizeF &size, int fromIndex) = 0;

Q_SIGNALS:
    void leftButtonClicked(int index);
    void rightButtonClicked(int index);
    void leftButtonDoubleClicked(int index);
    void contextMenu(int index);
    void selectPosChanged(int pos);

protected:
    DuiAbstractItemContainer(DuiAbstractItemContainerPrivate &dd, QGraphicsItem *parent);

    // Lays out again when the width changes; a height change is the layout's own result.
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void init();

    Q_DISABLE_COPY(DuiAbstractItemContainer)
    Q_DECLARE_PRIVATE(DuiAbstractItemContainer)
};

#endif // DUIABSTRACTITEMCONTAINER_H
