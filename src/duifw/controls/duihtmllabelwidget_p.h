// SPDX-License-Identifier: MIT
#ifndef DUIHTMLLABELWIDGET_P_H
#define DUIHTMLLABELWIDGET_P_H

#include "duihtmllabelwidget.h"
#include "duiwidget_p.h"

class DuiHtmlLabelWidgetPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiHtmlLabelWidget)
public:
    QGraphicsTextItem *textItem = nullptr;
    QString link;
    bool acceptClick = false;
    bool underlineOnHover = false;
    bool dropShadow = false;
    QColor shadowColor;
    bool autoMultiLine = false;
};

#endif // DUIHTMLLABELWIDGET_P_H
