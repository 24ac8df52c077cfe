// SPDX-License-Identifier: MIT
// The GIF pool driven tick by tick, the editor's side of it, and the custom text objects with
// their items and animations.
#include "giftest.h"
#include "richtexttest.h"

#include <duitextcursor.h>
#include <duitextedit.h>
#include <duitexteditgraphicsitem.h>
#include <duitextobject.h>
#include <gifpool.h>
#include <richtextedit_p.h>

#include <QtCore/qtemporarydir.h>
#include <QtGui/qabstracttextdocumentlayout.h>
#include <QtGui/qpainter.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>

using namespace giftest;
using namespace richtexttest;

namespace {

RichTextEdit *richOf(DuiTextEdit *edit)
{
    return static_cast<RichTextEdit *>(edit->realWidget());
}

// The frames the pool sends for `key` over `ticks` ticks, as (tick, colour of pixel 0,0).
QList<QPair<int, QRgb>> drive(GifPool &pool, const QString &key, int ticks)
{
    QList<QPair<int, QRgb>> seen;
    QObject context;
    int tick = 0;
    QObject::connect(&pool, &GifPool::updateGifImage, &context, [&](const QList<GifUpdateData> &list) {
        for (const GifUpdateData &update : list) {
            if (update.name == key)
                seen.append({tick, update.pixmap.toImage().pixel(0, 0) & 0xFFFFFF});
        }
    });
    for (tick = 1; tick <= ticks; ++tick)
        pool.on_timeout();
    return seen;
}

// An item that records what reaches it.
class RecordingItem : public DuiTextEditGraphicsItem
{
public:
    void paint(QPainter *, const QRectF &, QTextDocument *, int, const QTextFormat &) override {}
    void mousePressEvent(QMouseEvent *, uint) override { calls << QStringLiteral("press"); }
    void mouseReleaseEvent(QMouseEvent *, uint) override { calls << QStringLiteral("release"); }
    void hoverEnterEvent(QMouseEvent *e, uint i) override
    {
        calls << QStringLiteral("enter");
        DuiTextEditGraphicsItem::hoverEnterEvent(e, i);
    }
    void hoverLeaveEvent(QMouseEvent *e, uint i) override
    {
        calls << QStringLiteral("leave");
        DuiTextEditGraphicsItem::hoverLeaveEvent(e, i);
    }
    QStringList calls;
};

class RecordingState : public DuiTextEditGraphicsFadeState
{
public:
    void stateStart(DuiTextEditGraphicsAnimation *a) override { record(a, QStringLiteral("start")); }
    void stateChanged(DuiTextEditGraphicsAnimation *a) override { record(a, QStringLiteral("changed")); }
    void stateFinished(DuiTextEditGraphicsAnimation *a) override { record(a, QStringLiteral("finished")); }
    void record(DuiTextEditGraphicsAnimation *a, const QString &what)
    {
        calls << what;
        if (what == QLatin1String("finished"))
            DuiTextEditGraphicsFadeState::stateFinished(a);
        else
            DuiTextEditGraphicsFadeState::stateChanged(a);
        alphas << qAlpha(changedPixmap().toImage().pixel(5, 5));
    }
    QStringList calls;
    QList<int> alphas;
};

constexpr int kObjectType = QTextFormat::UserObject + 7;

} // namespace

class tst_GifPool : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void frameTiming_data();
    void frameTiming();
    void moviesThatCannotAdvanceStop_data();
    void moviesThatCannotAdvanceStop();
    void refusesWhatItCannotHold_data();
    void refusesWhatItCannotHold();
    void unknownKeyIsTransparent();
    void countsKeys();
    void deleteAllStopsAndRestarts();
    void recountRunsOnceAfterRemovals();
    void cursorGifsMoveWithoutRelayout();
    void textObjectRoutesMouse_data();
    void textObjectRoutesMouse();
    void gifItemsTakePoolFrames();
    void timedAnimationFades();
};

