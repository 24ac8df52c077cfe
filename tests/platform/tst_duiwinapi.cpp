// SPDX-License-Identifier: MIT
#include "xvfbtestutil.h"

#include <duiwinapi.h>
#include <duiwinapi_p.h>

#include <QtCore/qdir.h>
#include <QtCore/qfile.h>
#include <QtCore/qtemporarydir.h>
#include <QtCore/qtemporaryfile.h>
#include <QtCore/qurl.h>
#include <QtDBus/qdbusconnection.h>
#include <QtGui/qscreen.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qwidget.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

// Records what reaches its native-message path.
class RecordingWidget : public QWidget
{
    Q_OBJECT
public:
    QList<MSG> messages;

protected:
    bool nativeEvent(const QByteArray &type, void *message, qintptr *result) override
    {
        if (type != DuiNativeMessageEventType)
            return false;
        messages << *static_cast<MSG *>(message);
        *result = 0;
        return true;
    }
};

HWND staleHandle()
{
    auto *w = new QWidget;
    const HWND hwnd = HWND(w->winId());
    delete w;
    return hwnd;
}

// ---- Second processes ----

// Stands in for the desktop's file manager on a private session bus: prints each ShowItems call.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        Q_UNUSED(startupId);
        std::printf("show %s\n", qPrintable(uris.join(u' ')));
        std::fflush(stdout);
    }
};

int runFakeFileManager()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeFileManager manager;
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager, QDBusConnection::ExportAllSlots)
        || !bus.registerService(QStringLiteral("org.freedesktop.FileManager1")))
        return 2;
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// Holds the named mutex until its standard input closes.
int runMutexHolder(const QString &name)
{
    const uint handle = DuiWinAPI::createMutex(name);
    if (!handle)
        return 2;
    std::printf("held\n");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    DuiWinAPI::releaseMutex(handle);
    return 0;
}

// Exit code 1 when the named mutex exists, 0 when not.
int runMutexCheck(const QString &name)
{
    return DuiWinAPI::isMutexExist(name) ? 1 : 0;
}

int clientFail(const char *what)
{
    std::fprintf(stderr, "FAIL: %s\n", what);
    return 1;
}

// Runs inside a private Xvfb server: hot keys, key state and the caps lock through XTEST.
int runXvfbKeyboardClient()
{
    XTestInput input;
    QString why;
    if (!input.open(&why)) {
        std::fprintf(stderr, "SKIP: %s\n", qPrintable(why));
        return XClientSkipped;
    }
    constexpr unsigned long ControlL = 0xffe3, ShiftL = 0xffe1, F7 = 0xffc4, CapsLock = 0xffe5;
    RecordingWidget window;
    window.resize(200, 100);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return clientFail("window not exposed");
    const HWND hwnd = HWND(window.winId());
    if (!DuiWinAPI::getDesktopWindow()) {
        // The library was built without libxcb (its headers come with libx11-dev).
        std::fprintf(stderr, "SKIP: the library has no X server support\n");
        return XClientSkipped;
    }

    if (!DuiWinAPI::RegisterHotKey(hwnd, 7, MOD_CONTROL | MOD_SHIFT, VK_F7))
        return clientFail("RegisterHotKey failed");
    if (DuiWinAPI::RegisterHotKey(hwnd, 8, MOD_CONTROL | MOD_SHIFT, VK_F7))
        return clientFail("the same combination registered twice");
    if (DuiWinAPI::RegisterHotKey(hwnd, 7, MOD_ALT, VK_F7))
        return clientFail("the same id registered twice for one window");

    auto hotKeys = [&window]() {
        int n = 0;
        for (const MSG &m : std::as_const(window.messages))
            n += m.message == WM_HOTKEY;
        return n;
    };
    auto pressCombination = [&input](bool withModifiers) {
        if (withModifiers) {
            input.key(ControlL, true);
            input.key(ShiftL, true);
        }
        input.key(F7, true);
        input.key(F7, false);
        if (withModifiers) {
            input.key(ShiftL, false);
            input.key(ControlL, false);
        }
    };

    pressCombination(true);
    if (!waitFor([&] { return hotKeys() == 1; }))
        return clientFail("WM_HOTKEY did not arrive");
    const MSG hot = window.messages.last();
    if (hot.hwnd != hwnd || hot.wParam != 7 || LOWORD(hot.lParam) != (MOD_CONTROL | MOD_SHIFT)
        || HIWORD(hot.lParam) != VK_F7)
        return clientFail("WM_HOTKEY carries the wrong values");

    // F7 alone is no hot key.
    pressCombination(false);
    QTest::qWait(200);
    if (hotKeys() != 1)
        return clientFail("F7 without modifiers fired the hot key");

    // Caps Lock does not stop it.
    input.key(CapsLock, true);
    input.key(CapsLock, false);
    if (!waitFor([] { return DuiWinAPI::isCapsLockOn(); }))
        return clientFail("caps lock not reported on");
    pressCombination(true);
    if (!waitFor([&] { return hotKeys() == 2; }))
        return clientFail("the hot key failed with caps lock on");
    input.key(CapsLock, true);
    input.key(CapsLock, false);
    if (!waitFor([] { return !DuiWinAPI::isCapsLockOn(); }))
        return clientFail("caps lock not reported off");

    DuiWinAPI::UnregisterHotKey(hwnd, 7);
    pressCombination(true);
    QTest::qWait(200);
    if (hotKeys() != 2)
        return clientFail("an unregistered hot key still fired");

    // Key state as the X server has it.
    if (DuiWinAPI::IsKeyPressed(VK_SHIFT))
        return clientFail("shift reported down before the press");
    input.key(ShiftL, true);
    const bool shiftDown = waitFor([] { return DuiWinAPI::IsKeyPressed(VK_SHIFT) && DuiWinAPI::IsKeyPressed(VK_LSHIFT); });
    const bool rightShiftUp = !DuiWinAPI::IsKeyPressed(VK_RSHIFT);
    input.key(ShiftL, false);
    if (!shiftDown || !rightShiftUp)
        return clientFail("shift not reported down");
    if (!waitFor([] { return !DuiWinAPI::IsKeyPressed(VK_SHIFT); }))
        return clientFail("shift still reported down");

    // A destroyed window gives its combination back.
    {
        RecordingWidget other;
        other.show();
        if (!DuiWinAPI::RegisterHotKey(HWND(other.winId()), 1, MOD_ALT, VK_F7))
            return clientFail("RegisterHotKey on a second window failed");
    }
    if (!DuiWinAPI::RegisterHotKey(hwnd, 9, MOD_ALT, VK_F7))
        return clientFail("the combination of a destroyed window stayed taken");
    std::printf("OK\n");
    return 0;
}

} // namespace

