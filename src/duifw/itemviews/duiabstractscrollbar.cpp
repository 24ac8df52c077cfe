// SPDX-License-Identifier: MIT
#include "duiabstractscrollbar.h"
#include "duiabstractscrollbar_p.h"

#include "duiframeitem.h"
#include "duiparent_p.h"
#include "duitheme.h"

#include <QtWidgets/qgraphicssceneevent.h>

#include <cmath>

namespace {

constexpr qreal kThumbBreadth = 10;
constexpr qreal kMinThumbLength = 30;
constexpr int kStepInterval = 100;
constexpr int kPageInterval = 200;
constexpr int kWheelNotch = 120;

const char kThumbNormal[] = ":/theme/duifw/scrollbar_thumb_normal.png";
const char kThumbHover[] = ":/theme/duifw/scrollbar_thumb_hover.png";

// Values are compared with a relative tolerance, and exactly against 0.
bool sameValue(qreal a, qreal b)
{
    return qFuzzyCompare(a, b);
}

} // namespace

qreal DuiWheelAccumulator::distance(const QGraphicsSceneWheelEvent *event, qreal step)
{
    if (event->orientation() != Qt::Vertical && event->orientation() != Qt::Horizontal)
        return 0;
    const QPoint pixels = event->pixelDelta();
    if (!pixels.isNull()) {
        pendingAngle = 0;
        return -qreal(event->orientation() == Qt::Vertical ? pixels.y() : pixels.x());
    }
    pendingAngle += event->delta();
    const int notches = pendingAngle / kWheelNotch;
    pendingAngle -= notches * kWheelNotch;
    // Turning the wheel away from the user (positive delta) moves towards the start.
    return -notches * step;
}

DuiAbstractScrollBarPrivate::DuiAbstractScrollBarPrivate(Qt::Orientation orientation)
    : orientation(orientation)
{
}

void DuiAbstractScrollBarPrivate::init(const QString &trackImage, int trackFrameType, int trackColorType,
                                       int thumbFrameType)
{
    Q_Q(DuiAbstractScrollBar);
    background = new DuiFrameItem(q);
    duiSetParent(background, q);
    background->setImage(trackImage);
    background->setFrameType(trackFrameType);
    if (trackColorType)
        background->setThemeColorType(trackColorType);
    background->setAcceptedMouseButtons(Qt::NoButton);

    thumb = new DuiFrameItem(q);
    duiSetParent(thumb, q);
    thumb->setObjectName(QStringLiteral("ScrollBarThumb"));
    thumb->setImage(QLatin1String(kThumbNormal), QLatin1String(kThumbHover), QLatin1String(kThumbHover), QString(),
                    QString());
    thumb->setFrameType(thumbFrameType);
    thumb->setThemeColorType(DuiTheme::DarkestColor);
    // The bar follows the pointer and lights the thumb under it: a thumb taking hover events
    // itself would keep the moves over it from the bar.
    thumb->setAcceptHoverEvents(false);
    thumb->setAcceptedMouseButtons(Qt::NoButton);

    q->setDragPolicy(DuiWidget::NotDragWindow);
    q->setAcceptHoverEvents(true);
    q->setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
    repeatTimer.setParent(q);
    QObject::connect(&repeatTimer, &QTimer::timeout, q, &DuiAbstractScrollBar::on_action_timeout);
    layoutTrack();
}

void DuiAbstractScrollBarPrivate::setRange(qreal min, qreal max)
{
    if (std::isnan(min) || std::isnan(max))
        return;
    max = qMax(min, max);
    if (sameValue(min, minimum) && sameValue(max, maximum))
        return;
    minimum = min;
    maximum = max;
    const qreal clamped = qBound(minimum, sliderPosition, maximum);
    const bool moved = !sameValue(clamped, sliderPosition);
    sliderPosition = clamped;
    layoutThumb();
    if (moved)
        Q_EMIT q_func()->valueChanged(sliderPosition);
}

void DuiAbstractScrollBarPrivate::setPageStep(qreal step)
{
    if (std::isnan(step) || sameValue(step, pageStep))
        return;
    pageStep = step;
    layoutThumb();
}

void DuiAbstractScrollBarPrivate::setSingleStep(qreal step)
{
    if (std::isnan(step) || sameValue(step, singleStep))
        return;
    singleStep = step;
    // The horizontal thumb's length follows the single step.
    layoutThumb();
}

void DuiAbstractScrollBarPrivate::setSliderPosition(qreal value)
{
    if (std::isnan(value) || sameValue(value, sliderPosition))
        return;
    value = qBound(minimum, value, maximum);
    if (sameValue(value, sliderPosition))
        return;
    sliderPosition = value;
    layoutThumb();
    Q_EMIT q_func()->valueChanged(value);
}

