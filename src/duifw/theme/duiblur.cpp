// SPDX-License-Identifier: MIT
#include "duiblur_p.h"

#include <QtGui/qcolorspace.h>
#include <QtGui/qpainter.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The blur works on 16 columns at a time (one vector of bytes), transposes 16 x 16 tiles and
// keeps its buffers' rows and row counts at multiples of 16. What lands in that padding is never
// read back into the picture.
constexpr int kGroup = 16;
// Columns go through the box steps this many groups at a time, so that a block's intermediate
// results stay in cache however tall the image.
constexpr int kBlockGroups = 4;
constexpr int kBlock = kBlockGroups * kGroup;

constexpr int roundUp(int v, int to)
{
    return (v + to - 1) / to * to;
}

// An uninitialised buffer (every byte the blur reads it writes first); null when memory is short.
template <typename T>
std::unique_ptr<T[]> buffer(size_t count)
{
    return std::unique_ptr<T[]>(new (std::nothrow) T[count]);
}

#if defined(__SSE2__)
// Sixteen values as two vectors of 16-bit lanes, and back.
inline void load16(const uint8_t *p, __m128i &low, __m128i &high)
{
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    low = _mm_unpacklo_epi8(v, _mm_setzero_si128());
    high = _mm_unpackhi_epi8(v, _mm_setzero_si128());
}

inline void load16(const uint16_t *p, __m128i &low, __m128i &high)
{
    low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 8));
}

inline void store16(uint8_t *p, __m128i low, __m128i high)
{
    _mm_storeu_si128(reinterpret_cast<__m128i *>(p), _mm_packus_epi16(low, high));
}

inline void store16(uint16_t *p, __m128i low, __m128i high)
{
    _mm_storeu_si128(reinterpret_cast<__m128i *>(p), low);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(p + 8), high);
}
#endif

// One box step down `Groups` x 16 columns: out row i is the mean of in rows i-above..i+below,
// rows beyond either end repeating the first or the last. Fixed point with a 15-bit weight,
// rounded down. Values between the steps stay in 16 bits to save packing and unpacking; they
// never exceed 255. Strides count elements.
template <int Groups, typename In, typename Out>
void boxStepDown(const In *in, size_t inStride, Out *out, size_t outStride, int rows, int above, int below)
{
    const int m = above + 1 + below;
    const unsigned weight = ((1u << 15) + unsigned(m) - 1) / unsigned(m);
    auto inRow = [&](int i) { return in + size_t(std::clamp(i, 0, rows - 1)) * inStride; };
#if defined(__SSE2__)
    // The window holds two rows or more, so twice the weight fits 16 bits and the high half of
    // the 16-bit product is the 15-bit shift. Sums reach 255 x 129: unsigned 16-bit lanes.
    const __m128i weight2 = _mm_set1_epi16(short(uint16_t(weight * 2)));
    __m128i low[Groups], high[Groups];
    for (int g = 0; g < Groups; ++g)
        low[g] = high[g] = _mm_setzero_si128();
    for (int j = -above; j <= below; ++j) {
        const In *r = inRow(j);
        for (int g = 0; g < Groups; ++g) {
            __m128i l, h;
            load16(r + g * kGroup, l, h);
            low[g] = _mm_add_epi16(low[g], l);
            high[g] = _mm_add_epi16(high[g], h);
        }
    }
    for (int i = 0; i < rows; ++i) {
        Out *o = out + size_t(i) * outStride;
        const In *add = inRow(i + below + 1);
        const In *sub = inRow(i - above);
        for (int g = 0; g < Groups; ++g) {
            store16(o + g * kGroup, _mm_mulhi_epu16(low[g], weight2), _mm_mulhi_epu16(high[g], weight2));
            __m128i al, ah, sl, sh;
            load16(add + g * kGroup, al, ah);
            load16(sub + g * kGroup, sl, sh);
            low[g] = _mm_sub_epi16(_mm_add_epi16(low[g], al), sl);
            high[g] = _mm_sub_epi16(_mm_add_epi16(high[g], ah), sh);
        }
    }
#else
    constexpr int kColumns = Groups * kGroup;
    uint32_t sum[kColumns] = {};
    for (int j = -above; j <= below; ++j) {
        const In *r = inRow(j);
        for (int c = 0; c < kColumns; ++c)
            sum[c] += r[c];
    }
    for (int i = 0; i < rows; ++i) {
        Out *o = out + size_t(i) * outStride;
        const In *add = inRow(i + below + 1);
        const In *sub = inRow(i - above);
        for (int c = 0; c < kColumns; ++c) {
            o[c] = Out(std::min(255u, (sum[c] * weight) >> 15));
            sum[c] += unsigned(add[c]) - unsigned(sub[c]);
        }
    }
#endif
}

