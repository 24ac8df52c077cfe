// SPDX-License-Identifier: MIT
#include "controlpainter.h"

#include "canvas.h"

#include <QtGui/qpainter.h>
#include <QtGui/qpainterpath.h>

#include <cmath>

namespace skin {

namespace {

// The one accent of check marks and radio dots: a calm slate that sits with every colour row.
const QColor kMark(0x3D, 0x4B, 0x5C);

struct Face
{
    QColor top;
    QColor bottom;
    QColor edge;
};

Face buttonFace(ControlState state)
{
    switch (state) {
    case ControlState::Hover:
        return {QColor(0xFF, 0xFF, 0xFF), QColor(0xF6, 0xF6, 0xF6), QColor(0x86, 0x86, 0x86)};
    case ControlState::Pressed:
        return {QColor(0xDC, 0xDC, 0xDC), QColor(0xE6, 0xE6, 0xE6), QColor(0x70, 0x70, 0x70)};
    case ControlState::Disabled:
        return {QColor(0xF2, 0xF2, 0xF2), QColor(0xF2, 0xF2, 0xF2), QColor(0xD2, 0xD2, 0xD2)};
    case ControlState::Normal:
        break;
    }
    return {QColor(0xFC, 0xFC, 0xFC), QColor(0xF0, 0xF0, 0xF0), QColor(0xA8, 0xA8, 0xA8)};
}

void roundedFace(QImage &image, const Face &face, qreal radius)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = logicalRect(image).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(0, 0, 0, box.bottom() + 0.5);
    fill.setColorAt(0, face.top);
    fill.setColorAt(1, face.bottom);
    p.setPen(QPen(face.edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, radius, radius);
}

} // namespace

QImage buttonImage(ControlState state)
{
    QImage image = canvas(24, 24);
    roundedFace(image, buttonFace(state), 3);
    if (state == ControlState::Normal || state == ControlState::Hover) {
        // A one-pixel highlight under the top edge gives the face a little lift.
        QPainter p(&image);
        p.setPen(QColor(255, 255, 255, 200));
        p.drawLine(QPointF(3.5, 1.5), QPointF(20.5, 1.5));
    }
    return image;
}

QImage editImage(bool disabled)
{
    QImage image = canvas(24, 24);
    const Face face = disabled ? Face{QColor(0xEF, 0xEF, 0xEF), QColor(0xEF, 0xEF, 0xEF), QColor(0xCC, 0xCC, 0xCC)}
                               : Face{QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0xFF), QColor(0x9A, 0x9A, 0x9A)};
    roundedFace(image, face, 2);
    return image;
}

namespace {

Face markFace(bool checked, ControlState state)
{
    if (state == ControlState::Disabled)
        return {QColor(0xF0, 0xF0, 0xF0), QColor(0xF0, 0xF0, 0xF0), QColor(0xCF, 0xCF, 0xCF)};
    if (checked) {
        const QColor fill = state == ControlState::Pressed ? kMark.darker(125) : (state == ControlState::Hover ? kMark.lighter(125) : kMark);
        return {fill, fill, fill.darker(115)};
    }
    switch (state) {
    case ControlState::Hover:
        return {QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0xFF), kMark.lighter(150)};
    case ControlState::Pressed:
        return {QColor(0xE8, 0xEB, 0xEE), QColor(0xE8, 0xEB, 0xEE), kMark};
    default:
        return {QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0xFF), QColor(0x9E, 0xA6, 0xAE)};
    }
}

QColor markColor(ControlState state)
{
    return state == ControlState::Disabled ? QColor(0xA8, 0xA8, 0xA8) : QColor(Qt::white);
}

} // namespace

QImage checkBoxImage(bool checked, ControlState state)
{
    QImage image = canvas(16, 16);
    const Face face = markFace(checked, state);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(face.edge, 1));
    p.setBrush(face.top);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    if (checked) {
        QPainterPath tick;
        tick.moveTo(4, 8.2);
        tick.lineTo(6.8, 11);
        tick.lineTo(12, 5.2);
        p.setPen(QPen(markColor(state), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return image;
}

QImage radioImage(bool checked, ControlState state)
{
    QImage image = canvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A checked radio keeps a white ring and shows a dot, so it reads differently from a check.
    const Face face = markFace(false, state);
    const QColor ring = checked && state != ControlState::Disabled ? markFace(true, state).top : face.edge;
    p.setPen(QPen(ring, checked ? 1.5 : 1));
    p.setBrush(face.top);
    p.drawEllipse(QRectF(0.75, 0.75, 14.5, 14.5));
    if (checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(state == ControlState::Disabled ? QColor(0xB4, 0xB4, 0xB4) : ring);
        p.drawEllipse(QPointF(8, 8), 3.6, 3.6);
    }
    return image;
}

QImage scrollTrackImage()
{
    // A faint groove: barely there on light backgrounds, so the thumb carries the bar.
    QImage image = canvas(12, 12);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xC8, 0xC8, 0xC8, 110), 1));
    p.setBrush(QColor(0xE4, 0xE4, 0xE4, 90));
    p.drawRoundedRect(QRectF(1.5, 0.5, 9, 11), 3, 3);
    return image;
}

QImage scrollThumbImage(bool hovered)
{
    QImage image = canvas(10, 12);
    const Face face = hovered ? Face{QColor(0x8E, 0x8E, 0x8E), QColor(0x8E, 0x8E, 0x8E), QColor(0x6E, 0x6E, 0x6E)}
                              : Face{QColor(0xB0, 0xB0, 0xB0), QColor(0xB0, 0xB0, 0xB0), QColor(0x92, 0x92, 0x92)};
    roundedFace(image, face, 3);
    return image;
}

QImage listItemHoverImage()
{
    QImage image = canvas(24, 24);
    image.fill(QColor(0xE6, 0xE6, 0xE6));
    return image;
}

QImage settingButtonDownImage()
{
    QImage image = canvas(24, 24);
    roundedFace(image, Face{QColor(0xD6, 0xD6, 0xD6), QColor(0xCC, 0xCC, 0xCC), QColor(0x8A, 0x8A, 0x8A)}, 3);
    return image;
}

QList<QImage> busyFrames()
{
    // Index 0 transparent, then the slate of the check marks fading towards light grey.
    QList<QRgb> table = {qRgb(255, 255, 255)};
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        table << qRgb(int(kMark.red() + (0xD8 - kMark.red()) * t), int(kMark.green() + (0xDC - kMark.green()) * t),
                      int(kMark.blue() + (0xE0 - kMark.blue()) * t));
    }
    QList<QImage> frames;
    for (int f = 0; f < 8; ++f) {
        QImage frame(16, 16, QImage::Format_Indexed8);
        frame.setColorTable(table);
        frame.fill(0);
        for (int dot = 0; dot < 8; ++dot) {
            const double angle = (dot * 45.0 - 90.0) * 3.14159265358979 / 180.0;
            const double cx = 7.5 + 5.5 * std::cos(angle);
            const double cy = 7.5 + 5.5 * std::sin(angle);
            // The dot `f` is darkest; the ones behind it fade out.
            const int age = (f - dot + 8) % 8;
            const int index = 1 + qMin(age, 6);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= 2.3)
                        frame.setPixel(x, y, uint(index));
        }
        frames << frame;
    }
    return frames;
}

} // namespace skin
