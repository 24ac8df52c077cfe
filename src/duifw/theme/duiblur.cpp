// SPDX-License-Identifier: MIT
#include "duiblur_p.h"

#include "duilargememory_p.h"

#include <QtCore/qalgorithms.h>
#include <QtCore/qmutex.h>
#include <QtCore/qnumeric.h>
#include <QtGui/qcolorspace.h>
#include <QtGui/qpainter.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <system_error>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The blur works on 16 columns at a time (one vector of bytes), transposes 16 x 16 tiles and
// keeps its rows at multiples of 16 bytes. What lands in that padding is never read back into
// the picture.
constexpr int kGroup = 16;

constexpr int roundUp(int v, int to)
{
    return (v + to - 1) / to * to;
}

// Working memory of one blur or glow, carved from a block the thread keeps between them. The
// rows a blur keeps come to a megabyte at 2048 pixels wide; memory that size comes fresh from the
// system on every call and is zeroed there page by page, a tenth of the blur's own time. A call
// that finds the block too small takes the heap this time and leaves a block of the size it
// needed for the next. Blocks beyond kMaxKept are not kept.
class Scratch
{
public:
    static constexpr size_t kMaxKept = size_t(8) << 20;

    // The thread's own block (0), and one for a helper thread working for it meanwhile (1).
    static Scratch &forThread(int which = 0)
    {
        thread_local Scratch scratch[2];
        return scratch[which];
    }

    // The block of the blur or glow this thread is running, if any.
    static Scratch *current() { return currentSlot(); }

    // A part of the block, or null when the block has no room left.
    void *take(size_t bytes)
    {
        // Rows are powers of two long as often as not; parts that all began on the same page
        // offset would fight over the same cache sets. Each part is moved on by a few lines.
        bytes = ((bytes + 63) & ~size_t(63)) + 5 * 64;
        m_needed += bytes;
        if (!m_active || m_used + bytes > m_size)
            return nullptr;
        void *part = m_block.get() + m_used;
        m_used += bytes;
        return part;
    }

    // Marks one blur or glow in this thread: parts taken in its lifetime come from the block.
    class Use
    {
    public:
        explicit Use(Scratch &scratch = forThread())
            : m_scratch(scratch)
            , m_outer(scratch.m_active)
            , m_previous(currentSlot())
        {
            currentSlot() = &scratch;
            if (!m_outer) {
                m_scratch.m_active = true;
                m_scratch.m_used = m_scratch.m_needed = 0;
            }
        }
        ~Use()
        {
            currentSlot() = m_previous;
            if (m_outer)
                return;
            m_scratch.m_active = false;
            if (m_scratch.m_needed > m_scratch.m_size && m_scratch.m_needed <= kMaxKept) {
                m_scratch.m_block.reset(new (std::nothrow) uint8_t[m_scratch.m_needed]);
                m_scratch.m_size = m_scratch.m_block ? m_scratch.m_needed : 0;
            }
        }
        Q_DISABLE_COPY(Use)

    private:
        Scratch &m_scratch;
        const bool m_outer;
        Scratch *const m_previous;
    };

private:
    static Scratch *&currentSlot()
    {
        thread_local Scratch *slot = nullptr;
        return slot;
    }

    std::unique_ptr<uint8_t[]> m_block;
    size_t m_size = 0;
    size_t m_used = 0;
    size_t m_needed = 0;
    bool m_active = false;
};

// Frees what came from the heap and leaves parts of the scratch block alone.
struct ScratchDelete
{
    bool fromHeap = true;
    template <typename T>
    void operator()(T *p) const
    {
        if (fromHeap)
            delete[] p;
    }
};

template <typename T>
using Buffer = std::unique_ptr<T[], ScratchDelete>;

