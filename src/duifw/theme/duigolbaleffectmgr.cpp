// SPDX-License-Identifier: MIT
#include "duigolbaleffectmgr.h"

#include "duiglobalinstance_p.h"

namespace {

DuiGlobalInstance<DuiGolbalEffectMgr> s_effectMgr;

} // namespace

DuiGolbalEffectMgr::DuiGolbalEffectMgr() = default;

DuiGolbalEffectMgr::~DuiGolbalEffectMgr() = default;

void DuiGolbalEffectMgr::changeGlobalEffect(EffectType type)
{
    m_effectType = type;
}

EffectType DuiGolbalEffectMgr::effectType() const
{
    return m_effectType;
}

DuiGolbalEffectMgr *duiGolbalEffectMgr()
{
    return s_effectMgr.get();
}
