// SPDX-License-Identifier: MIT
#include <duiframeitem.h>
#include <duihscrollbar.h>
#include <duiscrollarea.h>
#include <duiscrollbar.h>
#include <duiscrollwidget.h>
#include <duitheme.h>
#include <duixmlui.h>

#include "../controls/controlstest.h"

#include <QtCore/qpointer.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicslinearlayout.h>
#include <QtWidgets/qgraphicsview.h>

#include <cfloat>
#include <cmath>

using namespace controlstest;

namespace {

// Opens the protected content interface, as the item views that derive from the area do.
class TestArea : public DuiScrollArea
{
public:
    using DuiScrollArea::contentWidget;
    using DuiScrollArea::setContentWidget;
};

// Returns whether some item took the event.
bool wheel(QGraphicsScene &scene, const QPointF &scenePos, int delta, const QPoint &pixels = QPoint())
{
    QGraphicsSceneWheelEvent event(QEvent::GraphicsSceneWheel);
    event.setScenePos(scenePos);
    event.setDelta(delta);
    event.setPixelDelta(pixels);
    event.setOrientation(Qt::Vertical);
    event.setAccepted(false);
    QCoreApplication::sendEvent(&scene, &event);
    return event.isAccepted();
}

DuiFrameItem *thumbOf(QGraphicsWidget *bar)
{
    return bar->findChild<DuiFrameItem *>(QStringLiteral("ScrollBarThumb"));
}

// A 200 x 100 area at the scene's origin over a content of `contentHeight`.
struct AreaFixture
{
    QGraphicsScene scene;
    TestArea *area = new TestArea;
    DuiWidget *content = new DuiWidget;

    explicit AreaFixture(qreal contentHeight)
    {
        scene.addItem(area);
        area->resize(200, 100);
        content->resize(200, contentHeight);
        area->setContentWidget(content);
    }
    DuiScrollBar *bar() const { return area->scrollbar(); }
};

// A 12 x 200 vertical bar at the scene's origin.
struct BarFixture
{
    QGraphicsScene scene;
    DuiScrollBar *bar = new DuiScrollBar;

    BarFixture(qreal min, qreal max, qreal page)
    {
        scene.addItem(bar);
        bar->resize(12, 200);
        bar->setRange(min, max);
        bar->setPageStep(page);
    }
    DuiFrameItem *thumb() const { return thumbOf(bar); }
};

} // namespace

class tst_DuiScrollArea : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void registeredWithImages();
    void rangeFollowsContent_data();
    void rangeFollowsContent();
    void policies_data();
    void policies();
    void wheelOnArea_data();
    void wheelOnArea();
    void wheelOnBarScrollsOnce();
    void thumbGeometry_data();
    void thumbGeometry();
    void relayoutKeepsValue();
    void dragThumb();
    void trackHoldRepeats();
    void repeatStops_data();
    void repeatStops();
    void scrollPosApi();
    void contentReplacedAndDeleted();
    void scrollWidgetFromXml();
    void horizontalBar();
    void rendersTinted();
};

void tst_DuiScrollArea::registeredWithImages()
{
    QScopedPointer<DuiWidget> widget(createWidgetByName("DuiScrollWidget", nullptr));
    QVERIFY(qobject_cast<DuiScrollWidget *>(widget.data()));
    QVERIFY(widget->findChild<DuiWidget *>(QStringLiteral("ScrollWidgetContent")));
    for (const char *name : {"scrollbar_background", "scrollbar_thumb_normal", "scrollbar_thumb_hover"}) {
        const QImage image(QStringLiteral(":/theme/duifw/%1.png").arg(QLatin1String(name)));
        QVERIFY2(!image.isNull(), name);
        QVERIFY(image.width() <= 12 && image.height() >= 9);
    }
}

void tst_DuiScrollArea::rangeFollowsContent_data()
{
    QTest::addColumn<qreal>("contentHeight");
    QTest::addColumn<qreal>("maximum");
    QTest::addColumn<bool>("barVisible");
    QTest::newRow("shorter") << 80.0 << 0.0 << false;
    QTest::newRow("equal") << 100.0 << 0.0 << false;
    QTest::newRow("taller") << 300.0 << 200.0 << true;
}

