// SPDX-License-Identifier: MIT
#include "duigolbaleffectmgr.h"
#include "duigolbaleffectmgr_p.h"

#include "duiglobalinstance_p.h"

namespace {

DuiGlobalInstance<DuiGolbalEffectMgr> s_effectMgr;

} // namespace

DuiGolbalEffectMgr::DuiGolbalEffectMgr()
    : d_data(new DuiGolbalEffectMgrPrivate(this))
{
}

DuiGolbalEffectMgr::~DuiGolbalEffectMgr() = default;

void DuiGolbalEffectMgr::changeGlobalEffect(EffectType type)
{
    Q_D(DuiGolbalEffectMgr);
    d->effectType = type;
}

EffectType DuiGolbalEffectMgr::effectType() const
{
    Q_D(const DuiGolbalEffectMgr);
    return d->effectType;
}

DuiGolbalEffectMgr *duiGolbalEffectMgr()
{
    return s_effectMgr.get();
}
