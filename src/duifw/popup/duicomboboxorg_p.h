// SPDX-License-Identifier: MIT
#ifndef DUICOMBOBOXORG_P_H
#define DUICOMBOBOXORG_P_H

#include "duicomboboxlistwindow_p.h"
#include "duicomboboxorg.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>

class DuiFrameItem;
class DuiPushButton;

class DUI_AUTOTEST_EXPORT DuiComboBoxOrgPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiComboBoxOrg)
public:
    ~DuiComboBoxOrgPrivate() override;

    DuiLineEdit *edit = nullptr;
    DuiFrameItem *frame = nullptr;
    DuiPushButton *button = nullptr;
    // Owned by the combo box; a window deleted elsewhere reads as none and is made again.
    QPointer<DuiComboBoxListWindowOrg> listWindow;
    int maxListHeight = 196;
    int hOffset = 0;
    int addWidth = 0;

    DuiComboBoxListWindowOrg *window();
};

#endif // DUICOMBOBOXORG_P_H
