// SPDX-License-Identifier: MIT
#include "duispaceritem.h"

#include <cfloat>

DUI_REGISTER_WIDGET(DuiSpacerItem)

DuiSpacerItem::DuiSpacerItem(QGraphicsItem *parent)
    : DuiWidget(parent)
{
    setFlag(ItemHasNoContents);
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
    setPreferredSize(DBL_MAX, DBL_MAX);
}
