// SPDX-License-Identifier: MIT
#include "duigolbaleffectmgr.h"

#include <QtCore/qatomic.h>

namespace {

QAtomicPointer<DuiGolbalEffectMgr> s_effectMgr;

struct DuiGolbalEffectMgrCleanup
{
    ~DuiGolbalEffectMgrCleanup() { delete s_effectMgr.fetchAndStoreOrdered(nullptr); }
} s_effectMgrCleanup;

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
    DuiGolbalEffectMgr *mgr = s_effectMgr.loadAcquire();
    if (mgr)
        return mgr;
    auto *fresh = new DuiGolbalEffectMgr;
    if (s_effectMgr.testAndSetOrdered(nullptr, fresh))
        return fresh;
    delete fresh; // another thread published first
    return s_effectMgr.loadAcquire();
}
