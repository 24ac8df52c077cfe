// SPDX-License-Identifier: MIT
#include "duihtmllabelwidget.h"
#include "duihtmllabelwidget_p.h"


#include <QtCore/qurl.h>
#include <QtGui/qcursor.h>
#include <QtGui/qdesktopservices.h>
#include <QtGui/qtextdocument.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qgraphicsitem.h>

DUI_REGISTER_WIDGET(DuiHtmlLabelWidget)

DuiHtmlLabelWidget::DuiHtmlLabelWidget(QGraphicsItem *parent)
    : DuiWidget(*new DuiHtmlLabelWidgetPrivate, parent)
{
    Q_D(DuiHtmlLabelWidget);
    setAcceptHoverEvents(true);
    d->textItem = new QGraphicsTextItem(this);
    d->textItem->setAcceptHoverEvents(false);
    setDragPolicy(DragWithParentFlag);
    connect(d->textItem, &QGraphicsTextItem::linkActivated, this, &DuiHtmlLabelWidget::linkActivated);
}

DuiHtmlLabelWidget::~DuiHtmlLabelWidget() = default;

QGraphicsTextItem *DuiHtmlLabelWidget::textItem() const
{
    return d_func()->textItem;
}

void DuiHtmlLabelWidget::placeText()
{
    Q_D(DuiHtmlLabelWidget);
    // The document's own top margin would push the first line down; pull it back up.
    d->textItem->setPos(0, -4);
    d->textItem->setTextWidth(size().width());
}

void DuiHtmlLabelWidget::setText(const QString &html)
{
    d_func()->textItem->setHtml(html);
    placeText();
}

QString DuiHtmlLabelWidget::text() const
{
    return d_func()->textItem->toHtml();
}

QString DuiHtmlLabelWidget::plateText() const
{
    return d_func()->textItem->toPlainText();
}

void DuiHtmlLabelWidget::updateInteraction()
{
    Q_D(DuiHtmlLabelWidget);
    setAcceptHoverEvents(d->acceptClick || d->underlineOnHover);
    setDragPolicy((d->acceptClick || d->underlineOnHover) ? NotDragWindow : DragWithParentFlag);
}

void DuiHtmlLabelWidget::setLink(const QString &link)
{
    Q_D(DuiHtmlLabelWidget);
    d->link = link;
    if (!link.isEmpty())
        setUnderlineOnHover(true);
}

QString DuiHtmlLabelWidget::link() const
{
    return d_func()->link;
}

void DuiHtmlLabelWidget::setAcceptClick(bool accept)
{
    d_func()->acceptClick = accept;
    updateInteraction();
}

bool DuiHtmlLabelWidget::acceptClick() const
{
    return d_func()->acceptClick;
}

void DuiHtmlLabelWidget::setUnderlineOnHover(bool underline)
{
    d_func()->underlineOnHover = underline;
    updateInteraction();
}

bool DuiHtmlLabelWidget::underlineOnHover() const
{
    return d_func()->underlineOnHover;
}

void DuiHtmlLabelWidget::setDropShadow(bool on)
{
    Q_D(DuiHtmlLabelWidget);
    if (d->dropShadow == on)
        return;
    d->dropShadow = on;
    _updateShadowEffect();
}

bool DuiHtmlLabelWidget::dropShadow() const
{
    return d_func()->dropShadow;
}

void DuiHtmlLabelWidget::setShadowColor(const QColor &color)
{
    Q_D(DuiHtmlLabelWidget);
    if (d->shadowColor == color)
        return;
    d->shadowColor = color;
    _updateShadowEffect();
}

QColor DuiHtmlLabelWidget::shadowColor() const
{
    return d_func()->shadowColor;
}

void DuiHtmlLabelWidget::setAutoMultiLine(bool multiLine)
{
    d_func()->autoMultiLine = multiLine;
}

bool DuiHtmlLabelWidget::autoMultiLine() const
{
    return d_func()->autoMultiLine;
}

void DuiHtmlLabelWidget::setTextGraphicsEffect(QGraphicsEffect *effect)
{
    d_func()->textItem->setGraphicsEffect(effect);
}

void DuiHtmlLabelWidget::_updateShadowEffect()
{
    Q_D(DuiHtmlLabelWidget);
    if (!d->dropShadow) {
        setTextGraphicsEffect(nullptr);
        return;
    }
    auto *shadow = new QGraphicsDropShadowEffect;
    shadow->setColor(d->shadowColor);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(3);
    setTextGraphicsEffect(shadow);
}

bool DuiHtmlLabelWidget::onText(const QPointF &itemPoint) const
{
    Q_D(const DuiHtmlLabelWidget);
    return d->textItem->contains(d->textItem->mapFromParent(itemPoint));
}

void DuiHtmlLabelWidget::setUnderline(bool underline)
{
    Q_D(DuiHtmlLabelWidget);
    QFont f = d->textItem->font();
    if (f.underline() == underline)
        return;
    f.setUnderline(underline);
    d->textItem->setFont(f);
}

void DuiHtmlLabelWidget::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    placeText();
}

void DuiHtmlLabelWidget::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiHtmlLabelWidget);
    if (d->acceptClick || (!d->link.isEmpty() && onText(event->pos())))
        event->accept();
    else
        event->ignore();
}

void DuiHtmlLabelWidget::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiHtmlLabelWidget);
    if (!d->link.isEmpty() && onText(event->pos()))
        QDesktopServices::openUrl(QUrl(d->link));
    Q_EMIT clicked();
}

void DuiHtmlLabelWidget::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    Q_D(DuiHtmlLabelWidget);
    DuiWidget::hoverMoveEvent(event);
    if (!onText(event->pos()))
        return;
    setCursor(Qt::PointingHandCursor);
    if (d->underlineOnHover)
        setUnderline(true);
}

void DuiHtmlLabelWidget::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverLeaveEvent(event);
    if (!onText(event->pos()))
        setUnderline(false);
}
