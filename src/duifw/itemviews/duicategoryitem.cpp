// SPDX-License-Identifier: MIT
#include "duicategoryitem.h"
#include "duicategoryitem_p.h"

#include "duitheme.h"

#include <QtGui/qpainter.h>
#include <QtGui/qpixmapcache.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qstyle.h>
#include <QtWidgets/qstyleoption.h>

namespace {

constexpr int kHeaderType = DuiCategoryHeaderItem::ModelItemType;
constexpr int kCategoryType = DuiCategoryItem::ModelItemType;
constexpr qreal kHeaderHeight = 26;
constexpr qreal kCategoryHeight = 50;
const char kSelectImage[] = ":/theme/duifw/list_item_select.png";
const char kHoverImage[] = ":/theme/duifw/list_item_hover.png";
const char kExpandIcon[] = ":/theme/duifw/tree_expand_icon.png";
const char kCollapseIcon[] = ":/theme/duifw/tree_collapse_icon.png";

QRgb strongColor()
{
    return DuiTheme::getColor(DuiTheme::StrongColor);
}

// The skin image screened with the theme colour, kept in Qt's pixmap cache per colour.
QPixmap tinted(const char *path, QRgb color)
{
    const QString key = QStringLiteral("duitree:%1:%2").arg(QLatin1String(path)).arg(color, 8, 16);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const QPixmap source = DuiTheme::getImage(QLatin1String(path), true);
    if (source.isNull())
        return source;
    pixmap = QPixmap::fromImage(DuiTheme::colorizeImage(source.toImage(), QColor::fromRgb(color)));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void drawNineGrid(QPainter *painter, const QRectF &rect, const QPixmap &pixmap)
{
    if (!pixmap.isNull())
        DuiTheme::drawNinePiecesBoarder(painter, rect.toAlignedRect(), pixmap);
}

} // namespace

namespace DuiTreeSkin {

void drawSelected(QPainter *painter, const QRectF &rect)
{
    drawNineGrid(painter, rect, tinted(kSelectImage, strongColor()));
}

void drawHovered(QPainter *painter, const QRectF &rect)
{
    const QPixmap hover = DuiTheme::getImage(QLatin1String(kHoverImage), true);
    if (!hover.isNull())
        painter->drawPixmap(rect, hover, QRectF(hover.rect()));
}

QPixmap folderIcon(bool expanded)
{
    return tinted(expanded ? kExpandIcon : kCollapseIcon, strongColor());
}

} // namespace DuiTreeSkin

// ---- DuiCategoryHeaderItem

DuiCategoryHeaderItem::DuiCategoryHeaderItem(QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiCategoryHeaderItem(*new DuiCategoryHeaderItemPrivate, modelItem, parent)
{
}

DuiCategoryHeaderItem::DuiCategoryHeaderItem(DuiCategoryHeaderItemPrivate &dd, QStandardItem *modelItem,
                                             QGraphicsItem *parent)
    : DuiTreeViewItem(dd, modelItem, parent)
{
    init();
}

DuiCategoryHeaderItem::~DuiCategoryHeaderItem() = default;

void DuiCategoryHeaderItem::init()
{
    Q_D(DuiCategoryHeaderItem);
    setColorizePolicy(ColorableFlag);
    d->icon = new QGraphicsPixmapItem(DuiTheme::getImage(QLatin1String(kCollapseIcon), true), this);
    d->icon->setPos(10, 8);
    d->iconTint = new QGraphicsColorizeEffect;
    d->iconTint->setColor(QColor::fromRgb(strongColor()));
    d->icon->setGraphicsEffect(d->iconTint);
    d->text = new QGraphicsSimpleTextItem(this);
    QFont font = d->text->font();
    font.setBold(true);
    d->text->setFont(font);
    d->text->setBrush(QColor(0x33, 0x3B, 0x44));
    dataChanged();
}

DuiTreeViewItem *DuiCategoryHeaderItem::createItem(QStandardItem *item, QGraphicsItem *parent)
{
    return item && item->type() == kHeaderType ? new DuiCategoryHeaderItem(item, parent) : nullptr;
}

bool DuiCategoryHeaderItem::isFolder() const
{
    return true;
}

void DuiCategoryHeaderItem::dataChanged()
{
    Q_D(DuiCategoryHeaderItem);
    d->text->setText(modelItem() ? modelItem()->text() : QString());
    d->text->setPos(26, qRound((size().height() - d->text->boundingRect().height()) / 2));
}

void DuiCategoryHeaderItem::expandedChanged()
{
    Q_D(DuiCategoryHeaderItem);
    d->icon->setPixmap(DuiTheme::getImage(QLatin1String(isExpanded() ? kExpandIcon : kCollapseIcon), true));
}

void DuiCategoryHeaderItem::selectedChanged()
{
    update();
}

QSizeF DuiCategoryHeaderItem::calcPreferredSize(qreal width)
{
    return QSizeF(width, kHeaderHeight);
}

void DuiCategoryHeaderItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    DuiTreeViewItem::paint(painter, option, widget);
    if (isSelected())
        DuiTreeSkin::drawSelected(painter, rect());
    else if (option->state & QStyle::State_MouseOver)
        DuiTreeSkin::drawHovered(painter, rect());
}

void DuiCategoryHeaderItem::doColorize(QRgb)
{
    // Only the arrow takes the theme colour; the row keeps its own colours.
    d_func()->iconTint->setColor(QColor::fromRgb(strongColor()));
    update();
}

void DuiCategoryHeaderItem::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiTreeViewItem::resizeEvent(event);
    dataChanged();
}

// ---- DuiCategoryItem

DuiCategoryItem::DuiCategoryItem(QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiCategoryItem(*new DuiCategoryItemPrivate, modelItem, parent)
{
}

DuiCategoryItem::DuiCategoryItem(DuiCategoryItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiTreeViewItem(dd, modelItem, parent)
{
}

DuiCategoryItem::~DuiCategoryItem() = default;

DuiTreeViewItem *DuiCategoryItem::createItem(QStandardItem *item, QGraphicsItem *parent)
{
    return item && item->type() == kCategoryType ? new DuiCategoryItem(item, parent) : nullptr;
}

void DuiCategoryItem::dataChanged()
{
    update();
}

void DuiCategoryItem::selectedChanged()
{
    update();
}

QSizeF DuiCategoryItem::calcPreferredSize(qreal width)
{
    return QSizeF(width, kCategoryHeight);
}

void DuiCategoryItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    DuiTreeViewItem::paint(painter, option, widget);
    const QRectF r = rect();
    if (isSelected())
        DuiTreeSkin::drawSelected(painter, r);
    else if (option->state & QStyle::State_MouseOver)
        DuiTreeSkin::drawHovered(painter, r);
    const QStandardItem *item = modelItem();
    if (!item)
        return;
    const QSize iconSize(40, 40);
    const QPixmap icon = item->icon().pixmap(iconSize);
    if (!icon.isNull())
        painter->drawPixmap(QRectF(QPointF(30, 5), QSizeF(iconSize)), icon, QRectF(icon.rect()));
    painter->setPen(QColor(0x33, 0x3B, 0x44));
    painter->drawText(r.adjusted(80, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter, item->text());
}
