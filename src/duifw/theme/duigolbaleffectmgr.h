// SPDX-License-Identifier: MIT
#ifndef DUIGOLBALEFFECTMGR_H
#define DUIGOLBALEFFECTMGR_H

#include "duiglobal.h"

#include <QtCore/qscopedpointer.h>

// Process-wide choice of how the application wants its interface tinted; the framework stores
// it and leaves its meaning to the application.
enum EffectType {
    NoGlobalEffect = 0,
    ColorizeGlobalEffect = 1,
    HslGlobalEffect = 2
};

class DuiGolbalEffectMgrPrivate;

class DUI_EXPORT DuiGolbalEffectMgr
{
public:
    DuiGolbalEffectMgr();
    ~DuiGolbalEffectMgr();

    void changeGlobalEffect(EffectType type);
    EffectType effectType() const;

private:
    QScopedPointer<DuiGolbalEffectMgrPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiGolbalEffectMgr)
    Q_DISABLE_COPY(DuiGolbalEffectMgr)
};

// The process-wide instance, created on first call (safe from any thread), destroyed at exit.
DUI_EXPORT DuiGolbalEffectMgr *duiGolbalEffectMgr();

#endif // DUIGOLBALEFFECTMGR_H
