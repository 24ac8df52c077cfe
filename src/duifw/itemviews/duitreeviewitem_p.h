// SPDX-License-Identifier: MIT
#ifndef DUITREEVIEWITEM_P_H
#define DUITREEVIEWITEM_P_H

#include "duitreeviewitem.h"
#include "duiwidget_p.h"

class DUI_AUTOTEST_EXPORT DuiTreeViewItemPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiTreeViewItem)
public:
    QStandardItem *modelItem = nullptr;
    bool expanded = false;
    bool selected = false;
    bool acceptDoubleClick = false;

    // Kept by the tree's container: the item's last known place in the visible list (checked
    // before use), its indent, and the graphics parent of its children while it is expanded.
    int viewIndex = -1;
    int indent = 0;
    QGraphicsObject *childRows = nullptr;
};

#endif // DUITREEVIEWITEM_P_H
