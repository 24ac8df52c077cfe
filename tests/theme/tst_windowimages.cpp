// SPDX-License-Identifier: MIT
// The compiled-in window images: the border and body masks as frame windows lay them out (nine
// pieces over the whole window), the title-bar buttons and the prompt dialog's icons.
#include <duitheme.h>

#include <QtGui/qpainter.h>
#include <QtGui/qpixmap.h>
#include <QtGui/qregion.h>
#include <QtTest/qtest.h>

namespace {

QImage load(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// The image laid over a w x h window the way the window's background lays it.
QImage laidOver(const QString &path, const QSize &window)
{
    QImage out(window, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    DuiTheme::drawNinePiecesBoarder(&painter, out.rect(), QPixmap(path));
    painter.end();
    return out.convertToFormat(QImage::Format_ARGB32);
}

bool isWhite(QRgb px)
{
    return qRed(px) >= 250 && qGreen(px) >= 250 && qBlue(px) >= 250;
}

// The bounding box of the pixels that are not fully transparent.
QRect visibleBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class tst_WindowImages : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void borderTracesWindowOutline_data();
    void borderTracesWindowOutline();
    void masksKeepHeaderBandOverLightBody_data();
    void masksKeepHeaderBandOverLightBody();
    void titleButtons_data();
    void titleButtons();
    void titleGlyphsDiffer();
    void promptDialogIcons();
};

void tst_WindowImages::sizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("shadow") << ":/theme/common/shadow.png" << QSize(24, 24);
    QTest::newRow("mask_mainframe") << ":/theme/common/mask_mainframe.png" << QSize(24, 96);
    QTest::newRow("mask_thicktitle") << ":/theme/common/mask_thicktitle.png" << QSize(24, 240);
    QTest::newRow("mask_dialog") << ":/theme/common/mask_dialog.png" << QSize(24, 90);
    QTest::newRow("mask_popup") << ":/theme/common/mask_popup.png" << QSize(24, 24);
    for (const char *name : {"min", "max", "restore", "close"}) {
        for (const char *state : {"normal", "hover", "down"}) {
            const QString path = QStringLiteral(":/theme/duifw/%1_%2.png").arg(QLatin1String(name), QLatin1String(state));
            QTest::newRow(qPrintable(path)) << path << QSize(qstrcmp(name, "close") == 0 ? 44 : 28, 22);
        }
    }
    QTest::newRow("icon_setting_item") << ":/theme/common/icon_setting_item.png" << QSize(20, 20);
    QTest::newRow("hint_blue_exclamation") << ":/theme/duifw/hint_blue_exclamation.png" << QSize(36, 36);
}

void tst_WindowImages::sizes()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
}

void tst_WindowImages::borderTracesWindowOutline_data()
{
    QTest::addColumn<QSize>("window");
    QTest::newRow("image size") << QSize(24, 24);
    QTest::newRow("main window") << QSize(300, 200);
    QTest::newRow("odd sizes") << QSize(97, 61);
    QTest::newRow("prompt dialog") << QSize(340, 160);
}

// Outside the window's clip region nothing is drawn; its 1-pixel outline, staircase corners
// included, is translucent dark; the line just inside is faint white; the rest is untouched.
void tst_WindowImages::borderTracesWindowOutline()
{
    QFETCH(QSize, window);
    const QImage out = laidOver(QStringLiteral(":/theme/common/shadow.png"), window);
    const QRegion region = DuiTheme::calcFrameClipRegion(QRect(QPoint(0, 0), window));
    const auto inside = [&](int x, int y) { return region.contains(QPoint(x, y)); };
    const auto outline = [&](int x, int y) {
        return inside(x, y) && (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1));
    };
    int outlinePixels = 0;
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            const QRgb px = out.pixel(x, y);
            const QByteArray where = QByteArray::number(x) + ',' + QByteArray::number(y);
            if (!inside(x, y)) {
                QVERIFY2(qAlpha(px) == 0, where);
            } else if (outline(x, y)) {
                ++outlinePixels;
                QVERIFY2(qAlpha(px) >= 70 && qAlpha(px) <= 110, where);
                QVERIFY2(qRed(px) < 30 && qGreen(px) < 30 && qBlue(px) < 30, where);
            } else if (outline(x - 1, y) || outline(x + 1, y) || outline(x, y - 1) || outline(x, y + 1)) {
                QVERIFY2(qAlpha(px) > 20 && qAlpha(px) < 128 && isWhite(px), where);
            } else {
                QVERIFY2(qAlpha(px) == 0, where);
            }
        }
    }
    // The outline runs all the way round: four edges less the cut corners.
    QCOMPARE(outlinePixels, 2 * (window.width() - 6) + 2 * (window.height() - 6) + 4 * 2);
}

