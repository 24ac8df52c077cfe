// SPDX-License-Identifier: MIT
// Tooltip controllers, the engine's timing and hide policies, the bubble's placement and look.
// Hovers are real: the cursor moves over a shown view (offscreen platform, two screens, the
// second at negative coordinates). The engine's timers are driven by calling their timeout slots,
// so no test waits a fixed time.
#include "../platform/xvfbtestutil.h"
#include "twoscreens.h"

#include <duipushbutton.h>
#include <duitextedit.h>
#include <duititlebar.h>
#include <duitooltip.h>
#include <duiwidget.h>

#include "duitooltip_p.h"
#include "duitooltipview_p.h"

#include <QtGui/qcursor.h>
#include <QtGui/qpainter.h>
#include <QtGui/qscreen.h>
#include <QtGui/qtextdocument.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>

namespace {

const QRect kLeft = TwoScreens::left;

ToolTip *engine()
{
    return ToolTip::instance();
}

// A shown view holding one target with a tool-tip text, attached to a controller.
struct Fixture
{
    explicit Fixture(const QPoint &at = QPoint(100, 100))
    {
        scene.setSceneRect(0, 0, 300, 200);
        target = new DuiWidget;
        target->setGeometry(20, 20, 100, 30);
        target->setToolTip(QStringLiteral("Hello tip"));
        scene.addItem(target);
        view.setWindowFlags(Qt::FramelessWindowHint);
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.setGeometry(QRect(at, QSize(300, 200)));
        tip.attatchWidget(target);
    }
    bool show()
    {
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }
    QPoint global(const QPointF &scenePoint) const
    {
        return view.viewport()->mapToGlobal(view.mapFromScene(scenePoint));
    }
    // A real cursor move: the platform turns it into mouse moves, the view into hover events.
    void hover(const QPointF &scenePoint) { QTest::mouseMove(view.viewport(), view.mapFromScene(scenePoint)); }
    // Hovers the target and runs the timers as if the cursor rested: the tip shows.
    void rest(const QPointF &scenePoint = QPointF(40, 30))
    {
        hover(scenePoint);
        engine()->on_checkHoveTimer_timerout();
        engine()->on_showTimer_timeout();
    }

    QGraphicsScene scene;
    QGraphicsView view{&scene};
    DuiWidget *target = nullptr;
    DuiToolTip tip;
};

ToolTipView *shownView()
{
    ToolTipView *view = engine()->view();
    return view && view->isVisible() ? view : nullptr;
}

QString shownText()
{
    ToolTipView *view = shownView();
    if (!view)
        return QString();
    auto *edit = view->item()->findChild<DuiTextEdit *>(QStringLiteral("toolTipEdit"));
    return edit ? edit->document()->toPlainText() : QStringLiteral("<no toolTipEdit>");
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The offscreen platform cannot raise windows and says so at every tooltip show; only that
// message is dropped, everything else reaches the test log.
QtMessageHandler s_testLog = nullptr;
void dropRaiseWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        s_testLog(type, context, message);
}

} // namespace

class tst_DuiToolTip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { s_testLog = qInstallMessageHandler(dropRaiseWarning); }
    void cleanupTestCase() { qInstallMessageHandler(s_testLog); }
    void init();
    void cleanup();

    void attachKeepsOrderOnceAndTurnsHoverOn();
    void detachAndDestroyedWidgets();
    void attachByName();
    void styleRecordDefaultsAndCopies();

    void restingHoverShowsTheTargetsText();
    void movingPostponesTheTip();
    void hidePolicies_data();
    void hidePolicies();
    void mousePress_data();
    void mousePress();
    void receiverReplacesTheTip();
    void sharedWidgetKeepsItsFilter();
    void disabledControllerShowsNothing();
    void deletedWhileShown_data();
    void deletedWhileShown();

    void placementAtCursor_data();
    void placementAtCursor();
    void placementBesideRect_data();
    void placementBesideRect();
    void shownOnTheNegativeScreen();

    void customWidgetSurvivesTheView();
    void oversizedWidgetIsRefused();
    void bubblePixels();
    void titlebarButtonTexts_data();
    void titlebarButtonTexts();
    void thousandCyclesLeaveNoWindow();
    void engineGoesWithTheApplication();
    void xvfbTranslucentTip();
};

