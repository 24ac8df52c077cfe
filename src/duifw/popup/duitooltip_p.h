// SPDX-License-Identifier: MIT
#ifndef DUITOOLTIP_P_H
#define DUITOOLTIP_P_H

#include "duitooltip.h"

#include <QtCore/qpoint.h>
#include <QtCore/qpointer.h>
#include <QtCore/qtimer.h>

class ToolTipView;

class DuiToolTipPrivate
{
    Q_DECLARE_PUBLIC(DuiToolTip)
public:
    explicit DuiToolTipPrivate(DuiToolTip *q)
        : q_ptr(q)
    {
    }
    virtual ~DuiToolTipPrivate() = default;

    DuiToolTip *q_ptr;
    // Guarded: an attached widget may be destroyed without being detached.
    QList<QPointer<DuiWidget>> targets;
    bool enabled = true;
    DuiToolTipStyle defaultStyle;
};

// The process-wide tooltip engine: watches the hover of every attached widget, waits for the
// cursor to rest, shows one ToolTipView at a time and hides it by the current style's policy.
// Created on first use, deleted when the application object goes.
class DUI_AUTOTEST_EXPORT ToolTip : public QObject
{
    Q_OBJECT
public:
    // Within this many pixels of the rest point in both directions the cursor counts as resting.
    static constexpr int RestDistance = 8;
    static constexpr int HoverCheckInterval = 200;
    static constexpr int ShowDelay = 100;
    static constexpr int DefaultHideInterval = 100;

    static ToolTip *instance();
    // The engine if it exists; never creates one (for destructors that may run after the
    // application object has gone).
    static ToolTip *existing();
    ~ToolTip() override;

    void registerController(DuiToolTip *controller);
    // Forgets the controller and its targets; hides the tooltip when it belongs to one of them.
    void unregisterController(DuiToolTip *controller);
    // Watches `widget` while at least one enabled controller has it.
    void updateFilter(DuiWidget *widget);

    void setStyle(const DuiToolTipStyle &style) { m_style = style; }
    DuiToolTipStyle style() const { return m_style; }
    void setHideDelay(int ms) { m_hideDelay = ms; }
    void setShowInParent(bool on) { m_showInParent = on; }

    void showTextAtCursor(const QString &text);
    void showTextAt(const QString &text, const QPoint &pt);
    void showTextInRect(const QString &text, const QRect &rect);
    void showWidget(DuiWidget *widget, const QRect &rect);
    void hide();
    // Hide and stop the three timers.
    void hideAndStop();

    ToolTipView *view() const { return m_view; }
    DuiWidget *target() const { return m_target; }
    QPoint restPoint() const { return m_restPoint; }
    QTimer *hideTimer() { return &m_hideTimer; }
    QTimer *showTimer() { return &m_showTimer; }
    QTimer *hoverTimer() { return &m_hoverTimer; }

    // Where a tip of `size` goes for the cursor at `cursor`: beside it by `direction`, moved
    // whole onto the screen that holds the cursor.
    static QRect placeAtCursor(const QSize &size, const QPoint &cursor, int direction);
    // Where content of `size` goes beside the global rectangle `rect`, on the screen that holds
    // the rectangle's centre.
    static QRect placeBeside(const QSize &size, const QRect &rect, int direction);

Q_SIGNALS:
    void readyToShowToolTip(DuiWidget *targetWidget);

public Q_SLOTS:
    void on_app_aboutToQuit();
    void on_showTimer_timeout();
    void on_hideTimer_timeout();
    void on_checkHoveTimer_timerout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ToolTip();
    bool nearRestPoint() const;
    void stopTimers();
    void startHideTimer();
    void prepareView();
    bool wanted(DuiWidget *widget) const;
    void onWidgetDestroyed(QObject *object);

    bool m_shownAtRect = false;
    QTimer m_hideTimer;
    QTimer m_showTimer;
    QTimer m_hoverTimer;
    QPointer<ToolTipView> m_view;
    QPointer<DuiWidget> m_target;
    // Identity of the current target, still comparable while it is being destroyed.
    const QObject *m_targetKey = nullptr;
    QRect m_targetRect;
    QPoint m_restPoint;
    DuiToolTipStyle m_style;
    bool m_showInParent = false;
    int m_hideDelay = 0;
    QList<DuiToolTip *> m_controllers;
};

#endif // DUITOOLTIP_P_H
