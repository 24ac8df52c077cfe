// SPDX-License-Identifier: MIT
#include <duicolorizeevent.h>
#include <duitheme.h>
#include <duitheme_p.h>
#include <duiwindef.h>

#include <QtCore/qcoreapplication.h>
#include <QtGui/qpainter.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qdrawutil.h>
#include <QtWidgets/qwidget.h>

#include <cstdint>

namespace {

const QRgb kPresets[9] = {0xFF22B6FF, 0xFFFB5CAA, 0xFFDF4FFF, 0xFFFFC342, 0xFF98D63A,
                          0xFF47DBF5, 0xFFDA6F32, 0xFFD96F32, 0xFFAAAAAA};

// A top-level widget that keeps the colour of every colorize event it receives.
class Recorder : public QWidget
{
public:
    QList<QRgb> colors;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == DuiColorizeEvent::EventType)
            colors << static_cast<DuiColorizeEvent *>(e)->color();
        return QWidget::event(e);
    }
};

// Deterministic pixel noise, so pictures built here have spread-out histograms.
class Noise
{
public:
    int next(int amplitude)
    {
        m_state = m_state * 1103515245u + 12345u;
        return int((m_state >> 16) % uint32_t(2 * amplitude + 1)) - amplitude;
    }

private:
    uint32_t m_state = 7;
};

struct Mean
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    void add(QRgb c)
    {
        r += qRed(c);
        g += qGreen(c);
        b += qBlue(c);
        ++n;
    }
    QRgb rgb() const { return qRgb(int(r / n), int(g / n), int(b / n)); }
};

QRgb noisy(Noise &noise, int r, int g, int b)
{
    return qRgb(qBound(0, r + noise.next(6), 255), qBound(0, g + noise.next(6), 255), qBound(0, b + noise.next(6), 255));
}

// A picture whose pixels are taken in turn from `bands`: each band claims a share of the rows
// and paints them with noise around its colour; the mean of each band's pixels is kept.
struct Band
{
    double share;
    QRgb color;
    Mean mean;
};

QImage banded(QSize size, QList<Band> &bands)
{
    QImage image(size, QImage::Format_RGB32);
    Noise noise;
    int row = 0;
    for (Band &band : bands) {
        const int rows = int(size.height() * band.share + 0.5);
        for (int y = row; y < qMin(row + rows, size.height()); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb c = noisy(noise, qRed(band.color), qGreen(band.color), qBlue(band.color));
                image.setPixel(x, y, c);
                band.mean.add(c);
            }
        }
        row += rows;
    }
    return image;
}

int postedColorizeEvents(Recorder &recorder)
{
    QCoreApplication::sendPostedEvents(&recorder);
    return int(recorder.colors.size());
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
           && qAbs(qBlue(a) - qBlue(b)) <= tolerance && qAlpha(a) == qAlpha(b);
}

} // namespace

class tst_DuiTheme : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: the theme state is process-wide.
    void initialState();
    void colorRows();
    void setColorThemeOnly();
    void setColorThemeBroadcastsAndInstallsPicture();
    void nearestRow_data();
    void nearestRow();
    void dominantColorClusters();
    void dominantColorFallsBackToEdges();
    void dominantColorScalesLargePictures();
    void decorationPicturesCarryPresetColors();
    void setDecorationImage();
    void colorizeImage();
    void drawNinePiecesBoarder();
    void ninePiecesWithEmptyMiddle_data();
    void ninePiecesWithEmptyMiddle();
    void itemBackgrounds();
    void frameClipRegion();
    void getImage();
    void virtualScreenSize();
};

void tst_DuiTheme::initialState()
{
    QCOMPARE(DuiTheme::getColorTheme(), -1);
    QCOMPARE(DuiTheme::getColor(DuiTheme::BaseColor), QRgb(0xFFFD1A1F));
    QCOMPARE(DuiTheme::getCurrentPerceptualColor(), QRgb(0xFF22B6FF));
    QVERIFY(DuiTheme::decorationImage().isNull());
    QCOMPARE(DuiTheme::decorationFillMode(), DuiTheme::FadeOut);
    QVERIFY(!duiThemeData()->fadeOutMask.isNull());
}

