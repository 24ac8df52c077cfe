// SPDX-License-Identifier: MIT
#include "duigraphicsdropshadoweffect.h"
#include "duigraphicsdropshadoweffect_p.h"

#include "duiblur_p.h"

#include <QtGui/qpainter.h>

namespace {
// How far an absurd radius may grow the bounding rectangle; the blur itself stops at 128.
constexpr qreal kMaxGrowth = 256;
} // namespace

DuiGraphicsDropShadowEffect::DuiGraphicsDropShadowEffect(QObject *parent)
    : QGraphicsEffect(parent)
    , d_data(new DuiGraphicsDropShadowEffectPrivate(this))
{
}

DuiGraphicsDropShadowEffect::~DuiGraphicsDropShadowEffect() = default;

QPointF DuiGraphicsDropShadowEffect::offset() const
{
    Q_D(const DuiGraphicsDropShadowEffect);
    return d->offset;
}

qreal DuiGraphicsDropShadowEffect::blurRadius() const
{
    Q_D(const DuiGraphicsDropShadowEffect);
    return d->blurRadius;
}

QColor DuiGraphicsDropShadowEffect::color() const
{
    Q_D(const DuiGraphicsDropShadowEffect);
    return d->color;
}

QRectF DuiGraphicsDropShadowEffect::boundingRectFor(const QRectF &rect) const
{
    Q_D(const DuiGraphicsDropShadowEffect);
    const qreal grow = qBound(0.0, d->blurRadius, kMaxGrowth);
    return rect.united(rect.translated(d->offset).adjusted(-grow, -grow, grow, grow));
}

void DuiGraphicsDropShadowEffect::setOffset(const QPointF &offset)
{
    Q_D(DuiGraphicsDropShadowEffect);
    if (qFuzzyCompare(d->offset.x() + 1, offset.x() + 1) && qFuzzyCompare(d->offset.y() + 1, offset.y() + 1))
        return;
    d->offset = offset;
    updateBoundingRect();
    Q_EMIT offsetChanged(offset);
}

void DuiGraphicsDropShadowEffect::setBlurRadius(qreal blurRadius)
{
    Q_D(DuiGraphicsDropShadowEffect);
    if (qFuzzyCompare(d->blurRadius + 1, blurRadius + 1))
        return;
    d->blurRadius = blurRadius;
    updateBoundingRect();
    Q_EMIT blurRadiusChanged(blurRadius);
}

void DuiGraphicsDropShadowEffect::setColor(const QColor &color)
{
    Q_D(DuiGraphicsDropShadowEffect);
    if (d->color == color)
        return;
    d->color = color;
    update();
    Q_EMIT colorChanged(color);
}

void DuiGraphicsDropShadowEffect::draw(QPainter *painter)
{
    Q_D(DuiGraphicsDropShadowEffect);
    if (d->blurRadius <= 0 && d->offset.isNull()) {
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
    // Bounded before the conversion: a radius beyond int range would not convert. The blur runs
    // over the source's device pixels, so its radius is scaled by their ratio.
    duiBlurAndTint(shadow, int(qMin(d->blurRadius * pixmap.devicePixelRatio(), kMaxGrowth)), d->color);
    const QPointF deviceOffset = saved.map(d->offset) - saved.map(QPointF(0, 0));
    painter->drawImage(QPointF(origin) + deviceOffset, shadow);
    painter->drawPixmap(origin, pixmap);
    painter->setWorldTransform(saved);
}
