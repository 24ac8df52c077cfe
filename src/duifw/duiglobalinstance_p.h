// SPDX-License-Identifier: MIT
#ifndef DUIGLOBALINSTANCE_P_H
#define DUIGLOBALINSTANCE_P_H

#include <QtCore/qatomic.h>

// A process-wide object created on first use and deleted at exit. Creation is race-free: every
// thread that finds no instance makes one and tries to publish it with a compare-and-swap; the
// losers delete their own and use the published one.
template <typename T>
class DuiGlobalInstance
{
public:
    DuiGlobalInstance() = default;
    ~DuiGlobalInstance() { delete m_pointer.fetchAndStoreOrdered(nullptr); }

    T *get()
    {
        if (T *existing = m_pointer.loadAcquire())
            return existing;
        auto *fresh = new T;
        if (m_pointer.testAndSetOrdered(nullptr, fresh))
            return fresh;
        delete fresh; // another thread published first
        return m_pointer.loadAcquire();
    }

private:
    DuiGlobalInstance(const DuiGlobalInstance &) = delete;
    DuiGlobalInstance &operator=(const DuiGlobalInstance &) = delete;
    QAtomicPointer<T> m_pointer;
};

#endif // DUIGLOBALINSTANCE_P_H