void tst_DuiToolTip::init()
{
    // Away from every test view, on the primary screen.
    QCursor::setPos(QPoint(1200, 780));
    QCoreApplication::processEvents();
}

void tst_DuiToolTip::cleanup()
{
    engine()->hideAndStop();
    engine()->setHideDelay(0);
    flushDeletes();
}

void tst_DuiToolTip::attachKeepsOrderOnceAndTurnsHoverOn()
{
    DuiToolTip tip;
    DuiWidget first;
    DuiWidget second;
    first.setAcceptHoverEvents(false);
    second.setAcceptHoverEvents(false);

    tip.attatchWidget(&second);
    tip.attatchWidget(&first);
    tip.attatchWidget(&second);
    tip.attatchWidget(nullptr);

    QCOMPARE(tip.targets(), (QList<DuiWidget *>{&second, &first}));
    QVERIFY(first.acceptHoverEvents());
    QVERIFY(second.acceptHoverEvents());
}

void tst_DuiToolTip::detachAndDestroyedWidgets()
{
    DuiToolTip tip;
    DuiWidget kept;
    DuiWidget detached;
    auto *destroyed = new DuiWidget;
    tip.attatchWidget(&kept);
    tip.attatchWidget(destroyed);
    tip.attatchWidget(&detached);

    tip.detachWidget(&detached);
    // Detaching what is not attached changes nothing.
    tip.detachWidget(&detached);
    delete destroyed;
    QCOMPARE(tip.targets(), QList<DuiWidget *>{&kept});

    // A detached widget can come back, at the end.
    tip.attatchWidget(&detached);
    QCOMPARE(tip.targets(), (QList<DuiWidget *>{&kept, &detached}));
}

void tst_DuiToolTip::attachByName()
{
    // Both are invokable, so a host can call them by name.
    DuiToolTip tip;
    DuiWidget widget;
    QVERIFY(QMetaObject::invokeMethod(&tip, "attatchWidget", Q_ARG(DuiWidget *, &widget)));
    QCOMPARE(tip.targets(), QList<DuiWidget *>{&widget});
    QVERIFY(QMetaObject::invokeMethod(&tip, "detachWidget", Q_ARG(DuiWidget *, &widget)));
    QVERIFY(tip.targets().isEmpty());
}

void tst_DuiToolTip::styleRecordDefaultsAndCopies()
{
    DuiToolTipStyle null;
    QVERIFY(null.isNull());
    QVERIFY(!null.backGroundStartColor().isValid());
    QCOMPARE(null.blurRadius(), 0);
    QCOMPARE(null.direction(), DuiToolTipStyle::TipBelow);

    DuiToolTipStyle style;
    style.setTrangleHeight(6);
    QVERIFY(!style.isNull());
    QCOMPARE(style.backGroundEndColor(), QColor(229, 241, 249));
    QCOMPARE(style.borderColor(), QColor(113, 139, 165));
    QCOMPARE(style.blurRadius(), 5);
    QCOMPARE(style.hidePolicy(), DuiToolTipStyle::HideWhenCursorMoves);

    // A copy is its own record.
    DuiToolTipStyle copy = style;
    copy.setBorderColor(Qt::red);
    QCOMPARE(style.borderColor(), QColor(113, 139, 165));

    // A fresh default style replaces what was set before.
    DuiToolTip tip;
    style.setFontColor(Qt::green);
    tip.setDefaultStyle(style);
    tip.setDefaultHideStyle(DuiToolTipStyle::NeverAutoHide);
    QCOMPARE(tip.defaultStyle().hidePolicy(), DuiToolTipStyle::NeverAutoHide);
    QCOMPARE(tip.defaultStyle().fontColor(), QColor(72, 72, 72));
    QCOMPARE(tip.defaultStyle().trangleHeight(), 0);
}

