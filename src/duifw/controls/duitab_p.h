// SPDX-License-Identifier: MIT
#ifndef DUITAB_P_H
#define DUITAB_P_H

#include "duitab.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>

class DuiToolTip;
class QGraphicsPixmapItem;
class QGraphicsSimpleTextItem;

struct DuiTabRecord
{
    DuiFrameItem *frame = nullptr;
    QGraphicsSimpleTextItem *text = nullptr;
    QGraphicsPixmapItem *icon = nullptr; // child of the frame
    QString normalIcon;
    QString selectedIcon;
    QString toolTip;
    quint32 marginTop = 0;
    qint32 offset = 0;
    QRectF slot; // the tab's share of the bar, before its offset
};

class DuiTabPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiTab)
public:
    enum Image { Normal, Hover, Pressed, Selected, ImageCount };

    QList<DuiTabRecord> tabs;
    int current = -1;
    int hovered = -1;
    // An index asked for before there were tabs enough; taken up by setData.
    int requested = -1;
    QString images[ImageCount] = {
        QStringLiteral(":/theme/duifw/tab_normal.png"),
        QStringLiteral(":/theme/duifw/tab_hover.png"),
        QStringLiteral(":/theme/duifw/tab_pressdown.png"),
        QStringLiteral(":/theme/duifw/tab_selected.png"),
    };
    DuiFrameItem::DrawStyle drawStyle = DuiFrameItem::PixmapDrawStyle;
    QPointer<DuiToolTip> toolTip;
    bool toolTipsEnabled = false;
    DuiWidget::ColorizeWidgetFlag framePolicy = DuiWidget::UnColorableFlag;
};

#endif // DUITAB_P_H