void tst_DuiScrollArea::rangeFollowsContent()
{
    QFETCH(qreal, contentHeight);
    QFETCH(qreal, maximum);
    QFETCH(bool, barVisible);
    AreaFixture f(contentHeight);
    // Right after installing, before any queued update: never a negative range.
    QCOMPARE(f.area->scrollBarMax(), maximum);
    QCOMPARE(f.bar()->isVisible(), barVisible);
    QCOMPARE(f.content->size().width(), barVisible ? 188.0 : 200.0);
    QCOMPARE(f.bar()->geometry(), QRectF(188, 0, 12, 100));
    QCOMPARE(f.bar()->pageStep(), 100.0);

    // The range follows later changes of the content's height once the event loop runs.
    f.content->resize(f.content->size().width(), contentHeight + 100);
    QTRY_COMPARE(f.area->scrollBarMax(), contentHeight);
    QVERIFY(f.bar()->isVisible());
    QCOMPARE(f.content->size().width(), 188.0);
    f.content->resize(f.content->size().width(), 40);
    QTRY_COMPARE(f.area->scrollBarMax(), 0.0);
    QVERIFY(!f.bar()->isVisible());
    QCOMPARE(f.content->size().width(), 200.0);
}

void tst_DuiScrollArea::policies_data()
{
    QTest::addColumn<int>("policy");
    QTest::addColumn<qreal>("contentHeight");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<qreal>("opacity");
    QTest::newRow("as needed, nothing to scroll") << int(Qt::ScrollBarAsNeeded) << 100.0 << false << 1.0;
    QTest::newRow("always on, nothing to scroll") << int(Qt::ScrollBarAlwaysOn) << 100.0 << true << 0.6;
    QTest::newRow("always off, scrolling") << int(Qt::ScrollBarAlwaysOff) << 400.0 << false << 1.0;
    QTest::newRow("always on, scrolling") << int(Qt::ScrollBarAlwaysOn) << 400.0 << true << 1.0;
}

void tst_DuiScrollArea::policies()
{
    QFETCH(int, policy);
    QFETCH(qreal, contentHeight);
    QFETCH(bool, visible);
    QFETCH(qreal, opacity);
    // The bar shows first; the policy takes effect at the next range update.
    AreaFixture f(500);
    QVERIFY(f.bar()->isVisible());
    f.area->setScrollBarPolicy(Qt::ScrollBarPolicy(policy));
    f.content->resize(f.content->size().width(), contentHeight);
    QCoreApplication::processEvents(); // the queued range update
    QCOMPARE(f.bar()->isVisible(), visible);
    QCOMPARE(f.bar()->opacity(), opacity);
    QCOMPARE(f.content->size().width(), visible ? 188.0 : 200.0);
}

void tst_DuiScrollArea::wheelOnArea_data()
{
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<QPoint>("pixels");
    QTest::addColumn<qreal>("value");
    QTest::newRow("one notch down") << QList<int>{-120} << QPoint() << 40.0;
    QTest::newRow("half a notch does nothing") << QList<int>{-60} << QPoint() << 0.0;
    QTest::newRow("two halves make a notch") << QList<int>{-60, -60} << QPoint() << 40.0;
    QTest::newRow("touchpad trickle") << QList<int>{-30, -30, -30, -30, -30} << QPoint() << 40.0;
    QTest::newRow("back and forth cancels") << QList<int>{-90, 90, -90} << QPoint() << 0.0;
    QTest::newRow("up at the top") << QList<int>{120} << QPoint() << 0.0;
    QTest::newRow("far past the end") << QList<int>{-1200} << QPoint() << 200.0;
    QTest::newRow("pixel delta") << QList<int>{-15} << QPoint(0, -25) << 25.0;
}

