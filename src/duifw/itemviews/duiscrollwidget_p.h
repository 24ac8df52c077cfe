// SPDX-License-Identifier: MIT
#ifndef DUISCROLLWIDGET_P_H
#define DUISCROLLWIDGET_P_H

#include "duiscrollarea_p.h"
#include "duiscrollwidget.h"

class DUI_AUTOTEST_EXPORT DuiScrollWidgetPrivate : public DuiScrollAreaPrivate
{
    Q_DECLARE_PUBLIC(DuiScrollWidget)
public:
    // Kept to be given again to a layout set after them.
    int spacing = 0;
    QMargins margins;
};

#endif // DUISCROLLWIDGET_P_H
