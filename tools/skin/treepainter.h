// SPDX-License-Identifier: MIT
// The painters of the tree's skin images. All are near-black or grey: the tree screens them with
// the theme's strong colour at run time, so they take the skin's accent.
#ifndef TREEPAINTER_H
#define TREEPAINTER_H

#include <QtGui/qimage.h>

namespace skin {

// The folder arrows (10 x 10): pointing right while closed, down while open.
QImage treeFolderIcon(bool expanded);
// The selected row's background (24 x 24, cut in thirds): a grey rounded face with a slightly
// darker edge, which the theme colour turns into a pale accent band.
QImage listItemSelectImage();

} // namespace skin

#endif // TREEPAINTER_H
