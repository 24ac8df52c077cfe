// SPDX-License-Identifier: MIT
#include "duiimagewidget.h"
#include "duiimagewidget_p.h"

#include "duicolorizeeffect_p.h"
#include "duitheme.h"

#include <QtGui/qcursor.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicssceneevent.h>

DUI_REGISTER_WIDGET(DuiImageWidget)

void duiDrawImageBorder(QPainter *painter, const QRectF &rect, const QColor &color)
{
    if (!color.isValid())
        return;
    painter->setPen(color);
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(rect.toRect().adjusted(0, 0, -1, -1), 2, 2, Qt::AbsoluteSize);
}

DuiImageWidget::DuiImageWidget(QGraphicsItem *parent)
    : DuiImageWidget(*new DuiImageWidgetPrivate, parent)
{
}

DuiImageWidget::DuiImageWidget(DuiImageWidgetPrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init();
}

DuiImageWidget::~DuiImageWidget() = default;

void DuiImageWidget::init()
{
    Q_D(DuiImageWidget);
    setAcceptedMouseButtons(Qt::LeftButton);
    d->pixmapItem = new QGraphicsPixmapItem(this);
    d->pixmapItem->setTransformationMode(Qt::SmoothTransformation);
    setFlag(ItemIgnoresParentOpacity);
    setFlag(ItemClipsChildrenToShape);
}

void DuiImageWidget::setImagePath(const QString &path)
{
    Q_D(DuiImageWidget);
    d->pixmapItem->setPixmap(DuiTheme::getImage(path, true));
    d->imagePath = path;
    setPreferredSize(d->pixmapItem->pixmap().deviceIndependentSize());
    _relayout(rect());
}

QString DuiImageWidget::imagePath() const
{
    return d_func()->imagePath;
}

void DuiImageWidget::setPixmap(const QPixmap &pixmap)
{
    Q_D(DuiImageWidget);
    d->pixmapItem->setPixmap(pixmap);
    d->imagePath.clear();
    setPreferredSize(pixmap.deviceIndependentSize());
    _relayout(rect());
}

QPixmap DuiImageWidget::pixmap() const
{
    return d_func()->pixmapItem->pixmap();
}

void DuiImageWidget::setImageData(const QByteArray &data)
{
    Q_D(DuiImageWidget);
    QPixmap pixmap;
    if (!pixmap.loadFromData(data) || pixmap.isNull())
        return;
    d->pixmapItem->setPixmap(pixmap);
    d->imagePath.clear();
    setPreferredSize(pixmap.deviceIndependentSize() + (d->borderColor.isValid() ? QSizeF(2, 2) : QSizeF(0, 0)));
    _relayout(rect());
}

void DuiImageWidget::_relayout(const QRectF &rect)
{
    Q_D(DuiImageWidget);
    const QSizeF pm = d->pixmapItem->pixmap().deviceIndependentSize();
    switch (d->scalePolicy) {
    case ScaleWidgetCenter:
        d->pixmapItem->setPos((rect.width() - pm.width()) / 2, (rect.height() - pm.height()) / 2);
        break;
    case ScaleToLeftTop:
        d->pixmapItem->setPos(rect.x(), rect.y());
        break;
    case ScaleToRightTop:
        d->pixmapItem->setPos(rect.width() - pm.width(), rect.y());
        break;
    case ScaleToWidget: {
        if (pm.width() < 1 || pm.height() < 1)
            break;
        const qreal m = d->borderColor.isValid() ? 2 : 0;
        const qreal factor = qMin((rect.width() - m) / pm.width(), (rect.height() - m) / pm.height());
        d->pixmapItem->setScale(factor);
        d->pixmapItem->setPos((rect.width() - pm.width() * factor) / 2, (rect.height() - pm.height() * factor) / 2);
        break;
    }
    }
}

void DuiImageWidget::updateTransform()
{
    Q_D(DuiImageWidget);
    QTransform transform;
    if (d->scale != 0)
        transform.scale(d->scale, d->scale);
    if (d->rotate != 0) {
        const QSize pm = d->pixmapItem->pixmap().deviceIndependentSize().toSize();
        transform.translate(pm.width() / 2, pm.height() / 2);
        transform.rotate(d->rotate, Qt::ZAxis);
        transform.translate(-(pm.width() / 2), -(pm.height() / 2));
    }
    d->pixmapItem->setTransform(transform);
}

