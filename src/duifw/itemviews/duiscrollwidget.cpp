// SPDX-License-Identifier: MIT
#include "duiscrollwidget.h"
#include "duiscrollwidget_p.h"

#include "duiparent_p.h"

#include <QtCore/qcoreevent.h>
#include <QtWidgets/qgraphicslayout.h>

DUI_REGISTER_WIDGET(DuiScrollWidget)

DuiScrollWidget::DuiScrollWidget(QGraphicsItem *parent)
    : DuiScrollWidget(*new DuiScrollWidgetPrivate, parent)
{
}

DuiScrollWidget::DuiScrollWidget(DuiScrollWidgetPrivate &dd, QGraphicsItem *parent)
    : DuiScrollArea(dd, parent)
{
    init();
}

DuiScrollWidget::~DuiScrollWidget() = default;

void DuiScrollWidget::init()
{
    auto *content = new DuiWidget(this);
    duiSetParent(content, this);
    content->setObjectName(QStringLiteral("ScrollWidgetContent"));
    // Relayouts of the content reach the area here, to fit its height.
    content->installEventFilter(this);
    setContentWidget(content);
}

int DuiScrollWidget::getScrollBarPolicyEX() const
{
    return int(scrollBarPolicy());
}

void DuiScrollWidget::setScrollBarPolicyEX(int policy)
{
    setScrollBarPolicy(Qt::ScrollBarPolicy(policy));
}

void DuiScrollWidget::setLayout(QGraphicsLayout *layout)
{
    if (DuiWidget *content = contentWidget())
        content->setLayout(layout);
}

QGraphicsLayout *DuiScrollWidget::layout() const
{
    DuiWidget *content = contentWidget();
    return content ? content->layout() : nullptr;
}

void DuiScrollWidget::insertItem(quint32 index, DuiWidget *item)
{
    if (DuiWidget *content = contentWidget())
        content->insertItem(index, item);
}

void DuiScrollWidget::removeItem(DuiWidget *item)
{
    if (DuiWidget *content = contentWidget())
        content->removeItem(item);
}

DuiWidget::LayoutType DuiScrollWidget::contentLayoutType() const
{
    DuiWidget *content = contentWidget();
    return content ? content->layoutType() : Linear;
}

void DuiScrollWidget::setContentLayoutType(DuiWidget::LayoutType type)
{
    Q_D(DuiScrollWidget);
    DuiWidget *content = contentWidget();
    if (!content)
        return;
    content->setLayout(type);
    // A new layout starts with no spacing or margins: keep what XML gave before it.
    content->setSpacing(d->spacing);
    content->setMargins(d->margins);
}

void DuiScrollWidget::setLayout(LayoutType type)
{
    setContentLayoutType(type);
}

int DuiScrollWidget::contentSpacing() const
{
    return d_func()->spacing;
}

void DuiScrollWidget::setContentSpacing(int spacing)
{
    Q_D(DuiScrollWidget);
    d->spacing = spacing;
    if (DuiWidget *content = contentWidget())
        content->setSpacing(spacing);
}

QMargins DuiScrollWidget::contentMargins() const
{
    DuiWidget *content = contentWidget();
    return content ? content->margins() : QMargins();
}

void DuiScrollWidget::setContentMargins(const QMargins &margins)
{
    d_func()->margins = margins;
    if (DuiWidget *content = contentWidget())
        content->setMargins(margins);
}

DuiWidget *DuiScrollWidget::getXmlNode()
{
    DuiWidget *content = contentWidget();
    return content ? content : this;
}

void DuiScrollWidget::construct()
{
    DuiScrollArea::construct();
    fitContent();
}

void DuiScrollWidget::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiScrollArea::resizeEvent(event);
    fitContent();
}

bool DuiScrollWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == contentWidget() && event->type() == QEvent::LayoutRequest) {
        // Let the content lay itself out first, then fit the area's view of it.
        const bool handled = watched->event(event);
        fitContent();
        return handled;
    }
    return DuiScrollArea::eventFilter(watched, event);
}

void DuiScrollWidget::fitContent()
{
    DuiWidget *content = contentWidget();
    QGraphicsLayout *contentLayout = content ? content->layout() : nullptr;
    if (!contentLayout)
        return;
    // As tall as the layout's least height, and filling the view when that is less.
    const qreal needed = contentLayout->effectiveSizeHint(Qt::MinimumSize).height();
    const qreal height = qMax(needed, size().height());
    if (!qFuzzyCompare(height, content->size().height()))
        content->resize(content->size().width(), height);
}
