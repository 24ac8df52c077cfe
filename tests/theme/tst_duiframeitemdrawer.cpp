// SPDX-License-Identifier: MIT
#include <duiframeitemdrawer.h>

#include <QtGui/qpainter.h>
#include <QtTest/qtest.h>

namespace {

// A w x h image whose nine thirds (cut as the drawer cuts them) each have their own colour.
QPixmap thirds(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    const int b = w / 3, c = h / 3;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int col = x < b ? 0 : (x < w - b ? 1 : 2);
            const int row = y < c ? 0 : (y < h - c ? 1 : 2);
            image.setPixel(x, y, qRgb(40 + col * 100, 40 + row * 100, 7));
        }
    }
    return QPixmap::fromImage(image);
}

QRgb cell(int col, int row)
{
    return qRgb(40 + col * 100, 40 + row * 100, 7);
}

QImage render(const DuiFrameItemDrawer &drawer, const QSize &target, const QMargins &margins = QMargins())
{
    QImage out(target, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    drawer.draw(QRect(QPoint(0, 0), target), &painter, margins);
    return out;
}

// Columns index gradient: column x has red = x.
QPixmap columns(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x, y, 200));
    return QPixmap::fromImage(image);
}

} // namespace

class tst_DuiFrameItemDrawer : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void ninePiecesSameSizeIsTheImage();
    void ninePiecesNarrowAndTall();
    void ninePiecesLarge();
    void ninePiecesOddWidthEdges();
    void marginsLeaveAHole();
    void threePiecesHorizontalShrinksCaps();
    void threePiecesVertical();
    void threePiecesMidKeepCaps();
    void onePieceAndNoScale();
    void tiles();
    void badInput();
};

void tst_DuiFrameItemDrawer::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::newRow("NinePieces") << "NinePieces" << 8;
    QTest::newRow("lower case") << "ninepieces" << 1;
    QTest::newRow("OnePieceNoScale") << "OnePieceNoScale" << 100;
    QTest::newRow("ThreePiecesVerticalMid") << "ThreePiecesVerticalMid" << 7;
    QTest::newRow("MultLineHorizontalTile") << "MultLineHorizontalTile" << 3;
    QTest::newRow("number") << "8" << 1;
    QTest::newRow("empty") << "" << 1;
}

void tst_DuiFrameItemDrawer::names()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    QCOMPARE(int(DuiFrameItemDrawer::frameTypeFromName(name)), type);
}

void tst_DuiFrameItemDrawer::ninePiecesSameSizeIsTheImage()
{
    const QPixmap pm = thirds(30, 30);
    const QImage out = render(DuiFrameItemDrawer(pm, DuiFrameItemDrawer::NinePieces), QSize(30, 30));
    QCOMPARE(out, pm.toImage().convertToFormat(QImage::Format_ARGB32));
}

void tst_DuiFrameItemDrawer::ninePiecesNarrowAndTall()
{
    // 12 x 60: the corners overlap horizontally, the side edges stretch, and there is no room
    // for the top and bottom edges or the centre.
    const QImage out = render(DuiFrameItemDrawer(thirds(30, 30), DuiFrameItemDrawer::NinePieces), QSize(12, 60));
    QCOMPARE(out.pixel(0, 0), cell(0, 0));
    QCOMPARE(out.pixel(1, 9), cell(0, 0));
    QCOMPARE(out.pixel(2, 0), cell(2, 0));   // right corner starts at R - b + 1 = 2
    QCOMPARE(out.pixel(11, 9), cell(2, 0));
    QCOMPARE(out.pixel(0, 50), cell(0, 2));
    QCOMPARE(out.pixel(11, 59), cell(2, 2));
    QCOMPARE(out.pixel(0, 30), cell(0, 1));  // left edge
    QCOMPARE(out.pixel(11, 30), cell(2, 1)); // right edge over it
    QCOMPARE(out.pixel(1, 30), cell(0, 1));
    // No piece of the middle column (top edge, centre, bottom edge) was drawn anywhere.
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 12; ++x)
            QVERIFY(qRed(out.pixel(x, y)) != 140);
    }
}