void DuiImageWidget::setRotate(double degrees)
{
    d_func()->rotate = degrees;
    updateTransform();
}

double DuiImageWidget::rotate() const
{
    return d_func()->rotate;
}

void DuiImageWidget::setScale(double scale)
{
    d_func()->scale = scale;
    updateTransform();
}

double DuiImageWidget::scale() const
{
    return d_func()->scale;
}

void DuiImageWidget::setEffectColor(const QColor &color)
{
    Q_D(DuiImageWidget);
    auto *effect = new DuiColorizeEffect(this);
    effect->setColor(color);
    d->pixmapItem->setGraphicsEffect(effect);
    d->effectColor = color;
}

QColor DuiImageWidget::effectColor() const
{
    return d_func()->effectColor;
}

void DuiImageWidget::setBorderColor(const QColor &color)
{
    d_func()->borderColor = color;
}

QColor DuiImageWidget::borderColor() const
{
    return d_func()->borderColor;
}

void DuiImageWidget::setHandHover(bool hand)
{
    Q_D(DuiImageWidget);
    d->handHover = hand;
    setAcceptHoverEvents(hand);
    if (hand) {
        setDragPolicy(NotDragWindow);
        setCursor(Qt::PointingHandCursor);
    } else {
        setDragPolicy(DragWithParentFlag);
        unsetCursor();
        // Hover events stop here, so a glow showing now would never be taken away.
        endGlow();
    }
}

bool DuiImageWidget::handHover() const
{
    return d_func()->handHover;
}

void DuiImageWidget::setAcceptClick(bool accept)
{
    d_func()->acceptClick = accept;
}

bool DuiImageWidget::acceptClick() const
{
    return d_func()->acceptClick;
}

void DuiImageWidget::setScalePolicy(ImageScalePolicy policy)
{
    d_func()->scalePolicy = policy;
}

DuiImageWidget::ImageScalePolicy DuiImageWidget::scalePolicy() const
{
    return d_func()->scalePolicy;
}

void DuiImageWidget::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    Q_UNUSED(option);
    Q_UNUSED(widget);
    duiDrawImageBorder(painter, rect(), d_func()->borderColor);
}

void DuiImageWidget::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    _relayout(rect());
}

void DuiImageWidget::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (d_func()->acceptClick)
        event->accept();
    else
        event->ignore();
}

void DuiImageWidget::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (rect().contains(event->pos()))
        Q_EMIT clicked();
}

void DuiImageWidget::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    Q_D(DuiImageWidget);
    DuiWidget::hoverEnterEvent(event);
    if (!d->handHover)
        return;
    // An item has one effect: remember the colorize tint that the glow replaces.
    if (auto *tint = qobject_cast<QGraphicsColorizeEffect *>(graphicsEffect())) {
        d->tintUnderGlow = tint->color();
        d->tintStrengthUnderGlow = tint->strength();
    }
    auto *glow = new QGraphicsDropShadowEffect(this);
    glow->setOffset(0, 0);
    glow->setBlurRadius(12);
    glow->setColor(Qt::white);
    setGraphicsEffect(glow);
    d->glow = glow;
}

void DuiImageWidget::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverLeaveEvent(event);
    endGlow();
}

void DuiImageWidget::endGlow()
{
    Q_D(DuiImageWidget);
    const QColor tint = d->tintUnderGlow;
    d->tintUnderGlow = QColor();
    // Only the glow is taken away: whatever replaced it during the hover (a colorize pass's
    // current tint, say) stays.
    if (!d->glow || graphicsEffect() != d->glow)
        return;
    d->glow = nullptr;
    if (!tint.isValid() || colorizePolicy() != ColorableFlag) {
        setGraphicsEffect(nullptr);
        return;
    }
    auto *effect = new DuiColorizeEffect(this);
    effect->setColor(tint);
    effect->setStrength(d->tintStrengthUnderGlow);
    setGraphicsEffect(effect);
}