class tst_DuiWinAPI : public QObject
{
    Q_OBJECT

private slots:
    void styleWordReadBack();
    void roundRectRegion();
    void screensAndWorkArea();
    void showAndPlaceWindows();
    void messagesAndWindowLookup();
    void atoms();
    void mutexInOneProcess();
    void mutexSeenFromSecondProcess();
    void splitCommandLine_data();
    void splitCommandLine();
    void createProcess();
    void specialFolders();
    void keysAndInputMethod();
    void shellWithoutTargets();
    void fileManagerShowsSelectedFile();
    void badHandles();
    void xvfbHotKeyAndKeyState();
};

void tst_DuiWinAPI::styleWordReadBack()
{
    QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
    const HWND hwnd = HWND(w.winId());
    const uint id = uint(hwnd);
    DWORD style = DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE));
    QVERIFY(style & WS_POPUP);
    QVERIFY(style & WS_SYSMENU);
    QVERIFY(!(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE)));

    DuiWinAPI::addWindowStyle(id, WS_THICKFRAME);
    QCOMPARE(DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE)), style | WS_THICKFRAME);
    DuiWinAPI::addWindowStyle(id, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    QCOMPARE(DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE)), style | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    DuiWinAPI::removeWindowStyle(id, WS_MINIMIZEBOX | WS_SYSMENU);
    QCOMPARE(DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE)), (style & ~DWORD(WS_SYSMENU)) | WS_THICKFRAME | WS_MAXIMIZEBOX);
    QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(w.windowFlags() & Qt::WindowSystemMenuHint));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    DuiWinAPI::removeWindowStyle(id, WS_THICKFRAME);
    QVERIFY(!(DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE)) & WS_THICKFRAME));

    // SetWindowLongW answers the previous word; the state bits follow the window.
    const long before = DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE);
    QCOMPARE(DuiWinAPI::SetWindowLongW(hwnd, GWL_STYLE, long(WS_POPUP | WS_SYSMENU | WS_VISIBLE)), before);
    QVERIFY(!(DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE)) & WS_VISIBLE));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE)) & WS_VISIBLE);
    QCOMPARE(HWND(w.winId()), hwnd); // style changes keep the native window

    // Extended style and other words.
    DuiWinAPI::SetWindowLongW(hwnd, GWL_EXSTYLE, long(WS_EX_TOPMOST));
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(DuiWinAPI::GetWindowLongW(hwnd, GWL_EXSTYLE), long(WS_EX_TOPMOST));
    QCOMPARE(DuiWinAPI::SetWindowLongW(hwnd, GWL_USERDATA, 1234), 0L);
    QCOMPARE(DuiWinAPI::GetWindowLongW(hwnd, GWL_USERDATA), 1234L);
    QVERIFY(w.isVisible());
}