void tst_DuiFrameItemDrawer::ninePiecesLarge()
{
    const QImage out = render(DuiFrameItemDrawer(thirds(30, 30), DuiFrameItemDrawer::NinePieces), QSize(100, 80));
    QCOMPARE(out.pixel(5, 5), cell(0, 0));
    QCOMPARE(out.pixel(50, 5), cell(1, 0));
    QCOMPARE(out.pixel(95, 5), cell(2, 0));
    QCOMPARE(out.pixel(5, 40), cell(0, 1));
    QCOMPARE(out.pixel(50, 40), cell(1, 1));
    QCOMPARE(out.pixel(95, 40), cell(2, 1));
    QCOMPARE(out.pixel(5, 75), cell(0, 2));
    QCOMPARE(out.pixel(50, 75), cell(1, 2));
    QCOMPARE(out.pixel(99, 79), cell(2, 2));
    // Corners keep their size: the middle starts right after 10 pixels.
    QCOMPARE(out.pixel(9, 9), cell(0, 0));
    QCOMPARE(out.pixel(10, 10), cell(1, 1));
    QCOMPARE(out.pixel(89, 69), cell(1, 1));
    QCOMPARE(out.pixel(90, 70), cell(2, 2));
}

void tst_DuiFrameItemDrawer::ninePiecesOddWidthEdges()
{
    // A 31-pixel image: corner columns are 10 wide, the middle column 11 (columns 10..20).
    const QImage out = render(DuiFrameItemDrawer(columns(31, 30), DuiFrameItemDrawer::NinePieces), QSize(90, 30));
    for (int x = 10; x < 80; ++x) {
        QVERIFY2(qRed(out.pixel(x, 2)) >= 10 && qRed(out.pixel(x, 2)) <= 20, qPrintable(QString::number(x)));
        QVERIFY(qRed(out.pixel(x, 27)) >= 10 && qRed(out.pixel(x, 27)) <= 20);
    }
    QCOMPARE(qRed(out.pixel(9, 2)), 9);
    QCOMPARE(qRed(out.pixel(80, 2)), 21);
    QCOMPARE(qRed(out.pixel(89, 2)), 30);
}

void tst_DuiFrameItemDrawer::marginsLeaveAHole()
{
    const QImage out = render(DuiFrameItemDrawer(thirds(30, 30), DuiFrameItemDrawer::NinePieces), QSize(40, 40),
                              QMargins(2, 2, 2, 2));
    QCOMPARE(out.pixel(0, 0), cell(0, 0));
    QCOMPARE(out.pixel(1, 20), cell(0, 1));
    QCOMPARE(out.pixel(38, 20), cell(2, 1));
    QCOMPARE(qAlpha(out.pixel(2, 2)), 0);
    QCOMPARE(qAlpha(out.pixel(20, 20)), 0);
    QCOMPARE(qAlpha(out.pixel(37, 37)), 0);
    QCOMPARE(out.pixel(39, 39), cell(2, 2));

    // The same for a stretched single piece.
    const QImage one = render(DuiFrameItemDrawer(thirds(30, 30), DuiFrameItemDrawer::OnePiece), QSize(40, 40),
                              QMargins(3, 1, 3, 1));
    QVERIFY(qAlpha(one.pixel(2, 20)) == 255);
    QCOMPARE(qAlpha(one.pixel(3, 20)), 0);
    QCOMPARE(qAlpha(one.pixel(20, 1)), 0);
    QVERIFY(qAlpha(one.pixel(20, 0)) == 255);

    // The ring stays inside a clip the painter already had (a clipping parent, a scroll view).
    QImage clipped(40, 40, QImage::Format_ARGB32);
    clipped.fill(Qt::transparent);
    {
        QPainter painter(&clipped);
        painter.setClipRect(0, 0, 20, 40);
        DuiFrameItemDrawer(thirds(30, 30), DuiFrameItemDrawer::NinePieces).draw(QRect(0, 0, 40, 40), &painter,
                                                                              QMargins(2, 2, 2, 2));
    }
    QCOMPARE(clipped.pixel(1, 20), cell(0, 1));
    QCOMPARE(qAlpha(clipped.pixel(38, 20)), 0);
    QCOMPARE(qAlpha(clipped.pixel(30, 0)), 0);
}

