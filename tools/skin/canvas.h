// SPDX-License-Identifier: MIT
// The images the painters draw on. Every skin image is painted twice: at one device pixel per
// logical pixel, and at two for high-density screens (written with "@2x" in its name). Painters
// work in logical pixels; a QPainter on a canvas scales to the canvas's device pixels itself, and
// the painters that set pixels one by one scale their rules by scale().
#ifndef CANVAS_H
#define CANVAS_H

#include <QtCore/qrect.h>
#include <QtCore/qstring.h>
#include <QtGui/qimage.h>

namespace skin {

// Device pixels per logical pixel of the images being painted: 1 or 2.
int scale();
void setScale(int scale);

// A transparent w x h image (logical pixels) at the current scale.
QImage canvas(int w, int h, QImage::Format format = QImage::Format_ARGB32_Premultiplied);
// The image's rectangle in logical pixels.
QRectF logicalRect(const QImage &image);
// The file name of an image painted at the current scale: "dir/name@2x.png" at scale 2.
QString scaledName(const QString &name);

} // namespace skin

#endif // CANVAS_H
