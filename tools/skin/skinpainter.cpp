// SPDX-License-Identifier: MIT
#include "skinpainter.h"

#include "canvas.h"

#include <QtGui/qbrush.h>
#include <QtGui/qpainter.h>
#include <QtGui/qpainterpath.h>
#include <QtGui/qpen.h>
#include <QtGui/qregion.h>

#include <cmath>
#include <cstdint>

namespace skin {
namespace {

// A small xorshift generator: identical sequences on every platform and standard library.
class Random
{
public:
    explicit Random(std::uint32_t seed)
        : m_state(seed * 2654435761u + 0x9E3779B9u)
    {
    }
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return double(m_state) / 4294967296.0;
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t m_state;
};

constexpr int kDitherTile = 16;

double smoothstep(double edge0, double edge1, double x)
{
    const double t = qBound(0.0, (x - edge0) / (edge1 - edge0), 1.0);
    return t * t * (3.0 - 2.0 * t);
}

QColor white(double alpha)
{
    return QColor(255, 255, 255, int(std::lround(alpha * 255.0)));
}

// A lighter neighbour of `base` on the colour wheel; grey stays grey.
QColor accentOf(const QColor &base, double alpha)
{
    const QColor hsl = base.toHsl();
    const int hue = hsl.hslHue() < 0 ? -1 : (hsl.hslHue() + 24) % 360;
    const int lightness = hsl.lightness() + (255 - hsl.lightness()) * 2 / 5;
    QColor accent = QColor::fromHsl(hue, hsl.hslSaturation(), lightness);
    accent.setAlphaF(float(alpha));
    return accent;
}

} // namespace

QImage decoration(int index, const QColor &base, const QColor &dither, const QSize &size)
{
    const int w = size.width();
    const int h = size.height();
    Random random(std::uint32_t(index) + 1);

    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);

        // A soft light wash from the top-left corner.
        QRadialGradient wash(QPointF(0, 0), 1.0);
        wash.setColorAt(0.0, white(0.62));
        wash.setColorAt(0.45, white(0.36));
        wash.setColorAt(1.0, white(0.0));
        p.save();
        p.translate(w * 0.2, h * 0.12);
        p.scale(w * 0.68, h * 0.6);
        p.setBrush(wash);
        p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
        p.restore();

        // Large flat discs.
        for (int i = 0; i < 3; ++i) {
            const QPointF centre(random.range(w * 0.1, w * 0.7), random.range(-h * 0.25, h * 0.45));
            const double radius = random.range(h * 0.22, h * 0.55);
            p.setBrush(white(random.range(0.09, 0.16)));
            p.drawEllipse(centre, radius, radius);
        }

        // One disc in a lighter neighbouring hue.
        {
            const QPointF centre(random.range(w * 0.35, w * 0.6), random.range(h * 0.05, h * 0.3));
            const double radius = random.range(h * 0.12, h * 0.2);
            p.setBrush(accentOf(base, 0.4));
            p.drawEllipse(centre, radius, radius);
        }

        // A wide band sweeping across, bounded by two curves.
        {
            const double y0 = random.range(h * 0.25, h * 0.5);
            const double y1 = random.range(-h * 0.1, h * 0.15);
            const double thickness = random.range(h * 0.12, h * 0.2);
            QPainterPath band;
            band.moveTo(-10, y0);
            band.cubicTo(w * 0.3, y0 - h * 0.35, w * 0.55, y1 + h * 0.35, w + 10, y1);
            band.lineTo(w + 10, y1 + thickness);
            band.cubicTo(w * 0.55, y1 + thickness + h * 0.35, w * 0.3, y0 + thickness - h * 0.35, -10,
                         y0 + thickness);
            band.closeSubpath();
            p.setBrush(white(0.14));
            p.drawPath(band);
        }

        // Thin rings: crisp lines over the soft shapes.
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 2; ++i) {
            const QPointF centre(random.range(w * 0.15, w * 0.6), random.range(h * 0.1, h * 0.45));
            const double radius = random.range(h * 0.1, h * 0.3);
            p.setPen(QPen(white(0.5), 1.25));
            p.drawEllipse(centre, radius, radius);
        }

        // A small dot grid in the corner.
        p.setPen(Qt::NoPen);
        p.setBrush(white(0.55));
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < 6; ++col)
                p.drawEllipse(QPointF(24 + col * 12, 22 + row * 12), 1.6, 1.6);
        }
    }

    // Fade the shapes out before the right and bottom bands, which stay plain base colour.
    const double rightEnd = w - 100;
    const double bottomEnd = h - 100;
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(layer.scanLine(y));
        const double fy = 1.0 - smoothstep(bottomEnd * 0.62, bottomEnd, y);
        for (int x = 0; x < w; ++x) {
            const double f = fy * (1.0 - smoothstep(rightEnd * 0.7, rightEnd, x));
            const QRgb px = line[x];
            const auto scale = [f](int c) { return int(std::lround(c * f)); };
            line[x] = qRgba(scale(qRed(px)), scale(qGreen(px)), scale(qBlue(px)), scale(qAlpha(px)));
        }
    }

    QImage picture(size, QImage::Format_RGB32);
    picture.fill(base);
    QPainter p(&picture);
    if (dither != base) {
        // Only in the edge bands, which the fade-out mask hides in a window.
        p.setClipRegion(QRegion(w - 100, 0, 100, h) + QRegion(0, h - 100, w, 100));
        for (int y = 0; y < h; y += kDitherTile) {
            for (int x = (y / kDitherTile) % 2 * kDitherTile; x < w; x += 2 * kDitherTile)
                p.fillRect(x, y, kDitherTile, kDitherTile, dither);
        }
        p.setClipping(false);
    }
    p.drawImage(0, 0, layer);
    return picture;
}

QImage fadeOutMask(int size)
{
    QImage mask = canvas(size, size, QImage::Format_ARGB32);
    const int device = mask.width();
    const double third = device / 3.0;
    for (int y = 0; y < device; ++y) {
        const double fy = 1.0 - smoothstep(2 * third, device, y + 0.5);
        for (int x = 0; x < device; ++x) {
            const double fx = 1.0 - smoothstep(2 * third, device, x + 0.5);
            mask.setPixel(x, y, qRgba(255, 255, 255, int(std::lround(fx * fy * 255.0))));
        }
    }
    return mask;
}

namespace {

// A 12 x 12 nine-piece overlay: a 1-pixel rim and an even interior, both white over the fill.
QImage itemMask(int rimAlpha, int fillAlpha)
{
    QImage mask = canvas(12, 12, QImage::Format_ARGB32);
    const int s = scale();
    const int last = mask.width() - s;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const bool rim = x < s || y < s || x >= last || y >= last;
            mask.setPixel(x, y, qRgba(255, 255, 255, rim ? rimAlpha : fillAlpha));
        }
    }
    return mask;
}

} // namespace

QImage selectedItemMask()
{
    return itemMask(40, 140);
}

QImage hoveredItemMask()
{
    return itemMask(120, 200);
}

} // namespace skin
