// SPDX-License-Identifier: MIT
#include <duiframestyle_p.h>
#include <duisyscommandrequest.h>
#include <duititlebar.h>
#include <duiwidget.h>
#include <duiwinapi.h>

#include <QtCore/qmetaobject.h>
#include <QtGui/qevent.h>
#include <QtGui/qscreen.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qpushbutton.h>

#include <memory>

namespace {

// A bare frameless view whose native-message path is its frame style, as the frame window's is.
class StyledView : public QGraphicsView
{
public:
    StyledView()
    {
        setScene(new QGraphicsScene(this));
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFrameShape(QFrame::NoFrame);
    }
    std::unique_ptr<DuiFrameStyle> style;

protected:
    bool nativeEvent(const QByteArray &type, void *message, qintptr *result) override
    {
        if (type != DuiNativeMessageEventType || !style)
            return false;
        long answer = 0;
        const bool handled = style->handleMessage(static_cast<MSG *>(message), &answer);
        *result = answer;
        return handled;
    }
    void resizeEvent(QResizeEvent *event) override
    {
        if (style)
            style->updateRegion(event);
        QGraphicsView::resizeEvent(event);
        scene()->setSceneRect(0, 0, event->size().width(), event->size().height());
    }
};

// Answers DragWindow on its left half and NotDragWindow on its right half (scene coordinates).
class SplitWidget : public DuiWidget
{
public:
    using DuiWidget::DuiWidget;
    DragWidgetFlag hitTest(const QPointF &scenePoint) const override
    {
        const QPointF local = mapFromScene(scenePoint);
        return local.x() < size().width() / 2 ? DragWindow : NotDragWindow;
    }
};

DuiWidget *addWidget(QGraphicsItem *parent, const QRectF &geometry, DuiWidget::DragWidgetFlag policy)
{
    auto *w = new DuiWidget(parent);
    w->setGeometry(geometry);
    w->setDragPolicy(policy);
    return w;
}

MSG message(QWidget *w, UINT msg, WPARAM wParam, LPARAM lParam)
{
    MSG m = {};
    m.hwnd = HWND(w->winId());
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    return m;
}

LPARAM screenPoint(int x, int y)
{
    return MAKELPARAM(WORD(std::int16_t(x)), WORD(std::int16_t(y)));
}

} // namespace

class tst_DuiFrameStyle : public QObject
{
    Q_OBJECT

private slots:
    void borderRectangles_data();
    void borderRectangles();
    void borderTestWithoutBordersOrMaximised();
    void hitTestMessageInScreenCoordinates();
    void captionTestClimbsDragPolicies_data();
    void captionTestClimbsDragPolicies();
    void maximisedWindow();
    void minMaxInfo();
    void ncCalcSize();
    void doubleClickAndOtherMessages();
    void installAndRegion();
    void tooltipAndSystemStyles();
    void sysCommandRequest();

private:
    // Builds the scene used by the caption tests: a 300 x 200 window whose root drags it.
    void buildScene(StyledView &view);
};