// An uninitialised buffer (every byte the blur reads it writes first); null when memory is short.
template <typename T>
Buffer<T> buffer(size_t count)
{
    static_assert(std::is_trivial_v<T>);
    Scratch *scratch = Scratch::current();
    if (void *part = scratch ? scratch->take(count * sizeof(T)) : nullptr)
        return Buffer<T>(static_cast<T *>(part), ScratchDelete{false});
    return Buffer<T>(new (std::nothrow) T[count], ScratchDelete{true});
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

// One box step down a strip 16 columns wide: out row i is the mean of in rows i-above..i+below,
// rows beyond either end repeating the first or the last. Fixed point with a 15-bit weight,
// rounded down. Values between the steps stay in 16 bits to save packing and unpacking; they
// never exceed 255.
template <typename In, typename Out>
void boxStepDown(const In *in, Out *out, int rows, int above, int below)
{
    const int m = above + 1 + below;
    const unsigned weight = ((1u << 15) + unsigned(m) - 1) / unsigned(m);
    auto inRow = [&](int i) { return in + size_t(std::clamp(i, 0, rows - 1)) * kGroup; };
#if defined(__SSE2__)
    // The window holds two rows or more, so twice the weight fits 16 bits and the high half of
    // the 16-bit product is the 15-bit shift. Sums reach 255 x 129: unsigned 16-bit lanes.
    const __m128i weight2 = _mm_set1_epi16(short(uint16_t(weight * 2)));
    __m128i low = _mm_setzero_si128(), high = _mm_setzero_si128();
    for (int j = -above; j <= below; ++j) {
        __m128i l, h;
        load16(inRow(j), l, h);
        low = _mm_add_epi16(low, l);
        high = _mm_add_epi16(high, h);
    }
    for (int i = 0; i < rows; ++i) {
        store16(out + size_t(i) * kGroup, _mm_mulhi_epu16(low, weight2), _mm_mulhi_epu16(high, weight2));
        __m128i al, ah, sl, sh;
        load16(inRow(i + below + 1), al, ah);
        load16(inRow(i - above), sl, sh);
        low = _mm_sub_epi16(_mm_add_epi16(low, al), sl);
        high = _mm_sub_epi16(_mm_add_epi16(high, ah), sh);
    }
#else
    uint32_t sum[kGroup] = {};
    for (int j = -above; j <= below; ++j) {
        const In *r = inRow(j);
        for (int c = 0; c < kGroup; ++c)
            sum[c] += r[c];
    }
    for (int i = 0; i < rows; ++i) {
        Out *o = out + size_t(i) * kGroup;
        const In *add = inRow(i + below + 1);
        const In *sub = inRow(i - above);
        for (int c = 0; c < kGroup; ++c) {
            o[c] = Out(std::min(255u, (sum[c] * weight) >> 15));
            sum[c] += unsigned(add[c]) - unsigned(sub[c]);
        }
    }
#endif
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

// Asks the processor to bring pixels [x0, x0 + 16) of row y into the cache ahead of their use,
// so that reading a large picture overlaps with the arithmetic instead of stalling it. Rows
// outside the picture are ignored.
inline void prefetchPixels(const PixelRows &image, int y, int x0)
{
#if defined(__SSE2__)
    if (y < image.height)
        _mm_prefetch(reinterpret_cast<const char *>(image.row(y) + x0), _MM_HINT_T0);
#else
    Q_UNUSED(image);
    Q_UNUSED(y);
    Q_UNUSED(x0);
#endif
}

// The alpha bytes of rows [y0, y0 + count), count at most 16, into rows of `out` at least
// roundUp(width, 16) long, zeros past the width.
void alphaRows(const PixelRows &image, int y0, int count, uint8_t *out, size_t outStride)
{
    // Row by row, along memory: the processor sees one stream and fetches ahead of it.
    for (int j = 0; j < count; ++j) {
        for (int x0 = 0; x0 < image.width; x0 += kGroup) {
            const int columns = std::min(kGroup, image.width - x0);
            uint8_t *o = out + size_t(j) * outStride + size_t(x0);
#if defined(__SSE2__)
            _mm_storeu_si128(reinterpret_cast<__m128i *>(o), alphaOf(image.row(y0 + j) + x0, columns));
#else
            const QRgb *src = image.row(y0 + j) + x0;
            for (int x = 0; x < columns; ++x)
                o[x] = uint8_t(qAlpha(src[x]));
            std::fill(o + columns, o + kGroup, uint8_t(0));
#endif
        }
    }
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

// The last rows of a stream, row y at slot y % count.
template <typename T>
struct RowRing
{
    RowRing(int rowCount, size_t rowStride)
        : count(rowCount)
        , stride(rowStride)
        , data(buffer<T>(size_t(rowCount) * rowStride))
    {
    }
    T *row(int y) const { return data.get() + size_t(y % count) * stride; }

    int count;
    size_t stride;
    Buffer<T> data;
};

// A picture-high stream of rows, made in order on demand and kept in a ring for as long as the
// step reading it needs them. Rows above and below the picture repeat its first and last.
template <typename T>
class RowStream
{
public:
    // Rows from `begin` on are made; a reader never asks for rows before it, except those
    // clamped to the picture's first.
    RowStream(int rows, int kept, size_t stride, int begin)
        : m_rows(rows)
        , m_begin(begin)
        , m_ring(kept, stride)
        , m_made(begin)
    {
    }
    virtual ~RowStream() = default;
    bool isValid() const { return m_ring.data != nullptr; }

    const T *row(int y)
    {
        y = std::clamp(y, 0, m_rows - 1);
        while (m_made <= y)
            m_made = make(m_made);
        return m_ring.row(y);
    }

protected:
    // Makes rows from `first` on (at least that one) and returns the next row to make.
    virtual int make(int first) = 0;
    T *slot(int y) const { return m_ring.row(y); }
    size_t stride() const { return m_ring.stride; }

    const int m_rows;
    const int m_begin;

private:
    RowRing<T> m_ring;
    int m_made;
};

// The image's alpha blurred along its rows, 16 rows at a time: each strip is turned on its side
// into a buffer that stays in cache, blurred down its 16 columns and turned back.
class RowBlur : public RowStream<uint8_t>
{
public:
    // `kept` and `begin` must be multiples of 16, so that the 16 rows of a strip fall in
    // consecutive slots.
    RowBlur(const PixelRows &image, int kept, int s, int t, int begin)
        : RowStream(image.height, kept, size_t(roundUp(image.width, kGroup)), begin)
        , m_image(image)
        , m_s(s)
        , m_t(t)
        , m_strip(buffer<uint8_t>(stride() * kGroup))
        , m_alpha(buffer<uint8_t>(stride() * kGroup))
        , m_first(buffer<uint16_t>(stride() * kGroup))
        , m_second(buffer<uint16_t>(stride() * kGroup))
    {
    }
    bool isValid() const { return RowStream::isValid() && m_strip && m_alpha && m_first && m_second; }

protected:
    int make(int y0) override
    {
        const int width = m_image.width;
        uint8_t *strip = m_strip.get();
        // The strip's alpha is read along the picture's rows, then turned on its side in cache.
        uint8_t *alpha = m_alpha.get();
        const int count = std::min(kGroup, m_rows - y0);
        alphaRows(m_image, y0, count, alpha, stride());
        std::fill(alpha + size_t(count) * stride(), alpha + size_t(kGroup) * stride(), uint8_t(0));
        for (int x0 = 0; x0 < width; x0 += kGroup)
            transposeTile(alpha + x0, stride(), strip + size_t(x0) * kGroup, kGroup);
        boxStepDown(strip, m_first.get(), width, m_t, m_s);
        boxStepDown(m_first.get(), m_second.get(), width, m_s, m_t);
        boxStepDown(m_second.get(), strip, width, m_s, m_s);
        for (int x0 = 0; x0 < width; x0 += kGroup)
            transposeTile(strip + size_t(x0) * kGroup, kGroup, slot(y0) + x0, stride());
        m_next = y0 + kGroup;
        return m_next;
    }

public:
    // Row j of the strip this stream makes next, to be fetched ahead; rows past the picture are
    // ignored by prefetchPixels.
    int pendingRow(int j) const { return m_next + j; }

private:
    int m_next = 0;
    const PixelRows &m_image;
    const int m_s, m_t;
    Buffer<uint8_t> m_strip, m_alpha;
    Buffer<uint16_t> m_first, m_second;
};

// One box step down another stream, across all its columns at once: row i is the mean of input
// rows i-above..i+below, in the same fixed point as boxStepDown. The running sums are kept per
// column in 16 bits.
template <typename In, typename Out>
class BoxDown : public RowStream<Out>
{
public:
    BoxDown(RowStream<In> &input, int rows, int columns, int above, int below, int kept, int begin)
        : RowStream<Out>(rows, kept, size_t(columns), begin)
        , m_input(input)
        , m_columns(columns)
        , m_above(above)
        , m_below(below)
        , m_weight(((1u << 15) + unsigned(above + 1 + below) - 1) / unsigned(above + 1 + below))
        , m_sums(buffer<uint16_t>(size_t(columns)))
    {
    }
    bool isValid() const { return RowStream<Out>::isValid() && m_sums; }

protected:
    int make(int i) override
    {
        uint16_t *sums = m_sums.get();
        if (i == this->m_begin) {
            std::fill(sums, sums + m_columns, uint16_t(0));
            for (int j = -m_above; j <= m_below; ++j) {
                const In *r = m_input.row(i + j);
#if defined(__SSE2__)
                for (int c = 0; c < m_columns; c += kGroup) {
                    __m128i low, high, rl, rh;
                    load16(sums + c, low, high);
                    load16(r + c, rl, rh);
                    store16(sums + c, _mm_add_epi16(low, rl), _mm_add_epi16(high, rh));
                }
#else
                for (int c = 0; c < m_columns; ++c)
                    sums[c] = uint16_t(sums[c] + r[c]);
#endif
            }
        }
        // The newer row first: making it may reuse the slot of an older one no longer needed.
        const In *add = m_input.row(i + m_below + 1);
        const In *sub = m_input.row(i - m_above);
        Out *out = this->slot(i);
#if defined(__SSE2__)
        const __m128i weight2 = _mm_set1_epi16(short(uint16_t(m_weight * 2)));
        for (int c = 0; c < m_columns; c += kGroup) {
            __m128i low, high, al, ah, sl, sh;
            load16(sums + c, low, high);
            store16(out + c, _mm_mulhi_epu16(low, weight2), _mm_mulhi_epu16(high, weight2));
            load16(add + c, al, ah);
            load16(sub + c, sl, sh);
            store16(sums + c, _mm_sub_epi16(_mm_add_epi16(low, al), sl), _mm_sub_epi16(_mm_add_epi16(high, ah), sh));
        }
#else
        for (int c = 0; c < m_columns; ++c) {
            out[c] = Out(std::min(255u, (unsigned(sums[c]) * m_weight) >> 15));
            sums[c] = uint16_t(sums[c] + add[c] - sub[c]);
        }
#endif
        return i + 1;
    }

private:
    RowStream<In> &m_input;
    const int m_columns, m_above, m_below;
    const unsigned m_weight;
    Buffer<uint16_t> m_sums;
};

// Writes `count` pixels, pixelOf(0) to pixelOf(count - 1), asked for in that order. An image too
// big for the caches is written with streaming stores, which do not fetch the lines they
// overwrite; finishWriting() then orders them before what follows.
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

// A picture of this many pixels or more is blurred or glows in two bands of rows at once, the
// second in a thread of its own: reading and writing some 32 MB per call is bound by memory, and
// two cores keep twice as many reads and writes on the way. Below it, starting a thread (some tens
// of microseconds) costs more than it saves.
constexpr qsizetype kBandedPixels = qsizetype(1) << 20;

// Runs band(from, to, part) over rows [0, height): in two halves at once for large pictures when
// `split` allows, part 0 in this thread and part 1 in another; else (or when no thread can be
// started) in one piece, part 0, in this thread.
template <typename Band>
void inBands(int height, qsizetype pixels, bool split, Band band)
{
    if (!split || pixels < kBandedPixels || height < 64) {
        band(0, height, 0);
        return;
    }
    const int middle = height / 2;
    std::thread other;
    try {
        other = std::thread([&] { band(middle, height, 1); });
    } catch (const std::system_error &) {
        band(0, height, 0);
        return;
    }
    band(0, middle, 0);
    other.join();
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

// The pixels of the pictures the blur and the glow make. A large item with a shadow or a glow has
// it made again on every repaint, each time into a new picture of the same size. Memory of that
// size comes fresh from the system, which zeroes it page by page as it is first written: at
// 2048 x 2048 that costs a third as much as the blur itself. So the last buffer released is kept
// (one, up to 64 MB) and handed out again for the next picture of the same size.
class SpareBuffer
{
public:
    static constexpr size_t kMaxKept = size_t(64) << 20;
    // Room before the pixels for the buffer's size, keeping them 16-byte aligned.
    static constexpr size_t kHeader = 16;

    void *take(size_t bytes)
    {
        const QMutexLocker lock(&m_mutex);
        if (!m_data || m_bytes != bytes)
            return nullptr;
        return std::exchange(m_data, nullptr);
    }

    void give(void *data, size_t bytes)
    {
        void *dropped = data;
        if (bytes <= kMaxKept) {
            const QMutexLocker lock(&m_mutex);
            dropped = std::exchange(m_data, data);
            m_bytes = bytes;
        }
        std::free(dropped);
    }

    // Never destroyed: pictures may be released after static destruction has begun.
    static SpareBuffer &instance()
    {
        static SpareBuffer *spare = new SpareBuffer;
        return *spare;
    }

private:
    QMutex m_mutex;
    void *m_data = nullptr;
    size_t m_bytes = 0;
};

void releasePixels(void *block)
{
    size_t bytes;
    std::memcpy(&bytes, block, sizeof bytes);
    SpareBuffer::instance().give(block, bytes);
}

// A 32-bit picture whose pixels come from the spare buffer when it fits; null when memory is short.
QImage pooledImage(int width, int height, QImage::Format format)
{
    if (width <= 0 || height <= 0)
        return QImage();
    const size_t bytesPerLine = size_t(width) * 4;
    size_t bytes;
    if (qMulOverflow(bytesPerLine, size_t(height), &bytes) || qAddOverflow(bytes, SpareBuffer::kHeader, &bytes))
        return QImage();
    void *block = SpareBuffer::instance().take(bytes);
    if (!block)
        block = duiAllocateLarge(bytes);
    if (!block)
        return QImage();
    std::memcpy(block, &bytes, sizeof bytes);
    return QImage(static_cast<uchar *>(block) + SpareBuffer::kHeader, width, height, qsizetype(bytesPerLine), format,
                  releasePixels, block);
}

// A premultiplied image of the same size and metadata as `image`, as converting it would give.
QImage blankLike(const QImage &image)
{
    QImage out = pooledImage(image.width(), image.height(), QImage::Format_ARGB32_Premultiplied);
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
        // Radius 1 makes three one-pixel boxes: the alpha stays as it is.
        std::vector<uint8_t> alpha(static_cast<size_t>(width));
        for (int y = 0; y < height; ++y) {
            const QRgb *src = source.row(y);
            for (int x = 0; x < width; ++x)
                alpha[size_t(x)] = uint8_t(qAlpha(src[x]));
            writePixels(outRow(y), width, streaming, [&](int x) { return tint[alpha[size_t(x)]]; });
        }
        finishWriting(streaming);
    } else {
        // Only the alpha matters, blurred as bytes: along the rows in strips turned on their
        // side, then down by three box steps that keep only the rows the next one reads, so all
        // but the image stays in cache. A row is written after its pixels were read: in place works,
        // in one band. A large picture blurred into a new one goes in two bands at once, each
        // starting its streams as far above its first row as the steps below reach.
        const int columns = roundUp(width, kGroup);
        Scratch *scratches[2] = {&Scratch::forThread(0), &Scratch::forThread(1)};
        std::atomic<bool> failed {false};
        inBands(height, qsizetype(width) * height, !inPlace, [&](int from, int to, int part) {
            const Scratch::Use scratch(*scratches[part]); // outlives the streams, whose rows it holds
            const int secondBegin = std::max(0, from - s);
            const int firstBegin = std::max(0, secondBegin - s);
            const int rowsBegin = std::max(0, firstBegin - t) / kGroup * kGroup;
            // Each stream keeps the rows its reader's window spans, plus the one it adds next (and
            // the row blur a strip more, as it makes a strip at a time).
            RowBlur rows(source, roundUp(t + 1 + s + 1 + kGroup, kGroup), s, t, rowsBegin);
            BoxDown<uint8_t, uint16_t> first(rows, height, columns, t, s, s + 1 + t + 1, firstBegin);
            BoxDown<uint16_t, uint16_t> second(first, height, columns, s, t, s + 1 + s + 1, secondBegin);
            BoxDown<uint16_t, uint8_t> third(second, height, columns, s, s, 1, from);
            if (!rows.isValid() || !first.isValid() || !second.isValid() || !third.isValid()) {
                failed = true;
                return;
            }
            for (int y = from; y < to; ++y) {
                const uint8_t *alpha = third.row(y);
                // While a row is written, one row of the picture's next strip is fetched, a
                // cache line per 16 pixels: reading a picture too large for the caches then
                // overlaps the arithmetic instead of stalling it at the start of every strip.
                const int ahead = rows.pendingRow(y % kGroup);
                writePixels(outRow(y), width, streaming, [&](int x) {
                    if ((x & (kGroup - 1)) == 0)
                        prefetchPixels(source, ahead, x);
                    return tint[alpha[x]];
                });
            }
            finishWriting(streaming);
        });
        if (failed)
            return; // memory ran short before anything was written in place; a new picture is dropped
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

// The first of the alpha bytes [from, to) that is non-zero (zero, when `nonZero` is false), or
// `to` if there is none.
int findAlpha(const uint8_t *alpha, int from, int to, bool nonZero)
{
    int x = from;
#if defined(__SSE2__)
    for (; x + kGroup <= to; x += kGroup) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(alpha + x));
        const unsigned zeros = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_setzero_si128())));
        const unsigned hits = nonZero ? ~zeros & 0xFFFFu : zeros;
        if (hits != 0)
            return x + int(qCountTrailingZeroBits(hits));
    }
#endif
    for (; x < to; ++x) {
        if ((alpha[x] != 0) == nonZero)
            return x;
    }
    return to;
}

