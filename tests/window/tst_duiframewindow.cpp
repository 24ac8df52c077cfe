// SPDX-License-Identifier: MIT
#include "../platform/xvfbtestutil.h"

#include <duibackgrounditem.h>
#include <duiframestyle_p.h>
#include <duiframewindow.h>
#include <duiframewindow_p.h>
#include <duipushbutton.h>
#include <duisyscommandrequest.h>
#include <duitheme.h>
#include <duititlebar.h>
#include <duiview.h>
#include <duiwinapi.h>
#include <duixmlui.h>
#include <mxabstractwinevenfilter.h>

#include <QtCore/qdir.h>
#include <QtCore/qfile.h>
#include <QtGui/qevent.h>
#include <QtGui/qscreen.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicslinearlayout.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Opens the protected parts of the frame window to the tests.
class TestWindow : public DuiFrameWindow
{
public:
    explicit TestWindow(FrameStyles style = Window)
        : DuiFrameWindow(nullptr, style)
    {
    }
    using DuiFrameWindow::clientAreaRect;
    using DuiFrameWindow::doConstruct;
    using DuiFrameWindow::winEvent;
    DuiFrameWindowPrivate *priv() const { return d_data.data(); }
    int constructCalls = 0;

protected:
    void construct() override { ++constructCalls; }
};

bool sendSysCommand(TestWindow *window, WPARAM command)
{
    MSG msg{};
    msg.hwnd = HWND(quintptr(window->winId()));
    msg.message = WM_SYSCOMMAND;
    msg.wParam = command;
    long result = 0;
    return window->winEvent(&msg, &result);
}

void sendSize(TestWindow *window, WPARAM kind)
{
    MSG msg{};
    msg.hwnd = HWND(quintptr(window->winId()));
    msg.message = WM_SIZE;
    msg.wParam = kind;
    long result = 0;
    window->winEvent(&msg, &result);
}

// Presses at a window point, moves by `delta` in steps and releases, in screen coordinates so
// that the positions stay right while the window moves under the mouse.
void drag(QGraphicsView *view, const QPoint &local, const QPoint &delta)
{
    QWidget *target = view->viewport();
    const QPoint start = view->mapToGlobal(local);
    QTest::mousePress(target, Qt::LeftButton, {}, target->mapFromGlobal(start));
    for (int i = 1; i <= 5; ++i)
        QTest::mouseMove(target, target->mapFromGlobal(start + delta * i / 5));
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFromGlobal(start + delta));
}

QPoint centreInView(const QGraphicsWidget *item)
{
    return item->mapToScene(item->rect().center()).toPoint();
}

// A push button in the window's content, below the title bar.
DuiPushButton *addButtonBelowTitle(DuiFrameWindow *window)
{
    auto *gap = new DuiWidget(window->rootWidget());
    gap->setFixSize(QSizeF(10, 60));
    window->rootWidget()->addItem(gap);
    auto *button = new DuiPushButton(window->rootWidget());
    button->setFixSize(QSizeF(80, 30));
    window->rootWidget()->addItem(button);
    return button;
}

// Records the messages it sees in a shared log; stops the filters after it when told to.
class LogFilter : public MXAbstractWinEvenFilter
{
public:
    LogFilter(const char *name, QStringList *log, bool stop = false)
        : MXAbstractWinEvenFilter(nullptr)
        , m_name(QLatin1String(name))
        , m_log(log)
        , m_stop(stop)
    {
    }
    bool winEventFilter(MSG *msg, long *) override
    {
        *m_log << QStringLiteral("%1:%2").arg(m_name).arg(msg->message, 0, 16);
        return m_stop;
    }

private:
    QString m_name;
    QStringList *m_log;
    bool m_stop;
};

bool hasColorizeEffect(const QGraphicsItem *item)
{
    if (qobject_cast<QGraphicsColorizeEffect *>(item->graphicsEffect()))
        return true;
    const QList<QGraphicsItem *> children = item->childItems();
    return std::any_of(children.begin(), children.end(), hasColorizeEffect);
}

bool sameImage(const QPixmap &pixmap, const QString &path)
{
    const QImage expected(path);
    return !expected.isNull() && !pixmap.isNull()
        && pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied)
        == expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The client half of the Xvfb test: real X input drags a frame window by its title bar.
