// SPDX-License-Identifier: MIT
#include "duilistitem.h"
#include "duilistitem_p.h"

#include "duiframeitem.h"
#include "duilabelwidget.h"
#include "duiparent_p.h"
#include "duitheme.h"

#include <QtGui/qpainter.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qstyle.h>
#include <QtWidgets/qstyleoption.h>

namespace {

bool hasText(const QStandardItem *item)
{
    return item && !item->text().isEmpty();
}

} // namespace

DuiDefaultListItem::DuiDefaultListItem(QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiDefaultListItem(*new DuiDefaultListItemPrivate, modelItem, parent)
{
}

DuiDefaultListItem::DuiDefaultListItem(DuiDefaultListItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiAbstractViewItem(dd, modelItem, parent)
{
    _init();
}

DuiDefaultListItem::~DuiDefaultListItem() = default;

void DuiDefaultListItem::_init()
{
    Q_D(DuiDefaultListItem);
    d->selectionFrame = new DuiFrameItem(this);
    duiSetParent(d->selectionFrame, this);
    d->selectionFrame->setImage(QStringLiteral(":/theme/mainframe/button_setting_down.png"), QString(), QString(),
                                QString(), QString());
    d->selectionFrame->setColorizePolicy(ColorableFlag);
    d->selectionFrame->setAcceptHoverEvents(false);
    d->selectionFrame->setAcceptedMouseButtons(Qt::NoButton);
    d->selectionFrame->setThemeColorType(7);
    d->selectionFrame->hide();

    // Made before it joins the scene: a label sets its clipping flag in its constructor, and a
    // flag change of an item in an indexed scene scans every item not yet indexed.
    d->label = new DuiLabelWidget;
    duiSetParent(d->label, this);
    d->label->setAcceptedMouseButtons(Qt::NoButton);
    if (modelItem())
        d->label->setText(modelItem()->text());

    d->hoverPixmap = DuiTheme::getImage(QStringLiteral(":/theme/duifw/list_item_hover.png"), true);
}

void DuiDefaultListItem::activated()
{
    d_func()->selectionFrame->setVisible(isSelected());
}

DuiAbstractViewItem *DuiDefaultListItem::createItem(QStandardItem *item, QGraphicsItem *parent)
{
    return new DuiDefaultListItem(item, parent);
}

QSizeF DuiDefaultListItem::calcPreferredSize(qreal width)
{
    return QSizeF(width, 24);
}

void DuiDefaultListItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    DuiAbstractViewItem::paint(painter, option, widget);
    Q_D(DuiDefaultListItem);
    if ((option->state & QStyle::State_MouseOver) && !d->hoverPixmap.isNull())
        painter->drawPixmap(rect(), d->hoverPixmap, QRectF(d->hoverPixmap.rect()));
}

void DuiDefaultListItem::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiAbstractViewItem::resizeEvent(event);
    Q_D(DuiDefaultListItem);
    const QSizeF size = event->newSize();
    d->label->setGeometry(5, 0, size.width(), size.height());
    d->selectionFrame->setGeometry(0, 0, size.width(), size.height());
}

DuiListItem::DuiListItem(QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiListItem(*new DuiListItemPrivate, modelItem, parent)
{
}

DuiListItem::DuiListItem(DuiListItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiAbstractViewItem(dd, modelItem, parent)
{
}

DuiListItem::~DuiListItem() = default;

DuiAbstractViewItem *DuiListItem::createItem(QStandardItem *item, QGraphicsItem *parent)
{
    return hasText(item) ? new DuiListItem(item, parent) : nullptr;
}

QSizeF DuiListItem::calcPreferredSize(qreal width)
{
    return QSizeF(width, 24);
}

DuiListColorItem::DuiListColorItem(QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiListColorItem(*new DuiListColorItemPrivate, modelItem, parent)
{
}

DuiListColorItem::DuiListColorItem(DuiListColorItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiListItem(dd, modelItem, parent)
{
}

DuiListColorItem::~DuiListColorItem() = default;

DuiAbstractViewItem *DuiListColorItem::createItem(QStandardItem *item, QGraphicsItem *parent)
{
    return hasText(item) ? new DuiListColorItem(item, parent) : nullptr;
}

QSizeF DuiListColorItem::calcPreferredSize(qreal width)
{
    return QSizeF(width, 18);
}

void DuiListColorItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    DuiListItem::paint(painter, option, widget);
    const QColor highlight(51, 153, 255);
    const QRectF r = rect();
    if ((option->state & QStyle::State_MouseOver) || isSelected()) {
        painter->setPen(Qt::white);
        painter->setBrush(highlight);
        painter->drawRect(r);
    }
    if (!modelItem())
        return;
    const QColor swatch(QRgb(modelItem()->text().toUInt(nullptr, 16)));
    painter->setPen(highlight);
    painter->setBrush(swatch);
    painter->drawRect(QRectF(r.x() + 2, r.y() + 2, r.width() - 4, r.height() - 4));
}
