// SPDX-License-Identifier: MIT
#ifndef DUIFRAMEITEMEXT_H
#define DUIFRAMEITEMEXT_H

#include "duiframeitem.h"

// A frame item that tells when the mouse enters and leaves it. It keeps its own look (never
// colorized) and does not drag the window.
class DUI_EXPORT DuiFrameItemExt : public DuiFrameItem
{
    Q_OBJECT
public:
    explicit DuiFrameItemExt(QGraphicsItem *parent = nullptr);
    DuiFrameItemExt(const QString &imagePath, DuiFrameItemDrawer::FrameType type, QGraphicsItem *parent = nullptr);

Q_SIGNALS:
    void enter();
    void leave();

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    void init();

    DUI_DECLARE_WIDGET_CREATOR(DuiFrameItemExt)
};

#endif // DUIFRAMEITEMEXT_H
