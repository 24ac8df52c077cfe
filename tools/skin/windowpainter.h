// SPDX-License-Identifier: MIT
// The painters of the window images: the border and the body masks that frame windows lay over
// their decoration picture, the title-bar buttons and the prompt dialog's icons. None of them is
// tinted at run time: the decoration picture under them carries the theme colour.
#ifndef WINDOWPAINTER_H
#define WINDOWPAINTER_H

#include <QtGui/qimage.h>

namespace skin {

// The window border, laid over the whole window as a nine-piece border (24 x 24: 8-pixel corners).
// A 1-pixel translucent dark edge along the window's outline, whose corners are cut by the
// three-pixel staircase, and a faint light line just inside it; transparent elsewhere.
QImage windowBorder();

// A body mask, laid over the decoration picture as a nine-piece border: the top third (the header
// band, `band` pixels) is transparent so the picture shows, the rest is a light surface whose
// bottom corners follow the staircase. A `band` of 0 gives an all-light surface with four cut
// corners (popups). The image is 24 pixels wide and 3 * max(band, 8) high.
QImage bodyMask(int band);

enum class TitleButton { Minimize, Maximize, Restore, Close };
enum class TitleButtonState { Normal, Hover, Down };

// A title-bar button: a white glyph on the header (28 x 22, the close button 44 x 22), with a
// light (hover) or dark (down) backing; the close button backs onto red.
QImage titleButtonImage(TitleButton button, TitleButtonState state);

// The prompt dialog's 20 x 20 white gear (title icon) and its 36 x 36 blue exclamation badge.
QImage settingsIcon();
QImage exclamationBadge();

} // namespace skin

#endif // WINDOWPAINTER_H
