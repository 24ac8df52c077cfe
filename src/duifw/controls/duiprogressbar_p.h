// SPDX-License-Identifier: MIT
#ifndef DUIPROGRESSBAR_P_H
#define DUIPROGRESSBAR_P_H

#include "duiprogressbar.h"
#include "duiwidget_p.h"

class DuiProgressBarPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiProgressBar)
public:
    DuiFrameItem *background = nullptr;
    DuiFrameItem *progress = nullptr;
    QGraphicsSimpleTextItem *text = nullptr;
    int value = 0;
    int minimum = 0;
    int maximum = 100;
    int minSize = 2;
    bool textVisible = true;
    int numberTextStyle = 0;
    int orientation = DuiProgressBar::HorizontalBar;
    QColor outsideColor = Qt::black;
    QColor overColor = Qt::black;
    QString backgroundImage;
    QString progressImage;
    // What the text last showed, so that a value that does not change it costs no re-layout.
    QString shownText;
};

#endif // DUIPROGRESSBAR_P_H