void tst_DuiToolTip::restingHoverShowsTheTargetsText()
{
    Fixture f;
    QVERIFY(f.show());
    QSignalSpy ready(&f.tip, &DuiToolTip::readyToShowToolTip);
    f.hover(QPointF(40, 30));
    QCOMPARE(engine()->target(), f.target);
    QVERIFY(engine()->hoverTimer()->isActive());
    QCOMPARE(engine()->hoverTimer()->interval(), 200);
    // Left to its own timers, the tip comes once the cursor has rested.
    QTRY_VERIFY(shownView());
    QCOMPARE(ready.size(), 1);
    QCOMPARE(ready.at(0).at(0).value<DuiWidget *>(), f.target);
    QCOMPARE(shownText(), QStringLiteral("Hello tip"));
    ToolTipView *view = shownView();
    QCOMPARE(view->objectName(), QStringLiteral("toolTips"));
    QVERIFY(view->windowFlags().testFlag(Qt::ToolTip));
    QVERIFY(view->testAttribute(Qt::WA_TranslucentBackground));
    // Below the cursor, 20 pixels down.
    const QPoint cursor = f.global(QPointF(40, 30));
    QCOMPARE(view->geometry().topLeft(), cursor + QPoint(0, 20));
    QVERIFY(f.tip.isVisible());
    QVERIFY(engine()->hideTimer()->isActive());
    QCOMPARE(engine()->hideTimer()->interval(), 100);
}

void tst_DuiToolTip::movingPostponesTheTip()
{
    Fixture f;
    QVERIFY(f.show());
    f.hover(QPointF(40, 30));
    // Nine pixels between two checks: still moving, the rest point follows.
    f.hover(QPointF(49, 30));
    engine()->on_checkHoveTimer_timerout();
    QVERIFY(engine()->hoverTimer()->isActive());
    QVERIFY(!engine()->showTimer()->isActive());
    QCOMPARE(engine()->restPoint(), f.global(QPointF(49, 30)));
    // Eight pixels is resting.
    f.hover(QPointF(57, 22));
    engine()->on_checkHoveTimer_timerout();
    QVERIFY(!engine()->hoverTimer()->isActive());
    QVERIFY(engine()->showTimer()->isActive());
    QCOMPARE(engine()->showTimer()->interval(), 100);
    // Moving away during the delay cancels this hover's tip.
    f.hover(QPointF(80, 30));
    engine()->on_showTimer_timeout();
    QVERIFY(!shownView());
}

void tst_DuiToolTip::hidePolicies_data()
{
    QTest::addColumn<int>("policy");
    QTest::addColumn<QString>("move"); // "stay", "9px", "tip", "rect", "away"
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("hideTimerRuns");

    QTest::newRow("moves, resting") << int(DuiToolTipStyle::HideWhenCursorMoves) << "stay" << false << true;
    QTest::newRow("moves, 9 pixels") << int(DuiToolTipStyle::HideWhenCursorMoves) << "9px" << true << false;
    QTest::newRow("leaves tip, on the tip") << int(DuiToolTipStyle::HideWhenCursorLeavesTip) << "tip" << false << true;
    QTest::newRow("leaves tip, 9 pixels") << int(DuiToolTipStyle::HideWhenCursorLeavesTip) << "9px" << true << false;
    QTest::newRow("leaves rect, inside") << int(DuiToolTipStyle::HideWhenCursorLeavesRect) << "rect" << false << true;
    QTest::newRow("leaves rect, on the tip") << int(DuiToolTipStyle::HideWhenCursorLeavesRect) << "tip" << false << true;
    QTest::newRow("leaves rect, outside") << int(DuiToolTipStyle::HideWhenCursorLeavesRect) << "away" << true << false;
    QTest::newRow("moves once, 9 pixels") << int(DuiToolTipStyle::HideWhenCursorMovesOnce) << "9px" << true << false;
    QTest::newRow("never, away") << int(DuiToolTipStyle::NeverAutoHide) << "away" << false << false;
}

