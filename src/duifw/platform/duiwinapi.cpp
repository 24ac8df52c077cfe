// SPDX-License-Identifier: MIT
#include "duiwinapi.h"
#include "duiwinapi_p.h"

#include <QtCore/qcoreapplication.h>
#include <QtCore/qdir.h>
#include <QtCore/qfile.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qhash.h>
#include <QtCore/qmutex.h>
#include <QtCore/qpointer.h>
#include <QtCore/qstandardpaths.h>
#include <QtCore/qurl.h>
#include <QtGui/qdesktopservices.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qkeysequence.h>
#include <QtGui/qscreen.h>
#include <QtGui/qwindow.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qwidget.h>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------------------------------------
// Helpers shared by both systems

QWidget *duiWidgetFromHwnd(HWND hwnd)
{
    if (!hwnd || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    return QWidget::find(WId(hwnd));
}

namespace {
// Reaches the protected QWidget::nativeEvent; the call still dispatches virtually.
struct NativeEventAccess : QWidget
{
    using QWidget::nativeEvent;
};
} // namespace

bool duiSendNativeMessage(QWidget *window, UINT message, WPARAM wParam, LPARAM lParam, long *result)
{
    long dummy = 0;
    if (!result)
        result = &dummy;
    *result = 0;
    if (!window)
        return false;
    MSG msg = {};
    msg.hwnd = HWND(window->internalWinId());
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = GetTickCount();
    qintptr answer = 0;
    bool (QWidget::*nativeEvent)(const QByteArray &, void *, qintptr *) = &NativeEventAccess::nativeEvent;
    const bool handled = (window->*nativeEvent)(QByteArray(DuiNativeMessageEventType), &msg, &answer);
    *result = long(answer);
    return handled;
}

QRegion duiRoundRectRegion(int x1, int y1, int x2, int y2, int w, int h)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    // GDI leaves out the right and bottom edge of the rectangle.
    const int width = x2 - x1 - 1;
    const int height = y2 - y1 - 1;
    if (width <= 0 || height <= 0)
        return QRegion();
    const double rx = qMin(qAbs(w), width) / 2.0;
    const double ry = qMin(qAbs(h), height) / 2.0;
    if (rx < 0.5 || ry < 0.5)
        return QRegion(x1, y1, width, height);
    QRegion region(x1, y1 + int(ry), width, height - 2 * int(ry));
    for (int row = 0; row < int(ry); ++row) {
        // Distance of the pixel row's centre from the ellipse centre.
        const double dy = ry - (row + 0.5);
        const double half = rx * std::sqrt(qMax(0.0, 1.0 - (dy * dy) / (ry * ry)));
        const int inset = qMax(0, int(std::ceil(rx - half - 0.5)));
        const int span = width - 2 * inset;
        if (span <= 0)
            continue;
        region += QRect(x1 + inset, y1 + row, span, 1);
        region += QRect(x1 + inset, y1 + height - 1 - row, span, 1);
    }
    return region;
}

QStringList duiSplitWindowsCommandLine(const QString &commandLine)
{
    QStringList args;
    const qsizetype n = commandLine.size();
    qsizetype i = 0;
    auto isBlank = [&](qsizetype at) { return commandLine.at(at) == u' ' || commandLine.at(at) == u'\t'; };
    while (i < n && isBlank(i))
        ++i;
    if (i >= n)
        return args;
    // The program name knows no escapes: quoted up to the next quote, else up to a blank.
    QString program;
    if (commandLine.at(i) == u'"') {
        ++i;
        while (i < n && commandLine.at(i) != u'"')
            program += commandLine.at(i++);
        if (i < n)
            ++i;
    }
    while (i < n && !isBlank(i))
        program += commandLine.at(i++);
    args << program;
    for (;;) {
        while (i < n && isBlank(i))
            ++i;
        if (i >= n)
            break;
        QString arg;
        bool quoted = false;
        while (i < n) {
            const QChar c = commandLine.at(i);
            if (!quoted && (c == u' ' || c == u'\t'))
                break;
            if (c == u'\\') {
                qsizetype slashes = 0;
                while (i < n && commandLine.at(i) == u'\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && commandLine.at(i) == u'"') {
                    arg += QString(slashes / 2, u'\\');
                    if (slashes % 2) {
                        arg += u'"';
                        ++i;
                    }
                } else {
                    arg += QString(slashes, u'\\');
                }
            } else if (c == u'"') {
                if (quoted && i + 1 < n && commandLine.at(i + 1) == u'"') {
                    arg += u'"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg += c;
                ++i;
            }
        }
        args << arg;
    }
    return args;
}

// ---------------------------------------------------------------------------------------------
#ifdef Q_OS_WIN
// ---------------------------------------------------------------------------------------------

#include <QtCore/qlibrary.h>
#include <QtCore/qoperatingsystemversion.h>
#include <shellapi.h>
#include <shlobj.h>
#include <imm.h>

namespace {
struct DwmMargins
{
    int left, right, top, bottom;
};
struct DwmBlurBehind
{
    DWORD flags;
    BOOL enable;
    HRGN region;
    BOOL transitionOnMaximized;
};
typedef HRESULT(WINAPI *ExtendFrameFn)(HWND, const DwmMargins *);
typedef HRESULT(WINAPI *BlurBehindFn)(HWND, const DwmBlurBehind *);
typedef HRESULT(WINAPI *SetAttributeFn)(HWND, DWORD, LPCVOID, DWORD);
typedef HRESULT(WINAPI *CompositionFn)(BOOL *);

bool hasDwm()
{
    return QOperatingSystemVersion::current() >= QOperatingSystemVersion(QOperatingSystemVersion::Windows, 6);
}

QFunctionPointer dwmFunction(const char *name)
{
    static QLibrary library(QStringLiteral("dwmapi"));
    if (!library.isLoaded() && !library.load())
        return nullptr;
    return library.resolve(name);
}

long setDwmAttribute(HWND hwnd, DWORD attribute)
{
    if (!hasDwm())
        return 1;
    auto fn = reinterpret_cast<SetAttributeFn>(dwmFunction("DwmSetWindowAttribute"));
    const int value = 1;
    return fn ? fn(hwnd, attribute, &value, sizeof(value)) : 1;
}
} // namespace

long DuiWinAPI::ExtendIntoClientAll(HWND hwnd)
{
    if (!hasDwm())
        return 1;
    auto fn = reinterpret_cast<ExtendFrameFn>(dwmFunction("DwmExtendFrameIntoClientArea"));
    const DwmMargins margins = {-1, 0, 0, 0};
    return fn ? fn(hwnd, &margins) : 1;
}

long DuiWinAPI::UpdateBlurEffectRegion(HWND hwnd, HRGN region)
{
    if (!hasDwm())
        return 1;
    auto fn = reinterpret_cast<BlurBehindFn>(dwmFunction("DwmEnableBlurBehindWindow"));
    const DwmBlurBehind blur = {0x1 | 0x2, region != nullptr, region, FALSE};
    return fn ? fn(hwnd, &blur) : 1;
}

long DuiWinAPI::DisableNCRendering(HWND hwnd) { return setDwmAttribute(hwnd, 2); }
long DuiWinAPI::AllowNCPaint(HWND hwnd) { return setDwmAttribute(hwnd, 4); }

bool DuiWinAPI::IsCompositionEnabled()
{
    if (!hasDwm())
        return false;
    auto fn = reinterpret_cast<CompositionFn>(dwmFunction("DwmIsCompositionEnabled"));
    BOOL enabled = FALSE;
    return fn && SUCCEEDED(fn(&enabled)) && enabled;
}

bool DuiWinAPI::ShowWindow(HWND hwnd, int nCmdShow) { return ::ShowWindow(hwnd, nCmdShow) != 0; }

bool DuiWinAPI::SystemParametersInfoW(uint action, uint param, void *pv, uint winIni)
{
    return ::SystemParametersInfoW(action, param, pv, winIni) != 0;
}

bool DuiWinAPI::SetWindowRoundRectRgn(HWND hwnd, int x1, int y1, int x2, int y2, int w, int h)
{
    ::SetWindowRgn(hwnd, ::CreateRoundRectRgn(x1, y1, x2, y2, w, h), TRUE);
    return true;
}

long DuiWinAPI::SetWindowLongW(HWND hwnd, int index, long value) { return ::SetWindowLongW(hwnd, index, value); }
long DuiWinAPI::GetWindowLongW(HWND hwnd, int index) { return ::GetWindowLongW(hwnd, index); }

int DuiWinAPI::setWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, uint flags)
{
    return ::SetWindowPos(hwnd, after, x, y, cx, cy, flags);
}