void tst_DuiScrollArea::wheelOnArea()
{
    QFETCH(QList<int>, deltas);
    QFETCH(QPoint, pixels);
    QFETCH(qreal, value);
    AreaFixture f(300);
    QSignalSpy moved(f.area, &DuiScrollArea::scrollPosChanged);
    for (int delta : deltas)
        QVERIFY(wheel(f.scene, QPointF(50, 50), delta, pixels));
    QCOMPARE(f.bar()->sliderPosition(), value);
    QCOMPARE(f.content->pos(), QPointF(0, -value));
    if (value > 0)
        QCOMPARE(moved.last().at(0).toReal(), value);

    // A content no taller than the area leaves the wheel to whatever encloses it.
    AreaFixture shortArea(100);
    QVERIFY(!wheel(shortArea.scene, QPointF(50, 50), -120));
    QCOMPARE(shortArea.content->pos(), QPointF(0, 0));
}

void tst_DuiScrollArea::wheelOnBarScrollsOnce()
{
    AreaFixture f(300);
    QVERIFY(wheel(f.scene, QPointF(194, 50), -120));
    QCOMPARE(f.bar()->sliderPosition(), 40.0);
    QCOMPARE(f.content->pos(), QPointF(0, -40));
    // Small deltas over the bar add up as over the area, and stay on the bar.
    QVERIFY(wheel(f.scene, QPointF(194, 50), -60));
    QCOMPARE(f.bar()->sliderPosition(), 40.0);
    QVERIFY(wheel(f.scene, QPointF(194, 50), -60));
    QCOMPARE(f.bar()->sliderPosition(), 80.0);
}

void tst_DuiScrollArea::thumbGeometry_data()
{
    QTest::addColumn<qreal>("min");
    QTest::addColumn<qreal>("max");
    QTest::addColumn<qreal>("page");
    QTest::addColumn<qreal>("value");
    QTest::addColumn<qreal>("barHeight");
    QTest::addColumn<QRectF>("thumb"); // empty: hidden

    QTest::newRow("short thumb raised to 30") << 0.0 << 1000.0 << 100.0 << 0.0 << 200.0 << QRectF(1, 0, 10, 30);
    QTest::newRow("page sized thumb") << 0.0 << 200.0 << 200.0 << 100.0 << 200.0 << QRectF(1, 50, 10, 100);
    QTest::newRow("offset range, middle") << 10.0 << 20.0 << 0.0 << 15.0 << 200.0 << QRectF(1, 85, 10, 30);
    QTest::newRow("offset range, end") << 10.0 << 20.0 << 0.0 << 20.0 << 200.0 << QRectF(1, 170, 10, 30);
    QTest::newRow("negative range, start") << -50.0 << -10.0 << 0.0 << -50.0 << 200.0 << QRectF(1, 0, 10, 30);
    QTest::newRow("empty range at 0") << 0.0 << 0.0 << 400.0 << 0.0 << 200.0 << QRectF();
    QTest::newRow("empty range off 0") << 10.0 << 10.0 << 400.0 << 10.0 << 200.0 << QRectF();
    QTest::newRow("maximum below minimum") << 10.0 << 5.0 << 0.0 << 10.0 << 200.0 << QRectF();
    QTest::newRow("track shorter than a thumb") << 0.0 << 100.0 << 0.0 << 50.0 << 20.0 << QRectF(1, 0, 10, 20);
    QTest::newRow("huge page clamped to track") << 0.0 << 1.0 << 1e9 << 0.0 << 200.0 << QRectF(1, 0, 10, 200);
    QTest::newRow("widest doubles, middle") << -DBL_MAX << DBL_MAX << 100.0 << 0.0 << 200.0 << QRectF(1, 85, 10, 30);
    QTest::newRow("widest doubles, end") << -DBL_MAX << DBL_MAX << 100.0 << DBL_MAX << 200.0 << QRectF(1, 170, 10, 30);
    QTest::newRow("infinite maximum") << 0.0 << qInf() << 100.0 << 0.0 << 200.0 << QRectF(1, 0, 10, 30);
}