void tst_DuiToolTip::hidePolicies()
{
    QFETCH(int, policy);
    QFETCH(QString, move);
    QFETCH(bool, hidden);
    QFETCH(bool, hideTimerRuns);

    Fixture f;
    QVERIFY(f.show());
    DuiToolTipStyle style;
    style.setHidePolicy(DuiToolTipStyle::HidePolicy(policy));
    f.tip.setDefaultStyle(style);
    f.rest();
    QVERIFY(shownView());
    // Every policy that can hide runs the check, the rectangle's too.
    QCOMPARE(engine()->hideTimer()->isActive(), policy != DuiToolTipStyle::NeverAutoHide);

    if (move == QLatin1String("9px"))
        f.hover(QPointF(49, 30));
    else if (move == QLatin1String("rect"))
        f.hover(QPointF(110, 45)); // still on the target, far from the rest point
    else if (move == QLatin1String("tip"))
        QTest::mouseMove(shownView(), QPoint(30, 12));
    else if (move == QLatin1String("away"))
        f.hover(QPointF(250, 150));
    engine()->on_hideTimer_timeout();
    QCOMPARE(!shownView(), hidden);
    QCOMPARE(engine()->hideTimer()->isActive(), hideTimerRuns);
}

void tst_DuiToolTip::mousePress_data()
{
    QTest::addColumn<int>("policy");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("moves") << int(DuiToolTipStyle::HideWhenCursorMoves) << true;
    QTest::newRow("never") << int(DuiToolTipStyle::NeverAutoHide) << false;
}

void tst_DuiToolTip::mousePress()
{
    QFETCH(int, policy);
    QFETCH(bool, hidden);
    Fixture f;
    QVERIFY(f.show());
    f.tip.setDefaultHideStyle(policy);
    f.rest();
    QVERIFY(shownView());
    QTest::mousePress(f.view.viewport(), Qt::LeftButton, {}, f.view.mapFromScene(QPointF(40, 30)));
    QCOMPARE(!shownView(), hidden);
    QTest::mouseRelease(f.view.viewport(), Qt::LeftButton, {}, f.view.mapFromScene(QPointF(40, 30)));
}

void tst_DuiToolTip::receiverReplacesTheTip()
{
    Fixture f;
    QVERIFY(f.show());
    const QRect rect(500, 500, 120, 40);
    bool replace = true;
    connect(&f.tip, &DuiToolTip::readyToShowToolTip, &f.tip, [&](DuiWidget *) {
        if (replace)
            f.tip.showToolTip(QStringLiteral("custom"), DuiToolTipStyle(), rect);
    });
    f.rest();
    QVERIFY(shownView());
    QCOMPARE(shownView()->geometry(), rect);
    QCOMPARE(shownText(), QStringLiteral("custom"));
    // A tip shown in a rectangle has no hide check.
    QVERIFY(!engine()->hideTimer()->isActive());

    // The next hover, left alone, shows the target's own text.
    replace = false;
    f.hover(QPointF(250, 150));
    engine()->hideAndStop();
    f.rest();
    QCOMPARE(shownText(), QStringLiteral("Hello tip"));
}

void tst_DuiToolTip::sharedWidgetKeepsItsFilter()
{
    Fixture f;
    QVERIFY(f.show());
    DuiToolTip other;
    other.attatchWidget(f.target);
    f.tip.detachWidget(f.target);
    f.hover(QPointF(40, 30));
    QCOMPARE(engine()->target(), f.target);

    f.hover(QPointF(250, 150));
    other.detachWidget(f.target);
    f.hover(QPointF(40, 30));
    QCOMPARE(engine()->target(), nullptr);
    QVERIFY(!engine()->hoverTimer()->isActive());
}

void tst_DuiToolTip::disabledControllerShowsNothing()
{
    Fixture f;
    QVERIFY(f.show());
    f.rest();
    QVERIFY(shownView());
    f.tip.enableToolTip(false);
    QVERIFY(!shownView());
    f.hover(QPointF(250, 150));
    f.hover(QPointF(40, 30));
    QVERIFY(!engine()->hoverTimer()->isActive());
    f.tip.enableToolTip(true);
    f.hover(QPointF(250, 150));
    f.rest();
    QVERIFY(shownView());
}

void tst_DuiToolTip::deletedWhileShown_data()
{
    QTest::addColumn<bool>("deleteController");
    QTest::newRow("target") << false;
    QTest::newRow("controller") << true;
}