int DuiWinAPI::SetLayeredWindowAttributes(HWND hwnd, unsigned long key, unsigned char alpha, unsigned long flags)
{
    return ::SetLayeredWindowAttributes(hwnd, key, alpha, flags);
}

void DuiWinAPI::addWindowStyle(uint hwnd, uint bits)
{
    const HWND h = HWND(quintptr(hwnd));
    ::SetWindowLongW(h, GWL_STYLE, ::GetWindowLongW(h, GWL_STYLE) | bits);
}

void DuiWinAPI::removeWindowStyle(uint hwnd, uint bits)
{
    const HWND h = HWND(quintptr(hwnd));
    ::SetWindowLongW(h, GWL_STYLE, ::GetWindowLongW(h, GWL_STYLE) & ~bits);
}

unsigned long DuiWinAPI::ProcessIdFromWindow(HWND hwnd)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

static BOOL CALLBACK collectChild(HWND hwnd, LPARAM list)
{
    reinterpret_cast<QList<HWND> *>(list)->append(hwnd);
    return TRUE;
}

QList<HWND> DuiWinAPI::GetClildWindow(HWND hwnd)
{
    QList<HWND> children;
    ::EnumChildWindows(hwnd, collectChild, LPARAM(&children));
    return children;
}

QList<uint> DuiWinAPI::getWindowList(const ushort *className, const ushort *windowName, uint exclude)
{
    QList<uint> windows;
    HWND hwnd = nullptr;
    while ((hwnd = ::FindWindowExW(nullptr, hwnd, reinterpret_cast<LPCWSTR>(className),
                                   reinterpret_cast<LPCWSTR>(windowName)))) {
        if (uint(quintptr(hwnd)) != exclude)
            windows << uint(quintptr(hwnd));
    }
    return windows;
}

void DuiWinAPI::broadcastWindowMessage(const QList<uint> &windows, uint msg, uint wParam, uint lParam)
{
    for (uint w : windows)
        ::PostMessageW(HWND(quintptr(w)), msg, wParam, lParam);
}

void DuiWinAPI::sendMessage(uint hwnd, uint msg, uint wParam, uint lParam)
{
    ::SendMessageW(HWND(quintptr(hwnd)), msg, wParam, lParam);
}

HWND DuiWinAPI::windowFromPoint(const QPoint &pos)
{
    POINT pt = {pos.x(), pos.y()};
    return ::WindowFromPoint(pt);
}

HWND DuiWinAPI::getDesktopWindow() { return ::GetDesktopWindow(); }
HWND DuiWinAPI::getForegroundWindow() { return ::GetForegroundWindow(); }
void DuiWinAPI::setForegroundWindow(HWND hwnd) { ::SetForegroundWindow(hwnd); }

bool DuiWinAPI::CreateProcessW(const QString &application, const QString &commandLine, uint creationFlags,
                               uint &processId)
{
    if (commandLine.size() > 4096)
        return false;
    // One more than the limit, so that a command line of exactly 4096 characters keeps its NUL.
    wchar_t buffer[4097] = {};
    commandLine.toWCharArray(buffer);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    const std::wstring app = application.toStdWString();
    const BOOL ok = ::CreateProcessW(application.isEmpty() ? nullptr : app.c_str(), buffer, nullptr, nullptr,
                                     FALSE, creationFlags, nullptr, nullptr, &startup, &info);
    if (ok) {
        ::CloseHandle(info.hProcess);
        ::CloseHandle(info.hThread);
        processId = info.dwProcessId;
    }
    return ok != 0;
}

unsigned int DuiWinAPI::createMutex(const QString &name)
{
    return uint(quintptr(::CreateMutexW(nullptr, TRUE, reinterpret_cast<LPCWSTR>(name.utf16()))));
}

void DuiWinAPI::releaseMutex(unsigned int handle) { ::CloseHandle(HANDLE(quintptr(handle))); }

bool DuiWinAPI::isMutexExist(const QString &name)
{
    HANDLE h = ::CreateMutexW(nullptr, TRUE, reinterpret_cast<LPCWSTR>(name.utf16()));
    const bool exists = !h || ::GetLastError() == ERROR_ALREADY_EXISTS;
    if (h)
        ::CloseHandle(h);
    return exists;
}