void tst_DuiScrollArea::thumbGeometry()
{
    QFETCH(qreal, min);
    QFETCH(qreal, max);
    QFETCH(qreal, page);
    QFETCH(qreal, value);
    QFETCH(qreal, barHeight);
    QFETCH(QRectF, thumb);
    BarFixture f(min, max, page);
    f.bar->resize(12, barHeight);
    f.bar->setSliderPosition(value);
    QCOMPARE(f.bar->sliderPosition(), qMax(min, qMin(value, qMax(min, max))));
    if (thumb.isEmpty()) {
        QVERIFY(!f.thumb()->isVisible());
        QCOMPARE(f.bar->acceptedMouseButtons(), Qt::MouseButtons(Qt::NoButton));
        return;
    }
    QVERIFY(f.thumb()->isVisible());
    QVERIFY(f.bar->acceptedMouseButtons() & Qt::LeftButton);
    const QRectF got = f.thumb()->geometry();
    QVERIFY2(std::isfinite(got.y()) && std::isfinite(got.height()), "finite geometry");
    QCOMPARE(got.x(), thumb.x());
    QCOMPARE(got.width(), thumb.width());
    QVERIFY2(qAbs(got.y() - thumb.y()) < 0.01 && qAbs(got.height() - thumb.height()) < 0.01,
             qPrintable(QStringLiteral("got %1 +%2").arg(got.y()).arg(got.height())));
}

void tst_DuiScrollArea::relayoutKeepsValue()
{
    BarFixture f(10, 20, 0);
    f.bar->setSliderPosition(15);
    QSignalSpy changed(f.bar, &DuiScrollBar::valueChanged);
    for (qreal height : {300.0, 120.0, 200.0}) {
        f.bar->resize(12, height);
        QCOMPARE(f.bar->sliderPosition(), 15.0);
        QCOMPARE(f.thumb()->geometry().y(), (height - 30) / 2);
    }
    // A NaN is no value and no range.
    f.bar->setSliderPosition(qQNaN());
    f.bar->setRange(qQNaN(), 5);
    QCOMPARE(f.bar->sliderPosition(), 15.0);
    QCOMPARE(changed.count(), 0);
    // A shrinking range carries the value along, and says so.
    f.bar->setRange(10, 12);
    QCOMPARE(f.bar->sliderPosition(), 12.0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toReal(), 12.0);
}

void tst_DuiScrollArea::dragThumb()
{
    BarFixture f(10, 20, 0);
    QSignalSpy changed(f.bar, &DuiScrollBar::valueChanged);
    // Grab the thumb 10 below its top and drag it to the middle of the free run (170).
    mouse(f.scene, QEvent::GraphicsSceneMousePress, QPointF(6, 10));
    QVERIFY(f.thumb()->isPressed());
    QCOMPARE(f.bar->repeatAction(), DuiScrollBar::NoAction);
    mouse(f.scene, QEvent::GraphicsSceneMouseMove, QPointF(6, 95));
    QCOMPARE(f.bar->sliderPosition(), 15.0);
    QCOMPARE(f.thumb()->geometry().y(), 85.0);
    mouse(f.scene, QEvent::GraphicsSceneMouseMove, QPointF(40, 500));
    QCOMPARE(f.bar->sliderPosition(), 20.0);
    mouse(f.scene, QEvent::GraphicsSceneMouseMove, QPointF(6, 61));
    QCOMPARE(f.bar->sliderPosition(), 13.0);
    QCOMPARE(changed.count(), 3);

    // Released away from the thumb: the drag is over all the same, by the release itself (the
    // bar still has the grab when it sees the release).
    QGraphicsSceneMouseEvent release(QEvent::GraphicsSceneMouseRelease);
    release.setPos(QPointF(60, 190));
    release.setButton(Qt::LeftButton);
    f.scene.sendEvent(f.bar, &release);
    QVERIFY(!f.thumb()->isPressed());
    QGraphicsSceneMouseEvent stray(QEvent::GraphicsSceneMouseMove);
    stray.setPos(QPointF(6, 190));
    stray.setButtons(Qt::LeftButton);
    f.scene.sendEvent(f.bar, &stray);
    QCOMPARE(f.bar->sliderPosition(), 13.0);
    mouse(f.scene, QEvent::GraphicsSceneMouseRelease, QPointF(60, 190));

    // Hovering tints the thumb more strongly and shows its hover look while over it.
    hover(f.scene, QPointF(6, 150));
    QCOMPARE(f.thumb()->themeColorType(), int(DuiTheme::StrongColor));
    QVERIFY(!f.thumb()->isHovered());
    hover(f.scene, QPointF(6, 70));
    QVERIFY(f.thumb()->isHovered());
    hover(f.scene, QPointF(60, 70));
    QVERIFY(!f.thumb()->isHovered());
    QCOMPARE(f.thumb()->themeColorType(), int(DuiTheme::DarkestColor));

    // Other buttons neither drag nor page.
    mouse(f.scene, QEvent::GraphicsSceneMousePress, QPointF(6, 150), Qt::RightButton);
    QCOMPARE(f.bar->sliderPosition(), 13.0);
    QCOMPARE(f.bar->repeatAction(), DuiScrollBar::NoAction);
}

