// SPDX-License-Identifier: MIT
#ifndef DUIANIMATIONWIDGET_P_H
#define DUIANIMATIONWIDGET_P_H

#include "duianimationwidget.h"
#include "duiwidget_p.h"

#include <QtCore/qbuffer.h>

class QGraphicsPixmapItem;
class QMovie;

class DuiAnimationWidgetPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiAnimationWidget)
public:
    bool playLoop = true;
    QGraphicsPixmapItem *pixmapItem = nullptr;
    QMovie *movie = nullptr;
    QColor borderColor;
    QByteArray data;
    QBuffer buffer;
    QSizeF imageScaleSize = QSizeF(-1, -1);
};

#endif // DUIANIMATIONWIDGET_P_H
