// SPDX-License-Identifier: MIT
// makeemoticons OUTDIR: paints the messenger's animated emoticons and writes them as GIFs with
// the skin generator's GIF writer. Each frame is painted without antialiasing in a few flat
// colours, so that it maps exactly onto the writer's table of at most eight colours.
#include "gifwriter.h"

#include <QtCore/qdir.h>
#include <QtCore/qfile.h>
#include <QtCore/qmath.h>
#include <QtGui/qpainter.h>
#include <QtGui/qpainterpath.h>

#include <cstdio>
#include <functional>

namespace {

constexpr int kSide = 28;
constexpr int kFrames = 8;

// Index 0 is transparent; the others are the emoticon's colours.
using Painter = std::function<void(QPainter &, int frame)>;

QImage indexed(const QImage &argb, const QList<QRgb> &table)
{
    QImage frame(argb.size(), QImage::Format_Indexed8);
    frame.setColorTable(table);
    frame.fill(0);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            int best = 1;
            int bestDistance = INT_MAX;
            for (int i = 1; i < table.size(); ++i) {
                const int dr = qRed(pixel) - qRed(table[i]);
                const int dg = qGreen(pixel) - qGreen(table[i]);
                const int db = qBlue(pixel) - qBlue(table[i]);
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = i;
                }
            }
            frame.setPixel(x, y, uint(best));
        }
    }
    return frame;
}

QList<QImage> frames(const QList<QRgb> &table, const Painter &paint)
{
    QList<QImage> out;
    for (int f = 0; f < kFrames; ++f) {
        QImage argb(kSide, kSide, QImage::Format_ARGB32);
        argb.fill(Qt::transparent);
        QPainter painter(&argb);
        painter.setRenderHint(QPainter::Antialiasing, false);
        paint(painter, f);
        painter.end();
        out << indexed(argb, table);
    }
    return out;
}

const QRgb kOutline = qRgb(0x5A, 0x3B, 0x12);

// A face that bobs and winks on the fifth frame.
void smile(QPainter &p, int f)
{
    const int bob = (f % 4 == 1 || f % 4 == 2) ? 1 : 0;
    p.setPen(QPen(QColor(kOutline), 1));
    p.setBrush(QColor(0xFF, 0xC8, 0x2E));
    p.drawEllipse(QRect(2, 2 + bob, 23, 23));
    p.setBrush(QColor(0xFF, 0xE4, 0x7A));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(6, 5 + bob, 9, 5));
    p.setBrush(QColor(kOutline));
    if (f == 4) {
        p.drawRect(QRect(8, 11 + bob, 4, 1));
    } else {
        p.drawRect(QRect(9, 9 + bob, 2, 4));
    }
    p.drawRect(QRect(16, 9 + bob, 2, 4));
    p.setPen(QPen(QColor(kOutline), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(7, 9 + bob, 13, 10), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0x7A, 0x5A));
    p.drawRect(QRect(5, 16 + bob, 3, 2));
    p.drawRect(QRect(20, 16 + bob, 3, 2));
}

// A heart that beats: it grows for two frames and settles.
void heart(QPainter &p, int f)
{
    static const qreal scales[kFrames] = {0.78, 0.9, 1.0, 0.9, 0.8, 0.78, 0.78, 0.78};
    const qreal s = scales[f];
    QPainterPath path;
    path.moveTo(0, 0.35);
    path.cubicTo(0, -0.05, -0.5, -0.15, -0.5, 0.2);
    path.cubicTo(-0.5, 0.45, -0.2, 0.6, 0, 0.85);
    path.cubicTo(0.2, 0.6, 0.5, 0.45, 0.5, 0.2);
    path.cubicTo(0.5, -0.15, 0, -0.05, 0, 0.35);
    p.translate(kSide / 2.0, 1.5 + (1.0 - s) * 10);
    p.scale(26 * s, 26 * s);
    p.setPen(QPen(QColor(0x8E, 0x12, 0x2A), 1.0 / (26 * s)));
    p.setBrush(QColor(0xE8, 0x2E, 0x4F));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x9A, 0xAE));
    p.drawEllipse(QRectF(-0.33, 0.1, 0.14, 0.1));
}

