// SPDX-License-Identifier: MIT
#ifndef DUITOOLTIP_P_H
#define DUITOOLTIP_P_H

#include "duitooltip.h"

#include <QtCore/qpointer.h>

class DuiToolTipPrivate
{
    Q_DECLARE_PUBLIC(DuiToolTip)
public:
    explicit DuiToolTipPrivate(DuiToolTip *q)
        : q_ptr(q)
    {
    }
    virtual ~DuiToolTipPrivate() = default;

    DuiToolTip *q_ptr;
    // Guarded: an attached widget may be destroyed without being detached.
    QList<QPointer<DuiWidget>> targets;
};

#endif // DUITOOLTIP_P_H
