// SPDX-License-Identifier: MIT
#ifndef DUISCROLLTEXT_H
#define DUISCROLLTEXT_H

#include "duiwidget.h"

class DuiLabelWidget;
class DuiScrollTextPrivate;

// A marquee: a text too wide for the widget scrolls from right to left, two pixels every 100 ms,
// in an endless loop of two copies 20 pixels apart; a text that fits stands still.
class DUI_EXPORT DuiScrollText : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ getText WRITE setText)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(int scrollTextHeight READ getScrollTextHeight WRITE setScrollTextHeight)

public:
    explicit DuiScrollText(QGraphicsItem *parent = nullptr);
    ~DuiScrollText() override;

    QString getText() const;
    void setText(const QString &text);
    QColor textColor() const;
    void setTextColor(const QColor &color);
    // The height of the text rows; 0 (the default) gives them the marquee's own height.
    int getScrollTextHeight() const;
    void setScrollTextHeight(int height);

    // Whether the text is scrolling (it is wider than the marquee and the marquee is visible).
    bool isScrolling() const;

protected:
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private Q_SLOTS:
    void onScrollTimeOut();

private:
    void relayout(bool restart);
    void moveLabel(DuiLabelWidget *label, int x);

    Q_DISABLE_COPY(DuiScrollText)
    Q_DECLARE_PRIVATE(DuiScrollText)
    DUI_DECLARE_WIDGET_CREATOR(DuiScrollText)
};

#endif // DUISCROLLTEXT_H
