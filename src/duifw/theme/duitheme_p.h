// SPDX-License-Identifier: MIT
#ifndef DUITHEME_P_H
#define DUITHEME_P_H

#include "duitheme.h"

#include <QtGui/qcolor.h>
#include <QtGui/qpixmap.h>

// The process-wide theme state; created by the first DuiTheme call that needs it.
struct DuiThemeData
{
    DuiThemeData();

    QPixmap decorationPixmap;
    DuiTheme::FillMode fillMode = DuiTheme::FadeOut;
    QPixmap fadeOutMask;
    QColor perceptualColor = QColor::fromRgba(0xFF22B6FF);
    int themeIndex = -1;
};

DUI_AUTOTEST_EXPORT DuiThemeData *duiThemeData();

// The base colours that setColorTheme installs with the pictures of rows 0..8.
DUI_AUTOTEST_EXPORT QRgb duiPresetColor(int index);

// Posts a DuiColorizeEvent with the current base colour to every top-level widget.
DUI_AUTOTEST_EXPORT void broadcastThemeColor();

// The colour row whose base colour is nearest to `color` in the a*b* plane of CIE L*a*b*.
DUI_AUTOTEST_EXPORT int nearestThemeIndex(QRgb color);

// The colour that best stands for a picture (opaque): the mean of its largest colour cluster,
// or the mean colour of its right and bottom edges when no cluster stands out.
DUI_AUTOTEST_EXPORT QRgb dominantColor(const QImage &image);

#endif // DUITHEME_P_H