// Scratch space for the box steps: two buffers of 16-bit values, rows x kBlock each.
struct Scratch
{
    explicit Scratch(int rows)
        : first(buffer<uint16_t>(size_t(rows) * kBlock))
        , second(buffer<uint16_t>(size_t(rows) * kBlock))
    {
    }
    std::unique_ptr<uint16_t[]> first, second;
};

template <int Groups>
void blurBlockOf(const uint8_t *in, size_t inStride, uint8_t *out, size_t outStride, int rows, int s, int t, Scratch &scratch)
{
    constexpr size_t kWidth = Groups * kGroup;
    boxStepDown<Groups>(in, inStride, scratch.first.get(), kWidth, rows, t, s);
    boxStepDown<Groups>(scratch.first.get(), kWidth, scratch.second.get(), kWidth, rows, s, t);
    boxStepDown<Groups>(scratch.second.get(), kWidth, out, outStride, rows, s, s);
}

// The three box steps down `groups` x 16 columns of `in` into `out` (which may be `in`).
void blurBlock(const uint8_t *in, size_t inStride, uint8_t *out, size_t outStride, int rows, int groups, int s, int t,
               Scratch &scratch)
{
    switch (groups) {
    case 1:
        blurBlockOf<1>(in, inStride, out, outStride, rows, s, t, scratch);
        break;
    case 2:
        blurBlockOf<2>(in, inStride, out, outStride, rows, s, t, scratch);
        break;
    case 3:
        blurBlockOf<3>(in, inStride, out, outStride, rows, s, t, scratch);
        break;
    default:
        blurBlockOf<kBlockGroups>(in, inStride, out, outStride, rows, s, t, scratch);
        break;
    }
}

#if defined(__SSE2__)
// Transposes a 16 x 16 byte tile held one row per register: four rounds of interleaving, each
// doubling the width of the units that are in place.
inline void transpose16(__m128i *a)
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

// The alpha bytes of `count` (at most 16) pixels, zeros after them.
inline __m128i alphaOf(const QRgb *src, int count)
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

// Pixel rows of an ARGB32 image, read without detaching it.
struct PixelRows
{
    explicit PixelRows(const QImage &image)
        : bits(image.constBits())
        , bytesPerLine(size_t(image.bytesPerLine()))
        , width(image.width())
        , height(image.height())
    {
    }
    const QRgb *row(int y) const { return reinterpret_cast<const QRgb *>(bits + size_t(y) * bytesPerLine); }

    const uchar *bits;
    size_t bytesPerLine;
    int width, height;
};

