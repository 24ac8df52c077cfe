// SPDX-License-Identifier: MIT
#ifndef DUIABSTRACTVIEWITEM_P_H
#define DUIABSTRACTVIEWITEM_P_H

#include "duiabstractviewitem.h"
#include "duiwidget_p.h"

class DUI_AUTOTEST_EXPORT DuiAbstractViewItemPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiAbstractViewItem)
public:
    bool selected = false;
    bool hover = false;
    QStandardItem *modelItem = nullptr;
};

#endif // DUIABSTRACTVIEWITEM_P_H
