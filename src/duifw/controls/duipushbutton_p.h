// SPDX-License-Identifier: MIT
#ifndef DUIPUSHBUTTON_P_H
#define DUIPUSHBUTTON_P_H

#include "duipushbutton.h"
#include "duiwidget_p.h"

#include <QtWidgets/qgraphicslinearlayout.h>

#include <optional>

class DuiPushButtonPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiPushButton)
public:
    DuiFrameItem *frameItem = nullptr;
    DuiLabelWidget *label = nullptr;
    DuiImageWidget *icon = nullptr;
    DuiPushButton::ButtonStyles buttonStyle = DuiPushButton::ButtonTextBesideIcon;
    bool checked = false;
    QSizeF iconSize = QSizeF(-1, -1);
    DuiPushButton::DisableMode disableMode = DuiPushButton::DisablePixmap;
    QColor textColor;
    bool acceptCursor = false;

    // What the caller set before the label or icon existed, applied when they are created.
    bool textColorSet = false;
    std::optional<QFont> pendingFont;
    double pendingIconScale = 0;
    std::optional<DuiImageWidget::ImageScalePolicy> pendingScalePolicy;

    // Null when the button was given another layout or none (the layout property is open to
    // XML like any other).
    QGraphicsLinearLayout *box(DuiPushButton *q) const
    {
        return dynamic_cast<QGraphicsLinearLayout *>(q->layout());
    }
};

#endif // DUIPUSHBUTTON_P_H
