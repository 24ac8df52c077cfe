// SPDX-License-Identifier: MIT
#ifndef DUITEXTOUTLINEEFFECT_H
#define DUITEXTOUTLINEEFFECT_H

#include "duiglobal.h"

#include <QtCore/qscopedpointer.h>
#include <QtGui/qcolor.h>
#include <QtWidgets/qgraphicseffect.h>

class DuiTextOutlineEffectPrivate;

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

    QColor color() const;
    int size() const;
    bool smooth() const;

    QRectF boundingRectFor(const QRectF &rect) const override;

    // The outline of `image` (its opaque pixels grown into squares), and its 3 x 3 smoothing.
    QImage makeOutline(const QImage &image) const;
    QImage makeSmooth(const QImage &image) const;

protected:
    void draw(QPainter *painter) override;

private:
    int effectiveSize() const;

    QScopedPointer<DuiTextOutlineEffectPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiTextOutlineEffect)
};

#endif // DUITEXTOUTLINEEFFECT_H