void tst_WindowImages::masksKeepHeaderBandOverLightBody_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("band");
    QTest::addColumn<QSize>("window");
    QTest::newRow("main window") << ":/theme/common/mask_mainframe.png" << 32 << QSize(420, 300);
    QTest::newRow("thick title") << ":/theme/common/mask_thicktitle.png" << 80 << QSize(500, 400);
    QTest::newRow("prompt dialog") << ":/theme/common/mask_dialog.png" << 30 << QSize(340, 160);
    QTest::newRow("dialog at mask size") << ":/theme/common/mask_dialog.png" << 30 << QSize(24, 90);
    QTest::newRow("popup") << ":/theme/common/mask_popup.png" << 0 << QSize(180, 120);
    QTest::newRow("popup at mask size") << ":/theme/common/mask_popup.png" << 0 << QSize(24, 24);
}

// Over the header band the decoration shows (transparent), then a short ramp, then a light,
// nearly opaque body down to the bottom edge; nothing falls outside the window's clip region.
void tst_WindowImages::masksKeepHeaderBandOverLightBody()
{
    QFETCH(QString, path);
    QFETCH(int, band);
    QFETCH(QSize, window);
    const QImage out = laidOver(path, window);
    const QRegion region = DuiTheme::calcFrameClipRegion(QRect(QPoint(0, 0), window));
    const int mid = window.width() / 2;
    for (int y = 0; y < window.height(); ++y) {
        const QByteArray row = "row " + QByteArray::number(y);
        const int alpha = qAlpha(out.pixel(mid, y));
        if (y < band - 2) {
            QVERIFY2(alpha == 0, row);
        } else if (y < band) {
            QVERIFY2(alpha > 0 && alpha < 200, row);
            if (y > 0)
                QVERIFY2(alpha > qAlpha(out.pixel(mid, y - 1)), row);
        } else {
            QVERIFY2(alpha >= 220, row);
            QVERIFY2(qRed(out.pixel(mid, y)) >= 240 && qGreen(out.pixel(mid, y)) >= 240 && qBlue(out.pixel(mid, y)) >= 240,
                     row);
        }
        for (int x = 0; x < window.width(); ++x) {
            const QRgb px = out.pixel(x, y);
            if (!region.contains(QPoint(x, y)))
                QVERIFY2(qAlpha(px) == 0, row + " x " + QByteArray::number(x));
            else if (y >= band)
                QVERIFY2(qAlpha(px) == alpha, row + " x " + QByteArray::number(x)); // even across
        }
    }
}

void tst_WindowImages::titleButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("min") << "min";
    QTest::newRow("max") << "max";
    QTest::newRow("restore") << "restore";
    QTest::newRow("close") << "close";
}