int runXvfbDragClient()
{
    XTestInput input;
    QString why;
    if (!input.open(&why)) {
        std::fprintf(stderr, "SKIP: %s\n", qPrintable(why));
        return XClientSkipped;
    }
    TestWindow window(DuiFrameWindow::Window);
    window.setTitle(QStringLiteral("Drag me"));
    auto *button = addButtonBelowTitle(&window);
    window.doConstruct();
    window.setGeometry(100, 100, 320, 220);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return fail("window not exposed");
    QTest::qWait(200);
    const unsigned long xid = window.winId();
    if (!waitFor([&] { return input.windowRect(xid).topLeft() == QPoint(100, 100); }))
        return fail("window not placed at 100,100");

    // The title bar's empty middle, (80, 12) in the window.
    input.drag(QPoint(180, 112), QPoint(4, 3), 10);
    if (!waitFor([&] { return window.geometry().topLeft() == QPoint(140, 130); })) {
        std::fprintf(stderr, "geometry %d,%d\n", window.geometry().x(), window.geometry().y());
        return fail("a drag on the title bar did not move the window");
    }
    if (!waitFor([&] { return input.windowRect(xid).topLeft() == QPoint(140, 130); }))
        return fail("the X server does not have the window at 140,130");

    QSignalSpy clicks(button, &DuiPushButton::clicked);
    const QPoint onButton = QPoint(140, 130) + centreInView(button);
    input.drag(onButton, QPoint(2, 1), 5);
    QTest::qWait(300);
    if (window.geometry().topLeft() != QPoint(140, 130))
        return fail("a drag on a button moved the window");
    if (!waitFor([&] { return clicks.count() == 1; }))
        return fail("the button did not get its click");
    std::printf("OK\n");
    return 0;
}

} // namespace

class tst_DuiFrameWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void titlebarGeometry();
    void noCloseButtonHidesTitlebar();
    void doConstructOnce();
    void windowNames();
    void styleBitsFromFlags();
    void maximisedStateFollowsSizeMessages();
    void sysCommandsCarriedOut();
    void rejectStopsEveryPath();
    void toolWindowHidesOnMinimise();
    void maximizeWithExtraBits();
    void winEventFilters();
    void activateAndMoves();
    void viewContent();
    void maskIndices_data();
    void maskIndices();
    void backgroundPainting();
    void skinChangeOnNextPass();
    void dragTitlebarMovesWindow();
    void doubleClickTitlebarMaximises();
    void xvfbDrag();
};

void tst_DuiFrameWindow::init()
{
    qRegisterMetaType<DuiSysCommandRequest *>();
    DuiTheme::setColorThemeOnly(4);
}

void tst_DuiFrameWindow::cleanup()
{
    // Windows closed in a test die with the next deferred deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_DuiFrameWindow::titlebarGeometry()
{
    TestWindow window;
    window.doConstruct();
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DuiTitlebar *bar = window.titlebar();
    // Frameless: the client rectangle is the whole window.
    QCOMPARE(window.rootWidget()->geometry(), QRectF(0, 0, 400, 300));

    // No title: only the buttons are covered, at the right edge, one pixel wider than actualSize.
    QCOMPARE(bar->actualSize(), QRect(0, 0, 28 + 28 + 44 + 10, 24));
    QCOMPARE(bar->geometry(), QRectF(290, 1, 111, 24));
    QCOMPARE(bar->titleButton(DuiTitlebar::TitleCloseButton)->geometry(), QRectF(66, 0, 44, 22));
    QCOMPARE(bar->titleButton(DuiTitlebar::TitleMaxButton)->geometry(), QRectF(38, 0, 28, 22));
    QCOMPARE(bar->titleButton(DuiTitlebar::TitleMinButton)->geometry(), QRectF(10, 0, 28, 22));

    // With a title: the width of the client rectangle, one pixel right and down.
    window.setTitle(QStringLiteral("Main"));
    QCOMPARE(bar->title(), QStringLiteral("Main"));
    QCOMPARE(window.QWidget::windowTitle(), QStringLiteral("Main"));
    QVERIFY(window.title().toString().isEmpty());
    // The bar takes its new extent at once, not only at the next resize.
    QCOMPARE(bar->geometry(), QRectF(1, 1, 400, 24));
    window.resize(420, 300);
    QCOMPARE(bar->geometry(), QRectF(1, 1, 420, 24));
    QCOMPARE(bar->titleButton(DuiTitlebar::TitleCloseButton)->geometry(), QRectF(375, 0, 44, 22));
    QCOMPARE(bar->titleButton(DuiTitlebar::TitleMinButton)->geometry(), QRectF(319, 0, 28, 22));
    window.setTitle(QString());
    QCOMPARE(bar->geometry(), QRectF(310, 1, 111, 24));

    // The system style keeps a 7-pixel native frame around its client rectangle.
    TestWindow framed(DuiFrameWindow::CloseButton);
    framed.doConstruct();
    framed.resize(300, 200);
    framed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&framed));
    QCOMPARE(framed.rootWidget()->geometry(), QRectF(7, 7, 286, 186));
    QCOMPARE(framed.titlebar()->geometry(), QRectF(292 - 54 + 1, 8, 55, 24));
}

