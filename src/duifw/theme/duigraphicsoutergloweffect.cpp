// SPDX-License-Identifier: MIT
#include "duigraphicsoutergloweffect.h"

#include "duiblur_p.h"

namespace {
// The glow stops growing here (see duiMakeGlow); so does the bounding rectangle.
constexpr qreal kMaxGlowSize = 1024;
} // namespace

DuiGraphicsOuterGlowEffect::DuiGraphicsOuterGlowEffect(QObject *parent)
    : QGraphicsEffect(parent)
{
}

DuiGraphicsOuterGlowEffect::~DuiGraphicsOuterGlowEffect() = default;

qreal DuiGraphicsOuterGlowEffect::growAmount() const
{
    return qBound(0.0, m_size, kMaxGlowSize) * 1.2;
}

QRectF DuiGraphicsOuterGlowEffect::boundingRectFor(const QRectF &rect) const
{
    const qreal grow = growAmount();
    return rect.adjusted(-grow, -grow, grow, grow);
}

void DuiGraphicsOuterGlowEffect::setSize(qreal size)
{
    if (m_size == size)
        return;
    m_size = size;
    updateBoundingRect();
    Q_EMIT sizeChanged(size);
}

void DuiGraphicsOuterGlowEffect::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    Q_EMIT colorChanged(color);
}

void DuiGraphicsOuterGlowEffect::setOpacity(qreal opacity)
{
    if (m_opacity == opacity)
        return;
    m_opacity = opacity;
    // The glow takes 0..255; converting a value beyond int range would be undefined.
    m_alphaByte = int(qBound(0.0, opacity * 255, 255.0));
    update();
    Q_EMIT opacityChanged(opacity);
}

void DuiGraphicsOuterGlowEffect::setSpread(int spread)
{
    if (m_spread == spread)
        return;
    m_spread = spread;
    update();
    Q_EMIT spreadChanged(spread);
}

void DuiGraphicsOuterGlowEffect::setBlurRadius(int blurRadius)
{
    if (m_blurRadius == blurRadius)
        return;
    m_blurRadius = blurRadius;
    update();
    Q_EMIT blurRadiusChanged(blurRadius);
}

void DuiGraphicsOuterGlowEffect::setCompositionMode(QPainter::CompositionMode mode)
{
    if (m_compositionMode == mode)
        return;
    m_compositionMode = mode;
    update();
    Q_EMIT compositionModeChanged(mode);
}

void DuiGraphicsOuterGlowEffect::draw(QPainter *painter)
{
    if (m_size <= 0) {
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
    QImage glow = duiMakeGlow(pixmap.toImage(), m_color.rgb(), int(qMin(m_size, kMaxGlowSize)), m_spread, m_alphaByte);
    if (m_blurRadius != 0)
        duiBlurAndTint(glow, m_blurRadius, m_color);
    painter->setCompositionMode(m_compositionMode);
    painter->drawImage(origin, glow);
    painter->setCompositionMode(savedMode);
    painter->drawPixmap(origin, pixmap);
    painter->setWorldTransform(savedTransform);
}
