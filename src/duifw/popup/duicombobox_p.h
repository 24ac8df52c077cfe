// SPDX-License-Identifier: MIT
#ifndef DUICOMBOBOX_P_H
#define DUICOMBOBOX_P_H

#include "duicombobox.h"
#include "duicomboboxlistwindow_p.h"
#include "duiwidget_p.h"

#include <QtCore/qpair.h>
#include <QtCore/qpointer.h>

#include <memory>

class DuiFrameItem;
class DuiPushButton;
class QGraphicsLinearLayout;

class DUI_AUTOTEST_EXPORT DuiComboBoxPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiComboBox)
public:
    ~DuiComboBoxPrivate() override;

    QGraphicsLinearLayout *layout = nullptr;
    DuiLineEdit *edit = nullptr;
    DuiFrameItem *frame = nullptr;
    DuiPushButton *button = nullptr;
    // Owned by the combo box; a window deleted elsewhere reads as none and is made again.
    QPointer<DuiComboBoxListWindow> listWindow;
    int maxListHeight = 196;
    QList<QPair<QString, QVariant>> comboItems;
    std::unique_ptr<IDuiComboBoxItem> item;

    DuiComboBoxListWindow *window();
};

#endif // DUICOMBOBOX_P_H
