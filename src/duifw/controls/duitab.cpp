// SPDX-License-Identifier: MIT
#include "duitab.h"
#include "duitab_p.h"

#include "duiaccessibleevents_p.h"
#include "duiparent_p.h"
#include "duitheme.h"
#include "duitooltip.h"

#include <QtGui/qbrush.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicssceneevent.h>

#include <cmath>

DUI_REGISTER_WIDGET(DuiTab)

namespace {
// Room kept between a tab's edges and its text with icon; less than this shows the icon alone.
constexpr int kContentRoom = 8;
constexpr int kIconGap = 4;

QPixmap iconPixmap(const QString &path)
{
    return path.isEmpty() ? QPixmap() : DuiTheme::getImage(path, true);
}
} // namespace

DuiTab::DuiTab(QGraphicsItem *parent)
    : DuiWidget(*new DuiTabPrivate, parent)
{
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptHoverEvents(true);
    setDragPolicy(NotDragWindow);
    // Tab frames that accept hover for their tooltips would keep the bar's hover moves from it.
    setFiltersChildEvents(true);
}

DuiTab::~DuiTab() = default;

int DuiTab::insertItem(int index, const QString &text, const QString &imagePath, const QString &toolTip)
{
    return insertItem(index, text, imagePath, toolTip, 0, 0);
}

int DuiTab::insertItem(int index, const QString &text, const QString &imagePath, const QString &toolTip,
                       quint32 marginTop, qint32 offset)
{
    Q_D(DuiTab);
    const int count = int(d->tabs.size());
    const int at = (index < 0 || index > count) ? count : index;

    DuiTabRecord tab;
    tab.frame = new DuiFrameItem(d->images[DuiTabPrivate::Normal], DuiFrameItemDrawer::NinePieces, this);
    tab.frame->setColorizePolicy(d->framePolicy);
    duiSetParent(tab.frame, this);
    tab.frame->setObjectName(objectName() + QString::number(at));
    tab.text = new QGraphicsSimpleTextItem(text, this);
    tab.text->setBrush(QColor::fromRgba(DuiTheme::getColor(DuiTheme::DarkestColor)));
    const QStringList icons = imagePath.split(QLatin1Char('|'));
    tab.normalIcon = icons.value(0);
    tab.selectedIcon = icons.value(1);
    tab.icon = new QGraphicsPixmapItem(iconPixmap(tab.normalIcon), tab.frame);
    tab.frame->setImage(d->images[DuiTabPrivate::Normal], d->images[DuiTabPrivate::Hover],
                        d->images[DuiTabPrivate::Pressed], QString(), QString());
    tab.frame->setDrawStyle(d->drawStyle);
    tab.toolTip = toolTip;
    tab.marginTop = marginTop;
    tab.offset = offset;
    d->tabs.insert(at, tab);

    // The current and hovered tabs stay the same tabs.
    if (d->current >= at)
        ++d->current;
    if (d->hovered >= at)
        ++d->hovered;
    if (d->toolTipsEnabled)
        attachToolTip(at);
    relayout();
    return int(d->tabs.size());
}

void DuiTab::removeTab(int index)
{
    Q_D(DuiTab);
    if (index < 0 || index >= d->tabs.size())
        return;
    const bool wasCurrent = index == d->current;
    const DuiTabRecord tab = d->tabs.takeAt(index);
    delete tab.text;
    delete tab.frame; // and its icon
    if (d->hovered == index)
        d->hovered = -1;
    else if (d->hovered > index)
        --d->hovered;
    if (wasCurrent) {
        d->current = -1;
        if (!d->tabs.isEmpty())
            select(qMin(index, int(d->tabs.size()) - 1));
    } else if (d->current > index) {
        --d->current;
    }
    relayout();
}

int DuiTab::tabCount() const
{
    return int(d_func()->tabs.size());
}

int DuiTab::currentIndex() const
{
    return d_func()->current;
}