void tst_DuiScrollArea::trackHoldRepeats()
{
    // Range 1000, page 100: a 30-unit thumb over 170 free units, 0.17 units per value.
    BarFixture f(0, 1000, 100);
    mouse(f.scene, QEvent::GraphicsSceneMousePress, QPointF(6, 150));
    QCOMPARE(f.bar->sliderPosition(), 100.0);
    QCOMPARE(f.bar->repeatAction(), DuiScrollBar::PageNext);
    // It pages on until the thumb covers the pointer: at 800 it spans 136..166.
    QTRY_COMPARE_WITH_TIMEOUT(f.bar->repeatAction(), DuiScrollBar::NoAction, 5000);
    QCOMPARE(f.bar->sliderPosition(), 800.0);
    QVERIFY(f.thumb()->geometry().contains(QPointF(6, 150)));
    QTest::qWait(450);
    QCOMPARE(f.bar->sliderPosition(), 800.0);
    mouse(f.scene, QEvent::GraphicsSceneMouseRelease, QPointF(6, 150));

    // Above the thumb it pages back.
    mouse(f.scene, QEvent::GraphicsSceneMousePress, QPointF(6, 20));
    QCOMPARE(f.bar->sliderPosition(), 700.0);
    QCOMPARE(f.bar->repeatAction(), DuiScrollBar::PagePrevious);
    mouse(f.scene, QEvent::GraphicsSceneMouseRelease, QPointF(6, 20));
    QCOMPARE(f.bar->repeatAction(), DuiScrollBar::NoAction);
}

void tst_DuiScrollArea::repeatStops_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("release off the bar") << QStringLiteral("release");
    QTest::newRow("mouse grab lost") << QStringLiteral("ungrab");
    QTest::newRow("bar hidden") << QStringLiteral("hide");
    QTest::newRow("end of the range") << QStringLiteral("end");
}

void tst_DuiScrollArea::repeatStops()
{
    QFETCH(QString, how);
    BarFixture f(0, 1000, 100);
    if (how == QLatin1String("end")) {
        // Stepping by a held button that reaches the maximum: nothing more to do.
        f.bar->setSliderPosition(999.5);
        f.bar->on_nextButton_pressed();
        QCOMPARE(f.bar->sliderPosition(), 1000.0);
        QCOMPARE(f.bar->repeatAction(), DuiScrollBar::StepNext);
        QTRY_COMPARE_WITH_TIMEOUT(f.bar->repeatAction(), DuiScrollBar::NoAction, 1000);
        return;
    }
    if (how == QLatin1String("hide")) {
        // Held by a stepping button, with no mouse grab that hiding would end.
        f.bar->on_nextButton_pressed();
        QCOMPARE(f.bar->repeatAction(), DuiScrollBar::StepNext);
        f.bar->hide();
        QCOMPARE(f.bar->repeatAction(), DuiScrollBar::NoAction);
        QTest::qWait(250);
        QCOMPARE(f.bar->sliderPosition(), 1.0);
        return;
    }
    mouse(f.scene, QEvent::GraphicsSceneMousePress, QPointF(6, 190));
    QCOMPARE(f.bar->repeatAction(), DuiScrollBar::PageNext);
    if (how == QLatin1String("release"))
        mouse(f.scene, QEvent::GraphicsSceneMouseRelease, QPointF(300, 300));
    else
        f.bar->ungrabMouse();
    QCOMPARE(f.bar->repeatAction(), DuiScrollBar::NoAction);
    QTest::qWait(450);
    QCOMPARE(f.bar->sliderPosition(), 100.0);
}

