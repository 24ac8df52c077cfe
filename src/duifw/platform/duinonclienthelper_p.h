// SPDX-License-Identifier: MIT
#ifndef DUINONCLIENTHELPER_P_H
#define DUINONCLIENTHELPER_P_H

#include "duiwindef.h"

#include <QtCore/qobject.h>
#include <QtCore/qpointer.h>
#include <QtCore/qrect.h>

class QMouseEvent;
class QWidget;

// Plays, for a frameless top-level widget on a system without Win32 messages, the part that
// Windows plays: it turns the window's Qt events into native messages sent down the window's
// native-message path (QWidget::nativeEvent, see duiSendNativeMessage) and carries out the answers.
//
// - A left press asks WM_NCHITTEST. HTCLIENT (or no answer) lets the press through; any other
//   answer makes it a non-client press: WM_NCLBUTTONDOWN (WM_NCLBUTTONDBLCLK for a double
//   click) goes to the window and the Qt event is swallowed. When the window leaves the press
//   unhandled, WM_SYSCOMMAND SC_MOVE / SC_SIZE follows, and when that is unhandled too the helper
//   moves (HTCAPTION) or resizes (a border answer) the window: QWindow::startSystemMove /
//   startSystemResize, or, where those return false (no window manager, offscreen), by following
//   the mouse itself within the WM_GETMINMAXINFO tracking sizes. An unhandled double click on
//   the caption of a window with WS_MAXIMIZEBOX sends WM_SYSCOMMAND SC_MAXIMIZE / SC_RESTORE and,
//   unhandled, maximises or restores.
// - Window-state changes and resizes send WM_SIZE (SIZE_MAXIMIZED, SIZE_MINIMIZED, SIZE_RESTORED),
//   activation changes WM_ACTIVATE.
// - On maximising, WM_GETMINMAXINFO's maximised position and size become the window's geometry;
//   on restoring, the geometry from before is put back if nothing else has moved the window.
class DUI_AUTOTEST_EXPORT DuiNonClientHelper : public QObject
{
    Q_OBJECT

public:
    // Watches the window (and its viewport when it is a scroll area such as a QGraphicsView);
    // the helper is a child of the window.
    explicit DuiNonClientHelper(QWidget *window);
    ~DuiNonClientHelper() override;

    QWidget *window() const;
    // True while the helper itself moves or resizes the window after the mouse.
    bool isFollowingMouse() const;
    // Sends one message down the window's native-message path; true when handled.
    bool send(UINT message, WPARAM wParam, LPARAM lParam, long *result = nullptr);
    // Windows' defaults for the window (primary screen, Qt's size limits), then the window's answer.
    MINMAXINFO queryMinMaxInfo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Follow { None, Move, Resize };

    bool mousePress(QMouseEvent *event, bool doubleClick);
    void startMoveOrResize(int hit, const QPoint &globalPos);
    void followMouse(const QPoint &globalPos);
    void endFollow();
    void windowStateChanged(Qt::WindowStates oldState);
    void applyMaximizedGeometry();
    void sendSize();

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_viewport;
    bool m_nonClientPress = false;
    bool m_applyingMaximized = false;
    int m_maximizeRetries = 0;
    Follow m_follow = Follow::None;
    Qt::Edges m_edges;
    QPoint m_pressGlobal;
    QRect m_startGeometry;
    QSize m_minTrack;
    QSize m_maxTrack;
    QRect m_normalGeometry;
    QRect m_maximizedGeometry;
};

#endif // DUINONCLIENTHELPER_P_H
