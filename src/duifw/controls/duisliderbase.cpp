// SPDX-License-Identifier: MIT
#include "duisliderbase.h"
#include "duisliderbase_p.h"

#include "duiaccessibleevents_p.h"
#include "duiframeitem.h"
#include "duiparent_p.h"
#include "duitheme.h"

#include <QtGui/qpen.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicssceneevent.h>

#include <cmath>

namespace {
const QString kThumb = QStringLiteral(":/theme/duifw/slider_thumb.png");
const QString kSelected = QStringLiteral(":/theme/duifw/slider_selected_part.png");
const QString kBackground = QStringLiteral(":/theme/duifw/slider_background.png");
// The seek slider's track and thumb are 9 pixels; the thin one has a 3-pixel track, 10-pixel thumb.
constexpr qreal kSeekTrack = 9;
constexpr qreal kThinTrack = 3;
constexpr qreal kThinThumb = 10;

// Equal within a relative 1e-12; against 0 only 0 is equal.
bool sameValue(qreal a, qreal b)
{
    if (a == 0 || b == 0)
        return a == b;
    return qAbs(a - b) <= 1e-12 * qMin(qAbs(a), qAbs(b));
}

DuiFrameItem *newFrame(DuiWidget *owner, const QString &image, DuiFrameItemDrawer::FrameType type)
{
    auto *frame = new DuiFrameItem(image, type, owner);
    duiSetParent(frame, owner);
    return frame;
}
} // namespace

DuiSliderBasePrivate::DuiSliderBasePrivate(Variant kind)
    : variant(kind)
    , value(kind == Seek ? 0.0 : 1.0)
{
}

void DuiSliderBasePrivate::init()
{
    Q_Q(DuiSliderBase);
    thumbImage = thumbHoverImage = kThumb;
    selectImage = kSelected;
    background = newFrame(q, kBackground, DuiFrameItemDrawer::NinePieces);
    selected = newFrame(q, kSelected, variant == Seek ? DuiFrameItemDrawer::NinePieces : DuiFrameItemDrawer::OnePiece);
    progressLine = new QGraphicsLineItem(q);
    progressLine->setPen(QPen(Qt::green, 4, Qt::DotLine));
    thumb = newFrame(q, kThumb, DuiFrameItemDrawer::ThreePiecesVertical);
    q->setAcceptHoverEvents(true);
    q->setDragPolicy(DuiWidget::NotDragWindow);
    if (variant == Seek) {
        q->setAcceptedMouseButtons(Qt::LeftButton);
        background->setThemeColorType(DuiTheme::DarkestColor);
        selected->setThemeColorType(DuiTheme::StrongColor);
        thumb->setThemeColorType(DuiTheme::StrongColor);
    }
    relayout();
}

void DuiSliderBasePrivate::relayout()
{
    Q_Q(DuiSliderBase);
    const qreal w = q->size().width(), h = q->size().height();
    if (!(w > 0) || !(h > 0))
        return;
    const qreal track = variant == Seek ? kSeekTrack : kThinTrack;
    progressLine->setVisible(progressCombo);
    selected->setVisible(!progressCombo);
    const qreal top = h > track ? (h - track) * 0.5 : 0;
    background->setGeometry(0, top, w, track);
    const qreal x = value * w;
    if (variant == Seek)
        selected->setGeometry(0, top, qMax(x, kSeekTrack), kSeekTrack);
    else
        selected->setGeometry(0, top, x + 2, kThinTrack);
    progressLine->setLine(4, h * 0.5 + 1, (w - 8) * progressValue, h * 0.5 + 1);
    const qreal left = qMin(x, w - kSeekTrack);
    if (variant == Seek) {
        if (thumbWidth < 0)
            thumb->setGeometry(left, 0, kSeekTrack, h);
        else
            thumb->setGeometry(left - 2, top - (thumbHeight - kSeekTrack) * 0.5, thumbWidth, thumbHeight);
    } else {
        if (thumbWidth < 0)
            thumb->setGeometry(left, 0, kThinThumb, h);
        else
            thumb->setGeometry(left, (h - kThinThumb) * 0.5, kThinThumb, kThinThumb);
    }
}

void DuiSliderBasePrivate::showHoverThumb(bool hovered)
{
    thumb->setImage(hovered ? thumbHoverImage : thumbImage);
}

std::optional<qreal> DuiSliderBasePrivate::press(const QPointF &pos)
{
    Q_Q(DuiSliderBase);
    const qreal w = q->size().width();
    // A slider with no width has no value under the pointer.
    if (!(w > 0))
        return std::nullopt;
    const QRectF thumbRect = thumb->geometry();
    if (thumbRect.contains(pos)) {
        dragging = true;
        pressOffsetX = pos.x() - thumbRect.left();
        pressOffsetY = pos.y() - thumbRect.top();
        return std::nullopt;
    }
    return pos.x() / w;
}

