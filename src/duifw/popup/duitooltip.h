// SPDX-License-Identifier: MIT
#ifndef DUITOOLTIP_H
#define DUITOOLTIP_H

#include "duiglobal.h"
#include "duitooltipstyle.h"

#include <QtCore/qlist.h>
#include <QtCore/qobject.h>
#include <QtCore/qrect.h>
#include <QtCore/qscopedpointer.h>

class DuiToolTipPrivate;
class DuiWidget;

// A tooltip controller. Widgets attached to it show their toolTip() text in a bubble once the
// cursor has rested on them (about 300 ms), styled by the controller's default style, and hide it
// again as the style's hide policy says. One process-wide engine serves every controller, so at
// most one tooltip shows at a time. Just before an automatic tooltip shows, readyToShowToolTip
// lets the application customise it: a receiver that calls showToolTip(text, style, rect)
// replaces it for that hover.
class DUI_EXPORT DuiToolTip : public QObject
{
    Q_OBJECT
public:
    explicit DuiToolTip(QObject *parent = nullptr);
    ~DuiToolTip() override;

    Q_INVOKABLE void attatchWidget(DuiWidget *targetWidget);
    Q_INVOKABLE void detachWidget(DuiWidget *targetWidget);
    // The attached widgets that still exist, in the order they were attached.
    QList<DuiWidget *> targets() const;

    // Off hides the tooltip and stops watching the targets until turned on again.
    void enableToolTip(bool enable);
    bool isToolTipEnabled() const;

    void setDefaultStyle(const DuiToolTipStyle &style);
    DuiToolTipStyle defaultStyle() const;
    // A fresh default style with this hide policy: settings made earlier are dropped.
    Q_INVOKABLE void setDefaultHideStyle(int policy);

    // A text in exactly `geometry` when it has a size, else at the cursor with `style` (the
    // default style when `style` is null).
    Q_INVOKABLE void showToolTip(const QString &toopTipText, const DuiToolTipStyle &style, const QRect &geometry);
    Q_INVOKABLE void showToolTip(const QString &toopTipText, const DuiToolTipStyle &style);
    Q_INVOKABLE void showToolTip(const QString &toopTipText);
    // A text at `pt` (the cursor when `pt` is (0, 0)).
    Q_INVOKABLE void showToolTip(const QString &toopTipText, const QPoint &pt, const DuiToolTipStyle &style);
    Q_INVOKABLE void showToolTip(const QString &toopTipText, const QPoint &pt);
    // The application's own widget as the tooltip; the application keeps owning it.
    Q_INVOKABLE void showToolTip(DuiWidget *widget, const DuiToolTipStyle &style);
    Q_INVOKABLE void showToolTip(DuiWidget *widget);
    // Beside `geometry` (global) when the policy is HideWhenCursorLeavesRect, which then keeps it
    // open while the cursor is in `geometry` or on the tip.
    Q_INVOKABLE void showToolTip(DuiWidget *widget, const QRect &geometry, const DuiToolTipStyle &style);
    Q_INVOKABLE void showToolTip(DuiWidget *widget, const QRect &geometry);
    Q_INVOKABLE void hideToolTip();
    bool isVisible() const;

    // Milliseconds between hide checks; 0 means 100.
    Q_INVOKABLE void SetDelayHideTime(int val);
    Q_INVOKABLE void SetShowInParent(bool val);

Q_SIGNALS:
    void readyToShowToolTip(DuiWidget *widget);

private Q_SLOTS:
    void on_readyToShowToolTip(DuiWidget *widget);

private:
    QScopedPointer<DuiToolTipPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiToolTip)
};

#endif // DUITOOLTIP_H