void tst_DuiWinAPI::roundRectRegion()
{
    // The "+1" idiom of frameless windows covers exactly the window.
    const QRegion r = duiRoundRectRegion(0, 0, 301, 201, 5, 5);
    QCOMPARE(r.boundingRect(), QRect(0, 0, 300, 200));
    for (const QPoint &p : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 199), QPoint(299, 199)})
        QVERIFY(!r.contains(p));
    for (const QPoint &p : {QPoint(2, 0), QPoint(0, 2), QPoint(297, 0), QPoint(299, 197), QPoint(150, 100)})
        QVERIFY(r.contains(p));

    // Large corners are symmetric on every side.
    const QRegion big = duiRoundRectRegion(10, 20, 111, 81, 30, 20);
    QCOMPARE(big.boundingRect(), QRect(10, 20, 100, 60));
    for (int y = 20; y < 80; ++y) {
        for (int x = 10; x < 110; ++x) {
            const bool in = big.contains(QPoint(x, y));
            QCOMPARE(big.contains(QPoint(119 - x, y)), in);
            QCOMPARE(big.contains(QPoint(x, 99 - y)), in);
        }
    }
    QVERIFY(!big.contains(QPoint(10, 20)));
    QVERIFY(big.contains(QPoint(25, 20)));
    QVERIFY(big.contains(QPoint(10, 30)));

    QCOMPARE(duiRoundRectRegion(0, 0, 11, 11, 0, 0), QRegion(0, 0, 10, 10));
    QVERIFY(duiRoundRectRegion(5, 5, 5, 40, 4, 4).isEmpty());
    // Swapped corners describe the same rectangle.
    QCOMPARE(duiRoundRectRegion(301, 201, 0, 0, 5, 5), r);

    QWidget w;
    QVERIFY(DuiWinAPI::SetWindowRoundRectRgn(HWND(w.winId()), 0, 0, 301, 201, 5, 5));
    QCOMPARE(w.mask(), r);
}

void tst_DuiWinAPI::screensAndWorkArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect avail = screen->availableGeometry();
    // Right and bottom are the native, exclusive edges.
    QCOMPARE(DuiWinAPI::getWorkArea(), QRect(avail.topLeft(), QPoint(avail.left() + avail.width(), avail.top() + avail.height())));
    RECT rc = {};
    QVERIFY(DuiWinAPI::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0));
    QCOMPARE(rc.right - rc.left, avail.width());
    QCOMPARE(rc.bottom - rc.top, avail.height());
    QVERIFY(!DuiWinAPI::SystemParametersInfoW(SPI_GETWORKAREA, 0, nullptr, 0));
    QVERIFY(!DuiWinAPI::SystemParametersInfoW(0x9999, 0, &rc, 0));
    UINT lines = 0;
    QVERIFY(DuiWinAPI::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    QCOMPARE(int(lines), QApplication::wheelScrollLines());
    QCOMPARE(GetSystemMetrics(SM_CXSCREEN), screen->geometry().width());
    QCOMPARE(GetSystemMetrics(SM_CYMAXIMIZED), avail.height());
    // The offscreen screen has no panel.
    if (avail == screen->geometry())
        QVERIFY(DuiWinAPI::getTaskbarRect().isNull());

    QCOMPARE(DuiWinAPI::ExtendIntoClientAll(0), 1L);
    QCOMPARE(DuiWinAPI::UpdateBlurEffectRegion(0, nullptr), 1L);
    QCOMPARE(DuiWinAPI::DisableNCRendering(0), 1L);
    QCOMPARE(DuiWinAPI::AllowNCPaint(0), 1L);
    QVERIFY(!DuiWinAPI::IsCompositionEnabled());
}

