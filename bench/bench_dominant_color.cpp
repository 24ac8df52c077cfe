// SPDX-License-Identifier: MIT
// Dominant-colour analysis of a 3840 x 2160 picture against a 512 x 512 one. Pictures above
// 512 x 512 pixels are scaled down to about that size first, so the two should cost about the
// same: the large picture adds only the scaling.

#include "benchutil.h"

#include <duitheme_p.h>

#include <QtGui/qimage.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qapplication.h>

#include <cstdio>

namespace {

// Soft bands of mid-tone colours with pixel noise: every pixel reaches the histograms.
QImage picture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0.0, QColor(40, 90, 160));
    gradient.setColorAt(0.5, QColor(60, 140, 120));
    gradient.setColorAt(1.0, QColor(160, 97, 40));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    quint32 state = 1;
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int n = int(state >> 28) - 8;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255), qBound(0, qBlue(c) - n, 255));
        }
    }
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QImage large = picture(QSize(3840, 2160));
    const QImage small = picture(QSize(512, 512));

    QRgb sink = 0;
    const double largeNs = bench::medianNs(15, [&] { sink += dominantColor(large); });
    const double smallNs = bench::medianNs(15, [&] { sink += dominantColor(small); });
    const double scaleNs = bench::medianNs(15, [&] {
        sink += large.scaledToWidth(682, Qt::FastTransformation).pixel(0, 0);
    });
    bench::report("dominantColor 3840x2160", largeNs, "dominantColor 512x512", smallNs);
    bench::report("  of which scaling 3840x2160 to 682 wide", scaleNs, "dominantColor 512x512", smallNs);
    std::printf("(checksum %08x)\n", sink);
    return 0;
}
