// SPDX-License-Identifier: MIT
// The menus' style sheets, one per colour row, and the images they name: the row's item
// background (a tinted icon gutter, repeated down the menu) and the check mark.
#ifndef MENUPAINTER_H
#define MENUPAINTER_H

#include <QtCore/qbytearray.h>
#include <QtCore/qstring.h>
#include <QtGui/qimage.h>

namespace skin {

constexpr int kMenuRows = 9;

// File name of row `row`'s background image below duifw/css/ (rows 6 and 7 share one).
QString menuBackgroundName(int row);
// The gutter strip of row `row`: as wide as the icon column, a few pixels high.
QImage menuBackgroundImage(int row);
// The check mark of checked items, centred in the 24 x 24 indicator.
QImage menuCheckedImage();
// The text of duifw/menu_<row>.css.
QByteArray menuStyleSheet(int row);

} // namespace skin

#endif // MENUPAINTER_H
