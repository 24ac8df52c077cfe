// SPDX-License-Identifier: MIT
#ifndef DUICHECKBOX_P_H
#define DUICHECKBOX_P_H

#include "duicheckbox.h"
#include "duiwidget_p.h"

class QGraphicsPixmapItem;
class QGraphicsSimpleTextItem;

class DUI_AUTOTEST_EXPORT DuiCheckBoxPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiCheckBox)
public:
    enum VisualState { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    Qt::CheckState checkState = Qt::Unchecked;
    QGraphicsPixmapItem *imageItem = nullptr;
    QGraphicsSimpleTextItem *textItem = nullptr;
    // [check state][visual state]
    QString imagePaths[3][4];
    int visualState = Normal;
    int spacing = 6;
    int signalDepth = 0;

    // The eight default images, checked row first, for check boxes or radio buttons.
    void setDefaultImages(const QString &kind);
};

#endif // DUICHECKBOX_P_H
