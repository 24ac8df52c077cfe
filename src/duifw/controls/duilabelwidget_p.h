// SPDX-License-Identifier: MIT
#ifndef DUILABELWIDGET_P_H
#define DUILABELWIDGET_P_H

#include "duilabelwidget.h"
#include "duiwidget_p.h"

class DuiLabelWidgetPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiLabelWidget)
public:
    QString text;
    QGraphicsSimpleTextItem *textItem = nullptr;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QString link;
    bool acceptClick = false;
    bool underlineOnHover = false;
    bool dropShadow = false;
    QColor shadowColor = QColor(0, 0, 0, 102);
    QPointF shadowOffset = QPointF(1, 1);
    bool elidedText = false;
    double shadowBlurRadius = 1.0;
    double shadowOpacity = 0.7;
    QMargins frame;
};

#endif // DUILABELWIDGET_P_H
