// SPDX-License-Identifier: MIT
#include "duilabelwidget.h"
#include "duilabelwidget_p.h"

#include "duicolorizeeffect_p.h"
#include "duigraphicsoutergloweffect.h"
#include "duitheme.h"

#include <QtCore/qurl.h>
#include <QtGui/qcursor.h>
#include <QtGui/qdesktopservices.h>
#include <QtGui/qfontmetrics.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qpalette.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qgraphicsitem.h>

DUI_REGISTER_WIDGET(DuiLabelWidget)

DuiLabelWidget::DuiLabelWidget(QGraphicsItem *parent)
    : DuiWidget(*new DuiLabelWidgetPrivate, parent)
{
    Q_D(DuiLabelWidget);
    setAcceptedMouseButtons(Qt::LeftButton);
    setFlag(ItemClipsChildrenToShape);
    d->textItem = new QGraphicsSimpleTextItem(this);
    d->textItem->setAcceptHoverEvents(false);
    d->textItem->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
    d->textItem->setBrush(QGuiApplication::palette().text());
    setDragPolicy(DragWithParentFlag);
}

DuiLabelWidget::~DuiLabelWidget() = default;

QGraphicsSimpleTextItem *DuiLabelWidget::textItem() const
{
    return d_func()->textItem;
}

void DuiLabelWidget::placeText(const QSizeF &size)
{
    Q_D(DuiLabelWidget);
    const QRectF bounds = d->textItem->boundingRect();
    const qreal tw = bounds.width(), th = bounds.height();
    const qreal w = size.width(), h = size.height();
    const QMargins &m = d->frame;
    qreal x = 0, y = 0;
    switch (d->alignment & Qt::AlignHorizontal_Mask) {
    case Qt::AlignLeft:
        x = m.left();
        break;
    case Qt::AlignRight:
        x = w - tw - m.right();
        break;
    case Qt::AlignHCenter:
        x = m.left() + (w - tw - m.left() - m.right()) / 2;
        break;
    default:
        break;
    }
    switch (d->alignment & Qt::AlignVertical_Mask) {
    case Qt::AlignTop:
        y = m.top();
        break;
    case Qt::AlignBottom:
        y = h - th - m.bottom();
        break;
    case Qt::AlignVCenter:
        y = m.top() + (h - th - m.top() - m.bottom()) / 2;
        break;
    default:
        break;
    }
    d->textItem->setPos(x, y);
}

void DuiLabelWidget::adjustWithContentSize(qreal width)
{
    Q_D(DuiLabelWidget);
    if (!d->elidedText) {
        d->textItem->setText(d->text);
        placeText(size());
        return;
    }
    d->textItem->setText(QFontMetricsF(d->textItem->font()).elidedText(d->text, Qt::ElideRight, width));
}

void DuiLabelWidget::setText(const QString &text)
{
    Q_D(DuiLabelWidget);
    if (text == d->text)
        return;
    d->text = text;
    adjustWithContentSize(size().width());
    placeText(size());
}

QString DuiLabelWidget::text() const
{
    return d_func()->text;
}

void DuiLabelWidget::setFullText(const QString &text)
{
    Q_D(DuiLabelWidget);
    if (text == d->text)
        return;
    d->text = text;
    d->textItem->setText(text);
    placeText(size());
}

void DuiLabelWidget::setAdjustText(const QString &text)
{
    Q_D(DuiLabelWidget);
    if (text.isEmpty() && size().width() != 0) {
        // Forget the old text too, or giving it back later would be taken as no change and
        // leave the label at width 0.
        d->text.clear();
        d->textItem->setText(QString());
        setFixWidth(0);
        placeText(size());
        return;
    }
    if (text == d->text)
        return;
    d->text = text;
    d->textItem->setText(text);
    const qreal textWidth = QFontMetricsF(d->textItem->font()).size(Qt::TextSingleLine, text).width();
    setFixWidth(int(textWidth + d->frame.left() + d->frame.right()));
    placeText(size());
}

void DuiLabelWidget::setElidedText(bool elided)
{
    d_func()->elidedText = elided;
    adjustWithContentSize(size().width());
}

