// SPDX-License-Identifier: MIT
#include "duiradiobutton.h"

#include "duicheckbox_p.h"

#include <QtWidgets/qgraphicssceneevent.h>

DUI_REGISTER_WIDGET(DuiRadioButton)

DuiRadioButton::DuiRadioButton(QGraphicsItem *parent)
    : DuiRadioButton(*new DuiCheckBoxPrivate, parent)
{
}

DuiRadioButton::DuiRadioButton(DuiCheckBoxPrivate &dd, QGraphicsItem *parent)
    : DuiCheckBox(dd, parent)
{
    dd.setDefaultImages(QStringLiteral("radiobox"));
}

void DuiRadioButton::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
}

void DuiRadioButton::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (isEnabled() && rect().contains(event->pos()) && checkState() == Qt::Unchecked)
        setCheckState(Qt::Checked);
}