// The last of `width` alpha bytes that is not zero, knowing that the one at `first` is not.
int lastOpaque(const uint8_t *alpha, int first, int width)
{
    int end = width;
#if defined(__SSE2__)
    for (; end - kGroup > first; end -= kGroup) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(alpha + end - kGroup));
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_setzero_si128())) != 0xFFFF)
            break;
    }
#endif
    int x = end - 1;
    while (x > first && alpha[x] == 0)
        --x;
    return x;
}

// Glows up to this size take the minimum over a window of rows, in 16-bit lanes; larger ones
// take the lower envelope of parabolas along each row, whose cost does not grow with the size.
constexpr int kWindowedGlowMax = 32;

// Squared horizontal distance from each pixel of a row (given by its alpha bytes) to the nearest
// opaque pixel of the row, `cap` squared where that is `cap` or more away. Returns the columns
// that are nearer than `cap` to an opaque pixel (first > last when the row has none).
std::pair<int, int> rowDistances(const uint8_t *alpha, int width, int cap, uint16_t *out, int outLength)
{
    const int first = findAlpha(alpha, 0, width, true);
    if (first == width)
        return {0, -1};
    const int last = lastOpaque(alpha, first, width);
    const int from = std::max(0, first - (cap - 1));
    const int to = std::min(width - 1, last + (cap - 1));
    auto squared = [cap](int d) {
        d = std::min(d, cap);
        return uint16_t(d * d);
    };
    std::fill(out, out + from, squared(cap));
    for (int x = from; x < first; ++x)
        out[x] = squared(first - x);
    // Runs of opaque pixels and the gaps between them, found 16 pixels at a time.
    for (int x = first;;) {
        const int gap = findAlpha(alpha, x, last + 1, false);
        std::fill(out + x, out + gap, uint16_t(0));
        if (gap > last)
            break;
        const int next = findAlpha(alpha, gap, last + 1, true);
        for (int i = gap; i < next; ++i)
            out[i] = squared(std::min(i - (gap - 1), next - i));
        x = next;
    }
    for (int x = last + 1; x <= to; ++x)
        out[x] = squared(x - last);
    std::fill(out + to + 1, out + outLength, squared(cap));
    return {from, to};
}

