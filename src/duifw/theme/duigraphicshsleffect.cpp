// SPDX-License-Identifier: MIT
#include "duigraphicshsleffect.h"
#include "duigraphicshsleffect_p.h"

#include <QtGui/qimage.h>
#include <QtGui/qpainter.h>

namespace {

float hueChannel(float p, float q, float t)
{
    if (t < 0.0f)
        t += 1.0f;
    if (t > 1.0f)
        t -= 1.0f;
    if (t < 1.0f / 6.0f)
        return p + (q - p) * 6.0f * t;
    if (t < 1.0f / 2.0f)
        return q;
    if (t < 2.0f / 3.0f)
        return p + (q - p) * 6.0f * (2.0f / 3.0f - t);
    return p;
}

// HSL to RGB with all three inputs on the 0..255 scale.
QRgb hslToRgb(int h, int s, int lightness, int alpha)
{
    if (s == 0)
        return qRgba(lightness, lightness, lightness, alpha);
    const float l = lightness / 255.0f;
    const float sat = s / 255.0f;
    const float hue = h / 255.0f;
    const float q = l <= 0.5f ? l * (1.0f + sat) : l + sat - l * sat;
    const float p = 2.0f * l - q;
    const int r = int(hueChannel(p, q, hue + 1.0f / 3.0f) * 255.0f);
    const int g = int(hueChannel(p, q, hue) * 255.0f);
    const int b = int(hueChannel(p, q, hue - 1.0f / 3.0f) * 255.0f);
    return qRgba(r, g, b, alpha);
}

} // namespace

DuiGraphicsHslEffect::DuiGraphicsHslEffect(QObject *parent)
    : QGraphicsEffect(parent)
    , d_data(new DuiGraphicsHslEffectPrivate(this))
{
}

DuiGraphicsHslEffect::~DuiGraphicsHslEffect() = default;

void DuiGraphicsHslEffect::setColor(const QColor &color)
{
    Q_D(DuiGraphicsHslEffect);
    if (d->color == color)
        return;
    d->color = color;
    update();
}

QColor DuiGraphicsHslEffect::color() const
{
    Q_D(const DuiGraphicsHslEffect);
    return d->color;
}

void DuiGraphicsHslEffect::draw(QPainter *painter)
{
    Q_D(DuiGraphicsHslEffect);
    // Until a colour is set there is nothing to tint with.
    if (!d->color.isValid()) {
        drawSource(painter);
        return;
    }
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::PadToEffectiveBoundingRect);
    if (source.isNull())
        return;
    // Worked on unpremultiplied pixels so that a new colour under partial alpha stays valid.
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);

    // hslHue() counts degrees; the conversion reads a hue on the 0..255 scale, so the degrees are
    // rescaled to keep the colour's own hue. An achromatic colour has saturation 0 and no hue.
    const int degrees = d->color.hslHue();
    const int h = degrees < 0 ? 0 : (degrees * 255 + 180) / 360;
    const int s = d->color.hslSaturation() & 0xFF;

    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = line[x];
            const int lightness = (11 * qRed(px) + 16 * qGreen(px) + 5 * qBlue(px)) >> 5;
            line[x] = hslToRgb(h & 0xFF, s, lightness, qAlpha(px));
        }
    }

    painter->save();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->restore();
}
