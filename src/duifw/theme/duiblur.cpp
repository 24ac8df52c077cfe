// SPDX-License-Identifier: MIT
#include "duiblur_p.h"

#include <QtGui/qpainter.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// One box step over a line with lobes (left, right): out[i] is the mean of in[i-left..i+right],
// the ends repeating the first and last value. Fixed point with a 15-bit weight.
void boxStep(const int *in, int *out, int n, int left, int right)
{
    const int m = left + 1 + right;
    const int weight = ((1 << 15) + m - 1) / m;
    auto at = [in, n](int i) { return in[i < 0 ? 0 : (i >= n ? n - 1 : i)]; };
    int sum = 0;
    for (int j = -left; j <= right; ++j)
        sum += at(j);
    for (int i = 0; i < n; ++i) {
        out[i] = std::min(255, (sum * weight) >> 15);
        sum += at(i + right + 1) - at(i - left);
    }
}

// Blurs every row of a width x height byte plane with the three box steps.
void blurRows(std::vector<uchar> &plane, int width, int height, int s, int t)
{
    std::vector<int> line(static_cast<size_t>(width)), scratch(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        uchar *row = plane.data() + size_t(y) * size_t(width);
        std::copy(row, row + width, line.begin());
        boxStep(line.data(), scratch.data(), width, t, s);
        boxStep(scratch.data(), line.data(), width, s, t);
        boxStep(line.data(), scratch.data(), width, s, s);
        std::copy(scratch.begin(), scratch.end(), row);
    }
}

// Transposes a width x height byte plane in cache-sized tiles.
std::vector<uchar> transposed(const std::vector<uchar> &plane, int width, int height)
{
    constexpr int kTile = 32;
    std::vector<uchar> out(plane.size());
    for (int y0 = 0; y0 < height; y0 += kTile) {
        for (int x0 = 0; x0 < width; x0 += kTile) {
            const int y1 = std::min(height, y0 + kTile), x1 = std::min(width, x0 + kTile);
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x)
                    out[size_t(x) * size_t(height) + size_t(y)] = plane[size_t(y) * size_t(width) + size_t(x)];
        }
    }
    return out;
}

} // namespace

void duiBlurAndTint(QImage &image, int radius, const QColor &color)
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    const int r = std::clamp(radius, 0, 128);
    const int s = r / 2;
    const int t = std::max(0, (r % 2 == 0) ? s - 1 : s);
    const int width = image.width();
    const int height = image.height();

    if (r > 0) {
        // The alpha channel alone carries the result: blur it as a byte plane, rows first, then
        // the columns as rows of the transposed plane, which keeps memory access sequential.
        std::vector<uchar> alpha(size_t(width) * size_t(height));
        for (int y = 0; y < height; ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            uchar *dst = alpha.data() + size_t(y) * size_t(width);
            for (int x = 0; x < width; ++x)
                dst[x] = uchar(qAlpha(row[x]));
        }
        blurRows(alpha, width, height, s, t);
        std::vector<uchar> columns = transposed(alpha, width, height);
        blurRows(columns, height, width, s, t);
        alpha = transposed(columns, height, width);
        for (int y = 0; y < height; ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            const uchar *src = alpha.data() + size_t(y) * size_t(width);
            for (int x = 0; x < width; ++x)
                row[x] = (row[x] & 0x00FFFFFFu) | (QRgb(src[x]) << 24);
        }
    }

    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
}

