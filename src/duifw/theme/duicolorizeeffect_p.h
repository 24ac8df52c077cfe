// SPDX-License-Identifier: MIT
#ifndef DUICOLORIZEEFFECT_P_H
#define DUICOLORIZEEFFECT_P_H

#include "duiglobal.h"

#include <QtGui/qimage.h>
#include <QtWidgets/qgraphicseffect.h>

// The colorize effect the framework installs. Qt renders an effect's whole item into one
// offscreen pixmap, whatever part of it is visible, so an item of absurd size (a fixHeight of
// two billion from an XML file) would take minutes and gigabytes per paint: beyond a sane area
// the item is drawn untinted instead. The tint itself is a single pass over the pixels.
class DUI_AUTOTEST_EXPORT DuiColorizeEffect : public QGraphicsColorizeEffect
{
    Q_OBJECT
public:
    explicit DuiColorizeEffect(QObject *parent = nullptr);

    // The largest item, in device pixels, that is tinted.
    static constexpr qreal maxTintedPixels = 16.0 * 1024 * 1024;

    // The tint an opaque colour gives `source`: its grey screened with the colour, keeping the
    // source's alpha. The same picture as Qt's colorize filter at full strength, to within one
    // level per channel, in a tenth of the time.
    static QImage tinted(const QImage &source, QRgb color);

protected:
    void draw(QPainter *painter) override;
};

#endif // DUICOLORIZEEFFECT_P_H
