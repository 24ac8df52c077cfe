// SPDX-License-Identifier: MIT
#include "duihscrollbar.h"
#include "duihscrollbar_p.h"

#include "duiframeitem.h"

qreal DuiHScrollBarPrivate::thumbLength(qreal track, qreal range) const
{
    // The horizontal thumb stands for one single step of the range.
    return singleStep * track / (range + 1);
}

DuiHScrollBar::DuiHScrollBar(QGraphicsItem *parent)
    : DuiHScrollBar(*new DuiHScrollBarPrivate, parent)
{
}

DuiHScrollBar::DuiHScrollBar(DuiHScrollBarPrivate &dd, QGraphicsItem *parent)
    : DuiAbstractScrollBar(dd, parent)
{
    // A bare track: no image and no theme colour of its own.
    dd.init(QString(), DuiFrameItemDrawer::NinePieces, 0, DuiFrameItemDrawer::NinePieces);
}

DuiHScrollBar::~DuiHScrollBar() = default;

void DuiHScrollBar::Range(qreal &min, qreal &max) const
{
    min = minimum();
    max = maximum();
}

void DuiHScrollBar::setBkImg(const QString &path)
{
    d_func()->background->setImage(path);
}