void tst_DuiToolTip::deletedWhileShown()
{
    QFETCH(bool, deleteController);
    Fixture f;
    QVERIFY(f.show());
    auto *controller = new DuiToolTip;
    controller->attatchWidget(f.target);
    f.tip.detachWidget(f.target);
    f.rest();
    QVERIFY(shownView());
    if (deleteController) {
        delete controller;
    } else {
        delete f.target;
        f.target = nullptr;
    }
    QVERIFY(!shownView());
    QVERIFY(!engine()->hideTimer()->isActive());
    // Nothing dangles: the timers and hovers that follow run on.
    engine()->on_hideTimer_timeout();
    engine()->on_showTimer_timeout();
    if (f.target) {
        f.hover(QPointF(250, 150));
        f.hover(QPointF(40, 30));
        QCOMPARE(engine()->target(), nullptr);
    }
    delete (deleteController ? nullptr : controller);
}

void tst_DuiToolTip::placementAtCursor_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRect>("expected");

    const int below = DuiToolTipStyle::TipBelow;
    QTest::newRow("below, free") << QSize(80, 30) << QPoint(400, 300) << below << QRect(400, 320, 80, 30);
    QTest::newRow("above, free") << QSize(80, 30) << QPoint(400, 300) << int(DuiToolTipStyle::TipAbove)
                                 << QRect(400, 270, 80, 30);
    QTest::newRow("left, free") << QSize(80, 30) << QPoint(400, 300) << int(DuiToolTipStyle::TipLeft)
                                << QRect(320, 300, 80, 30);
    QTest::newRow("right edge of primary") << QSize(80, 30) << QPoint(1250, 300) << below << QRect(1200, 320, 80, 30);
    QTest::newRow("bottom of primary") << QSize(80, 30) << QPoint(400, 790) << below << QRect(400, 770, 80, 30);
    QTest::newRow("negative screen") << QSize(80, 30) << QPoint(-900, 400) << below << QRect(-900, 420, 80, 30);
    // Near the seam the tip stays whole on the cursor's screen, not spilling onto the other one.
    QTest::newRow("negative screen, seam") << QSize(80, 30) << QPoint(-10, 400) << below << QRect(-80, 420, 80, 30);
    QTest::newRow("negative screen, bottom") << QSize(80, 30) << QPoint(-500, 860) << below << QRect(-500, 838, 80, 30);
    // Wider than the screen: aligned to the screen's left edge, not to an inverted range.
    QTest::newRow("wider than primary") << QSize(3000, 30) << QPoint(600, 300) << below << QRect(0, 320, 3000, 30);
    QTest::newRow("wider than left screen") << QSize(3000, 30) << QPoint(-600, 300) << below << QRect(-1024, 320, 3000, 30);
}

void tst_DuiToolTip::placementAtCursor()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, cursor);
    QFETCH(int, direction);
    QFETCH(QRect, expected);
    QCOMPARE(ToolTip::placeAtCursor(size, cursor, direction), expected);
}

void tst_DuiToolTip::placementBesideRect_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRect>("expected");
    const QSize s(100, 50);
    QTest::newRow("below") << QRect(200, 200, 60, 20) << int(DuiToolTipStyle::TipBelow) << QRect(QPoint(200, 220), s);
    QTest::newRow("below, flipped above") << QRect(200, 770, 60, 20) << int(DuiToolTipStyle::TipBelow)
                                          << QRect(QPoint(200, 720), s);
    QTest::newRow("above, flipped below") << QRect(200, 10, 60, 20) << int(DuiToolTipStyle::TipAbove)
                                          << QRect(QPoint(200, 30), s);
    QTest::newRow("right, flipped left") << QRect(1200, 300, 60, 20) << int(DuiToolTipStyle::TipRight)
                                         << QRect(QPoint(1100, 300), s);
    QTest::newRow("left, on the negative screen") << QRect(-500, 300, 60, 20) << int(DuiToolTipStyle::TipLeft)
                                                  << QRect(QPoint(-600, 300), s);
    QTest::newRow("left, flipped right on the negative screen") << QRect(-1020, 300, 60, 20)
                                                                << int(DuiToolTipStyle::TipLeft) << QRect(QPoint(-960, 300), s);
    QTest::newRow("below, kept on the negative screen") << QRect(-60, 300, 60, 20) << int(DuiToolTipStyle::TipBelow)
                                                        << QRect(QPoint(-100, 320), s);
}

