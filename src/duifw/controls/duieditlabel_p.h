// SPDX-License-Identifier: MIT
#ifndef DUIEDITLABEL_P_H
#define DUIEDITLABEL_P_H

#include "duieditlabel.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>

class DuiEditLabelPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiEditLabel)
public:
    QPointer<DuiLineEdit> edit;
    DuiLabelWidget *label = nullptr;
    QFont font;
    int maxLength = -1;
    bool menuShown = false;
};

#endif // DUIEDITLABEL_P_H