void tst_DuiFrameWindow::noCloseButtonHidesTitlebar()
{
    TestWindow window(DuiFrameWindow::FrameLess | DuiFrameWindow::Resizable);
    window.doConstruct();
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.titlebar()->isVisible());
    QCOMPARE(window.rootWidget()->geometry(), QRectF(0, 0, 200, 100));
    QVERIFY(!window.testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));

    TestWindow main(DuiFrameWindow::MainWindow);
    main.doConstruct();
    QVERIFY(main.titlebar()->isVisible());
    QVERIFY(main.testAttribute(Qt::WA_QuitOnClose));
}

void tst_DuiFrameWindow::doConstructOnce()
{
    TestWindow window;
    QVERIFY(!window.priv()->style);
    QVERIFY(!window.testAttribute(Qt::WA_DeleteOnClose));
    window.doConstruct();
    DuiFrameStyle *style = window.priv()->style.get();
    QVERIFY(dynamic_cast<DuiFrameStyle_WinXP *>(style));
    QVERIFY(style->resizable);
    window.setFrameStyle(DuiFrameWindow::CloseButton);
    window.doConstruct();
    QCOMPARE(window.priv()->style.get(), style);
    QCOMPARE(window.constructCalls, 1);
    QVERIFY(window.titlebar()->hasMinimizeButton());

    TestWindow tip(DuiFrameWindow::ToolTip);
    tip.doConstruct();
    QVERIFY(dynamic_cast<DuiFrameStyle_Tooltip *>(tip.priv()->style.get()));
    TestWindow system(DuiFrameWindow::CloseButton);
    system.doConstruct();
    QVERIFY(dynamic_cast<DuiFrameStyle_System *>(system.priv()->style.get()));
}

void tst_DuiFrameWindow::windowNames()
{
    const int first = duiNoNameFrameCounter();
    TestWindow a;
    TestWindow b;
    QCOMPARE(a.objectName(), QStringLiteral("NoNameFrame%1").arg(first));
    QCOMPARE(b.objectName(), QStringLiteral("NoNameFrame%1").arg(first + 1));
    // A name set by hand does not take a number away from the next window.
    a.setObjectName(QStringLiteral("mine"));
    TestWindow c;
    QCOMPARE(c.objectName(), QStringLiteral("NoNameFrame%1").arg(first + 2));
}

void tst_DuiFrameWindow::styleBitsFromFlags()
{
    TestWindow window;
    window.doConstruct();
    const HWND hwnd = HWND(quintptr(window.winId()));
    auto style = [&] { return DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE)); };
    const DWORD all = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    QCOMPARE(style() & all, all);

    DuiTitlebar *bar = window.titlebar();
    bar->setHasMinimizeButton(false);
    QVERIFY(!(style() & WS_MINIMIZEBOX));
    QVERIFY(!(style() & WS_SYSMENU));
    QVERIFY(!bar->titleButton(DuiTitlebar::TitleMinButton)->isVisible());
    QCOMPARE(bar->actualSize().width(), 10 + 28 + 44);
    bar->setHasMinimizeButton(true);
    QCOMPARE(style() & (WS_MINIMIZEBOX | WS_SYSMENU), DWORD(WS_MINIMIZEBOX | WS_SYSMENU));
    QVERIFY(bar->titleButton(DuiTitlebar::TitleMinButton)->isVisible());

    bar->setHasMaximizeButton(false);
    QVERIFY(!(style() & (WS_MAXIMIZEBOX | WS_SYSMENU)));
    QVERIFY(!bar->titleButton(DuiTitlebar::TitleMaxButton)->isVisible());
    QVERIFY(!bar->titleButton(DuiTitlebar::TitleRestoreButton)->isVisible());
    bar->setHasMaximizeButton(true);
    QCOMPARE(style() & (WS_MAXIMIZEBOX | WS_SYSMENU), DWORD(WS_MAXIMIZEBOX | WS_SYSMENU));

    // A dialog has neither button, so the title bar shows only the close button.
    TestWindow dialog(DuiFrameWindow::Dialog);
    dialog.doConstruct();
    QCOMPARE(dialog.titlebar()->actualSize().width(), 10 + 44);
    QVERIFY(!dialog.titlebar()->titleButton(DuiTitlebar::TitleMinButton)->isVisible());
    QVERIFY(!dialog.titlebar()->titleButton(DuiTitlebar::TitleMaxButton)->isVisible());
}

