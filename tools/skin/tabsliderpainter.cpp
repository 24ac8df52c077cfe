// SPDX-License-Identifier: MIT
#include "tabsliderpainter.h"

#include "canvas.h"

#include <QtGui/qpainter.h>
#include <QtGui/qpainterpath.h>

namespace skin {

namespace {

constexpr int kTabSize = 24;
constexpr qreal kTabRadius = 4;
// The line under the tab row, and the edge of the selected tab that opens onto the page.
const QColor kTabBaseLine(0xC9, 0xCE, 0xD4);
const QColor kTabEdge(0xBD, 0xC3, 0xCA);
// The one accent of the untinted tabs: the slate of the check marks.
const QColor kTabAccent(0x3D, 0x4B, 0x5C);

// A rectangle with rounded top corners and a square bottom.
QPainterPath topRounded(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.moveTo(r.bottomLeft());
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(r.bottomRight());
    return path;
}

QImage pill(int w, int h, qreal radius, const QColor &fill, const QColor &edge)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(logicalRect(image).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    return image;
}

} // namespace

QImage tabImage(TabState state)
{
    QImage image = canvas(kTabSize, kTabSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face(0.5, 0.5, kTabSize - 1, kTabSize);
    switch (state) {
    case TabState::Normal:
        break;
    case TabState::Hover:
        p.fillPath(topRounded(face, kTabRadius), QColor(0xEC, 0xEF, 0xF2));
        break;
    case TabState::Pressed:
        p.fillPath(topRounded(face, kTabRadius), QColor(0xDF, 0xE3, 0xE8));
        break;
    case TabState::Selected: {
        const QPainterPath outline = topRounded(face, kTabRadius);
        p.fillPath(outline, Qt::white);
        p.strokePath(outline, QPen(kTabEdge, 1));
        // A bar of the accent along the top marks the page that shows.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(3, 0, kTabSize - 6, 2), kTabAccent);
        return image;
    }
    }
    // Unselected tabs stand on the row's base line; the selected one opens onto its page.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, kTabSize - 1, kTabSize, 1), kTabBaseLine);
    return image;
}

QImage sliderTrackImage()
{
    return pill(9, 9, 3.5, QColor(0xD6, 0xD6, 0xD6), QColor(0xBC, 0xBC, 0xBC));
}

QImage sliderSelectedImage()
{
    return pill(9, 9, 3.5, QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
}

QImage sliderThumbImage()
{
    return pill(9, 15, 4, Qt::white, QColor(0x38, 0x38, 0x38));
}

} // namespace skin