void tst_GifPool::frameTiming_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("ticksPerFrame");
    // Qt reads a GIF frame delay of 0 as 100 ms, as browsers do.
    QTest::newRow("0 ms in the file: every second tick") << 0 << 2;
    QTest::newRow("10 ms: every second tick") << 10 << 2;
    QTest::newRow("100 ms: every second tick") << 100 << 2;
    QTest::newRow("250 ms: ceil(2.5) + 1 ticks") << 250 << 4;
}

void tst_GifPool::frameTiming()
{
    QFETCH(int, delay);
    QFETCH(int, ticksPerFrame);
    GifPool pool;
    QVERIFY(pool.insertKeyImage(QStringLiteral("k"), redGreenBlue(delay)));
    QCOMPARE(pool.currentImage(QStringLiteral("k")).pixel(0, 0) & 0xFFFFFF, QColor(Qt::red).rgb() & 0xFFFFFF);
    const auto seen = drive(pool, QStringLiteral("k"), 4 * ticksPerFrame);
    const QList<QRgb> colours = {0x00FF00, 0x0000FF, 0xFF0000, 0x00FF00};
    QCOMPARE(seen.size(), 4);
    for (int i = 0; i < seen.size(); ++i) {
        QCOMPARE(seen.at(i).first, (i + 1) * ticksPerFrame);
        QCOMPARE(seen.at(i).second, colours.at(i));
    }
}

void tst_GifPool::moviesThatCannotAdvanceStop_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("maxFrames"); // -1: any number, but never the same frame twice running
    const QByteArray three = redGreenBlue(0, QSize(16, 16));
    // Cut inside the second frame's pixels.
    const int second = int(three.indexOf("\x21\xF9\x04", three.indexOf("\x21\xF9\x04") + 1));
    QTest::newRow("single frame") << gif({Qt::red}, 0) << 0;
    QTest::newRow("truncated in the second frame") << three.left(second + 40) << -1;
    QTest::newRow("truncated after the first frame") << three.left(second) << 0;
}

void tst_GifPool::moviesThatCannotAdvanceStop()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, maxFrames);
    GifPool pool;
    QVERIFY(pool.insertKeyImage(QStringLiteral("still"), bytes));
    QVERIFY(pool.insertKeyImage(QStringLiteral("moving"), redGreenBlue(0)));
    QSignalSpy spy(&pool, &GifPool::updateGifImage);
    const auto seen = drive(pool, QStringLiteral("still"), 12);
    if (maxFrames >= 0)
        QVERIFY2(seen.size() <= maxFrames, qPrintable(QString::number(seen.size())));
    for (int i = 1; i < seen.size(); ++i)
        QVERIFY(seen.at(i).second != seen.at(i - 1).second);
    // The other movie kept moving meanwhile (a frame every second tick).
    QCOMPARE(spy.size(), 6);
    if (maxFrames >= 0)
        QCOMPARE(spy.last().first().value<QList<GifUpdateData>>().size(), 1);
    pool.deleteGif(QStringLiteral("moving"));
    QCOMPARE(pool.isTimerActive(), maxFrames < 0);
    QVERIFY(pool.contain(QStringLiteral("still")));
}

void tst_GifPool::refusesWhatItCannotHold_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("65535 x 65535 declared in 40 bytes") << hugeDeclared();
    QTest::newRow("header and screen only") << redGreenBlue().left(13 + 24);
    QTest::newRow("signature and garbage") << QByteArray("GIF89a") + QByteArray(60, '\x11');
    QTest::newRow("a PNG") << QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(30, '\0');
}

void tst_GifPool::refusesWhatItCannotHold()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(hugeDeclared().size(), 40);
    GifPool pool;
    QVERIFY(!pool.insertKeyImage(QStringLiteral("k"), bytes));
    QVERIFY(!pool.contain(QStringLiteral("k")));
    QVERIFY(!pool.isTimerActive());
    QCOMPARE(pool.pixelsInUse(), 0);
}

void tst_GifPool::unknownKeyIsTransparent()
{
    GifPool pool;
    const QImage image = pool.currentImage(QStringLiteral("nothing"));
    QCOMPARE(image.size(), QSize(28, 28));
    for (int y = 0; y < 28; ++y) {
        for (int x = 0; x < 28; ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);
    }
}

