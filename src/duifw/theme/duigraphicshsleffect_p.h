// SPDX-License-Identifier: MIT
#ifndef DUIGRAPHICSHSLEFFECT_P_H
#define DUIGRAPHICSHSLEFFECT_P_H

#include "duigraphicshsleffect.h"

class DuiGraphicsHslEffectPrivate
{
    Q_DECLARE_PUBLIC(DuiGraphicsHslEffect)
public:
    explicit DuiGraphicsHslEffectPrivate(DuiGraphicsHslEffect *q)
        : q_ptr(q)
    {
    }
    virtual ~DuiGraphicsHslEffectPrivate() = default;

    DuiGraphicsHslEffect *q_ptr;
    // Invalid until set: nothing to tint with.
    QColor color;
};

#endif // DUIGRAPHICSHSLEFFECT_P_H
