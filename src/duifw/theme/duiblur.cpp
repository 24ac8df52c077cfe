// SPDX-License-Identifier: MIT
#include "duiblur_p.h"

#include <QtGui/qcolorspace.h>
#include <QtGui/qpainter.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Byte planes keep their row length and their allocated row count at multiples of 16, so the
// vector code always works on whole 16-byte groups and the transposition on whole 16 x 16 tiles.
// What lands in the padding is never read back into the picture.
constexpr int kGroup = 16;

constexpr int roundUp(int v, int to)
{
    return (v + to - 1) / to * to;
}

struct BytePlane
{
    BytePlane(int rowCount, int columnCount)
        : rows(rowCount)
        , columns(roundUp(columnCount, kGroup))
        // A row length that is a multiple of a large power of two would put a column's bytes in
        // a few cache sets only; one more cache line avoids that.
        , stride(columns >= 1024 && columns % 512 == 0 ? columns + 64 : columns)
        , bytes(size_t(roundUp(rowCount, kGroup)) * size_t(stride))
    {
    }
    uint8_t *row(int y) { return bytes.data() + size_t(y) * size_t(stride); }
    const uint8_t *row(int y) const { return bytes.data() + size_t(y) * size_t(stride); }

    int rows;    // rows that hold the picture
    int columns; // bytes per row that hold the picture and its padding to whole groups
    int stride;  // bytes from one row to the next
    std::vector<uint8_t> bytes;
};

// One box step down `Groups` x 16 columns: out row i is the mean of in rows i-above..i+below,
// rows beyond either end repeating the first or the last. Fixed point with a 15-bit weight,
// rounded down; the window holds at least two rows, so twice the weight fits 16 bits and the
// high half of a 16-bit product is the 15-bit shift.
template <int Groups>
void boxStepDown(const uint8_t *in, size_t inStride, uint8_t *out, size_t outStride, int rows, int above, int below)
{
    const int m = above + 1 + below;
    const unsigned weight = ((1u << 15) + unsigned(m) - 1) / unsigned(m);
    auto inRow = [&](int i) { return in + size_t(std::clamp(i, 0, rows - 1)) * inStride; };
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i weight2 = _mm_set1_epi16(short(uint16_t(weight * 2)));
    // Sums reach 255 x 129 at most: they fit unsigned 16-bit lanes.
    __m128i low[Groups], high[Groups];
    for (int g = 0; g < Groups; ++g)
        low[g] = high[g] = zero;
    for (int j = -above; j <= below; ++j) {
        const uint8_t *r = inRow(j);
        for (int g = 0; g < Groups; ++g) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(r + g * kGroup));
            low[g] = _mm_add_epi16(low[g], _mm_unpacklo_epi8(v, zero));
            high[g] = _mm_add_epi16(high[g], _mm_unpackhi_epi8(v, zero));
        }
    }
    for (int i = 0; i < rows; ++i) {
        uint8_t *o = out + size_t(i) * outStride;
        const uint8_t *add = inRow(i + below + 1);
        const uint8_t *sub = inRow(i - above);
        for (int g = 0; g < Groups; ++g) {
            const __m128i mean = _mm_packus_epi16(_mm_mulhi_epu16(low[g], weight2), _mm_mulhi_epu16(high[g], weight2));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(o + g * kGroup), mean);
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(add + g * kGroup));
            const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i *>(sub + g * kGroup));
            low[g] = _mm_sub_epi16(_mm_add_epi16(low[g], _mm_unpacklo_epi8(a, zero)), _mm_unpacklo_epi8(s, zero));
            high[g] = _mm_sub_epi16(_mm_add_epi16(high[g], _mm_unpackhi_epi8(a, zero)), _mm_unpackhi_epi8(s, zero));
        }
    }
