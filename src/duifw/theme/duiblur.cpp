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

void blurLine(std::vector<int> &line, std::vector<int> &scratch, int s, int t)
{
    const int n = int(line.size());
    boxStep(line.data(), scratch.data(), n, t, s);
    boxStep(scratch.data(), line.data(), n, s, t);
    boxStep(line.data(), scratch.data(), n, s, s);
    line.swap(scratch);
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
        std::vector<int> line, scratch;
        line.resize(size_t(width));
        scratch.resize(size_t(width));
        for (int y = 0; y < height; ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[size_t(x)] = qAlpha(row[x]);
            blurLine(line, scratch, s, t);
            for (int x = 0; x < width; ++x)
                row[x] = (row[x] & 0x00FFFFFFu) | (QRgb(line[size_t(x)]) << 24);
        }
        line.resize(size_t(height));
        scratch.resize(size_t(height));
        const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
        auto *bits = reinterpret_cast<QRgb *>(image.bits());
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < height; ++y)
                line[size_t(y)] = qAlpha(bits[y * stride + x]);
            blurLine(line, scratch, s, t);
            for (int y = 0; y < height; ++y) {
                QRgb &p = bits[y * stride + x];
                p = (p & 0x00FFFFFFu) | (QRgb(line[size_t(y)]) << 24);
            }
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
    const int f = std::clamp(n * spread / 100, 0, n);
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
