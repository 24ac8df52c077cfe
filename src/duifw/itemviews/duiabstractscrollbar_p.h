// SPDX-License-Identifier: MIT
#ifndef DUIABSTRACTSCROLLBAR_P_H
#define DUIABSTRACTSCROLLBAR_P_H

#include "duiabstractscrollbar.h"
#include "duiwidget_p.h"

#include <QtCore/qpoint.h>
#include <QtCore/qtimer.h>

class DuiFrameItem;
class QGraphicsSceneMouseEvent;
class QGraphicsSceneWheelEvent;

// Turns wheel events into scroll distances. Touchpads and high-resolution wheels send many small
// angle deltas: they add up here and give one step per 120 (a classic wheel notch). An event that
// carries a pixel delta scrolls by those pixels instead.
struct DUI_AUTOTEST_EXPORT DuiWheelAccumulator
{
    int pendingAngle = 0;

    // The distance to move the value by (positive: towards the maximum) for one event.
    qreal distance(const QGraphicsSceneWheelEvent *event, qreal step);
};

// What the vertical and the horizontal bar share: range, value, thumb layout, dragging, paging
// and auto-repeat, along one axis.
class DUI_AUTOTEST_EXPORT DuiAbstractScrollBarPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiAbstractScrollBar)
public:
    explicit DuiAbstractScrollBarPrivate(Qt::Orientation orientation);

    qreal minimum = 0;
    qreal maximum = 0;
    qreal singleStep = 1.0;
    qreal pageStep = 0;
    qreal sliderPosition = 0;
    int buttonSize = 0;
    bool dragging = false;
    QPointF pressOffset;
    QPointF pressPoint;
    bool thumbVisible = true;
    DuiFrameItem *background = nullptr;
    DuiFrameItem *thumb = nullptr;
    DuiAbstractScrollBar::RepeatAction repeatAction = DuiAbstractScrollBar::NoAction;
    QTimer repeatTimer;
    DuiWheelAccumulator wheel;
    const Qt::Orientation orientation;

    // Builds the track and the thumb; run once by the public constructor.
    void init(const QString &trackImage, int trackFrameType, int trackColorType, int thumbFrameType);

    qreal along(const QPointF &p) const { return orientation == Qt::Vertical ? p.y() : p.x(); }
    qreal along(const QSizeF &s) const { return orientation == Qt::Vertical ? s.height() : s.width(); }
    qreal across(const QSizeF &s) const { return orientation == Qt::Vertical ? s.width() : s.height(); }

    void setRange(qreal min, qreal max);
    void setPageStep(qreal step);
    void setSingleStep(qreal step);
    void setSliderPosition(qreal value);
    void layoutTrack();
    void layoutThumb();
    // The thumb's length for a track; the bars size it differently.
    virtual qreal thumbLength(qreal track, qreal range) const = 0;

    void performAction(DuiAbstractScrollBar::RepeatAction action);
    void startRepeat(DuiAbstractScrollBar::RepeatAction action, int interval);
    void stopRepeat();
    void onRepeatTimeout();
    void endDrag();

    bool mousePress(QGraphicsSceneMouseEvent *event);
    void mouseMove(QGraphicsSceneMouseEvent *event);
    void mouseRelease(QGraphicsSceneMouseEvent *event);
    void hoverMove(const QPointF &pos);
    void setHovered(bool hovered);
    void setColorizePolicy(DuiWidget::ColorizeWidgetFlag policy);
};

#endif // DUIABSTRACTSCROLLBAR_P_H
