// SPDX-License-Identifier: MIT
#ifndef DUISPACERITEM_H
#define DUISPACERITEM_H

#include "duiwidget.h"

// Takes all free space in a box layout: a spacer placed first in an HBox pushes the following
// items to the right end. It draws nothing and ignores the mouse.
class DUI_EXPORT DuiSpacerItem : public DuiWidget
{
public:
    explicit DuiSpacerItem(QGraphicsItem *parent = nullptr);

private:
    DUI_DECLARE_WIDGET_CREATOR(DuiSpacerItem)
};

#endif // DUISPACERITEM_H
