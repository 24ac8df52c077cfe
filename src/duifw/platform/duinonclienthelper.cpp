// SPDX-License-Identifier: MIT
#include "duinonclienthelper_p.h"

#include "duiwinapi.h"
#include "duiwinapi_p.h"

#include <QtGui/qevent.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qscreen.h>
#include <QtGui/qwindow.h>
#include <QtWidgets/qabstractscrollarea.h>
#include <QtWidgets/qwidget.h>

#include <cstdint>

namespace {

LPARAM packScreenPoint(const QPoint &p)
{
    return MAKELPARAM(WORD(std::int16_t(p.x())), WORD(std::int16_t(p.y())));
}

Qt::Edges edgesForHit(int hit)
{
    switch (hit) {
    case HTLEFT: return Qt::LeftEdge;
    case HTRIGHT: return Qt::RightEdge;
    case HTTOP: return Qt::TopEdge;
    case HTBOTTOM: return Qt::BottomEdge;
    case HTTOPLEFT: return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT: return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT: return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
    case HTGROWBOX: return Qt::BottomEdge | Qt::RightEdge;
    default: return Qt::Edges();
    }
}

bool isNormalState(const QWidget *w)
{
    return !(w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

} // namespace

DuiNonClientHelper::DuiNonClientHelper(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    if (!window)
        return;
    window->installEventFilter(this);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(window)) {
        m_viewport = area->viewport();
        m_viewport->installEventFilter(this);
    }
    if (isNormalState(window))
        m_normalGeometry = window->geometry();
}

DuiNonClientHelper::~DuiNonClientHelper() = default;

QWidget *DuiNonClientHelper::window() const
{
    return m_window;
}

bool DuiNonClientHelper::isFollowingMouse() const
{
    return m_follow != Follow::None;
}

bool DuiNonClientHelper::send(UINT message, WPARAM wParam, LPARAM lParam, long *result)
{
    return duiSendNativeMessage(m_window, message, wParam, lParam, result);
}

MINMAXINFO DuiNonClientHelper::queryMinMaxInfo()
{
    MINMAXINFO info = {};
    const QScreen *screen = m_window && m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect full = screen->geometry();
        const QRect virt = screen->virtualGeometry();
        info.ptMaxSize = POINT{full.width(), full.height()};
        info.ptMaxPosition = POINT{full.left(), full.top()};
        info.ptMaxTrackSize = POINT{virt.width(), virt.height()};
    }
    if (m_window) {
        info.ptMinTrackSize = POINT{m_window->minimumWidth(), m_window->minimumHeight()};
        info.ptMaxTrackSize.x = qMin<LONG>(info.ptMaxTrackSize.x ? info.ptMaxTrackSize.x : QWIDGETSIZE_MAX,
                                           m_window->maximumWidth());
        info.ptMaxTrackSize.y = qMin<LONG>(info.ptMaxTrackSize.y ? info.ptMaxTrackSize.y : QWIDGETSIZE_MAX,
                                           m_window->maximumHeight());
    }
    send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

bool DuiNonClientHelper::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_window)
        return false;
    const bool mouseTarget = watched == m_window || (m_viewport && watched == m_viewport);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouseTarget)
            return mousePress(static_cast<QMouseEvent *>(event), false);
        break;
    case QEvent::MouseButtonDblClick:
        if (mouseTarget)
            return mousePress(static_cast<QMouseEvent *>(event), true);
        break;
    case QEvent::MouseMove:
        if (mouseTarget && m_nonClientPress) {
            auto *move = static_cast<QMouseEvent *>(event);
            // A window manager that took over the drag may keep the release from us.
            if (!(move->buttons() & Qt::LeftButton)) {
                endFollow();
                m_nonClientPress = false;
                break;
            }
            if (m_follow != Follow::None)
                followMouse(move->globalPosition().toPoint());
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (mouseTarget && m_nonClientPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            if (m_follow != Follow::None) {
                followMouse(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
                endFollow();
            }
            m_nonClientPress = false;
            return true;
        }
        break;
    default:
        break;
    }
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::WindowStateChange:
        if (!m_applyingMaximized)
            windowStateChanged(static_cast<QWindowStateChangeEvent *>(event)->oldState());
        break;
    case QEvent::Resize:
    case QEvent::Move:
        // Between maximising and restoring the window may pass through the normal state at
        // its maximised geometry (xcb does); that is not the geometry to restore.
        if (isNormalState(m_window)) {
            if (!m_maximizedGeometry.isValid())
                m_normalGeometry = m_window->geometry();
        } else if (!m_applyingMaximized && m_window->isMaximized() && m_maximizedGeometry.isValid()
                 && m_window->geometry() != m_maximizedGeometry && m_maximizeRetries > 0) {
            --m_maximizeRetries;
            QMetaObject::invokeMethod(this, &DuiNonClientHelper::applyMaximizedGeometry, Qt::QueuedConnection);
        }
        if (event->type() == QEvent::Resize)
            sendSize();
        break;
    case QEvent::WindowActivate:
        send(WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, m_window->isMinimized() ? 1 : 0), 0);
        break;
    case QEvent::WindowDeactivate:
        send(WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, m_window->isMinimized() ? 1 : 0), 0);
        break;
    default:
        break;
    }
    return false;
}