// Normal: a white glyph centred on nothing. Hover and down keep the glyph and back it with a
// light or dark veil; the close button backs onto red, darker when pressed.
void tst_WindowImages::titleButtons()
{
    QFETCH(QString, name);
    const auto image = [&name](const char *state) {
        return load(QStringLiteral(":/theme/duifw/%1_%2.png").arg(name, QLatin1String(state)));
    };
    const QImage normal = image("normal");
    const QImage hover = image("hover");
    const QImage down = image("down");
    QVERIFY(!normal.isNull() && !hover.isNull() && !down.isNull());

    QList<QPoint> glyph;
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            const QRgb px = normal.pixel(x, y);
            if (qAlpha(px) > 0)
                QVERIFY2(isWhite(px), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            if (qAlpha(px) == 255)
                glyph << QPoint(x, y);
        }
    }
    QVERIFY(glyph.size() >= 8);
    const QRect box = visibleBox(normal);
    QCOMPARE(box.width(), 10);
    QVERIFY(box.height() == 10 || (name == QLatin1String("min") && box.height() == 1));
    QVERIFY(qAbs(box.center().x() * 2 + 1 - normal.width()) <= 1);
    QVERIFY(qAbs(box.center().y() * 2 + 1 - normal.height()) <= 1);

    for (const QPoint &p : glyph) {
        QCOMPARE(hover.pixel(p), qRgba(255, 255, 255, 255));
        QCOMPARE(down.pixel(p), qRgba(255, 255, 255, 255));
    }

    // A spot of backing away from the glyph and the rounded corners.
    const QPoint spot(4, 11);
    QCOMPARE(qAlpha(normal.pixel(spot)), 0);
    const QRgb h = hover.pixel(spot);
    const QRgb d = down.pixel(spot);
    if (name == QLatin1String("close")) {
        QCOMPARE(qAlpha(h), 255);
        QVERIFY(qRed(h) > 200 && qGreen(h) < 60 && qBlue(h) < 80);
        QCOMPARE(qAlpha(d), 255);
        QVERIFY(qRed(d) > 120 && qRed(d) < qRed(h) && qGreen(d) < 60 && qBlue(d) < 80);
    } else {
        QVERIFY(qAlpha(h) >= 30 && qAlpha(h) <= 80 && isWhite(h));
        QVERIFY(qAlpha(d) >= 30 && qAlpha(d) <= 80);
        QVERIFY(qRed(d) < 40 && qGreen(d) < 40 && qBlue(d) < 40);
    }
    // The backing covers the whole button but its very corners, which are rounded off.
    QVERIFY(qAlpha(hover.pixel(0, 0)) < qAlpha(h));
    QCOMPARE(qAlpha(hover.pixel(hover.width() / 2, 0)), qAlpha(h));
    QCOMPARE(qAlpha(down.pixel(down.width() - 1, down.height() / 2)), qAlpha(d));
}

void tst_WindowImages::titleGlyphsDiffer()
{
    const QStringList names = {QStringLiteral("min"), QStringLiteral("max"), QStringLiteral("restore")};
    for (int i = 0; i < names.size(); ++i) {
        for (int j = i + 1; j < names.size(); ++j) {
            QVERIFY2(load(QStringLiteral(":/theme/duifw/%1_normal.png").arg(names.at(i)))
                         != load(QStringLiteral(":/theme/duifw/%1_normal.png").arg(names.at(j))),
                     qPrintable(names.at(i) + QLatin1Char('/') + names.at(j)));
        }
    }
    // The maximise square is hollow; the restore glyph's front window is hollow as well.
    QCOMPARE(qAlpha(load(QStringLiteral(":/theme/duifw/max_normal.png")).pixel(14, 11)), 0);
    QCOMPARE(qAlpha(load(QStringLiteral(":/theme/duifw/restore_normal.png")).pixel(13, 12)), 0);
}

void tst_WindowImages::promptDialogIcons()
{
    // The gear: white on the header, a hole in the middle, teeth out to near the edge.
    const QImage gear = load(QStringLiteral(":/theme/common/icon_setting_item.png"));
    QCOMPARE(qAlpha(gear.pixel(10, 10)), 0);
    QCOMPARE(qAlpha(gear.pixel(0, 0)), 0);
    int solid = 0;
    for (int y = 0; y < gear.height(); ++y) {
        for (int x = 0; x < gear.width(); ++x) {
            const QRgb px = gear.pixel(x, y);
            if (qAlpha(px) > 0)
                QVERIFY(isWhite(px));
            solid += qAlpha(px) == 255;
        }
    }
    QVERIFY(solid > 100);
    QCOMPARE(qAlpha(gear.pixel(10, 1)), 255); // the top tooth
    const QRect gearBox = visibleBox(gear);
    QVERIFY(gearBox.width() >= 18 && gearBox.height() >= 18);

    // The badge: a blue disc, transparent outside it, with a white bar and dot.
    const QImage badge = load(QStringLiteral(":/theme/duifw/hint_blue_exclamation.png"));
    QCOMPARE(qAlpha(badge.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(badge.pixel(35, 35)), 0);
    const QRgb disc = badge.pixel(8, 18);
    QCOMPARE(qAlpha(disc), 255);
    QVERIFY(qBlue(disc) > 200 && qRed(disc) < 80 && qGreen(disc) > 100 && qGreen(disc) < 170);
    QCOMPARE(badge.pixel(18, 12), qRgba(255, 255, 255, 255));
    QCOMPARE(badge.pixel(18, 27), qRgba(255, 255, 255, 255));
    QCOMPARE(qAlpha(badge.pixel(18, 23)), 255);
    QVERIFY(!isWhite(badge.pixel(18, 23))); // the gap between bar and dot
}

QTEST_MAIN(tst_WindowImages)
#include "tst_windowimages.moc"