bool DuiLabelWidget::elidedText() const
{
    return d_func()->elidedText;
}

void DuiLabelWidget::setAlignment(Qt::Alignment alignment)
{
    Q_D(DuiLabelWidget);
    if (alignment == d->alignment)
        return;
    d->alignment = alignment;
    placeText(size());
}

Qt::Alignment DuiLabelWidget::alignment() const
{
    return d_func()->alignment;
}

void DuiLabelWidget::setFont(const QFont &font)
{
    d_func()->textItem->setFont(font);
    placeText(size());
}

QFont DuiLabelWidget::font() const
{
    return d_func()->textItem->font();
}

void DuiLabelWidget::setFontSize(int pixels)
{
    Q_D(DuiLabelWidget);
    if (pixels <= 0)
        return; // QFont refuses non-positive pixel sizes with a warning
    QFont f = font();
    f.setPixelSize(pixels);
    setFont(f);
    adjustWithContentSize(size().width());
    d->textItem->setText(QFontMetricsF(f).elidedText(d->text, Qt::ElideRight, size().width()));
}

int DuiLabelWidget::fontSize() const
{
    return font().pixelSize();
}

void DuiLabelWidget::setBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

bool DuiLabelWidget::bold() const
{
    return font().bold();
}

void DuiLabelWidget::setTextColor(const QColor &color)
{
    d_func()->textItem->setBrush(QBrush(color));
}

QColor DuiLabelWidget::textColor() const
{
    return d_func()->textItem->brush().color();
}

void DuiLabelWidget::setLink(const QString &link)
{
    Q_D(DuiLabelWidget);
    d->link = link;
    if (!link.isEmpty())
        setUnderlineOnHover(true);
}

QString DuiLabelWidget::link() const
{
    return d_func()->link;
}

void DuiLabelWidget::setAcceptClick(bool accept)
{
    Q_D(DuiLabelWidget);
    d->acceptClick = accept;
    if (!accept) {
        setCursor(Qt::ArrowCursor);
        setUnderline(false);
    }
    setAcceptHoverEvents(accept);
}

bool DuiLabelWidget::acceptClick() const
{
    return d_func()->acceptClick;
}

void DuiLabelWidget::setUnderlineOnHover(bool underline)
{
    d_func()->underlineOnHover = underline;
    setAcceptHoverEvents(underline);
}

bool DuiLabelWidget::underlineOnHover() const
{
    return d_func()->underlineOnHover;
}

void DuiLabelWidget::setUnderline(bool underline)
{
    Q_D(DuiLabelWidget);
    QFont f = d->textItem->font();
    if (f.underline() == underline)
        return;
    f.setUnderline(underline);
    d->textItem->setFont(f);
}

void DuiLabelWidget::updateShadow()
{
    Q_D(DuiLabelWidget);
    if (!d->dropShadow) {
        d->textItem->setGraphicsEffect(nullptr);
        return;
    }
    auto *glow = new DuiGraphicsOuterGlowEffect;
    glow->setBlurRadius(2);
    glow->setColor(d->shadowColor);
    glow->setSize(d->shadowBlurRadius);
    glow->setOpacity(d->shadowOpacity);
    d->textItem->setGraphicsEffect(glow);
}

void DuiLabelWidget::setDropShadow(bool on)
{
    Q_D(DuiLabelWidget);
    if (d->dropShadow == on)
        return;
    d->dropShadow = on;
    updateShadow();
}

bool DuiLabelWidget::dropShadow() const
{
    return d_func()->dropShadow;
}

void DuiLabelWidget::setShadowColor(const QColor &color)
{
    Q_D(DuiLabelWidget);
    if (d->shadowColor == color)
        return;
    d->shadowColor = color;
    updateShadow();
}

QColor DuiLabelWidget::shadowColor() const
{
    return d_func()->shadowColor;
}

void DuiLabelWidget::setShadowOffset(const QPointF &offset)
{
    Q_D(DuiLabelWidget);
    if (d->shadowOffset == offset)
        return;
    d->shadowOffset = offset;
    updateShadow();
}