#else
    constexpr int kColumns = Groups * kGroup;
    uint32_t sum[kColumns] = {};
    for (int j = -above; j <= below; ++j) {
        const uint8_t *r = inRow(j);
        for (int c = 0; c < kColumns; ++c)
            sum[c] += r[c];
    }
    for (int i = 0; i < rows; ++i) {
        uint8_t *o = out + size_t(i) * outStride;
        const uint8_t *add = inRow(i + below + 1);
        const uint8_t *sub = inRow(i - above);
        for (int c = 0; c < kColumns; ++c) {
            o[c] = uint8_t(std::min(255u, (sum[c] * weight) >> 15));
            sum[c] += unsigned(add[c]) - unsigned(sub[c]);
        }
    }
#endif
}

// Blocks of columns go through the box steps this many groups at a time, so that a block's
// intermediate results stay in cache however tall the plane.
constexpr int kBlockGroups = 4;
constexpr int kBlock = kBlockGroups * kGroup;

template <int Groups>
void blurBlockOf(uint8_t *data, size_t stride, int rows, int s, int t, uint8_t *first, uint8_t *second)
{
    constexpr size_t kWidth = Groups * kGroup;
    boxStepDown<Groups>(data, stride, first, kWidth, rows, t, s);
    boxStepDown<Groups>(first, kWidth, second, kWidth, rows, s, t);
    boxStepDown<Groups>(second, kWidth, data, stride, rows, s, s);
}

// The three box steps, in place, down `groups` x 16 columns from `data`; `first` and `second`
// hold rows x kBlock bytes each.
void blurBlock(uint8_t *data, size_t stride, int rows, int groups, int s, int t, uint8_t *first, uint8_t *second)
{
    switch (groups) {
    case 1:
        blurBlockOf<1>(data, stride, rows, s, t, first, second);
        break;
    case 2:
        blurBlockOf<2>(data, stride, rows, s, t, first, second);
        break;
    case 3:
        blurBlockOf<3>(data, stride, rows, s, t, first, second);
        break;
    default:
        blurBlockOf<kBlockGroups>(data, stride, rows, s, t, first, second);
        break;
    }
}

#if defined(__SSE2__)
// Transposes a 16 x 16 byte tile held one row per register: four rounds of interleaving, each
// doubling the width of the units that are in place.
void transpose16(__m128i *a)
{
    __m128i b[16];
    for (int i = 0; i < 8; ++i) {
        b[2 * i] = _mm_unpacklo_epi8(a[2 * i], a[2 * i + 1]);
        b[2 * i + 1] = _mm_unpackhi_epi8(a[2 * i], a[2 * i + 1]);
    }
    for (int q = 0; q < 4; ++q) {
        const __m128i *p = b + 4 * q;
        a[4 * q] = _mm_unpacklo_epi16(p[0], p[2]);
        a[4 * q + 1] = _mm_unpackhi_epi16(p[0], p[2]);
        a[4 * q + 2] = _mm_unpacklo_epi16(p[1], p[3]);
        a[4 * q + 3] = _mm_unpackhi_epi16(p[1], p[3]);
    }
    for (int h = 0; h < 2; ++h) {
        const __m128i *p = a + 8 * h;
        for (int i = 0; i < 4; ++i) {
            b[8 * h + 2 * i] = _mm_unpacklo_epi32(p[i], p[4 + i]);
            b[8 * h + 2 * i + 1] = _mm_unpackhi_epi32(p[i], p[4 + i]);
        }
    }
    for (int i = 0; i < 8; ++i) {
        a[2 * i] = _mm_unpacklo_epi64(b[i], b[8 + i]);
        a[2 * i + 1] = _mm_unpackhi_epi64(b[i], b[8 + i]);
    }
}
#endif

