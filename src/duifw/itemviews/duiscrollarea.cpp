// SPDX-License-Identifier: MIT
#include "duiscrollarea.h"
#include "duiscrollarea_p.h"

#include "duiparent_p.h"
#include "duiscrollbar.h"

#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qwidget.h>

#include <climits>

qreal DuiScrollAreaPrivate::contentWidth() const
{
    Q_Q(const DuiScrollArea);
    const qreal width = q->size().width();
    return scrollBar->isVisibleTo(q) ? qMax<qreal>(0, width - barWidth) : width;
}

DuiScrollArea::DuiScrollArea(QGraphicsItem *parent)
    : DuiScrollArea(*new DuiScrollAreaPrivate, parent)
{
}

DuiScrollArea::DuiScrollArea(DuiScrollAreaPrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init();
}

DuiScrollArea::~DuiScrollArea() = default;

void DuiScrollArea::init()
{
    Q_D(DuiScrollArea);
    setFlag(ItemClipsChildrenToShape);
    d->scrollBar = new DuiScrollBar(this);
    duiSetParent(d->scrollBar, this);
    d->scrollBar->setObjectName(QStringLiteral("ScrollAreaBar"));
    d->scrollBar->setSingleStep(40);
    d->scrollBar->hide();
    d->moveTimeLine.setParent(this);
    connect(d->scrollBar, &DuiScrollBar::valueChanged, this, &DuiScrollArea::onScrollBarValueChanged);
    connect(d->scrollBar, &QGraphicsObject::visibleChanged, this, &DuiScrollArea::onScrollBarVisibleChanged);
    connect(&d->moveTimeLine, &QTimeLine::frameChanged, this, &DuiScrollArea::onMoveTimeChanged);
}

void DuiScrollArea::setContentWidget(DuiWidget *widget)
{
    Q_D(DuiScrollArea);
    if (widget == d->contentWidget || widget == this || widget == d->scrollBar)
        return;
    if (d->contentWidget)
        disconnect(d->contentWidget, nullptr, this, nullptr);
    d->contentWidget = widget;
    if (!widget)
        return;
    duiSetParent(widget, this);
    widget->setPos(0, 0);
    // A content is as tall as it needs; the desktop-sized cap of a plain widget would cut it.
    widget->setMaximumHeight(QWIDGETSIZE_MAX);
    widget->stackBefore(d->scrollBar);
    connect(widget, &QGraphicsWidget::geometryChanged, this, &DuiScrollArea::onContentGeometryChanged,
            Qt::QueuedConnection);
    d->scrollBar->setSliderPosition(0);
    updateScrollBar(size().height());
    onScrollBarVisibleChanged();
}

DuiWidget *DuiScrollArea::contentWidget() const
{
    return d_func()->contentWidget;
}

void DuiScrollArea::updateScrollBar(qreal viewHeight)
{
    Q_D(DuiScrollArea);
    if (!d->contentWidget)
        return;
    const qreal range = qMax<qreal>(0, d->contentWidget->size().height() - viewHeight);
    d->scrollBar->setRange(0, range);
    d->scrollBar->setPageStep(viewHeight);
    if (range < 1) {
        if (d->scrollBarPolicy == Qt::ScrollBarAsNeeded)
            d->scrollBar->hide();
        else if (d->scrollBarPolicy == Qt::ScrollBarAlwaysOn)
            d->scrollBar->setOpacity(0.6);
    } else {
        d->scrollBar->show();
        d->scrollBar->setOpacity(1);
    }
    if (d->scrollBarPolicy == Qt::ScrollBarAlwaysOff)
        d->scrollBar->hide();
}

int DuiScrollArea::scrollPos() const
{
    return qRound(d_func()->scrollBar->sliderPosition());
}

void DuiScrollArea::setScrollPos(int pos)
{
    Q_D(DuiScrollArea);
    if (d->contentWidget && size().height() < d->contentWidget->size().height())
        d->scrollBar->setSliderPosition(pos);
}

void DuiScrollArea::scrollToBegin()
{
    setScrollPos(0);
}

void DuiScrollArea::scrollToEnd()
{
    Q_D(DuiScrollArea);
    if (d->contentWidget)
        setScrollPos(qRound(qMin<qreal>(d->contentWidget->size().height(), INT_MAX)));
}

qreal DuiScrollArea::scrollBarMax() const
{
    return d_func()->scrollBar->maximum();
}

Qt::ScrollBarPolicy DuiScrollArea::scrollBarPolicy() const
{
    return Qt::ScrollBarPolicy(d_func()->scrollBarPolicy);
}

void DuiScrollArea::setScrollBarPolicy(Qt::ScrollBarPolicy policy)
{
    d_func()->scrollBarPolicy = policy;
}

DuiScrollBar *DuiScrollArea::scrollbar() const
{
    return d_func()->scrollBar;
}

void DuiScrollArea::onScrollBarValueChanged(qreal value)
{
    Q_D(DuiScrollArea);
    if (d->contentWidget)
        d->contentWidget->setPos(0, -value);
    Q_EMIT scrollPosChanged(value);
}

void DuiScrollArea::onContentGeometryChanged()
{
    updateScrollBar(size().height());
}

void DuiScrollArea::onScrollBarVisibleChanged()
{
    Q_D(DuiScrollArea);
    if (d->contentWidget)
        d->contentWidget->resize(d->contentWidth(), d->contentWidget->size().height());
}

void DuiScrollArea::onMoveTimeChanged(int frame)
{
    Q_D(DuiScrollArea);
    if (d->contentWidget)
        d->contentWidget->resize(size().width() - frame, d->contentWidget->size().height());
}

void DuiScrollArea::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    Q_D(DuiScrollArea);
    const QSizeF size = event->newSize();
    // Placed with or without content, so that a content set later finds its bar in place.
    d->scrollBar->setGeometry(size.width() - DuiScrollAreaPrivate::barWidth, 0, DuiScrollAreaPrivate::barWidth,
                              size.height());
    if (!d->contentWidget)
        return;
    const qreal contentHeight = d->contentWidget->size().height();
    updateScrollBar(size.height());
    d->contentWidget->resize(d->contentWidth(), contentHeight);
    Q_EMIT sizeChange(size.height(), contentHeight);
}

void DuiScrollArea::wheelEvent(QGraphicsSceneWheelEvent *event)
{
    Q_D(DuiScrollArea);
    if (!d->contentWidget || event->orientation() != Qt::Vertical
        || d->contentWidget->size().height() <= size().height()) {
        // Nothing to scroll here: an enclosing scroller may take it.
        event->ignore();
        return;
    }
    event->accept();
    // The content may have changed size since the queued update was posted.
    updateScrollBar(size().height());
    d->scrollBar->setSliderPosition(d->scrollBar->sliderPosition() + d->wheel.distance(event, d->scrollBar->singleStep()));
}
