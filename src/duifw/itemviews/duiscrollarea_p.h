// SPDX-License-Identifier: MIT
#ifndef DUISCROLLAREA_P_H
#define DUISCROLLAREA_P_H

#include "duiscrollarea.h"
#include "duiabstractscrollbar_p.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>
#include <QtCore/qtimeline.h>

class DUI_AUTOTEST_EXPORT DuiScrollAreaPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiScrollArea)
public:
    static constexpr qreal barWidth = 12;

    // Not deleted by the area; a content deleted elsewhere reads as none.
    QPointer<DuiWidget> contentWidget;
    QTimeLine moveTimeLine{1000};
    DuiScrollBar *scrollBar = nullptr;
    int scrollBarPolicy = Qt::ScrollBarAsNeeded;
    DuiWheelAccumulator wheel;

    // The content's width beside the bar as it shows (or will show with the area).
    qreal contentWidth() const;
};

#endif // DUISCROLLAREA_P_H
