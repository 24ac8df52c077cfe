// SPDX-License-Identifier: MIT
#include "duibackgrounditem.h"
#include "duibackgrounditem_p.h"

#include "duiframeitemdrawer.h"
#include "duilogging_p.h"
#include "duitheme_p.h"

#include <QtGui/qpainter.h>
#include <QtWidgets/qdrawutil.h>

DuiBackgroundItem::DuiBackgroundItem(QObject *parent)
    : QObject(parent)
    , d_data(new DuiBackgroundItemPrivate(this))
{
    Q_D(DuiBackgroundItem);
    d->shadowPixmap = DuiTheme::getImage(QStringLiteral(":/theme/common/shadow.png"), true);
    setGradientType(2);
}

DuiBackgroundItem::~DuiBackgroundItem() = default;

void DuiBackgroundItem::setBackgroundImage(const QString &path)
{
    Q_D(DuiBackgroundItem);
    d->backgroundImage = path;
}

QString DuiBackgroundItem::backgroundImage() const
{
    Q_D(const DuiBackgroundItem);
    return d->backgroundImage;
}

void DuiBackgroundItem::setDecorationImage(const QString &path)
{
    Q_D(DuiBackgroundItem);
    QImage image = DuiTheme::getImage(path, true).toImage();
    if (image.isNull()) {
        qCWarning(lcDuiWindow) << "decoration picture" << path << "cannot be loaded";
        return;
    }
    d->decorationColor = QColor::fromRgba(dominantColor(image));
    if (!image.hasAlphaChannel() || image.depth() != 32)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationAtop);
        DuiTheme::drawNinePiecesBoarder(&painter, image.rect(),
                                        DuiTheme::getImage(QStringLiteral(":/theme/common/decorate_fadeout.png"), true));
    }
    d->decoration = image;
}

bool DuiBackgroundItem::hasDecorationImage() const
{
    Q_D(const DuiBackgroundItem);
    return !d->decoration.isNull();
}

QColor DuiBackgroundItem::decorationColor() const
{
    Q_D(const DuiBackgroundItem);
    return d->decorationColor;
}

void DuiBackgroundItem::setGradientType(int type)
{
    Q_D(DuiBackgroundItem);
    static const char *const masks[] = {":/theme/common/mask_mainframe.png", ":/theme/common/mask_thicktitle.png",
                                        ":/theme/common/mask_dialog.png", ":/theme/common/mask_popup.png"};
    d->maskPixmap = (type >= 0 && type < 4) ? DuiTheme::getImage(QLatin1String(masks[type]), true) : QPixmap();
}

QPixmap DuiBackgroundItem::maskPixmap() const
{
    Q_D(const DuiBackgroundItem);
    return d->maskPixmap;
}

void DuiBackgroundItem::setShowBorderShadow(bool show)
{
    Q_D(DuiBackgroundItem);
    d->showBorderShadow = show;
}

bool DuiBackgroundItem::showBorderShadow() const
{
    Q_D(const DuiBackgroundItem);
    return d->showBorderShadow;
}

void DuiBackgroundItem::paint(QPainter *painter, const QRect &rect) const
{
    Q_D(const DuiBackgroundItem);
    if (!d->backgroundImage.isEmpty()) {
        DuiFrameItemDrawer(d->backgroundImage, DuiFrameItemDrawer::NinePieces).draw(rect, painter);
        return;
    }
    QColor fill;
    QPixmap picture;
    if (!d->decoration.isNull()) {
        fill = d->decorationColor;
        picture = QPixmap::fromImage(d->decoration);
    } else {
        fill = DuiTheme::decorationBackgroundColor();
        picture = DuiTheme::decorationImage();
    }
    painter->fillRect(rect, fill);
    if (!picture.isNull()) {
        if (DuiTheme::decorationFillMode() == DuiTheme::Tile)
            qDrawBorderPixmap(painter, rect, QMargins(), picture, picture.rect(), QMargins(), QTileRules(Qt::RepeatTile));
        else
            painter->drawPixmap(QPoint(0, 0), picture);
    }
    if (!d->maskPixmap.isNull())
        DuiTheme::drawNinePiecesBoarder(painter, rect, d->maskPixmap);
    if (d->showBorderShadow)
        DuiTheme::drawNinePiecesBoarder(painter, rect, d->shadowPixmap);
}
