// SPDX-License-Identifier: MIT
#ifndef DUISLIDERBASE_P_H
#define DUISLIDERBASE_P_H

#include "duisliderbase.h"
#include "duisliderwidget.h"
#include "duisliderwidgetext.h"
#include "duiwidget_p.h"

#include <optional>

class DuiFrameItem;
class QGraphicsLineItem;

// The parts, values and layout and mouse rules of both sliders; the variant differs in its track
// height, thumb width and starting value.
class DuiSliderBasePrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiSliderBase)
public:
    enum Variant { Seek, Thin };

    explicit DuiSliderBasePrivate(Variant kind);

    void init();
    void relayout();
    void showHoverThumb(bool hovered);

    // Mouse: a press on the thumb starts a drag and answers nothing; elsewhere it answers the
    // value under the pointer. A move while dragging answers the value the thumb follows to.
    std::optional<qreal> press(const QPointF &pos);
    std::optional<qreal> move(const QPointF &pos) const;

    const Variant variant;
    QGraphicsLineItem *progressLine = nullptr;
    DuiFrameItem *selected = nullptr;
    DuiFrameItem *thumb = nullptr;
    DuiFrameItem *background = nullptr;
    QString thumbText;
    QString thumbImage;
    QString thumbHoverImage;
    QString selectImage;
    QString backImage;
    qreal value;
    qreal progressValue = 0.0;
    bool dragging = false;
    qreal pressOffsetX = 0;
    qreal pressOffsetY = 0;
    bool progressCombo = false;
    int thumbWidth = -1;
    int thumbHeight = -1;
};

class DuiSliderWidgetPrivate : public DuiSliderBasePrivate
{
    Q_DECLARE_PUBLIC(DuiSliderWidget)
public:
    DuiSliderWidgetPrivate()
        : DuiSliderBasePrivate(Seek)
    {
    }
};

class DuiSliderWidgetExtPrivate : public DuiSliderBasePrivate
{
    Q_DECLARE_PUBLIC(DuiSliderWidgetExt)
public:
    DuiSliderWidgetExtPrivate()
        : DuiSliderBasePrivate(Thin)
    {
    }
};

#endif // DUISLIDERBASE_P_H