void tst_DuiTheme::colorRows()
{
    for (int row = 0; row < 10; ++row) {
        for (DuiTheme::ColorType black : {DuiTheme::NoColor, DuiTheme::ReservedColor4, DuiTheme::ReservedColor6})
            QCOMPARE(DuiTheme::getColor(row, black), QRgb(0xFF000000));
    }
    for (int row = 0; row < 9; ++row)
        QCOMPARE(DuiTheme::getColor(row, DuiTheme::BaseColor), kPresets[row]);
    // Rows 6 and 7 differ in their base colour only.
    for (int type = 0; type < 10; ++type) {
        if (type != DuiTheme::BaseColor)
            QCOMPARE(DuiTheme::getColor(6, DuiTheme::ColorType(type)), DuiTheme::getColor(7, DuiTheme::ColorType(type)));
    }
    QCOMPARE(DuiTheme::getColor(0, DuiTheme::StrongColor), QRgb(0xFF00A1FF));
    QCOMPARE(DuiTheme::getColor(4, DuiTheme::LineColor), QRgb(0xFFC9E69E));
    QCOMPARE(DuiTheme::getColor(9, DuiTheme::DarkestColor), QRgb(0xFFA51114));
    // Indices outside the table read the last row.
    for (int index : {-1, 10, 15, 1000})
        QCOMPARE(DuiTheme::getColor(index, DuiTheme::LightColor), QRgb(0xFFEE9B9D));
}

void tst_DuiTheme::setColorThemeOnly()
{
    Recorder recorder;
    QVERIFY(DuiTheme::setColorThemeOnly(12));
    QCOMPARE(DuiTheme::getColorTheme(), 12);
    QCOMPARE(DuiTheme::getColor(DuiTheme::BaseColor), QRgb(0xFFFD1A1F)); // 10..15 read row 9
    QVERIFY(!DuiTheme::setColorThemeOnly(12));
    QVERIFY(DuiTheme::setColorThemeOnly(16)); // outside 0..15 becomes 0
    QCOMPARE(DuiTheme::getColorTheme(), 0);
    QVERIFY(!DuiTheme::setColorThemeOnly(-5));
    QVERIFY(DuiTheme::decorationImage().isNull());
    QCOMPARE(postedColorizeEvents(recorder), 0);
}