// Small glows: each output row is the minimum of dy^2 plus the squared row distances of the rows
// up to n above and below, kept in a ring of 2n + 1 rows so the working set is a few rows.
void glowWindowed(const QImage &image, uchar *outBits, qsizetype outBytesPerLine, int n,
                  const std::vector<QRgb> &pixelAt, bool streaming, int firstRow, int endRow)
{
    // Output rows made together: their windows share all but a few rows, so each row distance
    // is loaded once for all of them instead of once per output row. A window of a wide picture
    // outgrows the first-level cache, and the loads, not the arithmetic, were the cost.
    constexpr int kRowsAtOnce = 4;
    const int width = image.width();
    const int height = image.height();
    const int window = 2 * n + kRowsAtOnce; // the rows the outputs of one step look at
    const int stride = roundUp(width, 8);
    // Larger than any sum below, and an index of pixelAt.
    const uint16_t none = uint16_t(pixelAt.size() - 1);
    // Added for a row outside an output's window: the sum stays below 2^15 and above `none`.
    constexpr uint16_t kOutside = 0x4000;
    std::vector<uint16_t> ring(size_t(window) * size_t(stride));
    std::vector<std::pair<int, int>> spans(static_cast<size_t>(window));
    std::vector<uint16_t> nearest(size_t(kRowsAtOnce) * size_t(stride));
    // The alpha of the row entering the window. Read a row at a time, the picture is one
    // steady stream along memory, which the processor fetches ahead of by itself.
    const PixelRows source(image);
    std::vector<uint8_t> alpha(size_t(roundUp(width, kGroup)));
    std::vector<const uint16_t *> windowRows(static_cast<size_t>(window));
    // Per window row, what is added for each output row of the step.
    std::vector<std::array<uint16_t, kRowsAtOnce>> windowAdds(static_cast<size_t>(window));
    auto outRow = [&](int y) { return reinterpret_cast<QRgb *>(outBits + y * outBytesPerLine); };
    int entered = std::max(0, firstRow - n);
    for (int y = firstRow; y < endRow; y += kRowsAtOnce) {
        const int rows = std::min(kRowsAtOnce, endRow - y);
        for (; entered < height && entered <= y + rows - 1 + n; ++entered) {
            alphaRows(source, entered, 1, alpha.data(), alpha.size());
            // A few rows further on, fetched while this one is worked on.
            for (int x0 = 0; x0 < width; x0 += kGroup)
                prefetchPixels(source, entered + 4, x0);
            const size_t slot = size_t(entered % window);
            spans[slot] = rowDistances(alpha.data(), width, n + 1, ring.data() + slot * size_t(stride), stride);
        }
        // The rows of the step's windows that have opaque pixels, with their squared distance
        // to each output row, and the columns any of them reaches.
        const int q0 = std::max(0, y - n), q1 = std::min(height - 1, y + rows - 1 + n);
        int lo = width, hi = -1;
        int used = 0;
        for (int q = q0; q <= q1; ++q) {
            const size_t slot = size_t(q % window);
            const auto &span = spans[slot];
            if (span.first > span.second)
                continue;
            lo = std::min(lo, span.first);
            hi = std::max(hi, span.second);
            windowRows[size_t(used)] = ring.data() + slot * size_t(stride);
            for (int j = 0; j < kRowsAtOnce; ++j) {
                const int dy = std::abs(y + j - q);
                windowAdds[size_t(used)][size_t(j)] = dy <= n ? uint16_t(dy * dy) : kOutside;
            }
            ++used;
        }
        if (lo > hi) {
            for (int j = 0; j < rows; ++j)
                writePixels(outRow(y + j), width, streaming, [](int) { return QRgb(0); });
            continue;
        }
        int x = lo / 8 * 8;
        const int x1 = roundUp(hi + 1, 8);
#if defined(__SSE2__)
        // Every value stays below 2^15, so the signed minimum is the unsigned one.
        __m128i adds[2 * kWindowedGlowMax + kRowsAtOnce][kRowsAtOnce];
        for (int k = 0; k < used; ++k) {
            for (int j = 0; j < kRowsAtOnce; ++j)
                adds[k][j] = _mm_set1_epi16(short(windowAdds[size_t(k)][size_t(j)]));
        }
        for (; x < x1; x += 8) {
            __m128i m0 = _mm_set1_epi16(short(none)), m1 = m0, m2 = m0, m3 = m0;
            for (int k = 0; k < used; ++k) {
                const __m128i g = _mm_loadu_si128(reinterpret_cast<const __m128i *>(windowRows[size_t(k)] + x));
                m0 = _mm_min_epi16(m0, _mm_add_epi16(g, adds[k][0]));
                m1 = _mm_min_epi16(m1, _mm_add_epi16(g, adds[k][1]));
                m2 = _mm_min_epi16(m2, _mm_add_epi16(g, adds[k][2]));
                m3 = _mm_min_epi16(m3, _mm_add_epi16(g, adds[k][3]));
            }
            _mm_storeu_si128(reinterpret_cast<__m128i *>(nearest.data() + x), m0);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(nearest.data() + size_t(stride) + x), m1);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(nearest.data() + 2 * size_t(stride) + x), m2);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(nearest.data() + 3 * size_t(stride) + x), m3);
        }
        static_assert(kRowsAtOnce == 4, "the vector loop above makes four rows");