void tst_DuiToolTip::placementBesideRect()
{
    QFETCH(QRect, rect);
    QFETCH(int, direction);
    QFETCH(QRect, expected);
    QCOMPARE(ToolTip::placeBeside(QSize(100, 50), rect, direction), expected);
}

void tst_DuiToolTip::shownOnTheNegativeScreen()
{
    Fixture f(QPoint(-300, 300));
    QVERIFY(f.show());
    f.target->setToolTip(QString(300, QLatin1Char('W')));
    f.rest(QPointF(110, 30));
    ToolTipView *view = shownView();
    QVERIFY(view);
    // Wider than the screen: from its left edge, not on the primary screen.
    QVERIFY(view->width() > kLeft.width());
    QCOMPARE(view->x(), kLeft.left());

    // Near the seam the tip stays on the cursor's screen.
    f.target->setToolTip(QStringLiteral("short"));
    f.hover(QPointF(250, 150));
    engine()->hideAndStop();
    f.view.move(-120, 300);
    f.rest(QPointF(110, 30));
    view = shownView();
    QVERIFY(view);
    QVERIFY2(kLeft.contains(view->geometry()), qPrintable(QDebug::toString(view->geometry())));
    QCOMPARE(view->geometry().right(), kLeft.right());
}

void tst_DuiToolTip::customWidgetSurvivesTheView()
{
    Fixture f;
    QVERIFY(f.show());
    // On the heap: a tip that deleted it would leave the guard below null, not crash the test.
    auto *content = new DuiWidget;
    content->resize(120, 60);
    DuiToolTipStyle style;
    style.setHidePolicy(DuiToolTipStyle::HideWhenCursorLeavesRect);
    const QRect rect = QRect(f.global(QPointF(20, 20)), QSize(100, 30));
    f.tip.showToolTip(content, rect, style);
    ToolTipView *view = shownView();
    QVERIFY(view);
    QCOMPARE(content->scene(), view->scene());
    QVERIFY(!view->item()->isVisible());
    QCOMPARE(view->geometry(), QRect(rect.bottomLeft() + QPoint(0, 1), QSize(120, 60)));
    QVERIFY(engine()->hideTimer()->isActive());

    // Closing the view leaves the application's widget alive and out of the dead scene.
    QPointer<DuiWidget> guard(content);
    f.tip.hideToolTip();
    flushDeletes();
    QVERIFY(guard);
    QCOMPARE(content->scene(), nullptr);

    // Shown again through the style by a resting hover.
    DuiToolTipStyle withWidget;
    withWidget.setWidget(content);
    f.tip.setDefaultStyle(withWidget);
    f.rest();
    QVERIFY(shownView());
    QCOMPARE(shownView()->contentWidget(), content);
    QCOMPARE(shownView()->size(), QSize(120, 60));
    engine()->hideAndStop();
    flushDeletes();
    QVERIFY(guard);
    delete content;
}

void tst_DuiToolTip::oversizedWidgetIsRefused()
{
    DuiToolTip tip;
    DuiWidget wide;
    wide.setObjectName(QStringLiteral("wide"));
    wide.setMaximumSize(20000, 20000);
    wide.resize(10001, 20);
    QTest::ignoreMessage(QtCriticalMsg,
                         "Invalid size of custom widget in tooltip. Widget name:wide, size:(10001,20). Ignored.\n");
    tip.showToolTip(&wide);
    QVERIFY(!shownView());
    QCOMPARE(wide.scene(), nullptr);

    DuiToolTipStyle style;
    style.setHidePolicy(DuiToolTipStyle::HideWhenCursorLeavesRect);
    QTest::ignoreMessage(QtCriticalMsg, "Invalid size of custom widget in tooltip. Widget name:wide, "
                                        "wiget size:(10001,20), target size:(30,40). Ignored.\n");
    tip.showToolTip(&wide, QRect(10, 10, 30, 40), style);
    QVERIFY(!shownView());

    // A 10,000-pixel widget is still shown.
    wide.resize(10000, 20);
    tip.showToolTip(&wide);
    QVERIFY(shownView());
}