void DuiTab::setCurrentIndex(int index)
{
    Q_D(DuiTab);
    if (index < 0 || index >= d->tabs.size()) {
        d->requested = index;
        return;
    }
    d->requested = -1;
    select(index);
    Q_EMIT selectChanged(index);
}

void DuiTab::select(int index)
{
    Q_D(DuiTab);
    if (index == d->current || index < 0 || index >= d->tabs.size())
        return;
    if (d->current >= 0) {
        const DuiTabRecord &old = d->tabs.at(d->current);
        old.frame->setImage(d->images[DuiTabPrivate::Normal], d->images[DuiTabPrivate::Hover],
                            d->images[DuiTabPrivate::Pressed], QString(), QString());
        old.icon->setPixmap(iconPixmap(old.normalIcon));
    }
    d->current = index;
    duiAccessibleEvent(this, QAccessible::Selection, index);
    const DuiTabRecord &tab = d->tabs.at(index);
    const QString &selected = d->images[DuiTabPrivate::Selected];
    tab.frame->setImage(selected, selected, selected, QString(), QString());
    tab.icon->setPixmap(iconPixmap(tab.selectedIcon.isEmpty() ? tab.normalIcon : tab.selectedIcon));
    if (d->hovered == index)
        d->hovered = -1;
}

QString DuiTab::itemText(int index) const
{
    Q_D(const DuiTab);
    if (index < 0 || index >= d->tabs.size())
        return QString();
    return d->tabs.at(index).text->text();
}

DuiFrameItem *DuiTab::tabFrame(int index) const
{
    Q_D(const DuiTab);
    if (index < 0 || index >= d->tabs.size())
        return nullptr;
    return d->tabs.at(index).frame;
}

int DuiTab::tabAt(const QPointF &pos) const
{
    Q_D(const DuiTab);
    for (int i = 0; i < d->tabs.size(); ++i) {
        const QRectF &slot = d->tabs.at(i).slot;
        if (pos.x() >= slot.left() && pos.x() < slot.right())
            return i;
    }
    return -1;
}

void DuiTab::relayout()
{
    Q_D(DuiTab);
    const int n = int(d->tabs.size());
    if (n == 0)
        return;
    const qreal width = size().width(), height = size().height();
    const qreal share = std::trunc(width / n);
    for (int i = 0; i < n; ++i) {
        const qreal x = share * i;
        placeTab(i, QRectF(x, 0, i == n - 1 ? width - x : share, height));
    }
}

void DuiTab::placeTab(int index, const QRectF &slot)
{
    Q_D(DuiTab);
    DuiTabRecord &tab = d->tabs[index];
    tab.slot = slot;
    const qreal sw = slot.width(), sh = slot.height();
    tab.frame->setGeometry(slot.x() + tab.offset, slot.y(), sw, sh);
    const QSizeF iconSize = tab.icon->pixmap().deviceIndependentSize();
    const QRectF textBounds = tab.text->boundingRect();
    const int iw = int(iconSize.width()), tw = int(textBounds.width());
    const qreal ih = iconSize.height(), th = textBounds.height();
    if (tw + iw + kContentRoom >= sw) {
        tab.text->hide();
        tab.icon->setPos((sw - iw) / 2, (sh - ih) / 2);
        return;
    }
    tab.text->show();
    const qreal start = (sw - iw - tw) / 2;
    tab.icon->setPos(start, (sh - ih) / 2);
    qreal top = tab.marginTop;
    if (tab.marginTop == 0) {
        top = std::trunc((sh - th) / 2);
        // An odd leftover goes below the text's centre line, not above it.
        if (int(int(sh) - th) % 2 != 0)
            top += 1;
    }
    tab.text->setPos(slot.x() + start + (iw > 0 ? iw + kIconGap : 0), slot.y() + top);
}

void DuiTab::setTabImage(const QString &images)
{
    Q_D(DuiTab);
    const QStringList parts = images.split(QLatin1Char('|'));
    for (int i = 0; i < DuiTabPrivate::ImageCount && i < parts.size(); ++i)
        d->images[i] = parts.at(i);
    for (int i = 0; i < d->tabs.size(); ++i) {
        const DuiTabPrivate::Image image = i == d->current ? DuiTabPrivate::Selected
                                           : i == d->hovered ? DuiTabPrivate::Hover
                                                             : DuiTabPrivate::Normal;
        d->tabs.at(i).frame->setImage(d->images[image]);
    }
}

