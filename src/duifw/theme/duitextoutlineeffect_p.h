// SPDX-License-Identifier: MIT
#ifndef DUITEXTOUTLINEEFFECT_P_H
#define DUITEXTOUTLINEEFFECT_P_H

#include "duitextoutlineeffect.h"

class DuiTextOutlineEffectPrivate
{
    Q_DECLARE_PUBLIC(DuiTextOutlineEffect)
public:
    explicit DuiTextOutlineEffectPrivate(DuiTextOutlineEffect *q)
        : q_ptr(q)
    {
    }
    virtual ~DuiTextOutlineEffectPrivate() = default;

    DuiTextOutlineEffect *q_ptr;
    QColor color = QColor(255, 255, 255, 255);
    int size = 1;
    bool smooth = false;
};

#endif // DUITEXTOUTLINEEFFECT_P_H