int DuiWinAPI::GlobalAddAtomW(const QString &name)
{
    return ::GlobalAddAtomW(reinterpret_cast<LPCWSTR>(name.utf16()));
}

void DuiWinAPI::GlobalDeleteAtom(int atom) { ::GlobalDeleteAtom(ATOM(atom)); }

bool DuiWinAPI::RegisterHotKey(HWND hwnd, int id, uint modifiers, uint vk)
{
    return ::RegisterHotKey(hwnd, id, modifiers, vk) != 0;
}

void DuiWinAPI::UnregisterHotKey(HWND hwnd, int id) { ::UnregisterHotKey(hwnd, id); }

void DuiWinAPI::setWorkingSetSize(uint min, uint max)
{
    ::SetProcessWorkingSetSize(::GetCurrentProcess(), min ? min : 0x100000, max ? max : 0x200000);
}

QRect DuiWinAPI::getWorkArea()
{
    RECT rc;
    if (::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0))
        return QRect(QPoint(rc.left, rc.top), QPoint(rc.right, rc.bottom));
    return QRect(QPoint(0, 0), QPoint(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
}

QRect DuiWinAPI::getTaskbarRect()
{
    APPBARDATA data = {};
    data.cbSize = sizeof(data);
    data.hWnd = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!data.hWnd || !::SHAppBarMessage(ABM_GETTASKBARPOS, &data))
        return QRect();
    return QRect(QPoint(data.rc.left, data.rc.top), QPoint(data.rc.right - 1, data.rc.bottom - 1));
}

QString DuiWinAPI::GetSpecialFolderPath(SpecialFolderType type)
{
    int csidl;
    switch (type) {
    case PersonalFolder: csidl = CSIDL_PERSONAL; break;
    case AppDataFolder: csidl = CSIDL_APPDATA; break;
    case AudioFolder: csidl = 13; break;
    default: return QString();
    }
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, path, csidl, TRUE))
        return QString();
    return QDir(QString::fromWCharArray(path)).absolutePath() + u'/';
}

static bool shellOpen(const QString &file, const QString &parameters)
{
    const std::wstring f = file.toStdWString();
    const std::wstring p = parameters.toStdWString();
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOZONECHECKS;
    info.lpVerb = L"open";
    info.lpFile = f.c_str();
    info.lpParameters = parameters.isEmpty() ? nullptr : p.c_str();
    info.nShow = SW_SHOWDEFAULT;
    return ::ShellExecuteExW(&info) != 0;
}

