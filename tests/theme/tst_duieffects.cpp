// SPDX-License-Identifier: MIT
#include <duigraphicsdropshadoweffect.h>
#include <duigraphicsoutergloweffect.h>
#include <duitextoutlineeffect.h>

#include "duiblur_p.h"

#include <QtCore/qrandom.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>

#include <map>
#include <utility>
#include <vector>

namespace {

QImage renderScene(QGraphicsScene &scene, const QSize &size)
{
    QImage out(size, QImage::Format_ARGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return out;
}

QGraphicsRectItem *blackSquare(QGraphicsScene &scene, const QPointF &pos, qreal side)
{
    auto *item = scene.addRect(0, 0, side, side, Qt::NoPen, Qt::black);
    item->setPos(pos);
    return item;
}

QImage singlePixel(int size, const QPoint &at)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(at, qRgba(0, 0, 0, 255));
    return image;
}

// Random content of a few kinds: noisy alpha, scattered opaque dots, one filled ellipse.
QImage randomImage(QRandomGenerator &random, int width, int height, int kind)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (kind == 2) {
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QRectF(width * 0.2, height * 0.3, width * 0.5 + 1, height * 0.4 + 1));
        return image;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int a = kind == 0 ? random.bounded(256) : (random.bounded(30) == 0 ? 255 : 0);
            image.setPixel(x, y, qRgba(0, a / 2, 0, a));
        }
    }
    return image;
}

// The blur computed the plain way: every box step sums its whole window afresh, the line's ends
// repeating, and the tint is QPainter's own fill.
QImage referenceBlurAndTint(const QImage &source, int radius, const QColor &color)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int r = qBound(0, radius, 128);
    const int s = r / 2;
    const int t = qMax(0, r % 2 == 0 ? s - 1 : s);
    const int w = image.width(), h = image.height();
    std::vector<int> alpha(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            alpha[size_t(y) * size_t(w) + size_t(x)] = qAlpha(image.pixel(x, y));
    // One step along each of `lines` lines of `length` values: line k starts at k * lineStep,
    // its values `step` apart.
    auto boxStep = [&alpha](int lines, int length, int lineStep, int step, int left, int right) {
        const int m = left + 1 + right;
        const int weight = ((1 << 15) + m - 1) / m;
        std::vector<int> out(alpha.size());
        for (int line = 0; line < lines; ++line) {
            for (int i = 0; i < length; ++i) {
                int sum = 0;
                for (int j = i - left; j <= i + right; ++j)
                    sum += alpha[size_t(line * lineStep + qBound(0, j, length - 1) * step)];
                out[size_t(line * lineStep + i * step)] = qMin(255, (sum * weight) >> 15);
            }
        }
        alpha = out;
    };
    if (r > 0) {
        boxStep(h, w, w, 1, t, s);
        boxStep(h, w, w, 1, s, t);
        boxStep(h, w, w, 1, s, s);
        boxStep(w, h, 1, w, t, s);
        boxStep(w, h, 1, w, s, t);
        boxStep(w, h, 1, w, s, s);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, alpha[size_t(y) * size_t(w) + size_t(x)]));
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
    }
    return image;
}

// Squared distance from every pixel to the nearest one with non-zero alpha, by trying them all;
// -1 where there is none.
std::vector<qint64> bruteForceDistances(const QImage &image)
{
    QList<QPoint> opaque;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                opaque << QPoint(x, y);
    std::vector<qint64> d(size_t(image.width()) * size_t(image.height()), -1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            qint64 best = -1;
            for (const QPoint &p : std::as_const(opaque)) {
                const qint64 dd = qint64(p.x() - x) * (p.x() - x) + qint64(p.y() - y) * (p.y() - y);
                if (best < 0 || dd < best)
                    best = dd;
            }
            d[size_t(y) * size_t(image.width()) + size_t(x)] = best;
        }
    }
    return d;
}

} // namespace

