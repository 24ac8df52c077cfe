// SPDX-License-Identifier: MIT
#include "duisliderwidgetext.h"
#include "duisliderbase_p.h"

DUI_REGISTER_WIDGET(DuiSliderWidgetExt)

DuiSliderWidgetExt::DuiSliderWidgetExt(QGraphicsItem *parent)
    : DuiSliderBase(*new DuiSliderWidgetExtPrivate, parent)
{
}

DuiSliderWidgetExt::~DuiSliderWidgetExt() = default;

void DuiSliderWidgetExt::setValue(qreal value)
{
    changeValue(value);
}
