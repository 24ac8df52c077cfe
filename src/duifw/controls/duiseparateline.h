// SPDX-License-Identifier: MIT
#ifndef DUISEPARATELINE_H
#define DUISEPARATELINE_H

#include "duiwidget.h"

class DuiSeparateLinePrivate;

// A divider: one line drawn with a pen through the middle of the widget, across its width or,
// vertical, down its height. Its colour is fixed, or follows the theme once a theme colour type
// is set.
class DUI_EXPORT DuiSeparateLine : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(int lineWidth READ lineWidth WRITE setLineWidth)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(Qt::PenStyle penStyle READ penStyle WRITE setPenStyle)
    Q_PROPERTY(Qt::Orientation orientation READ lineOrientation WRITE setLineOrientation)

public:
    explicit DuiSeparateLine(QGraphicsItem *parent = nullptr);
    ~DuiSeparateLine() override;

    int lineWidth() const;
    void setLineWidth(int width);
    QColor color() const;
    void setColor(const QColor &color);
    Qt::PenStyle penStyle() const;
    // CustomDashLine draws two units on, two off.
    void setPenStyle(Qt::PenStyle style);
    Qt::Orientation lineOrientation() const;
    void setLineOrientation(Qt::Orientation orientation);

    // Makes the line follow the theme: its colour becomes the type's colour now and at every
    // skin change. Type 0 keeps the colour that was set.
    void setThemeColorType(int type) override;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

protected:
    void doColorize(QRgb rgb) override;

private:
    Q_DISABLE_COPY(DuiSeparateLine)
    Q_DECLARE_PRIVATE(DuiSeparateLine)
    DUI_DECLARE_WIDGET_CREATOR(DuiSeparateLine)
};

#endif // DUISEPARATELINE_H
