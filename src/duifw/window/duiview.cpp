// SPDX-License-Identifier: MIT
#include "duiview.h"
#include "duiview_p.h"

#include <QtWidgets/qgraphicslinearlayout.h>

DUI_REGISTER_WIDGET(DuiView)

DuiView::DuiView(QGraphicsItem *parent)
    : DuiView(*new DuiViewPrivate, parent)
{
}

DuiView::DuiView(DuiViewPrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
}

DuiView::~DuiView() = default;

void DuiView::setWidget(QGraphicsWidget *widget)
{
    Q_D(DuiView);
    if (widget == d->content)
        return;
    QGraphicsWidget *old = d->content;
    // A layout set on the view since (DuiWidget::setLayout, an XML layout attribute) has
    // deleted the view's own box; only the pointer value is compared here.
    if (d->box && layout() != d->box)
        d->box = nullptr;
    if (!widget) {
        QGraphicsWidget::setLayout(nullptr);
        d->box = nullptr;
        d->content = nullptr;
        delete old;
        return;
    }
    if (!d->box) {
        d->box = new QGraphicsLinearLayout(Qt::Vertical);
        d->box->setContentsMargins(0, 0, 0, 0);
        QGraphicsWidget::setLayout(d->box);
    }
    if (d->box->count() > 0)
        d->box->removeAt(0);
    widget->setParentItem(this);
    d->box->addItem(widget);
    d->content = widget;
    delete old;
}

QGraphicsWidget *DuiView::widget() const
{
    return d_func()->content;
}

QString DuiView::title() const
{
    return d_func()->title;
}

void DuiView::setTitle(const QString &title)
{
    d_func()->title = title;
}

void DuiView::setTitle(const I18nString &title)
{
    setTitle(title.toString());
}

QString DuiView::icon() const
{
    return d_func()->icon;
}

void DuiView::setIcon(const QString &icon)
{
    d_func()->icon = icon;
}

void DuiView::onActivated()
{
}

void DuiView::onDeactivated()
{
}

void DuiView::construct()
{
}