bool DuiWinAPI::openFolderWithSelectFile(const QString &path)
{
    if (QFileInfo::exists(path))
        return shellOpen(QStringLiteral("explorer.exe"), QStringLiteral(" /select,") + QDir::toNativeSeparators(path));
    return shellOpen(QStringLiteral("explorer.exe"), QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

unsigned long DuiWinAPI::openFile(const QString &path)
{
    return shellOpen(QDir::toNativeSeparators(path), QString()) ? 0 : ::GetLastError();
}

bool DuiWinAPI::IsKeyPressed(int vk) { return (::GetAsyncKeyState(vk) & 0x8000) != 0; }
bool DuiWinAPI::isCapsLockOn() { return (::GetKeyState(VK_CAPITAL) & 1) != 0; }

QString DuiWinAPI::getKeyNameText(uint lParam)
{
    wchar_t name[256] = {};
    const int n = ::GetKeyNameTextW(LONG(lParam), name, 256);
    return n ? QString::fromWCharArray(name, n) : QStringLiteral("Unknown");
}

uint DuiWinAPI::mapVirtualKey(uint code, uint mapType) { return ::MapVirtualKeyW(code, mapType); }

uint DuiWinAPI::immAssociateContext(uint hwnd, uint himc)
{
    return uint(quintptr(::ImmAssociateContext(HWND(quintptr(hwnd)), HIMC(quintptr(himc)))));
}

// ---------------------------------------------------------------------------------------------
#else // not Q_OS_WIN
// ---------------------------------------------------------------------------------------------

#include "duiwinapi_x11_p.h"

#include <QtCore/qcryptographichash.h>
#include <QtCore/qtimer.h>

#include <cerrno>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifdef DUI_HAVE_DBUS
#  include <QtDBus/qdbusconnection.h>
#  include <QtDBus/qdbusmessage.h>
#endif

extern char **environ;

namespace {

// Per-window words of Get/SetWindowLong live in dynamic properties of the widget.
QByteArray wordProperty(int index)
{
    return QByteArrayLiteral("_dui_gwl_") + QByteArray::number(index);
}

// Bits of GWL_STYLE that always mirror the widget's live state.
constexpr DWORD LiveStyleBits = WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_DISABLED;

DWORD initialStyle(const QWidget *w)
{
    const Qt::WindowFlags f = w->windowFlags();
    DWORD style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    const Qt::WindowType type = w->windowType();
    if (!w->isWindow())
        style |= WS_CHILD;
    else if ((f & Qt::FramelessWindowHint) || type == Qt::Popup || type == Qt::ToolTip)
        style |= WS_POPUP;
    else
        style |= WS_CAPTION | WS_THICKFRAME;
    if (f & Qt::WindowSystemMenuHint)
        style |= WS_SYSMENU;
    if (w->isWindow() && (f & Qt::WindowMinimizeButtonHint))
        style |= WS_MINIMIZEBOX;
    if (w->isWindow() && (f & Qt::WindowMaximizeButtonHint))
        style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD initialExStyle(const QWidget *w)
{
    DWORD ex = 0;
    if (w->windowFlags() & Qt::WindowStaysOnTopHint)
        ex |= WS_EX_TOPMOST;
    if (w->windowType() == Qt::Tool)
        ex |= WS_EX_TOOLWINDOW;
    if (w->testAttribute(Qt::WA_TransparentForMouseEvents))
        ex |= WS_EX_TRANSPARENT;
    return ex;
}

long storedWord(const QWidget *w, int index)
{
    const QVariant v = w->property(wordProperty(index).constData());
    if (v.isValid())
        return long(v.toLongLong());
    if (index == GWL_STYLE)
        return long(initialStyle(w));
    if (index == GWL_EXSTYLE)
        return long(initialExStyle(w));
    if (index == GWL_HWNDPARENT)
        return long(w->parentWidget() ? w->parentWidget()->window()->internalWinId() : 0);
    return 0;
}

long liveStyle(const QWidget *w, long stored)
{
    DWORD style = DWORD(stored) & ~LiveStyleBits;
    if (w->isVisible())
        style |= WS_VISIBLE;
    if (w->isMinimized())
        style |= WS_MINIMIZE;
    if (w->isMaximized())
        style |= WS_MAXIMIZE;
    if (!w->isEnabled())
        style |= WS_DISABLED;
    return long(style);
}

// Changes Qt window flags only when they differ. QWidget::setWindowFlags would destroy and
// recreate the native window (so the handle would go stale); a created window gets the flags
// through its QWindow and the widget is told without the window system.
void applyWindowFlags(QWidget *w, Qt::WindowFlags flags)
{
    if (flags == w->windowFlags())
        return;
    if (QWindow *handle = w->windowHandle()) {
        w->overrideWindowFlags(flags);
        handle->setFlags(flags);
        return;
    }
    w->setWindowFlags(flags);
}

void applyStyleToQt(QWidget *w, DWORD style)
{
    if (!w->isWindow())
        return;
    const Qt::WindowFlags current = w->windowFlags();
    Qt::WindowFlags f = current;
    f.setFlag(Qt::WindowSystemMenuHint, style & WS_SYSMENU);
    f.setFlag(Qt::WindowMinimizeButtonHint, style & WS_MINIMIZEBOX);
    f.setFlag(Qt::WindowMaximizeButtonHint, style & WS_MAXIMIZEBOX);
    if (f == current)
        return;
    // With no frame or title hint left Qt would put every hint back; CustomizeWindowHint stops it
    // (and is not used otherwise, as with minimise/maximise hints it drops FramelessWindowHint).
    const Qt::WindowFlags explicitHints = Qt::FramelessWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                          | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                          | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
    if (!(f & explicitHints))
        f |= Qt::CustomizeWindowHint;
    applyWindowFlags(w, f);
}

void applyExStyleToQt(QWidget *w, DWORD ex)
{
    w->setAttribute(Qt::WA_TransparentForMouseEvents, ex & WS_EX_TRANSPARENT);
    if (!w->isWindow())
        return;
    Qt::WindowFlags f = w->windowFlags();
    f.setFlag(Qt::WindowStaysOnTopHint, ex & WS_EX_TOPMOST);
    applyWindowFlags(w, f);
}

QScreen *primaryScreen()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

} // namespace

long DuiWinAPI::ExtendIntoClientAll(HWND) { return 1; }
long DuiWinAPI::UpdateBlurEffectRegion(HWND, HRGN) { return 1; }
long DuiWinAPI::DisableNCRendering(HWND) { return 1; }
long DuiWinAPI::AllowNCPaint(HWND) { return 1; }
bool DuiWinAPI::IsCompositionEnabled() { return false; }

bool DuiWinAPI::ShowWindow(HWND hwnd, int nCmdShow)
{
    QWidget *w = duiWidgetFromHwnd(hwnd);
    if (!w)
        return false;
    const bool wasVisible = w->isVisible();
    switch (nCmdShow) {
    case SW_HIDE:
        w->hide();
        break;
    case SW_SHOWNORMAL:
        w->showNormal();
        break;
    case SW_RESTORE:
        // A window minimised from the maximised state is restored to it, as Windows does.
        if (w->isMinimized() && (w->windowState() & Qt::WindowMaximized))
            w->showMaximized();
        else
            w->showNormal();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        w->showMinimized();
        break;
    case SW_SHOWMAXIMIZED:
        w->showMaximized();
        break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA: {
        const bool before = w->testAttribute(Qt::WA_ShowWithoutActivating);
        w->setAttribute(Qt::WA_ShowWithoutActivating, true);
        w->show();
        w->setAttribute(Qt::WA_ShowWithoutActivating, before);
        break;
    }
    case SW_SHOW:
    case SW_SHOWDEFAULT:
        w->show();
        break;
    default:
        break;
    }
    return wasVisible;
}

bool DuiWinAPI::SystemParametersInfoW(uint action, uint param, void *pv, uint winIni)
{
    Q_UNUSED(param);
    Q_UNUSED(winIni);
    if (!pv)
        return false;
    switch (action) {
    case SPI_GETWORKAREA: {
        const QScreen *screen = primaryScreen();
        if (!screen)
            return false;
        const QRect a = screen->availableGeometry();
        *static_cast<RECT *>(pv) = RECT{a.left(), a.top(), a.left() + a.width(), a.top() + a.height()};
        return true;
    }
    case SPI_GETWHEELSCROLLLINES:
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return false;
        *static_cast<UINT *>(pv) = UINT(QApplication::wheelScrollLines());
        return true;
    default:
        return false;
    }
}

bool DuiWinAPI::SetWindowRoundRectRgn(HWND hwnd, int x1, int y1, int x2, int y2, int w, int h)
{
    QWidget *widget = duiWidgetFromHwnd(hwnd);
    if (!widget)
        return false;
    widget->setMask(duiRoundRectRegion(x1, y1, x2, y2, w, h));
    return true;
}

long DuiWinAPI::SetWindowLongW(HWND hwnd, int index, long value)
{
    QWidget *w = duiWidgetFromHwnd(hwnd);
    if (!w)
        return 0;
    const long previous = GetWindowLongW(hwnd, index);
    if (index == GWL_STYLE)
        value = long(DWORD(value) & ~LiveStyleBits);
    w->setProperty(wordProperty(index).constData(), qlonglong(value));
    if (index == GWL_STYLE)
        applyStyleToQt(w, DWORD(value));
    else if (index == GWL_EXSTYLE)
        applyExStyleToQt(w, DWORD(value));
    return previous;
}

long DuiWinAPI::GetWindowLongW(HWND hwnd, int index)
{
    const QWidget *w = duiWidgetFromHwnd(hwnd);
    if (!w)
        return 0;
    const long word = storedWord(w, index);
    return index == GWL_STYLE ? liveStyle(w, word) : word;
}

int DuiWinAPI::setWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, uint flags)
{
    QWidget *w = duiWidgetFromHwnd(hwnd);
    if (!w)
        return 0;
    if (!(flags & SWP_NOMOVE))
        w->move(x, y);
    if (!(flags & SWP_NOSIZE))
        w->resize(qMax(0, cx), qMax(0, cy));
    if (!(flags & SWP_NOZORDER)) {
        if (after == HWND_TOPMOST || after == HWND_NOTOPMOST)
            SetWindowLongW(hwnd, GWL_EXSTYLE,
                           after == HWND_TOPMOST ? (GetWindowLongW(hwnd, GWL_EXSTYLE) | WS_EX_TOPMOST)
                                                 : (GetWindowLongW(hwnd, GWL_EXSTYLE) & ~long(WS_EX_TOPMOST)));
        else if (after == HWND_BOTTOM)
            w->lower();
        else
            w->raise();
    }
    if (flags & SWP_SHOWWINDOW)
        w->show();
    else if (flags & SWP_HIDEWINDOW)
        w->hide();
    if ((flags & SWP_SHOWWINDOW) && !(flags & SWP_NOACTIVATE))
        w->activateWindow();
    return 1;
}

int DuiWinAPI::SetLayeredWindowAttributes(HWND hwnd, unsigned long key, unsigned char alpha, unsigned long flags)
{
    Q_UNUSED(key);
    QWidget *w = duiWidgetFromHwnd(hwnd);
    if (!w)
        return 0;
    if (flags & LWA_ALPHA)
        w->setWindowOpacity(alpha / 255.0);
    return 1;
}

void DuiWinAPI::addWindowStyle(uint hwnd, uint bits)
{
    SetWindowLongW(HWND(hwnd), GWL_STYLE, long(DWORD(GetWindowLongW(HWND(hwnd), GWL_STYLE)) | bits));
}

void DuiWinAPI::removeWindowStyle(uint hwnd, uint bits)
{
    SetWindowLongW(HWND(hwnd), GWL_STYLE, long(DWORD(GetWindowLongW(HWND(hwnd), GWL_STYLE)) & ~bits));
}

unsigned long DuiWinAPI::ProcessIdFromWindow(HWND hwnd)
{
    return duiWidgetFromHwnd(hwnd) ? (unsigned long)(::getpid()) : 0;
}

static void collectNativeChildren(const QWidget *parent, QList<HWND> &out)
{
    for (QObject *o : parent->children()) {
        const QWidget *child = qobject_cast<const QWidget *>(o);
        if (!child)
            continue;
        if (child->internalWinId())
            out << HWND(child->internalWinId());
        collectNativeChildren(child, out);
    }
}

QList<HWND> DuiWinAPI::GetClildWindow(HWND hwnd)
{
    QList<HWND> children;
    if (const QWidget *w = duiWidgetFromHwnd(hwnd))
        collectNativeChildren(w, children);
    return children;
}

static bool matchesUtf16(const ushort *pattern, const QString &text)
{
    return !pattern || QString::fromUtf16(reinterpret_cast<const char16_t *>(pattern)) == text;
}

QList<uint> DuiWinAPI::getWindowList(const ushort *className, const ushort *windowName, uint exclude)
{
    QList<uint> windows;
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        // FindWindowEx finds hidden windows too; only windows without a handle are left out.
        if (!w->internalWinId())
            continue;
        if (!matchesUtf16(className, QString::fromLatin1(w->metaObject()->className()))
            || !matchesUtf16(windowName, w->windowTitle()))
            continue;
        const uint id = uint(w->internalWinId());
        if (id != exclude)
            windows << id;
    }
    // Qt keeps top-level widgets in no particular order; handles give a stable one.
    std::sort(windows.begin(), windows.end());
    return windows;
}

void DuiWinAPI::broadcastWindowMessage(const QList<uint> &windows, uint msg, uint wParam, uint lParam)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    for (uint hwnd : windows) {
        QPointer<QWidget> target = duiWidgetFromHwnd(HWND(hwnd));
        if (!target)
            continue;
        QMetaObject::invokeMethod(
            app,
            [target, msg, wParam, lParam]() {
                if (target)
                    duiSendNativeMessage(target, msg, wParam, lParam, nullptr);
            },
            Qt::QueuedConnection);
    }
}

