// SPDX-License-Identifier: MIT
// The text edit's vertical scroll bar: a style sheet per colour row and the handle images it
// names (normal and hovered, tinted with the row's accent).
#ifndef SCROLLBARPAINTER_H
#define SCROLLBARPAINTER_H

#include <QtCore/qbytearray.h>
#include <QtCore/qstring.h>
#include <QtGui/qimage.h>

namespace skin {

constexpr int kScrollBarRows = 9;

// File name of row `row`'s handle image below duifw/css/.
QString scrollBarHandleName(int row, bool hovered);
// A rounded bar, stretched along the groove by the sheet's border-image.
QImage scrollBarHandleImage(int row, bool hovered);
// The text of duifw/css/scrollbar_<row>.css.
QByteArray scrollBarStyleSheet(int row);

} // namespace skin

#endif // SCROLLBARPAINTER_H