void tst_GifPool::countsKeys()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.gif"));
    QVERIFY(writeFile(path, redGreenBlue()));
    GifPool pool;
    pool.setPixelBudget(2 * 64);
    pool.addGifImage(path);
    pool.addGifImage(path);
    QCOMPARE(pool.refCount(path), 2);
    QVERIFY(!pool.insertKeyImage(path, path));
    QVERIFY(pool.insertKeyImage(QStringLiteral("b"), redGreenBlue()));
    // The budget of two 8 x 8 movies is spent.
    QVERIFY(!pool.insertKeyImage(QStringLiteral("c"), redGreenBlue()));
    pool.deleteGif(path);
    QVERIFY(pool.contain(path));
    pool.deleteGif(path);
    QVERIFY(!pool.contain(path));
    QVERIFY(pool.insertKeyImage(QStringLiteral("c"), redGreenBlue()));
    pool.updateGifPool({{QStringLiteral("c"), 3}});
    QCOMPARE(pool.keys(), QStringList{QStringLiteral("c")});
    QCOMPARE(pool.refCount(QStringLiteral("c")), 3);
    QCOMPARE(pool.pixelsInUse(), 64);
}

void tst_GifPool::deleteAllStopsAndRestarts()
{
    GifPool pool;
    QVERIFY(pool.insertKeyImage(QStringLiteral("k"), redGreenBlue(0)));
    QVERIFY(pool.isTimerActive());
    pool.deleteAll();
    QVERIFY(!pool.isTimerActive());
    QCOMPARE(pool.count(), 0);
    QVERIFY(pool.insertKeyImage(QStringLiteral("k"), redGreenBlue(0)));
    QVERIFY(pool.isTimerActive());
    QCOMPARE(drive(pool, QStringLiteral("k"), 4).size(), 2);
    pool.setEnableUpdate(false);
    QVERIFY(!pool.isTimerActive());
    pool.setEnableUpdate(true);
    QVERIFY(pool.isTimerActive());
}

void tst_GifPool::recountRunsOnceAfterRemovals()
{
    DuiTextEdit edit;
    DuiTextCursor cursor = edit.textCursor();
    QByteArray a = redGreenBlue();
    QByteArray b = gif({Qt::black, Qt::white});
    cursor.insertImage(QStringLiteral("a"), a, 0);
    cursor.insertImage(QStringLiteral("b"), b, 0);
    GifPool *pool = edit.gifPool();
    cursor.deletePreviousChar();
    QVERIFY(richOf(&edit)->isRecountPending());
    QVERIFY(pool->contain(QStringLiteral("b")));
    QTRY_VERIFY_WITH_TIMEOUT(!pool->contain(QStringLiteral("b")), 3000);
    // Ran once and stopped.
    QVERIFY(!richOf(&edit)->isRecountPending());
    QVERIFY(pool->contain(QStringLiteral("a")));
    edit.clear();
    QVERIFY(!pool->isTimerActive());
    QCOMPARE(pool->count(), 0);
}