void tst_DuiFrameStyle::borderRectangles_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<int>>("borders"); // left, top, right, bottom
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("hit");

    const QSize s(300, 200);
    const QList<int> four{4, 4, 4, 4};
    QTest::newRow("top-left corner") << s << four << QPoint(0, 0) << int(HTTOPLEFT);
    QTest::newRow("top-left inner") << s << four << QPoint(3, 3) << int(HTTOPLEFT);
    QTest::newRow("top after corner") << s << four << QPoint(4, 0) << int(HTTOP);
    QTest::newRow("top before corner") << s << four << QPoint(295, 3) << int(HTTOP);
    QTest::newRow("top-right corner") << s << four << QPoint(296, 0) << int(HTTOPRIGHT);
    QTest::newRow("top-right inner") << s << four << QPoint(299, 3) << int(HTTOPRIGHT);
    QTest::newRow("left top") << s << four << QPoint(0, 4) << int(HTLEFT);
    QTest::newRow("left bottom") << s << four << QPoint(3, 195) << int(HTLEFT);
    QTest::newRow("client inside borders") << s << four << QPoint(4, 4) << int(HTCLIENT);
    QTest::newRow("right top") << s << four << QPoint(296, 4) << int(HTRIGHT);
    QTest::newRow("right above bottom rows") << s << four << QPoint(299, 195) << int(HTRIGHT);
    QTest::newRow("grip 12 in from the corner") << s << four << QPoint(288, 188) << int(HTBOTTOMRIGHT);
    QTest::newRow("grip top-left pixel") << s << four << QPoint(286, 186) << int(HTBOTTOMRIGHT);
    QTest::newRow("left of grip") << s << four << QPoint(285, 188) << int(HTCLIENT);
    QTest::newRow("above grip") << s << four << QPoint(288, 185) << int(HTCLIENT);
    QTest::newRow("grip below right border") << s << four << QPoint(296, 196) << int(HTBOTTOMRIGHT);
    QTest::newRow("grip over bottom border") << s << four << QPoint(286, 199) << int(HTBOTTOMRIGHT);
    QTest::newRow("bottom-right pixel") << s << four << QPoint(299, 199) << int(HTBOTTOMRIGHT);
    QTest::newRow("bottom-left corner") << s << four << QPoint(0, 196) << int(HTBOTTOMLEFT);
    QTest::newRow("bottom-left inner") << s << four << QPoint(3, 199) << int(HTBOTTOMLEFT);
    QTest::newRow("bottom start") << s << four << QPoint(4, 196) << int(HTBOTTOM);
    QTest::newRow("bottom before grip") << s << four << QPoint(285, 199) << int(HTBOTTOM);
    QTest::newRow("outside right") << s << four << QPoint(300, 100) << int(HTCLIENT);

    // Different widths on every side catch swapped arguments: 100 x 80, L2 T3 R5 B6.
    const QSize t(100, 80);
    const QList<int> mixed{2, 3, 5, 6};
    QTest::newRow("mixed top-left") << t << mixed << QPoint(1, 2) << int(HTTOPLEFT);
    QTest::newRow("mixed top") << t << mixed << QPoint(2, 2) << int(HTTOP);
    QTest::newRow("mixed left") << t << mixed << QPoint(1, 3) << int(HTLEFT);
    QTest::newRow("mixed left bottom") << t << mixed << QPoint(1, 73) << int(HTLEFT);
    QTest::newRow("mixed bottom-left") << t << mixed << QPoint(1, 74) << int(HTBOTTOMLEFT);
    QTest::newRow("mixed top end") << t << mixed << QPoint(94, 2) << int(HTTOP);
    QTest::newRow("mixed top-right") << t << mixed << QPoint(95, 2) << int(HTTOPRIGHT);
    QTest::newRow("mixed right") << t << mixed << QPoint(95, 3) << int(HTRIGHT);
    QTest::newRow("mixed right bottom") << t << mixed << QPoint(95, 73) << int(HTRIGHT);
    QTest::newRow("mixed grip") << t << mixed << QPoint(85, 64) << int(HTBOTTOMRIGHT);
    QTest::newRow("mixed left of grip") << t << mixed << QPoint(84, 64) << int(HTCLIENT);
    QTest::newRow("mixed above grip") << t << mixed << QPoint(85, 63) << int(HTCLIENT);
    QTest::newRow("mixed bottom") << t << mixed << QPoint(2, 74) << int(HTBOTTOM);
    QTest::newRow("mixed bottom end") << t << mixed << QPoint(84, 79) << int(HTBOTTOM);
}

void tst_DuiFrameStyle::borderRectangles()
{
    QFETCH(QSize, size);
    QFETCH(QList<int>, borders);
    QFETCH(QPoint, point);
    QFETCH(int, hit);
    QCOMPARE(DuiFrameStyle_WinXP::resizeBorderHitTest(point, size, false, borders[0], borders[1], borders[2],
                                                      borders[3]),
             hit);
}

