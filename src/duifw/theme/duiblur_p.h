// SPDX-License-Identifier: MIT
#ifndef DUIBLUR_P_H
#define DUIBLUR_P_H

#include "duiglobal.h"

#include <QtGui/qcolor.h>
#include <QtGui/qimage.h>

// Blurs the alpha channel of `image` (converted to ARGB32 premultiplied in place) with three box
// passes per direction, an approximation of a Gaussian of the given radius (capped at 128), then
// paints every pixel in `color` weighted by its blurred alpha, exactly as a QPainter fill in
// CompositionMode_SourceIn would. Linear in the pixel count whatever the radius. Where memory
// runs short the pixels are left as they were. A picture of a million pixels or more that is
// shared (so blurred into a new one) is worked on in two bands at once, the second in a thread
// of its own.
DUI_AUTOTEST_EXPORT void duiBlurAndTint(QImage &image, int radius, const QColor &color);

// A glow around the opaque pixels of `source`: full alpha `alpha` up to `size * spread / 100`
// pixels away, falling linearly to nothing at `size` pixels. Returns an ARGB32 image of the
// source's size in colour `rgb`. Sizes above 1024 glow as 1024. Glows up to size 32 of pictures
// of a million pixels or more are worked on in two bands at once, the second in a thread of its
// own.
DUI_AUTOTEST_EXPORT QImage duiMakeGlow(const QImage &source, QRgb rgb, int size, int spread, int alpha);

#endif // DUIBLUR_P_H