void tst_DuiTheme::setColorThemeBroadcastsAndInstallsPicture()
{
    Recorder recorder;
    DuiTheme::setColorThemeOnly(1);

    // A row with a picture: two broadcasts (the row, then the picture), both with its colour.
    QVERIFY(DuiTheme::setColorTheme(3));
    QCOMPARE(DuiTheme::getColorTheme(), 3);
    QCOMPARE(postedColorizeEvents(recorder), 2);
    QCOMPARE(recorder.colors, QList<QRgb>({0xFFFFC342, 0xFFFFC342}));
    QVERIFY(!DuiTheme::decorationImage().isNull());
    QCOMPARE(DuiTheme::decorationImage().size(), QSize(600, 300));
    QCOMPARE(DuiTheme::decorationFillMode(), DuiTheme::FadeOut);
    QCOMPARE(DuiTheme::decorationBackgroundColor().rgba(), QRgb(0xFFFFC342));
    const qint64 picture = DuiTheme::decorationImage().cacheKey();

    // The same row again changes nothing.
    recorder.colors.clear();
    QVERIFY(!DuiTheme::setColorTheme(3));
    QCOMPARE(postedColorizeEvents(recorder), 0);

    // Row 9 has no picture: one broadcast, false, picture kept.
    QVERIFY(!DuiTheme::setColorTheme(9));
    QCOMPARE(DuiTheme::getColorTheme(), 9);
    QCOMPARE(postedColorizeEvents(recorder), 1);
    QCOMPARE(recorder.colors, QList<QRgb>() << 0xFFFD1A1F);
    QCOMPARE(DuiTheme::decorationImage().cacheKey(), picture);

    // Indices outside 0..15 store 0 and broadcast, but the picture step looks at the index asked.
    recorder.colors.clear();
    QVERIFY(!DuiTheme::setColorTheme(20));
    QCOMPARE(DuiTheme::getColorTheme(), 0);
    QCOMPARE(postedColorizeEvents(recorder), 1);
    QCOMPARE(recorder.colors.first(), QRgb(0xFF22B6FF));
    QCOMPARE(DuiTheme::decorationImage().cacheKey(), picture);
    recorder.colors.clear();
    QVERIFY(!DuiTheme::setColorTheme(-1)); // 0 already
    QCOMPARE(postedColorizeEvents(recorder), 0);
    DuiTheme::setColorThemeOnly(5);
    QVERIFY(!DuiTheme::setColorTheme(-1));
    QCOMPARE(DuiTheme::getColorTheme(), 0);
    QCOMPARE(postedColorizeEvents(recorder), 1);

    // Every preset row installs its own picture and keeps its own index.
    for (int i = 0; i < 9; ++i) {
        DuiTheme::setColorThemeOnly(9);
        QVERIFY(DuiTheme::setColorTheme(i));
        QCOMPARE(DuiTheme::getColorTheme(), i);
        QCOMPARE(DuiTheme::decorationBackgroundColor().rgba(), kPresets[i]);
    }
    QCOMPARE(DuiTheme::getColor(DuiTheme::BaseColor), QRgb(0xFFAAAAAA));
}

void tst_DuiTheme::nearestRow_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<int>("row");
    for (int i = 0; i < 9; ++i)
        QTest::addRow("preset %d", i) << uint(kPresets[i]) << i;
    QTest::newRow("FFD96F32") << 0xFFD96F32u << 7;
    QTest::newRow("FFDA6F32") << 0xFFDA6F32u << 6;
    QTest::newRow("row 9 base") << 0xFFFD1A1Fu << 9;
    QTest::newRow("pure green") << 0xFF00FF00u << 4;
    // Lightness is ignored: a dark blue lands on the blue row.
    QTest::newRow("dark blue") << 0xFF003A5Au << 0;
}

void tst_DuiTheme::nearestRow()
{
    QFETCH(uint, color);
    QFETCH(int, row);
    QCOMPARE(nearestThemeIndex(color), row);
}

void tst_DuiTheme::dominantColorClusters()
{
    // One mid-tone colour over 60%, the rest too bright to count.
    {
        QList<Band> bands = {{0.6, qRgb(40, 90, 160), {}}, {0.4, qRgb(250, 250, 250), {}}};
        const QImage image = banded(QSize(200, 200), bands);
        QCOMPARE(dominantColor(image), bands[0].mean.rgb());
    }
    // Two hues of equal saturation: the hue histogram splits them and the larger one wins.
    for (bool blueWins : {true, false}) {
        QList<Band> bands = {{blueWins ? 0.35 : 0.25, qRgb(40, 90, 160), {}},
                             {blueWins ? 0.25 : 0.35, qRgb(160, 97, 40), {}},
                             {0.4, qRgb(250, 250, 250), {}}};
        const QImage image = banded(QSize(200, 200), bands);
        QCOMPARE(dominantColor(image), bands[blueWins ? 0 : 1].mean.rgb());
    }
    // Dark pixels form their own cluster.
    {
        QList<Band> bands = {{0.5, qRgb(20, 20, 28), {}}, {0.5, qRgb(245, 245, 245), {}}};
        const QImage image = banded(QSize(200, 200), bands);
        QCOMPARE(dominantColor(image), bands[0].mean.rgb());
    }
    // Translucent pixels are not counted at all, so 30% of the counted pixels still wins.
    {
        QList<Band> bands = {{0.15, qRgb(40, 90, 160), {}}, {0.35, qRgb(250, 250, 250), {}}};
        QImage image = banded(QSize(200, 200), bands).convertToFormat(QImage::Format_ARGB32);
        for (int y = 100; y < 200; ++y) {
            for (int x = 0; x < 200; ++x)
                image.setPixel(x, y, qRgba(40, 90, 160, 100));
        }
        QCOMPARE(dominantColor(image), bands[0].mean.rgb());
    }
}