void tst_DuiWinAPI::showAndPlaceWindows()
{
    QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
    w.setGeometry(50, 60, 200, 100);
    const HWND hwnd = HWND(w.winId());
    QVERIFY(!DuiWinAPI::ShowWindow(hwnd, SW_SHOW)); // was hidden
    QVERIFY(w.isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(DuiWinAPI::ShowWindow(hwnd, SW_MAXIMIZE));
    QTRY_VERIFY(w.isMaximized());
    QVERIFY(DuiWinAPI::ShowWindow(hwnd, SW_RESTORE));
    QTRY_VERIFY(!w.isMaximized());
    QVERIFY(DuiWinAPI::ShowWindow(hwnd, SW_MINIMIZE));
    QTRY_VERIFY(w.isMinimized());
    QVERIFY(DuiWinAPI::ShowWindow(hwnd, SW_SHOWNORMAL));
    QTRY_VERIFY(!w.isMinimized());
    // Restoring a window minimised from the maximised state brings it back maximised.
    DuiWinAPI::ShowWindow(hwnd, SW_MAXIMIZE);
    QTRY_VERIFY(w.isMaximized());
    DuiWinAPI::ShowWindow(hwnd, SW_MINIMIZE);
    QTRY_VERIFY(w.isMinimized());
    DuiWinAPI::ShowWindow(hwnd, SW_RESTORE);
    QTRY_VERIFY(!w.isMinimized());
    QVERIFY(w.isMaximized());
    DuiWinAPI::ShowWindow(hwnd, SW_RESTORE);
    QTRY_VERIFY(!w.isMaximized());
    QVERIFY(DuiWinAPI::ShowWindow(hwnd, SW_HIDE));
    QVERIFY(!w.isVisible());
    QVERIFY(!DuiWinAPI::ShowWindow(hwnd, SW_SHOWNA));
    QVERIFY(w.isVisible());

    QCOMPARE(DuiWinAPI::setWindowPos(hwnd, HWND_TOP, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER), 1);
    QTRY_COMPARE(w.pos(), QPoint(10, 20));
    QCOMPARE(w.size(), QSize(200, 100));
    QCOMPARE(DuiWinAPI::setWindowPos(hwnd, HWND_TOP, 0, 0, 150, 90, SWP_NOMOVE | SWP_NOZORDER), 1);
    QTRY_COMPARE(w.geometry(), QRect(10, 20, 150, 90));
    DuiWinAPI::setWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(DuiWinAPI::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    DuiWinAPI::setWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
    DuiWinAPI::setWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    QVERIFY(!w.isVisible());

    QCOMPARE(DuiWinAPI::SetLayeredWindowAttributes(hwnd, 0, 51, LWA_ALPHA), 1);
    QCOMPARE(w.windowOpacity(), 0.2);
    QCOMPARE(DuiWinAPI::SetLayeredWindowAttributes(hwnd, 0x00ff00, 255, LWA_COLORKEY), 1);
    QCOMPARE(w.windowOpacity(), 0.2);
}

void tst_DuiWinAPI::messagesAndWindowLookup()
{
    RecordingWidget a;
    a.setWindowTitle(QStringLiteral("first"));
    a.setGeometry(0, 0, 100, 100);
    RecordingWidget b;
    b.setWindowTitle(QStringLiteral("second"));
    b.setGeometry(300, 0, 100, 100);
    a.show();
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    const uint ha = uint(a.winId());
    const uint hb = uint(b.winId());

    DuiWinAPI::sendMessage(ha, WM_USER + 1, 11, 22);
    QCOMPARE(a.messages.size(), 1);
    QCOMPARE(a.messages.first().hwnd, HWND(ha));
    QCOMPARE(a.messages.first().message, UINT(WM_USER + 1));
    QCOMPARE(a.messages.first().wParam, WPARAM(11));
    QCOMPARE(a.messages.first().lParam, LPARAM(22));

    // Posted: nothing arrives before the event loop runs, then each in order.
    DuiWinAPI::broadcastWindowMessage({hb, ha, hb}, WM_USER + 2, 1, 2);
    QCOMPARE(b.messages.size(), 0);
    QTRY_COMPARE(b.messages.size(), 2);
    QTRY_COMPARE(a.messages.size(), 2);
    QCOMPARE(a.messages.last().message, UINT(WM_USER + 2));
    // A window destroyed before delivery is skipped.
    {
        auto *gone = new RecordingWidget;
        const uint hg = uint(gone->winId());
        DuiWinAPI::broadcastWindowMessage({hg, ha}, WM_USER + 3, 0, 0);
        delete gone;
    }
    QTRY_COMPARE(a.messages.last().message, UINT(WM_USER + 3));

    const std::u16string cls = u"RecordingWidget";
    const std::u16string title = u"second";
    const std::u16string other = u"QWidget";
    QCOMPARE(DuiWinAPI::getWindowList(reinterpret_cast<const ushort *>(cls.c_str()), nullptr, 0), (QList<uint>{ha, hb}));
    QCOMPARE(DuiWinAPI::getWindowList(reinterpret_cast<const ushort *>(cls.c_str()), nullptr, ha), QList<uint>{hb});
    QCOMPARE(DuiWinAPI::getWindowList(nullptr, reinterpret_cast<const ushort *>(title.c_str()), 0), QList<uint>{hb});
    QVERIFY(DuiWinAPI::getWindowList(reinterpret_cast<const ushort *>(other.c_str()),
                                     reinterpret_cast<const ushort *>(title.c_str()), 0).isEmpty());
    // Hidden windows are found as well (a running instance's hidden main window, say).
    {
        RecordingWidget hidden;
        hidden.setWindowTitle(QStringLiteral("hidden"));
        const uint hh = uint(hidden.winId());
        const std::u16string hiddenTitle = u"hidden";
        QCOMPARE(DuiWinAPI::getWindowList(reinterpret_cast<const ushort *>(cls.c_str()),
                                          reinterpret_cast<const ushort *>(hiddenTitle.c_str()), 0),
                 QList<uint>{hh});
    }

    QCOMPARE(DuiWinAPI::windowFromPoint(QPoint(350, 50)), HWND(hb));
    QCOMPARE(DuiWinAPI::windowFromPoint(QPoint(700, 700)), HWND(0));
    QCOMPARE(DuiWinAPI::ProcessIdFromWindow(HWND(ha)), (unsigned long)::getpid());

    auto *native = new QWidget(&a);
    native->setAttribute(Qt::WA_NativeWindow);
    auto *alien = new QWidget(&a);
    auto *nativeGrandchild = new QWidget(alien);
    nativeGrandchild->setAttribute(Qt::WA_NativeWindow);
    native->winId();
    nativeGrandchild->winId();
    const QList<HWND> children = DuiWinAPI::GetClildWindow(HWND(ha));
    QVERIFY(children.contains(HWND(native->winId())));
    QVERIFY(children.contains(HWND(nativeGrandchild->winId())));
    QVERIFY(!DuiWinAPI::GetClildWindow(HWND(hb)).size());

    DuiWinAPI::setForegroundWindow(HWND(hb));
    QTRY_COMPARE(DuiWinAPI::getForegroundWindow(), HWND(hb));
    DuiWinAPI::setForegroundWindow(HWND(ha));
    QTRY_COMPARE(DuiWinAPI::getForegroundWindow(), HWND(ha));
}

void tst_DuiWinAPI::atoms()
{
    const int hello = DuiWinAPI::GlobalAddAtomW(QStringLiteral("Hello"));
    QVERIFY(hello >= 0xC000 && hello <= 0xFFFF);
    QCOMPARE(DuiWinAPI::GlobalAddAtomW(QStringLiteral("HELLO")), hello); // case-insensitive, second reference
    const int world = DuiWinAPI::GlobalAddAtomW(QStringLiteral("world"));
    QVERIFY(world != hello && world >= 0xC000);
    DuiWinAPI::GlobalDeleteAtom(hello);
    QCOMPARE(DuiWinAPI::GlobalAddAtomW(QStringLiteral("hello")), hello); // still referenced
    DuiWinAPI::GlobalDeleteAtom(hello);
    DuiWinAPI::GlobalDeleteAtom(hello);
    // Gone: its number is free for the next new name.
    QCOMPARE(DuiWinAPI::GlobalAddAtomW(QStringLiteral("third")), hello);

    QCOMPARE(DuiWinAPI::GlobalAddAtomW(QStringLiteral("#123")), 123);
    QCOMPARE(DuiWinAPI::GlobalAddAtomW(QStringLiteral("#0")), 0);
    QCOMPARE(DuiWinAPI::GlobalAddAtomW(QStringLiteral("#49152")), 0);
    QCOMPARE(DuiWinAPI::GlobalAddAtomW(QString()), 0);
    QCOMPARE(DuiWinAPI::GlobalAddAtomW(QString(256, u'x')), 0);
    QVERIFY(DuiWinAPI::GlobalAddAtomW(QString(255, u'x')) >= 0xC000);
    DuiWinAPI::GlobalDeleteAtom(0x1234); // integer atoms and unknown atoms are ignored
    DuiWinAPI::GlobalDeleteAtom(0xFFFF);
}

void tst_DuiWinAPI::mutexInOneProcess()
{
    for (const QString &name : {QStringLiteral("plain"), QStringLiteral("Global\\app/with:odd*chars"), QString(300, u'n')}) {
        QVERIFY(!DuiWinAPI::isMutexExist(name));
        const uint first = DuiWinAPI::createMutex(name);
        QVERIFY(first);
        QVERIFY(DuiWinAPI::isMutexExist(name));
        const uint second = DuiWinAPI::createMutex(name);
        QVERIFY(second && second != first);
        DuiWinAPI::releaseMutex(first);
        QVERIFY(DuiWinAPI::isMutexExist(name)); // the second handle keeps it
        DuiWinAPI::releaseMutex(second);
        QVERIFY(!DuiWinAPI::isMutexExist(name));
        DuiWinAPI::releaseMutex(second); // twice: nothing happens
    }
    // Names differ by case as on Windows.
    const uint h = DuiWinAPI::createMutex(QStringLiteral("Case"));
    QVERIFY(!DuiWinAPI::isMutexExist(QStringLiteral("case")));
    DuiWinAPI::releaseMutex(h);
    QVERIFY(!DuiWinAPI::isMutexExist(QString()));
}

void tst_DuiWinAPI::mutexSeenFromSecondProcess()
{
    const QString name = QStringLiteral("dui-test-%1").arg(::getpid());
    const QString self = QCoreApplication::applicationFilePath();

    // This process holds it; another sees it.
    const uint handle = DuiWinAPI::createMutex(name);
    QVERIFY(handle);
    QCOMPARE(QProcess::execute(self, {QStringLiteral("--mutex-check"), name}), 1);
    DuiWinAPI::releaseMutex(handle);
    QCOMPARE(QProcess::execute(self, {QStringLiteral("--mutex-check"), name}), 0);

    // Another process holds it; this one sees it, until that process ends.
    QProcess holder;
    holder.start(self, {QStringLiteral("--mutex-hold"), name});
    QVERIFY(holder.waitForStarted());
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));
    QVERIFY(DuiWinAPI::isMutexExist(name));
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(holder.exitCode(), 0);
    QVERIFY(!DuiWinAPI::isMutexExist(name));

    // A holder that dies without releasing gives the mutex up too.
    QProcess killed;
    killed.start(self, {QStringLiteral("--mutex-hold"), name});
    QVERIFY(killed.waitForReadyRead(10000));
    QVERIFY(DuiWinAPI::isMutexExist(name));
    killed.kill();
    QVERIFY(killed.waitForFinished(10000));
    QVERIFY(!DuiWinAPI::isMutexExist(name));
}

