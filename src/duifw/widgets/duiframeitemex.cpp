// SPDX-License-Identifier: MIT
#include "duiframeitemex.h"
#include "duiframeitemex_p.h"

#include "duiframeitem.h"
#include "duiparent_p.h"

#include <QtWidgets/qgraphicssceneevent.h>

DUI_REGISTER_WIDGET(DuiFrameItemEx)

DuiFrameItemEx::DuiFrameItemEx(QGraphicsItem *parent)
    : DuiWidget(*new DuiFrameItemExPrivate, parent)
{
    Q_D(DuiFrameItemEx);
    d->frameItem = new DuiFrameItem(this);
    duiSetParent(d->frameItem, this);
    DuiWidget::setColorizePolicy(ColorableFlag);
}

DuiFrameItemEx::DuiFrameItemEx(const QString &imagePath, DuiFrameItemDrawer::FrameType type, QGraphicsItem *parent)
    : DuiFrameItemEx(parent)
{
    Q_D(DuiFrameItemEx);
    d->frameItem->setImage(imagePath);
    d->frameItem->setFrameType(int(type));
}

DuiFrameItemEx::~DuiFrameItemEx() = default;

DuiFrameItem *DuiFrameItemEx::frameItem() const
{
    return d_func()->frameItem;
}

void DuiFrameItemEx::setImage(const QString &path)
{
    d_func()->frameItem->setImage(path);
}

void DuiFrameItemEx::setImage(const QString &normal, const QString &hover, const QString &pressed)
{
    d_func()->frameItem->setImage(normal, hover, pressed, QString(), QString());
}

QString DuiFrameItemEx::imagePath() const
{
    return d_func()->frameItem->imagePath();
}

void DuiFrameItemEx::setPressed(bool pressed)
{
    d_func()->frameItem->setPressed(pressed);
}

void DuiFrameItemEx::setFrameType(int type)
{
    d_func()->frameItem->setFrameType(type);
}

void DuiFrameItemEx::setFrameType(const QString &name)
{
    d_func()->frameItem->setFrameType(name);
}

int DuiFrameItemEx::frameType() const
{
    return d_func()->frameItem->frameType();
}

void DuiFrameItemEx::setAcceptClick(bool accept)
{
    d_func()->acceptClick = accept;
}

bool DuiFrameItemEx::acceptClick() const
{
    return d_func()->acceptClick;
}

void DuiFrameItemEx::setAcceptHover(bool accept)
{
    d_func()->acceptHover = accept;
    setAcceptHoverEvents(accept);
    setDragPolicy(accept ? NotDragWindow : DragWithParentFlag);
}

bool DuiFrameItemEx::acceptHover() const
{
    return d_func()->acceptHover;
}

void DuiFrameItemEx::setAcceptDoubleClick(bool accept)
{
    d_func()->acceptDoubleClick = accept;
}

bool DuiFrameItemEx::acceptDoubleClick() const
{
    return d_func()->acceptDoubleClick;
}

void DuiFrameItemEx::setAcceptRightClick(bool accept)
{
    d_func()->acceptRightClick = accept;
}

bool DuiFrameItemEx::acceptRightClick() const
{
    return d_func()->acceptRightClick;
}

void DuiFrameItemEx::colorize(QRgb rgb)
{
    d_func()->frameItem->colorize(rgb);
}

void DuiFrameItemEx::setColorizePolicy(ColorizeWidgetFlag policy)
{
    d_func()->frameItem->setColorizePolicy(policy);
}

void DuiFrameItemEx::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    d_func()->frameItem->setGeometry(QRectF(QPointF(0, 0), event->newSize()));
}

void DuiFrameItemEx::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiFrameItemEx);
    if (d->acceptClick && rect().contains(event->pos())) {
        if (event->button() == Qt::LeftButton) {
            Q_EMIT clicked();
            event->accept();
            return;
        }
        if (event->button() == Qt::RightButton) {
            Q_EMIT rightClicked();
            event->accept();
            return;
        }
    }
    DuiWidget::mousePressEvent(event);
}

void DuiFrameItemEx::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    DuiWidget::mousePressEvent(event);
}

void DuiFrameItemEx::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiFrameItemEx);
    if (event->button() == Qt::LeftButton && d->acceptDoubleClick && rect().contains(event->pos()))
        Q_EMIT doubleClicked();
}

void DuiFrameItemEx::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverEnterEvent(event);
    Q_EMIT entered();
}

void DuiFrameItemEx::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverLeaveEvent(event);
    Q_EMIT leaved();
}

void DuiFrameItemEx::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverMoveEvent(event);
}
