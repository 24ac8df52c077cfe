// SPDX-License-Identifier: MIT
#ifndef DUIFRAMEITEMDRAWER_H
#define DUIFRAMEITEMDRAWER_H

#include "duiglobal.h"

#include <QtCore/qmargins.h>
#include <QtCore/qrect.h>
#include <QtGui/qpixmap.h>

class QPainter;

// Spreads a skin image over a rectangle: stretched, tiled, cut into three caps or into a
// nine-grid by thirds.
class DUI_EXPORT DuiFrameItemDrawer
{
public:
    // A fixed type: frame items hold the type as an int that XML may set to any number, which
    // must stay a value of the enumeration (one that names no enumerator draws nothing).
    enum FrameType : int {
        OnePiece = 1,
        OneLineHorizontalTile = 2,
        MultLineHorizontalTile = 3,
        ThreePiecesHorizontal = 4,
        ThreePiecesHorizontalMid = 5,
        ThreePiecesVertical = 6,
        ThreePiecesVerticalMid = 7,
        NinePieces = 8,
        OnePieceNoScale = 100
    };

    DuiFrameItemDrawer(const QString &path, FrameType type);
    DuiFrameItemDrawer(const QPixmap &pixmap, FrameType type);

    // With margins that are not all zero, the nine-grid and one-piece types paint only the ring
    // between the rectangle and its inner rectangle; the painter keeps that clip afterwards.
    void draw(const QRect &rect, QPainter *painter, const QMargins &margins = QMargins()) const;

    QPixmap pixmap() const { return m_pixmap; }
    FrameType frameType() const { return m_frameType; }

    // The exact, case-sensitive enumerator name; any other text gives OnePiece.
    static FrameType frameTypeFromName(const QString &name);

private:
    void clipToMargins(const QRect &rect, QPainter *painter, const QMargins &margins) const;
    void drawOnePiece(const QRect &rect, QPainter *painter, const QMargins &margins) const;
    void drawThreeHorizontal(const QRect &rect, QPainter *painter, bool keepCaps) const;
    void drawThreeVertical(const QRect &rect, QPainter *painter, bool keepCaps) const;
    void drawNinePieces(const QRect &rect, QPainter *painter, const QMargins &margins) const;

    QPixmap m_pixmap;
    FrameType m_frameType;
};

#endif // DUIFRAMEITEMDRAWER_H
