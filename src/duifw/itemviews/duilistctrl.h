// SPDX-License-Identifier: MIT
#ifndef DUILISTCTRL_H
#define DUILISTCTRL_H

#include "duiscrollarea.h"

class DuiListCtrlPrivate;
class DuiListCtrRowWidget;

// One row of a DuiListCtrl: its height and its widget.
struct LIST_ROW_DATA
{
    uint height = 0;
    DuiListCtrRowWidget *widget = nullptr;
};

// A scrolling list of rows that the application fills with its own widgets, without a model.
// Rows are stacked top to bottom inside a 2-pixel margin and are as wide as the list. The list
// tracks one selected row and one active (hovered) row; Up, Down, Home, End, PageUp and PageDown
// move the selection and scroll it into view.
class DUI_EXPORT DuiListCtrl : public DuiScrollArea
{
    Q_OBJECT
    Q_PROPERTY(QString bkImagePath READ bkImagePath WRITE setBkImage)

public:
    explicit DuiListCtrl(QGraphicsItem *parent = nullptr);
    ~DuiListCtrl() override;

    // Inserts a row of `height` at `index` (-1 or rowCount() appends) and returns its widget;
    // null for an index out of range or a widget that is already a row of this list. Without a
    // widget a plain row is created. With `deferLayout` the rows are numbered and placed when
    // control returns to the event loop (or at layoutRows()): filling a long list, or inserting
    // at its top, then costs one pass instead of one per row.
    DuiListCtrRowWidget *insertRow(int index, uint height, DuiListCtrRowWidget *widget = nullptr,
                                   bool deferLayout = false);
    // Deletes the row's widget; out-of-range indexes are ignored. Called while the row handles
    // its own press, the row is hidden at once and deleted when control returns to the event loop.
    void removeRow(int index);
    void clear();
    int rowCount() const;
    DuiListCtrRowWidget *getRowBkCtrl(int index) const;
    // Numbers and places the rows now; needed only after inserts with deferLayout.
    void layoutRows();

    // `widget` becomes a child of the row, at `geometry` in the row's coordinates.
    void addItem(int row, DuiWidget *widget, const QRectF &geometry);
    // `widget` joins the row's own layout at a fixed size.
    void addItem(int row, DuiWidget *widget, const QSize &size);
    using DuiWidget::addItem;
    DuiWidget *getItem(int row, const char *name) const;
    void removeItem(int row, const char *name);
    using DuiWidget::removeItem;

    void enableRowSelect(bool enable);
    bool isRowSelectEnabled() const;
    int selectedRow() const;
    int activeRow() const;
    // Shows the row normal if it is the selected row; the selection itself stays.
    void unselectRow(int row);
    void activateRow(int row);
    void unActivateRow(int row);

    QString bkImagePath() const;
    void setBkImage(const QString &path);

public Q_SLOTS:
    void rowClicked(int row);
    // -1 clears the selection; other indexes out of range are ignored.
    void selectRow(int row);
    void rowCtrlActived(int row);
    void rowCtrlUnActived(int row);

Q_SIGNALS:
    void rowPressed(int row);
    void rowSelected(int row);
    void rowUnSelected(int row);
    void rowActived(int row);
    void rowUnActived(int row);

protected:
    DuiListCtrl(DuiListCtrlPrivate &dd, QGraphicsItem *parent);

    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void init();

    Q_DISABLE_COPY(DuiListCtrl)
    Q_DECLARE_PRIVATE(DuiListCtrl)
    DUI_DECLARE_WIDGET_CREATOR(DuiListCtrl)
};

#endif // DUILISTCTRL_H
