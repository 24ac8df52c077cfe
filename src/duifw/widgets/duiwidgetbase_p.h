// SPDX-License-Identifier: MIT
#ifndef DUIWIDGETBASE_P_H
#define DUIWIDGETBASE_P_H

#include "duiwidgetbase.h"

class DUI_AUTOTEST_EXPORT DuiWidgetBasePrivate
{
    Q_DECLARE_PUBLIC(DuiWidgetBase)
public:
    DuiWidgetBasePrivate() = default;
    virtual ~DuiWidgetBasePrivate() = default;

    DuiWidgetBase *q_ptr = nullptr;
};

#endif // DUIWIDGETBASE_P_H
