// SPDX-License-Identifier: MIT
#include "windowpainter.h"

#include "canvas.h"

#include <QtGui/qpainter.h>
#include <QtGui/qpainterpath.h>
#include <QtGui/qtransform.h>

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

// The width of the window images: 8-pixel thirds hold the three-pixel corner staircase.
constexpr int kFrameWidth = 24;
// The light surface of window bodies: near-white, letting a trace of the decoration through.
const QColor kBody(0xF7, 0xF9, 0xFB, 240);
const QColor kBorderEdge(0, 0, 0, 90);
const QColor kBorderLight(255, 255, 255, 70);
const QColor kCloseHover(0xE8, 0x11, 0x23);
const QColor kCloseDown(0xB5, 0x0D, 0x1B);
const QColor kBadge(0x2D, 0x8C, 0xF0);

// Whether device pixel (x, y) lies inside a w x h window whose corners are cut by the
// three-pixel staircase: the corner pixel and its two neighbours on each edge row, then two,
// then one (at scale 2 the same cut in steps of one device pixel).
bool insideWindow(int x, int y, int w, int h)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return false;
    return std::min(x, w - 1 - x) + std::min(y, h - 1 - y) >= 3 * scale();
}

// How many steps to a neighbour (never diagonally) it takes from an inside pixel to the
// outside, counting up to `limit`: 1 on the outline, 2 just inside it.
int depthInside(int x, int y, int w, int h, int limit)
{
    for (int d = 1; d <= limit; ++d) {
        for (int dx = -d; dx <= d; ++dx) {
            const int dy = d - std::abs(dx);
            if (!insideWindow(x + dx, y + dy, w, h) || !insideWindow(x + dx, y - dy, w, h))
                return d;
        }
    }
    return limit + 1;
}

} // namespace

QImage windowBorder()
{
    // A one-pixel dark outline with a one-pixel light line inside it, in logical pixels.
    QImage image = canvas(kFrameWidth, kFrameWidth, QImage::Format_ARGB32);
    const int size = image.width();
    const int s = scale();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!insideWindow(x, y, size, size))
                continue;
            const int depth = depthInside(x, y, size, size, 2 * s);
            if (depth <= s)
                image.setPixelColor(x, y, kBorderEdge);
            else if (depth <= 2 * s)
                image.setPixelColor(x, y, kBorderLight);
        }
    }
    return image;
}

QImage bodyMask(int band)
{
    QImage image = canvas(kFrameWidth, 3 * std::max(band, kFrameWidth / 3), QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int s = scale();
    for (int y = 0; y < h; ++y) {
        // The band ends in a 2-pixel ramp inside the top third, so stretching never smears it.
        // Rows are placed by their centres in logical pixels.
        const double row = (y + 0.5) / s - 0.5;
        int alpha = kBody.alpha();
        if (row < band - 2)
            alpha = 0;
        else if (row < band)
            alpha = int(kBody.alpha() * (row - band + 3) / 3);
        if (alpha == 0)
            continue;
        for (int x = 0; x < w; ++x) {
            if (insideWindow(x, y, w, h))
                image.setPixel(x, y, qRgba(kBody.red(), kBody.green(), kBody.blue(), alpha));
        }
    }
    return image;
}

namespace {

void paintGlyph(QPainter &p, TitleButton button, const QPoint &origin)
{
    // Glyphs sit in a 10 x 10 box; straight strokes fill whole pixels so they stay crisp.
    const QColor glyph(Qt::white);
    const int x = origin.x();
    const int y = origin.y();
    switch (button) {
    case TitleButton::Minimize:
        p.fillRect(x, y + 5, 10, 1, glyph);
        break;
    case TitleButton::Maximize:
        p.fillRect(x, y, 10, 1, glyph);
        p.fillRect(x, y + 9, 10, 1, glyph);
        p.fillRect(x, y + 1, 1, 8, glyph);
        p.fillRect(x + 9, y + 1, 1, 8, glyph);
        break;
    case TitleButton::Restore:
        // The back window peeks out above and to the right of the front one.
        p.fillRect(x + 2, y, 8, 1, glyph);
        p.fillRect(x + 9, y + 1, 1, 7, glyph);
        p.fillRect(x + 2, y + 1, 1, 1, glyph);
        p.fillRect(x + 8, y + 7, 1, 1, glyph);
        p.fillRect(x, y + 2, 8, 1, glyph);
        p.fillRect(x, y + 9, 8, 1, glyph);
        p.fillRect(x, y + 3, 1, 6, glyph);
        p.fillRect(x + 7, y + 3, 1, 6, glyph);
        break;
    case TitleButton::Close: {
        // Solid pixels along both diagonals, softened by a faint antialiased fringe.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(glyph, 1.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x + 0.5, y + 0.5), QPointF(x + 9.5, y + 9.5));
        p.drawLine(QPointF(x + 9.5, y + 0.5), QPointF(x + 0.5, y + 9.5));
        p.restore();
        for (int i = 0; i < 10; ++i) {
            p.fillRect(x + i, y + i, 1, 1, glyph);
            p.fillRect(x + 9 - i, y + i, 1, 1, glyph);
        }
        break;
    }
    }
}

} // namespace

QImage titleButtonImage(TitleButton button, TitleButtonState state)
{
    const bool close = button == TitleButton::Close;
    QImage image = canvas(close ? 44 : 28, 22);
    QPainter p(&image);
    if (state != TitleButtonState::Normal) {
        QColor backing;
        if (close)
            backing = state == TitleButtonState::Hover ? kCloseHover : kCloseDown;
        else
            backing = state == TitleButtonState::Hover ? QColor(255, 255, 255, 50) : QColor(0, 0, 0, 50);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(backing);
        p.drawRoundedRect(logicalRect(image), 2, 2);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    const QSize size = logicalRect(image).size().toSize();
    paintGlyph(p, button, QPoint((size.width() - 10) / 2, (size.height() - 10) / 2));
    return image;
}

QImage settingsIcon()
{
    QImage image = canvas(20, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(10, 10);
    QPainterPath gear;
    gear.addEllipse(centre, 6.6, 6.6);
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-1.7, -9.4, 3.4, 4.6), 0.8, 0.8);
        const QTransform turn = QTransform().translate(centre.x(), centre.y()).rotate(45.0 * i);
        gear = gear.united(turn.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(centre, 2.7, 2.7);
    gear = gear.subtracted(hole);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(gear);
    return image;
}

QImage exclamationBadge()
{
    QImage image = canvas(36, 36);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBadge.darker(115), 1));
    p.setBrush(kBadge);
    p.drawEllipse(QRectF(0.5, 0.5, 35, 35));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(16.3, 8, 3.4, 14), 1.7, 1.7);
    p.drawEllipse(QPointF(18, 26.6), 2.1, 2.1);
    return image;
}

} // namespace skin
