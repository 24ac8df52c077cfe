// SPDX-License-Identifier: MIT
#ifndef DUICOLORIZEPASS_P_H
#define DUICOLORIZEPASS_P_H

#include "duiglobal.h"

#include <QtCore/qlist.h>
#include <QtGui/qrgb.h>

class QGraphicsItem;

// One recolouring pass over a window's items: colorize(color) on every DuiWidget among them, in
// the order given, nested or not; other items are skipped. A frame window runs it over its view
// when a DuiColorizeEvent arrives.
DUI_AUTOTEST_EXPORT void duiColorizeItems(const QList<QGraphicsItem *> &items, QRgb color);

#endif // DUICOLORIZEPASS_P_H
