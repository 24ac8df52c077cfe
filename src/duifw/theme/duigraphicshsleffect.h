// SPDX-License-Identifier: MIT
#ifndef DUIGRAPHICSHSLEFFECT_H
#define DUIGRAPHICSHSLEFFECT_H

#include "duiglobal.h"

#include <QtCore/qscopedpointer.h>
#include <QtGui/qcolor.h>
#include <QtWidgets/qgraphicseffect.h>

class DuiGraphicsHslEffectPrivate;

// Repaints its source in the hue and saturation of one colour, keeping each pixel's lightness
// and alpha: a stronger tint than QGraphicsColorizeEffect, which blends with the original.
class DUI_EXPORT DuiGraphicsHslEffect : public QGraphicsEffect
{
    Q_OBJECT
public:
    explicit DuiGraphicsHslEffect(QObject *parent = nullptr);
    ~DuiGraphicsHslEffect() override;

    void setColor(const QColor &color);
    QColor color() const;

protected:
    void draw(QPainter *painter) override;

private:
    QScopedPointer<DuiGraphicsHslEffectPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiGraphicsHslEffect)
    Q_DISABLE_COPY(DuiGraphicsHslEffect)
};

#endif // DUIGRAPHICSHSLEFFECT_H
