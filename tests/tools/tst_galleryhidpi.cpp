// SPDX-License-Identifier: MIT
// The gallery rendered by duiview at scale 1 and at scale 2: at 2 the skin's edges must be as
// sharp as at 1 (its images drawn at twice the size, not stretched), in the same places.
#include "gallerytestutil.h"

#include <QtCore/qtemporarydir.h>
#include <QtGui/qimage.h>
#include <QtTest/qtest.h>

namespace {

// The largest step in grey between neighbouring device pixels along a row, from logical x0 to
// x1 at logical height y: how sharp the edges crossed are.
int sharpestStep(const QImage &image, int scale, int x0, int x1, int y)
{
    int best = 0;
    const int row = y * scale + scale / 2;
    for (int x = x0 * scale; x < x1 * scale; ++x)
        best = qMax(best, qAbs(qGray(image.pixel(x, row)) - qGray(image.pixel(x + 1, row))));
    return best;
}

// Mean grey difference between the scale-1 image and the scale-2 one averaged down, over `area`.
double meanDifference(const QImage &one, const QImage &two, const QRect &area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            int dense = 0;
            for (int i = 0; i < 4; ++i)
                dense += qGray(two.pixel(2 * x + i % 2, 2 * y + i / 2));
            sum += qAbs(qGray(one.pixel(x, y)) - dense / 4.0);
        }
    }
    return sum / (area.width() * area.height());
}

// 2 x 2 blocks of `area` (logical) whose four pixels differ: none when an image was merely
// enlarged by repeating its pixels.
int detailedBlocks(const QImage &two, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = two.pixel(2 * x, 2 * y);
            count += p != two.pixel(2 * x + 1, 2 * y) || p != two.pixel(2 * x, 2 * y + 1) || p != two.pixel(2 * x + 1, 2 * y + 1);
        }
    }
    return count;
}

} // namespace

class tst_GalleryHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void skinEdgesStaySharp();
};

void tst_GalleryHiDpi::skinEdgesStaySharp()
{
    QTemporaryDir dir;
    QImage shots[2];
    for (int scale : {1, 2}) {
        const QString png = dir.filePath(QStringLiteral("gallery@%1.png").arg(scale));
        QByteArray output;
        QCOMPARE(gallery::duiview({QStringLiteral("--scale"), QString::number(scale), QStringLiteral("--screenshot"), png, gallery::file()}, &output), 0);
        shots[scale - 1] = QImage(png).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shots[scale - 1].size(), QSize(1000, 590) * scale);
        if (!qEnvironmentVariableIsEmpty("DUI_GALLERY_PNG_DIR"))
            shots[scale - 1].save(QStringLiteral("%1/gallery-scale%2.png").arg(qEnvironmentVariable("DUI_GALLERY_PNG_DIR")).arg(scale));
    }

    // Where the controls are, in logical pixels, from the same file built here.
    std::unique_ptr<DuiFrameWindow> window(gallery::build());
    QVERIFY(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const auto place = [&](const char *name) {
        auto *widget = window->findChild<QGraphicsWidget *>(QLatin1String(name));
        return widget ? window->mapFromScene(widget->mapRectToScene(widget->rect())).boundingRect() : QRect();
    };
    for (const char *name : {"normalButton", "nameEdit", "uncheckedBox", "radioTwo", "colourCombo", "galleryTabs"}) {
        const QRect r = place(name);
        QVERIFY2(r.width() > 8 && r.height() > 8, name);
        const int y = r.center().y();
        const int one = sharpestStep(shots[0], 1, r.left() - 3, r.left() + 6, y);
        const int two = sharpestStep(shots[1], 2, r.left() - 3, r.left() + 6, y);
        QVERIFY2(one > 30 && two >= one * 3 / 4, qPrintable(QStringLiteral("%1: steps %2 at 1, %3 at 2").arg(name).arg(one).arg(two)));
        const double difference = meanDifference(shots[0], shots[1], r);
        QVERIFY2(difference < 10, qPrintable(QStringLiteral("%1 differs by %2").arg(name).arg(difference)));
    }
    // The round radio and check marks carry detail finer than a logical pixel.
    for (const char *name : {"radioTwo", "uncheckedBox"}) {
        const QRect r = place(name);
        QVERIFY2(detailedBlocks(shots[1], QRect(r.left(), r.top(), 16, r.height())) > 12, name);
    }
}

QTEST_MAIN(tst_GalleryHiDpi)
#include "tst_galleryhidpi.moc"