void tst_DuiToolTip::bubblePixels()
{
    DuiToolTip tip;
    DuiToolTipStyle style;
    style.setTrangleHeight(6);
    QCursor::setPos(QPoint(400, 300));
    tip.showToolTip(QStringLiteral("Tooltip bubble 提示"), style);
    ToolTipView *view = shownView();
    QVERIFY(view);
    QVERIFY(QTest::qWaitForWindowExposed(view));
    const QImage image = view->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    // For a look: the tip on a window-grey ground, four times enlarged.
    if (!qEnvironmentVariableIsEmpty("DUI_TOOLTIP_PNG")) {
        QImage look(image.size() + QSize(16, 16), QImage::Format_ARGB32);
        look.fill(QColor(236, 238, 241));
        QPainter(&look).drawImage(8, 8, image);
        look.scaled(look.size() * 4).save(qEnvironmentVariable("DUI_TOOLTIP_PNG"));
    }
    const int w = image.width() - style.blurRadius();
    const int h = image.height() - style.blurRadius();
    // The arrow rises from the body's top towards the cursor, 2 + 2 pixels right of the corner
    // and at least its own height in: (6, 0) is its tip.
    QCOMPARE(QColor(image.pixel(6, 0)).rgb(), QColor(113, 139, 165).rgb());
    QVERIFY(qAlpha(image.pixel(1, 0)) < 60);
    // Outline on the body's top edge, gradient from white at the top to light blue at the bottom.
    QCOMPARE(QColor(image.pixel(w / 2, 6)).rgb(), QColor(113, 139, 165).rgb());
    const QColor top = image.pixelColor(w - 3, 8);
    const QColor bottom = image.pixelColor(w - 3, h - 3);
    QVERIFY2(top.red() > 245 && top.blue() > 245, qPrintable(top.name()));
    QVERIFY2(bottom.red() < 240 && bottom.blue() > 240, qPrintable(bottom.name()));
    // The shadow: half-transparent dark below the body, nothing above it on the right.
    const QColor shadow = image.pixelColor(w / 2, h + 1);
    QVERIFY2(shadow.alpha() > 10 && shadow.alpha() < 250 && shadow.red() < 120, qPrintable(shadow.name(QColor::HexArgb)));
    QVERIFY(qAlpha(image.pixel(image.width() - 1, 0)) < 20);
    // Text in the font colour somewhere inside the body.
    bool text = false;
    for (int y = 8; y < h - 2 && !text; ++y) {
        for (int x = 3; x < w - 3 && !text; ++x)
            text = qRed(image.pixel(x, y)) < 140 && qAlpha(image.pixel(x, y)) == 255;
    }
    QVERIFY(text);
}

void tst_DuiToolTip::titlebarButtonTexts_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QString>("text");
    QTest::newRow("minimise") << int(DuiTitlebar::TitleMinButton) << false << QStringLiteral("最小化");
    QTest::newRow("maximise") << int(DuiTitlebar::TitleMaxButton) << false << QStringLiteral("最大化");
    QTest::newRow("restore") << int(DuiTitlebar::TitleRestoreButton) << true << QStringLiteral("还原");
    QTest::newRow("close") << int(DuiTitlebar::TitleCloseButton) << false << QStringLiteral("关闭");
}

void tst_DuiToolTip::titlebarButtonTexts()
{
    QFETCH(int, button);
    QFETCH(bool, maximized);
    QFETCH(QString, text);
    QGraphicsScene scene(0, 0, 300, 24);
    auto *bar = new DuiTitlebar;
    scene.addItem(bar);
    bar->setMaximized(maximized);
    bar->resize(300, 24);
    QGraphicsView view(&scene);
    view.setWindowFlags(Qt::FramelessWindowHint);
    view.setFrameShape(QFrame::NoFrame);
    view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view.setGeometry(200, 200, 300, 24);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    DuiPushButton *b = bar->titleButton(DuiTitlebar::TitlebarButton(button));
    QVERIFY(b->isVisible());
    QTest::mouseMove(view.viewport(), view.mapFromScene(b->sceneBoundingRect().center()));
    QCOMPARE(engine()->target(), b);
    engine()->on_checkHoveTimer_timerout();
    engine()->on_showTimer_timeout();
    QCOMPARE(shownText(), text);
}

