// SPDX-License-Identifier: MIT
#ifndef DUIROOTITEM_H
#define DUIROOTITEM_H

#include "duiwidget.h"

// The top item of a frame window's scene. It draws nothing and drags the window from every spot
// that no control claims.
class DUI_EXPORT DuiRootItem : public DuiWidget
{
    Q_OBJECT
public:
    explicit DuiRootItem(QGraphicsItem *parent = nullptr);

    // Replaces the first item of the root's vertical box (creating the box if needed) by `widget`.
    void setContentWidget(DuiWidgetBase *widget);
};

#endif // DUIROOTITEM_H
