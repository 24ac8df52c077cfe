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
    // The grey of the premultiplied pixel, screened with the colour (which leaves the pixel
    // opaque), then cut back to the pixel's own alpha. The screen of each grey level is looked
    // up; skins are mostly opaque or clear pixels, which need no scaling by their alpha.
    const int cr = qRed(color), cg = qGreen(color), cb = qBlue(color);
    QRgb screen[256];
    for (int grey = 0; grey < 256; ++grey)
        screen[grey] = qRgb(cr + grey - div255(cr * grey), cg + grey - div255(cg * grey), cb + grey - div255(cb * grey));
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QRgb *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = in[x];
            const int a = alpha ? qAlpha(pixel) : 255;
            if (a == 0) {
                out[x] = 0;
                continue;
            }
            const QRgb screened = screen[qGray(pixel)];
            if (a == 255) {
                out[x] = screened;
                continue;
            }
            out[x] = qRgba(div255(qRed(screened) * a), div255(qGreen(screened) * a), div255(qBlue(screened) * a), a);
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