void tst_DuiWinAPI::splitCommandLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("plain") << QStringLiteral("a b  c") << QStringList{"a", "b", "c"};
    QTest::newRow("quoted program") << QStringLiteral(R"("C:\Program Files\x.exe" arg)")
                                    << QStringList{R"(C:\Program Files\x.exe)", "arg"};
    QTest::newRow("program keeps backslashes") << QStringLiteral(R"("C:\dir\" x)") << QStringList{R"(C:\dir\)", "x"};
    QTest::newRow("quoted argument") << QStringLiteral(R"(p "a b" c)") << QStringList{"p", "a b", "c"};
    QTest::newRow("escaped quote") << QStringLiteral(R"(p a\"b)") << QStringList{"p", R"(a"b)"};
    QTest::newRow("even backslashes") << QStringLiteral(R"(p a\\\\"b c")") << QStringList{"p", R"(a\\b c)"};
    QTest::newRow("odd backslashes") << QStringLiteral(R"(p a\\\"b)") << QStringList{"p", R"(a\"b)"};
    QTest::newRow("lone backslash") << QStringLiteral(R"(p a\b c\)") << QStringList{"p", R"(a\b)", R"(c\)"};
    QTest::newRow("doubled quote in quotes") << QStringLiteral(R"(p "a""b" c)") << QStringList{"p", R"(a"b)", "c"};
    QTest::newRow("empty argument") << QStringLiteral(R"(p "" x)") << QStringList{"p", "", "x"};
    QTest::newRow("blanks and tabs") << QStringLiteral("  p\t x  ") << QStringList{"p", "x"};
    QTest::newRow("empty") << QString() << QStringList();
}

