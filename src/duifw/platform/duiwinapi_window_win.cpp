// SPDX-License-Identifier: MIT
#include "duiwinapi.h"

// Windows, styles, regions, messages and the work area; the compositor through dwmapi, loaded
// at run time as systems before Vista lack it.

#include <QtCore/qlibrary.h>
#include <QtCore/qoperatingsystemversion.h>

#include <shellapi.h>

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
