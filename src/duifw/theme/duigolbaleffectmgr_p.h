// SPDX-License-Identifier: MIT
#ifndef DUIGOLBALEFFECTMGR_P_H
#define DUIGOLBALEFFECTMGR_P_H

#include "duigolbaleffectmgr.h"

class DuiGolbalEffectMgrPrivate
{
    Q_DECLARE_PUBLIC(DuiGolbalEffectMgr)
public:
    explicit DuiGolbalEffectMgrPrivate(DuiGolbalEffectMgr *q)
        : q_ptr(q)
    {
    }
    virtual ~DuiGolbalEffectMgrPrivate() = default;

    DuiGolbalEffectMgr *q_ptr;
    EffectType effectType = NoGlobalEffect;
};

#endif // DUIGOLBALEFFECTMGR_P_H