void tst_DuiFrameWindow::maximisedStateFollowsSizeMessages()
{
    TestWindow window;
    window.doConstruct();
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DuiTitlebar *bar = window.titlebar();
    sendSize(&window, SIZE_MAXIMIZED);
    QVERIFY(bar->isMaximized());
    QVERIFY(!bar->titleButton(DuiTitlebar::TitleMaxButton)->isVisible());
    QVERIFY(bar->titleButton(DuiTitlebar::TitleRestoreButton)->isVisible());
    QCOMPARE(bar->titleButton(DuiTitlebar::TitleRestoreButton)->geometry(), QRectF(38, 0, 28, 22));
    QCOMPARE(bar->actualSize().width(), 110);
    sendSize(&window, SIZE_MINIMIZED);
    QVERIFY(bar->isMaximized());
    sendSize(&window, SIZE_RESTORED);
    QVERIFY(!bar->isMaximized());
    QVERIFY(bar->titleButton(DuiTitlebar::TitleMaxButton)->isVisible());
    QVERIFY(!bar->titleButton(DuiTitlebar::TitleRestoreButton)->isVisible());
}

void tst_DuiFrameWindow::sysCommandsCarriedOut()
{
    auto *window = new TestWindow;
    QPointer<TestWindow> guard(window);
    window->doConstruct();
    window->resize(300, 200);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QList<int> types;
    connect(window, &DuiFrameWindow::sysCommand, this, [&](DuiSysCommandRequest *request) {
        QVERIFY(request->accepted());
        types << int(request->type());
    });

    QVERIFY(sendSysCommand(window, SC_MAXIMIZE));
    QTRY_VERIFY(window->isMaximized());
    QVERIFY(sendSysCommand(window, SC_RESTORE));
    QTRY_VERIFY(!window->isMaximized());
    QVERIFY(sendSysCommand(window, SC_MINIMIZE));
    QTRY_VERIFY(window->isMinimized());
    QVERIFY(window->isVisible());
    window->showNormal();
    QTRY_VERIFY(!window->isMinimized());
    // The title bar's maximise and restore buttons swap with the window's state.
    DuiTitlebar *bar = window->titlebar();
    bar->titleButton(DuiTitlebar::TitleMaxButton)->click();
    QTRY_VERIFY(window->isMaximized());
    QVERIFY(bar->isMaximized());
    QVERIFY(bar->titleButton(DuiTitlebar::TitleRestoreButton)->isVisible());
    bar->titleButton(DuiTitlebar::TitleRestoreButton)->click();
    QTRY_VERIFY(!window->isMaximized());
    QVERIFY(!bar->isMaximized());
    QVERIFY(bar->titleButton(DuiTitlebar::TitleMaxButton)->isVisible());
    // Other system commands go on to Qt.
    QVERIFY(!sendSysCommand(window, SC_MOVE));
    QSignalSpy aboutToClose(window, &DuiFrameWindow::aboutToClose);
    QVERIFY(sendSysCommand(window, SC_CLOSE));
    QCOMPARE(aboutToClose.count(), 1);
    QCOMPARE(types, QList<int>({DuiTitlebar::TitleMaximize, DuiTitlebar::TitleRestore, DuiTitlebar::TitleMinimize,
                                DuiTitlebar::TitleMaximize, DuiTitlebar::TitleRestore, DuiTitlebar::TitleClose}));
    // Closed windows delete themselves.
    QTRY_VERIFY(guard.isNull());
}

