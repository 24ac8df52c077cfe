// SPDX-License-Identifier: MIT
#ifndef DUISCROLLBAR_P_H
#define DUISCROLLBAR_P_H

#include "duiabstractscrollbar_p.h"
#include "duiscrollbar.h"

class DUI_AUTOTEST_EXPORT DuiScrollBarPrivate : public DuiAbstractScrollBarPrivate
{
    Q_DECLARE_PUBLIC(DuiScrollBar)
public:
    DuiScrollBarPrivate() : DuiAbstractScrollBarPrivate(Qt::Vertical) {}

    qreal thumbLength(qreal track, qreal range) const override;
};

#endif // DUISCROLLBAR_P_H