void tst_DuiTheme::dominantColorFallsBackToEdges()
{
    // Fully transparent: nothing counted, edges average to black.
    QImage clear(300, 300, QImage::Format_ARGB32_Premultiplied);
    clear.fill(Qt::transparent);
    QCOMPARE(dominantColor(clear), QRgb(0xFF000000));

    // Eight hues of 9% each in the top-left, a plain bright colour along the right and bottom.
    const QRgb edge = qRgb(230, 240, 250);
    QImage mixed(400, 400, QImage::Format_RGB32);
    mixed.fill(edge);
    Noise noise;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 300; ++x) {
            const QColor hue = QColor::fromHsv((x * 8 / 300) * 45 + 10, 190, 150);
            mixed.setPixel(x, y, noisy(noise, hue.red(), hue.green(), hue.blue()));
        }
    }
    QCOMPARE(dominantColor(mixed), edge);

    // Widening one hue well past a fifth of the picture makes it the winner (its cluster may
    // lose a few noisy pixels to the neighbouring hues).
    Mean widened;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QRgb c = noisy(noise, 60, 150, 60);
            mixed.setPixel(x, y, c);
            widened.add(c);
        }
    }
    QVERIFY(near(dominantColor(mixed), widened.rgb(), 3));

    // Edges of different colours: the channel-wise mean of the right and the bottom strip.
    QImage strips(300, 300, QImage::Format_RGB32);
    strips.fill(qRgb(250, 250, 250));
    QPainter painter(&strips);
    painter.fillRect(200, 0, 100, 300, QColor(200, 100, 0));
    painter.fillRect(0, 200, 200, 100, QColor(0, 100, 200));
    painter.end();
    // Right strip: all (200,100,0). Bottom strip: 2/3 (0,100,200), 1/3 (200,100,0).
    QCOMPARE(dominantColor(strips), qRgb((200 + 66) / 2, 100, (0 + 133) / 2));

    // Below 100 pixels the whole picture is the strip; transparent pixels count in the divisor.
    QImage small(50, 50, QImage::Format_ARGB32);
    small.fill(qRgba(240, 220, 200, 255));
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 50; ++x)
            small.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    QCOMPARE(dominantColor(small), qRgb(120, 110, 100));
}

void tst_DuiTheme::dominantColorScalesLargePictures()
{
    // Above 512 x 512 the picture is scaled down first; a clear winner stays the winner.
    QList<Band> bands = {{0.6, qRgb(40, 90, 160), {}}, {0.4, qRgb(250, 250, 250), {}}};
    const QImage large = banded(QSize(1600, 900), bands);
    QVERIFY(near(dominantColor(large), bands[0].mean.rgb(), 1));

    // A very wide strip keeps at least one row when scaled, and so keeps its colour.
    QImage strip(3000000, 1, QImage::Format_RGB32);
    strip.fill(qRgb(40, 90, 160));
    QCOMPARE(dominantColor(strip), qRgb(40, 90, 160));
}

void tst_DuiTheme::decorationPicturesCarryPresetColors()
{
    for (int i = 0; i < 9; ++i) {
        const QImage picture(QStringLiteral(":/theme/common/window_decorate_%1.jpg").arg(i));
        QVERIFY2(!picture.isNull(), qPrintable(QString::number(i)));
        QCOMPARE(dominantColor(picture), kPresets[i]);
    }
    const QImage mask(QStringLiteral(":/theme/common/decorate_fadeout.png"));
    QVERIFY(mask.hasAlphaChannel());
    QCOMPARE(qAlpha(mask.pixel(0, 0)), 255);
    QCOMPARE(qAlpha(mask.pixel(mask.width() / 2, mask.height() / 2)), 255);
    QCOMPARE(qAlpha(mask.pixel(mask.width() - 1, mask.height() - 1)), 0);
    QVERIFY(qAlpha(mask.pixel(mask.width() - mask.width() / 6, 0)) < 255);
}

