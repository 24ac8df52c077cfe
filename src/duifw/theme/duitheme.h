// SPDX-License-Identifier: MIT
#ifndef DUITHEME_H
#define DUITHEME_H

#include "duiglobal.h"

#include <QtCore/qobjectdefs.h>
#include <QtCore/qsize.h>
#include <QtGui/qpixmap.h>
#include <QtGui/qrgb.h>

class DUI_EXPORT DuiTheme
{
    Q_GADGET
public:
    enum ColorType {
        NoColor = 0,
        LightestColor = 1,
        LightColor = 2,
        LineColor = 3,
        ReservedColor4 = 4,
        BaseColor = 5,
        ReservedColor6 = 6,
        StrongColor = 7,
        DarkColor = 8,
        DarkestColor = 9
    };
    Q_ENUM(ColorType)

    // Colour of `type` in the current row (the last row until a row is chosen).
    static QRgb getColor(ColorType type);
    // Colour of `type` in row `themeIndex`; an index outside 0..9 reads the last row.
    static QRgb getColor(int themeIndex, ColorType type);
    static int getColorTheme();
    static unsigned int getCurrentPerceptualColor();

    // A null pixmap for an empty path; otherwise the resource loader's image.
    static QPixmap getImage(const QString &path, bool useHandlers = true);

    // Size of the virtual desktop, asked of the system at most once a second.
    static QSize virtualScreenSize();

private:
    DuiTheme() = delete;
};

#endif // DUITHEME_H
