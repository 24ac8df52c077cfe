// SPDX-License-Identifier: MIT
#include "duicheckbox.h"
#include "duicheckbox_p.h"

#include "duiaccessibleevents_p.h"
#include "duitheme.h"

#include <QtGui/qfontmetrics.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicssceneevent.h>

DUI_REGISTER_WIDGET(DuiCheckBox)

void DuiCheckBoxPrivate::setDefaultImages(const QString &kind)
{
    Q_Q(DuiCheckBox);
    auto path = [&kind](const char *state) { return QStringLiteral(":/theme/duifw/%1_%2.png").arg(kind, QLatin1String(state)); };
    q->setImage(path("selected_normal"), path("selected_hover"), path("selected_pressdown"), path("selected_disable"),
                path("default_normal"), path("default_hover"), path("default_pressdown"), path("default_disable"));
}

DuiCheckBox::DuiCheckBox(QGraphicsItem *parent)
    : DuiCheckBox(*new DuiCheckBoxPrivate, parent)
{
}

DuiCheckBox::DuiCheckBox(DuiCheckBoxPrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init();
}

DuiCheckBox::~DuiCheckBox() = default;

void DuiCheckBox::init()
{
    Q_D(DuiCheckBox);
    d->imageItem = new QGraphicsPixmapItem(this);
    d->textItem = new QGraphicsSimpleTextItem(this);
    d->textItem->setAcceptedMouseButtons(Qt::NoButton);
    d->setDefaultImages(QStringLiteral("checkbox"));
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptHoverEvents(true);
    setFlag(ItemClipsChildrenToShape);
    setDragPolicy(NotDragWindow);
}

void DuiCheckBox::refreshImage()
{
    Q_D(DuiCheckBox);
    const int check = qBound(0, int(d->checkState), 2);
    d->imageItem->setPixmap(DuiTheme::getImage(d->imagePaths[check][d->visualState], true));
    relayout();
}

void DuiCheckBox::relayout()
{
    Q_D(DuiCheckBox);
    const QSizeF image = d->imageItem->pixmap().deviceIndependentSize();
    const qreal h = size().height();
    d->imageItem->setPos(0, (h - image.height()) / 2);
    const qreal fontHeight = QFontMetricsF(d->textItem->font()).height();
    d->textItem->setPos(d->spacing + image.width(), (h - fontHeight) / 2);
}

void DuiCheckBox::setText(const QString &text)
{
    d_func()->textItem->setText(text);
    relayout();
}

QString DuiCheckBox::text() const
{
    return d_func()->textItem->text();
}

void DuiCheckBox::setTextColor(const QColor &color)
{
    d_func()->textItem->setBrush(color);
}

QColor DuiCheckBox::textColor() const
{
    return d_func()->textItem->brush().color();
}

void DuiCheckBox::setFont(const QFont &font)
{
    d_func()->textItem->setFont(font);
    relayout();
}

QFont DuiCheckBox::font() const
{
    return d_func()->textItem->font();
}

void DuiCheckBox::setSpacing(int spacing)
{
    d_func()->spacing = spacing;
    relayout();
}

int DuiCheckBox::spacing() const
{
    return d_func()->spacing;
}

void DuiCheckBox::setCheckState(Qt::CheckState state)
{
    Q_D(DuiCheckBox);
    if (state == d->checkState)
        return;
    d->checkState = state;
    ++d->signalDepth;
    refreshImage();
    duiAccessibleCheckedChanged(this);
    // A change made from inside a handler of this box's own signal does not signal again.
    if (d->signalDepth == 1)
        Q_EMIT stateChanged(state == Qt::Checked);
    --d->signalDepth;
}

Qt::CheckState DuiCheckBox::checkState() const
{
    return d_func()->checkState;
}

void DuiCheckBox::setImage(const QString &checkedNormal, const QString &checkedHover, const QString &checkedPressed,
                           const QString &checkedDisabled, const QString &uncheckedNormal, const QString &uncheckedHover,
                           const QString &uncheckedPressed, const QString &uncheckedDisabled)
{
    Q_D(DuiCheckBox);
    const QString checked[4] = {checkedNormal, checkedHover, checkedPressed, checkedDisabled};
    const QString unchecked[4] = {uncheckedNormal, uncheckedHover, uncheckedPressed, uncheckedDisabled};
    for (int i = 0; i < 4; ++i) {
        d->imagePaths[Qt::Checked][i] = checked[i];
        d->imagePaths[Qt::Unchecked][i] = unchecked[i];
    }
    refreshImage();
}

void DuiCheckBox::setImagePath(const QString &paths)
{
    QStringList parts;
    if (!paths.isEmpty())
        parts = paths.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    while (parts.size() < 8)
        parts << QString();
    setImage(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], parts[6], parts[7]);
}

void DuiCheckBox::setEnabled(bool enabled)
{
    Q_D(DuiCheckBox);
    QGraphicsWidget::setEnabled(enabled);
    d->visualState = enabled ? DuiCheckBoxPrivate::Normal : DuiCheckBoxPrivate::Disabled;
    refreshImage();
}

QString DuiCheckBox::toolTip() const
{
    const QString own = DuiWidget::toolTip();
    return own.isEmpty() ? text() : own;
}

void DuiCheckBox::doColorize(QRgb rgb)
{
    Q_UNUSED(rgb); // check boxes keep their own colours
}

void DuiCheckBox::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    relayout();
}

void DuiCheckBox::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    DuiWidget::mousePressEvent(event);
    event->accept();
}

void DuiCheckBox::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiCheckBox);
    if (!isEnabled() || !rect().contains(event->pos()))
        return;
    const Qt::CheckState next = d->checkState == Qt::Unchecked ? Qt::Checked : Qt::Unchecked;
    setCheckState(next);
    Q_EMIT stateSelected(next == Qt::Checked);
}

void DuiCheckBox::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    Q_D(DuiCheckBox);
    DuiWidget::hoverEnterEvent(event);
    if (!isEnabled())
        return;
    d->visualState = DuiCheckBoxPrivate::Hover;
    refreshImage();
}

void DuiCheckBox::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    Q_D(DuiCheckBox);
    DuiWidget::hoverLeaveEvent(event);
    if (!isEnabled())
        return;
    d->visualState = DuiCheckBoxPrivate::Normal;
    refreshImage();
}
