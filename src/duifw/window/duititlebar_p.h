// SPDX-License-Identifier: MIT
#ifndef DUITITLEBAR_P_H
#define DUITITLEBAR_P_H

#include "duititlebar.h"
#include "duitooltip.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>

class QGraphicsTextItem;
class QWidget;

class DuiTitlebarPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiTitlebar)
public:
    QGraphicsTextItem *titleItem = nullptr;
    DuiPushButton *minimize = nullptr;
    DuiPushButton *maximize = nullptr;
    DuiPushButton *restore = nullptr;
    DuiPushButton *close = nullptr;
    // Owned by whoever added it, who may delete it at any time.
    QPointer<DuiWidget> extra;
    bool maximized = false;
    bool hasMinimizeButton = true;
    bool hasMaximizeButton = true;
    DuiToolTip toolTip;
    QPointer<QWidget> window;
};

#endif // DUITITLEBAR_P_H
