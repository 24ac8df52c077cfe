// SPDX-License-Identifier: MIT
#include "duitextoutlineeffect.h"
#include "duitextoutlineeffect_p.h"

#include <QtGui/qpainter.h>

#include <algorithm>
#include <vector>

namespace {
// Outlines wider than this are drawn as this wide; the outline image grows with the square of it.
constexpr int kMaxOutline = 256;
// The 3 x 3 smoothing weights, in percent of each neighbour's alpha, row by row.
constexpr int kSmoothKernel[9] = {6, 8, 6, 8, 44, 8, 6, 8, 6};
} // namespace

DuiTextOutlineEffect::DuiTextOutlineEffect(QObject *parent)
    : QGraphicsEffect(parent)
    , d_data(new DuiTextOutlineEffectPrivate(this))
{
}

DuiTextOutlineEffect::~DuiTextOutlineEffect() = default;

void DuiTextOutlineEffect::setColor(const QColor &color)
{
    Q_D(DuiTextOutlineEffect);
    d->color = color;
}

void DuiTextOutlineEffect::setSize(int size)
{
    Q_D(DuiTextOutlineEffect);
    d->size = size;
    updateBoundingRect();
}

void DuiTextOutlineEffect::setSmooth(bool smooth)
{
    Q_D(DuiTextOutlineEffect);
    d->smooth = smooth;
}

QColor DuiTextOutlineEffect::color() const
{
    Q_D(const DuiTextOutlineEffect);
    return d->color;
}

int DuiTextOutlineEffect::size() const
{
    Q_D(const DuiTextOutlineEffect);
    return d->size;
}

bool DuiTextOutlineEffect::smooth() const
{
    Q_D(const DuiTextOutlineEffect);
    return d->smooth;
}

int DuiTextOutlineEffect::effectiveSize() const
{
    Q_D(const DuiTextOutlineEffect);
    return std::clamp(d->size, 0, kMaxOutline);
}

QRectF DuiTextOutlineEffect::boundingRectFor(const QRectF &rect) const
{
    const qreal grow = effectiveSize() + 1;
    return rect.adjusted(-grow, -grow, grow, grow);
}

QImage DuiTextOutlineEffect::makeOutline(const QImage &image) const
{
    Q_D(const DuiTextOutlineEffect);
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    // The width is in logical pixels; a dense image (device pixel ratio 2) grows by twice as
    // many of its own pixels and keeps its ratio.
    const int size = qMin(kMaxOutline, qRound(effectiveSize() * image.devicePixelRatio()));
    const int span = 2 * size + 1;
    const int width = source.width() + span;
    const int height = source.height() + span;
    QImage out(width, height, QImage::Format_ARGB32);
    out.setDevicePixelRatio(image.devicePixelRatio());
    out.fill(Qt::transparent);
    if (source.isNull())
        return out;

    // Each result pixel sums the alpha of the source pixels whose square covers it, capped at
    // 255: a box sum over a summed-area table instead of stamping every square.
    const int sw = source.width();
    const int sh = source.height();
    std::vector<qint64> table(size_t(sw + 1) * size_t(sh + 1), 0);
    auto at = [&](int x, int y) -> qint64 & { return table[size_t(y) * size_t(sw + 1) + size_t(x)]; };
    for (int y = 0; y < sh; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        qint64 rowSum = 0;
        for (int x = 0; x < sw; ++x) {
            rowSum += row[x] != 0 ? qAlpha(row[x]) : 0;
            at(x + 1, y + 1) = at(x + 1, y) + rowSum;
        }
    }
    const QRgb colour = d->color.rgb() & 0x00FFFFFFu;
    for (int y = 0; y < height; ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        // Source pixels (sx, sy) with sx <= x <= sx + 2*size cover x.
        const int y0 = std::max(0, y - 2 * size), y1 = std::min(sh - 1, y);
        if (y0 > y1)
            continue;
        for (int x = 0; x < width; ++x) {
            const int x0 = std::max(0, x - 2 * size), x1 = std::min(sw - 1, x);
            if (x0 > x1)
                continue;
            const qint64 sum = at(x1 + 1, y1 + 1) - at(x0, y1 + 1) - at(x1 + 1, y0) + at(x0, y0);
            if (sum > 0)
                dst[x] = colour | (QRgb(std::min<qint64>(sum, 255)) << 24);
        }
    }
    return out;
}

QImage DuiTextOutlineEffect::makeSmooth(const QImage &image) const
{
    Q_D(const DuiTextOutlineEffect);
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QImage source = out.copy();
    const QRgb colour = d->color.rgb() & 0x00FFFFFFu;
    for (int y = 1; y < source.height() - 1; ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 1; x < source.width() - 1; ++x) {
            int alpha = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                const auto *row = reinterpret_cast<const QRgb *>(source.constScanLine(y + dy));
                for (int dx = -1; dx <= 1; ++dx)
                    alpha += qAlpha(row[x + dx]) * kSmoothKernel[(dy + 1) * 3 + dx + 1] / 100;
            }
            dst[x] = colour | (QRgb(std::min(alpha, 255)) << 24);
        }
    }
    return out;
}

void DuiTextOutlineEffect::draw(QPainter *painter)
{
    Q_D(DuiTextOutlineEffect);
    QPoint origin;
    const QPixmap pixmap = sourcePixmap(Qt::DeviceCoordinates, &origin, QGraphicsEffect::PadToEffectiveBoundingRect);
    if (pixmap.isNull())
        return;
    QImage outline = makeOutline(pixmap.toImage());
    if (d->smooth)
        outline = makeSmooth(outline);
    // The pixmap is in device coordinates, so it is drawn without the world transform.
    const QTransform saved = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    const int size = effectiveSize();
    painter->drawImage(origin - QPoint(size, size), outline);
    painter->drawPixmap(origin, pixmap);
    painter->setWorldTransform(saved);
}