void tst_DuiScrollArea::scrollPosApi()
{
    AreaFixture f(300);
    QSignalSpy sized(f.area, &DuiScrollArea::sizeChange);
    f.area->scrollToEnd();
    QCOMPARE(f.area->scrollPos(), 200);
    QCOMPARE(f.content->pos(), QPointF(0, -200));
    f.area->setScrollPos(55);
    QCOMPARE(f.content->pos(), QPointF(0, -55));
    f.area->scrollToBegin();
    QCOMPARE(f.area->scrollPos(), 0);

    // Growing the area past its content: the range and the position fall to 0.
    f.area->setScrollPos(150);
    f.area->resize(200, 400);
    QCOMPARE(sized.count(), 1);
    QCOMPARE(sized.at(0).at(0).toReal(), 400.0);
    QCOMPARE(sized.at(0).at(1).toReal(), 300.0);
    QCOMPARE(f.area->scrollBarMax(), 0.0);
    QCOMPARE(f.content->pos(), QPointF(0, 0));
    f.area->setScrollPos(500);
    QCOMPARE(f.area->scrollPos(), 0);
}

void tst_DuiScrollArea::contentReplacedAndDeleted()
{
    AreaFixture f(300);
    auto *other = new DuiWidget;
    other->resize(200, 150);
    f.area->setContentWidget(other);
    QCOMPARE(f.area->contentWidget(), other);
    QCOMPARE(f.area->scrollBarMax(), 50.0);
    // The old content no longer drives the range, nor is it still wired to the area.
    f.content->resize(200, 1000);
    QTest::qWait(20);
    QCOMPARE(f.area->scrollBarMax(), 50.0);
    QVERIFY(!QObject::disconnect(f.content, &QGraphicsWidget::geometryChanged, f.area,
                                 &DuiScrollArea::onContentGeometryChanged));

    // Deleted behind the area's back, even with an update queued.
    other->resize(200, 900);
    delete other;
    QCOMPARE(f.area->contentWidget(), nullptr);
    QTest::qWait(20);
    f.area->resize(150, 80);
    QVERIFY(wheel(f.scene, QPointF(50, 50), -120) == false);
    f.area->scrollToEnd();
    QCOMPARE(f.area->scrollbar()->geometry(), QRectF(138, 0, 12, 80));
}

void tst_DuiScrollArea::scrollWidgetFromXml()
{
    DuiWidget root;
    const std::string xml = "<xmlui><DuiScrollWidget objectName='scroll' spacing='4' layout='VBox' margins='2,3,2,5' "
                            "scrollBarPolicy='0'>"
                            "<DuiWidget objectName='row0' fixHeight='50'/><DuiWidget objectName='row1' fixHeight='50'/>"
                            "<DuiWidget objectName='row2' fixHeight='50'/><DuiWidget objectName='row3' fixHeight='50'/>"
                            "</DuiScrollWidget></xmlui>";
    QVERIFY(DuiXmlUI::createFromMemory(xml, &root));
    auto *scroll = root.findChild<DuiScrollWidget *>(QStringLiteral("scroll"));
    QVERIFY(scroll);
    auto *content = scroll->findChild<DuiWidget *>(QStringLiteral("ScrollWidgetContent"));
    QVERIFY(content);
    QCOMPARE(scroll->layout(), content->layout());
    auto *linear = dynamic_cast<QGraphicsLinearLayout *>(content->layout());
    QVERIFY(linear);
    QCOMPARE(linear->orientation(), Qt::Vertical);
    QCOMPARE(linear->count(), 4);
    QCOMPARE(linear->spacing(), 4.0);
    QCOMPARE(content->margins(), QMargins(2, 3, 2, 5));
    auto *row3 = content->findChild<DuiWidget *>(QStringLiteral("row3"));
    QVERIFY(row3);
    QCOMPARE(row3->parentItem(), content);

    QGraphicsScene scene;
    scene.addItem(&root);
    scroll->resize(200, 100);
    // 4 rows of 50, 3 gaps of 4 and margins 3 + 5: 220 high, 120 to scroll.
    QTRY_COMPARE(content->size().height(), 220.0);
    QTRY_COMPARE(scroll->scrollBarMax(), 120.0);
    QVERIFY(scroll->scrollbar()->isVisible());
    QTRY_COMPARE(row3->geometry(), QRectF(2, 3 + 3 * 54, 184, 50));

    // Rows added later make the content taller; removed ones shorter, never below the view.
    auto *row4 = new DuiWidget;
    row4->setFixHeight(50);
    scroll->addItem(row4);
    QTRY_COMPARE(scroll->scrollBarMax(), 174.0);
    for (const char *name : {"row0", "row1", "row2", "row3"})
        scroll->removeItem(content->findChild<DuiWidget *>(QLatin1String(name)));
    QTRY_COMPARE(content->size().height(), 100.0);
    QTRY_COMPARE(scroll->scrollBarMax(), 0.0);
    QVERIFY(!scroll->scrollbar()->isVisible());
    scene.removeItem(&root);
}

