// SPDX-License-Identifier: MIT
// Animated GIFs for the rich text tests, written by the skin generator's GIF writer (compiled
// into the test), and a hand-made header that declares more pixels than any image may have.
#ifndef GIFTEST_H
#define GIFTEST_H

#include "../../tools/skin/gifwriter.cpp"

#include <QtCore/qfile.h>
#include <QtGui/qcolor.h>
#include <QtGui/qimage.h>

namespace giftest {

// One frame per colour, each filled with its colour; every frame shows for `delayMs`.
inline QByteArray gif(const QList<QColor> &colours, int delayMs = 100, QSize size = QSize(8, 8))
{
    QList<QRgb> table;
    for (const QColor &c : colours)
        table.append(c.rgb());
    QList<QImage> frames;
    for (int i = 0; i < colours.size(); ++i) {
        QImage frame(size, QImage::Format_Indexed8);
        frame.setColorTable(table);
        frame.fill(uint(i));
        frames.append(frame);
    }
    return skin::encodeGif(frames, -1, delayMs);
}

inline QByteArray redGreenBlue(int delayMs = 100, QSize size = QSize(8, 8))
{
    return gif({Qt::red, Qt::green, Qt::blue}, delayMs, size);
}

// 40 bytes: a GIF89a header declaring 65535 x 65535 pixels, a two-colour table and a 1 x 1
// image. Nothing may decode it at its declared size.
inline QByteArray hugeDeclared()
{
    QByteArray out("GIF89a\xFF\xFF\xFF\xFF\x80\x00\x00", 13);
    out.append("\x00\x00\x00\xFF\xFF\xFF", 6);
    out.append("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    out.append("\x02\x02\x44\x01\x00\x3B", 6);
    while (out.size() < 40)
        out.insert(out.size() - 1, char(0));
    return out;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace giftest

#endif // GIFTEST_H
