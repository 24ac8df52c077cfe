// SPDX-License-Identifier: MIT
#ifndef DUICOLORIZEEFFECT_P_H
#define DUICOLORIZEEFFECT_P_H

#include "duiglobal.h"

#include <QtWidgets/qgraphicseffect.h>

// The colorize effect the framework installs. Qt renders an effect's whole item into one
// offscreen pixmap, whatever part of it is visible, so an item of absurd size (a fixHeight of
// two billion from an XML file) would take minutes and gigabytes per paint: beyond a sane area
// the item is drawn untinted instead.
class DUI_AUTOTEST_EXPORT DuiColorizeEffect : public QGraphicsColorizeEffect
{
    Q_OBJECT
public:
    explicit DuiColorizeEffect(QObject *parent = nullptr);

    // The largest item, in device pixels, that is tinted.
    static constexpr qreal maxTintedPixels = 16.0 * 1024 * 1024;

protected:
    void draw(QPainter *painter) override;
};

#endif // DUICOLORIZEEFFECT_P_H
