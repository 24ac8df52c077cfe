// SPDX-License-Identifier: MIT
#ifndef DUIGRAPHICSDROPSHADOWEFFECT_P_H
#define DUIGRAPHICSDROPSHADOWEFFECT_P_H

#include "duigraphicsdropshadoweffect.h"

class DuiGraphicsDropShadowEffectPrivate
{
    Q_DECLARE_PUBLIC(DuiGraphicsDropShadowEffect)
public:
    explicit DuiGraphicsDropShadowEffectPrivate(DuiGraphicsDropShadowEffect *q)
        : q_ptr(q)
    {
    }
    virtual ~DuiGraphicsDropShadowEffectPrivate() = default;

    DuiGraphicsDropShadowEffect *q_ptr;
    QColor color;
    QPointF offset;
    double blurRadius = 0;
};

#endif // DUIGRAPHICSDROPSHADOWEFFECT_P_H
