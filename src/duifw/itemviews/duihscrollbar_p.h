// SPDX-License-Identifier: MIT
#ifndef DUIHSCROLLBAR_P_H
#define DUIHSCROLLBAR_P_H

#include "duiabstractscrollbar_p.h"
#include "duihscrollbar.h"

class DUI_AUTOTEST_EXPORT DuiHScrollBarPrivate : public DuiAbstractScrollBarPrivate
{
    Q_DECLARE_PUBLIC(DuiHScrollBar)
public:
    DuiHScrollBarPrivate() : DuiAbstractScrollBarPrivate(Qt::Horizontal) {}

    qreal thumbLength(qreal track, qreal range) const override;
};

#endif // DUIHSCROLLBAR_P_H
