// SPDX-License-Identifier: MIT
#include "gifwriter.h"

namespace skin {

namespace {

void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

// LZW with 4-bit codes and a clear code before every pair of pixels: the code table never
// grows, so no dictionary is needed. Larger than real compression, and tiny for skin icons.
QByteArray lzw(const QImage &frame)
{
    constexpr int kClear = 8;
    constexpr int kEnd = 9;
    QByteArray data;
    quint32 acc = 0;
    int bits = 0;
    auto emitCode = [&](int code) {
        acc |= quint32(code) << bits;
        bits += 4;
        while (bits >= 8) {
            data.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    int n = 0;
    for (int y = 0; y < frame.height(); ++y) {
        const uchar *row = frame.constScanLine(y);
        for (int x = 0; x < frame.width(); ++x, ++n) {
            if (n % 2 == 0)
                emitCode(kClear);
            emitCode(row[x] & 7);
        }
    }
    emitCode(kEnd);
    if (bits > 0)
        data.append(char(acc & 0xFF));
    return data;
}

} // namespace

QByteArray encodeGif(const QList<QImage> &frames, int transparent, int delayMs)
{
    if (frames.isEmpty())
        return QByteArray();
    const QImage &first = frames.first();
    QByteArray out("GIF89a");
    put16(out, first.width());
    put16(out, first.height());
    out.append(char(0xF2)).append(char(0)).append(char(0)); // global table of 8 colours
    const QList<QRgb> table = first.colorTable();
    for (int i = 0; i < 8; ++i) {
        const QRgb c = i < table.size() ? table.at(i) : 0;
        out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16); // loop forever
    put16(out, 0);
    out.append(char(0));
    for (const QImage &frame : frames) {
        out.append("\x21\xF9\x04", 3);
        // Disposal 2 (restore to background) so frames do not pile up; transparency flag.
        out.append(char((2 << 2) | (transparent >= 0 ? 1 : 0)));
        put16(out, (delayMs + 5) / 10);
        out.append(char(transparent >= 0 ? transparent : 0)).append(char(0));
        out.append(char(0x2C));
        put16(out, 0);
        put16(out, 0);
        put16(out, frame.width());
        put16(out, frame.height());
        out.append(char(0));
        out.append(char(3)); // minimum code size: 8 colours
        const QByteArray data = lzw(frame);
        for (int i = 0; i < data.size(); i += 255) {
            const QByteArray chunk = data.mid(i, 255);
            out.append(char(chunk.size())).append(chunk);
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}

} // namespace skin
