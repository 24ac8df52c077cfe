// SPDX-License-Identifier: MIT
#ifndef DUICOLORIZEEFFECTMANAGER_P_H
#define DUICOLORIZEEFFECTMANAGER_P_H

#include "duicolorizeeffectmanager.h"

#include <QtCore/qcoreevent.h>

class DuiColorizeEffectManagerPrivate
{
    Q_DECLARE_PUBLIC(DuiColorizeEffectManager)
public:
    explicit DuiColorizeEffectManagerPrivate(DuiColorizeEffectManager *q)
        : q_ptr(q)
    {
    }
    virtual ~DuiColorizeEffectManagerPrivate() = default;

    DuiColorizeEffectManager *q_ptr;
    QRgb currentColor = 0xFF14A0FF;
    // Each manager takes a type of its own, so two managers' notifications never mix.
    int colorizeEventType = QEvent::registerEventType();
    QList<double> gradient = {0.7, 0.9};
};

#endif // DUICOLORIZEEFFECTMANAGER_P_H
