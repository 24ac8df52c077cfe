// SPDX-License-Identifier: MIT
#ifndef DUIPROGRESSBAR_H
#define DUIPROGRESSBAR_H

#include "duiwidget.h"

class DuiProgressBarPrivate;
class DuiFrameItem;
class QGraphicsSimpleTextItem;

// A horizontal or vertical bar filled in proportion to an integer value within a range, with the
// value or its percentage written beside the filled part.
class DUI_EXPORT DuiProgressBar : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(bool textVisible READ isTextVisible WRITE setTextVisible)
    Q_PROPERTY(QString progressImage READ progressImage WRITE setProgressImage)
    Q_PROPERTY(int orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(int numberTextStyle READ numberTextStyle WRITE setNumberTextStyle)
    Q_PROPERTY(int minSize READ minSize WRITE setMinSize)

public:
    enum NumberTextStyle : int { PercentText = 1, ValueText = 2 };
    enum Orientation : int { HorizontalBar = 1, VerticalBar = 2 };

    explicit DuiProgressBar(QGraphicsItem *parent = nullptr);
    ~DuiProgressBar() override;

    // Stored unclamped; the fill and the percentage are clamped to the range when drawn.
    void setValue(int value);
    int value() const;
    void setMinimum(int minimum);
    int minimum() const;
    void setMaximum(int maximum);
    int maximum() const;
    // Applied only when minimum < maximum.
    void setRange(int minimum, int maximum);
    // Back to the minimum, without a signal.
    void reset();
    // The shortest fill shown for a value above the minimum.
    void setMinSize(int pixels);
    int minSize() const;
    void setTextVisible(bool visible);
    bool isTextVisible() const;
    // ValueText writes the value; anything else the percentage (and reads back as PercentText).
    void setNumberTextStyle(int style);
    int numberTextStyle() const;
    // VerticalBar fills from the bottom; anything else is horizontal.
    void setOrientation(int orientation);
    int orientation() const;
    // "background|progress": both parts must be given.
    void setProgressImage(const QString &images);
    void setProgressImage(const QString &background, const QString &progress);
    QString progressImage() const;
    void setProgressImageFrameType(int type);
    // The text's colour beside the fill, then over it.
    void setTextColor(const QColor &outside, const QColor &over);
    void setColorizePolicy(ColorizeWidgetFlag policy) override;

    // The parts, for tests and composite controls.
    DuiFrameItem *backgroundItem() const;
    DuiFrameItem *progressItem() const;
    QGraphicsSimpleTextItem *textItem() const;

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    void updateProgress();

    Q_DISABLE_COPY(DuiProgressBar)
    Q_DECLARE_PRIVATE(DuiProgressBar)
    DUI_DECLARE_WIDGET_CREATOR(DuiProgressBar)
};

#endif // DUIPROGRESSBAR_H
