// SPDX-License-Identifier: MIT
#include "duilistctrrowwidget.h"
#include "duilistctrl_p.h"

#include "duiaccessibleevents_p.h"
#include "duiframeitem.h"

#include <QtCore/qpointer.h>
#include <QtWidgets/qgraphicssceneevent.h>

DuiListCtrRowWidget::DuiListCtrRowWidget(QGraphicsItem *parent)
    : DuiFrameItemEx(parent)
    , rowd(new DuiListCtrRowWidgetPrivate)
{
    rowd->normal2Image = QStringLiteral(":/theme/duifw/KelvoCtrls/list_row_normal2.png");
    rowd->normal1Image = QStringLiteral(":/theme/duifw/KelvoCtrls/list_row_normal1.png");
    rowd->activeImage = QStringLiteral(":/theme/duifw/KelvoCtrls/list_row_active.png");
    rowd->chosenImage = QStringLiteral(":/theme/duifw/KelvoCtrls/list_row_chosen.png");
    setFrameType(int(DuiFrameItemDrawer::OnePiece));
    setFlag(ItemClipsChildrenToShape);
    setAcceptHoverEvents(true);
    setDragPolicy(NotDragWindow);
    // No hover or pressed image until the row is chosen: the row's status picks its look.
    frameItem()->setImage(rowd->normal1Image, QString(), QString(), QString(), QString());
}

DuiListCtrRowWidget::~DuiListCtrRowWidget() = default;

int DuiListCtrRowWidget::rowNumber() const
{
    return rowd->rowNumber;
}

void DuiListCtrRowWidget::setRowNumber(int row)
{
    if (row == rowd->rowNumber)
        return;
    const bool parityChanged = (row & 1) != (rowd->rowNumber & 1);
    rowd->rowNumber = row;
    if (parityChanged && rowd->status == Normal)
        applyLook();
}

int DuiListCtrRowWidget::status() const
{
    return rowd->status;
}

void DuiListCtrRowWidget::setStatus(int status)
{
    if (status < Normal || status > Chosen || status == rowd->status)
        return;
    const bool wasSelected = rowd->status != Normal;
    rowd->status = status;
    applyLook();
    if (wasSelected != (status != Normal))
        duiAccessibleEvent(this, wasSelected ? QAccessible::SelectionRemove : QAccessible::SelectionAdd);
}

void DuiListCtrRowWidget::setRowImages(const QString &normal2, const QString &normal1, const QString &active,
                                       const QString &chosen)
{
    rowd->normal2Image = normal2;
    rowd->normal1Image = normal1;
    rowd->activeImage = active;
    rowd->chosenImage = chosen;
    applyLook();
}

QString DuiListCtrRowWidget::normal2Image() const
{
    return rowd->normal2Image;
}

QString DuiListCtrRowWidget::normal1Image() const
{
    return rowd->normal1Image;
}

QString DuiListCtrRowWidget::activeImage() const
{
    return rowd->activeImage;
}

QString DuiListCtrRowWidget::chosenImage() const
{
    return rowd->chosenImage;
}

void DuiListCtrRowWidget::applyLook()
{
    // One image per state, chosen here rather than by the frame item's hover tracking: the
    // list decides which row is active, also for rows it activates from code or keys.
    DuiFrameItem *frame = frameItem();
    if (rowd->status == Chosen) {
        frame->setImage(rowd->chosenImage, QString(), rowd->chosenImage, QString(), QString());
        frame->setPressed(true);
        return;
    }
    const QString &path = rowd->status == Active ? rowd->activeImage
                          : rowd->rowNumber % 2 == 0 ? rowd->normal2Image
                                                     : rowd->normal1Image;
    // Renumbering swaps many rows' images at once: only the one image a row shows is set.
    if (frame->isPressed())
        frame->setPressed(false);
    if (frame->imagePath() != path)
        frame->setImage(path);
}

void DuiListCtrRowWidget::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    // A receiver may remove this row (it then only hides) or delete the whole list.
    const QPointer<DuiListCtrRowWidget> self(this);
    // The number reported must count the rows inserted since the last layout pass.
    if (rowd->list)
        rowd->list->layoutRows();
    rowd->pressing = true;
    Q_EMIT list_row_pressed(rowd->rowNumber);
    if (self)
        rowd->pressing = false;
}

void DuiListCtrRowWidget::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
}

void DuiListCtrRowWidget::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    DuiFrameItemEx::hoverEnterEvent(event);
    if (rowd->list)
        rowd->list->layoutRows();
    if (rowd->status == Chosen)
        return;
    setStatus(Active);
    Q_EMIT list_row_actived(rowd->rowNumber);
}

void DuiListCtrRowWidget::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiFrameItemEx::hoverLeaveEvent(event);
    if (rowd->list)
        rowd->list->layoutRows();
    if (rowd->status == Chosen)
        return;
    setStatus(Normal);
    Q_EMIT list_row_unactived(rowd->rowNumber);
}
