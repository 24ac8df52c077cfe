// SPDX-License-Identifier: MIT
#ifndef DUIHSCROLLBAR_H
#define DUIHSCROLLBAR_H

#include "duiabstractscrollbar.h"

class DuiHScrollBarPrivate;

// A horizontal scroll bar for applications. Its thumb is 10 pixels high, centred down the bar,
// and its length stands for the single step. Wheel events end on it without moving it.
class DUI_EXPORT DuiHScrollBar : public DuiAbstractScrollBar
{
    Q_OBJECT

public:
    explicit DuiHScrollBar(QGraphicsItem *parent = nullptr);
    ~DuiHScrollBar() override;

    void Range(qreal &min, qreal &max) const;
    void setBkImg(const QString &path);

protected:
    DuiHScrollBar(DuiHScrollBarPrivate &dd, QGraphicsItem *parent);

private:
    Q_DISABLE_COPY(DuiHScrollBar)
    Q_DECLARE_PRIVATE(DuiHScrollBar)
};

#endif // DUIHSCROLLBAR_H
