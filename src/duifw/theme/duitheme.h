// SPDX-License-Identifier: MIT
#ifndef DUITHEME_H
#define DUITHEME_H

#include "duiglobal.h"

#include <QtCore/qobjectdefs.h>
#include <QtCore/qsize.h>
#include <QtGui/qcolor.h>
#include <QtGui/qimage.h>
#include <QtGui/qpixmap.h>
#include <QtGui/qregion.h>
#include <QtGui/qrgb.h>

class QPainter;
class QRect;

// The skin: ten colour rows of ten colours each, the current row (the theme index), the window
// decoration picture, and a few drawing helpers that every control shares. All members are
// static and meant for the GUI thread.
class DUI_EXPORT DuiTheme
{
    Q_GADGET
public:
    enum ColorType : int {
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

    // How a frame window spreads the decoration picture behind its content.
    enum FillMode : int {
        FadeOut = 0, // drawn once at the top-left corner, its edges faded out
        Tile = 1     // tiled over the whole window
    };
    Q_ENUM(FillMode)

    // Which background mask a frame window lays over its decoration.
    enum LinearGradientType : int {
        MainFrameGradient = 0,
        ThickTitleGradient = 1,
        DialogGradient = 2,
        PopupGradient = 3
    };
    Q_ENUM(LinearGradientType)

    // Colour of `type` in the current row (the last row until a row is chosen).
    static QRgb getColor(ColorType type);
    // Colour of `type` in row `themeIndex`; an index outside 0..9 reads the last row.
    static QRgb getColor(int themeIndex, ColorType type);
    // The current theme index, -1 until a row is chosen.
    static int getColorTheme();

    // Chooses a row without telling anyone; indices outside 0..15 become 0. True if it changed.
    static bool setColorThemeOnly(int index);
    // Chooses a row, tells every top-level window and, for the rows 0..8, installs the row's own
    // decoration picture. False when nothing changed or the index has no picture.
    static bool setColorTheme(int index);

    static QRgb getCurrentPerceptualColor();
    static void setCurrentPerceptualColor(const QColor &color);

    static QPixmap decorationImage();
    // The colour windows fill their background with: the decoration picture's dominant colour.
    static QColor decorationBackgroundColor();
    static FillMode decorationFillMode();
    // Installs a decoration picture. The row follows `color` when it is valid, else the picture's
    // dominant colour; in FadeOut mode the picture's edges are faded out.
    static void setDecorationImage(const QImage &image, QColor color, FillMode mode);

    // Loads an image through the resource loader; a null pixmap for an empty path.
    static QPixmap getImage(const QString &path, bool useHandlers);
    // A copy of `image` with `color` screened over it, alpha kept.
    static QImage colorizeImage(const QImage &image, QColor color);
    // Draws `pixmap` over `rect` cut in thirds: corners kept, edges and centre stretched.
    static void drawNinePiecesBoarder(QPainter *painter, const QRect &rect, const QPixmap &pixmap);
    // Backgrounds of selected and hovered items: the base colour under a light mask.
    static void drawSelectedRect(QPainter *painter, const QRect &rect);
    static void drawHoveredRect(QPainter *painter, const QRect &rect);
    // The window region of a frameless window: `rect` with every corner cut by a 3-pixel staircase.
    static QRegion calcFrameClipRegion(const QRect &rect);

    // Size of the virtual desktop, asked of the system at most once a second.
    static QSize virtualScreenSize();

private:
    DuiTheme() = delete;
};

#endif // DUITHEME_H