void tst_GifPool::cursorGifsMoveWithoutRelayout()
{
    EditInView in;
    DuiTextEdit *edit = in.edit;
    QTextBrowser *browser = browserOf(edit);
    edit->setAnimationEnabled(false); // ticks are driven by hand
    DuiTextCursor cursor = edit->textCursor();
    for (int i = 0; i < 40; ++i)
        cursor.insertText(QStringLiteral("line %1\n").arg(i));
    cursor.setPosition(0);
    cursor.insertText(QStringLiteral("ab"));
    QByteArray bytes = redGreenBlue(0, QSize(12, 12));
    cursor.insertImage(QStringLiteral("anim"), bytes, 0);
    QVERIFY(QTest::qWaitForWindowExposed(&in.view));
    QCoreApplication::processEvents();
    const QList<QRect> rects = richOf(edit)->imageRects(QStringLiteral("anim"));
    QCOMPARE(rects.size(), 1);
    const QPoint centre = rects.first().center();
    auto colourAt = [&] { return browser->viewport()->grab().toImage().pixel(centre) & 0xFFFFFF; };
    QCOMPARE(colourAt(), 0xFF0000u);

    // A tick replaces resources and repaints; it never makes the document lay out again.
    QAbstractTextDocumentLayout *layout = edit->document()->documentLayout();
    QSignalSpy relayouts(layout, &QAbstractTextDocumentLayout::update);
    QSignalSpy resized(layout, &QAbstractTextDocumentLayout::documentSizeChanged);
    edit->gifPool()->on_timeout();
    edit->gifPool()->on_timeout();
    QCoreApplication::processEvents();
    QCOMPARE(relayouts.size(), 0);
    QCOMPARE(resized.size(), 0);
    QCOMPARE(colourAt(), 0x00FF00u);
    // Only the image's place is repainted, not the whole editor. (QGraphicsScene::changed cannot
    // tell: connecting it makes the scene report whole items.)
    // Nothing earlier stays pending: the scene's queued update pass, then the view's paint.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    in.view.viewport()->repaint();
    PaintRecorder painted(in.view.viewport());
    edit->gifPool()->on_timeout();
    edit->gifPool()->on_timeout();
    QTRY_VERIFY(!painted.region.isEmpty());
    const QRect repainted = painted.region.boundingRect();
    QVERIFY2(repainted.width() <= rects.first().width() + 8 && repainted.height() <= rects.first().height() + 8,
             qPrintable(QStringLiteral("repainted %1x%2").arg(repainted.width()).arg(repainted.height())));
    QCOMPARE(colourAt(), 0x0000FFu);
}

void tst_GifPool::textObjectRoutesMouse_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QPoint>("offset"); // from the object's top left
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("clicks");
    const QStringList all = {QStringLiteral("enter"), QStringLiteral("press"), QStringLiteral("release"),
                             QStringLiteral("leave")};
    QTest::newRow("left on the item") << int(Qt::LeftButton) << QPoint(15, 8) << all << 1 << 1;
    QTest::newRow("no buttons accepted") << 0 << QPoint(15, 8) << QStringList{QStringLiteral("enter"), QStringLiteral("leave")} << 0 << 0;
    QTest::newRow("right only") << int(Qt::RightButton) << QPoint(15, 8) << QStringList{QStringLiteral("enter"), QStringLiteral("leave")} << 0 << 0;
    QTest::newRow("beside the item") << int(Qt::LeftButton) << QPoint(60, 8) << QStringList() << 0 << 0;
}