class tst_DuiEffects : public QObject
{
    Q_OBJECT

private slots:
    void blurRadiusZeroIsTheSilhouette();
    void blurIsSymmetricAndCapped();
    void blurBadInput();
    void blurMatchesReference();
    void resultsKeepTheirOwnPixels_data();
    void resultsKeepTheirOwnPixels();
    void dropShadowDrawsOnlySourceWhenIdle();
    void dropShadowSilhouetteAndOffset();
    void dropShadowProperties();
    void glowFallOff();
    void glowOnTransparentSource();
    void glowFollowsDistance();
    void largeGlowMatchesSmall();
    void largeBlurMatchesSmall();
    void glowProperties();
    void glowEffectRenders();
    void outlineSquare();
    void outlineSmoothing();
    void outlineEffectNotCutOff();
};

void tst_DuiEffects::blurRadiusZeroIsTheSilhouette()
{
    QImage image = singlePixel(5, QPoint(2, 2));
    duiBlurAndTint(image, 0, Qt::red);
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::red));
    QCOMPARE(qAlpha(image.pixel(1, 2)), 0);
    QCOMPARE(qAlpha(image.pixel(2, 3)), 0);
}

void tst_DuiEffects::blurIsSymmetricAndCapped()
{
    QImage source(301, 301, QImage::Format_ARGB32_Premultiplied);
    source.fill(Qt::transparent);
    QPainter(&source).fillRect(140, 140, 21, 21, Qt::black);

    QImage blurred = source;
    duiBlurAndTint(blurred, 10, Qt::blue);
    // Spread out, symmetric about the centre, and still centred highest.
    QVERIFY(qAlpha(blurred.pixel(150, 150)) > qAlpha(blurred.pixel(150, 165)));
    QVERIFY(qAlpha(blurred.pixel(150, 165)) > 0);
    QVERIFY(qAbs(qAlpha(blurred.pixel(135, 150)) - qAlpha(blurred.pixel(165, 150))) <= 2);
    QVERIFY(qAbs(qAlpha(blurred.pixel(150, 135)) - qAlpha(blurred.pixel(150, 165))) <= 2);
    QCOMPARE(qAlpha(blurred.pixel(150, 120)), 0);
    // The colour replaces the source's.
    const QColor c = QColor::fromRgba(blurred.pixel(150, 150));
    QVERIFY(c.blue() > 0 && c.red() == 0 && c.green() == 0);

    QImage at128 = source, at200 = source, at64 = source;
    duiBlurAndTint(at128, 128, Qt::blue);
    duiBlurAndTint(at200, 200, Qt::blue);
    duiBlurAndTint(at64, 64, Qt::blue);
    QCOMPARE(at200, at128);
    QVERIFY(at64 != at128);
}

void tst_DuiEffects::blurBadInput()
{
    QImage null;
    duiBlurAndTint(null, 5, Qt::red);
    QVERIFY(null.isNull());
    QImage tiny = singlePixel(1, QPoint(0, 0));
    duiBlurAndTint(tiny, 50, Qt::red);
    QCOMPARE(tiny.pixelColor(0, 0), QColor(Qt::red)); // edges repeat: a lone pixel stays whole
    QImage negative = singlePixel(3, QPoint(1, 1));
    duiBlurAndTint(negative, -7, Qt::green);
    QCOMPARE(negative.pixelColor(1, 1), QColor(Qt::green));
    QImage wide(4000, 1, QImage::Format_ARGB32);
    wide.fill(Qt::black);
    duiBlurAndTint(wide, 128, Qt::red);
    QCOMPARE(wide.pixelColor(2000, 0), QColor(Qt::red));
}