void tst_DuiFrameWindow::rejectStopsEveryPath()
{
    TestWindow window;
    window.setCloseOnEscape(true);
    window.doConstruct();
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QList<int> types;
    connect(&window, &DuiFrameWindow::sysCommand, this, [&](DuiSysCommandRequest *request) {
        types << int(request->type());
        request->reject();
    });
    QSignalSpy aboutToClose(&window, &DuiFrameWindow::aboutToClose);
    auto unchanged = [&] {
        QCoreApplication::processEvents();
        return window.isVisible() && !window.isMinimized() && !window.isMaximized() && aboutToClose.isEmpty();
    };

    for (WPARAM command : {SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE, SC_CLOSE}) {
        QVERIFY(sendSysCommand(&window, command));
        QVERIFY2(unchanged(), qPrintable(QString::number(command, 16)));
    }
    DuiTitlebar *bar = window.titlebar();
    for (auto which : {DuiTitlebar::TitleMinButton, DuiTitlebar::TitleMaxButton, DuiTitlebar::TitleRestoreButton,
                       DuiTitlebar::TitleCloseButton}) {
        bar->titleButton(which)->click();
        QVERIFY2(unchanged(), qPrintable(QString::number(int(which))));
        // The buttons keep showing the state the window is really in.
        QVERIFY(!bar->isMaximized());
        QVERIFY(bar->titleButton(DuiTitlebar::TitleMaxButton)->isVisible());
    }
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(unchanged());
    QCOMPARE(types, QList<int>({0, 1, 2, 3, 0, 1, 2, 3, 3}));

    // A real click on the title bar's close button takes the same path.
    DuiPushButton *close = bar->titleButton(DuiTitlebar::TitleCloseButton);
    QTest::mouseClick(window.viewport(), Qt::LeftButton, {}, centreInView(close));
    QVERIFY(unchanged());
    QCOMPARE(types.size(), 10);
    QCOMPARE(types.last(), int(DuiTitlebar::TitleClose));
}