bool DuiNonClientHelper::mousePress(QMouseEvent *event, bool doubleClick)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const QPoint global = event->globalPosition().toPoint();
    const LPARAM where = packScreenPoint(global);
    long hit = HTCLIENT;
    if (!send(WM_NCHITTEST, 0, where, &hit))
        hit = HTCLIENT;
    if (hit == HTCLIENT || hit == HTNOWHERE || hit == HTTRANSPARENT || hit == HTERROR) {
        m_nonClientPress = false;
        return false;
    }
    m_nonClientPress = true;
    long result = 0;
    if (doubleClick) {
        // The first click of the pair may have started a move; the double click ends it.
        if (m_follow != Follow::None)
            endFollow();
        if (send(WM_NCLBUTTONDBLCLK, WPARAM(hit), where, &result))
            return true;
        const HWND hwnd = HWND(m_window->winId());
        if (hit == HTCAPTION && (DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE)) & WS_MAXIMIZEBOX)) {
            const bool maximized = m_window->isMaximized();
            if (!send(WM_SYSCOMMAND, maximized ? SC_RESTORE : SC_MAXIMIZE, where, &result)) {
                if (maximized)
                    m_window->showNormal();
                else
                    m_window->showMaximized();
            }
        }
        return true;
    }
    if (send(WM_NCLBUTTONDOWN, WPARAM(hit), where, &result))
        return true;
    // What DefWindowProc makes of a non-client press: a move or size system command.
    const Qt::Edges edges = edgesForHit(int(hit));
    WPARAM command = 0;
    if (hit == HTCAPTION)
        command = SC_MOVE | HTCAPTION;
    else if (hit == HTGROWBOX)
        command = SC_SIZE | WMSZ_BOTTOMRIGHT; // the grip lies below HTLEFT: no offset of it
    else if (edges)
        command = SC_SIZE | WPARAM(hit - HTLEFT + 1);
    if (command && !send(WM_SYSCOMMAND, command, where, &result))
        startMoveOrResize(int(hit), global);
    return true;
}

void DuiNonClientHelper::startMoveOrResize(int hit, const QPoint &globalPos)
{
    if (m_window->isMaximized())
        return;
    QWindow *handle = m_window->windowHandle();
    const Qt::Edges edges = edgesForHit(hit);
    if (hit == HTCAPTION) {
        if (handle && handle->startSystemMove())
            return;
        m_follow = Follow::Move;
    } else if (edges) {
        if (handle && handle->startSystemResize(edges))
            return;
        m_follow = Follow::Resize;
        m_edges = edges;
        const MINMAXINFO info = queryMinMaxInfo();
        m_minTrack = QSize(qMax<int>(info.ptMinTrackSize.x, m_window->minimumWidth()),
                           qMax<int>(info.ptMinTrackSize.y, m_window->minimumHeight()));
        m_maxTrack = QSize(qMin<int>(info.ptMaxTrackSize.x, m_window->maximumWidth()),
                           qMin<int>(info.ptMaxTrackSize.y, m_window->maximumHeight()));
        m_maxTrack = m_maxTrack.expandedTo(m_minTrack);
    } else {
        return;
    }
    m_pressGlobal = globalPos;
    m_startGeometry = m_follow == Follow::Move ? m_window->frameGeometry() : m_window->geometry();
    send(WM_ENTERSIZEMOVE, 0, 0);
}

