// SPDX-License-Identifier: MIT
#include "combopainter.h"

#include "canvas.h"

#include <QtGui/qpainter.h>
#include <QtGui/qpainterpath.h>

namespace skin {

namespace {

QImage flat(const QColor &fill)
{
    QImage image = canvas(24, 24);
    image.fill(fill);
    return image;
}

} // namespace

QImage comboBackgroundImage(bool disabled)
{
    QImage image = canvas(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(disabled ? QColor(0xCC, 0xCC, 0xCC) : QColor(0x9A, 0x9A, 0x9A), 1));
    p.setBrush(disabled ? QColor(0xEF, 0xEF, 0xEF) : QColor(0xFF, 0xFF, 0xFF));
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 2, 2);
    return image;
}

QImage comboDropDownImage(ControlState state)
{
    QImage image = canvas(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The field's edge belongs to the background; the button keeps one pixel inside it.
    const QRectF face(0.5, 1.5, 22, 21);
    QColor fill = Qt::transparent;
    if (state == ControlState::Hover)
        fill = QColor(0xEC, 0xEC, 0xEC);
    else if (state == ControlState::Pressed)
        fill = QColor(0xD4, 0xD4, 0xD4);
    if (fill.alpha() > 0) {
        QPainterPath path;
        path.addRoundedRect(face, 1.5, 1.5);
        p.fillPath(path, fill);
    }
    p.setPen(QPen(QColor(0xD0, 0xD0, 0xD0), 1));
    p.drawLine(QPointF(0.5, 4), QPointF(0.5, 20));
    const QColor arrow = state == ControlState::Disabled ? QColor(0xB8, 0xB8, 0xB8) : QColor(0x50, 0x50, 0x50);
    p.setPen(QPen(arrow, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal dy = state == ControlState::Pressed ? 1 : 0;
    const QPointF chevron[3] = {QPointF(7.5, 10 + dy), QPointF(11.5, 14 + dy), QPointF(15.5, 10 + dy)};
    p.drawPolyline(chevron, 3);
    return image;
}

QImage listRowImage(ListRow row)
{
    switch (row) {
    case ListRow::Even:
        return flat(QColor(0xFF, 0xFF, 0xFF));
    case ListRow::Odd:
        return flat(QColor(0xF5, 0xF5, 0xF5));
    case ListRow::Active:
        return flat(QColor(0xE8, 0xE8, 0xE8));
    case ListRow::Chosen:
        break;
    }
    // Flat: a row image is stretched whole over the row, so any edge would grow with it.
    return flat(QColor(0xD4, 0xD4, 0xD4));
}

QImage comboRowActiveImage()
{
    return flat(QColor(0xE2, 0xE2, 0xE2));
}

} // namespace skin