void tst_GifPool::textObjectRoutesMouse()
{
    QFETCH(int, buttons);
    QFETCH(QPoint, offset);
    QFETCH(QStringList, calls);
    QFETCH(int, presses);
    QFETCH(int, clicks);
    EditInView in;
    DuiTextEdit *edit = in.edit;
    auto *object = new DuiTextObject(edit);
    QCOMPARE(object->parent(), edit->document());
    edit->document()->documentLayout()->registerHandler(kObjectType, object);
    auto *item = new RecordingItem;
    item->setTextObjectIndex(5);
    item->setPos(10, 4);
    item->setSize(QSizeF(20, 10));
    item->setAcceptedMouseButtons(Qt::MouseButtons(buttons));
    item->setAcceptHoverEvents(true);
    item->setHoverCursorShape(Qt::PointingHandCursor);
    object->appendItem(item);
    QCOMPARE(object->findChild(5, item->objectName()), item);

    QTextCursor cursor(edit->document());
    cursor.insertText(QStringLiteral("x"));
    QTextCharFormat format;
    format.setObjectType(kObjectType);
    format.setProperty(DuiTextObject::IndexProperty, 5u);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
    QVERIFY(QTest::qWaitForWindowExposed(&in.view));
    QTRY_VERIFY(!object->lastRect(5).isNull());
    QCOMPARE(object->lastRect(5).size(), QSizeF(80, 36));

    QSignalSpy pressed(object, &DuiTextObject::mousePress);
    QSignalSpy clicked(object, &DuiTextObject::clicked);
    QWidget *viewport = browserOf(edit)->viewport();
    // Viewport points as the view sees them: the events take the real way through the scene.
    auto inView = [&](const QPoint &p) {
        const QPoint inWidget = viewport->mapTo(browserOf(edit), p);
        return in.view.mapFromScene(proxyOf(edit)->mapToScene(QPointF(inWidget)));
    };
    const QPoint at = inView(object->lastRect(5).topLeft().toPoint() + offset);
    const QPoint away = inView(object->lastRect(5).topLeft().toPoint() + QPoint(70, 30));
    QWidget *target = in.view.viewport();
    QTest::mouseMove(target, away);
    QTest::mouseMove(target, at);
    const bool hovering = item->calls.contains(QStringLiteral("enter"));
    QCOMPARE(viewport->cursor().shape() == Qt::PointingHandCursor, hovering);
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    QTest::mouseMove(target, away);
    QCOMPARE(item->calls, calls);
    QCOMPARE(pressed.size(), presses);
    QCOMPARE(clicked.size(), clicks);
    if (clicks)
        QCOMPARE(clicked.first(), (QList<QVariant>{item->objectName(), 5}));
    // Taken out by name, the item is no longer served (nor deleted).
    object->removeItem(5, item->objectName());
    QVERIFY(object->items(5).isEmpty());
    delete item;
}

void tst_GifPool::gifItemsTakePoolFrames()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("spin.gif"));
    QVERIFY(writeFile(path, redGreenBlue(0)));
    DuiTextEdit edit;
    auto *object = new DuiTextObject(&edit);
    auto *item = new DuiTextEditGraphicsGifItem;
    item->setTextObjectIndex(2);
    item->setGifImagePath(path);
    QCOMPARE(item->pixmap().toImage().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    object->appendItem(item);
    QVERIFY(edit.gifPool()->contain(path));
    QVERIFY(!object->updateGifImage(3));
    edit.gifPool()->on_timeout();
    edit.gifPool()->on_timeout();
    QVERIFY(object->updateGifImage(2));
    QCOMPARE(item->pixmap().toImage().pixel(0, 0) & 0xFFFFFF, 0x00FF00u);
    // Plain items show no GIF and are not served.
    auto *text = new DuiTextEditGraphicsTextItem;
    text->setTextObjectIndex(4);
    text->setText(QStringLiteral("hello"), true);
    QCOMPARE(text->size(), text->textSize());
    object->appendItem(text);
    QVERIFY(!object->updateGifImage(4));
}

void tst_GifPool::timedAnimationFades()
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("bar.png"));
    QImage source(10, 10, QImage::Format_ARGB32);
    source.fill(Qt::blue);
    QVERIFY(source.save(png));
    DuiTextEditGraphicsGifItem owner;
    owner.setSize(QSizeF(10, 10));
    DuiTextEditGraphicsAnimation animation;
    auto *state = new RecordingState;
    state->setSourceImagePath(png);
    animation.setState(state);
    animation.setOwer(&owner);
    owner.setAnimationObject(&animation);
    animation.start(100);
    for (int i = 0; i < 6; ++i)
        animation.on_playMovieTimeOut();
    QCOMPARE(state->calls, (QStringList{QStringLiteral("start"), QStringLiteral("changed"), QStringLiteral("changed"),
                                        QStringLiteral("changed"), QStringLiteral("changed"), QStringLiteral("finished")}));
    const QList<int> expected = {204, 153, 102, 51, 0, 255};
    QCOMPARE(state->alphas.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(qAbs(state->alphas.at(i) - expected.at(i)) <= 2, qPrintable(QString::number(state->alphas.at(i))));
    QCOMPARE(owner.pixmap().size(), QSize(10, 10)); // the item took the last state
    QCOMPARE(animation.currentFrameIndex(), 0);
}

QTEST_MAIN(tst_GifPool)
#include "tst_gifpool.moc"