void tst_DuiEffects::blurMatchesReference()
{
    // Odd sizes, widths either side of the 16-pixel groups the blur works in, single rows and
    // columns; radii from none to past the cap; images shared (replaced) or not (rewritten in
    // place), premultiplied or not.
    QRandomGenerator random(4242);
    const QList<QSize> sizes = {QSize(1, 1), QSize(1, 37), QSize(41, 1), QSize(15, 17), QSize(16, 16), QSize(17, 33),
                                QSize(33, 5), QSize(63, 20), QSize(65, 48), QSize(100, 71)};
    const QList<int> radii = {0, 1, 2, 3, 4, 7, 16, 33, 64, 128, 500};
    int round = 0;
    for (const QSize &size : sizes) {
        for (int radius : radii) {
            ++round;
            QImage source = randomImage(random, size.width(), size.height(), round % 3);
            if (round % 4 == 1)
                source = source.convertToFormat(QImage::Format_ARGB32);
            source.setDevicePixelRatio(2);
            const QColor color = QColor::fromRgb(random.bounded(256), random.bounded(256), random.bounded(256),
                                                 round % 5 == 0 ? random.bounded(256) : 255);
            const QImage expected = referenceBlurAndTint(source, radius, color);
            const QImage before = source.copy();

            QImage shared = source;
            duiBlurAndTint(shared, radius, color);
            const QByteArray what = QByteArray::number(size.width()) + "x" + QByteArray::number(size.height())
                + " radius " + QByteArray::number(radius);
            QVERIFY2(shared == expected, what);
            QCOMPARE(shared.format(), QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(shared.devicePixelRatio(), 2.0);
            QVERIFY2(source == before, what); // the copy it shared its pixels with is untouched

            QImage own = source.copy();
            duiBlurAndTint(own, radius, color);
            QVERIFY2(own == expected, what);
        }
    }
}

void tst_DuiEffects::resultsKeepTheirOwnPixels_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("small") << QSize(40, 30);
    // Past four megabytes the pixels come from the large-block allocator.
    QTest::newRow("large") << QSize(1100, 1000);
}

// Blurs and glows of one size reuse the memory of released results: a result still held must
// never be handed out again, and memory handed out again must give the same pixels as new.
void tst_DuiEffects::resultsKeepTheirOwnPixels()
{
    QFETCH(QSize, size);
    QImage source(size, QImage::Format_ARGB32_Premultiplied);
    source.fill(Qt::transparent);
    {
        QPainter painter(&source);
        painter.fillRect(QRect(QPoint(size.width() / 4, size.height() / 4), size / 2), Qt::black);
    }
    const auto blurred = [&](const QColor &color) {
        QImage shared = source; // shared, so the blur makes a new picture
        duiBlurAndTint(shared, 6, color);
        return shared;
    };
    const QImage red = blurred(Qt::red);
    const QImage redCopy = red.copy();
    QImage blue = blurred(Qt::blue);
    QCOMPARE(red, redCopy);
    QVERIFY(blue != red);
    const QImage blueCopy = blue.copy();
    blue = QImage(); // released: the next picture of this size may take its memory
    QCOMPARE(blurred(Qt::blue), blueCopy);
    QCOMPARE(red, redCopy);

    const QImage glow = duiMakeGlow(source, qRgb(0, 255, 0), 5, 40, 200);
    const QImage glowCopy = glow.copy();
    QImage other = duiMakeGlow(source, qRgb(255, 0, 255), 5, 40, 200);
    QCOMPARE(glow, glowCopy);
    other = QImage();
    QCOMPARE(duiMakeGlow(source, qRgb(0, 255, 0), 5, 40, 200), glowCopy);
}

void tst_DuiEffects::dropShadowDrawsOnlySourceWhenIdle()
{
    QGraphicsScene scene;
    auto *item = blackSquare(scene, QPointF(10, 10), 10);
    auto *effect = new DuiGraphicsDropShadowEffect;
    effect->setColor(Qt::red);
    item->setGraphicsEffect(effect);
    const QImage out = renderScene(scene, QSize(40, 40));
    QCOMPARE(out.pixelColor(15, 15), QColor(Qt::black));
    QCOMPARE(out.pixelColor(22, 22), QColor(Qt::white));
    QCOMPARE(effect->boundingRectFor(QRectF(0, 0, 10, 10)), QRectF(0, 0, 10, 10));
}

