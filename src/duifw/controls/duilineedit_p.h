// SPDX-License-Identifier: MIT
#ifndef DUILINEEDIT_P_H
#define DUILINEEDIT_P_H

#include "duilineedit.h"
#include "duiwidget_p.h"

class DuiFrameItem;
class QGraphicsProxyWidget;
class QLineEditEx;
class QRegularExpressionValidator;

class DuiLineEditPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiLineEdit)
public:
    DuiFrameItem *frameItem = nullptr;
    QGraphicsProxyWidget *proxy = nullptr;
    QLineEditEx *edit = nullptr;
    QRegularExpressionValidator *validator = nullptr; // owned by the widget, installed on demand
};

#endif // DUILINEEDIT_P_H
