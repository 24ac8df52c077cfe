// SPDX-License-Identifier: MIT
#ifndef DUITHEME_P_H
#define DUITHEME_P_H

#include "duiglobal.h"

// The process-wide theme state; created by the first DuiTheme call that needs it.
#include <QtGui/qcolor.h>

struct DuiThemeData
{
    QColor perceptualColor = QColor::fromRgba(0xFF22B6FF);
    int themeIndex = -1;
};

DUI_AUTOTEST_EXPORT DuiThemeData *duiThemeData();

#endif // DUITHEME_P_H
