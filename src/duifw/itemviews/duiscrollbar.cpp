// SPDX-License-Identifier: MIT
#include "duiscrollbar.h"
#include "duiscrollbar_p.h"

#include "duiframeitem.h"
#include "duitheme.h"

qreal DuiScrollBarPrivate::thumbLength(qreal track, qreal range) const
{
    // The thumb stands for the visible page within page plus range.
    return pageStep * track / (range + track);
}

DuiScrollBar::DuiScrollBar(QGraphicsItem *parent)
    : DuiScrollBar(*new DuiScrollBarPrivate, parent)
{
}

DuiScrollBar::DuiScrollBar(DuiScrollBarPrivate &dd, QGraphicsItem *parent)
    : DuiAbstractScrollBar(dd, parent)
{
    dd.init(QStringLiteral(":/theme/duifw/scrollbar_background.png"), DuiFrameItemDrawer::ThreePiecesVertical,
            DuiTheme::DarkColor, DuiFrameItemDrawer::ThreePiecesVertical);
}

DuiScrollBar::~DuiScrollBar() = default;

void DuiScrollBar::setBkImgr(const QString &path)
{
    d_func()->background->setImage(path);
}

void DuiScrollBar::setBkImgrFrameType(QString name)
{
    d_func()->background->setFrameType(name);
}
