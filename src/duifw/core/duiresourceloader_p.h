// SPDX-License-Identifier: MIT
#ifndef DUIRESOURCELOADER_P_H
#define DUIRESOURCELOADER_P_H

#include "duiresourceloader.h"

#include <QtCore/qlist.h>
#include <QtCore/qpointer.h>

class DuiResourceLoaderPrivate
{
    Q_DECLARE_PUBLIC(DuiResourceLoader)
public:
    explicit DuiResourceLoaderPrivate(DuiResourceLoader *q)
        : q_ptr(q)
    {
    }
    virtual ~DuiResourceLoaderPrivate() = default;

    DuiResourceLoader *q_ptr;
    // Asked in this order; guarded, since the loader does not own the handlers a host installs.
    QList<QPointer<DuiResourceHandler>> handlers;
};

#endif // DUIRESOURCELOADER_P_H
