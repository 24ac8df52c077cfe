// SPDX-License-Identifier: MIT
#ifndef DUISLIDERWIDGET_H
#define DUISLIDERWIDGET_H

#include "duisliderbase.h"

class DuiSliderWidgetPrivate;

// The seek slider: a 9-pixel track, the value starting at 0, the left button only, and a
// mouseRelease signal after every release.
class DUI_EXPORT DuiSliderWidget : public DuiSliderBase
{
    Q_OBJECT

public:
    explicit DuiSliderWidget(QGraphicsItem *parent = nullptr);
    ~DuiSliderWidget() override;

    // Clamped to [0, 1]; NaN is refused. False when nothing changed.
    bool setValue(qreal value);
    void setEnabled(bool enabled);

Q_SIGNALS:
    void mouseRelease();

protected:
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    Q_DISABLE_COPY(DuiSliderWidget)
    Q_DECLARE_PRIVATE(DuiSliderWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiSliderWidget)
};

#endif // DUISLIDERWIDGET_H