std::optional<qreal> DuiSliderBasePrivate::move(const QPointF &pos) const
{
    Q_Q(const DuiSliderBase);
    const qreal w = q->size().width();
    if (!dragging || !(w > 0))
        return std::nullopt;
    return (pos.x() - pressOffsetX) / w;
}

DuiSliderBase::DuiSliderBase(DuiSliderBasePrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    dd.init();
}

DuiSliderBase::~DuiSliderBase() = default;

bool DuiSliderBase::changeValue(qreal value)
{
    Q_D(DuiSliderBase);
    if (std::isnan(value))
        return false;
    const qreal clamped = qBound<qreal>(0.0, value, 1.0);
    if (sameValue(clamped, d->value))
        return false;
    d->value = clamped;
    d->relayout();
    duiAccessibleValueChanged(this, clamped);
    Q_EMIT valueChanged(clamped);
    return true;
}

qreal DuiSliderBase::value() const
{
    return d_func()->value;
}

void DuiSliderBase::setThumbImage(const QString &images)
{
    Q_D(DuiSliderBase);
    const QStringList parts = images.split(QLatin1Char(','));
    if (parts.size() != 2)
        return;
    const QPixmap normal = DuiTheme::getImage(parts.at(0), true);
    // A path that does not load would leave the thumb invisible: keep the one there is.
    if (normal.isNull())
        return;
    d->thumbText = images;
    d->thumbImage = parts.at(0);
    d->thumbHoverImage = DuiTheme::getImage(parts.at(1), true).isNull() ? parts.at(0) : parts.at(1);
    d->thumbWidth = qRound(normal.deviceIndependentSize().width());
    d->thumbHeight = qRound(normal.deviceIndependentSize().height());
    d->thumb->setImage(d->thumbImage);
    d->relayout();
}

QString DuiSliderBase::thumbImage() const
{
    return d_func()->thumbText;
}

void DuiSliderBase::setBackImage(const QString &path)
{
    Q_D(DuiSliderBase);
    d->backImage = path;
    d->background->setImage(path);
}

QString DuiSliderBase::backImage() const
{
    return d_func()->backImage;
}

void DuiSliderBase::setSelectImage(const QString &path)
{
    Q_D(DuiSliderBase);
    d->selectImage = path;
    d->selected->setImage(path);
}

QString DuiSliderBase::selectImage() const
{
    return d_func()->selectImage;
}

void DuiSliderBase::setProgressCombo(bool combo)
{
    d_func()->progressCombo = combo;
}

bool DuiSliderBase::progressCombo() const
{
    return d_func()->progressCombo;
}

void DuiSliderBase::setProgressValue(qreal value)
{
    Q_D(DuiSliderBase);
    if (std::isnan(value))
        return;
    d->progressValue = qBound<qreal>(0.0, value, 1.0);
    d->relayout();
}

qreal DuiSliderBase::progressValue() const
{
    return d_func()->progressValue;
}

void DuiSliderBase::setColorizePolicy(ColorizeWidgetFlag policy)
{
    Q_D(DuiSliderBase);
    d->selected->setColorizePolicy(policy);
    d->thumb->setColorizePolicy(policy);
    d->background->setColorizePolicy(policy);
}

QRectF DuiSliderBase::thumbGeometry() const
{
    return d_func()->thumb->geometry();
}

bool DuiSliderBase::isDragging() const
{
    return d_func()->dragging;
}

void DuiSliderBase::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (const std::optional<qreal> jump = d_func()->press(event->pos()))
        changeValue(*jump);
}

void DuiSliderBase::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (const std::optional<qreal> to = d_func()->move(event->pos()))
        changeValue(*to);
}

void DuiSliderBase::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    Q_UNUSED(event);
    d_func()->dragging = false;
}

void DuiSliderBase::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverEnterEvent(event);
    d_func()->showHoverThumb(true);
}

void DuiSliderBase::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverLeaveEvent(event);
    d_func()->showHoverThumb(false);
}

void DuiSliderBase::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    d_func()->relayout();
}

QVariant DuiSliderBase::itemChange(GraphicsItemChange change, const QVariant &value)
{
    // Also reached when an ancestor is disabled, or `enabled` comes from XML.
    if (change == ItemEnabledHasChanged)
        doColorize(0);
    return DuiWidget::itemChange(change, value);
}

void DuiSliderBase::doColorize(QRgb rgb)
{
    Q_UNUSED(rgb);
    setGraphicsEffect(nullptr);
    if (!isEnabled())
        setDisableStatus();
}
