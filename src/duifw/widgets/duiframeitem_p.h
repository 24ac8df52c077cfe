// SPDX-License-Identifier: MIT
#ifndef DUIFRAMEITEM_P_H
#define DUIFRAMEITEM_P_H

#include "duiframeitem.h"
#include "duiwidget_p.h"

#include <QtCore/qmap.h>

class DUI_AUTOTEST_EXPORT DuiFrameItemPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiFrameItem)
public:
    enum Slot { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3, Checked = 4, SlotCount = 5 };

    QString paths[SlotCount];
    QMap<int, QPixmap> pixmaps;
    QBrush brushes[SlotCount];
    int frameType = DuiFrameItemDrawer::OnePiece;
    QMargins margins;
    bool hovered = false;
    bool pressed = false;
    bool enabled = true;
    bool checked = false;
    DuiFrameItem::DrawStyle drawStyle = DuiFrameItem::PixmapDrawStyle;
    DuiWidget::ColorizeWidgetFlag savedColorizePolicy = DuiWidget::FollowParent;
    QColor baseColor = QColor(Qt::transparent);
    QPainter::CompositionMode composeMode = QPainter::CompositionMode_SourceOver;
    QString backgroundMask;

    // Which state's image or brush applies; -1 when none of the special states does.
    int stateSlot(const QStyleOptionGraphicsItem *option, bool forBrush) const;
};

#endif // DUIFRAMEITEM_P_H