void tst_DuiFrameWindow::toolWindowHidesOnMinimise()
{
    TestWindow window(DuiFrameWindow::Window | DuiFrameWindow::ToolWindow);
    window.doConstruct();
    window.resize(200, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(sendSysCommand(&window, SC_MINIMIZE));
    QVERIFY(!window.isVisible());
    QVERIFY(!window.isMinimized());

    window.show();
    QVERIFY(window.isVisible());
    window.titlebar()->titleButton(DuiTitlebar::TitleMinButton)->click();
    QVERIFY(!window.isVisible());
    QVERIFY(!window.isMinimized());
}

void tst_DuiFrameWindow::maximizeWithExtraBits()
{
    TestWindow window;
    window.doConstruct();
    window.resize(200, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy commands(&window, &DuiFrameWindow::sysCommand);
    // The caption double-click form of maximise carries the hit-test code in the low bits.
    QVERIFY(!sendSysCommand(&window, SC_MAXIMIZE | HTCAPTION));
    QVERIFY(!sendSysCommand(&window, SC_MINIMIZE | 1));
    QCOMPARE(commands.count(), 0);
    QCoreApplication::processEvents();
    QVERIFY(!window.isMaximized());
    QVERIFY(!window.isMinimized());
}

void tst_DuiFrameWindow::winEventFilters()
{
    TestWindow window;
    window.doConstruct();
    window.resize(200, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList log;
    LogFilter a("a", &log);
    LogFilter b("b", &log, true);
    LogFilter c("c", &log);
    window.installWinEvenFilter(&a);
    window.installWinEvenFilter(&b);
    window.installWinEvenFilter(&c);
    // Installing again moves a filter to the end.
    window.installWinEvenFilter(&a);

    // b stops c and a, but the message still reaches the window: WM_SIZE updates the title bar.
    sendSize(&window, SIZE_MAXIMIZED);
    QCOMPARE(log, QStringList({"b:5"}));
    QVERIFY(window.titlebar()->isMaximized());

    log.clear();
    window.removeWinEvenFilter(&b);
    sendSize(&window, SIZE_RESTORED);
    QCOMPARE(log, QStringList({"c:5", "a:5"}));
    QVERIFY(!window.titlebar()->isMaximized());

    // A destroyed filter is skipped.
    log.clear();
    {
        LogFilter gone("gone", &log);
        window.installWinEvenFilter(&gone);
    }
    sendSize(&window, SIZE_RESTORED);
    QCOMPARE(log, QStringList({"c:5", "a:5"}));
    window.removeWinEvenFilter(&a);
    window.removeWinEvenFilter(&c);
}

void tst_DuiFrameWindow::activateAndMoves()
{
    TestWindow window;
    window.doConstruct();
    QSignalSpy activate(&window, &DuiFrameWindow::onACTIVATE);
    MSG msg{};
    msg.message = WM_ACTIVATE;
    msg.wParam = WA_CLICKACTIVE;
    long result = 0;
    window.winEvent(&msg, &result);
    msg.wParam = WA_INACTIVE;
    window.winEvent(&msg, &result);
    // The high word tells whether the window is minimised; losing activation while
    // minimised is still a deactivation.
    msg.wParam = MAKEWPARAM(WA_INACTIVE, 1);
    window.winEvent(&msg, &result);
    msg.wParam = MAKEWPARAM(WA_ACTIVE, 1);
    window.winEvent(&msg, &result);
    QCOMPARE(activate.count(), 4);
    QCOMPARE(activate.at(0).first().toBool(), true);
    QCOMPARE(activate.at(1).first().toBool(), false);
    QCOMPARE(activate.at(2).first().toBool(), false);
    QCOMPARE(activate.at(3).first().toBool(), true);

    window.setFixSize(QSize(260, 180));
    QCOMPARE(window.size(), QSize(260, 180));
    QCOMPARE(window.fixSize(), QSize(260, 180));
    QCOMPARE(window.maximumSize(), QSize(260, 180));
    window.move(50, 60);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.realFrameGeometry(), QRect(50, 60, 260, 180));
    window.animatedMoveTo(QRect(150, 90, 260, 180), 100);
    QTRY_COMPARE(window.realFrameGeometry(), QRect(150, 90, 260, 180));
    // A new move restarts the one animation from where the window stands.
    window.animatedMoveTo(QRect(400, 300, 260, 180), 2000);
    window.animatedMoveTo(QRect(20, 30, 260, 180), 60);
    QTRY_COMPARE(window.realFrameGeometry(), QRect(20, 30, 260, 180));
    QTest::qWait(100);
    QCOMPARE(window.realFrameGeometry(), QRect(20, 30, 260, 180));
}

void tst_DuiFrameWindow::viewContent()
{
    QGraphicsScene scene;
    auto *view = new DuiView;
    scene.addItem(view);
    QPointer<DuiWidget> first = new DuiWidget;
    view->setWidget(first);
    QCOMPARE(view->widget(), first.data());
    QCOMPARE(first->parentItem(), view);
    auto *box = dynamic_cast<QGraphicsLinearLayout *>(view->layout());
    QVERIFY(box);
    QCOMPARE(box->count(), 1);
    view->resize(120, 80);
    QTRY_COMPARE(first->geometry(), QRectF(0, 0, 120, 80));

    // The same content again changes nothing; a new one replaces and deletes the old.
    view->setWidget(first);
    QVERIFY(first);
    QPointer<DuiWidget> second = new DuiWidget;
    view->setWidget(second);
    QVERIFY(first.isNull());
    QCOMPARE(box->count(), 1);
    QCOMPARE(box->itemAt(0), second.data());
    // Null removes content and layout.
    view->setWidget(nullptr);
    QVERIFY(second.isNull());
    QVERIFY(!view->layout());
    QVERIFY(!view->widget());
    QPointer<DuiWidget> third = new DuiWidget;
    view->setWidget(third);
    QVERIFY(view->layout());
    QCOMPARE(view->widget(), third.data());
    // A layout given to the view as to any widget (an XML layout attribute) replaces and deletes
    // the view's own; the next content still gets laid out.
    view->setLayout(DuiWidget::HBox);
    QPointer<DuiWidget> fourth = new DuiWidget;
    view->setWidget(fourth);
    QVERIFY(third.isNull());
    QCOMPARE(view->widget(), fourth.data());
    QVERIFY(view->layout());
    QCOMPARE(view->layout()->count(), 1);
    QCOMPARE(view->layout()->itemAt(0), fourth.data());

    // From XML, a view is a widget like any other, with its title and icon.
    DuiWidget host;
    QVERIFY(DuiXmlUI::createFromMemory(std::string(R"(<xmlui><DuiView objectName="page" title="Page" icon=":/x.png"/></xmlui>)"),
                                       &host));
    auto *page = host.findChild<DuiView *>(QStringLiteral("page"));
    QVERIFY(page);
    QCOMPARE(page->title(), QStringLiteral("Page"));
    QCOMPARE(page->icon(), QStringLiteral(":/x.png"));
}

void tst_DuiFrameWindow::maskIndices_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("path");
    QTest::newRow("0 main frame") << 0 << QStringLiteral(":/theme/common/mask_mainframe.png");
    QTest::newRow("1 thick title") << 1 << QStringLiteral(":/theme/common/mask_thicktitle.png");
    QTest::newRow("2 dialog") << 2 << QStringLiteral(":/theme/common/mask_dialog.png");
    QTest::newRow("3 popup") << 3 << QStringLiteral(":/theme/common/mask_popup.png");
    QTest::newRow("4 none") << 4 << QString();
    QTest::newRow("-1 none") << -1 << QString();
}

void tst_DuiFrameWindow::maskIndices()
{
    QFETCH(int, type);
    QFETCH(QString, path);
    TestWindow window;
    DuiBackgroundItem *background = window.priv()->background;
    // The dialog mask at first.
    QVERIFY(sameImage(background->maskPixmap(), QStringLiteral(":/theme/common/mask_dialog.png")));
    window.setGradientType(DuiTheme::LinearGradientType(type));
    const QPixmap mask = background->maskPixmap();
    if (path.isEmpty())
        QVERIFY(mask.isNull());
    else
        QVERIFY(sameImage(mask, path));
}

void tst_DuiFrameWindow::backgroundPainting()
{
    TestWindow window;
    window.doConstruct();
    window.resize(300, 200);
    window.setGradientType(DuiTheme::LinearGradientType(-1));
    window.setShowBorderShadow(false);
    const QColor fill = DuiTheme::decorationBackgroundColor();
    QVERIFY(fill.isValid());

    // Bare fill: the decoration colour everywhere the decoration picture does not reach.
    QImage bare = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(bare.size(), QSize(300, 200));
    QCOMPARE(QColor(bare.pixel(299, 199)).rgb(), fill.rgb());

    // The mask lightens the body.
    window.setGradientType(DuiTheme::LinearGradientType(2));
    QImage masked = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint body(150, 120);
    QVERIFY2(qGray(masked.pixel(body)) > qGray(bare.pixel(body)) + 10,
             qPrintable(QStringLiteral("%1 vs %2").arg(qGray(masked.pixel(body))).arg(qGray(bare.pixel(body)))));

    // The border shadow darkens the outermost pixels and leaves the body alone.
    window.setShowBorderShadow(true);
    QImage shadowed = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint edge(0, 100);
    QVERIFY2(qGray(shadowed.pixel(edge)) < qGray(masked.pixel(edge)),
             qPrintable(QStringLiteral("%1 vs %2").arg(qGray(shadowed.pixel(edge))).arg(qGray(masked.pixel(edge)))));
    QCOMPARE(shadowed.pixel(body), masked.pixel(body));

    // A background image replaces all of it.
    window.setBackgroundImage(QStringLiteral(":/theme/common/mask_popup.png"));
    QCOMPARE(window.backgroundImage(), QStringLiteral(":/theme/common/mask_popup.png"));
    QImage replaced = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(replaced.pixel(body) != shadowed.pixel(body));

    // A window decoration picture brings its own dominant colour as the fill.
    TestWindow decorated;
    decorated.doConstruct();
    decorated.resize(300, 200);
    decorated.setGradientType(DuiTheme::LinearGradientType(-1));
    decorated.setShowBorderShadow(false);
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(QColor(200, 20, 20));
    const QString path = QDir::temp().filePath(QStringLiteral("tst_duiframewindow_red.png"));
    QVERIFY(red.save(path));
    decorated.setDecorationImage(path);
    QVERIFY(decorated.decorationImage().isEmpty());
    QImage shot = decorated.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QFile::remove(path);
    QCOMPARE(QColor(shot.pixel(299, 199)).rgb(), QColor(200, 20, 20).rgb());
}

void tst_DuiFrameWindow::skinChangeOnNextPass()
{
    DuiTheme::setColorThemeOnly(2);
    TestWindow window;
    auto *tinted = new DuiWidget(window.rootWidget());
    tinted->setColorizePolicy(DuiWidget::ColorableFlag);
    window.rootWidget()->addItem(tinted);
    window.doConstruct();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto effectColor = [&] {
        const auto *effect = qobject_cast<QGraphicsColorizeEffect *>(tinted->graphicsEffect());
        return effect ? effect->color().rgba() : QRgb(0);
    };
    const QRgb before = DuiTheme::getColor(2, DuiTheme::BaseColor);
    QCOMPARE(effectColor(), before);
    // The title bar buttons are never tinted.
    QVERIFY(!hasColorizeEffect(window.titlebar()->titleButton(DuiTitlebar::TitleCloseButton)));

    QVERIFY(DuiTheme::setColorTheme(6));
    QCOMPARE(effectColor(), before);
    QCoreApplication::processEvents();
    const QRgb after = DuiTheme::getColor(6, DuiTheme::BaseColor);
    QVERIFY(after != before);
    QCOMPARE(effectColor(), after);
    QVERIFY(!hasColorizeEffect(window.titlebar()->titleButton(DuiTitlebar::TitleCloseButton)));
}

void tst_DuiFrameWindow::dragTitlebarMovesWindow()
{
    TestWindow window;
    window.setTitle(QStringLiteral("Drag me"));
    auto *button = addButtonBelowTitle(&window);
    window.doConstruct();
    window.setGeometry(100, 100, 320, 220);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy caption(&window, &DuiFrameWindow::captionAreaClicked);

    drag(&window, QPoint(80, 12), QPoint(40, 30));
    QTRY_COMPARE(window.geometry(), QRect(140, 130, 320, 220));
    QVERIFY(caption.count() >= 1);

    QSignalSpy clicks(button, &DuiPushButton::clicked);
    const QPoint onButton = centreInView(button);
    QVERIFY(!QRect(0, 0, 320, 26).contains(onButton));
    drag(&window, onButton, QPoint(6, 4));
    QTest::qWait(50);
    QCOMPARE(window.geometry(), QRect(140, 130, 320, 220));
    QCOMPARE(clicks.count(), 1);

    // A title-bar button is no caption either.
    QSignalSpy commands(&window, &DuiFrameWindow::sysCommand);
    connect(&window, &DuiFrameWindow::sysCommand, this, [](DuiSysCommandRequest *request) { request->reject(); });
    drag(&window, centreInView(window.titlebar()->titleButton(DuiTitlebar::TitleMinButton)), QPoint(3, 2));
    QTest::qWait(50);
    QCOMPARE(window.geometry(), QRect(140, 130, 320, 220));
    QCOMPARE(commands.count(), 1);
}

void tst_DuiFrameWindow::doubleClickTitlebarMaximises()
{
    TestWindow window;
    window.setTitle(QStringLiteral("Twice"));
    window.doConstruct();
    window.setGeometry(100, 100, 320, 220);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DuiTitlebar *bar = window.titlebar();
    // The maximised state reaches the title bar through the size message of the state change.
    QTest::mouseDClick(window.viewport(), Qt::LeftButton, {}, QPoint(80, 12));
    QTRY_VERIFY(window.isMaximized());
    QTRY_VERIFY(bar->isMaximized());
    QVERIFY(bar->titleButton(DuiTitlebar::TitleRestoreButton)->isVisible());
    QTest::mouseDClick(window.viewport(), Qt::LeftButton, {}, QPoint(80, 12));
    QTRY_VERIFY(!window.isMaximized());
    QTRY_VERIFY(!bar->isMaximized());

    // Not resizable: a double-click does nothing.
    window.setResizable(false);
    QTest::mouseDClick(window.viewport(), Qt::LeftButton, {}, QPoint(80, 12));
    QTest::qWait(50);
    QVERIFY(!window.isMaximized());
}

void tst_DuiFrameWindow::xvfbDrag()
{
    DUI_RUN_XVFB_CLIENT("--xvfb-drag-client");
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--xvfb-drag-client") == 0) {
        QApplication app(argc, argv);
        return runXvfbDragClient();
    }
    QApplication app(argc, argv);
    tst_DuiFrameWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duiframewindow.moc"