void tst_DuiEffects::dropShadowSilhouetteAndOffset()
{
    QGraphicsScene scene;
    // Away from the origin, so that drawing in the wrong coordinate space would show.
    auto *item = blackSquare(scene, QPointF(20, 20), 10);
    auto *effect = new DuiGraphicsDropShadowEffect;
    effect->setColor(Qt::red);
    effect->setOffset(3, 3);
    item->setGraphicsEffect(effect);
    const QImage out = renderScene(scene, QSize(50, 50));
    QCOMPARE(out.pixelColor(25, 25), QColor(Qt::black)); // the source on top
    QCOMPARE(out.pixelColor(31, 31), QColor(Qt::red));   // silhouette 3 down and right
    QCOMPARE(out.pixelColor(32, 23), QColor(Qt::red));
    QCOMPARE(out.pixelColor(33, 33), QColor(Qt::white)); // unblurred: a hard edge
    QCOMPARE(out.pixelColor(21, 21), QColor(Qt::black));
    QCOMPARE(out.pixelColor(20, 31), QColor(Qt::white));

    effect->setBlurRadius(4);
    QCOMPARE(effect->boundingRectFor(QRectF(0, 0, 10, 10)), QRectF(-1, -1, 18, 18));
    const QImage soft = renderScene(scene, QSize(50, 50));
    const QColor edge = soft.pixelColor(34, 28);
    QVERIFY2(edge.red() == 255 && edge.green() > 0 && edge.green() < 255, qPrintable(edge.name()));

    // A radius beyond int range blurs as much as the blur goes: no hard silhouette is left.
    effect->setBlurRadius(1e12);
    const QColor wide = renderScene(scene, QSize(50, 50)).pixelColor(31, 31);
    QVERIFY2(wide.green() > 128, qPrintable(wide.name()));
}

void tst_DuiEffects::dropShadowProperties()
{
    DuiGraphicsDropShadowEffect effect;
    QSignalSpy offset(&effect, &DuiGraphicsDropShadowEffect::offsetChanged);
    QSignalSpy radius(&effect, &DuiGraphicsDropShadowEffect::blurRadiusChanged);
    QSignalSpy color(&effect, &DuiGraphicsDropShadowEffect::colorChanged);
    QVERIFY(!effect.color().isValid());
    effect.setOffset(2.0);
    QCOMPARE(effect.offset(), QPointF(2, 2));
    effect.setXOffset(5);
    QCOMPARE(effect.offset(), QPointF(5, 2));
    effect.setYOffset(2); // unchanged: no signal
    QCOMPARE(offset.count(), 2);
    effect.setBlurRadius(3);
    effect.setBlurRadius(3.0000000000001);
    QCOMPARE(radius.count(), 1);
    effect.setColor(Qt::red);
    effect.setColor(Qt::red);
    QCOMPARE(color.count(), 1);
    QVERIFY(effect.setProperty("yOffset", 7.0));
    QCOMPARE(effect.yOffset(), 7.0);
}

void tst_DuiEffects::glowFallOff()
{
    const QImage glow = duiMakeGlow(singlePixel(21, QPoint(10, 10)), qRgb(0, 255, 0), 4, 50, 255);
    QCOMPARE(glow.format(), QImage::Format_ARGB32);
    QCOMPARE(qAlpha(glow.pixel(10, 10)), 255);
    QCOMPARE(qAlpha(glow.pixel(11, 10)), 255);
    QCOMPARE(qAlpha(glow.pixel(12, 10)), 255);
    const int at3 = qAlpha(glow.pixel(13, 10));
    QVERIFY2(at3 >= 126 && at3 <= 129, QByteArray::number(at3));
    QCOMPARE(qAlpha(glow.pixel(14, 10)), 0);
    QCOMPARE(qAlpha(glow.pixel(15, 10)), 0);
    // Euclidean: (2, 2) is sqrt(8) away, between 2 and 3.
    const int diagonal = qAlpha(glow.pixel(12, 12));
    QVERIFY(diagonal < 255 && diagonal > at3);
    QCOMPARE(QColor::fromRgba(glow.pixel(11, 10)).green(), 255);
    // Symmetric in every direction.
    QCOMPARE(glow.pixel(7, 10), glow.pixel(13, 10));
    QCOMPARE(glow.pixel(10, 7), glow.pixel(10, 13));
    QCOMPARE(glow.pixel(8, 8), glow.pixel(12, 12));
}

