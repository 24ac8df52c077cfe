// SPDX-License-Identifier: MIT
#include "duitooltip.h"

#include "duiwidget.h"

DuiToolTip::DuiToolTip(QObject *parent)
    : QObject(parent)
{
}

DuiToolTip::~DuiToolTip() = default;

void DuiToolTip::attatchWidget(DuiWidget *targetWidget)
{
    if (!targetWidget || targets().contains(targetWidget))
        return;
    m_targets.append(targetWidget);
    targetWidget->setAcceptHoverEvents(true);
}

void DuiToolTip::detachWidget(DuiWidget *targetWidget)
{
    m_targets.removeAll(targetWidget);
}

QList<DuiWidget *> DuiToolTip::targets() const
{
    QList<DuiWidget *> live;
    for (const QPointer<DuiWidget> &target : m_targets) {
        if (target)
            live.append(target);
    }
    return live;
}
