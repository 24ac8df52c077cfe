// SPDX-License-Identifier: MIT
#include "xvfbtestutil.h"

#include <duiframestyle_p.h>
#include <duinonclienthelper_p.h>
#include <duiwidget.h>
#include <duiwinapi.h>

#include <QtGui/qevent.h>
#include <QtGui/qscreen.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qgraphicsview.h>

#include <cstdio>
#include <memory>

namespace {

// Counts the scene presses that reach it.
class PressWidget : public DuiWidget
{
public:
    using DuiWidget::DuiWidget;
    int presses = 0;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override
    {
        ++presses;
        event->accept();
    }
};

// A frameless graphics view as a frame window will be: frameless style, non-client helper, and a
// native-message path that records every message before the style answers it.
class FrameView : public QGraphicsView
{
public:
    explicit FrameView(bool toolWindow = false)
    {
        setScene(new QGraphicsScene(this));
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFrameShape(QFrame::NoFrame);
        style = std::make_unique<DuiFrameStyle_WinXP>(this);
        style->resizable = true;
        style->toolWindow = toolWindow;
        style->install();
        root = new DuiWidget;
        root->setDragPolicy(DuiWidget::DragWindow);
        scene()->addItem(root);
        button = new PressWidget(root);
        button->setDragPolicy(DuiWidget::NotDragWindow);
        button->setGeometry(20, 60, 60, 30);
        helper = new DuiNonClientHelper(this);
    }

    std::unique_ptr<DuiFrameStyle> style;
    DuiWidget *root;
    PressWidget *button;
    DuiNonClientHelper *helper;
    QList<MSG> messages;
    bool handleSysMove = false;
    long forcedHit = 0; // answer to WM_NCHITTEST instead of the style's, when not 0

    QList<MSG> take(UINT message)
    {
        QList<MSG> found;
        for (const MSG &m : std::as_const(messages)) {
            if (m.message == message)
                found << m;
        }
        return found;
    }

protected:
    bool nativeEvent(const QByteArray &type, void *message, qintptr *result) override
    {
        if (type != DuiNativeMessageEventType)
            return false;
        MSG *msg = static_cast<MSG *>(message);
        messages << *msg;
        if (msg->message == WM_SYSCOMMAND && handleSysMove && (msg->wParam & 0xFFF0) == SC_MOVE)
            return true;
        if (msg->message == WM_NCHITTEST && forcedHit) {
            *result = forcedHit;
            return true;
        }
        long answer = 0;
        const bool handled = style->handleMessage(msg, &answer);
        *result = answer;
        return handled;
    }
    void resizeEvent(QResizeEvent *event) override
    {
        style->updateRegion(event);
        QGraphicsView::resizeEvent(event);
        scene()->setSceneRect(0, 0, event->size().width(), event->size().height());
        root->setGeometry(0, 0, event->size().width(), event->size().height());
    }
};

// Presses at a window point, moves the mouse by `delta` in steps, releases; positions are given
// in screen coordinates so that they stay right while the window moves under the mouse.
void drag(QWidget *view, const QPoint &local, const QPoint &delta)
{
    QWidget *target = static_cast<QGraphicsView *>(view)->viewport();
    const QPoint start = view->mapToGlobal(local);
    QTest::mousePress(target, Qt::LeftButton, {}, target->mapFromGlobal(start));
    for (int i = 1; i <= 5; ++i) {
        const QPoint g = start + delta * i / 5;
        QTest::mouseMove(target, target->mapFromGlobal(g));
    }
    const QPoint end = start + delta;
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFromGlobal(end));
}

// ---- The client half of the Xvfb test: runs inside the private X server. ----

