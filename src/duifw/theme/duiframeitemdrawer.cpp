// SPDX-License-Identifier: MIT
#include "duiframeitemdrawer.h"

#include "duitheme.h"

#include <QtCore/qhash.h>
#include <QtGui/qpainter.h>
#include <QtGui/qregion.h>

namespace {

// Pieces are cut and placed in logical pixels; only the source rectangles are in the image's
// device pixels, so an "@2x" image draws exactly where its plain twin would, at twice the detail.
QSize logicalSize(const QPixmap &pixmap)
{
    return pixmap.deviceIndependentSize().toSize();
}

QRectF source(const QPixmap &pixmap, int x, int y, int w, int h)
{
    const qreal ratio = pixmap.devicePixelRatio();
    return QRectF(x * ratio, y * ratio, w * ratio, h * ratio);
}

} // namespace

DuiFrameItemDrawer::DuiFrameItemDrawer(const QString &path, FrameType type)
    : m_pixmap(DuiTheme::getImage(path, true))
    , m_frameType(type)
{
}

DuiFrameItemDrawer::DuiFrameItemDrawer(const QPixmap &pixmap, FrameType type)
    : m_pixmap(pixmap)
    , m_frameType(type)
{
}

DuiFrameItemDrawer::FrameType DuiFrameItemDrawer::frameTypeFromName(const QString &name)
{
    static const QHash<QString, FrameType> names = {
        {QStringLiteral("OnePiece"), OnePiece},
        {QStringLiteral("OneLineHorizontalTile"), OneLineHorizontalTile},
        {QStringLiteral("MultLineHorizontalTile"), MultLineHorizontalTile},
        {QStringLiteral("ThreePiecesHorizontal"), ThreePiecesHorizontal},
        {QStringLiteral("ThreePiecesHorizontalMid"), ThreePiecesHorizontalMid},
        {QStringLiteral("ThreePiecesVertical"), ThreePiecesVertical},
        {QStringLiteral("ThreePiecesVerticalMid"), ThreePiecesVerticalMid},
        {QStringLiteral("NinePieces"), NinePieces},
        {QStringLiteral("OnePieceNoScale"), OnePieceNoScale},
    };
    return names.value(name, OnePiece);
}

void DuiFrameItemDrawer::draw(const QRect &rect, QPainter *painter, const QMargins &margins) const
{
    if (!painter)
        return;
    const QSize size = logicalSize(m_pixmap);
    const int w = size.width();
    const int h = size.height();
    switch (m_frameType) {
    case OnePiece:
        drawOnePiece(rect, painter, margins);
        break;
    case OnePieceNoScale:
        clipToMargins(rect, painter, margins);
        painter->drawPixmap(QPointF(rect.topLeft()), m_pixmap, source(m_pixmap, 0, 0, rect.width(), rect.height()));
        break;
    case OneLineHorizontalTile:
        if (w > 0 && h > 0)
            painter->drawTiledPixmap(QRect(rect.topLeft(), QSize(rect.width(), qMin(h, rect.height()))), m_pixmap);
        break;
    case MultLineHorizontalTile:
        if (w > 0 && h > 0)
            painter->drawTiledPixmap(rect, m_pixmap);
        break;
    case ThreePiecesHorizontal:
        drawThreeHorizontal(rect, painter, false);
        break;
    case ThreePiecesHorizontalMid:
        drawThreeHorizontal(rect, painter, true);
        break;
    case ThreePiecesVertical:
        drawThreeVertical(rect, painter, false);
        break;
    case ThreePiecesVerticalMid:
        drawThreeVertical(rect, painter, true);
        break;
    case NinePieces:
        if (rect.size() == size)
            drawOnePiece(rect, painter, margins);
        else
            drawNinePieces(rect, painter, margins);
        break;
    }
}

void DuiFrameItemDrawer::clipToMargins(const QRect &rect, QPainter *painter, const QMargins &margins) const
{
    if (margins.isNull())
        return;
    const QRect inner(QPoint(rect.left() + margins.left(), rect.top() + margins.top()),
                      QPoint(rect.right() - margins.right(), rect.bottom() - margins.bottom()));
    // Intersected, not replaced: a clip the painter already has (a clipping parent item, a scroll
    // view's viewport) must still hold, or the ring would be painted outside it.
    painter->setClipRegion(QRegion(rect).subtracted(QRegion(inner)), Qt::IntersectClip);
}

void DuiFrameItemDrawer::drawOnePiece(const QRect &rect, QPainter *painter, const QMargins &margins) const
{
    clipToMargins(rect, painter, margins);
    painter->drawPixmap(rect, m_pixmap);
}