void tst_DuiFrameStyle::borderTestWithoutBordersOrMaximised()
{
    const QSize s(300, 200);
    for (const QPoint &p : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 199), QPoint(299, 199), QPoint(290, 190)}) {
        QCOMPARE(DuiFrameStyle_WinXP::resizeBorderHitTest(p, s, false, 0, 0, 0, 0), int(HTCLIENT));
        QCOMPARE(DuiFrameStyle_WinXP::resizeBorderHitTest(p, s, true, 4, 4, 4, 4), int(HTCLIENT));
    }
}

void tst_DuiFrameStyle::buildScene(StyledView &view)
{
    auto *root = addWidget(nullptr, QRectF(0, 0, 300, 200), DuiWidget::DragWindow);
    root->setObjectName(QStringLiteral("root"));
    view.scene()->addItem(root);
    addWidget(root, QRectF(10, 40, 40, 20), DuiWidget::NotDragWindow)->setObjectName(QStringLiteral("button"));
    addWidget(root, QRectF(60, 40, 40, 20), DuiWidget::DragWithParentFlag);
    // Two levels of DragWithParentFlag below the DragWindow root.
    auto *middle = addWidget(root, QRectF(110, 40, 60, 60), DuiWidget::DragWithParentFlag);
    addWidget(middle, QRectF(10, 10, 20, 20), DuiWidget::DragWithParentFlag);
    // DragWithParentFlag below a NotDragWindow parent.
    auto *panel = addWidget(root, QRectF(180, 40, 60, 60), DuiWidget::NotDragWindow);
    addWidget(panel, QRectF(10, 10, 20, 20), DuiWidget::DragWithParentFlag);
    // Plain graphics items climb to the nearest DuiWidget.
    auto *rectOnRoot = new QGraphicsRectItem(0, 0, 20, 20, root);
    rectOnRoot->setPos(10, 110);
    auto *button2 = addWidget(root, QRectF(40, 110, 30, 30), DuiWidget::NotDragWindow);
    auto *rectOnButton = new QGraphicsRectItem(0, 0, 10, 10, button2);
    rectOnButton->setPos(5, 5);
    // hitTest is asked with the point, not only the policy.
    auto *split = new SplitWidget(root);
    split->setGeometry(80, 110, 40, 20);
    // A DragWithParentFlag widget with no DuiWidget above it.
    view.scene()->addItem(addWidget(nullptr, QRectF(0, 170, 20, 20), DuiWidget::DragWithParentFlag));
    view.scene()->items().first()->setZValue(1);
    // A native child widget of the window takes its presses.
    auto *native = new QPushButton(&view);
    native->setGeometry(250, 150, 40, 30);
}

void tst_DuiFrameStyle::hitTestMessageInScreenCoordinates()
{
    StyledView view;
    auto *style = new DuiFrameStyle_WinXP(&view);
    view.style.reset(style);
    style->resizable = true;
    style->install();
    buildScene(view);
    view.setGeometry(-400, -300, 300, 200); // left of and above the primary screen
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QPoint origin = view.mapToGlobal(QPoint(0, 0));
    QCOMPARE(origin, QPoint(-400, -300));

    struct Case { QPoint local; int hit; } cases[] = {
        {{0, 0}, HTTOPLEFT}, {{298, 100}, HTRIGHT}, {{150, 199}, HTBOTTOM}, {{290, 190}, HTBOTTOMRIGHT},
        {{150, 20}, HTCAPTION}, {{20, 50}, HTCLIENT}, {{2, 100}, HTLEFT},
    };
    for (const Case &c : cases) {
        const QPoint g = origin + c.local;
        MSG m = message(&view, WM_NCHITTEST, 0, screenPoint(g.x(), g.y()));
        long result = -99;
        QVERIFY(style->handleMessage(&m, &result));
        QCOMPARE(int(result), c.hit);
    }
    // The same messages through the native-message path give the same answers.
    style->resizable = false;
    MSG m = message(&view, WM_NCHITTEST, 0, screenPoint(origin.x(), origin.y()));
    long result = 0;
    QVERIFY(style->handleMessage(&m, &result));
    QCOMPARE(int(result), int(HTCAPTION)); // no border, the root drags
}

