// SPDX-License-Identifier: MIT
#ifndef DUIABSTRACTSCROLLBAR_H
#define DUIABSTRACTSCROLLBAR_H

#include "duiwidget.h"

class DuiAbstractScrollBarPrivate;

// What the vertical and the horizontal scroll bar share: the value runs from minimum() to
// maximum(); the thumb shows where it is and can be dragged; a press on the track moves by
// pageStep(), and holding it pages on every 200 ms until the thumb reaches the pointer; the
// stepping slots move by singleStep() and repeat every 100 ms until released. An empty range
// hides the thumb and lets clicks through to what lies beneath.
class DUI_EXPORT DuiAbstractScrollBar : public DuiWidget
{
    Q_OBJECT

public:
    // What the auto-repeat timer does on each tick.
    enum RepeatAction : int { StepPrevious = 0, StepNext = 1, PagePrevious = 2, PageNext = 3, NoAction = 4 };
    Q_ENUM(RepeatAction)

    ~DuiAbstractScrollBar() override;

    // A maximum below the minimum is taken as the minimum: the range is then empty and the
    // thumb hidden.
    void setRange(qreal min, qreal max);
    qreal minimum() const;
    qreal maximum() const;
    void setSingleStep(qreal step);
    qreal singleStep() const;
    void setPageStep(qreal step);
    qreal pageStep() const;
    // Clamped to the range; emits valueChanged() when the stored value changes.
    void setSliderPosition(qreal value);
    qreal sliderPosition() const;
    RepeatAction repeatAction() const;

    void setSliderImg(const QString &normal, const QString &hover, const QString &pressed);
    void setColorizePolicy(ColorizeWidgetFlag policy) override;

Q_SIGNALS:
    void valueChanged(qreal value);

public Q_SLOTS:
    void on_previousButton_pressed();
    void on_nextButton_pressed();
    void on_button_released();
    void on_action_timeout();

protected:
    DuiAbstractScrollBar(DuiAbstractScrollBarPrivate &dd, QGraphicsItem *parent);

    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void ungrabMouseEvent(QEvent *event) override;
    // Taken in any case, so that nothing beneath scrolls a second time; a vertical bar scrolls.
    void wheelEvent(QGraphicsSceneWheelEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    Q_DISABLE_COPY(DuiAbstractScrollBar)
    Q_DECLARE_PRIVATE(DuiAbstractScrollBar)
};

#endif // DUIABSTRACTSCROLLBAR_H