void tst_DuiEffects::glowOnTransparentSource()
{
    QImage empty(16, 16, QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    const QImage glow = duiMakeGlow(empty, qRgb(255, 0, 0), 5, 0, 255);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            QCOMPARE(qAlpha(glow.pixel(x, y)), 0);
    QVERIFY(duiMakeGlow(QImage(), qRgb(1, 2, 3), 4, 0, 255).isNull());
    // Absurd sizes are bounded and do not exhaust memory.
    const QImage huge = duiMakeGlow(singlePixel(8, QPoint(0, 0)), qRgb(1, 2, 3), 1000000, 50, 255);
    QCOMPARE(qAlpha(huge.pixel(7, 7)), 255);
    // An absurd spread is full strength all the way out, however large the glow.
    const QImage spread = duiMakeGlow(singlePixel(21, QPoint(10, 10)), qRgb(1, 2, 3), 4096, 3000000, 255);
    QCOMPARE(qAlpha(spread.pixel(13, 10)), 255);
    QCOMPARE(qAlpha(spread.pixel(20, 20)), 255);
}

void tst_DuiEffects::glowFollowsDistance()
{
    // Against distances found by trying every opaque pixel: a pixel is transparent exactly when
    // it is farther than the size, opaque ones get the full alpha, pixels as far get the same
    // colour, and the alpha never grows with the distance. Sizes on both sides of 32 (the glow
    // changes method there) on images with odd sizes, single rows and columns.
    QRandomGenerator random(777);
    const QList<QSize> sizes = {QSize(1, 1), QSize(1, 29), QSize(37, 1), QSize(17, 15), QSize(40, 33), QSize(71, 52)};
    const QRgb colour = qRgb(10, 200, 30);
    for (int glowSize : {1, 2, 5, 8, 32, 33, 50, 1024}) {
        std::map<qint64, QRgb> pixelAt;
        int round = 0;
        for (const QSize &size : sizes) {
            for (int kind = 0; kind < 3; ++kind) {
                ++round;
                QImage source = randomImage(random, size.width(), size.height(), kind == 0 ? 1 : kind);
                if (round % 2 == 0)
                    source = source.convertToFormat(QImage::Format_ARGB32);
                const QImage glow = duiMakeGlow(source, colour, glowSize, 40, 200);
                QCOMPARE(glow.size(), source.size());
                const std::vector<qint64> distances = bruteForceDistances(source);
                const int full = glowSize * 40 / 100;
                for (int y = 0; y < source.height(); ++y) {
                    for (int x = 0; x < source.width(); ++x) {
                        const qint64 d = distances[size_t(y) * size_t(source.width()) + size_t(x)];
                        const QRgb pixel = glow.pixel(x, y);
                        const QByteArray where = "size " + QByteArray::number(glowSize) + " at " + QByteArray::number(x)
                            + "," + QByteArray::number(y) + " of " + QByteArray::number(source.width()) + "x"
                            + QByteArray::number(source.height()) + ", distance^2 " + QByteArray::number(d);
                        if (d < 0 || d > qint64(glowSize) * glowSize) {
                            QVERIFY2(pixel == 0, where);
                            continue;
                        }
                        QVERIFY2((pixel & 0xFFFFFFu) == (colour & 0xFFFFFFu), where);
                        if (d <= qint64(full) * full)
                            QVERIFY2(qAlpha(pixel) == 200, where);
                        const auto known = pixelAt.find(d);
                        if (known == pixelAt.end())
                            pixelAt.emplace(d, pixel);
                        else
                            QVERIFY2(known->second == pixel, where);
                    }
                }
            }
        }
        int last = 255;
        for (const auto &[d, pixel] : pixelAt) {
            QVERIFY2(qAlpha(pixel) <= last, QByteArray::number(d));
            last = qAlpha(pixel);
        }
    }
}

// A large picture is worked on in two bands of rows; across the seam its glow must be what a
// small picture with the same content gets in one piece.
void tst_DuiEffects::largeGlowMatchesSmall()
{
    QRandomGenerator random(99);
    const QRect content(300, 500, 90, 25); // straddles the middle row of the large picture
    const QRect crop = content.adjusted(-20, -20, 20, 20);
    QImage large(1024, 1024, QImage::Format_ARGB32);
    large.fill(Qt::transparent);
    for (int i = 0; i < 200; ++i)
        large.setPixel(content.x() + random.bounded(content.width()), content.y() + random.bounded(content.height()),
                       qRgba(0, 0, 0, 255));
    const QImage small = large.copy(crop);
    for (int size : {1, 8, 13, 32}) {
        const QImage whole = duiMakeGlow(large, qRgb(200, 40, 90), size, 30, 180);
        const QImage piece = duiMakeGlow(small, qRgb(200, 40, 90), size, 30, 180);
        QCOMPARE(whole.copy(crop), piece);
        // Nothing glows beyond the glow's reach of the content.
        QCOMPARE(whole.pixel(content.x(), content.y() - size - 1), 0u);
        QCOMPARE(whole.pixel(content.x(), content.bottom() + size + 1), 0u);
    }
}

// The same for the blur: a large picture blurred into a new one goes in two bands of rows.
void tst_DuiEffects::largeBlurMatchesSmall()
{
    QRandomGenerator random(5);
    const QRect content(300, 490, 120, 45); // straddles the middle row of the large picture
    QImage large(1024, 1024, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    for (int i = 0; i < 400; ++i)
        large.setPixel(content.x() + random.bounded(content.width()), content.y() + random.bounded(content.height()),
                       qRgba(0, 0, 0, 255));
    for (int radius : {2, 9, 64}) {
        // Beyond the blur's reach the crop's own edges, repeated, are as transparent as the picture.
        const int margin = 2 * radius + 2;
        const QRect crop = content.adjusted(-margin, -margin, margin, margin);
        QImage whole = large; // shared: the blur makes a new picture, in bands
        duiBlurAndTint(whole, radius, QColor(30, 60, 200));
        QImage piece = large.copy(crop);
        duiBlurAndTint(piece, radius, QColor(30, 60, 200));
        QVERIFY2(whole.copy(crop) == piece, QByteArray::number(radius));
        QCOMPARE(whole.pixel(5, 5), 0u);
    }
}

void tst_DuiEffects::glowProperties()
{
    DuiGraphicsOuterGlowEffect effect;
    QCOMPARE(effect.alphaByte(), 255);
    QSignalSpy opacity(&effect, &DuiGraphicsOuterGlowEffect::opacityChanged);
    effect.setOpacity(0.5);
    QCOMPARE(effect.alphaByte(), 127);
    effect.setOpacity(0.5);
    QCOMPARE(opacity.count(), 1);
    effect.setSize(5);
    QCOMPARE(effect.boundingRectFor(QRectF(0, 0, 10, 10)), QRectF(-6, -6, 22, 22));
    QVERIFY(effect.setProperty("compositionMode", int(QPainter::CompositionMode_Plus)));
    QCOMPARE(effect.compositionMode(), QPainter::CompositionMode_Plus);
}

void tst_DuiEffects::glowEffectRenders()
{
    QGraphicsScene scene;
    auto *item = blackSquare(scene, QPointF(30, 30), 4);
    auto *effect = new DuiGraphicsOuterGlowEffect;
    effect->setColor(Qt::red);
    effect->setSize(6);
    effect->setSpread(50);
    item->setGraphicsEffect(effect);
    const QImage out = renderScene(scene, QSize(60, 60));
    QCOMPARE(out.pixelColor(31, 31), QColor(Qt::black));
    QCOMPARE(out.pixelColor(35, 31), QColor(Qt::red));   // 2 px out: full glow
    QCOMPARE(out.pixelColor(41, 31), QColor(Qt::white)); // 8 px out: nothing
    const QColor mid = out.pixelColor(38, 31);          // 5 px out: fading
    QVERIFY2(mid.red() == 255 && mid.green() > 0 && mid.green() < 255, qPrintable(mid.name()));

    // Values beyond int range are taken as the largest glow and the full opacity, not dropped.
    effect->setOpacity(1e12);
    QCOMPARE(renderScene(scene, QSize(60, 60)).pixelColor(35, 31), QColor(Qt::red));
    effect->setOpacity(1);
    effect->setSize(1e12);
    QCOMPARE(renderScene(scene, QSize(60, 60)).pixelColor(45, 31), QColor(Qt::red));
}

void tst_DuiEffects::outlineSquare()
{
    DuiTextOutlineEffect effect;
    effect.setColor(Qt::yellow);
    const QImage outline = effect.makeOutline(singlePixel(1, QPoint(0, 0)));
    QCOMPARE(outline.size(), QSize(4, 4));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool inside = x < 3 && y < 3;
            QCOMPARE(qAlpha(outline.pixel(x, y)), inside ? 255 : 0);
        }
    }
    QCOMPARE(QColor::fromRgba(outline.pixel(1, 1)).rgb(), QColor(Qt::yellow).rgb());

    // Alphas add up and cap at 255.
    QImage faint(2, 1, QImage::Format_ARGB32);
    faint.setPixel(0, 0, qRgba(0, 0, 0, 100));
    faint.setPixel(1, 0, qRgba(0, 0, 0, 200));
    effect.setSize(2);
    const QImage sum = effect.makeOutline(faint);
    QCOMPARE(sum.size(), QSize(7, 6));
    QCOMPARE(qAlpha(sum.pixel(0, 0)), 100);
    QCOMPARE(qAlpha(sum.pixel(2, 2)), 255);
    QCOMPARE(qAlpha(sum.pixel(5, 0)), 200);
}