void tst_DuiTheme::setDecorationImage()
{
    Recorder recorder;
    QList<Band> bands = {{0.6, qRgb(40, 90, 160), {}}, {0.4, qRgb(250, 250, 250), {}}};
    const QImage image = banded(QSize(300, 300), bands);
    const QRgb dominant = bands[0].mean.rgb();

    // No colour: the row follows the picture.
    DuiTheme::setDecorationImage(image, QColor(), DuiTheme::FadeOut);
    QCOMPARE(DuiTheme::decorationBackgroundColor().rgba(), dominant);
    QCOMPARE(DuiTheme::getCurrentPerceptualColor(), dominant);
    QCOMPARE(DuiTheme::getColorTheme(), nearestThemeIndex(dominant));
    QCOMPARE(DuiTheme::getColorTheme(), 0);
    QCOMPARE(postedColorizeEvents(recorder), 1);
    QCOMPARE(recorder.colors.first(), QRgb(0xFF22B6FF));
    // Faded out towards the right and bottom edges.
    const QImage faded = DuiTheme::decorationImage().toImage();
    QCOMPARE(qAlpha(faded.pixel(10, 10)), 255);
    QCOMPARE(qAlpha(faded.pixel(299, 299)), 0);
    QVERIFY(qAlpha(faded.pixel(250, 50)) < 255);

    // A valid colour chooses the row; the background colour still comes from the picture.
    DuiTheme::setDecorationImage(image, QColor::fromRgba(0xFFFB5CAA), DuiTheme::Tile);
    QCOMPARE(DuiTheme::getColorTheme(), 1);
    QCOMPARE(DuiTheme::decorationBackgroundColor().rgba(), dominant);
    QCOMPARE(DuiTheme::decorationFillMode(), DuiTheme::Tile);
    const QImage tiled = DuiTheme::decorationImage().toImage();
    QCOMPARE(qAlpha(tiled.pixel(299, 299)), 255);
    QCOMPARE(tiled.pixel(299, 299) | 0xFF000000, image.pixel(299, 299));

    // A null picture is ignored.
    DuiTheme::setDecorationImage(QImage(), QColor(), DuiTheme::FadeOut);
    QCOMPARE(DuiTheme::decorationFillMode(), DuiTheme::Tile);
    QCOMPARE(DuiTheme::getColorTheme(), 1);

    DuiTheme::setCurrentPerceptualColor(QColor(1, 2, 3));
    QCOMPARE(DuiTheme::getCurrentPerceptualColor(), qRgb(1, 2, 3));
    QCOMPARE(DuiTheme::getColorTheme(), 1);
}

void tst_DuiTheme::colorizeImage()
{
    QImage image(4, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(100, 50, 0, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 255));
    image.setPixel(2, 0, qRgba(255, 255, 255, 255));
    image.setPixel(3, 0, qRgba(100, 50, 0, 128));
    const QImage tinted = DuiTheme::colorizeImage(image, QColor(0, 100, 200));
    QCOMPARE(tinted.format(), QImage::Format_ARGB32_Premultiplied);
    // Screen: 1 - (1 - a)(1 - b).
    QVERIFY(near(tinted.pixel(0, 0), qRgb(100, 130, 200), 1));
    QVERIFY(near(tinted.pixel(1, 0), qRgb(0, 100, 200), 1));
    QVERIFY(near(tinted.pixel(2, 0), qRgb(255, 255, 255), 0));
    QCOMPARE(qAlpha(tinted.pixel(3, 0)), 128);

    QImage opaque(2, 2, QImage::Format_RGB888);
    opaque.fill(QColor(10, 20, 30));
    const QImage tintedOpaque = DuiTheme::colorizeImage(opaque, QColor(200, 0, 0));
    QCOMPARE(tintedOpaque.format(), QImage::Format_RGB32);
    QVERIFY(near(tintedOpaque.pixel(1, 1), qRgb(202, 20, 30), 1));
}