void tst_DuiFrameStyle::captionTestClimbsDragPolicies_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("hit");
    QTest::newRow("empty root") << QPoint(150, 20) << int(HTCAPTION);
    QTest::newRow("NotDragWindow") << QPoint(20, 50) << int(HTCLIENT);
    QTest::newRow("DragWithParentFlag on DragWindow") << QPoint(70, 50) << int(HTCAPTION);
    QTest::newRow("two levels of DragWithParentFlag") << QPoint(125, 55) << int(HTCAPTION);
    QTest::newRow("DragWithParentFlag on NotDragWindow") << QPoint(195, 55) << int(HTCLIENT);
    QTest::newRow("plain item on root") << QPoint(15, 115) << int(HTCAPTION);
    QTest::newRow("plain item on NotDragWindow") << QPoint(48, 118) << int(HTCLIENT);
    QTest::newRow("hitTest left half") << QPoint(85, 115) << int(HTCAPTION);
    QTest::newRow("hitTest right half") << QPoint(115, 115) << int(HTCLIENT);
    QTest::newRow("no DuiWidget above") << QPoint(5, 175) << int(HTCLIENT);
    QTest::newRow("native child widget") << QPoint(260, 160) << int(HTCLIENT);
    QTest::newRow("outside every item") << QPoint(305, 20) << int(HTCLIENT);
}

