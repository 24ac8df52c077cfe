// SPDX-License-Identifier: MIT
#ifndef DUIRADIOBUTTON_H
#define DUIRADIOBUTTON_H

#include "duicheckbox.h"

// A check box with radio images that the mouse can switch on but not off; a DuiButtonGroup makes
// the radio buttons inside it exclusive.
class DUI_EXPORT DuiRadioButton : public DuiCheckBox
{
    Q_OBJECT
public:
    explicit DuiRadioButton(QGraphicsItem *parent = nullptr);

protected:
    DuiRadioButton(DuiCheckBoxPrivate &dd, QGraphicsItem *parent);

    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    DUI_DECLARE_WIDGET_CREATOR(DuiRadioButton)
};

#endif // DUIRADIOBUTTON_H