// The alpha bytes of `count` (at most 16) pixels, zeros after them.
#if defined(__SSE2__)
__m128i alphaOf(const QRgb *src, int count)
{
    if (count == kGroup) {
        const auto *p = reinterpret_cast<const __m128i *>(src);
        const __m128i a0 = _mm_srli_epi32(_mm_loadu_si128(p), 24);
        const __m128i a1 = _mm_srli_epi32(_mm_loadu_si128(p + 1), 24);
        const __m128i a2 = _mm_srli_epi32(_mm_loadu_si128(p + 2), 24);
        const __m128i a3 = _mm_srli_epi32(_mm_loadu_si128(p + 3), 24);
        return _mm_packus_epi16(_mm_packs_epi32(a0, a1), _mm_packs_epi32(a2, a3));
    }
    alignas(16) uint8_t bytes[kGroup] = {};
    for (int x = 0; x < count; ++x)
        bytes[x] = uint8_t(qAlpha(src[x]));
    return _mm_load_si128(reinterpret_cast<const __m128i *>(bytes));
}
#endif

// The alpha of the image's pixels [x0, x0 + 16) x [y0, y0 + 16), turned on its side: row i of
// `out` holds column x0 + i. Pixels outside the image read as 0.
void alphaTileOnItsSide(const QImage &image, int x0, int y0, uint8_t *out, size_t outStride)
{
    const int rows = std::min(kGroup, image.height() - y0);
    const int columns = std::min(kGroup, image.width() - x0);
#if defined(__SSE2__)
    __m128i tile[kGroup];
    for (int j = 0; j < kGroup; ++j)
        tile[j] = j < rows ? alphaOf(reinterpret_cast<const QRgb *>(image.constScanLine(y0 + j)) + x0, columns) : _mm_setzero_si128();
    transpose16(tile);
    for (int i = 0; i < kGroup; ++i)
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + size_t(i) * outStride), tile[i]);
#else
    for (int i = 0; i < kGroup; ++i)
        std::fill(out + size_t(i) * outStride, out + size_t(i) * outStride + kGroup, uint8_t(0));
    for (int j = 0; j < rows; ++j) {
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y0 + j)) + x0;
        for (int i = 0; i < columns; ++i)
            out[size_t(i) * outStride + size_t(j)] = uint8_t(qAlpha(src[i]));
    }
#endif
}

// Transposes one 16 x 16 byte tile.
void transposeTile(const uint8_t *in, size_t inStride, uint8_t *out, size_t outStride)
{
#if defined(__SSE2__)
    __m128i tile[kGroup];
    for (int i = 0; i < kGroup; ++i)
        tile[i] = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + size_t(i) * inStride));
    transpose16(tile);
    for (int i = 0; i < kGroup; ++i)
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + size_t(i) * outStride), tile[i]);
#else
    for (int y = 0; y < kGroup; ++y)
        for (int x = 0; x < kGroup; ++x)
            out[size_t(x) * outStride + size_t(y)] = in[size_t(y) * inStride + size_t(x)];
#endif
}

// The image's alpha blurred along the rows, kBlock rows at a time: each strip is turned on its
// side into a buffer that stays in cache, blurred down its columns and turned back into `plane`.
void blurAlphaRows(const QImage &image, BytePlane &plane, int s, int t, uint8_t *first, uint8_t *second)
{
    const int width = image.width();
    const int height = image.height();
    BytePlane strip(width, kBlock);
    for (int y0 = 0; y0 < height; y0 += kBlock) {
        const int groups = std::min(kBlockGroups, roundUp(height - y0, kGroup) / kGroup);
        for (int g = 0; g < groups; ++g)
            for (int x0 = 0; x0 < width; x0 += kGroup)
                alphaTileOnItsSide(image, x0, y0 + g * kGroup, strip.row(x0) + g * kGroup, kBlock);
        blurBlock(strip.row(0), kBlock, width, groups, s, t, first, second);
        for (int g = 0; g < groups; ++g)
            for (int x0 = 0; x0 < width; x0 += kGroup)
                transposeTile(strip.row(x0) + g * kGroup, kBlock, plane.row(y0 + g * kGroup) + x0, size_t(plane.stride));
    }
}

// Blurs every column of the plane, in blocks of kBlock columns.
void blurColumns(BytePlane &plane, int s, int t, uint8_t *first, uint8_t *second)
{
    for (int x0 = 0; x0 < plane.columns; x0 += kBlock)
        blurBlock(plane.row(0) + x0, size_t(plane.stride), plane.rows, std::min(kBlockGroups, (plane.columns - x0) / kGroup), s, t,
                  first, second);
}

