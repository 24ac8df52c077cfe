// SPDX-License-Identifier: MIT
#ifndef DUITEXTOUTLINEEFFECT_H
#define DUITEXTOUTLINEEFFECT_H

#include "duiglobal.h"

#include <QtGui/qcolor.h>
#include <QtWidgets/qgraphicseffect.h>

// A solid outline grown `size` pixels around the source, optionally smoothed. The bounding
// rectangle grows by the size, so the outline is never cut off.
class DUI_EXPORT DuiTextOutlineEffect : public QGraphicsEffect
{
public:
    explicit DuiTextOutlineEffect(QObject *parent = nullptr);
    ~DuiTextOutlineEffect() override;

    // These only store; the next repaint uses them.
    void setColor(const QColor &color);
    void setSize(int size);
    void setSmooth(bool smooth);

    QColor color() const { return m_color; }
    int size() const { return m_size; }
    bool smooth() const { return m_smooth; }

    QRectF boundingRectFor(const QRectF &rect) const override;

    // The outline of `image` (its opaque pixels grown into squares), and its 3 x 3 smoothing.
    QImage makeOutline(const QImage &image) const;
    QImage makeSmooth(const QImage &image) const;

protected:
    void draw(QPainter *painter) override;

private:
    int effectiveSize() const;

    QColor m_color = QColor(255, 255, 255, 255);
    int m_kernel[9] = {6, 8, 6, 8, 44, 8, 6, 8, 6};
    int m_size = 1;
    bool m_smooth = false;
};

#endif // DUITEXTOUTLINEEFFECT_H