void tst_DuiFrameItemDrawer::threePiecesHorizontalShrinksCaps()
{
    // 30 wide into 15: the caps become 5 pixels.
    const QImage out = render(DuiFrameItemDrawer(columns(30, 10), DuiFrameItemDrawer::ThreePiecesHorizontal), QSize(15, 10));
    for (int x = 0; x < 5; ++x)
        QCOMPARE(qRed(out.pixel(x, 3)), x);
    for (int x = 10; x < 15; ++x)
        QCOMPARE(qRed(out.pixel(x, 3)), 25 + (x - 10));
    for (int x = 5; x < 10; ++x)
        QVERIFY(qRed(out.pixel(x, 3)) >= 5 && qRed(out.pixel(x, 3)) <= 24);

    // Wide rectangle: caps of 10 unscaled, middle stretched.
    const QImage wide = render(DuiFrameItemDrawer(columns(30, 10), DuiFrameItemDrawer::ThreePiecesHorizontal), QSize(100, 10));
    QCOMPARE(qRed(wide.pixel(9, 0)), 9);
    QCOMPARE(qRed(wide.pixel(90, 0)), 20);
    QCOMPARE(qRed(wide.pixel(99, 0)), 29);
    QVERIFY(qRed(wide.pixel(50, 0)) >= 10 && qRed(wide.pixel(50, 0)) <= 19);
}

void tst_DuiFrameItemDrawer::threePiecesVertical()
{
    // Rows index the green channel.
    const QImage out = render(DuiFrameItemDrawer(columns(10, 30), DuiFrameItemDrawer::ThreePiecesVertical), QSize(10, 90));
    QCOMPARE(qGreen(out.pixel(0, 9)), 9);
    QCOMPARE(qGreen(out.pixel(0, 80)), 20);
    QCOMPARE(qGreen(out.pixel(0, 89)), 29);
    const QImage small = render(DuiFrameItemDrawer(columns(10, 30), DuiFrameItemDrawer::ThreePiecesVertical), QSize(10, 12));
    QCOMPARE(qGreen(small.pixel(0, 3)), 3);  // caps shrink to 4
    QCOMPARE(qGreen(small.pixel(0, 8)), 26);
}

void tst_DuiFrameItemDrawer::threePiecesMidKeepCaps()
{
    // Vertical: caps of 10 stay whole; 15 high leaves no room, so the middle is left out.
    const QImage v = render(DuiFrameItemDrawer(columns(10, 30), DuiFrameItemDrawer::ThreePiecesVerticalMid), QSize(10, 15));
    QCOMPARE(qGreen(v.pixel(0, 4)), 4);
    QCOMPARE(qGreen(v.pixel(0, 5)), 20); // bottom cap drawn over the top cap from B - a + 1 = 5
    QCOMPARE(qGreen(v.pixel(0, 14)), 29);
    const QImage vt = render(DuiFrameItemDrawer(columns(10, 30), DuiFrameItemDrawer::ThreePiecesVerticalMid), QSize(10, 60));
    QVERIFY(qGreen(vt.pixel(0, 30)) >= 10 && qGreen(vt.pixel(0, 30)) <= 19);

    // Horizontal mirrors it.
    const QImage h = render(DuiFrameItemDrawer(columns(30, 10), DuiFrameItemDrawer::ThreePiecesHorizontalMid), QSize(15, 10));
    QCOMPARE(qRed(h.pixel(4, 0)), 4);
    QCOMPARE(qRed(h.pixel(5, 0)), 20);
    QCOMPARE(qRed(h.pixel(14, 0)), 29);
    const QImage ht = render(DuiFrameItemDrawer(columns(30, 10), DuiFrameItemDrawer::ThreePiecesHorizontalMid), QSize(60, 10));
    QCOMPARE(qRed(ht.pixel(0, 0)), 0);
    QVERIFY(qRed(ht.pixel(30, 0)) >= 10 && qRed(ht.pixel(30, 0)) <= 19);
    QCOMPARE(qRed(ht.pixel(59, 0)), 29);
}