// The premultiplied pixel that filling in `color` with CompositionMode_SourceIn leaves over each
// alpha, taken from QPainter itself so that the tint is exactly what it would paint.
std::array<QRgb, 256> tintTable(const QColor &color)
{
    QImage ramp(256, 1, QImage::Format_ARGB32_Premultiplied);
    auto *px = reinterpret_cast<QRgb *>(ramp.scanLine(0));
    for (int a = 0; a < 256; ++a)
        px[a] = qRgba(0, 0, 0, a);
    {
        QPainter painter(&ramp);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(ramp.rect(), color);
    }
    std::array<QRgb, 256> table;
    std::copy(px, px + 256, table.begin());
    return table;
}

// A premultiplied image of the same size and metadata as `image`, as converting it would give.
QImage blankLike(const QImage &image)
{
    QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return out;
    out.setDevicePixelRatio(image.devicePixelRatio());
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    out.setOffset(image.offset());
    out.setColorSpace(image.colorSpace());
    const QStringList keys = image.textKeys();
    for (const QString &key : keys)
        out.setText(key, image.text(key));
    return out;
}

} // namespace

void duiBlurAndTint(QImage &image, int radius, const QColor &color)
{
    if (image.isNull())
        return;
    // ARGB32 carries the same alpha as its premultiplied form; other formats are converted.
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Every pixel is rewritten: a shared or non-premultiplied image is replaced rather than copied.
    const bool inPlace = image.format() == QImage::Format_ARGB32_Premultiplied && image.isDetached();
    QImage target = inPlace ? QImage() : blankLike(image);
    if (!inPlace && target.isNull())
        return;

    const int r = std::clamp(radius, 0, 128);
    const int s = r / 2;
    const int t = std::max(0, (r % 2 == 0) ? s - 1 : s);
    const int width = image.width();
    const int height = image.height();
    const std::array<QRgb, 256> tint = tintTable(color);
    auto output = [&](int y) { return reinterpret_cast<QRgb *>(inPlace ? image.scanLine(y) : target.scanLine(y)); };

    if (r <= 1) {
        // Radius 1 makes three one-pixel boxes: the alpha stays as it is.
        for (int y = 0; y < height; ++y) {
            const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            QRgb *dst = output(y);
            for (int x = 0; x < width; ++x)
                dst[x] = tint[qAlpha(src[x])];
        }
    } else {
        // The alpha channel alone carries the result: blur it as a byte plane, many columns
        // abreast, the rows through strips turned on their side.
        BytePlane alpha(height, width);
        std::vector<uint8_t> first(size_t(std::max(width, height)) * kBlock), second(first.size());
        blurAlphaRows(image, alpha, s, t, first.data(), second.data());
        blurColumns(alpha, s, t, first.data(), second.data());
        for (int y = 0; y < height; ++y) {
            const uint8_t *a = alpha.row(y);
            QRgb *dst = output(y);
            for (int x = 0; x < width; ++x)
                dst[x] = tint[a[x]];
        }
    }
    if (!inPlace)
        image = std::move(target);
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

inline bool opaque(QRgb pixel)
{
    return (pixel >> 24) != 0;
}

// Glows up to this size take the minimum over a window of rows, in 16-bit lanes; larger ones
// take the lower envelope of parabolas along each row, whose cost does not grow with the size.
constexpr int kWindowedGlowMax = 32;

// Squared horizontal distance from each pixel of `src` to the nearest opaque pixel of its row,
// `cap` squared where that is `cap` or more away. Returns the columns that are nearer than
// `cap` to an opaque pixel (first > last when the row has none).
std::pair<int, int> rowDistances(const QRgb *src, int width, int cap, uint16_t *out, int outLength)
{
    int first = 0;
    while (first < width && !opaque(src[first]))
        ++first;
    if (first == width)
        return {0, -1};
    int last = width - 1;
    while (!opaque(src[last]))
        --last;
    const int from = std::max(0, first - (cap - 1));
    const int to = std::min(width - 1, last + (cap - 1));
    const uint16_t far = uint16_t(cap * cap);
    std::fill(out, out + from, far);
    std::fill(out + to + 1, out + outLength, far);
    // Forward distances first, capped, then the backward ones folded in and squared.
    int seen = std::numeric_limits<int>::min() / 2;
    for (int x = from; x <= to; ++x) {
        if (opaque(src[x]))
            seen = x;
        out[x] = uint16_t(std::min(x - seen, cap));
    }
    seen = std::numeric_limits<int>::max() / 2;
    for (int x = to; x >= from; --x) {
        if (opaque(src[x]))
            seen = x;
        const int g = std::min(int(out[x]), seen - x);
        out[x] = uint16_t(g * g);
    }
    return {from, to};
}

// Small glows: each output row is the minimum of dy^2 plus the squared row distances of the rows
// up to n above and below, kept in a ring of 2n + 1 rows so the working set is a few rows.
void glowWindowed(const QImage &image, QImage &out, int n, const std::vector<QRgb> &pixelAt)
{
    const int width = image.width();
    const int height = image.height();
    const int window = 2 * n + 1;
    const int stride = roundUp(width, 8);
    // Larger than any sum below, and an index of pixelAt.
    const uint16_t none = uint16_t(pixelAt.size() - 1);
    std::vector<uint16_t> ring(size_t(window) * size_t(stride));
    std::vector<std::pair<int, int>> spans(static_cast<size_t>(window));
    std::vector<uint16_t> nearest(static_cast<size_t>(stride));
    int entered = 0;
    for (int y = 0; y < height; ++y) {
        for (; entered < height && entered <= y + n; ++entered) {
            const size_t slot = size_t(entered % window);
            spans[slot] = rowDistances(reinterpret_cast<const QRgb *>(image.constScanLine(entered)), width, n + 1,
                                       ring.data() + slot * size_t(stride), stride);
        }
        const int q0 = std::max(0, y - n), q1 = std::min(height - 1, y + n);
        int lo = width, hi = -1;
        for (int q = q0; q <= q1; ++q) {
            const auto &span = spans[size_t(q % window)];
            if (span.first <= span.second) {
                lo = std::min(lo, span.first);
                hi = std::max(hi, span.second);
            }
        }
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        if (lo > hi) {
            std::fill(dst, dst + width, QRgb(0));
            continue;
        }
        const int x0 = lo / 8 * 8, x1 = roundUp(hi + 1, 8);
        std::fill(nearest.begin() + x0, nearest.begin() + x1, none);
        for (int q = q0; q <= q1; ++q) {
            const size_t slot = size_t(q % window);
            if (spans[slot].first > spans[slot].second)
                continue;
            const uint16_t *g = ring.data() + slot * size_t(stride);
            const uint16_t dy2 = uint16_t((y - q) * (y - q));
            int x = x0;
#if defined(__SSE2__)
            // Every value stays below 2^15, so the signed minimum is the unsigned one.
            const __m128i add = _mm_set1_epi16(short(dy2));
            for (; x < x1; x += 8) {
                auto *d = reinterpret_cast<__m128i *>(nearest.data() + x);
                const __m128i v = _mm_add_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(g + x)), add);
                _mm_storeu_si128(d, _mm_min_epi16(_mm_loadu_si128(d), v));
            }
#endif
            for (; x < x1; ++x)
                nearest[size_t(x)] = std::min(nearest[size_t(x)], uint16_t(g[x] + dy2));
        }
        std::fill(dst, dst + lo, QRgb(0));
        for (int x = lo; x <= hi; ++x)
            dst[x] = pixelAt[nearest[size_t(x)]];
        std::fill(dst + hi + 1, dst + width, QRgb(0));
    }
}

