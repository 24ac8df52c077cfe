// SPDX-License-Identifier: MIT
#include "duiwinapi.h"
#include "duiwinapi_p.h"
#include "duiwinapi_x11_p.h"

// Windows, styles, regions and messages carried out on the QWidget behind each handle.

#include <QtCore/qcoreapplication.h>
#include <QtCore/qpointer.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qscreen.h>
#include <QtGui/qwindow.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qwidget.h>

#include <algorithm>

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
