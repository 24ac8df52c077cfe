// SPDX-License-Identifier: MIT
#ifndef DUISCROLLTEXT_P_H
#define DUISCROLLTEXT_P_H

#include "duiscrolltext.h"
#include "duiwidget_p.h"

#include <QtCore/qtimer.h>

class DuiLabelWidget;

class DuiScrollTextPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiScrollText)
public:
    QString text;
    QColor textColor;
    DuiLabelWidget *first = nullptr;
    DuiLabelWidget *second = nullptr;
    QTimer timer;
    int x1 = 0;
    int x2 = 0;
    int scrollTextHeight = 0;
    // The text is wider than the marquee; the timer runs while this holds and the marquee shows.
    bool overflows = false;
};

#endif // DUISCROLLTEXT_P_H
