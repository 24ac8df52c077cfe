// SPDX-License-Identifier: MIT
#include "duisliderwidget.h"
#include "duisliderbase_p.h"

DUI_REGISTER_WIDGET(DuiSliderWidget)

DuiSliderWidget::DuiSliderWidget(QGraphicsItem *parent)
    : DuiSliderBase(*new DuiSliderWidgetPrivate, parent)
{
}

DuiSliderWidget::~DuiSliderWidget() = default;

bool DuiSliderWidget::setValue(qreal value)
{
    return changeValue(value);
}

void DuiSliderWidget::setEnabled(bool enabled)
{
    // The look follows in itemChange, which also sees an ancestor being disabled.
    QGraphicsWidget::setEnabled(enabled);
}

void DuiSliderWidget::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    DuiSliderBase::mouseReleaseEvent(event);
    Q_EMIT mouseRelease();
}