// A sun whose rays turn by an eighth of their spacing each frame.
void sun(QPainter &p, int f)
{
    p.translate(kSide / 2.0, kSide / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x9F, 0x1C));
    for (int ray = 0; ray < 8; ++ray) {
        p.save();
        p.rotate(ray * 45.0 + f * 45.0 / kFrames);
        p.drawPolygon(QPolygonF({QPointF(-2.5, -8), QPointF(0, -13.5), QPointF(2.5, -8)}));
        p.restore();
    }
    p.setPen(QPen(QColor(0xC2, 0x6A, 0x00), 1));
    p.setBrush(QColor(0xFF, 0xD2, 0x3F));
    p.drawEllipse(QRectF(-7.5, -7.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xEE, 0xA0));
    p.drawEllipse(QRectF(-4.5, -5, 5, 3));
}

// A star that twinkles: two sparkles blink around it in turn.
void star(QPainter &p, int f)
{
    QPolygonF shape;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = (i * 36.0 - 90.0) * M_PI / 180.0;
        const qreal r = (i % 2) ? 4.6 : 10.5;
        shape << QPointF(13 + r * qCos(angle), 14.5 + r * qSin(angle));
    }
    p.setPen(QPen(QColor(0x9A, 0x6A, 0x00), 1));
    p.setBrush(QColor(0xFF, 0xC9, 0x2B));
    p.drawPolygon(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4F, 0xA8, 0xF7));
    const auto sparkle = [&p](QPointF at, int size) {
        p.drawRect(QRectF(at.x() - size, at.y(), 2 * size + 1, 1));
        p.drawRect(QRectF(at.x(), at.y() - size, 1, 2 * size + 1));
    };
    const int phase = f % 4;
    sparkle(QPointF(23, 5), phase == 0 ? 3 : phase == 1 ? 2 : 0);
    sparkle(QPointF(4, 23), phase == 2 ? 3 : phase == 3 ? 2 : 0);
    p.setBrush(QColor(0xFF, 0xF2, 0xB5));
    p.drawRect(QRectF(10, 10, 2, 2));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeemoticons OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "makeemoticons: cannot create %s\n", argv[1]);
        return 1;
    }
    const struct
    {
        const char *name;
        QList<QRgb> table;
        Painter paint;
    } emoticons[] = {
        {"smile", {qRgb(255, 255, 255), kOutline, qRgb(0xFF, 0xC8, 0x2E), qRgb(0xFF, 0xE4, 0x7A), qRgb(0xF2, 0x7A, 0x5A)}, smile},
        {"heart", {qRgb(255, 255, 255), qRgb(0x8E, 0x12, 0x2A), qRgb(0xE8, 0x2E, 0x4F), qRgb(0xFF, 0x9A, 0xAE)}, heart},
        {"sun", {qRgb(255, 255, 255), qRgb(0xFF, 0x9F, 0x1C), qRgb(0xC2, 0x6A, 0x00), qRgb(0xFF, 0xD2, 0x3F), qRgb(0xFF, 0xEE, 0xA0)}, sun},
        {"star", {qRgb(255, 255, 255), qRgb(0x9A, 0x6A, 0x00), qRgb(0xFF, 0xC9, 0x2B), qRgb(0x4F, 0xA8, 0xF7), qRgb(0xFF, 0xF2, 0xB5)}, star},
    };
    for (const auto &emoticon : emoticons) {
        const QString path = out.filePath(QString::fromLatin1(emoticon.name) + QStringLiteral(".gif"));
        QFile file(path);
        const QByteArray bytes = skin::encodeGif(frames(emoticon.table, emoticon.paint), 0, 120);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "makeemoticons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
