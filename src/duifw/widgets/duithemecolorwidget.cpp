// SPDX-License-Identifier: MIT
#include "duithemecolorwidget.h"

#include "duitheme.h"

DUI_REGISTER_WIDGET(DuiThemeColorWidget)

DuiThemeColorWidget::DuiThemeColorWidget(QGraphicsItem *parent)
    : DuiWidget(parent)
{
    setThemeColorType(DuiTheme::LightestColor);
    setBackgroundColor(QColor::fromRgba(DuiTheme::getColor(DuiTheme::LightestColor)));
}

DuiThemeColorWidget::~DuiThemeColorWidget() = default;

void DuiThemeColorWidget::colorize(QRgb)
{
    setBackgroundColor(QColor::fromRgba(DuiTheme::getColor(DuiTheme::ColorType(themeColorType()))));
}
