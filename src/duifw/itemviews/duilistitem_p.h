// SPDX-License-Identifier: MIT
#ifndef DUILISTITEM_P_H
#define DUILISTITEM_P_H

#include "duilistitem.h"
#include "duiabstractviewitem_p.h"

#include <QtGui/qpixmap.h>

class DuiFrameItem;
class DuiLabelWidget;

class DUI_AUTOTEST_EXPORT DuiDefaultListItemPrivate : public DuiAbstractViewItemPrivate
{
    Q_DECLARE_PUBLIC(DuiDefaultListItem)
public:
    DuiLabelWidget *label = nullptr;
    DuiFrameItem *selectionFrame = nullptr;
    QPixmap hoverPixmap;
};

class DUI_AUTOTEST_EXPORT DuiListItemPrivate : public DuiAbstractViewItemPrivate
{
    Q_DECLARE_PUBLIC(DuiListItem)
};

class DUI_AUTOTEST_EXPORT DuiListColorItemPrivate : public DuiListItemPrivate
{
    Q_DECLARE_PUBLIC(DuiListColorItem)
};

#endif // DUILISTITEM_P_H