void DuiAbstractScrollBarPrivate::layoutTrack()
{
    const QSizeF size = q_func()->size();
    if (orientation == Qt::Vertical)
        background->setGeometry(0, buttonSize, size.width(), qMax<qreal>(0, size.height() - 2 * buttonSize));
    else
        background->setGeometry(buttonSize, 0, qMax<qreal>(0, size.width() - 2 * buttonSize), size.height());
    layoutThumb();
}

void DuiAbstractScrollBarPrivate::layoutThumb()
{
    Q_Q(DuiAbstractScrollBar);
    const qreal track = along(background->size());
    const qreal breadth = qMin(kThumbBreadth, across(q->size()));
    // Halving both ends first keeps the span finite however far apart they are.
    const qreal halfSpan = maximum * 0.5 - minimum * 0.5;
    QRectF rect;
    if (halfSpan > 0 && track > 0 && breadth > 0) {
        const qreal fraction = qBound<qreal>(0, (sliderPosition * 0.5 - minimum * 0.5) / halfSpan, 1);
        qreal length = thumbLength(track, maximum - minimum);
        if (!(length >= kMinThumbLength)) // NaN as well
            length = kMinThumbLength;
        length = qMin(length, track);
        const qreal offset = buttonSize + (track - length) * fraction;
        const qreal centre = (across(q->size()) - breadth) * 0.5;
        rect = orientation == Qt::Vertical ? QRectF(centre, offset, breadth, length)
                                           : QRectF(offset, centre, length, breadth);
    }
    const bool visible = !rect.isEmpty();
    if (visible != thumbVisible) {
        thumbVisible = visible;
        thumb->setVisible(visible);
        q->setAcceptedMouseButtons(visible ? Qt::LeftButton | Qt::RightButton | Qt::MiddleButton : Qt::NoButton);
        if (!visible) {
            endDrag();
            stopRepeat();
        }
    }
    if (visible)
        thumb->setGeometry(rect);
}

void DuiAbstractScrollBarPrivate::performAction(DuiAbstractScrollBar::RepeatAction action)
{
    switch (action) {
    case DuiAbstractScrollBar::StepPrevious:
        setSliderPosition(sliderPosition - singleStep);
        break;
    case DuiAbstractScrollBar::StepNext:
        setSliderPosition(sliderPosition + singleStep);
        break;
    case DuiAbstractScrollBar::PagePrevious:
        setSliderPosition(sliderPosition - pageStep);
        break;
    case DuiAbstractScrollBar::PageNext:
        setSliderPosition(sliderPosition + pageStep);
        break;
    case DuiAbstractScrollBar::NoAction:
        break;
    }
}

void DuiAbstractScrollBarPrivate::startRepeat(DuiAbstractScrollBar::RepeatAction action, int interval)
{
    if (repeatAction != DuiAbstractScrollBar::NoAction)
        return;
    repeatAction = action;
    repeatTimer.start(interval);
}

void DuiAbstractScrollBarPrivate::stopRepeat()
{
    if (repeatAction == DuiAbstractScrollBar::NoAction)
        return;
    repeatTimer.stop();
    repeatAction = DuiAbstractScrollBar::NoAction;
}

void DuiAbstractScrollBarPrivate::onRepeatTimeout()
{
    const qreal before = sliderPosition;
    const bool paging = repeatAction == DuiAbstractScrollBar::PagePrevious || repeatAction == DuiAbstractScrollBar::PageNext;
    performAction(repeatAction);
    // At an end of the range nothing more can happen; a held page stops under the pointer.
    if (sameValue(before, sliderPosition) || (paging && thumb->geometry().contains(pressPoint)))
        stopRepeat();
}

void DuiAbstractScrollBarPrivate::endDrag()
{
    dragging = false;
    thumb->setPressed(false);
}

bool DuiAbstractScrollBarPrivate::mousePress(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !thumbVisible)
        return false;
    const QPointF pos = event->pos();
    if (thumb->geometry().contains(pos)) {
        pressOffset = thumb->mapFromParent(pos);
        dragging = true;
        thumb->setPressed(true);
        stopRepeat();
        return true;
    }
    if (!background->geometry().contains(pos))
        return false;
    pressPoint = pos;
    if (along(thumb->pos()) < along(pos)) {
        performAction(DuiAbstractScrollBar::PageNext);
        startRepeat(DuiAbstractScrollBar::PageNext, kPageInterval);
    } else {
        performAction(DuiAbstractScrollBar::PagePrevious);
        startRepeat(DuiAbstractScrollBar::PagePrevious, kPageInterval);
    }
    return true;
}

void DuiAbstractScrollBarPrivate::mouseMove(QGraphicsSceneMouseEvent *event)
{
    if (!dragging)
        return;
    const qreal free = along(background->size()) - along(thumb->size());
    if (!(free > 0))
        return;
    const qreal offset = qBound<qreal>(0, along(event->pos()) - buttonSize - along(pressOffset), free);
    const qreal fraction = offset / free;
    // Interpolating between the ends cannot overflow, whatever the range.
    setSliderPosition(minimum * (1 - fraction) + maximum * fraction);
}

