// SPDX-License-Identifier: MIT
#ifndef DUILISTWIDGET_H
#define DUILISTWIDGET_H

#include "duiabstractitemview.h"

class DuiAbstractItemContainer;
class DuiListWidgetPrivate;

// A vertical list of the model's rows with one selected row. Rows come from prototypes: the most
// recently added prototype is asked first, a DuiDefaultListItem last. Click or press a row, or
// use Up, Down, Home, End, PageUp and PageDown, to select; the selection scrolls into view.
class DUI_EXPORT DuiListWidget : public DuiAbstractItemView
{
    Q_OBJECT

public:
    enum DisplayMode : int { Normal = 0, FishEye = 1 };
    Q_ENUM(DisplayMode)

    explicit DuiListWidget(QGraphicsItem *parent = nullptr);
    ~DuiListWidget() override;
    // Kept beside the protected insertItem(int, QStandardItem *) of the model rows.
    using DuiWidget::insertItem;

    // The list owns the prototype and asks it before those added earlier.
    void addItemPrototype(DuiAbstractViewItem *prototype);
    DuiAbstractItemContainer *container() const;
    DuiAbstractViewItem *viewItemAt(int index) const;

    // -1 clears the selection; indexes past the end are ignored.
    void selectIndex(int index);
    void setSelectIndex(int index, bool select);
    int indexSelected() const;

    // Every row this tall (-1: each row's preferred height), from the next layout on.
    void setFixItemHeight(int height);
    int fixItemHeight() const;
    void setDisplayMode(DisplayMode mode);
    DisplayMode displayMode() const;
    // Fish-eye heights of the selected row and of its two neighbours.
    void setFishEyeData(qreal selectedHeight, qreal neighbourHeight);

    DuiAbstractViewItem *createViewItem(QStandardItem *item) override;
    void reset() override;
    void beginInsertRows() override;
    void endInsertRows(int start, int end) override;

    void modelReset() override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void rowsRemoved(const QModelIndex &parent, int start, int end) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;

Q_SIGNALS:
    void leftButtonClicked(int index);
    void rightButtonClicked(int index);
    void leftButtonDoubleClicked(int index);

public Q_SLOTS:
    void on_selectPosChanged(int pos);
    void onItemSelected();

protected:
    DuiListWidget(DuiListWidgetPrivate &dd, QGraphicsItem *parent);

    void appendItem(QStandardItem *item);
    void insertItem(int row, QStandardItem *item);

    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;

private:
    void init();
    void createRows(int start, int end);

    Q_DISABLE_COPY(DuiListWidget)
    Q_DECLARE_PRIVATE(DuiListWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiListWidget)
};

#endif // DUILISTWIDGET_H