int runXvfbDragClient()
{
    XTestInput input;
    QString why;
    if (!input.open(&why)) {
        std::fprintf(stderr, "SKIP: %s\n", qPrintable(why));
        return XClientSkipped;
    }
    FrameView view;
    view.setGeometry(100, 100, 300, 200);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return fail("window not exposed");
    QTest::qWait(200);
    const unsigned long xid = view.winId();
    if (!waitFor([&] { return input.windowRect(xid).topLeft() == QPoint(100, 100); }))
        return fail("window not placed at 100,100");

    // Drag the empty caption area by (40, 30).
    input.drag(QPoint(250, 120), QPoint(4, 3), 10);
    if (!waitFor([&] { return view.geometry().topLeft() == QPoint(140, 130); })) {
        std::fprintf(stderr, "geometry %d,%d\n", view.geometry().x(), view.geometry().y());
        return fail("caption drag did not move the window in Qt");
    }
    if (!waitFor([&] { return input.windowRect(xid).topLeft() == QPoint(140, 130); }))
        return fail("the X server does not have the window at 140,130");
    if (view.size() != QSize(300, 200))
        return fail("the move changed the size");

    // Drag the right border (x = 298 of 300) by 50 to the right.
    QTest::qWait(100);
    input.drag(QPoint(140 + 298, 130 + 100), QPoint(5, 0), 10);
    if (!waitFor([&] { return view.size() == QSize(350, 200); })) {
        std::fprintf(stderr, "size %dx%d\n", view.width(), view.height());
        return fail("border drag did not resize the window in Qt");
    }
    if (!waitFor([&] { return input.windowRect(xid) == QRect(140, 130, 350, 200); }))
        return fail("the X server does not have the window at 140,130 350x200");

    // A press on a control reaches the control and moves nothing.
    input.moveTo(140 + 40, 130 + 70);
    QTest::qWait(50);
    input.button(1, true);
    input.moveTo(140 + 90, 130 + 90);
    QTest::qWait(50);
    input.button(1, false);
    if (!waitFor([&] { return view.button->presses == 1; }))
        return fail("the control got no press");
    if (view.geometry() != QRect(140, 130, 350, 200))
        return fail("a press on a control moved the window");

    // Without a window manager only WM_GETMINMAXINFO's answer gives the maximised geometry.
    const QRect work = DuiWinAPI::getWorkArea();
    view.showMaximized();
    if (!waitFor([&] { return input.windowRect(xid) == QRect(work.left(), work.top(), work.width() - 1, work.height() - 1); })) {
        const QRect r = input.windowRect(xid);
        std::fprintf(stderr, "maximised at %d,%d %dx%d\n", r.x(), r.y(), r.width(), r.height());
        return fail("maximising did not apply the work area");
    }
    view.showNormal();
    if (!waitFor([&] { return input.windowRect(xid) == QRect(140, 130, 350, 200); })) {
        const QRect r = input.windowRect(xid);
        std::fprintf(stderr, "restored at %d,%d %dx%d, Qt %d,%d %dx%d max %d\n", r.x(), r.y(), r.width(), r.height(),
                     view.x(), view.y(), view.width(), view.height(), int(view.isMaximized()));
        return fail("restoring did not bring the old geometry back");
    }
    std::printf("OK\n");
    return 0;
}

} // namespace

class tst_DuiNonClientHelper : public QObject
{
    Q_OBJECT

private slots:
    void captionDragMovesWindow();
    void borderDragsResizeWindow();
    void controlsKeepTheirPresses();
    void unhandledPressBecomesSystemCommand();
    void maximiseUsesMinMaxInfo();
    void doubleClickTogglesMaximised();
    void sizeAndActivateMessages();
    void xvfbDragMovesAndResizes();
};

