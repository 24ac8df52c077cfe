// SPDX-License-Identifier: MIT
#ifndef DUIGRAPHICSOUTERGLOWEFFECT_H
#define DUIGRAPHICSOUTERGLOWEFFECT_H

#include "duiglobal.h"

#include <QtCore/qscopedpointer.h>
#include <QtGui/qcolor.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qgraphicseffect.h>

class DuiGraphicsOuterGlowEffectPrivate;

// A coloured halo around the source's opaque pixels whose opacity falls off with the distance,
// optionally blurred. Labels use it as their text shadow.
class DUI_EXPORT DuiGraphicsOuterGlowEffect : public QGraphicsEffect
{
    Q_OBJECT
    Q_PROPERTY(qreal size READ size WRITE setSize NOTIFY sizeChanged)
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity NOTIFY opacityChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(int spread READ spread WRITE setSpread NOTIFY spreadChanged)
    Q_PROPERTY(int blurRadius READ blurRadius WRITE setBlurRadius NOTIFY blurRadiusChanged)
    Q_PROPERTY(QPainter::CompositionMode compositionMode READ compositionMode WRITE setCompositionMode NOTIFY compositionModeChanged)

public:
    explicit DuiGraphicsOuterGlowEffect(QObject *parent = nullptr);
    ~DuiGraphicsOuterGlowEffect() override;

    QRectF boundingRectFor(const QRectF &rect) const override;

    qreal size() const;
    qreal opacity() const;
    QColor color() const;
    int spread() const;
    int blurRadius() const;
    QPainter::CompositionMode compositionMode() const;
    // The opacity as a byte, opacity * 255 truncated.
    int alphaByte() const;

public Q_SLOTS:
    void setSize(qreal size);
    void setColor(const QColor &color);
    void setOpacity(qreal opacity);
    void setSpread(int spread);
    void setBlurRadius(int blurRadius);
    void setCompositionMode(QPainter::CompositionMode mode);

Q_SIGNALS:
    void sizeChanged(qreal size);
    void colorChanged(const QColor &color);
    void opacityChanged(qreal opacity);
    void spreadChanged(int spread);
    void blurRadiusChanged(int blurRadius);
    void compositionModeChanged(QPainter::CompositionMode mode);

protected:
    void draw(QPainter *painter) override;
    qreal growAmount() const;

private:
    QScopedPointer<DuiGraphicsOuterGlowEffectPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiGraphicsOuterGlowEffect)
};

#endif // DUIGRAPHICSOUTERGLOWEFFECT_H
