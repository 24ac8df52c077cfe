// SPDX-License-Identifier: MIT
#ifndef DUITHEMECOLORWIDGET_H
#define DUITHEMECOLORWIDGET_H

#include "duiwidget.h"

// A widget filled with one colour of the current theme row, chosen by its themeColorType
// (LightestColor by default). It follows every skin change, whatever its colorize policy.
class DUI_EXPORT DuiThemeColorWidget : public DuiWidget
{
    Q_OBJECT
public:
    explicit DuiThemeColorWidget(QGraphicsItem *parent = nullptr);
    ~DuiThemeColorWidget() override;

private:
    // The offered colour is ignored: the fill always comes from the theme row.
    void colorize(QRgb rgb) override;

    Q_DISABLE_COPY(DuiThemeColorWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiThemeColorWidget)
};

#endif // DUITHEMECOLORWIDGET_H