void DuiAbstractScrollBarPrivate::mouseRelease(QGraphicsSceneMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        endDrag();
    stopRepeat();
}

void DuiAbstractScrollBarPrivate::hoverMove(const QPointF &pos)
{
    thumb->setHovered(thumbVisible && thumb->geometry().contains(pos));
}

void DuiAbstractScrollBarPrivate::setHovered(bool hovered)
{
    thumb->setThemeColorType(hovered ? DuiTheme::StrongColor : DuiTheme::DarkestColor);
    thumb->colorize(DuiTheme::getColor(DuiTheme::BaseColor));
    if (!hovered)
        thumb->setHovered(false);
}

void DuiAbstractScrollBarPrivate::setColorizePolicy(DuiWidget::ColorizeWidgetFlag policy)
{
    background->setColorizePolicy(policy);
    thumb->setColorizePolicy(policy);
}

DuiAbstractScrollBar::DuiAbstractScrollBar(DuiAbstractScrollBarPrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
}

DuiAbstractScrollBar::~DuiAbstractScrollBar() = default;

void DuiAbstractScrollBar::setRange(qreal min, qreal max)
{
    d_func()->setRange(min, max);
}

qreal DuiAbstractScrollBar::minimum() const
{
    return d_func()->minimum;
}

qreal DuiAbstractScrollBar::maximum() const
{
    return d_func()->maximum;
}

void DuiAbstractScrollBar::setSingleStep(qreal step)
{
    d_func()->setSingleStep(step);
}

qreal DuiAbstractScrollBar::singleStep() const
{
    return d_func()->singleStep;
}

void DuiAbstractScrollBar::setPageStep(qreal step)
{
    d_func()->setPageStep(step);
}

qreal DuiAbstractScrollBar::pageStep() const
{
    return d_func()->pageStep;
}

void DuiAbstractScrollBar::setSliderPosition(qreal value)
{
    d_func()->setSliderPosition(value);
}

qreal DuiAbstractScrollBar::sliderPosition() const
{
    return d_func()->sliderPosition;
}

DuiAbstractScrollBar::RepeatAction DuiAbstractScrollBar::repeatAction() const
{
    return d_func()->repeatAction;
}

void DuiAbstractScrollBar::setSliderImg(const QString &normal, const QString &hover, const QString &pressed)
{
    d_func()->thumb->setImage(normal, hover, pressed, QString(), QString());
}

void DuiAbstractScrollBar::setColorizePolicy(ColorizeWidgetFlag policy)
{
    DuiWidget::setColorizePolicy(policy);
    d_func()->setColorizePolicy(policy);
}

void DuiAbstractScrollBar::on_previousButton_pressed()
{
    Q_D(DuiAbstractScrollBar);
    d->performAction(StepPrevious);
    d->startRepeat(StepPrevious, kStepInterval);
}

void DuiAbstractScrollBar::on_nextButton_pressed()
{
    Q_D(DuiAbstractScrollBar);
    d->performAction(StepNext);
    d->startRepeat(StepNext, kStepInterval);
}

void DuiAbstractScrollBar::on_button_released()
{
    d_func()->stopRepeat();
}

void DuiAbstractScrollBar::on_action_timeout()
{
    d_func()->onRepeatTimeout();
}

void DuiAbstractScrollBar::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    // The value stays as it is; only the thumb follows the new size.
    d_func()->layoutTrack();
}

void DuiAbstractScrollBar::hideEvent(QHideEvent *event)
{
    Q_D(DuiAbstractScrollBar);
    d->stopRepeat();
    d->endDrag();
    DuiWidget::hideEvent(event);
}

void DuiAbstractScrollBar::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->setAccepted(d_func()->mousePress(event));
}

void DuiAbstractScrollBar::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    d_func()->mouseMove(event);
}

void DuiAbstractScrollBar::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    d_func()->mouseRelease(event);
}

void DuiAbstractScrollBar::ungrabMouseEvent(QEvent *event)
{
    Q_D(DuiAbstractScrollBar);
    d->stopRepeat();
    d->endDrag();
    DuiWidget::ungrabMouseEvent(event);
}

void DuiAbstractScrollBar::wheelEvent(QGraphicsSceneWheelEvent *event)
{
    Q_D(DuiAbstractScrollBar);
    // Taken here in any case: the area beneath must not scroll a second time.
    event->accept();
    if (d->orientation == Qt::Vertical && event->orientation() == Qt::Vertical)
        setSliderPosition(d->sliderPosition + d->wheel.distance(event, d->singleStep));
}

void DuiAbstractScrollBar::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverEnterEvent(event);
    Q_D(DuiAbstractScrollBar);
    d->setHovered(true);
    d->hoverMove(event->pos());
}

void DuiAbstractScrollBar::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverMoveEvent(event);
    d_func()->hoverMove(event->pos());
}

void DuiAbstractScrollBar::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverLeaveEvent(event);
    d_func()->setHovered(false);
}
