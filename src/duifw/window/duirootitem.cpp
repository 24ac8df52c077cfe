// SPDX-License-Identifier: MIT
#include "duirootitem.h"

#include <QtWidgets/qgraphicslinearlayout.h>

DuiRootItem::DuiRootItem(QGraphicsItem *parent)
    : DuiWidget(parent)
{
    setFlag(ItemHasNoContents);
    setFlag(ItemClipsChildrenToShape);
    setDragPolicy(DragWindow);
}

void DuiRootItem::setContentWidget(DuiWidgetBase *widget)
{
    if (!layout())
        DuiWidget::setLayout(VBox);
    auto *box = dynamic_cast<QGraphicsLinearLayout *>(layout());
    if (!box)
        return;
    if (box->count() > 0) {
        QGraphicsLayoutItem *first = box->itemAt(0);
        box->removeAt(0);
        if (first != widget)
            delete first;
    }
    if (!widget)
        return;
    widget->setParentItem(this);
    box->addItem(widget);
}