void tst_DuiTheme::drawNinePiecesBoarder()
{
    // A 30 x 30 pixmap with a different colour in each of its nine 10 x 10 cells.
    QImage source(30, 30, QImage::Format_RGB32);
    for (int cy = 0; cy < 3; ++cy) {
        for (int cx = 0; cx < 3; ++cx) {
            for (int y = 0; y < 10; ++y) {
                for (int x = 0; x < 10; ++x)
                    source.setPixel(cx * 10 + x, cy * 10 + y, qRgb(cx * 100, cy * 100, 50));
            }
        }
    }
    QImage target(12, 60, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    DuiTheme::drawNinePiecesBoarder(&painter, target.rect(), QPixmap::fromImage(source));
    painter.end();
    const auto cell = [](int cx, int cy) { return qRgb(cx * 100, cy * 100, 50); };
    // Target margins: min(30, 12) / 3 = 4 left and right, min(30, 60) / 3 = 10 top and bottom.
    QCOMPARE(target.pixel(0, 0), cell(0, 0));
    QCOMPARE(target.pixel(3, 9), cell(0, 0));
    QCOMPARE(target.pixel(4, 0), cell(1, 0));
    QCOMPARE(target.pixel(7, 9), cell(1, 0));
    QCOMPARE(target.pixel(8, 9), cell(2, 0));
    QCOMPARE(target.pixel(3, 10), cell(0, 1));
    QCOMPARE(target.pixel(6, 30), cell(1, 1));
    QCOMPARE(target.pixel(8, 49), cell(2, 1));
    QCOMPARE(target.pixel(8, 50), cell(2, 2));
    QCOMPARE(target.pixel(11, 59), cell(2, 2));

    // Nothing to draw is no fault.
    QPainter again(&target);
    DuiTheme::drawNinePiecesBoarder(&again, target.rect(), QPixmap());
    DuiTheme::drawNinePiecesBoarder(nullptr, target.rect(), QPixmap::fromImage(source));
}

// The window shadow's middle is transparent and is not drawn at all; the picture must be the
// one the whole nine-grid paints, under a transform too.
void tst_DuiTheme::ninePiecesWithEmptyMiddle_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("shadow, window") << QStringLiteral(":/theme/common/shadow.png") << QSize(300, 200) << 1.0;
    QTest::newRow("shadow, scaled") << QStringLiteral(":/theme/common/shadow.png") << QSize(97, 61) << 1.5;
    QTest::newRow("shadow, smaller than the image") << QStringLiteral(":/theme/common/shadow.png") << QSize(20, 9) << 1.0;
    QTest::newRow("mask, opaque middle") << QStringLiteral(":/theme/common/mask_dialog.png") << QSize(200, 150) << 1.0;
}

void tst_DuiTheme::ninePiecesWithEmptyMiddle()
{
    QFETCH(QString, image);
    QFETCH(QSize, size);
    QFETCH(qreal, scale);
    const QPixmap pixmap(image);
    QVERIFY(!pixmap.isNull());
    auto paint = [&](bool whole) {
        QImage target(QSize(320, 320), QImage::Format_ARGB32_Premultiplied);
        target.fill(QColor(90, 140, 200, 200));
        QPainter painter(&target);
        painter.scale(scale, scale);
        const QRect rect(QPoint(3, 5), size);
        if (whole) {
            const int sx = pixmap.width() / 3, sy = pixmap.height() / 3;
            const int tx = qMin(pixmap.width(), rect.width()) / 3, ty = qMin(pixmap.height(), rect.height()) / 3;
            qDrawBorderPixmap(&painter, rect, QMargins(tx, ty, tx, ty), pixmap, pixmap.rect(), QMargins(sx, sy, sx, sy),
                              QTileRules(Qt::StretchTile));
        } else {
            DuiTheme::drawNinePiecesBoarder(&painter, rect, pixmap);
        }
        return target;
    };
    QCOMPARE(paint(false), paint(true));
}

