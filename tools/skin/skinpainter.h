// SPDX-License-Identifier: MIT
// The painters of the skin images. Every picture is a pure function of its arguments (fixed
// seeds, no clock), so regenerating gives the same pixels.
#ifndef SKINPAINTER_H
#define SKINPAINTER_H

#include <QtGui/qcolor.h>
#include <QtGui/qimage.h>

namespace skin {

// The window decoration of theme row `index`: light abstract shapes over `base`, fading into a
// plain `base` band along the right and bottom edges (the band the window background continues).
// `dither`, when it differs from `base`, fills every other 16-pixel tile of those bands: two
// neighbouring colours average to one that JPEG cannot hold in a flat area.
QImage decoration(int index, const QColor &base, const QColor &dither, const QSize &size);

// Alpha mask laid over a decoration picture as a nine-piece border: opaque, falling off to
// transparent across its right and bottom thirds.
QImage fadeOutMask(int size);

// Light overlays that give selected and hovered items their look over the base colour.
QImage selectedItemMask();
QImage hoveredItemMask();

} // namespace skin

#endif // SKINPAINTER_H
