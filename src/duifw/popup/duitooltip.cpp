// SPDX-License-Identifier: MIT
#include "duitooltip.h"
#include "duitooltip_p.h"

#include "duitooltipview_p.h"
#include "duiwidget.h"

DuiToolTip::DuiToolTip(QObject *parent)
    : QObject(parent)
    , d_data(new DuiToolTipPrivate(this))
{
    Q_D(DuiToolTip);
    d->defaultStyle.init();
    ToolTip *engine = ToolTip::instance();
    engine->setStyle(d->defaultStyle);
    engine->registerController(this);
    connect(engine, &ToolTip::readyToShowToolTip, this, &DuiToolTip::on_readyToShowToolTip);
}

DuiToolTip::~DuiToolTip()
{
    if (ToolTip *engine = ToolTip::existing())
        engine->unregisterController(this);
}

void DuiToolTip::attatchWidget(DuiWidget *targetWidget)
{
    Q_D(DuiToolTip);
    if (!targetWidget || targets().contains(targetWidget))
        return;
    d->targets.append(targetWidget);
    targetWidget->setAcceptHoverEvents(true);
    ToolTip::instance()->updateFilter(targetWidget);
}

void DuiToolTip::detachWidget(DuiWidget *targetWidget)
{
    Q_D(DuiToolTip);
    if (!targetWidget || !d->targets.removeAll(targetWidget))
        return;
    // Another controller may still hold the widget; the engine keeps watching it then.
    ToolTip::instance()->updateFilter(targetWidget);
}

QList<DuiWidget *> DuiToolTip::targets() const
{
    Q_D(const DuiToolTip);
    QList<DuiWidget *> live;
    for (const QPointer<DuiWidget> &target : d->targets) {
        if (target)
            live.append(target);
    }
    return live;
}

void DuiToolTip::enableToolTip(bool enable)
{
    Q_D(DuiToolTip);
    if (d->enabled == enable)
        return;
    d->enabled = enable;
    if (!enable)
        hideToolTip();
    for (DuiWidget *widget : targets())
        ToolTip::instance()->updateFilter(widget);
}

bool DuiToolTip::isToolTipEnabled() const
{
    return d_func()->enabled;
}

void DuiToolTip::setDefaultStyle(const DuiToolTipStyle &style)
{
    d_func()->defaultStyle = style;
}

DuiToolTipStyle DuiToolTip::defaultStyle() const
{
    return d_func()->defaultStyle;
}

void DuiToolTip::setDefaultHideStyle(int policy)
{
    DuiToolTipStyle style;
    style.setHidePolicy(DuiToolTipStyle::HidePolicy(policy));
    d_func()->defaultStyle = style;
}

void DuiToolTip::on_readyToShowToolTip(DuiWidget *widget)
{
    if (!targets().contains(widget))
        return;
    ToolTip::instance()->setStyle(d_func()->defaultStyle);
    Q_EMIT readyToShowToolTip(widget);
}

void DuiToolTip::showToolTip(const QString &toopTipText, const DuiToolTipStyle &style, const QRect &geometry)
{
    ToolTip *engine = ToolTip::instance();
    engine->setStyle(style.isNull() ? d_func()->defaultStyle : style);
    if (geometry.width() != 0 || geometry.height() != 0)
        engine->showTextInRect(toopTipText, geometry);
    else
        engine->showTextAtCursor(toopTipText);
}

void DuiToolTip::showToolTip(const QString &toopTipText, const DuiToolTipStyle &style)
{
    showToolTip(toopTipText, style, QRect());
}

void DuiToolTip::showToolTip(const QString &toopTipText)
{
    showToolTip(toopTipText, d_func()->defaultStyle, QRect());
}

void DuiToolTip::showToolTip(const QString &toopTipText, const QPoint &pt, const DuiToolTipStyle &style)
{
    ToolTip *engine = ToolTip::instance();
    engine->setStyle(style.isNull() ? d_func()->defaultStyle : style);
    if (pt.isNull())
        engine->showTextAtCursor(toopTipText);
    else
        engine->showTextAt(toopTipText, pt);
}

void DuiToolTip::showToolTip(const QString &toopTipText, const QPoint &pt)
{
    showToolTip(toopTipText, pt, d_func()->defaultStyle);
}

void DuiToolTip::showToolTip(DuiWidget *widget, const DuiToolTipStyle &style)
{
    showToolTip(widget, QRect(), style);
}

void DuiToolTip::showToolTip(DuiWidget *widget)
{
    showToolTip(widget, QRect(), DuiToolTipStyle());
}

void DuiToolTip::showToolTip(DuiWidget *widget, const QRect &geometry, const DuiToolTipStyle &style)
{
    ToolTip *engine = ToolTip::instance();
    if (!style.isNull())
        engine->setStyle(style);
    engine->showWidget(widget, geometry);
}

void DuiToolTip::showToolTip(DuiWidget *widget, const QRect &geometry)
{
    showToolTip(widget, geometry, DuiToolTipStyle());
}

void DuiToolTip::hideToolTip()
{
    ToolTip::instance()->hide();
}

bool DuiToolTip::isVisible() const
{
    const ToolTipView *view = ToolTip::instance()->view();
    return view && view->isVisible();
}

void DuiToolTip::SetDelayHideTime(int val)
{
    ToolTip::instance()->setHideDelay(val);
}

void DuiToolTip::SetShowInParent(bool val)
{
    ToolTip::instance()->setShowInParent(val);
}
