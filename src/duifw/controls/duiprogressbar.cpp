// SPDX-License-Identifier: MIT
#include "duiprogressbar.h"
#include "duiprogressbar_p.h"

#include "duiaccessibleevents_p.h"
#include "duiframeitem.h"
#include "duiparent_p.h"

#include <QtGui/qfontmetrics.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicssceneevent.h>

DUI_REGISTER_WIDGET(DuiProgressBar)

namespace {
const QString kBackground = QStringLiteral(":/theme/duifw/slider_background.png");
const QString kProgress = QStringLiteral(":/theme/duifw/slider_selected_part.png");
// Room left above an empty vertical bar's text.
constexpr int kEmptyLift = 5;
} // namespace

DuiProgressBar::DuiProgressBar(QGraphicsItem *parent)
    : DuiWidget(*new DuiProgressBarPrivate, parent)
{
    Q_D(DuiProgressBar);
    d->background = new DuiFrameItem(kBackground, DuiFrameItemDrawer::NinePieces, this);
    duiSetParent(d->background, this);
    d->background->setGeometry(0, 0, 210, 9);
    d->progress = new DuiFrameItem(kProgress, DuiFrameItemDrawer::NinePieces, this);
    duiSetParent(d->progress, this);
    d->progress->setGeometry(d->background->geometry());
    d->text = new QGraphicsSimpleTextItem(this);
    d->text->setBrush(d->outsideColor);
}

DuiProgressBar::~DuiProgressBar() = default;

DuiFrameItem *DuiProgressBar::backgroundItem() const
{
    return d_func()->background;
}

DuiFrameItem *DuiProgressBar::progressItem() const
{
    return d_func()->progress;
}

QGraphicsSimpleTextItem *DuiProgressBar::textItem() const
{
    return d_func()->text;
}

void DuiProgressBar::updateProgress()
{
    Q_D(DuiProgressBar);
    const qreal w = size().width(), h = size().height();
    const bool vertical = d->orientation == VerticalBar;
    const qint64 side = qint64(vertical ? h : w);
    // In 64 bits: a range across the whole int span times a wide bar overflows 32.
    const qint64 range = qint64(d->maximum) - d->minimum;
    const qint64 done = range > 0 ? qBound<qint64>(0, qint64(d->value) - d->minimum, range) : 0;
    qint64 length = range > 0 ? side * done / range : 0;
    if (done > 0 && length < d->minSize)
        length = d->minSize;
    length = qBound<qint64>(0, length, qMax<qint64>(side, 0));
    const qreal fill = qreal(length);
    if (vertical)
        d->progress->setGeometry(0, h - fill, w, fill);
    else
        d->progress->setGeometry(0, 0, fill, h);

    if (!d->textVisible) {
        d->text->hide();
        return;
    }
    QString text;
    if (d->numberTextStyle == ValueText) {
        text = QString::number(d->value);
    } else {
        d->numberTextStyle = PercentText;
        text = QString::number(range > 0 ? done * 100 / range : 0);
    }
    if (text != d->shownText) {
        d->shownText = text;
        d->text->setText(text);
    }
    const QRectF bounds = d->text->boundingRect();
    const qreal tw = bounds.width(), th = bounds.height();
    if (vertical) {
        qreal y = (h - fill) - th;
        if (y - th * 0.5 < 0) {
            // No room above the fill: the text goes over it, in the middle.
            d->text->setBrush(d->overColor);
            y = int(h) / 2 - th * 0.5;
        } else {
            d->text->setBrush(d->outsideColor);
            if (length == 0)
                y -= kEmptyLift;
        }
        d->text->setPos(int(w) / 2, y);
    } else {
        const QFontMetrics metrics(d->text->font());
        const int fh = metrics.height();
        const qreal y = (h - fh) * 0.5 - (fh - metrics.ascent()) / 2;
        d->text->setPos(fill + tw > w ? w - tw : fill, y);
    }
    d->text->show();
}

void DuiProgressBar::setValue(int value)
{
    d_func()->value = value;
    updateProgress();
    duiAccessibleValueChanged(this, value);
    Q_EMIT valueChanged(value);
}

int DuiProgressBar::value() const
{
    return d_func()->value;
}

void DuiProgressBar::setMinimum(int minimum)
{
    d_func()->minimum = minimum;
    updateProgress();
}

int DuiProgressBar::minimum() const
{
    return d_func()->minimum;
}

void DuiProgressBar::setMaximum(int maximum)
{
    d_func()->maximum = maximum;
    updateProgress();
}

int DuiProgressBar::maximum() const
{
    return d_func()->maximum;
}

void DuiProgressBar::setRange(int minimum, int maximum)
{
    Q_D(DuiProgressBar);
    if (minimum >= maximum)
        return;
    d->minimum = minimum;
    d->maximum = maximum;
    updateProgress();
}

void DuiProgressBar::reset()
{
    Q_D(DuiProgressBar);
    d->value = d->minimum;
    updateProgress();
}

void DuiProgressBar::setMinSize(int pixels)
{
    d_func()->minSize = pixels;
    updateProgress();
}

int DuiProgressBar::minSize() const
{
    return d_func()->minSize;
}

void DuiProgressBar::setTextVisible(bool visible)
{
    d_func()->textVisible = visible;
}

bool DuiProgressBar::isTextVisible() const
{
    return d_func()->textVisible;
}

void DuiProgressBar::setNumberTextStyle(int style)
{
    d_func()->numberTextStyle = style;
}

int DuiProgressBar::numberTextStyle() const
{
    return d_func()->numberTextStyle;
}

void DuiProgressBar::setOrientation(int orientation)
{
    d_func()->orientation = orientation;
}

int DuiProgressBar::orientation() const
{
    return d_func()->orientation;
}

void DuiProgressBar::setProgressImage(const QString &images)
{
    const QStringList parts = images.split(QLatin1Char('|'));
    if (parts.size() >= 2)
        setProgressImage(parts.at(0), parts.at(1));
}

void DuiProgressBar::setProgressImage(const QString &background, const QString &progress)
{
    Q_D(DuiProgressBar);
    if (background.isEmpty() || progress.isEmpty())
        return;
    d->backgroundImage = background;
    d->progressImage = progress;
    d->background->setImage(background);
    d->progress->setImage(progress);
}

QString DuiProgressBar::progressImage() const
{
    Q_D(const DuiProgressBar);
    if (d->backgroundImage.isEmpty())
        return QString();
    return d->backgroundImage + QLatin1Char('|') + d->progressImage;
}

void DuiProgressBar::setProgressImageFrameType(int type)
{
    Q_D(DuiProgressBar);
    d->background->setFrameType(type);
    d->progress->setFrameType(type);
}

void DuiProgressBar::setTextColor(const QColor &outside, const QColor &over)
{
    Q_D(DuiProgressBar);
    d->outsideColor = outside;
    d->overColor = over;
}

void DuiProgressBar::setColorizePolicy(ColorizeWidgetFlag policy)
{
    Q_D(DuiProgressBar);
    d->background->setColorizePolicy(policy);
    d->progress->setColorizePolicy(policy);
}

void DuiProgressBar::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    d_func()->background->setGeometry(QRectF(QPointF(0, 0), event->newSize()));
    updateProgress();
}

QVariant DuiProgressBar::itemChange(GraphicsItemChange change, const QVariant &value)
{
    // Also reached when an ancestor is disabled, or `enabled` comes from XML.
    if (change == ItemEnabledHasChanged) {
        setGraphicsEffect(nullptr);
        if (!value.toBool())
            setDisableStatus();
    }
    return DuiWidget::itemChange(change, value);
}