void tst_DuiEffects::outlineSmoothing()
{
    QImage square(5, 5, QImage::Format_ARGB32);
    square.fill(qRgba(0, 0, 0, 255));
    DuiTextOutlineEffect effect;
    const QImage smooth = effect.makeSmooth(square);
    // Each kernel term is truncated: 4 x 15 + 4 x 20 + 112.
    QCOMPARE(qAlpha(smooth.pixel(2, 2)), 252);
    QCOMPARE(qAlpha(smooth.pixel(0, 0)), 255); // the border is kept as it was
    QImage dot(3, 3, QImage::Format_ARGB32);
    dot.fill(Qt::transparent);
    dot.setPixel(1, 1, qRgba(0, 0, 0, 255));
    QCOMPARE(qAlpha(effect.makeSmooth(dot).pixel(1, 1)), 112);
}

void tst_DuiEffects::outlineEffectNotCutOff()
{
    QGraphicsScene scene;
    auto *item = blackSquare(scene, QPointF(20, 20), 6);
    auto *effect = new DuiTextOutlineEffect;
    effect->setColor(Qt::red);
    effect->setSize(3);
    item->setGraphicsEffect(effect);
    QCOMPARE(effect->boundingRectFor(QRectF(0, 0, 6, 6)), QRectF(-4, -4, 14, 14));
    const QImage out = renderScene(scene, QSize(40, 40));
    QCOMPARE(out.pixelColor(22, 22), QColor(Qt::black));
    QCOMPARE(out.pixelColor(17, 22), QColor(Qt::red)); // 3 px left of the square
    QCOMPARE(out.pixelColor(28, 28), QColor(Qt::red)); // 3 px beyond its bottom right
    QCOMPARE(out.pixelColor(16, 22), QColor(Qt::white));
    QCOMPARE(out.pixelColor(29, 22), QColor(Qt::white));
}

QTEST_MAIN(tst_DuiEffects)
#include "tst_duieffects.moc"