void DuiWinAPI::sendMessage(uint hwnd, uint msg, uint wParam, uint lParam)
{
    if (QWidget *w = duiWidgetFromHwnd(HWND(hwnd)))
        duiSendNativeMessage(w, msg, wParam, lParam, nullptr);
}

HWND DuiWinAPI::windowFromPoint(const QPoint &pos)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return 0;
    QWidget *top = QApplication::topLevelAt(pos);
    if (!top)
        return 0;
    for (QWidget *w = top->childAt(top->mapFromGlobal(pos)); w && w != top; w = w->parentWidget()) {
        if (w->internalWinId())
            return HWND(w->internalWinId());
    }
    return HWND(top->internalWinId());
}

HWND DuiWinAPI::getDesktopWindow()
{
    return HWND(duiX11RootWindow());
}

HWND DuiWinAPI::getForegroundWindow()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return 0;
    const QWidget *w = QApplication::activeWindow();
    return w ? HWND(w->internalWinId()) : 0;
}

void DuiWinAPI::setForegroundWindow(HWND hwnd)
{
    if (QWidget *w = duiWidgetFromHwnd(hwnd)) {
        w->raise();
        w->activateWindow();
    }
}

bool DuiWinAPI::CreateProcessW(const QString &application, const QString &commandLine, uint creationFlags,
                               uint &processId)
{
    Q_UNUSED(creationFlags);
    if (commandLine.size() > 4096)
        return false;
    QStringList args = duiSplitWindowsCommandLine(commandLine);
    const QString program = application.isEmpty() ? (args.isEmpty() ? QString() : args.first()) : application;
    if (program.isEmpty())
        return false;
    if (args.isEmpty())
        args << program;
    QList<QByteArray> encoded;
    for (const QString &a : std::as_const(args))
        encoded << QFile::encodeName(a);
    std::vector<char *> argv;
    for (QByteArray &a : encoded)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const QByteArray path = QFile::encodeName(program);
    pid_t pid = 0;
    // Windows searches for a program named by the command line, never for `application`.
    const int rc = (application.isEmpty() && !path.contains('/'))
                       ? ::posix_spawnp(&pid, path.constData(), nullptr, nullptr, argv.data(), environ)
                       : ::posix_spawn(&pid, path.constData(), nullptr, nullptr, argv.data(), environ);
    if (rc != 0)
        return false;
    processId = uint(pid);
    // The caller holds no handle to wait with, so the child is reaped here when it ends.
    std::thread([pid]() {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

namespace {

struct MutexTable
{
    QMutex lock;
    QHash<uint, int> fds; // handle -> file descriptor (-1 for an unnamed mutex)
    uint next = 1;
};

MutexTable &mutexTable()
{
    static MutexTable table;
    return table;
}

QString mutexFilePath(const QString &name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QByteArray encoded = name.toUtf8().toPercentEncoding();
    if (encoded.size() > 200)
        encoded = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
    return dir + QStringLiteral("/dui-mutex-") + QString::fromLatin1(encoded) + QStringLiteral(".lock");
}

int openMutexFile(const QString &name)
{
    const QByteArray path = QFile::encodeName(mutexFilePath(name));
    int fd;
    do {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

unsigned int DuiWinAPI::createMutex(const QString &name)
{
    int fd = -1;
    if (!name.isEmpty()) {
        fd = openMutexFile(name);
        if (fd < 0)
            return 0;
        // Every open handle holds a shared lock; existence is someone holding one.
        int rc;
        do {
            rc = ::flock(fd, LOCK_SH);
        } while (rc < 0 && errno == EINTR);
        if (rc < 0) {
            ::close(fd);
            return 0;
        }
    }
    MutexTable &table = mutexTable();
    QMutexLocker locker(&table.lock);
    const uint handle = table.next++;
    table.fds.insert(handle, fd);
    return handle;
}

void DuiWinAPI::releaseMutex(unsigned int handle)
{
    MutexTable &table = mutexTable();
    QMutexLocker locker(&table.lock);
    const auto it = table.fds.constFind(handle);
    if (it == table.fds.constEnd())
        return;
    if (*it >= 0)
        ::close(*it);
    table.fds.erase(it);
}

bool DuiWinAPI::isMutexExist(const QString &name)
{
    if (name.isEmpty())
        return false;
    const int fd = openMutexFile(name);
    if (fd < 0)
        return true; // as on Windows: a creation that fails counts as existing
    const bool exists = ::flock(fd, LOCK_EX | LOCK_NB) < 0;
    ::close(fd);
    return exists;
}

namespace {

struct AtomTable
{
    QMutex lock;
    struct Entry
    {
        QString name;
        int refs;
    };
    QHash<int, Entry> atoms;
    QHash<QString, int> byName; // case-folded name -> atom
};

AtomTable &atomTable()
{
    static AtomTable table;
    return table;
}

constexpr int FirstStringAtom = 0xC000;

} // namespace

int DuiWinAPI::GlobalAddAtomW(const QString &name)
{
    if (name.isEmpty() || name.size() > 255)
        return 0;
    if (name.startsWith(u'#')) {
        bool ok = false;
        const int value = name.mid(1).toInt(&ok);
        return (ok && value > 0 && value < FirstStringAtom) ? value : 0;
    }
    AtomTable &table = atomTable();
    QMutexLocker locker(&table.lock);
    const QString key = name.toCaseFolded();
    const auto found = table.byName.constFind(key);
    if (found != table.byName.constEnd()) {
        ++table.atoms[*found].refs;
        return *found;
    }
    for (int atom = FirstStringAtom; atom <= 0xFFFF; ++atom) {
        if (!table.atoms.contains(atom)) {
            table.atoms.insert(atom, {name, 1});
            table.byName.insert(key, atom);
            return atom;
        }
    }
    return 0;
}

void DuiWinAPI::GlobalDeleteAtom(int atom)
{
    if (atom < FirstStringAtom)
        return;
    AtomTable &table = atomTable();
    QMutexLocker locker(&table.lock);
    const auto it = table.atoms.find(atom);
    if (it == table.atoms.end())
        return;
    if (--it->refs <= 0) {
        table.byName.remove(it->name.toCaseFolded());
        table.atoms.erase(it);
    }
}

bool DuiWinAPI::RegisterHotKey(HWND hwnd, int id, uint modifiers, uint vk)
{
    QWidget *w = duiWidgetFromHwnd(hwnd);
    return w && duiX11RegisterHotKey(w, id, modifiers, vk);
}

void DuiWinAPI::UnregisterHotKey(HWND hwnd, int id)
{
    duiX11UnregisterHotKey(hwnd, id);
}

void DuiWinAPI::setWorkingSetSize(uint min, uint max)
{
    Q_UNUSED(min);
    Q_UNUSED(max);
#ifdef __GLIBC__
    ::malloc_trim(0);
#endif
}

QRect DuiWinAPI::getWorkArea()
{
    RECT rc;
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0))
        return QRect(QPoint(rc.left, rc.top), QPoint(rc.right, rc.bottom));
    return QRect(QPoint(0, 0), QPoint(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
}

QRect DuiWinAPI::getTaskbarRect()
{
    const QScreen *screen = primaryScreen();
    if (!screen)
        return QRect();
    const QRect full = screen->geometry();
    const QRect avail = screen->availableGeometry();
    if (avail == full || !full.contains(avail))
        return QRect();
    // The panel is the widest strip that the available area leaves free.
    const QRect strips[4] = {
        QRect(QPoint(full.left(), full.top()), QPoint(full.right(), avail.top() - 1)),
        QRect(QPoint(full.left(), avail.bottom() + 1), QPoint(full.right(), full.bottom())),
        QRect(QPoint(full.left(), full.top()), QPoint(avail.left() - 1, full.bottom())),
        QRect(QPoint(avail.right() + 1, full.top()), QPoint(full.right(), full.bottom())),
    };
    QRect best;
    for (const QRect &r : strips) {
        if (r.isValid() && qint64(r.width()) * r.height() > qint64(best.width()) * best.height())
            best = r;
    }
    return best;
}

QString DuiWinAPI::GetSpecialFolderPath(SpecialFolderType type)
{
    QStandardPaths::StandardLocation location;
    switch (type) {
    case PersonalFolder:
        location = QStandardPaths::DocumentsLocation;
        break;
    case AppDataFolder:
        location = QStandardPaths::GenericDataLocation;
        break;
    case AudioFolder:
        location = QStandardPaths::MusicLocation;
        break;
    default:
        return QString();
    }
    const QString path = QStandardPaths::writableLocation(location);
    if (path.isEmpty() || !QDir().mkpath(path))
        return QString();
    return QDir(path).absolutePath() + u'/';
}

#ifdef DUI_HAVE_DBUS
// Asks the desktop's file manager to show the file selected in its folder.
static bool showItemInFileManager(const QString &file)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString()} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage;
}
#endif

bool DuiWinAPI::openFolderWithSelectFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.exists()) {
#ifdef DUI_HAVE_DBUS
        if (showItemInFileManager(path))
            return true;
#endif
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absolutePath()));
}

unsigned long DuiWinAPI::openFile(const QString &path)
{
    if (path.isEmpty())
        return ERROR_FILE_NOT_FOUND;
    QUrl url;
    if (path.contains(QStringLiteral("://")))
        url = QUrl(path);
    else if (QFileInfo::exists(path))
        url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    else
        return ERROR_FILE_NOT_FOUND;
    return QDesktopServices::openUrl(url) ? ERROR_SUCCESS : ERROR_NO_ASSOCIATION;
}

bool DuiWinAPI::IsKeyPressed(int vk)
{
    int state = duiX11KeyState(vk);
    if (state >= 0)
        return state > 0;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    const Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    switch (vk) {
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT:
        return mods & Qt::ShiftModifier;
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL:
        return mods & Qt::ControlModifier;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
        return mods & Qt::AltModifier;
    case VK_LWIN:
    case VK_RWIN:
        return mods & Qt::MetaModifier;
    case VK_LBUTTON:
        return buttons & Qt::LeftButton;
    case VK_RBUTTON:
        return buttons & Qt::RightButton;
    case VK_MBUTTON:
        return buttons & Qt::MiddleButton;
    default:
        return false;
    }
}

bool DuiWinAPI::isCapsLockOn()
{
    return duiX11CapsLockOn();
}

namespace {

// US keyboard, scan code set 1: the virtual key of each scan code and the Qt key it names.
struct ScanKey
{
    uint scan;
    int vk;
    int qtKey;
    bool keypad;
};

const ScanKey scanKeys[] = {
    {0x01, VK_ESCAPE, Qt::Key_Escape, false},  {0x02, '1', Qt::Key_1, false},
    {0x03, '2', Qt::Key_2, false},             {0x04, '3', Qt::Key_3, false},
    {0x05, '4', Qt::Key_4, false},             {0x06, '5', Qt::Key_5, false},
    {0x07, '6', Qt::Key_6, false},             {0x08, '7', Qt::Key_7, false},
    {0x09, '8', Qt::Key_8, false},             {0x0A, '9', Qt::Key_9, false},
    {0x0B, '0', Qt::Key_0, false},             {0x0C, VK_OEM_MINUS, Qt::Key_Minus, false},
    {0x0D, VK_OEM_PLUS, Qt::Key_Equal, false}, {0x0E, VK_BACK, Qt::Key_Backspace, false},
    {0x0F, VK_TAB, Qt::Key_Tab, false},        {0x10, 'Q', Qt::Key_Q, false},
    {0x11, 'W', Qt::Key_W, false},             {0x12, 'E', Qt::Key_E, false},
    {0x13, 'R', Qt::Key_R, false},             {0x14, 'T', Qt::Key_T, false},
    {0x15, 'Y', Qt::Key_Y, false},             {0x16, 'U', Qt::Key_U, false},
    {0x17, 'I', Qt::Key_I, false},             {0x18, 'O', Qt::Key_O, false},
    {0x19, 'P', Qt::Key_P, false},             {0x1A, VK_OEM_4, Qt::Key_BracketLeft, false},
    {0x1B, VK_OEM_6, Qt::Key_BracketRight, false}, {0x1C, VK_RETURN, Qt::Key_Return, false},
    {0x1D, VK_CONTROL, Qt::Key_Control, false}, {0x1E, 'A', Qt::Key_A, false},
    {0x1F, 'S', Qt::Key_S, false},             {0x20, 'D', Qt::Key_D, false},
    {0x21, 'F', Qt::Key_F, false},             {0x22, 'G', Qt::Key_G, false},
    {0x23, 'H', Qt::Key_H, false},             {0x24, 'J', Qt::Key_J, false},
    {0x25, 'K', Qt::Key_K, false},             {0x26, 'L', Qt::Key_L, false},
    {0x27, VK_OEM_1, Qt::Key_Semicolon, false}, {0x28, VK_OEM_7, Qt::Key_Apostrophe, false},
    {0x29, VK_OEM_3, Qt::Key_QuoteLeft, false}, {0x2A, VK_SHIFT, Qt::Key_Shift, false},
    {0x2B, VK_OEM_5, Qt::Key_Backslash, false}, {0x2C, 'Z', Qt::Key_Z, false},
    {0x2D, 'X', Qt::Key_X, false},             {0x2E, 'C', Qt::Key_C, false},
    {0x2F, 'V', Qt::Key_V, false},             {0x30, 'B', Qt::Key_B, false},
    {0x31, 'N', Qt::Key_N, false},             {0x32, 'M', Qt::Key_M, false},
    {0x33, VK_OEM_COMMA, Qt::Key_Comma, false}, {0x34, VK_OEM_PERIOD, Qt::Key_Period, false},
    {0x35, VK_OEM_2, Qt::Key_Slash, false},    {0x36, VK_SHIFT, Qt::Key_Shift, false},
    {0x37, VK_MULTIPLY, Qt::Key_Asterisk, true}, {0x38, VK_MENU, Qt::Key_Alt, false},
    {0x39, VK_SPACE, Qt::Key_Space, false},    {0x3A, VK_CAPITAL, Qt::Key_CapsLock, false},
    {0x3B, VK_F1, Qt::Key_F1, false},          {0x3C, VK_F2, Qt::Key_F2, false},
    {0x3D, VK_F3, Qt::Key_F3, false},          {0x3E, VK_F4, Qt::Key_F4, false},
    {0x3F, VK_F5, Qt::Key_F5, false},          {0x40, VK_F6, Qt::Key_F6, false},
    {0x41, VK_F7, Qt::Key_F7, false},          {0x42, VK_F8, Qt::Key_F8, false},
    {0x43, VK_F9, Qt::Key_F9, false},          {0x44, VK_F10, Qt::Key_F10, false},
    {0x45, VK_NUMLOCK, Qt::Key_NumLock, false}, {0x46, VK_SCROLL, Qt::Key_ScrollLock, false},
    {0x47, VK_NUMPAD7, Qt::Key_7, true},       {0x48, VK_NUMPAD8, Qt::Key_8, true},
    {0x49, VK_NUMPAD9, Qt::Key_9, true},       {0x4A, VK_SUBTRACT, Qt::Key_Minus, true},
    {0x4B, VK_NUMPAD4, Qt::Key_4, true},       {0x4C, VK_NUMPAD5, Qt::Key_5, true},
    {0x4D, VK_NUMPAD6, Qt::Key_6, true},       {0x4E, VK_ADD, Qt::Key_Plus, true},
    {0x4F, VK_NUMPAD1, Qt::Key_1, true},       {0x50, VK_NUMPAD2, Qt::Key_2, true},
    {0x51, VK_NUMPAD3, Qt::Key_3, true},       {0x52, VK_NUMPAD0, Qt::Key_0, true},
    {0x53, VK_DECIMAL, Qt::Key_Period, true},  {0x57, VK_F11, Qt::Key_F11, false},
    {0x58, VK_F12, Qt::Key_F12, false},
};

// Keys that share a scan code with a keypad key and are told apart by the extended bit.
const ScanKey extendedKeys[] = {
    {0x1C, VK_RETURN, Qt::Key_Enter, true},   {0x1D, VK_CONTROL, Qt::Key_Control, false},
    {0x35, VK_DIVIDE, Qt::Key_Slash, true},   {0x38, VK_MENU, Qt::Key_Alt, false},
    {0x47, VK_HOME, Qt::Key_Home, false},     {0x48, VK_UP, Qt::Key_Up, false},
    {0x49, VK_PRIOR, Qt::Key_PageUp, false},  {0x4B, VK_LEFT, Qt::Key_Left, false},
    {0x4D, VK_RIGHT, Qt::Key_Right, false},   {0x4F, VK_END, Qt::Key_End, false},
    {0x50, VK_DOWN, Qt::Key_Down, false},     {0x51, VK_NEXT, Qt::Key_PageDown, false},
    {0x52, VK_INSERT, Qt::Key_Insert, false}, {0x53, VK_DELETE, Qt::Key_Delete, false},
    {0x5B, VK_LWIN, Qt::Key_Meta, false},     {0x5C, VK_RWIN, Qt::Key_Meta, false},
    {0x5D, VK_APPS, Qt::Key_Menu, false},
};

const ScanKey *findScan(uint scan, bool extended)
{
    if (extended) {
        for (const ScanKey &k : extendedKeys) {
            if (k.scan == scan)
                return &k;
        }
        return nullptr;
    }
    for (const ScanKey &k : scanKeys) {
        if (k.scan == scan)
            return &k;
    }
    return nullptr;
}

const ScanKey *findVirtualKey(int vk)
{
    for (const ScanKey &k : scanKeys) {
        if (k.vk == vk)
            return &k;
    }
    for (const ScanKey &k : extendedKeys) {
        if (k.vk == vk)
            return &k;
    }
    return nullptr;
}

} // namespace

QString DuiWinAPI::getKeyNameText(uint lParam)
{
    const ScanKey *key = findScan((lParam >> 16) & 0xff, (lParam >> 24) & 1);
    if (!key)
        return QStringLiteral("Unknown");
    const QKeyCombination combination(key->keypad ? Qt::KeypadModifier : Qt::NoModifier, Qt::Key(key->qtKey));
    const QString name = QKeySequence(combination).toString(QKeySequence::NativeText);
    return name.isEmpty() ? QStringLiteral("Unknown") : name;
}

uint DuiWinAPI::mapVirtualKey(uint code, uint mapType)
{
    switch (mapType) {
    case MAPVK_VK_TO_VSC: {
        // The left and right variants map to their own scan codes.
        switch (code) {
        case VK_LSHIFT: return 0x2A;
        case VK_RSHIFT: return 0x36;
        case VK_LCONTROL: return 0x1D;
        case VK_LMENU: return 0x38;
        default: break;
        }
        const ScanKey *k = findVirtualKey(int(code));
        return k ? k->scan : 0;
    }
    case MAPVK_VSC_TO_VK:
    case MAPVK_VSC_TO_VK_EX: {
        const ScanKey *k = findScan(code, false);
        if (!k)
            return 0;
        if (mapType == MAPVK_VSC_TO_VK_EX) {
            if (code == 0x2A) return VK_LSHIFT;
            if (code == 0x36) return VK_RSHIFT;
            if (code == 0x1D) return VK_LCONTROL;
            if (code == 0x38) return VK_LMENU;
        }
        return uint(k->vk);
    }
    case MAPVK_VK_TO_CHAR: {
        if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || code == VK_SPACE)
            return code;
        static const struct { uint vk; char c; } chars[] = {
            {VK_OEM_1, ';'}, {VK_OEM_PLUS, '='}, {VK_OEM_COMMA, ','}, {VK_OEM_MINUS, '-'},
            {VK_OEM_PERIOD, '.'}, {VK_OEM_2, '/'}, {VK_OEM_3, '`'}, {VK_OEM_4, '['},
            {VK_OEM_5, '\\'}, {VK_OEM_6, ']'}, {VK_OEM_7, '\''}, {VK_MULTIPLY, '*'},
            {VK_ADD, '+'}, {VK_SUBTRACT, '-'}, {VK_DECIMAL, '.'}, {VK_DIVIDE, '/'},
        };
        for (const auto &c : chars) {
            if (c.vk == code)
                return uint(uchar(c.c));
        }
        if (code >= VK_NUMPAD0 && code <= VK_NUMPAD9)
            return '0' + (code - VK_NUMPAD0);
        return 0;
    }
    default:
        return 0;
    }
}

uint DuiWinAPI::immAssociateContext(uint hwnd, uint himc)
{
    QWidget *w = duiWidgetFromHwnd(HWND(hwnd));
    if (!w)
        return 0;
    static const char property[] = "_dui_himc";
    const QVariant stored = w->property(property);
    // Until a context is set, a window that takes input has its own default context.
    const uint previous = stored.isValid() ? stored.toUInt()
                                           : (w->testAttribute(Qt::WA_InputMethodEnabled) ? uint(hwnd) : 0);
    w->setProperty(property, himc);
    w->setAttribute(Qt::WA_InputMethodEnabled, himc != 0);
    return previous;
}

#endif // Q_OS_WIN
