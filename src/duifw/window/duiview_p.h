// SPDX-License-Identifier: MIT
#ifndef DUIVIEW_P_H
#define DUIVIEW_P_H

#include "duiview.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>

class QGraphicsLinearLayout;

class DUI_AUTOTEST_EXPORT DuiViewPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiView)
public:
    QPointer<QGraphicsWidget> content;
    QGraphicsLinearLayout *box = nullptr;
    QString title;
    QString icon;
};

#endif // DUIVIEW_P_H