namespace {

// Opacity by squared distance: `alpha` up to the spread distance f, then falling linearly with
// the distance to 0 at n, interpolated in between whole distances.
std::vector<int> glowOpacityTable(int n, int spread, int alpha)
{
    const int nn = n * n;
    std::vector<int> table(size_t(nn) + 1, alpha);
    // In 64 bits: an absurd spread times the glow size would overflow an int.
    const int f = int(std::clamp<qint64>(qint64(n) * spread / 100, 0, n));
    auto atDistance = [&](int i) {
        if (i <= f)
            return alpha;
        if (n == f)
            return 0;
        // Rounded to the nearest step, as a Bresenham line would.
        return (alpha * (n - i) * 2 + (n - f)) / (2 * (n - f));
    };
    for (int i = f; i < n; ++i) {
        const int from = atDistance(i);
        const int to = atDistance(i + 1);
        const int a = i * i;
        const int b = (i + 1) * (i + 1);
        for (int d = a; d <= b && d <= nn; ++d) {
            const int span = b - a;
            table[size_t(d)] = from + ((to - from) * (d - a) * 2 + (to >= from ? span : -span)) / (2 * span);
        }
    }
    table[size_t(nn)] = 0;
    return table;
}

} // namespace

// Beyond this the opacity table alone would take gigabytes.
constexpr int kMaxGlowSize = 1024;

QImage duiMakeGlow(const QImage &source, QRgb rgb, int size, int spread, int alpha)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    QImage out(width, height, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    if (image.isNull() || size <= 0)
        return out;

    const int n = std::min(size, kMaxGlowSize);
    const int a = std::clamp(alpha, 0, 255);
    const std::vector<int> table = glowOpacityTable(n, spread, a);
    const qint64 limit = qint64(n) * n;
    constexpr qint64 kNone = std::numeric_limits<qint64>::max() / 4;

    // Rows: squared horizontal distance to the nearest opaque pixel of the row.
    std::vector<qint64> field(size_t(width) * size_t(height), kNone);
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        qint64 *f = field.data() + size_t(y) * size_t(width);
        int last = -1;
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) != 0)
                last = x;
            if (last >= 0)
                f[x] = qint64(x - last) * (x - last);
        }
        last = -1;
        for (int x = width - 1; x >= 0; --x) {
            if (qAlpha(row[x]) != 0)
                last = x;
            if (last >= 0)
                f[x] = std::min(f[x], qint64(last - x) * (last - x));
        }
    }

    // Columns: lower envelope of the parabolas (y - q)^2 + rowDistance(q).
    const size_t h = size_t(height);
    std::vector<qint64> column(h), result(h);
    std::vector<int> vertices(h);
    std::vector<double> bounds(h + 1);
    for (int x = 0; x < width; ++x) {
        int count = 0;
        for (int y = 0; y < height; ++y) {
            column[size_t(y)] = field[size_t(y) * size_t(width) + size_t(x)];
            if (column[size_t(y)] < kNone)
                ++count;
        }
        if (count == 0)
            continue;
        int k = -1;
        for (int q = 0; q < height; ++q) {
            if (column[size_t(q)] >= kNone)
                continue;
            double boundary = -std::numeric_limits<double>::infinity();
            while (k >= 0) {
                const int v = vertices[size_t(k)];
                boundary = double((column[size_t(q)] + qint64(q) * q) - (column[size_t(v)] + qint64(v) * v)) / (2.0 * (q - v));
                if (boundary > bounds[size_t(k)])
                    break;
                --k;
            }
            ++k;
            vertices[size_t(k)] = q;
            bounds[size_t(k)] = k == 0 ? -std::numeric_limits<double>::infinity() : boundary;
            bounds[size_t(k) + 1] = std::numeric_limits<double>::infinity();
        }
        int j = 0;
        for (int y = 0; y < height; ++y) {
            while (bounds[size_t(j) + 1] < y)
                ++j;
            const int v = vertices[size_t(j)];
            result[size_t(y)] = qint64(y - v) * (y - v) + column[size_t(v)];
        }
        for (int y = 0; y < height; ++y)
            field[size_t(y) * size_t(width) + size_t(x)] = result[size_t(y)];
    }

    const QRgb colour = rgb & 0x00FFFFFFu;
    for (int y = 0; y < height; ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        const qint64 *f = field.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            const qint64 d = f[x];
            if (d == 0)
                dst[x] = colour | (QRgb(a) << 24);
            else if (d <= limit)
                dst[x] = colour | (QRgb(table[size_t(d)]) << 24);
        }
    }
    return out;
}
