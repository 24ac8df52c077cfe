// SPDX-License-Identifier: MIT
#include "duigraphicsoutergloweffect.h"
#include "duigraphicsoutergloweffect_p.h"

#include "duiblur_p.h"

namespace {
// The glow stops growing here (see duiMakeGlow); so does the bounding rectangle.
constexpr qreal kMaxGlowSize = 1024;
} // namespace

DuiGraphicsOuterGlowEffect::DuiGraphicsOuterGlowEffect(QObject *parent)
    : QGraphicsEffect(parent)
    , d_data(new DuiGraphicsOuterGlowEffectPrivate(this))
{
}

DuiGraphicsOuterGlowEffect::~DuiGraphicsOuterGlowEffect() = default;

qreal DuiGraphicsOuterGlowEffect::size() const
{
    Q_D(const DuiGraphicsOuterGlowEffect);
    return d->size;
}

qreal DuiGraphicsOuterGlowEffect::opacity() const
{
    Q_D(const DuiGraphicsOuterGlowEffect);
    return d->opacity;
}

QColor DuiGraphicsOuterGlowEffect::color() const
{
    Q_D(const DuiGraphicsOuterGlowEffect);
    return d->color;
}

int DuiGraphicsOuterGlowEffect::spread() const
{
    Q_D(const DuiGraphicsOuterGlowEffect);
    return d->spread;
}

int DuiGraphicsOuterGlowEffect::blurRadius() const
{
    Q_D(const DuiGraphicsOuterGlowEffect);
    return d->blurRadius;
}

QPainter::CompositionMode DuiGraphicsOuterGlowEffect::compositionMode() const
{
    Q_D(const DuiGraphicsOuterGlowEffect);
    return d->compositionMode;
}

int DuiGraphicsOuterGlowEffect::alphaByte() const
{
    Q_D(const DuiGraphicsOuterGlowEffect);
    return d->alphaByte;
}

qreal DuiGraphicsOuterGlowEffect::growAmount() const
{
    Q_D(const DuiGraphicsOuterGlowEffect);
    return qBound(0.0, d->size, kMaxGlowSize) * 1.2;
}

QRectF DuiGraphicsOuterGlowEffect::boundingRectFor(const QRectF &rect) const
{
    const qreal grow = growAmount();
    return rect.adjusted(-grow, -grow, grow, grow);
}

void DuiGraphicsOuterGlowEffect::setSize(qreal size)
{
    Q_D(DuiGraphicsOuterGlowEffect);
    if (d->size == size)
        return;
    d->size = size;
    updateBoundingRect();
    Q_EMIT sizeChanged(size);
}

void DuiGraphicsOuterGlowEffect::setColor(const QColor &color)
{
    Q_D(DuiGraphicsOuterGlowEffect);
    if (d->color == color)
        return;
    d->color = color;
    update();
    Q_EMIT colorChanged(color);
}

void DuiGraphicsOuterGlowEffect::setOpacity(qreal opacity)
{
    Q_D(DuiGraphicsOuterGlowEffect);
    if (d->opacity == opacity)
        return;
    d->opacity = opacity;
    // The glow takes 0..255; converting a value beyond int range would be undefined.
    d->alphaByte = int(qBound(0.0, opacity * 255, 255.0));
    update();
    Q_EMIT opacityChanged(opacity);
}

void DuiGraphicsOuterGlowEffect::setSpread(int spread)
{
    Q_D(DuiGraphicsOuterGlowEffect);
    if (d->spread == spread)
        return;
    d->spread = spread;
    update();
    Q_EMIT spreadChanged(spread);
}

void DuiGraphicsOuterGlowEffect::setBlurRadius(int blurRadius)
{
    Q_D(DuiGraphicsOuterGlowEffect);
    if (d->blurRadius == blurRadius)
        return;
    d->blurRadius = blurRadius;
    update();
    Q_EMIT blurRadiusChanged(blurRadius);
}

void DuiGraphicsOuterGlowEffect::setCompositionMode(QPainter::CompositionMode mode)
{
    Q_D(DuiGraphicsOuterGlowEffect);
    if (d->compositionMode == mode)
        return;
    d->compositionMode = mode;
    update();
    Q_EMIT compositionModeChanged(mode);
}

void DuiGraphicsOuterGlowEffect::draw(QPainter *painter)
{
    Q_D(DuiGraphicsOuterGlowEffect);
    if (d->size <= 0) {
        drawSource(painter);
        return;
    }
    // Device coordinates with an identity transform, so the glow lands where the item is
    // whatever the view's transform.
    QPoint origin;
    const QPixmap pixmap = sourcePixmap(Qt::DeviceCoordinates, &origin, QGraphicsEffect::PadToEffectiveBoundingRect);
    if (pixmap.isNull())
        return;
    const QTransform savedTransform = painter->worldTransform();
    const QPainter::CompositionMode savedMode = painter->compositionMode();
    painter->setWorldTransform(QTransform());
    // On a dense screen the source comes at its device pixels: the glow is worked out there, its
    // sizes scaled to match, and drawn back at the source's ratio.
    const qreal ratio = pixmap.devicePixelRatio();
    QImage glow = duiMakeGlow(pixmap.toImage(), d->color.rgb(), int(qMin(d->size * ratio, qreal(kMaxGlowSize))), d->spread, d->alphaByte);
    glow.setDevicePixelRatio(ratio);
    if (d->blurRadius != 0)
        duiBlurAndTint(glow, qRound(d->blurRadius * ratio), d->color);
    painter->setCompositionMode(d->compositionMode);
    painter->drawImage(origin, glow);
    painter->setCompositionMode(savedMode);
    painter->drawPixmap(origin, pixmap);
    painter->setWorldTransform(savedTransform);
}