void tst_DuiTheme::itemBackgrounds()
{
    DuiTheme::setColorThemeOnly(0);
    const QColor base = QColor::fromRgba(DuiTheme::getColor(DuiTheme::BaseColor));
    QImage selected(60, 24, QImage::Format_ARGB32_Premultiplied);
    QImage hovered(60, 24, QImage::Format_ARGB32_Premultiplied);
    selected.fill(Qt::transparent);
    hovered.fill(Qt::transparent);
    {
        QPainter painter(&selected);
        DuiTheme::drawSelectedRect(&painter, selected.rect());
    }
    {
        QPainter painter(&hovered);
        DuiTheme::drawHoveredRect(&painter, hovered.rect());
    }
    // Both are opaque tints of the base colour, the hovered one lighter.
    for (const QImage *image : {&selected, &hovered}) {
        const QColor inside = image->pixelColor(30, 12);
        QCOMPARE(inside.alpha(), 255);
        QVERIFY(inside.red() >= base.red() && inside.green() >= base.green() && inside.blue() >= base.blue());
        QVERIFY(qAbs(inside.hslHue() - base.hslHue()) <= 4);
        QCOMPARE(image->pixelColor(0, 0).alpha(), 255);
    }
    QVERIFY(hovered.pixelColor(30, 12).lightness() > selected.pixelColor(30, 12).lightness());
    QVERIFY(selected.pixelColor(30, 12).lightness() > base.lightness());
    // The rim differs from the inside, so items read as framed.
    QVERIFY(selected.pixel(0, 12) != selected.pixel(30, 12));
}

void tst_DuiTheme::frameClipRegion()
{
    const QRegion region = DuiTheme::calcFrameClipRegion(QRect(0, 0, 100, 50));
    QCOMPARE(region.boundingRect(), QRect(0, 0, 100, 50));
    // Each corner is cut by a 3-pixel staircase.
    for (const QPoint &out : {QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(97, 0), QPoint(98, 1), QPoint(99, 2),
                              QPoint(0, 47), QPoint(1, 48), QPoint(2, 49), QPoint(99, 47), QPoint(97, 49)})
        QVERIFY2(!region.contains(out), qPrintable(QStringLiteral("%1,%2").arg(out.x()).arg(out.y())));
    for (const QPoint &in : {QPoint(3, 0), QPoint(96, 0), QPoint(2, 1), QPoint(1, 2), QPoint(0, 3), QPoint(99, 3),
                             QPoint(0, 46), QPoint(99, 46), QPoint(1, 47), QPoint(3, 49), QPoint(96, 49), QPoint(50, 25)})
        QVERIFY2(region.contains(in), qPrintable(QStringLiteral("%1,%2").arg(in.x()).arg(in.y())));
    QCOMPARE(QRegion(QRect(0, 0, 100, 50)).subtracted(region).rectCount(), 4 * 3);
}

void tst_DuiTheme::getImage()
{
    QVERIFY(DuiTheme::getImage(QString(), true).isNull());
    const QPixmap mask = DuiTheme::getImage(QStringLiteral(":/theme/common/item_selected_mask.png"), true);
    QVERIFY(!mask.isNull());
    QVERIFY(DuiTheme::getImage(QStringLiteral(":/theme/common/no_such_image.png"), true).isNull());
}

void tst_DuiTheme::virtualScreenSize()
{
    const QSize size = DuiTheme::virtualScreenSize();
    QCOMPARE(size, QSize(GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    QVERIFY(!size.isEmpty());
}

QTEST_MAIN(tst_DuiTheme)
#include "tst_duitheme.moc"
