// SPDX-License-Identifier: MIT
#ifndef DUIGRAPHICSOUTERGLOWEFFECT_P_H
#define DUIGRAPHICSOUTERGLOWEFFECT_P_H

#include "duigraphicsoutergloweffect.h"

class DuiGraphicsOuterGlowEffectPrivate
{
    Q_DECLARE_PUBLIC(DuiGraphicsOuterGlowEffect)
public:
    explicit DuiGraphicsOuterGlowEffectPrivate(DuiGraphicsOuterGlowEffect *q)
        : q_ptr(q)
    {
    }
    virtual ~DuiGraphicsOuterGlowEffectPrivate() = default;

    DuiGraphicsOuterGlowEffect *q_ptr;
    QColor color;
    double size = 0;
    double opacity = 1.0;
    int alphaByte = 255;
    int spread = 0;
    int blurRadius = 0;
    QPainter::CompositionMode compositionMode = QPainter::CompositionMode_SourceOver;
};

#endif // DUIGRAPHICSOUTERGLOWEFFECT_P_H