#endif
        for (; x < x1; ++x) {
            for (int j = 0; j < kRowsAtOnce; ++j) {
                uint16_t m = none;
                for (int k = 0; k < used; ++k)
                    m = std::min(m, uint16_t(windowRows[size_t(k)][x] + windowAdds[size_t(k)][size_t(j)]));
                nearest[size_t(j) * size_t(stride) + size_t(x)] = m;
            }
        }
        for (int j = 0; j < rows; ++j) {
            QRgb *dst = outRow(y + j);
            writePixels(dst, lo, streaming, [](int) { return QRgb(0); });
            const uint16_t *d = nearest.data() + size_t(j) * size_t(stride) + lo;
            writePixels(dst + lo, hi + 1 - lo, streaming, [&](int x) { return pixelAt[d[x]]; });
            writePixels(dst + hi + 1, width - hi - 1, streaming, [](int) { return QRgb(0); });
        }
    }
}

// Large glows: vertical distances (capped at n + 1) in two sweeps down the image, then along each
// row the lower envelope of the parabolas (x - p)^2 + vertical(p)^2. Every pass runs along memory.
// False when memory is short.
bool glowEnvelope(const QImage &image, QImage &out, int n, const std::vector<QRgb> &pixelAt, bool streaming)
{
    const int width = image.width();
    const int height = image.height();
    const size_t w = size_t(width);
    const uint16_t cap = uint16_t(n + 1);
    const qint64 limit = qint64(pixelAt.size()) - 1;
    const Buffer<uint16_t> vertical = buffer<uint16_t>(w * size_t(height));
    if (!vertical)
        return false;
    for (int y = 0; y < height; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uint16_t *v = vertical.get() + size_t(y) * w;
        const uint16_t *above = y > 0 ? v - w : nullptr;
        for (size_t x = 0; x < w; ++x)
            v[x] = opaque(src[x]) ? 0 : (above ? std::min(uint16_t(above[x] + 1), cap) : cap);
    }
    for (int y = height - 2; y >= 0; --y) {
        uint16_t *v = vertical.get() + size_t(y) * w;
        const uint16_t *below = v + w;
        for (size_t x = 0; x < w; ++x)
            v[x] = std::min(v[x], uint16_t(below[x] + 1));
    }

    std::vector<int> vertices(w);
    std::vector<double> bounds(w + 1);
    for (int y = 0; y < height; ++y) {
        const uint16_t *v = vertical.get() + size_t(y) * w;
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
    return true;
}

} // namespace

// Beyond this the opacity table alone would take gigabytes.
constexpr int kMaxGlowSize = 1024;

QImage duiMakeGlow(const QImage &source, QRgb rgb, int size, int spread, int alpha)
{
    // Only whether a pixel's alpha is zero matters, which premultiplication does not change.
    const bool direct =
        source.format() == QImage::Format_ARGB32 || source.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage image = direct ? source : source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    QImage out = pooledImage(width, height, QImage::Format_ARGB32);
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
    if (windowed) {
        uchar *bits = out.bits(); // detached here, once: the bands write through it from two threads
        const qsizetype bytesPerLine = out.bytesPerLine();
        inBands(height, qsizetype(width) * height, true, [&](int from, int to, int) {
            glowWindowed(image, bits, bytesPerLine, n, pixelAt, streaming, from, to);
            finishWriting(streaming);
        });
    } else if (const Scratch::Use scratch; !glowEnvelope(image, out, n, pixelAt, streaming))
        out.fill(Qt::transparent);
    finishWriting(streaming);
    return out;
}
