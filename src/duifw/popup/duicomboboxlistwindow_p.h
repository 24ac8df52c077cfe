// SPDX-License-Identifier: MIT
#ifndef DUICOMBOBOXLISTWINDOW_P_H
#define DUICOMBOBOXLISTWINDOW_P_H

#include "duiwidget.h"

#include <QtCore/qpointer.h>
#include <QtWidgets/qgraphicsview.h>

class DuiFrameItem;
class DuiLineEdit;
class DuiListCtrl;
class DuiListWidget;
class DuiPushButton;

namespace DuiComboCommon {

// Where a drop-down window of a list `listHeight` high goes for a combo box at `combo` (global
// coordinates), on the available area of the combo box's own screen: below when it fits, else
// above when it fits, else on the side with more room, cut to that room. The window is as wide
// as the combo box and kept on the screen across as well.
DUI_AUTOTEST_EXPORT QRect dropDownGeometry(const QRect &combo, int listHeight);

// `widget`'s rectangle in global coordinates, through the first view of its scene; null
// without a view.
DUI_AUTOTEST_EXPORT QRect globalRect(const QGraphicsWidget *widget);

// 1 when `globalPos` lies on the drop-down button, 2 on the line edit, 0 elsewhere.
DUI_AUTOTEST_EXPORT int hitTest(const DuiWidget *combo, const DuiPushButton *button, const DuiLineEdit *edit,
                                const QPoint &globalPos);

// The parts both combo boxes are made of: the background frame, the line edit (read-only, no
// frame) and the checkable drop-down button, all children of `combo`.
struct Parts
{
    DuiFrameItem *frame = nullptr;
    DuiLineEdit *edit = nullptr;
    DuiPushButton *button = nullptr;
};
DUI_AUTOTEST_EXPORT Parts makeParts(DuiWidget *combo, const QString &buttonDisabledImage);
// The list height for `rows` rows of 24 pixels (96 for none), at most `maxHeight`.
DUI_AUTOTEST_EXPORT int listHeight(int rows, int extra, int maxHeight);

} // namespace DuiComboCommon

// What the drop-down windows of both combo boxes share: a frameless popup view with its own
// scene and one list, the current and previous rows, closing on outside presses and Escape, and
// the keys that move through the rows. The index current when the window opened comes back when
// it closes without a choice.
class DUI_AUTOTEST_EXPORT DuiComboBoxListWindowBase : public QGraphicsView
{
    Q_OBJECT

public:
    ~DuiComboBoxListWindowBase() override;

    QGraphicsScene *listScene() const { return m_scene; }
    DuiWidget *owner() const { return m_owner; }
    DuiWidget *list() const { return m_list; }
    int listCurrent() const { return m_current; }
    int listPrevious() const { return m_previous; }
    // listPrevious takes listCurrent, which becomes `row`; nothing is shown.
    void setListCurrent(int row);
    // A row came in at `row`: the rows at and after it move down one, and so do the indexes.
    void rowInserted(int row);

    // Shows the window at `geometry` and the current row in the list.
    void dropDown(const QRect &geometry);
    // Deletes a window whose owner goes: later when the window is inside its own signal (the
    // owner is being deleted by a receiver of a choice), at once otherwise.
    static void dispose(DuiComboBoxListWindowBase *window);

    // Colours the list and the scene and passes `rgb` to every widget of the window.
    void colorizeList(QRgb rgb, QColor listColor, QColor sceneColor);

Q_SIGNALS:
    void focusOut();
    void comboxlist_itemClicked(int index);

public Q_SLOTS:
    void on_comboxlist_itemClicked(int index);

protected:
    DuiComboBoxListWindowBase(DuiWidget *owner, DuiWidget *list);

    virtual int rowCount() const = 0;
    // Shows `row` as the current row of the list (and scrolls it into view).
    virtual void showCurrent(int row) = 0;
    // Whether a press outside the window, at `globalPos`, must not reach what lies under it.
    virtual bool swallowOutsidePress(const QPoint &globalPos) const = 0;

    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void moveTo(int row);
    // Tells assistive technology that the owner's expanded state changed.
    void notifyExpanded();

    QGraphicsScene *m_scene = nullptr;
    QPointer<DuiWidget> m_owner;
    DuiWidget *m_list = nullptr;
    int m_current = -1;
    int m_previous = -1;
    // The current row when the window opened, restored when it closes without a choice.
    int m_openCurrent = -1;
    bool m_chosen = false;
    // Above 0 while a choice is being reported.
    int m_reporting = 0;
};

// The drop-down of DuiComboBoxOrg: a list widget over the combo box's model.
class DUI_AUTOTEST_EXPORT DuiComboBoxListWindowOrg : public DuiComboBoxListWindowBase
{
    Q_OBJECT

public:
    explicit DuiComboBoxListWindowOrg(DuiWidget *owner);

    DuiListWidget *listWidget() const;
    DuiWidget::ColorizeWidgetFlag colorizePolicy() const { return m_colorizePolicy; }
    void setColorizePolicy(DuiWidget::ColorizeWidgetFlag policy);

protected:
    int rowCount() const override;
    void showCurrent(int row) override;
    bool swallowOutsidePress(const QPoint &globalPos) const override;

private:
    DuiWidget::ColorizeWidgetFlag m_colorizePolicy = DuiWidget::ColorableFlag;
};

// The drop-down of DuiComboBox: a list control whose rows the combo box fills.
class DUI_AUTOTEST_EXPORT DuiComboBoxListWindow : public DuiComboBoxListWindowBase
{
    Q_OBJECT

public:
    explicit DuiComboBoxListWindow(DuiWidget *owner);

    DuiListCtrl *listCtrl() const;

protected:
    int rowCount() const override;
    void showCurrent(int row) override;
    bool swallowOutsidePress(const QPoint &globalPos) const override;
};

#endif // DUICOMBOBOXLISTWINDOW_P_H