void tst_DuiFrameStyle::captionTestClimbsDragPolicies()
{
    QFETCH(QPoint, point);
    QFETCH(int, hit);
    StyledView view;
    auto *style = new DuiFrameStyle_WinXP(&view);
    view.style.reset(style);
    buildScene(view);
    view.resize(320, 200);
    view.scene()->setSceneRect(0, 0, 320, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(style->frameCaptionHitTest(point), hit);
}

void tst_DuiFrameStyle::maximisedWindow()
{
    StyledView view;
    auto *style = new DuiFrameStyle_WinXP(&view);
    view.style.reset(style);
    style->resizable = true;
    style->install();
    int filtered = 0;
    style->ncMessageFilter = [&filtered](MSG *m) { filtered += m->message == WM_NCLBUTTONDOWN; };
    buildScene(view);
    view.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY(view.isMaximized());

    // The top-left corner is no border any more, but the root under it still drags.
    const QPoint g = view.mapToGlobal(QPoint(0, 0));
    MSG hit = message(&view, WM_NCHITTEST, 0, screenPoint(g.x(), g.y()));
    long result = 0;
    QVERIFY(style->handleMessage(&hit, &result));
    QCOMPARE(int(result), int(HTCAPTION));

    MSG down = message(&view, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint(g.x(), g.y()));
    QVERIFY(style->handleMessage(&down, &result)); // swallowed: no drag
    QCOMPARE(filtered, 1);

    view.showNormal();
    QTRY_VERIFY(!view.isMaximized());
    QVERIFY(!style->handleMessage(&down, &result)); // left to the default move
    QCOMPARE(filtered, 2);
}

void tst_DuiFrameStyle::minMaxInfo()
{
    StyledView view;
    auto *style = new DuiFrameStyle_WinXP(&view);
    view.style.reset(style);
    view.setMinimumSize(120, 80);
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();

    MINMAXINFO info = {};
    MSG m = message(&view, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    long result = -1;
    QVERIFY(style->handleMessage(&m, &result));
    QCOMPARE(info.ptMaxSize.x, work.width());
    QCOMPARE(info.ptMaxSize.y, work.height());
    QCOMPARE(info.ptMaxPosition.x, work.left());
    QCOMPARE(info.ptMaxPosition.y, work.top());
    QCOMPARE(info.ptMaxTrackSize.x, work.width());
    QCOMPARE(info.ptMaxTrackSize.y, work.height());
    QCOMPARE(info.ptMinTrackSize.x, 120);
    QCOMPARE(info.ptMinTrackSize.y, 80);

    // A tool window maximises two pixels beyond the work area on every side.
    style->toolWindow = true;
    info = {};
    QVERIFY(style->handleMessage(&m, &result));
    QCOMPARE(info.ptMaxSize.x, work.width() + 4);
    QCOMPARE(info.ptMaxSize.y, work.height() + 4);
    QCOMPARE(info.ptMaxPosition.x, work.left() - 2);
    QCOMPARE(info.ptMaxPosition.y, work.top() - 2);
    QCOMPARE(info.ptMaxTrackSize.x, work.width() + 4);
    QCOMPARE(info.ptMinTrackSize.y, 80);

    // No structure: nothing to fill.
    MSG empty = message(&view, WM_GETMINMAXINFO, 0, 0);
    QVERIFY(!style->handleMessage(&empty, &result));
}

void tst_DuiFrameStyle::ncCalcSize()
{
    StyledView view;
    auto *style = new DuiFrameStyle_WinXP(&view);
    view.style.reset(style);

    NCCALCSIZE_PARAMS params = {};
    params.rgrc[0] = RECT{10, 20, 310, 220};
    params.rgrc[1] = RECT{1, 2, 3, 4};
    params.rgrc[2] = RECT{5, 6, 7, 8};
    MSG m = message(&view, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    long result = 0;
    QVERIFY(style->handleMessage(&m, &result));
    QCOMPARE(result, 1L);
    QCOMPARE(params.rgrc[1].left, 10);
    QCOMPARE(params.rgrc[1].top, 20);
    QCOMPARE(params.rgrc[1].right, 310);
    QCOMPARE(params.rgrc[1].bottom, 220);
    QCOMPARE(params.rgrc[0].right, 310); // the proposed window rectangle stays the client area
    QCOMPARE(params.rgrc[2].left, 5);

    RECT rect = {10, 20, 310, 220};
    MSG plain = message(&view, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rect));
    result = 7;
    QVERIFY(style->handleMessage(&plain, &result));
    QCOMPARE(result, 0L);
    QCOMPARE(rect.left, 10);
    QCOMPARE(rect.bottom, 220);
}

void tst_DuiFrameStyle::doubleClickAndOtherMessages()
{
    StyledView view;
    auto *style = new DuiFrameStyle_WinXP(&view);
    view.style.reset(style);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    long result = 0;
    MSG dbl = message(&view, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    // Not resizable: handled, nothing happens.
    QVERIFY(style->handleMessage(&dbl, &result));
    QTest::qWait(20);
    QVERIFY(!view.isMaximized());

    style->resizable = true;
    QVERIFY(style->handleMessage(&dbl, &result));
    QTRY_VERIFY(view.isMaximized());
    QVERIFY(style->handleMessage(&dbl, &result));
    QTRY_VERIFY(!view.isMaximized());

    MSG erase = message(&view, WM_ERASEBKGND, 0, 0);
    QVERIFY(style->handleMessage(&erase, &result));
    for (UINT other : {UINT(WM_MOVE), UINT(WM_SIZE), UINT(WM_SYSCOMMAND), UINT(WM_ACTIVATE), UINT(WM_NCPAINT)}) {
        MSG m = message(&view, other, 0, 0);
        QVERIFY2(!style->handleMessage(&m, &result), qPrintable(QString::number(other, 16)));
    }
    QVERIFY(!style->handleMessage(nullptr, &result));
}

void tst_DuiFrameStyle::installAndRegion()
{
    {
        StyledView view;
        auto *style = new DuiFrameStyle_WinXP(&view);
        view.style.reset(style);
        style->resizable = true;
        style->install();
        QCOMPARE(view.styleSheet(), QStringLiteral("QGraphicsView { border-style: none; background: transparent}"));
        QVERIFY(view.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(view.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(view.windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(view.windowFlags() & Qt::WindowSystemMenuHint);
        const HWND hwnd = HWND(view.winId());
        QVERIFY(DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE)) & WS_THICKFRAME);

        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(HWND(view.winId()), hwnd);
        const QRegion mask = view.mask();
        QCOMPARE(mask.boundingRect(), QRect(0, 0, 300, 200));
        for (const QPoint &p : {QPoint(150, 0), QPoint(150, 199), QPoint(0, 100), QPoint(299, 100), QPoint(150, 100)})
            QVERIFY2(mask.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        for (const QPoint &p : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 199), QPoint(299, 199), QPoint(300, 100)})
            QVERIFY2(!mask.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        // The region follows every resize.
        view.resize(400, 250);
        QTRY_COMPARE(view.mask().boundingRect(), QRect(0, 0, 400, 250));
    }
    {
        StyledView view;
        auto *style = new DuiFrameStyle_WinXP(&view);
        view.style.reset(style);
        style->install();
        QVERIFY(view.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!(view.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(DWORD(DuiWinAPI::GetWindowLongW(HWND(view.winId()), GWL_STYLE)) & WS_THICKFRAME));
    }
    {
        StyledView view;
        auto *style = new DuiFrameStyle_WinXP(&view);
        view.style.reset(style);
        style->popup = true;
        style->resizable = true; // a popup ignores it
        style->install();
        QCOMPARE(view.windowType(), Qt::Popup);
        QVERIFY(view.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(!(DWORD(DuiWinAPI::GetWindowLongW(HWND(view.winId()), GWL_STYLE)) & WS_THICKFRAME));
    }
}

void tst_DuiFrameStyle::tooltipAndSystemStyles()
{
    StyledView tip;
    DuiFrameStyle_Tooltip tooltip(&tip);
    tooltip.install();
    QCOMPARE(tip.windowType(), Qt::Tool);
    QVERIFY(tip.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(tip.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(tip.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(tip.styleSheet(), DuiFrameStyle::transparentStyleSheet());
    long result = 0;
    for (UINT m : {UINT(WM_NCHITTEST), UINT(WM_ERASEBKGND), UINT(WM_GETMINMAXINFO)}) {
        MSG msg = message(&tip, m, 0, 0);
        QVERIFY(!tooltip.handleMessage(&msg, &result));
    }
    QCOMPARE(tooltip.clientRect(QRect(0, 0, 50, 40)), QRect(0, 0, 50, 40));
    QCOMPARE(tooltip.scaleFactor(), 1.0);

    StyledView framed;
    DuiFrameStyle_System system(&framed);
    system.install();
    QVERIFY(framed.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!(framed.windowFlags() & Qt::FramelessWindowHint));
    QCOMPARE(framed.styleSheet(), DuiFrameStyle::transparentStyleSheet());
    MSG erase = message(&framed, WM_ERASEBKGND, 0, 0);
    QVERIFY(system.handleMessage(&erase, &result));
    MSG hit = message(&framed, WM_NCHITTEST, 0, 0);
    QVERIFY(!system.handleMessage(&hit, &result));
    QCOMPARE(system.clientRect(QRect(0, 0, 300, 200)), QRect(7, 7, 286, 186));
    QCOMPARE(system.scaleFactor(), 1.0);
}

void tst_DuiFrameStyle::sysCommandRequest()
{
    const QMetaObject &mo = DuiSysCommandRequest::staticMetaObject;
    const QMetaProperty type = mo.property(mo.indexOfProperty("type"));
    QVERIFY(type.isValid() && !type.isWritable());
    QVERIFY(type.isEnumType());
    QCOMPARE(QByteArray(type.enumerator().name()), QByteArray("titlebarClick"));
    QCOMPARE(QByteArray(type.enumerator().scope()), QByteArray("DuiTitlebar"));
    const QMetaProperty accepted = mo.property(mo.indexOfProperty("accepted"));
    QVERIFY(accepted.isValid() && !accepted.isWritable());

    DuiSysCommandRequest request(DuiTitlebar::TitleClose);
    QCOMPARE(request.type(), DuiTitlebar::TitleClose);
    QCOMPARE(request.property("type").toInt(), 3);
    QVERIFY(request.accepted());
    QVERIFY(QMetaObject::invokeMethod(&request, "reject"));
    QVERIFY(!request.accepted());
    QCOMPARE(request.property("accepted").toBool(), false);
    QCOMPARE(DuiSysCommandRequest(DuiTitlebar::TitleMaximize).type(), DuiTitlebar::TitleMaximize);
}

QTEST_MAIN(tst_DuiFrameStyle)
#include "tst_duiframestyle.moc"
