// SPDX-License-Identifier: MIT
#include "duiseparateline.h"
#include "duiseparateline_p.h"

#include "duitheme.h"

#include <QtGui/qpainter.h>

DUI_REGISTER_WIDGET(DuiSeparateLine)

DuiSeparateLine::DuiSeparateLine(QGraphicsItem *parent)
    : DuiWidget(*new DuiSeparateLinePrivate, parent)
{
}

DuiSeparateLine::~DuiSeparateLine() = default;

int DuiSeparateLine::lineWidth() const
{
    return d_func()->pen.width();
}

void DuiSeparateLine::setLineWidth(int width)
{
    d_func()->pen.setWidth(width);
    update();
}

QColor DuiSeparateLine::color() const
{
    return d_func()->pen.color();
}

void DuiSeparateLine::setColor(const QColor &color)
{
    d_func()->pen.setColor(color);
    update();
}

Qt::PenStyle DuiSeparateLine::penStyle() const
{
    return d_func()->pen.style();
}

void DuiSeparateLine::setPenStyle(Qt::PenStyle style)
{
    Q_D(DuiSeparateLine);
    if (style == Qt::CustomDashLine)
        d->pen.setDashPattern({2, 2});
    d->pen.setStyle(style);
    update();
}

Qt::Orientation DuiSeparateLine::lineOrientation() const
{
    return d_func()->orientation;
}

void DuiSeparateLine::setLineOrientation(Qt::Orientation orientation)
{
    d_func()->orientation = orientation;
    update();
}

void DuiSeparateLine::setThemeColorType(int type)
{
    DuiWidget::setThemeColorType(type);
    setColorizePolicy(ColorableFlag);
    if (type != DuiTheme::NoColor)
        setColor(QColor::fromRgba(DuiTheme::getColor(DuiTheme::ColorType(type))));
}

void DuiSeparateLine::doColorize(QRgb rgb)
{
    Q_UNUSED(rgb);
    // Without a theme colour type the line keeps the colour it was given.
    const int type = themeColorType();
    if (type != DuiTheme::NoColor)
        setColor(QColor::fromRgba(DuiTheme::getColor(DuiTheme::ColorType(type))));
}

void DuiSeparateLine::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    Q_D(DuiSeparateLine);
    DuiWidget::paint(painter, option, widget);
    const QSizeF s = size();
    painter->setPen(d->pen);
    if (d->orientation == Qt::Horizontal)
        painter->drawLine(QPointF(0, s.height() / 2), QPointF(s.width(), s.height() / 2));
    else
        painter->drawLine(QPointF(s.width() / 2, 0), QPointF(s.width() / 2, s.height()));
}
