// SPDX-License-Identifier: MIT
#ifndef DUILISTCTRL_P_H
#define DUILISTCTRL_P_H

#include "duilistctrl.h"
#include "duilistctrrowwidget.h"
#include "duiscrollarea_p.h"

class DuiFrameItemEx;

class DuiListCtrRowWidgetPrivate
{
public:
    int rowNumber = -1;
    int status = DuiListCtrRowWidget::Normal;
    QString normal2Image;
    QString normal1Image;
    QString activeImage;
    QString chosenImage;
    // The owner list, while the row belongs to one.
    DuiListCtrl *list = nullptr;
    // Set while the row's press signal runs: a row removed then must outlive the event.
    bool pressing = false;
};

class DUI_AUTOTEST_EXPORT DuiListCtrlPrivate : public DuiScrollAreaPrivate
{
    Q_DECLARE_PUBLIC(DuiListCtrl)
public:
    static constexpr qreal margin = 2;

    QList<LIST_ROW_DATA *> rows;
    int selectedRow = -1;
    int activeRow = -1;
    bool rowSelectEnabled = true;
    DuiFrameItemEx *content = nullptr;
    // The graphics parent of the rows, an item that is no widget: Qt links a widget added under
    // a widget after all of that widget's focus-chain descendants, which makes filling a widget
    // with n rows cost n². Rows are stacked by hand below it.
    QGraphicsObject *rowParent = nullptr;
    // Rows from here on wait to be placed (rows.size(): none).
    int dirtyFrom = 0;
    bool layoutPosted = false;

    bool valid(int row) const { return row >= 0 && row < rows.size(); }
    DuiListCtrRowWidget *widget(int row) const { return valid(row) ? rows.at(row)->widget : nullptr; }
    qreal rowWidth() const;
    void markDirty(int from);
    // Numbers and places the rows from dirtyFrom on, and sizes the content.
    void placeRows();
    // Forgets row `index`, moving the selected and active rows with the rows after it.
    void dropRow(int index);
    // Takes the row out of the list and returns its widget, still alive.
    DuiListCtrRowWidget *takeRow(int index);
    void dispose(DuiListCtrRowWidget *widget);
    void forgetDestroyed(QObject *object);
    // A click's selection: the old row normal, `row` (-1: none) chosen, rowSelected(row) then
    // rowUnSelected(old).
    void choose(int row);
    void scrollIntoView(int row);
};

#endif // DUILISTCTRL_P_H
