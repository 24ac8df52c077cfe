// SPDX-License-Identifier: MIT
#include "duiscrolltext.h"
#include "duiscrolltext_p.h"

#include "duilabelwidget.h"
#include "duiparent_p.h"

#include <QtGui/qfontmetrics.h>
#include <QtWidgets/qgraphicssceneevent.h>

#include <cmath>

DUI_REGISTER_WIDGET(DuiScrollText)

namespace {
constexpr int kTickMs = 100;
constexpr int kStep = 2;
constexpr int kGap = 20;

void place(DuiLabelWidget *label, int x, int w, int h)
{
    label->setFixWidth(w);
    label->setFixHeight(h);
    label->setGeometry(x, 0, w, h);
}
} // namespace

DuiScrollText::DuiScrollText(QGraphicsItem *parent)
    : DuiWidget(*new DuiScrollTextPrivate, parent)
{
    Q_D(DuiScrollText);
    setFlag(ItemClipsChildrenToShape);
    d->first = new DuiLabelWidget(this);
    d->second = new DuiLabelWidget(this);
    duiSetParent(d->first, this);
    duiSetParent(d->second, this);
    // The copies draw only their text items: moving them need not repaint their own rectangles.
    d->first->setFlag(ItemHasNoContents);
    d->second->setFlag(ItemHasNoContents);
    d->timer.setInterval(kTickMs);
    connect(&d->timer, &QTimer::timeout, this, &DuiScrollText::onScrollTimeOut);
}

DuiScrollText::~DuiScrollText() = default;

QString DuiScrollText::getText() const
{
    return d_func()->text;
}

void DuiScrollText::setText(const QString &text)
{
    d_func()->text = text;
    relayout(true);
}

// Places the two copies for the current text and width. `restart` puts a scrolling text back at
// x = 0; a resize keeps a text that goes on scrolling where it is.
void DuiScrollText::relayout(bool restart)
{
    Q_D(DuiScrollText);
    const bool wasScrolling = d->overflows;
    const int w = int(std::ceil(QFontMetricsF(d->first->font()).horizontalAdvance(d->text)));
    const int h = d->scrollTextHeight > 0 ? d->scrollTextHeight : int(size().height());
    d->overflows = size().width() < w;
    d->first->setFullText(d->text);
    if (!d->overflows) {
        d->timer.stop();
        place(d->first, 0, w, h);
        place(d->second, w, 0, h);
        d->first->show();
        return;
    }
    d->second->setFullText(d->text);
    if (restart || !wasScrolling) {
        d->x1 = 0;
        d->x2 = w + kGap;
    }
    place(d->first, d->x1, w, h);
    place(d->second, d->x2, w, h);
    moveLabel(d->first, d->x1);
    moveLabel(d->second, d->x2);
    if (isVisible())
        d->timer.start();
}

QColor DuiScrollText::textColor() const
{
    return d_func()->textColor;
}

void DuiScrollText::setTextColor(const QColor &color)
{
    Q_D(DuiScrollText);
    d->textColor = color;
    d->first->setTextColor(color);
    d->second->setTextColor(color);
}

int DuiScrollText::getScrollTextHeight() const
{
    return d_func()->scrollTextHeight;
}

void DuiScrollText::setScrollTextHeight(int height)
{
    d_func()->scrollTextHeight = height;
    relayout(false);
}

// A copy wholly outside the marquee is hidden, so that moving it repaints nothing.
void DuiScrollText::moveLabel(DuiLabelWidget *label, int x)
{
    label->setPos(x, 0);
    label->setVisible(x < size().width() && x + label->size().width() > 0);
}

bool DuiScrollText::isScrolling() const
{
    return d_func()->timer.isActive();
}

void DuiScrollText::onScrollTimeOut()
{
    Q_D(DuiScrollText);
    moveLabel(d->first, d->x1);
    moveLabel(d->second, d->x2);
    const int w1 = int(d->first->size().width());
    const int w2 = int(d->second->size().width());
    if (w1 + d->x1 <= 0)
        d->x1 = w2 + d->x2 + kGap;
    if (w2 + d->x2 <= 0)
        d->x2 = w1 + d->x1 + kGap;
    d->x1 -= kStep;
    d->x2 -= kStep;
}

void DuiScrollText::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    // From XML the text usually arrives before the width that decides whether it scrolls.
    relayout(false);
}

QVariant DuiScrollText::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemVisibleHasChanged) {
        Q_D(DuiScrollText);
        // Nothing to see while hidden: no ticks either.
        if (value.toBool() && d->overflows)
            d->timer.start();
        else
            d->timer.stop();
    }
    return DuiWidget::itemChange(change, value);
}
