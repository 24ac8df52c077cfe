// SPDX-License-Identifier: MIT
#include "duicolorizepass_p.h"

#include "duiwidget.h"

#include <QtWidgets/qgraphicsitem.h>

void duiColorizeItems(const QList<QGraphicsItem *> &items, QRgb color)
{
    for (QGraphicsItem *item : items) {
        if (auto *widget = qobject_cast<DuiWidget *>(item->toGraphicsObject()))
            widget->colorize(color);
    }
}