void tst_DuiWinAPI::splitCommandLine()
{
    QFETCH(QString, line);
    QFETCH(QStringList, args);
    QCOMPARE(duiSplitWindowsCommandLine(line), args);
}

void tst_DuiWinAPI::createProcess()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("pid.txt"));
    uint pid = 0;
    // The shell writes its own process id: the id we were given must be it.
    QVERIFY(DuiWinAPI::CreateProcessW(QString(), QStringLiteral(R"(sh -c "echo $$ > '%1'")").arg(out), 0, pid));
    QVERIFY(pid > 0);
    QTRY_VERIFY(QFile(out).size() > 0);
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().trimmed().toUInt(), pid);

    // An explicit program is not searched for; the command line becomes its arguments.
    const QString marker = dir.filePath(QStringLiteral("app.txt"));
    QVERIFY(DuiWinAPI::CreateProcessW(QStringLiteral("/bin/sh"), QStringLiteral(R"(sh -c "echo ok > '%1'")").arg(marker), 0, pid));
    QTRY_VERIFY(QFile::exists(marker));

    // 4,097 characters are refused before anything starts; 4,096 are allowed.
    const QString refused = dir.filePath(QStringLiteral("refused"));
    QString line = QStringLiteral(R"(sh -c "touch '%1'")").arg(refused);
    line += QString(4097 - line.size(), u' ');
    QCOMPARE(line.size(), 4097);
    pid = 12345;
    QVERIFY(!DuiWinAPI::CreateProcessW(QString(), line, 0, pid));
    QCOMPARE(pid, 12345u);
    const QString allowed = dir.filePath(QStringLiteral("allowed"));
    QString longest = QStringLiteral(R"(sh -c "touch '%1'")").arg(allowed);
    longest += QString(4096 - longest.size(), u' ');
    QVERIFY(DuiWinAPI::CreateProcessW(QString(), longest, 0, pid));
    QTRY_VERIFY(QFile::exists(allowed));
    QTest::qWait(100);
    QVERIFY(!QFile::exists(refused));

    QVERIFY(!DuiWinAPI::CreateProcessW(QString(), QStringLiteral("/nonexistent/program arg"), 0, pid));
    QVERIFY(!DuiWinAPI::CreateProcessW(QString(), QStringLiteral("dui-no-such-program-anywhere"), 0, pid));
    QVERIFY(!DuiWinAPI::CreateProcessW(QString(), QString(), 0, pid));
}

void tst_DuiWinAPI::specialFolders()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    for (auto type : {DuiWinAPI::PersonalFolder, DuiWinAPI::AppDataFolder, DuiWinAPI::AudioFolder}) {
        const QString path = DuiWinAPI::GetSpecialFolderPath(type);
        QVERIFY2(path.startsWith(QDir(home.path()).absolutePath() + u'/'), qPrintable(path));
        QVERIFY(path.endsWith(u'/'));
        QVERIFY(QFileInfo(path).isDir()); // created when missing
        QVERIFY(QDir::isAbsolutePath(path));
    }
    QVERIFY(DuiWinAPI::GetSpecialFolderPath(DuiWinAPI::SpecialFolderType(3)).isEmpty());
    QVERIFY(DuiWinAPI::GetSpecialFolderPath(DuiWinAPI::SpecialFolderType(-1)).isEmpty());
    qputenv("HOME", oldHome);
    if (!oldData.isNull())
        qputenv("XDG_DATA_HOME", oldData);
    if (!oldConfig.isNull())
        qputenv("XDG_CONFIG_HOME", oldConfig);
}

