// SPDX-License-Identifier: MIT
#include "duicolorizeeffect_p.h"

DuiColorizeEffect::DuiColorizeEffect(QObject *parent)
    : QGraphicsColorizeEffect(parent)
{
}

void DuiColorizeEffect::draw(QPainter *painter)
{
    const QRectF bounds = sourceBoundingRect(Qt::DeviceCoordinates);
    if (bounds.width() * bounds.height() > maxTintedPixels) {
        drawSource(painter);
        return;
    }
    QGraphicsColorizeEffect::draw(painter);
}