// The alpha of pixels [x0, x0 + 16) x [y0, y0 + 16), turned on its side: row i of `out` holds
// column x0 + i. Pixels outside the image read as 0.
void alphaTileOnItsSide(const PixelRows &image, int x0, int y0, uint8_t *out, size_t outStride)
{
    const int rows = std::min(kGroup, image.height - y0);
    const int columns = std::min(kGroup, image.width - x0);
#if defined(__SSE2__)
    __m128i tile[kGroup];
    for (int j = 0; j < kGroup; ++j)
        tile[j] = j < rows ? alphaOf(image.row(y0 + j) + x0, columns) : _mm_setzero_si128();
    transpose16(tile);
    for (int i = 0; i < kGroup; ++i)
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + size_t(i) * outStride), tile[i]);
#else
    for (int i = 0; i < kGroup; ++i)
        std::fill(out + size_t(i) * outStride, out + size_t(i) * outStride + kGroup, uint8_t(0));
    for (int j = 0; j < rows; ++j) {
        const QRgb *src = image.row(y0 + j) + x0;
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

// The image's alpha blurred along its rows into `plane` (roundUp(height, 16) rows of `stride`
// bytes), kBlock rows at a time: each strip is turned on its side into a buffer that stays in
// cache, blurred down its columns and turned back.
void blurAlphaRows(const PixelRows &image, uint8_t *plane, size_t stride, int s, int t, uint8_t *strip, Scratch &scratch)
{
    for (int y0 = 0; y0 < image.height; y0 += kBlock) {
        const int groups = std::min(kBlockGroups, roundUp(image.height - y0, kGroup) / kGroup);
        for (int g = 0; g < groups; ++g)
            for (int x0 = 0; x0 < image.width; x0 += kGroup)
                alphaTileOnItsSide(image, x0, y0 + g * kGroup, strip + size_t(x0) * kBlock + size_t(g) * kGroup, kBlock);
        blurBlock(strip, kBlock, strip, kBlock, image.width, groups, s, t, scratch);
        for (int g = 0; g < groups; ++g)
            for (int x0 = 0; x0 < image.width; x0 += kGroup)
                transposeTile(strip + size_t(x0) * kBlock + size_t(g) * kGroup, kBlock,
                              plane + size_t(y0 + g * kGroup) * stride + size_t(x0), stride);
    }
}

// Writes `count` pixels, pixelOf(0) to pixelOf(count - 1), asked for in that order. An image too big for the caches is
// written with streaming stores, which do not fetch the lines they overwrite; finishWriting()
// then orders them before what follows.
template <typename PixelOf>
void writePixels(QRgb *dst, int count, bool streaming, PixelOf pixelOf)
{
    int x = 0;
#if defined(__SSE2__)
    if (streaming) {
        for (; x < count && (reinterpret_cast<quintptr>(dst + x) & 15) != 0; ++x)
            dst[x] = pixelOf(x);
        for (; x + 4 <= count; x += 4) {
            const QRgb p0 = pixelOf(x), p1 = pixelOf(x + 1), p2 = pixelOf(x + 2), p3 = pixelOf(x + 3);
            _mm_stream_si128(reinterpret_cast<__m128i *>(dst + x), _mm_set_epi32(int(p3), int(p2), int(p1), int(p0)));
        }
    }
#else
    Q_UNUSED(streaming);
#endif
    for (; x < count; ++x)
        dst[x] = pixelOf(x);
}

void finishWriting(bool streaming)
{
#if defined(__SSE2__)
    if (streaming)
        _mm_sfence();
#else
    Q_UNUSED(streaming);
#endif
}

// Above this many bytes an output image goes past the caches.
constexpr qsizetype kStreamingBytes = qsizetype(8) << 20;

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

    const int r = std::clamp(radius, 0, 128);
    const int s = r / 2;
    const int t = std::max(0, (r % 2 == 0) ? s - 1 : s);
    const PixelRows source(image);
    const int width = source.width;
    const int height = source.height;

    // The alpha channel alone carries the result: it is blurred as a plane of bytes, the rows
    // through strips turned on their side, then the columns in blocks, many columns abreast.
    const int columns = roundUp(width, kGroup);
    // A row length that is a multiple of a large power of two would put a column's bytes in a
    // few cache sets only; one more cache line avoids that.
    const size_t stride = size_t(columns >= 1024 && columns % 512 == 0 ? columns + 64 : columns);
    std::unique_ptr<uint8_t[]> plane, strip;
    std::unique_ptr<Scratch> scratch;
    // Radius 1 makes three one-pixel boxes: the alpha stays as it is.
    if (r > 1) {
        plane = buffer<uint8_t>(size_t(roundUp(height, kGroup)) * stride);
        strip = buffer<uint8_t>(size_t(columns) * kBlock);
        scratch = std::make_unique<Scratch>(std::max(width, height));
        if (!plane || !strip || !scratch->first || !scratch->second)
            return;
        blurAlphaRows(source, plane.get(), stride, s, t, strip.get(), *scratch);
        for (int x0 = 0; x0 < columns; x0 += kBlock) {
            uint8_t *block = plane.get() + x0;
            blurBlock(block, stride, block, stride, height, std::min(kBlockGroups, (columns - x0) / kGroup), s, t, *scratch);
        }
    }

    // Every pixel is rewritten: a shared or non-premultiplied image is replaced rather than copied.
    const bool inPlace = image.format() == QImage::Format_ARGB32_Premultiplied && image.isDetached();
    QImage target = inPlace ? QImage() : blankLike(image);
    QImage &out = inPlace ? image : target;
    if (out.isNull())
        return;
    uchar *outBits = out.bits();
    const size_t outBytesPerLine = size_t(out.bytesPerLine());
    auto outRow = [&](int y) { return reinterpret_cast<QRgb *>(outBits + size_t(y) * outBytesPerLine); };
    const std::array<QRgb, 256> tint = tintTable(color);
    const bool streaming = out.sizeInBytes() > kStreamingBytes;

    if (r <= 1) {
        std::vector<uint8_t> alpha(static_cast<size_t>(width));
        for (int y = 0; y < height; ++y) {
            const QRgb *src = source.row(y);
            for (int x = 0; x < width; ++x)
                alpha[size_t(x)] = uint8_t(qAlpha(src[x]));
            writePixels(outRow(y), width, streaming, [&](int x) { return tint[alpha[size_t(x)]]; });
        }
    } else {
        for (int y = 0; y < height; ++y) {
            const uint8_t *alpha = plane.get() + size_t(y) * stride;
            writePixels(outRow(y), width, streaming, [&](int x) { return tint[alpha[x]]; });
        }
    }
    finishWriting(streaming);
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

#if defined(__SSE2__)
// Whether any of the 16 pixels from `src` has a non-zero alpha.
inline bool anyOpaque16(const QRgb *src)
{
    const auto *p = reinterpret_cast<const __m128i *>(src);
    const __m128i any = _mm_or_si128(_mm_or_si128(_mm_loadu_si128(p), _mm_loadu_si128(p + 1)),
                                     _mm_or_si128(_mm_loadu_si128(p + 2), _mm_loadu_si128(p + 3)));
    const __m128i alpha = _mm_and_si128(any, _mm_set1_epi32(int(0xFF000000u)));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(alpha, _mm_setzero_si128())) != 0xFFFF;
}
#endif