void tst_DuiFrameItemDrawer::onePieceAndNoScale()
{
    const QImage stretched = render(DuiFrameItemDrawer(thirds(30, 30), DuiFrameItemDrawer::OnePiece), QSize(60, 60));
    QCOMPARE(stretched.pixel(19, 19), cell(0, 0));
    QCOMPARE(stretched.pixel(30, 30), cell(1, 1));
    QCOMPARE(stretched.pixel(59, 59), cell(2, 2));

    const QImage clipped = render(DuiFrameItemDrawer(columns(30, 30), DuiFrameItemDrawer::OnePieceNoScale), QSize(12, 50));
    QCOMPARE(qRed(clipped.pixel(11, 0)), 11);
    QCOMPARE(qGreen(clipped.pixel(0, 29)), 29);
    QCOMPARE(qAlpha(clipped.pixel(0, 30)), 0);
}

void tst_DuiFrameItemDrawer::tiles()
{
    const QImage one = render(DuiFrameItemDrawer(columns(10, 5), DuiFrameItemDrawer::OneLineHorizontalTile), QSize(25, 20));
    QCOMPARE(qRed(one.pixel(23, 4)), 3);
    QCOMPARE(qAlpha(one.pixel(3, 5)), 0); // one row of tiles only
    const QImage many = render(DuiFrameItemDrawer(columns(10, 5), DuiFrameItemDrawer::MultLineHorizontalTile), QSize(25, 20));
    QCOMPARE(qRed(many.pixel(23, 17)), 3);
    QCOMPARE(qGreen(many.pixel(23, 17)), 2);
}

void tst_DuiFrameItemDrawer::badInput()
{
    QImage out(50, 50, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    const QList<int> types = {1, 2, 3, 4, 5, 6, 7, 8, 100, 0, -3, 999};
    for (int type : types) {
        // Null and empty pixmaps, empty and absurd rectangles: nothing drawn, no crash.
        DuiFrameItemDrawer(QPixmap(), DuiFrameItemDrawer::FrameType(type)).draw(QRect(0, 0, 50, 50), &painter);
        DuiFrameItemDrawer(QPixmap(0, 10), DuiFrameItemDrawer::FrameType(type)).draw(QRect(0, 0, 50, 50), &painter);
        DuiFrameItemDrawer(thirds(30, 30), DuiFrameItemDrawer::FrameType(type)).draw(QRect(0, 0, 0, 0), &painter);
        DuiFrameItemDrawer(thirds(30, 30), DuiFrameItemDrawer::FrameType(type)).draw(QRect(0, 0, -5, 7), &painter);
        DuiFrameItemDrawer(thirds(3, 3), DuiFrameItemDrawer::FrameType(type)).draw(QRect(-10000, -10000, 20000, 20000), &painter);
        DuiFrameItemDrawer(thirds(30, 30), DuiFrameItemDrawer::FrameType(type)).draw(QRect(0, 0, 10, 10), nullptr);
    }
    painter.setClipping(false);
    DuiFrameItemDrawer(QString(), DuiFrameItemDrawer::NinePieces).draw(QRect(0, 0, 50, 50), &painter);
    DuiFrameItemDrawer(QStringLiteral(":/no/such.png"), DuiFrameItemDrawer::NinePieces).draw(QRect(0, 0, 50, 50), &painter);
    painter.end();
    // Only the huge rectangles painted anything, and they cover the image.
    QCOMPARE(qAlpha(out.pixel(25, 25)), 255);
}

QTEST_MAIN(tst_DuiFrameItemDrawer)
#include "tst_duiframeitemdrawer.moc"
