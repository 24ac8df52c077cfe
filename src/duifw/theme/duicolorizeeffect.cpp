// SPDX-License-Identifier: MIT
#include "duicolorizeeffect_p.h"

#include <QtGui/qpainter.h>

namespace {

inline int div255(int x)
{
    return (x + (x >> 8) + 0x80) >> 8;
}

} // namespace

DuiColorizeEffect::DuiColorizeEffect(QObject *parent)
    : QGraphicsColorizeEffect(parent)
{
}

QImage DuiColorizeEffect::tinted(const QImage &source, QRgb color)
{
    const bool alpha = source.hasAlphaChannel();
    const QImage image = source.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QImage result(image.size(), image.format());
    if (result.isNull())
        return result;
    result.setDevicePixelRatio(source.devicePixelRatio());
    const int cr = qRed(color), cg = qGreen(color), cb = qBlue(color);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QRgb *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = in[x];
            // The grey of the premultiplied pixel, screened with the colour (which leaves the
            // pixel opaque), then cut back to the pixel's own alpha.
            const int grey = qGray(pixel);
            const int r = cr + grey - div255(cr * grey);
            const int g = cg + grey - div255(cg * grey);
            const int b = cb + grey - div255(cb * grey);
            if (alpha) {
                const int a = qAlpha(pixel);
                out[x] = qRgba(div255(r * a), div255(g * a), div255(b * a), a);
            } else {
                out[x] = qRgb(r, g, b);
            }
        }
    }
    return result;
}

void DuiColorizeEffect::draw(QPainter *painter)
{
    const QRectF bounds = sourceBoundingRect(Qt::DeviceCoordinates);
    if (bounds.width() * bounds.height() > maxTintedPixels || strength() <= 0) {
        drawSource(painter);
        return;
    }
    // Qt's own filter for what the fast path does not cover: a partial strength or a translucent
    // colour blend the tint with the source.
    if (strength() < 1 || color().alpha() != 255) {
        QGraphicsColorizeEffect::draw(painter);
        return;
    }
    QPoint offset;
    if (sourceIsPixmap()) {
        const QPixmap pixmap = sourcePixmap(Qt::LogicalCoordinates, &offset, NoPad);
        if (!pixmap.isNull())
            painter->drawImage(offset, tinted(pixmap.toImage(), color().rgba()));
        return;
    }
    // Drawn in device coordinates, so the pixmap is never scaled.
    const QPixmap pixmap = sourcePixmap(Qt::DeviceCoordinates, &offset);
    if (pixmap.isNull())
        return;
    const QTransform restore = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, tinted(pixmap.toImage(), color().rgba()));
    painter->setWorldTransform(restore);
}
