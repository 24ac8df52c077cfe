// SPDX-License-Identifier: MIT
#ifndef DUIFRAMEITEMEX_P_H
#define DUIFRAMEITEMEX_P_H

#include "duiframeitemex.h"
#include "duiwidget_p.h"

class DuiFrameItemExPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiFrameItemEx)
public:
    DuiFrameItem *frameItem = nullptr;
    bool acceptClick = false;
    bool acceptHover = false;
    bool acceptDoubleClick = false;
    bool acceptRightClick = false;
};

#endif // DUIFRAMEITEMEX_P_H