QPointF DuiLabelWidget::shadowOffset() const
{
    return d_func()->shadowOffset;
}

void DuiLabelWidget::setShadowBlurRadius(qreal radius)
{
    Q_D(DuiLabelWidget);
    if (d->shadowBlurRadius == radius)
        return;
    d->shadowBlurRadius = radius;
    updateShadow();
}

qreal DuiLabelWidget::shadowBlurRadius() const
{
    return d_func()->shadowBlurRadius;
}

void DuiLabelWidget::setShadowOpacity(qreal opacity)
{
    Q_D(DuiLabelWidget);
    const bool same = d->shadowOpacity == opacity
                      || qAbs(d->shadowOpacity - opacity) <= 1e-12 * qMax(qAbs(d->shadowOpacity), qAbs(opacity));
    if (same)
        return;
    d->shadowOpacity = opacity;
    updateShadow();
}

qreal DuiLabelWidget::shadowOpacity() const
{
    return d_func()->shadowOpacity;
}

void DuiLabelWidget::setFrame(const QMargins &margins)
{
    d_func()->frame = margins;
}

QMargins DuiLabelWidget::frame() const
{
    return d_func()->frame;
}

void DuiLabelWidget::setEnabled(bool enabled)
{
    QGraphicsWidget::setEnabled(enabled);
    if (enabled) {
        setGraphicsEffect(nullptr);
        return;
    }
    auto *effect = qobject_cast<QGraphicsColorizeEffect *>(graphicsEffect());
    if (!effect && !graphicsEffect()) {
        effect = new DuiColorizeEffect(this);
        setGraphicsEffect(effect);
    }
    if (effect)
        effect->setColor(Qt::gray);
}

void DuiLabelWidget::setTextGraphicsEffect(QGraphicsEffect *effect)
{
    d_func()->textItem->setGraphicsEffect(effect);
}

bool DuiLabelWidget::hit(const QPointF &itemPoint) const
{
    Q_D(const DuiLabelWidget);
    return d->textItem->contains(d->textItem->mapFromParent(itemPoint)) || d->textItem->text().trimmed().isEmpty();
}

DuiWidget::DragWidgetFlag DuiLabelWidget::hitTest(const QPointF &point) const
{
    Q_D(const DuiLabelWidget);
    const QPointF local = d->textItem->mapFromScene(point);
    if (!d->textItem->contains(local))
        return DragWithParentFlag;
    return (d->acceptClick || d->underlineOnHover) ? NotDragWindow : dragPolicy();
}

void DuiLabelWidget::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    adjustWithContentSize(event->newSize().width());
    placeText(event->newSize());
}

void DuiLabelWidget::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiLabelWidget);
    const bool onText = hit(event->pos());
    if ((d->acceptClick && onText) || (!d->link.isEmpty() && onText))
        event->accept();
    else
        event->ignore();
}

void DuiLabelWidget::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiLabelWidget);
    if (!hit(event->pos()))
        return;
    if (!d->link.isEmpty())
        QDesktopServices::openUrl(QUrl(d->link));
    Q_EMIT clicked();
}

void DuiLabelWidget::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    Q_D(DuiLabelWidget);
    DuiWidget::hoverMoveEvent(event);
    if (hit(event->pos())) {
        if (d->acceptClick)
            setCursor(Qt::PointingHandCursor);
        if (d->underlineOnHover)
            setUnderline(true);
    } else {
        setCursor(Qt::ArrowCursor);
    }
}

void DuiLabelWidget::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    Q_D(DuiLabelWidget);
    DuiWidget::hoverLeaveEvent(event);
    if (d->underlineOnHover && !d->textItem->contains(d->textItem->mapFromParent(event->pos())))
        setUnderline(false);
}

void DuiLabelWidget::doColorize(QRgb rgb)
{
    Q_D(DuiLabelWidget);
    if (d->dropShadow && themeColorType() != 0) {
        setShadowColor(QColor::fromRgba(DuiTheme::getColor(DuiTheme::ColorType(themeColorType()))));
        return;
    }
    DuiWidget::doColorize(rgb);
}