// The first pixel of [0, width) with a non-zero alpha, or `width`.
int firstOpaque(const QRgb *src, int width)
{
    int x = 0;
#if defined(__SSE2__)
    while (x + 16 <= width && !anyOpaque16(src + x))
        x += 16;
#endif
    while (x < width && !opaque(src[x]))
        ++x;
    return x;
}

// The last pixel of [first, width) with a non-zero alpha, knowing that `first` has one.
int lastOpaque(const QRgb *src, int first, int width)
{
    int end = width;
#if defined(__SSE2__)
    while (end - 16 > first && !anyOpaque16(src + end - 16))
        end -= 16;
#endif
    int x = end - 1;
    while (!opaque(src[x]))
        --x;
    return x;
}

// Glows up to this size take the minimum over a window of rows, in 16-bit lanes; larger ones
// take the lower envelope of parabolas along each row, whose cost does not grow with the size.
constexpr int kWindowedGlowMax = 32;

// Squared horizontal distance from each pixel of `src` to the nearest opaque pixel of its row,
// `cap` squared where that is `cap` or more away. Returns the columns that are nearer than
// `cap` to an opaque pixel (first > last when the row has none).
std::pair<int, int> rowDistances(const QRgb *src, int width, int cap, uint16_t *out, int outLength)
{
    const int first = firstOpaque(src, width);
    if (first == width)
        return {0, -1};
    const int last = lastOpaque(src, first, width);
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
void glowWindowed(const QImage &image, QImage &out, int n, const std::vector<QRgb> &pixelAt, bool streaming)
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
            writePixels(dst, width, streaming, [](int) { return QRgb(0); });
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
        writePixels(dst, lo, streaming, [](int) { return QRgb(0); });
        const uint16_t *d = nearest.data() + lo;
        writePixels(dst + lo, hi + 1 - lo, streaming, [&](int x) { return pixelAt[d[x]]; });
        writePixels(dst + hi + 1, width - hi - 1, streaming, [](int) { return QRgb(0); });
    }
}

// Large glows: vertical distances (capped at n + 1) in two sweeps down the image, then along each
// row the lower envelope of the parabolas (x - p)^2 + vertical(p)^2. Every pass runs along memory.
void glowEnvelope(const QImage &image, QImage &out, int n, const std::vector<QRgb> &pixelAt, bool streaming)
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
            writePixels(dst, width, streaming, [](int) { return QRgb(0); });
            continue;
        }
        int j = 0;
        writePixels(dst, width, streaming, [&](int x) {
            while (bounds[size_t(j) + 1] < x)
                ++j;
            const int p = vertices[size_t(j)];
            const qint64 d = qint64(x - p) * (x - p) + qint64(v[p]) * v[p];
            return d <= limit ? pixelAt[size_t(d)] : QRgb(0);
        });
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

    const bool streaming = out.sizeInBytes() > kStreamingBytes;
    if (windowed)
        glowWindowed(image, out, n, pixelAt, streaming);
    else
        glowEnvelope(image, out, n, pixelAt, streaming);
    finishWriting(streaming);
    return out;
}
