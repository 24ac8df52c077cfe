// SPDX-License-Identifier: MIT
#ifndef DUIGRAPHICSDROPSHADOWEFFECT_H
#define DUIGRAPHICSDROPSHADOWEFFECT_H

#include "duiglobal.h"

#include <QtCore/qscopedpointer.h>
#include <QtGui/qcolor.h>
#include <QtWidgets/qgraphicseffect.h>

class DuiGraphicsDropShadowEffectPrivate;

// A blurred, coloured copy of the source drawn at an offset below it.
class DUI_EXPORT DuiGraphicsDropShadowEffect : public QGraphicsEffect
{
    Q_OBJECT
    Q_PROPERTY(QPointF offset READ offset WRITE setOffset NOTIFY offsetChanged)
    Q_PROPERTY(qreal xOffset READ xOffset WRITE setXOffset NOTIFY offsetChanged)
    Q_PROPERTY(qreal yOffset READ yOffset WRITE setYOffset NOTIFY offsetChanged)
    Q_PROPERTY(qreal blurRadius READ blurRadius WRITE setBlurRadius NOTIFY blurRadiusChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    explicit DuiGraphicsDropShadowEffect(QObject *parent = nullptr);
    ~DuiGraphicsDropShadowEffect() override;

    QRectF boundingRectFor(const QRectF &rect) const override;
    QPointF offset() const;
    qreal xOffset() const { return offset().x(); }
    qreal yOffset() const { return offset().y(); }
    qreal blurRadius() const;
    QColor color() const;

public Q_SLOTS:
    void setOffset(const QPointF &offset);
    void setOffset(qreal dx, qreal dy) { setOffset(QPointF(dx, dy)); }
    void setOffset(qreal d) { setOffset(QPointF(d, d)); }
    void setXOffset(qreal dx) { setOffset(QPointF(dx, yOffset())); }
    void setYOffset(qreal dy) { setOffset(QPointF(xOffset(), dy)); }
    void setBlurRadius(qreal blurRadius);
    void setColor(const QColor &color);

Q_SIGNALS:
    void offsetChanged(const QPointF &offset);
    void blurRadiusChanged(qreal blurRadius);
    void colorChanged(const QColor &color);

protected:
    void draw(QPainter *painter) override;

private:
    QScopedPointer<DuiGraphicsDropShadowEffectPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiGraphicsDropShadowEffect)
};

#endif // DUIGRAPHICSDROPSHADOWEFFECT_H
