// SPDX-License-Identifier: MIT
#include "duigraphicsdropshadoweffect.h"

#include "duiblur_p.h"

#include <QtGui/qpainter.h>

namespace {
// How far an absurd radius may grow the bounding rectangle; the blur itself stops at 128.
constexpr qreal kMaxGrowth = 256;
} // namespace

DuiGraphicsDropShadowEffect::DuiGraphicsDropShadowEffect(QObject *parent)
    : QGraphicsEffect(parent)
{
}

DuiGraphicsDropShadowEffect::~DuiGraphicsDropShadowEffect() = default;

QRectF DuiGraphicsDropShadowEffect::boundingRectFor(const QRectF &rect) const
{
    const qreal grow = qBound(0.0, m_blurRadius, kMaxGrowth);
    return rect.united(rect.translated(m_offset).adjusted(-grow, -grow, grow, grow));
}

void DuiGraphicsDropShadowEffect::setOffset(const QPointF &offset)
{
    if (qFuzzyCompare(m_offset.x() + 1, offset.x() + 1) && qFuzzyCompare(m_offset.y() + 1, offset.y() + 1))
        return;
    m_offset = offset;
    updateBoundingRect();
    Q_EMIT offsetChanged(offset);
}

void DuiGraphicsDropShadowEffect::setBlurRadius(qreal blurRadius)
{
    if (qFuzzyCompare(m_blurRadius + 1, blurRadius + 1))
        return;
    m_blurRadius = blurRadius;
    updateBoundingRect();
    Q_EMIT blurRadiusChanged(blurRadius);
}

void DuiGraphicsDropShadowEffect::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    Q_EMIT colorChanged(color);
}

void DuiGraphicsDropShadowEffect::draw(QPainter *painter)
{
    if (m_blurRadius <= 0 && m_offset.isNull()) {
        drawSource(painter);
        return;
    }
    // Device coordinates with an identity transform, so the shadow lands where the item is
    // whatever the view's transform.
    QPoint origin;
    const QPixmap pixmap = sourcePixmap(Qt::DeviceCoordinates, &origin, QGraphicsEffect::PadToEffectiveBoundingRect);
    if (pixmap.isNull())
        return;
    const QTransform saved = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    QImage shadow = pixmap.toImage();
    // Bounded before the conversion: a radius beyond int range would not convert.
    duiBlurAndTint(shadow, int(qMin(m_blurRadius, kMaxGrowth)), m_color);
    const QPointF deviceOffset = saved.map(m_offset) - saved.map(QPointF(0, 0));
    painter->drawImage(QPointF(origin) + deviceOffset, shadow);
    painter->drawPixmap(origin, pixmap);
    painter->setWorldTransform(saved);
}