// Large glows: vertical distances (capped at n + 1) in two sweeps down the image, then along each
// row the lower envelope of the parabolas (x - p)^2 + vertical(p)^2. Every pass runs along memory.
void glowEnvelope(const QImage &image, QImage &out, int n, const std::vector<QRgb> &pixelAt)
{
    const int width = image.width();
    const int height = image.height();
    const size_t w = size_t(width);
    const uint16_t cap = uint16_t(n + 1);
    const qint64 limit = qint64(pixelAt.size()) - 1;
    std::vector<uint16_t> vertical(w * size_t(height));
    for (int y = 0; y < height; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uint16_t *v = vertical.data() + size_t(y) * w;
        const uint16_t *above = y > 0 ? v - w : nullptr;
        for (size_t x = 0; x < w; ++x)
            v[x] = opaque(src[x]) ? 0 : (above ? std::min(uint16_t(above[x] + 1), cap) : cap);
    }
    for (int y = height - 2; y >= 0; --y) {
        uint16_t *v = vertical.data() + size_t(y) * w;
        const uint16_t *below = v + w;
        for (size_t x = 0; x < w; ++x)
            v[x] = std::min(v[x], uint16_t(below[x] + 1));
    }

    std::vector<int> vertices(w);
    std::vector<double> bounds(w + 1);
    for (int y = 0; y < height; ++y) {
        const uint16_t *v = vertical.data() + size_t(y) * w;
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        auto height2 = [v](int p) { return qint64(v[p]) * v[p] + qint64(p) * p; };
        int k = -1;
        for (int q = 0; q < width; ++q) {
            if (v[q] >= cap)
                continue;
            double boundary = -std::numeric_limits<double>::infinity();
            while (k >= 0) {
                const int p = vertices[size_t(k)];
                boundary = double(height2(q) - height2(p)) / (2.0 * (q - p));
                if (boundary > bounds[size_t(k)])
                    break;
                --k;
            }
            ++k;
            vertices[size_t(k)] = q;
            bounds[size_t(k)] = k == 0 ? -std::numeric_limits<double>::infinity() : boundary;
            bounds[size_t(k) + 1] = std::numeric_limits<double>::infinity();
        }
        if (k < 0) {
            std::fill(dst, dst + width, QRgb(0));
            continue;
        }
        int j = 0;
        for (int x = 0; x < width; ++x) {
            while (bounds[size_t(j) + 1] < x)
                ++j;
            const int p = vertices[size_t(j)];
            const qint64 d = qint64(x - p) * (x - p) + qint64(v[p]) * v[p];
            dst[x] = d <= limit ? pixelAt[size_t(d)] : QRgb(0);
        }
    }
}

} // namespace

