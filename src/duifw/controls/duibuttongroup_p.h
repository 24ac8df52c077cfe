// SPDX-License-Identifier: MIT
#ifndef DUIBUTTONGROUP_P_H
#define DUIBUTTONGROUP_P_H

#include "duibuttongroup.h"
#include "duiwidget_p.h"

class DuiButtonGroupPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiButtonGroup)
public:
    QList<DuiRadioButton *> buttons;
};

#endif // DUIBUTTONGROUP_P_H
