// SPDX-License-Identifier: MIT
#include "duistackedwidget.h"
#include "duistackedwidget_p.h"

#include "duiparent_p.h"

#include <QtCore/qparallelanimationgroup.h>
#include <QtCore/qpropertyanimation.h>
#include <QtWidgets/qgraphicssceneevent.h>

DUI_REGISTER_WIDGET(DuiStackedWidget)

namespace {
constexpr int kSlideMs = 300;
} // namespace

DuiStackedWidget::DuiStackedWidget(QGraphicsItem *parent)
    : DuiWidget(*new DuiStackedWidgetPrivate, parent)
{
    setFlag(ItemHasNoContents);
}

DuiStackedWidget::~DuiStackedWidget()
{
    Q_D(DuiStackedWidget);
    // The pages die with the stack's items, after this object's own state: they must not call
    // back into it.
    for (DuiWidget *page : std::as_const(d->pages))
        disconnect(page, nullptr, this, nullptr);
    if (d->slide) {
        disconnect(d->slide, nullptr, this, nullptr);
        delete d->slide.data();
    }
}

void DuiStackedWidget::construct()
{
    Q_D(DuiStackedWidget);
    DuiWidget::construct();
    setFlag(ItemClipsChildrenToShape);
    if (d->requested >= 0)
        setCurrentIndex(d->requested);
}

void DuiStackedWidget::addItem(DuiWidget *page)
{
    insertWidget(-1, page);
}

void DuiStackedWidget::insertItem(quint32 index, DuiWidget *page)
{
    insertWidget(index > quint32(INT_MAX) ? -1 : int(index), page);
}

int DuiStackedWidget::insertWidget(int index, DuiWidget *page)
{
    Q_D(DuiStackedWidget);
    if (!page || page == this || page->isAncestorOf(this))
        return -1;
    const int at = (index < 0 || index > d->pages.size()) ? int(d->pages.size()) : index;
    duiSetParent(page, this);
    if (!d->pages.contains(page))
        connect(page, &QObject::destroyed, this, &DuiStackedWidget::pageDestroyed);
    d->pages.insert(at, page);
    if (at <= d->current)
        ++d->current;
    page->hide();
    if (d->sizeMode == fixedMode)
        page->setGeometry(rect());
    return at;
}

void DuiStackedWidget::removeItem(DuiWidget *page)
{
    Q_D(DuiStackedWidget);
    for (int i = int(d->pages.size()) - 1; i >= 0; --i) {
        if (d->pages.at(i) == page)
            takePage(i, true);
    }
}

void DuiStackedWidget::removeItem(int index)
{
    Q_D(DuiStackedWidget);
    if (index >= 0 && index < d->pages.size())
        takePage(index, true);
}

void DuiStackedWidget::pageDestroyed(QObject *page)
{
    Q_D(DuiStackedWidget);
    // Only the address is compared: the page is half destroyed already.
    for (int i = int(d->pages.size()) - 1; i >= 0; --i) {
        if (static_cast<QObject *>(d->pages.at(i)) == page)
            takePage(i, false);
    }
}

// `alive` is false for a page being destroyed, which is never touched.
void DuiStackedWidget::takePage(int index, bool alive)
{
    Q_D(DuiStackedWidget);
    DuiWidget *page = d->pages.takeAt(index);
    if (alive && !d->pages.contains(page))
        disconnect(page, &QObject::destroyed, this, &DuiStackedWidget::pageDestroyed);
    // A slide may be moving this page; it ends now, laying out what is left.
    if (d->slide && d->slide->state() == QAbstractAnimation::Running) {
        disconnect(d->slide, nullptr, this, nullptr);
        d->slide->stop();
    }
    if (index < d->current) {
        --d->current;
    } else if (index == d->current) {
        d->current = d->pages.isEmpty() ? -1 : qMin(index, int(d->pages.size()) - 1);
        if (alive && page->parentItem() == this)
            page->hide();
    }
    if (d->current >= 0)
        _resetLayout();
}

int DuiStackedWidget::count() const
{
    return int(d_func()->pages.size());
}

int DuiStackedWidget::currentIndex() const
{
    return d_func()->current;
}

DuiWidget *DuiStackedWidget::widgetAt(int index) const
{
    Q_D(const DuiStackedWidget);
    return d->pages.value(index, nullptr);
}

DuiWidget *DuiStackedWidget::widgetAtByName(const QString &name) const
{
    for (DuiWidget *page : d_func()->pages) {
        if (page->objectName() == name)
            return page;
    }
    return nullptr;
}

