// SPDX-License-Identifier: MIT
#ifndef DUIBACKGROUNDITEM_P_H
#define DUIBACKGROUNDITEM_P_H

#include "duibackgrounditem.h"

#include <QtGui/qimage.h>

class DuiBackgroundItemPrivate
{
    Q_DECLARE_PUBLIC(DuiBackgroundItem)
public:
    explicit DuiBackgroundItemPrivate(DuiBackgroundItem *q)
        : q_ptr(q)
    {
    }
    virtual ~DuiBackgroundItemPrivate() = default;

    DuiBackgroundItem *q_ptr;
    QString backgroundImage;
    QPixmap shadowPixmap;
    QPixmap maskPixmap;
    // The decoration picture already faded at its edges, and its dominant colour.
    QImage decoration;
    QColor decorationColor;
    bool showBorderShadow = true;
};

#endif // DUIBACKGROUNDITEM_P_H