void tst_DuiScrollArea::horizontalBar()
{
    QGraphicsScene scene;
    auto *bar = new DuiHScrollBar;
    scene.addItem(bar);
    bar->resize(200, 12);
    bar->setRange(0, 100);
    bar->setSingleStep(180);
    // The thumb stands for the single step: 180 · 200 / 101, clamped to the track.
    DuiFrameItem *thumb = thumbOf(bar);
    QCOMPARE(thumb->geometry().width(), 200.0);
    bar->setSingleStep(10);
    QCOMPARE(thumb->geometry(), QRectF(0, 1, 30, 10));
    bar->setSliderPosition(50);
    QCOMPARE(thumb->geometry().x(), 85.0);

    mouse(scene, QEvent::GraphicsSceneMousePress, QPointF(90, 6));
    mouse(scene, QEvent::GraphicsSceneMouseMove, QPointF(175, 6));
    QCOMPARE(bar->sliderPosition(), 100.0);
    mouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(175, 60));
    QVERIFY(!thumb->isPressed());
    mouse(scene, QEvent::GraphicsSceneMousePress, QPointF(20, 6));
    // A page step of 0 moves nothing, so the repeat ends on its first tick.
    QCOMPARE(bar->repeatAction(), DuiScrollBar::PagePrevious);
    QTRY_COMPARE_WITH_TIMEOUT(bar->repeatAction(), DuiScrollBar::NoAction, 1000);
    mouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(20, 6));

    // Wheel events end here without moving anything.
    QVERIFY(wheel(scene, QPointF(100, 6), -120));
    QCOMPARE(bar->sliderPosition(), 100.0);
}

void tst_DuiScrollArea::rendersTinted()
{
    AreaFixture f(300);
    f.area->setScrollPos(100);
    // The thumb is drawn where the value puts it: 100 of 200 over the free run of 66.7.
    DuiFrameItem *thumb = thumbOf(f.bar());
    const QRectF rect = f.bar()->mapRectToScene(thumb->geometry());
    QVERIFY(qAbs(rect.center().y() - 50) < 1);
    const QPoint inside = rect.center().toPoint();
    const QPoint above(inside.x(), 5);

    QList<QColor> thumbColours;
    for (int row : {0, 4}) {
        QVERIFY(DuiTheme::setColorThemeOnly(row));
        thumb->colorize(DuiTheme::getColor(DuiTheme::BaseColor));
        const QImage image = render(f.scene, QRectF(0, 0, 200, 100));
        const QColor thumbColour = image.pixelColor(inside);
        const QColor trackColour = image.pixelColor(above);
        QVERIFY2(thumbColour.lightness() < trackColour.lightness() - 8,
                 qPrintable(QStringLiteral("%1 vs %2").arg(thumbColour.name(), trackColour.name())));
        thumbColours << thumbColour;
    }
    // Another colour row tints the thumb another colour.
    QVERIFY(thumbColours.at(0) != thumbColours.at(1));
}

QTEST_MAIN(tst_DuiScrollArea)
#include "tst_duiscrollarea.moc"
