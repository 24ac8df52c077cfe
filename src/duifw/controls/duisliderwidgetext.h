// SPDX-License-Identifier: MIT
#ifndef DUISLIDERWIDGETEXT_H
#define DUISLIDERWIDGETEXT_H

#include "duisliderbase.h"

class DuiSliderWidgetExtPrivate;

// The thin slider: a 3-pixel track, a 10-pixel thumb and a value that starts at 1 (a volume
// slider, say).
class DUI_EXPORT DuiSliderWidgetExt : public DuiSliderBase
{
    Q_OBJECT

public:
    explicit DuiSliderWidgetExt(QGraphicsItem *parent = nullptr);
    ~DuiSliderWidgetExt() override;

    // Clamped to [0, 1]; NaN is refused.
    void setValue(qreal value);

private:
    Q_DISABLE_COPY(DuiSliderWidgetExt)
    Q_DECLARE_PRIVATE(DuiSliderWidgetExt)
    DUI_DECLARE_WIDGET_CREATOR(DuiSliderWidgetExt)
};

#endif // DUISLIDERWIDGETEXT_H