void tst_DuiToolTip::thousandCyclesLeaveNoWindow()
{
    DuiToolTip tip;
    QCursor::setPos(QPoint(300, 300));
    flushDeletes();
    const qsizetype before = QApplication::topLevelWidgets().size();
    for (int i = 0; i < 1000; ++i) {
        tip.showToolTip(QStringLiteral("cycle %1").arg(i));
        QVERIFY(tip.isVisible());
        tip.hideToolTip();
        if (i % 100 == 99)
            flushDeletes();
    }
    flushDeletes();
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
}

// Reruns this program: the engine and its shown view must be gone once the application is.
void tst_DuiToolTip::engineGoesWithTheApplication()
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--engine-lifetime")});
    QVERIFY(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
    QVERIFY2(output.contains("OK"), output.constData());
}

int runEngineLifetime(int argc, char **argv)
{
    QPointer<ToolTip> engine;
    QPointer<ToolTipView> view;
    {
        QApplication app(argc, argv);
        DuiToolTip tip;
        tip.showToolTip(QStringLiteral("still here"));
        engine = ToolTip::existing();
        view = engine->view();
        if (!engine || !view)
            return fail("no tip shown");
    }
    if (engine || view || ToolTip::existing())
        return fail("the engine or its view outlived the application");
    std::printf("OK\n");
    return 0;
}

// Under a real X server: the hover comes from XTEST, the tip window is translucent (a visual with
// alpha) and its pixels, grabbed from the screen, show the bubble under the cursor.
int runXvfbClient()
{
    XTestInput input;
    QString why;
    if (!input.open(&why)) {
        std::fprintf(stderr, "SKIP: %s\n", qPrintable(why));
        return XClientSkipped;
    }
    Fixture f(QPoint(100, 100));
    if (!f.show())
        return fail("view not exposed");
    const QPoint at = f.global(QPointF(40, 30));
    input.moveTo(at.x() - 30, at.y());
    QTest::qWait(50);
    input.moveTo(at.x(), at.y());
    if (!waitFor([] { return shownView() && shownView()->windowHandle()->isExposed(); }))
        return fail("no tip after resting on the target");
    ToolTipView *view = shownView();
    if (!view->windowHandle()->format().hasAlpha())
        return fail("the tip window has no alpha channel");
    if (view->geometry().topLeft() != at + QPoint(0, 20))
        return fail("the tip is not below the cursor");
    QTest::qWait(100);
    const QImage grabbed = view->screen()->grabWindow(0, view->x(), view->y(), view->width(), view->height()).toImage();
    const QColor border = grabbed.pixelColor(grabbed.width() / 2, 0);
    const QColor body = grabbed.pixelColor(grabbed.width() - 10, 4);
    if (qAbs(border.red() - 113) > 8 || qAbs(border.blue() - 165) > 8)
        return fail(qPrintable(QStringLiteral("outline pixel %1").arg(border.name())));
    if (body.red() < 230 || body.blue() < 240)
        return fail(qPrintable(QStringLiteral("body pixel %1").arg(body.name())));
    // Leaving by 9 pixels hides it at the next check.
    input.moveTo(at.x() + 9, at.y());
    if (!waitFor([] { return !shownView(); }))
        return fail("the tip stayed after the cursor moved");
    std::printf("OK\n");
    return 0;
}

void tst_DuiToolTip::xvfbTranslucentTip()
{
    DUI_RUN_XVFB_CLIENT("--xvfb-tooltip-client");
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--xvfb-tooltip-client") == 0) {
        QApplication app(argc, argv);
        return runXvfbClient();
    }
    if (argc > 1 && qstrcmp(argv[1], "--engine-lifetime") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return runEngineLifetime(argc, argv);
    }
    QTemporaryDir config;
    if (!TwoScreens::use(config))
        return 1;
    QApplication app(argc, argv);
    tst_DuiToolTip test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duitooltip.moc"
