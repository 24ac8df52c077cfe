// SPDX-License-Identifier: MIT
#include "duiframestyle_p.h"

#include "duiwidget.h"
#include "duiwinapi.h"

#include <QtGui/qevent.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qwidget.h>

DuiFrameStyle::DuiFrameStyle(QWidget *w)
    : window(w)
{
}

DuiFrameStyle::~DuiFrameStyle() = default;

qreal DuiFrameStyle::scaleFactor() const
{
    return 1.0;
}

QString DuiFrameStyle::transparentStyleSheet()
{
    return QStringLiteral("QGraphicsView { border-style: none; background: transparent}");
}

// ---------------------------------------------------------------------------------------------

DuiFrameStyle_WinXP::DuiFrameStyle_WinXP(QWidget *w)
    : DuiFrameStyle(w)
{
}

void DuiFrameStyle_WinXP::install()
{
    window->setStyleSheet(transparentStyleSheet());
    if (popup) {
        window->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
        window->setAttribute(Qt::WA_TranslucentBackground);
        window->setStyleSheet(transparentStyleSheet());
    } else if (resizable) {
        window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
        const HWND hwnd = HWND(window->winId());
        DuiWinAPI::SetWindowLongW(hwnd, GWL_STYLE, long(DWORD(DuiWinAPI::GetWindowLongW(hwnd, GWL_STYLE)) | WS_THICKFRAME));
    } else {
        window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
    }
}

void DuiFrameStyle_WinXP::updateRegion(QResizeEvent *event)
{
    const QSize size = event ? event->size() : window->size();
    DuiWinAPI::SetWindowRoundRectRgn(HWND(window->winId()), 0, 0, size.width() + 1, size.height() + 1, 5, 5);
}