int DuiStackedWidget::widgetIndex(const DuiWidget *page) const
{
    return int(d_func()->pages.indexOf(const_cast<DuiWidget *>(page)));
}

void DuiStackedWidget::setCurrentWidget(const DuiWidget *page)
{
    const int index = widgetIndex(page);
    if (index >= 0)
        setCurrentIndex(index);
}

DuiStackedWidget::EffectType DuiStackedWidget::effectType() const
{
    return d_func()->effectType;
}

void DuiStackedWidget::setEffectType(EffectType type)
{
    d_func()->effectType = type;
}

void DuiStackedWidget::setChildWidgetSizeMode(ChildWidgetSizeMode mode)
{
    d_func()->sizeMode = mode;
}

void DuiStackedWidget::setLayout(QGraphicsLayout *layout)
{
    Q_UNUSED(layout);
}

QGraphicsLayout *DuiStackedWidget::layout() const
{
    return nullptr;
}

bool DuiStackedWidget::isAnimating() const
{
    Q_D(const DuiStackedWidget);
    return d->slide && d->slide->state() == QAbstractAnimation::Running;
}

void DuiStackedWidget::setCurrentIndex(int index)
{
    Q_D(DuiStackedWidget);
    if (index >= d->pages.size()) {
        d->requested = index;
        return;
    }
    d->requested = -1;
    if (index < 0 || index == d->current)
        return;
    const int old = d->current;
    // The first page shows at once; so does every page of a stack that does not slide (an
    // effect value from a newer file included).
    if (old < 0 || d->effectType != SlideInOutEffect) {
        if (d->slide && d->slide->state() == QAbstractAnimation::Running)
            d->slide->stop();
        d->current = index;
        _resetLayout();
        return;
    }
    // Stopping the running slide lays its pages out where they belong before the next begins.
    if (d->slide && d->slide->state() == QAbstractAnimation::Running)
        d->slide->stop();

    const qreal w = size().width(), h = size().height();
    const QRectF left(-w, 0, w, h), centre(0, 0, w, h), right(w, 0, w, h);
    const bool forward = old < index;
    auto *group = new QParallelAnimationGroup(this);
    d->slide = group;
    connect(group, &QAbstractAnimation::finished, this, &DuiStackedWidget::onAnimationFinished);
    connect(group, &QAbstractAnimation::stateChanged, this, &DuiStackedWidget::onAnimationStateChanged);
    const auto slide = [group](DuiWidget *page, const QRectF &from, const QRectF &to) {
        auto *animation = new QPropertyAnimation(page, QByteArrayLiteral("geometry"), group);
        animation->setDuration(kSlideMs);
        animation->setStartValue(from);
        animation->setEndValue(to);
        group->addAnimation(animation);
    };
    DuiWidget *incoming = d->pages.at(index);
    DuiWidget *outgoing = d->pages.at(old);
    slide(incoming, forward ? right : left, centre);
    slide(outgoing, centre, forward ? left : right);
    incoming->setGeometry(forward ? right : left);
    group->start(QAbstractAnimation::DeleteWhenStopped);
    d->current = index;
    incoming->show();
}

void DuiStackedWidget::onAnimationStateChanged(QAbstractAnimation::State newState, QAbstractAnimation::State oldState)
{
    if (newState == QAbstractAnimation::Stopped && oldState == QAbstractAnimation::Running)
        _resetLayout();
}

void DuiStackedWidget::onAnimationFinished()
{
    _resetLayout();
}

void DuiStackedWidget::_resetLayout()
{
    Q_D(DuiStackedWidget);
    if (d->sizeMode == fixedMode) {
        for (DuiWidget *page : std::as_const(d->pages))
            page->setGeometry(rect());
    }
    DuiWidget *current = d->pages.value(d->current, nullptr);
    for (DuiWidget *page : std::as_const(d->pages)) {
        if (page != current)
            page->hide();
    }
    if (!current)
        return;
    if (d->sizeMode == adjustMode) {
        const QSizeF pageSize = current->size();
        setFixSize(QSizeF(int(pageSize.width()), int(pageSize.height())));
    }
    current->show();
}

void DuiStackedWidget::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    Q_D(DuiStackedWidget);
    DuiWidget::resizeEvent(event);
    const QRectF area(QPointF(0, 0), event->newSize());
    for (DuiWidget *page : std::as_const(d->pages))
        page->setGeometry(area);
}