// Beyond this the opacity table alone would take gigabytes.
constexpr int kMaxGlowSize = 1024;

QImage duiMakeGlow(const QImage &source, QRgb rgb, int size, int spread, int alpha)
{
    // Only whether a pixel's alpha is zero matters, which premultiplication does not change.
    const bool direct = source.format() == QImage::Format_ARGB32 || source.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage image = direct ? source : source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    QImage out(width, height, QImage::Format_ARGB32);
    if (image.isNull() || out.isNull() || size <= 0) {
        out.fill(Qt::transparent);
        return out;
    }

    const int n = std::min(size, kMaxGlowSize);
    const int a = std::clamp(alpha, 0, 255);
    const std::vector<int> table = glowOpacityTable(n, spread, a);
    const int limit = n * n;
    const QRgb colour = rgb & 0x00FFFFFFu;

    // The pixel for each squared distance; the windowed pass also indexes it past the glow's
    // reach (transparent there).
    const bool windowed = n <= kWindowedGlowMax;
    std::vector<QRgb> pixelAt(size_t(windowed ? (n + 1) * (n + 1) + n * n + 1 : limit + 1), QRgb(0));
    pixelAt[0] = colour | (QRgb(a) << 24);
    for (int d = 1; d <= limit; ++d)
        pixelAt[size_t(d)] = colour | (QRgb(table[size_t(d)]) << 24);

    if (windowed)
        glowWindowed(image, out, n, pixelAt);
    else
        glowEnvelope(image, out, n, pixelAt);
    return out;
}