// Left cap, stretched middle, right cap. Caps shrink to a third of a narrow rectangle, unless
// keepCaps is set: then the caps keep their size and the middle is left out when there is no
// room for it.
void DuiFrameItemDrawer::drawThreeHorizontal(const QRect &rect, QPainter *painter, bool keepCaps) const
{
    const QSize size = logicalSize(m_pixmap);
    const int w = size.width();
    const int h = size.height();
    if (w <= 0 || h <= 0 || rect.isEmpty())
        return;
    int b = w / 3;
    if (!keepCaps && rect.width() < 2 * b)
        b = rect.width() / 3;
    const int m = w - 2 * b;
    const int left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
    painter->drawPixmap(QPointF(left, top), m_pixmap, source(m_pixmap, 0, 0, b, h));
    if (!keepCaps || 2 * b < rect.width())
        painter->drawPixmap(QRectF(QRect(QPoint(left + b, top), QPoint(right - b, bottom))), m_pixmap, source(m_pixmap, b, 0, m, h));
    painter->drawPixmap(QPointF(right - b + 1, top), m_pixmap, source(m_pixmap, w - b, 0, b, h));
}

void DuiFrameItemDrawer::drawThreeVertical(const QRect &rect, QPainter *painter, bool keepCaps) const
{
    const QSize size = logicalSize(m_pixmap);
    const int w = size.width();
    const int h = size.height();
    if (w <= 0 || h <= 0 || rect.isEmpty())
        return;
    int b = h / 3;
    if (!keepCaps && rect.height() < 2 * b)
        b = rect.height() / 3;
    const int m = h - 2 * b;
    const int left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
    painter->drawPixmap(QPointF(left, top), m_pixmap, source(m_pixmap, 0, 0, w, b));
    if (!keepCaps || 2 * b < rect.height())
        painter->drawPixmap(QRectF(QRect(QPoint(left, top + b), QPoint(right, bottom - b))), m_pixmap, source(m_pixmap, 0, b, w, m));
    painter->drawPixmap(QPointF(left, bottom - b + 1), m_pixmap, source(m_pixmap, 0, h - b, w, b));
}

void DuiFrameItemDrawer::drawNinePieces(const QRect &rect, QPainter *painter, const QMargins &margins) const
{
    if (rect.width() < 1 || rect.height() < 1)
        return;
    const QSize size = logicalSize(m_pixmap);
    const int w = size.width();
    const int h = size.height();
    if (w == 0 || h == 0) {
        painter->fillRect(rect, Qt::transparent);
        return;
    }
    const int b = w / 3;
    const int c = h / 3;
    const int mw = w - 2 * b;
    const int mh = h - 2 * c;
    clipToMargins(rect, painter, margins);

    const auto target = [](const QPoint &topLeft, const QPoint &bottomRight) { return QRectF(QRect(topLeft, bottomRight)); };
    const int left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
    painter->drawPixmap(QPointF(left, top), m_pixmap, source(m_pixmap, 0, 0, b, c));
    painter->drawPixmap(QPointF(right - b + 1, top), m_pixmap, source(m_pixmap, w - b, 0, b, c));
    painter->drawPixmap(QPointF(left, bottom - c + 1), m_pixmap, source(m_pixmap, 0, h - c, b, c));
    painter->drawPixmap(QPointF(right - b + 1, bottom - c + 1), m_pixmap, source(m_pixmap, w - b, h - c, b, c));

    const bool horizontalRoom = 2 * b < rect.width();
    const bool verticalRoom = 2 * c < rect.height();
    if (horizontalRoom) {
        painter->drawPixmap(target(QPoint(left + b, top), QPoint(right - b, top + c - 1)), m_pixmap, source(m_pixmap, b, 0, mw, c));
        painter->drawPixmap(target(QPoint(left + b, bottom - c + 1), QPoint(right - b, bottom)), m_pixmap, source(m_pixmap, b, h - c, mw, c));
    }
    if (verticalRoom) {
        painter->drawPixmap(target(QPoint(left, top + c), QPoint(left + b - 1, bottom - c)), m_pixmap, source(m_pixmap, 0, c, b, mh));
        painter->drawPixmap(target(QPoint(right - b + 1, top + c), QPoint(right, bottom - c)), m_pixmap, source(m_pixmap, w - b, c, b, mh));
    }
    if (horizontalRoom && verticalRoom)
        painter->drawPixmap(target(QPoint(left + b, top + c), QPoint(right - b, bottom - c)), m_pixmap, source(m_pixmap, b, c, mw, mh));
}