void DuiNonClientHelper::followMouse(const QPoint &globalPos)
{
    if (m_window->isMaximized() || m_window->isMinimized()) {
        endFollow();
        return;
    }
    const QPoint delta = globalPos - m_pressGlobal;
    if (m_follow == Follow::Move) {
        m_window->move(m_startGeometry.topLeft() + delta);
        return;
    }
    QRect r = m_startGeometry;
    if (m_edges & Qt::LeftEdge)
        r.setLeft(r.left() + delta.x());
    if (m_edges & Qt::RightEdge)
        r.setRight(r.right() + delta.x());
    if (m_edges & Qt::TopEdge)
        r.setTop(r.top() + delta.y());
    if (m_edges & Qt::BottomEdge)
        r.setBottom(r.bottom() + delta.y());
    // The edge opposite the dragged one stays where it is.
    const int width = qBound(m_minTrack.width(), r.width(), m_maxTrack.width());
    const int height = qBound(m_minTrack.height(), r.height(), m_maxTrack.height());
    if (m_edges & Qt::LeftEdge)
        r.setLeft(r.right() - width + 1);
    else
        r.setWidth(width);
    if (m_edges & Qt::TopEdge)
        r.setTop(r.bottom() - height + 1);
    else
        r.setHeight(height);
    m_window->setGeometry(r);
}

void DuiNonClientHelper::endFollow()
{
    if (m_follow == Follow::None)
        return;
    m_follow = Follow::None;
    send(WM_EXITSIZEMOVE, 0, 0);
}

void DuiNonClientHelper::windowStateChanged(Qt::WindowStates oldState)
{
    const bool wasMaximized = oldState & Qt::WindowMaximized;
    if (m_window->isMaximized() && !m_window->isMinimized() && !wasMaximized) {
        const MINMAXINFO info = queryMinMaxInfo();
        const QRect maximized(info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxSize.x, info.ptMaxSize.y);
        if (maximized.isValid()) {
            m_maximizedGeometry = maximized;
            // The platform may deliver its own maximised geometry after ours; a few times ours
            // is put back (a bounded number, so that a window manager that insists wins).
            m_maximizeRetries = 3;
            applyMaximizedGeometry();
        }
    } else if (wasMaximized && isNormalState(m_window)) {
        // Without a window manager nobody else puts the old geometry back.
        if (m_window->geometry() == m_maximizedGeometry && m_normalGeometry.isValid())
            m_window->setGeometry(m_normalGeometry);
        m_maximizedGeometry = QRect();
    }
    sendSize();
}

void DuiNonClientHelper::applyMaximizedGeometry()
{
    if (!m_window || !m_window->isMaximized() || !m_maximizedGeometry.isValid()
        || m_window->geometry() == m_maximizedGeometry)
        return;
    // Some platforms drop the maximised state when a maximised widget gets a geometry; the
    // platform still has the state, so only the widget's record of it is put back.
    m_applyingMaximized = true;
    m_window->setGeometry(m_maximizedGeometry);
    if (!m_window->isMaximized())
        m_window->overrideWindowState(m_window->windowState() | Qt::WindowMaximized);
    m_applyingMaximized = false;
}

void DuiNonClientHelper::sendSize()
{
    UINT type = SIZE_RESTORED;
    if (m_window->isMinimized())
        type = SIZE_MINIMIZED;
    else if (m_window->isMaximized())
        type = SIZE_MAXIMIZED;
    const QSize size = type == SIZE_MINIMIZED ? QSize(0, 0) : m_window->size();
    send(WM_SIZE, type, MAKELPARAM(WORD(size.width()), WORD(size.height())));
}
