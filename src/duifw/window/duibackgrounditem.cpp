// SPDX-License-Identifier: MIT
#include "duibackgrounditem.h"

#include "duiframeitemdrawer.h"
#include "duilogging_p.h"
#include "duitheme_p.h"

#include <QtGui/qpainter.h>
#include <QtWidgets/qdrawutil.h>

DuiBackgroundItem::DuiBackgroundItem(QObject *parent)
    : QObject(parent)
    , m_shadowPixmap(DuiTheme::getImage(QStringLiteral(":/theme/common/shadow.png"), true))
{
    setGradientType(2);
}

DuiBackgroundItem::~DuiBackgroundItem() = default;

void DuiBackgroundItem::setBackgroundImage(const QString &path)
{
    m_backgroundImage = path;
}

QString DuiBackgroundItem::backgroundImage() const
{
    return m_backgroundImage;
}

void DuiBackgroundItem::setDecorationImage(const QString &path)
{
    QImage image = DuiTheme::getImage(path, true).toImage();
    if (image.isNull()) {
        qCWarning(lcDuiWindow) << "decoration picture" << path << "cannot be loaded";
        return;
    }
    m_decorationColor = QColor::fromRgba(dominantColor(image));
    if (!image.hasAlphaChannel() || image.depth() != 32)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationAtop);
        DuiTheme::drawNinePiecesBoarder(&painter, image.rect(),
                                        DuiTheme::getImage(QStringLiteral(":/theme/common/decorate_fadeout.png"), true));
    }
    m_decoration = image;
}

bool DuiBackgroundItem::hasDecorationImage() const
{
    return !m_decoration.isNull();
}

QColor DuiBackgroundItem::decorationColor() const
{
    return m_decorationColor;
}

void DuiBackgroundItem::setGradientType(int type)
{
    static const char *const masks[] = {":/theme/common/mask_mainframe.png", ":/theme/common/mask_thicktitle.png",
                                        ":/theme/common/mask_dialog.png", ":/theme/common/mask_popup.png"};
    m_maskPixmap = (type >= 0 && type < 4) ? DuiTheme::getImage(QLatin1String(masks[type]), true) : QPixmap();
}

QPixmap DuiBackgroundItem::maskPixmap() const
{
    return m_maskPixmap;
}

void DuiBackgroundItem::setShowBorderShadow(bool show)
{
    m_showBorderShadow = show;
}

bool DuiBackgroundItem::showBorderShadow() const
{
    return m_showBorderShadow;
}

void DuiBackgroundItem::paint(QPainter *painter, const QRect &rect) const
{
    if (!m_backgroundImage.isEmpty()) {
        DuiFrameItemDrawer(m_backgroundImage, DuiFrameItemDrawer::NinePieces).draw(rect, painter);
        return;
    }
    QColor fill;
    QPixmap picture;
    if (!m_decoration.isNull()) {
        fill = m_decorationColor;
        picture = QPixmap::fromImage(m_decoration);
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
    if (!m_maskPixmap.isNull())
        DuiTheme::drawNinePiecesBoarder(painter, rect, m_maskPixmap);
    if (m_showBorderShadow)
        DuiTheme::drawNinePiecesBoarder(painter, rect, m_shadowPixmap);
}