bool DuiFrameStyle_WinXP::handleMessage(MSG *msg, long *result)
{
    if (!msg)
        return false;
    long dummy = 0;
    if (!result)
        result = &dummy;
    switch (msg->message) {
    case WM_GETMINMAXINFO: {
        auto *info = reinterpret_cast<MINMAXINFO *>(msg->lParam);
        if (!info)
            return false;
        RECT work = {0, 0, 0, 0};
        DuiWinAPI::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const LONG width = work.right - work.left;
        const LONG height = work.bottom - work.top;
        if (toolWindow) {
            info->ptMaxSize = POINT{width + 4, height + 4};
            info->ptMaxPosition = POINT{work.left - 2, work.top - 2};
        } else {
            info->ptMaxSize = POINT{width, height};
            info->ptMaxPosition = POINT{work.left, work.top};
        }
        info->ptMaxTrackSize = info->ptMaxSize;
        info->ptMinTrackSize = POINT{window->minimumWidth(), window->minimumHeight()};
        *result = 0;
        return true;
    }
    case WM_NCCALCSIZE:
        // The whole window is client area.
        if (msg->wParam) {
            if (auto *params = reinterpret_cast<NCCALCSIZE_PARAMS *>(msg->lParam))
                params->rgrc[1] = params->rgrc[0];
            *result = 1;
        } else {
            *result = 0;
        }
        return true;
    case WM_NCHITTEST: {
        const QPoint global(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
        const QPoint pos = window->mapFromGlobal(global);
        const int border = resizable ? 4 : 0;
        int hit = resizeBorderHitTest(pos, window->size(), window->isMaximized(), border, border, border, border);
        if (hit == HTCLIENT)
            hit = frameCaptionHitTest(pos);
        *result = hit;
        return true;
    }
    case WM_ERASEBKGND:
        return true;
    case WM_NCLBUTTONDOWN:
        if (ncMessageFilter)
            ncMessageFilter(msg);
        // A maximised window is not dragged.
        return window->isMaximized();
    case WM_NCLBUTTONDBLCLK:
        if (resizable)
            DuiWinAPI::ShowWindow(HWND(window->winId()), window->isMaximized() ? SW_RESTORE : SW_MAXIMIZE);
        return true;
    default:
        return false;
    }
}

QRect DuiFrameStyle_WinXP::clientRect(const QRect &windowRect) const
{
    return windowRect;
}

int DuiFrameStyle_WinXP::resizeBorderHitTest(const QPoint &p, const QSize &size, bool maximized, int left, int top,
                                             int right, int bottom)
{
    if (maximized)
        return HTCLIENT;
    const int w = size.width();
    const int h = size.height();
    // Inclusive rectangles, in the order in which they decide.
    auto in = [&p](int x1, int y1, int x2, int y2) {
        return p.x() >= x1 && p.x() <= x2 && p.y() >= y1 && p.y() <= y2;
    };
    if (left > 0) {
        if (in(0, 0, left - 1, top - 1))
            return HTTOPLEFT;
        if (in(0, top, left - 1, h - bottom - 1))
            return HTLEFT;
    }
    if (right > 0) {
        if (in(w - right, 0, w - 1, top - 1))
            return HTTOPRIGHT;
        if (in(w - right, top, w - 1, h - bottom - 1))
            return HTRIGHT;
    }
    if (top > 0 && in(left, 0, w - right - 1, top - 1))
        return HTTOP;
    if (bottom <= 0)
        return HTCLIENT;
    if (in(0, h - bottom, left - 1, h - 1))
        return HTBOTTOMLEFT;
    if (in(w - right - 10, h - bottom - 10, w - 1, h - 1))
        return HTBOTTOMRIGHT;
    if (in(left, h - bottom, w - right - 1, h - 1))
        return HTBOTTOM;
    return HTCLIENT;
}

static DuiWidget *nearestDuiWidget(QGraphicsItem *item)
{
    for (; item; item = item->parentItem()) {
        if (item->isWidget()) {
            if (auto *w = qobject_cast<DuiWidget *>(static_cast<QGraphicsWidget *>(item)))
                return w;
        }
    }
    return nullptr;
}

int DuiFrameStyle_WinXP::frameCaptionHitTest(const QPoint &pos) const
{
    auto *view = qobject_cast<QGraphicsView *>(window);
    // Native child widgets (other than the view's own viewport) take their presses.
    const QWidget *child = window->childAt(pos);
    if (child && (!view || child != view->viewport()))
        return HTCLIENT;
    if (!view || !view->scene())
        return HTCLIENT;
    const QPointF scenePos = view->mapToScene(view->viewport()->mapFrom(window, pos));
    DuiWidget *widget = nearestDuiWidget(view->scene()->itemAt(scenePos, view->viewportTransform()));
    while (widget) {
        switch (widget->hitTest(scenePos)) {
        case DuiWidget::DragWindow:
            return HTCAPTION;
        case DuiWidget::DragWithParentFlag:
            widget = nearestDuiWidget(widget->parentItem());
            break;
        default:
            return HTCLIENT;
        }
    }
    return HTCLIENT;
}

// ---------------------------------------------------------------------------------------------

DuiFrameStyle_Tooltip::DuiFrameStyle_Tooltip(QWidget *w)
    : DuiFrameStyle(w)
{
}

void DuiFrameStyle_Tooltip::install()
{
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setStyleSheet(transparentStyleSheet());
}

void DuiFrameStyle_Tooltip::updateRegion(QResizeEvent *)
{
}

bool DuiFrameStyle_Tooltip::handleMessage(MSG *, long *)
{
    return false;
}

QRect DuiFrameStyle_Tooltip::clientRect(const QRect &windowRect) const
{
    return windowRect;
}

// ---------------------------------------------------------------------------------------------

DuiFrameStyle_System::DuiFrameStyle_System(QWidget *w)
    : DuiFrameStyle(w)
{
}

void DuiFrameStyle_System::install()
{
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setStyleSheet(transparentStyleSheet());
    DuiWinAPI::ExtendIntoClientAll(HWND(window->winId()));
}

void DuiFrameStyle_System::updateRegion(QResizeEvent *)
{
}

bool DuiFrameStyle_System::handleMessage(MSG *msg, long *)
{
    return msg && msg->message == WM_ERASEBKGND;
}

QRect DuiFrameStyle_System::clientRect(const QRect &windowRect) const
{
    return windowRect.adjusted(7, 7, -7, -7);
}
