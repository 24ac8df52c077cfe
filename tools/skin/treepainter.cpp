// SPDX-License-Identifier: MIT
#include "treepainter.h"

#include "canvas.h"

#include <QtGui/qpainter.h>
#include <QtGui/qpolygon.h>

namespace skin {

QImage treeFolderIcon(bool expanded)
{
    QImage image = canvas(10, 10);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x18, 0x18, 0x18));
    const QPolygonF arrow = expanded ? QPolygonF({QPointF(1, 3), QPointF(9, 3), QPointF(5, 8)})
                                     : QPolygonF({QPointF(3, 1), QPointF(8, 5), QPointF(3, 9)});
    p.drawPolygon(arrow);
    return image;
}

QImage listItemSelectImage()
{
    QImage image = canvas(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xBC, 0xBC, 0xBC), 1));
    p.setBrush(QColor(0xD0, 0xD0, 0xD0));
    p.drawRoundedRect(logicalRect(image).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    return image;
}

} // namespace skin
