// SPDX-License-Identifier: MIT
#ifndef DUISCROLLBAR_H
#define DUISCROLLBAR_H

#include "duiabstractscrollbar.h"

class DuiScrollBarPrivate;

// The vertical bar of the scroll area: a track image and a thumb 10 pixels wide, centred across
// the bar and never shorter than 30, whose length stands for the page step within page plus
// range. The wheel moves it by the single step per notch.
class DUI_EXPORT DuiScrollBar : public DuiAbstractScrollBar
{
    Q_OBJECT

public:
    explicit DuiScrollBar(QGraphicsItem *parent = nullptr);
    ~DuiScrollBar() override;

    void setBkImgr(const QString &path);
    void setBkImgrFrameType(QString name);

protected:
    DuiScrollBar(DuiScrollBarPrivate &dd, QGraphicsItem *parent);

private:
    Q_DISABLE_COPY(DuiScrollBar)
    Q_DECLARE_PRIVATE(DuiScrollBar)
};

#endif // DUISCROLLBAR_H
