// SPDX-License-Identifier: MIT
#ifndef DUISCROLLAREA_H
#define DUISCROLLAREA_H

#include "duiwidget.h"

class DuiScrollAreaPrivate;
class DuiScrollBar;

// Shows a taller content widget through its own rectangle and moves it vertically. A scroll bar
// 12 pixels wide along the right edge follows the content's height; the content sits at
// (0, -value) and is as wide as the area less the bar when the bar shows.
class DUI_EXPORT DuiScrollArea : public DuiWidget
{
    Q_OBJECT

public:
    explicit DuiScrollArea(QGraphicsItem *parent = nullptr);
    ~DuiScrollArea() override;

    Q_INVOKABLE int scrollPos() const;
    // Moves the content when it is taller than the area; the bar clamps the position.
    Q_INVOKABLE void setScrollPos(int pos);
    Q_INVOKABLE void scrollToBegin();
    Q_INVOKABLE void scrollToEnd();
    Q_INVOKABLE qreal scrollBarMax() const;

    Qt::ScrollBarPolicy scrollBarPolicy() const;
    // Takes effect at the next range update.
    void setScrollBarPolicy(Qt::ScrollBarPolicy policy);
    DuiScrollBar *scrollbar() const;

Q_SIGNALS:
    void scrollPosChanged(qreal pos);
    void scrollRangeChanged(int min, int max);
    void sizeChange(qreal outHeight, qreal innerHeight);

public Q_SLOTS:
    void onScrollBarValueChanged(qreal value);
    void onContentGeometryChanged();
    void onScrollBarVisibleChanged();
    void onMoveTimeChanged(int frame);

protected:
    DuiScrollArea(DuiScrollAreaPrivate &dd, QGraphicsItem *parent);

    // Makes `widget` the content, at the top, with no cap on its height. The area does not
    // delete a content it lets go of.
    void setContentWidget(DuiWidget *widget);
    DuiWidget *contentWidget() const;
    void updateScrollBar(qreal viewHeight);

    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void wheelEvent(QGraphicsSceneWheelEvent *event) override;

private:
    void init();

    Q_DISABLE_COPY(DuiScrollArea)
    Q_DECLARE_PRIVATE(DuiScrollArea)
};

#endif // DUISCROLLAREA_H
