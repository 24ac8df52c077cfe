// SPDX-License-Identifier: MIT
#include "duiframeitemext.h"

#include "duilogging_p.h"

DUI_REGISTER_WIDGET(DuiFrameItemExt)

DuiFrameItemExt::DuiFrameItemExt(QGraphicsItem *parent)
    : DuiFrameItem(parent)
{
    init();
}

DuiFrameItemExt::DuiFrameItemExt(const QString &imagePath, DuiFrameItemDrawer::FrameType type, QGraphicsItem *parent)
    : DuiFrameItem(imagePath, type, parent)
{
    init();
}

void DuiFrameItemExt::init()
{
    setColorizePolicy(UnColorableFlag);
    setAcceptHoverEvents(true);
    setDragPolicy(NotDragWindow);
}

void DuiFrameItemExt::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    DuiFrameItem::hoverEnterEvent(event);
    qCDebug(lcDuiTheme) << "hoverEnterEvent";
    Q_EMIT enter();
}

void DuiFrameItemExt::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiFrameItem::hoverLeaveEvent(event);
    qCDebug(lcDuiTheme) << "hoverLeaveEvent";
    Q_EMIT leave();
}

void DuiFrameItemExt::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    Q_UNUSED(event);
}