void tst_DuiNonClientHelper::captionDragMovesWindow()
{
    FrameView view;
    view.setGeometry(100, 100, 300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    drag(&view, QPoint(150, 20), QPoint(40, 30));
    QTRY_COMPARE(view.geometry(), QRect(140, 130, 300, 200));
    QVERIFY(!view.helper->isFollowingMouse());
    QCOMPARE(view.take(WM_NCLBUTTONDOWN).size(), 1);
    QCOMPARE(int(view.take(WM_NCLBUTTONDOWN).first().wParam), int(HTCAPTION));
    QCOMPARE(view.take(WM_ENTERSIZEMOVE).size(), 1);
    QCOMPARE(view.take(WM_EXITSIZEMOVE).size(), 1);
    // The press went to the non-client area, not to the scene.
    QCOMPARE(view.button->presses, 0);

    // Screen coordinates left of and above the primary screen.
    view.move(-500, -400);
    QTRY_COMPARE(view.pos(), QPoint(-500, -400));
    drag(&view, QPoint(150, 20), QPoint(-20, -10));
    QTRY_COMPARE(view.pos(), QPoint(-520, -410));
}

void tst_DuiNonClientHelper::borderDragsResizeWindow()
{
    FrameView view;
    view.setMinimumSize(200, 150);
    view.setGeometry(100, 100, 300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    drag(&view, QPoint(298, 100), QPoint(50, 0)); // right border
    QTRY_COMPARE(view.geometry(), QRect(100, 100, 350, 200));

    drag(&view, QPoint(1, 100), QPoint(-30, 0)); // left border: the right edge stays
    QTRY_COMPARE(view.geometry(), QRect(70, 100, 380, 200));

    drag(&view, QPoint(150, 1), QPoint(0, 20)); // top border
    QTRY_COMPARE(view.geometry(), QRect(70, 120, 380, 180));

    drag(&view, QPoint(370, 170), QPoint(20, 40)); // bottom-right grip, 10 pixels in
    QTRY_COMPARE(view.geometry(), QRect(70, 120, 400, 220));

    // The minimum tracking size (the window's minimum size) holds the left border back.
    drag(&view, QPoint(1, 100), QPoint(300, 0));
    QTRY_COMPARE(view.geometry(), QRect(270, 120, 200, 220));
    QVERIFY(!view.take(WM_GETMINMAXINFO).isEmpty());
}

void tst_DuiNonClientHelper::controlsKeepTheirPresses()
{
    FrameView view;
    view.setGeometry(100, 100, 300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    drag(&view, QPoint(40, 70), QPoint(30, 30));
    QCOMPARE(view.button->presses, 1);
    QCOMPARE(view.geometry(), QRect(100, 100, 300, 200));
    QVERIFY(view.take(WM_NCLBUTTONDOWN).isEmpty());
    QCOMPARE(view.take(WM_NCHITTEST).size(), 1);

    // A window whose native path answers nothing gets every press as client area.
    view.style.reset(new DuiFrameStyle_Tooltip(&view));
    drag(&view, QPoint(150, 20), QPoint(30, 30));
    QCOMPARE(view.geometry(), QRect(100, 100, 300, 200));
}

void tst_DuiNonClientHelper::unhandledPressBecomesSystemCommand()
{
    FrameView view;
    view.handleSysMove = true;
    view.setGeometry(100, 100, 300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    drag(&view, QPoint(150, 20), QPoint(40, 30));
    const QList<MSG> commands = view.take(WM_SYSCOMMAND);
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands.first().wParam, WPARAM(SC_MOVE | HTCAPTION));
    QCOMPARE(view.geometry(), QRect(100, 100, 300, 200)); // the window took the command itself

    view.messages.clear();
    drag(&view, QPoint(150, 198), QPoint(0, 10)); // bottom border
    QCOMPARE(view.take(WM_SYSCOMMAND).first().wParam, WPARAM(SC_SIZE | 6));
    QTRY_COMPARE(view.height(), 210);

    // The size grip sizes from the bottom-right corner, as that border does.
    view.messages.clear();
    view.forcedHit = HTGROWBOX;
    drag(&view, QPoint(150, 100), QPoint(10, 10));
    QCOMPARE(view.take(WM_SYSCOMMAND).first().wParam, WPARAM(SC_SIZE | 8));
}

void tst_DuiNonClientHelper::maximiseUsesMinMaxInfo()
{
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    for (bool tool : {false, true}) {
        FrameView view(tool);
        view.setGeometry(100, 100, 300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.showMaximized();
        const QRect expected = tool ? work.adjusted(-2, -2, 2, 2) : work;
        QTRY_COMPARE(view.geometry(), expected);

        // A maximised window swallows caption presses and does not move.
        view.messages.clear();
        drag(&view, QPoint(150, 20), QPoint(40, 30));
        QCOMPARE(view.take(WM_NCLBUTTONDOWN).size(), 1);
        QVERIFY(view.take(WM_ENTERSIZEMOVE).isEmpty());
        QCOMPARE(view.button->presses, 0);
        QTest::qWait(20);
        QCOMPARE(view.geometry(), expected);

        view.showNormal();
        QTRY_COMPARE(view.geometry(), QRect(100, 100, 300, 200));
    }
}

void tst_DuiNonClientHelper::doubleClickTogglesMaximised()
{
    FrameView view;
    view.setGeometry(100, 100, 300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(150, 20));
    QTRY_VERIFY(view.isMaximized());
    QCOMPARE(view.take(WM_NCLBUTTONDBLCLK).size(), 1);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(150, 20));
    QTRY_VERIFY(!view.isMaximized());
    QTRY_COMPARE(view.geometry(), QRect(100, 100, 300, 200));

    // Not resizable: the double click is taken and changes nothing.
    view.style->resizable = false;
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(150, 20));
    QTest::qWait(50);
    QVERIFY(!view.isMaximized());
}

void tst_DuiNonClientHelper::sizeAndActivateMessages()
{
    FrameView view;
    view.setGeometry(100, 100, 300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // The window became active when shown.
    view.activateWindow();
    QTRY_VERIFY(view.isActiveWindow());
    QTRY_VERIFY(!view.take(WM_ACTIVATE).isEmpty());
    QCOMPARE(LOWORD(view.take(WM_ACTIVATE).last().wParam), WORD(WA_ACTIVE));
    view.messages.clear();
    view.resize(320, 210);
    QTRY_VERIFY(!view.take(WM_SIZE).isEmpty());
    MSG size = view.take(WM_SIZE).last();
    QCOMPARE(size.wParam, WPARAM(SIZE_RESTORED));
    QCOMPARE(int(LOWORD(size.lParam)), 320);
    QCOMPARE(int(HIWORD(size.lParam)), 210);

    view.showMaximized();
    QTRY_COMPARE(view.take(WM_SIZE).last().wParam, WPARAM(SIZE_MAXIMIZED));
    view.showMinimized();
    QTRY_COMPARE(view.take(WM_SIZE).last().wParam, WPARAM(SIZE_MINIMIZED));
    view.showNormal();
    QTRY_COMPARE(view.take(WM_SIZE).last().wParam, WPARAM(SIZE_RESTORED));

    FrameView other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    QTRY_COMPARE(LOWORD(view.take(WM_ACTIVATE).last().wParam), WORD(WA_INACTIVE));
}

void tst_DuiNonClientHelper::xvfbDragMovesAndResizes()
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
    tst_DuiNonClientHelper test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duinonclienthelper.moc"
