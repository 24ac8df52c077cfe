// SPDX-License-Identifier: MIT
// Skin imagery costs, each next to a baseline measured in the same run:
// - the framework's blur against Qt's QGraphicsBlurEffect at the same radius on the same image,
//   reported per pixel: the framework's cost should follow the pixel count, not the radius;
// - the glow (distance field) on the same sizes;
// - nine-grid drawing of 100 rectangles against qDrawBorderPixmap doing the same.
// With `--images DIR` it writes instead the radius-64 shadow of one picture as the framework and
// as QGraphicsBlurEffect draw it (DIR/blur-r64-duifw.png, DIR/blur-r64-qt.png), to compare by eye.

#include "benchutil.h"

#include <duiframeitemdrawer.h>

#include "duiblur_p.h"

#include <QtGui/qpainter.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qdrawutil.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>

#include <cstdio>
#include <cstring>
#include <utility>

namespace {

QImage sourceImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRect(side / 4, side / 4, side / 2, side / 2));
    return image;
}

double qtBlurNs(const QImage &source, int radius, int rounds)
{
    QGraphicsScene scene;
    auto *item = scene.addPixmap(QPixmap::fromImage(source));
    auto *blur = new QGraphicsBlurEffect;
    blur->setBlurRadius(radius);
    blur->setBlurHints(QGraphicsBlurEffect::QualityHint);
    item->setGraphicsEffect(blur);
    QImage target(source.size(), QImage::Format_ARGB32_Premultiplied);
    return bench::medianNs(rounds, [&] {
        blur->setBlurRadius(radius + 0.5); // invalidate Qt's cached result
        blur->setBlurRadius(radius);
        QPainter painter(&target);
        scene.render(&painter, QRectF(target.rect()), QRectF(target.rect()));
    });
}

// Both shadows of the same black shapes, each laid on white.
int writeComparison(const QString &dir)
{
    QImage source(360, 300, QImage::Format_ARGB32_Premultiplied);
    source.fill(Qt::transparent);
    {
        QPainter painter(&source);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawRoundedRect(QRectF(90, 100, 110, 100), 12, 12);
        painter.drawEllipse(QRectF(215, 95, 60, 60));
        painter.drawRect(QRectF(215, 175, 60, 4));
    }
    QImage ours = source;
    duiBlurAndTint(ours, 64, Qt::black);

    QImage qt(source.size(), QImage::Format_ARGB32_Premultiplied);
    qt.fill(Qt::transparent);
    {
        QGraphicsScene scene;
        auto *item = scene.addPixmap(QPixmap::fromImage(source));
        auto *blur = new QGraphicsBlurEffect;
        blur->setBlurRadius(64);
        blur->setBlurHints(QGraphicsBlurEffect::QualityHint);
        item->setGraphicsEffect(blur);
        QPainter painter(&qt);
        scene.render(&painter, QRectF(qt.rect()), QRectF(qt.rect()));
    }

    const std::pair<const char *, QImage> outputs[] = {{"blur-r64-duifw.png", ours}, {"blur-r64-qt.png", qt}};
    for (const auto &[name, shadow] : outputs) {
        QImage onWhite(shadow.size(), QImage::Format_RGB32);
        onWhite.fill(Qt::white);
        QPainter(&onWhite).drawImage(0, 0, shadow);
        const QString path = dir + QLatin1Char('/') + QLatin1String(name);
        if (!onWhite.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--images") == 0)
        return writeComparison(QString::fromLocal8Bit(argv[2]));

    std::printf("blur and tint (ns per pixel), against QGraphicsBlurEffect on the same image\n");
    for (int side : {256, 1024, 2048}) {
        const QImage source = sourceImage(side);
        const int rounds = side >= 2048 ? 5 : 11;
        for (int radius : {4, 64}) {
            const double ours = bench::medianNs(rounds, [&] {
                QImage image = source;
                duiBlurAndTint(image, radius, Qt::red);
            });
            // Pictures of a million pixels or more are blurred in two bands on two threads: the
            // CPU time, all threads together, is printed too.
            const double cpuBefore = bench::processCpuNs();
            for (int i = 0; i < rounds; ++i) {
                QImage image = source;
                duiBlurAndTint(image, radius, Qt::red);
            }
            const double oursCpu = (bench::processCpuNs() - cpuBefore) / rounds;
            const double qt = qtBlurNs(source, radius, rounds);
            const double pixels = double(side) * side;
            char label[96];
            std::snprintf(label, sizeof label, "duiBlurAndTint %dx%d r=%d (%.2f ns/px, CPU %.2f)", side, side, radius,
                          ours / pixels, oursCpu / pixels);
            char base[64];
            std::snprintf(base, sizeof base, "QGraphicsBlurEffect (%.2f ns/px)", qt / pixels);
            bench::report(label, ours, base, qt);
        }
    }

    std::printf("\nglow (distance field), against a blur of the same image at radius 4\n");
    for (int side : {256, 1024, 2048}) {
        const QImage source = sourceImage(side);
        const int rounds = side >= 2048 ? 5 : 11;
        const double glow = bench::medianNs(rounds, [&] { duiMakeGlow(source, qRgb(255, 255, 255), 8, 50, 255); });
        // As for the blur, the CPU time is printed next to the wall time.
        const double cpuBefore = bench::processCpuNs();
        for (int i = 0; i < rounds; ++i)
            duiMakeGlow(source, qRgb(255, 255, 255), 8, 50, 255);
        const double glowCpu = (bench::processCpuNs() - cpuBefore) / rounds;
        const double blur = bench::medianNs(rounds, [&] {
            QImage image = source;
            duiBlurAndTint(image, 4, Qt::red);
        });
        char label[96];
        std::snprintf(label, sizeof label, "duiMakeGlow %dx%d size 8 (%.2f ns/px, CPU %.2f)", side, side,
                      glow / (double(side) * side), glowCpu / (double(side) * side));
        bench::report(label, glow, "duiBlurAndTint r=4", blur);
    }

    std::printf("\nnine-grid drawing of 100 rectangles of mixed sizes\n");
    QImage skin(30, 30, QImage::Format_ARGB32_Premultiplied);
    skin.fill(Qt::gray);
    QPainter(&skin).fillRect(10, 10, 10, 10, Qt::white);
    const QPixmap pixmap = QPixmap::fromImage(skin);
    QList<QRect> rects;
    for (int i = 0; i < 100; ++i)
        rects << QRect((i * 37) % 400, (i * 53) % 300, 20 + (i * 13) % 180, 20 + (i * 29) % 120);
    QImage target(640, 480, QImage::Format_ARGB32_Premultiplied);
    const DuiFrameItemDrawer drawer(pixmap, DuiFrameItemDrawer::NinePieces);
    const double ours = bench::medianNs(51, [&] {
        QPainter painter(&target);
        for (const QRect &r : std::as_const(rects))
            drawer.draw(r, &painter);
    });
    const QMargins thirds(10, 10, 10, 10);
    const double qt = bench::medianNs(51, [&] {
        QPainter painter(&target);
        for (const QRect &r : std::as_const(rects))
            qDrawBorderPixmap(&painter, r, thirds, pixmap);
    });
    bench::report("DuiFrameItemDrawer::draw x100", ours, "qDrawBorderPixmap x100", qt);
    return 0;
}
