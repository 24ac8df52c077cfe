// SPDX-License-Identifier: MIT
#include "duitooltip.h"
#include "duitooltip_p.h"

#include "duiwidget.h"

DuiToolTip::DuiToolTip(QObject *parent)
    : QObject(parent)
    , d_data(new DuiToolTipPrivate(this))
{
}

DuiToolTip::~DuiToolTip() = default;

void DuiToolTip::attatchWidget(DuiWidget *targetWidget)
{
    Q_D(DuiToolTip);
    if (!targetWidget || targets().contains(targetWidget))
        return;
    d->targets.append(targetWidget);
    targetWidget->setAcceptHoverEvents(true);
}

void DuiToolTip::detachWidget(DuiWidget *targetWidget)
{
    Q_D(DuiToolTip);
    d->targets.removeAll(targetWidget);
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