void tst_DuiWinAPI::keysAndInputMethod()
{
    QCOMPARE(DuiWinAPI::getKeyNameText(0x1E << 16), QStringLiteral("A"));
    QCOMPARE(DuiWinAPI::getKeyNameText(0x3B << 16), QStringLiteral("F1"));
    QCOMPARE(DuiWinAPI::getKeyNameText(0x01 << 16), QStringLiteral("Esc"));
    QCOMPARE(DuiWinAPI::getKeyNameText(0x4B << 16 | 1 << 24), QStringLiteral("Left"));
    QVERIFY(DuiWinAPI::getKeyNameText(0x4B << 16) != DuiWinAPI::getKeyNameText(0x4B << 16 | 1 << 24));
    QCOMPARE(DuiWinAPI::getKeyNameText(0x7F << 16), QStringLiteral("Unknown"));
    QCOMPARE(DuiWinAPI::getKeyNameText(0), QStringLiteral("Unknown"));
    QCOMPARE(DuiWinAPI::getKeyNameText(0x10 << 16 | 1 << 24), QStringLiteral("Unknown")); // no extended Q

    QCOMPARE(DuiWinAPI::mapVirtualKey('A', MAPVK_VK_TO_VSC), 0x1Eu);
    QCOMPARE(DuiWinAPI::mapVirtualKey(VK_F12, MAPVK_VK_TO_VSC), 0x58u);
    QCOMPARE(DuiWinAPI::mapVirtualKey(VK_RSHIFT, MAPVK_VK_TO_VSC), 0x36u);
    QCOMPARE(DuiWinAPI::mapVirtualKey(0x1E, MAPVK_VSC_TO_VK), uint('A'));
    QCOMPARE(DuiWinAPI::mapVirtualKey(0x2A, MAPVK_VSC_TO_VK), uint(VK_SHIFT));
    QCOMPARE(DuiWinAPI::mapVirtualKey(0x2A, MAPVK_VSC_TO_VK_EX), uint(VK_LSHIFT));
    QCOMPARE(DuiWinAPI::mapVirtualKey(0x36, MAPVK_VSC_TO_VK_EX), uint(VK_RSHIFT));
    QCOMPARE(DuiWinAPI::mapVirtualKey(VK_OEM_MINUS, MAPVK_VK_TO_CHAR), uint('-'));
    QCOMPARE(DuiWinAPI::mapVirtualKey('Q', MAPVK_VK_TO_CHAR), uint('Q'));
    QCOMPARE(DuiWinAPI::mapVirtualKey(VK_NUMPAD7, MAPVK_VK_TO_CHAR), uint('7'));
    QCOMPARE(DuiWinAPI::mapVirtualKey(0xFF, MAPVK_VK_TO_VSC), 0u);
    QCOMPARE(DuiWinAPI::mapVirtualKey(0x7F, MAPVK_VSC_TO_VK), 0u);
    QCOMPARE(DuiWinAPI::mapVirtualKey('A', 9), 0u);

    // Nothing is pressed on the offscreen platform, and there is no X server to ask.
    QVERIFY(!DuiWinAPI::IsKeyPressed(VK_SHIFT));
    QVERIFY(!DuiWinAPI::IsKeyPressed('A'));
    QVERIFY(!DuiWinAPI::IsKeyPressed(VK_LBUTTON));
    QVERIFY(!DuiWinAPI::isCapsLockOn());
    QCOMPARE(DuiWinAPI::getDesktopWindow(), HWND(0));
    RecordingWidget w;
    QVERIFY(!DuiWinAPI::RegisterHotKey(HWND(w.winId()), 1, MOD_CONTROL, 'A'));

    // Input context: dissociating turns input methods off, restoring gives them back.
    w.setAttribute(Qt::WA_InputMethodEnabled, true);
    const uint hwnd = uint(w.winId());
    const uint context = DuiWinAPI::immAssociateContext(hwnd, 0);
    QVERIFY(context != 0);
    QVERIFY(!w.testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(DuiWinAPI::immAssociateContext(hwnd, context), 0u);
    QVERIFY(w.testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(DuiWinAPI::immAssociateContext(hwnd, context), context);
}

void tst_DuiWinAPI::shellWithoutTargets()
{
    // Only failures are tried here: a success would start the desktop's programs.
    QCOMPARE(DuiWinAPI::openFile(QStringLiteral("/nonexistent/dui/file.txt")), (unsigned long)ERROR_FILE_NOT_FOUND);
    QCOMPARE(DuiWinAPI::openFile(QString()), (unsigned long)ERROR_FILE_NOT_FOUND);
    QVERIFY(!DuiWinAPI::openFolderWithSelectFile(QString()));
}

void tst_DuiWinAPI::fileManagerShowsSelectedFile()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        QSKIP("dbus-daemon is not installed");
    // A private session bus, so that no real file manager is asked.
    QProcess bus;
    bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    QVERIFY(bus.waitForStarted());
    QVERIFY(bus.waitForReadyRead(10000));
    const QByteArray address = bus.readLine().trimmed();
    QVERIFY(!address.isEmpty());
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    QProcess manager;
    manager.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--fake-file-manager")});
    QVERIFY(manager.waitForReadyRead(10000));
    QCOMPARE(manager.readLine().trimmed(), QByteArray("ready"));

    QTemporaryFile file;
    QVERIFY(file.open());
    QVERIFY(DuiWinAPI::openFolderWithSelectFile(file.fileName()));
    QVERIFY(manager.waitForReadyRead(10000));
    QCOMPARE(QString::fromUtf8(manager.readLine().trimmed()),
             QStringLiteral("show ") + QUrl::fromLocalFile(QFileInfo(file.fileName()).absoluteFilePath()).toString());

    manager.kill();
    manager.waitForFinished();
    bus.terminate();
    bus.waitForFinished();
}

void tst_DuiWinAPI::badHandles()
{
    const HWND stale = staleHandle();
    QVERIFY(stale != 0);
    QVERIFY(!duiWidgetFromHwnd(stale));
    for (const HWND hwnd : {HWND(0), stale, HWND(0xDEADBEEF)}) {
        const uint id = uint(hwnd);
        QVERIFY(!DuiWinAPI::ShowWindow(hwnd, SW_SHOW));
        QVERIFY(!DuiWinAPI::SetWindowRoundRectRgn(hwnd, 0, 0, 10, 10, 5, 5));
        QCOMPARE(DuiWinAPI::SetWindowLongW(hwnd, GWL_STYLE, long(WS_POPUP)), 0L);
        QCOMPARE(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE), 0L);
        QCOMPARE(DuiWinAPI::setWindowPos(hwnd, HWND_TOP, 0, 0, 10, 10, 0), 0);
        QCOMPARE(DuiWinAPI::SetLayeredWindowAttributes(hwnd, 0, 128, LWA_ALPHA), 0);
        DuiWinAPI::addWindowStyle(id, WS_THICKFRAME);
        DuiWinAPI::removeWindowStyle(id, WS_THICKFRAME);
        QCOMPARE(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE), 0L);
        QCOMPARE(DuiWinAPI::ProcessIdFromWindow(hwnd), 0ul);
        QVERIFY(DuiWinAPI::GetClildWindow(hwnd).isEmpty());
        DuiWinAPI::broadcastWindowMessage({id}, WM_USER, 0, 0);
        DuiWinAPI::sendMessage(id, WM_USER, 0, 0);
        DuiWinAPI::setForegroundWindow(hwnd);
        QVERIFY(!DuiWinAPI::RegisterHotKey(hwnd, 1, MOD_ALT, 'A'));
        DuiWinAPI::UnregisterHotKey(hwnd, 1);
        QCOMPARE(DuiWinAPI::immAssociateContext(id, 1), 0u);
        // The desktop compositor calls answer as before Vista whatever the handle.
        QCOMPARE(DuiWinAPI::ExtendIntoClientAll(hwnd), 1L);
        QCOMPARE(DuiWinAPI::UpdateBlurEffectRegion(hwnd, nullptr), 1L);
        QCOMPARE(DuiWinAPI::DisableNCRendering(hwnd), 1L);
        QCOMPARE(DuiWinAPI::AllowNCPaint(hwnd), 1L);
        QVERIFY(!duiSendNativeMessage(nullptr, WM_USER, 0, 0, nullptr));
    }
    DuiWinAPI::releaseMutex(0);
    DuiWinAPI::releaseMutex(0xFFFFFFFF);
    DuiWinAPI::GlobalDeleteAtom(-1);
    QTest::qWait(20); // posted messages to bad handles run without effect
}

void tst_DuiWinAPI::xvfbHotKeyAndKeyState()
{
    DUI_RUN_XVFB_CLIENT("--xvfb-keyboard-client");
}

int main(int argc, char **argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--mutex-hold") == 0) {
        QCoreApplication app(argc, argv);
        return runMutexHolder(QString::fromLocal8Bit(argv[2]));
    }
    if (argc > 2 && qstrcmp(argv[1], "--mutex-check") == 0) {
        QCoreApplication app(argc, argv);
        return runMutexCheck(QString::fromLocal8Bit(argv[2]));
    }
    if (argc > 1 && qstrcmp(argv[1], "--fake-file-manager") == 0) {
        QCoreApplication app(argc, argv);
        return runFakeFileManager();
    }
    if (argc > 1 && qstrcmp(argv[1], "--xvfb-keyboard-client") == 0) {
        QApplication app(argc, argv);
        return runXvfbKeyboardClient();
    }
    QApplication app(argc, argv);
    tst_DuiWinAPI test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duiwinapi.moc"