QString DuiTab::tabImage() const
{
    Q_D(const DuiTab);
    return QStringList(std::begin(d->images), std::end(d->images)).join(QLatin1Char('|'));
}

void DuiTab::setData(const QList<QVariant> &tabs)
{
    Q_D(DuiTab);
    const int requested = d->requested;
    for (const QVariant &entry : tabs) {
        const QVariantMap map = entry.toMap();
        insertItem(-1, map.value(QStringLiteral("text")).toString(), map.value(QStringLiteral("imagePath")).toString(),
                   map.value(QStringLiteral("toolTip")).toString(), map.value(QStringLiteral("marginTop")).toUInt(),
                   map.value(QStringLiteral("offset")).toInt());
    }
    setCurrentIndex(requested >= 0 && requested < d->tabs.size() ? requested : 0);
}

void DuiTab::setDrawStyle(DuiFrameItem::DrawStyle style)
{
    d_func()->drawStyle = style;
}

void DuiTab::setEnableToolTip(bool enable)
{
    Q_D(DuiTab);
    d->toolTipsEnabled = enable;
    if (!enable) {
        if (d->toolTip) {
            for (const DuiTabRecord &tab : std::as_const(d->tabs))
                d->toolTip->detachWidget(tab.frame);
        }
        return;
    }
    if (!d->toolTip)
        d->toolTip = new DuiToolTip(this);
    for (int i = 0; i < d->tabs.size(); ++i)
        attachToolTip(i);
}

void DuiTab::attachToolTip(int index)
{
    Q_D(DuiTab);
    const DuiTabRecord &tab = d->tabs.at(index);
    tab.frame->setToolTip(tab.toolTip);
    d->toolTip->attatchWidget(tab.frame);
}

DuiWidget::ColorizeWidgetFlag DuiTab::getColorizePolicy() const
{
    return UnColorableFlag;
}

void DuiTab::setColorizePolicy(ColorizeWidgetFlag policy)
{
    d_func()->framePolicy = policy;
}

void DuiTab::colorize(QRgb rgb)
{
    // Only the texts follow the skin; the bar carries no effect of its own.
    doColorize(rgb);
}

void DuiTab::doColorize(QRgb rgb)
{
    Q_UNUSED(rgb);
    const QBrush brush(QColor::fromRgba(DuiTheme::getColor(DuiTheme::DarkestColor)));
    for (const DuiTabRecord &tab : std::as_const(d_func()->tabs))
        tab.text->setBrush(brush);
}

void DuiTab::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    relayout();
}

void DuiTab::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiTab);
    const int index = tabAt(event->pos());
    if (index < 0 || index == d->current)
        return;
    select(index);
    Q_EMIT selectChanged(index);
}

void DuiTab::setHovered(int index)
{
    Q_D(DuiTab);
    if (index == d->hovered)
        return;
    if (d->hovered >= 0 && d->hovered != d->current)
        d->tabs.at(d->hovered).frame->setImage(d->images[DuiTabPrivate::Normal]);
    d->hovered = index;
    if (index >= 0 && index != d->current)
        d->tabs.at(index).frame->setImage(d->images[DuiTabPrivate::Hover]);
}

void DuiTab::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverMoveEvent(event);
    setHovered(tabAt(event->pos()));
}

void DuiTab::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverLeaveEvent(event);
    setHovered(-1);
}

bool DuiTab::sceneEventFilter(QGraphicsItem *watched, QEvent *event)
{
    Q_UNUSED(watched);
    if (event->type() == QEvent::GraphicsSceneHoverEnter || event->type() == QEvent::GraphicsSceneHoverMove)
        setHovered(tabAt(mapFromScene(static_cast<QGraphicsSceneHoverEvent *>(event)->scenePos())));
    return false;
}
