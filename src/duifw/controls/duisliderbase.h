// SPDX-License-Identifier: MIT
#ifndef DUISLIDERBASE_H
#define DUISLIDERBASE_H

#include "duiwidget.h"

class DuiSliderBasePrivate;

// What the two horizontal sliders over the fraction 0..1 share: a track, the selected part up to
// the value and a thumb that can be dragged; a press beside the thumb jumps there. A dotted
// secondary progress line (a download ahead of playback, say) can replace the selected part.
class DUI_EXPORT DuiSliderBase : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(qreal value READ value WRITE changeValue NOTIFY valueChanged)
    Q_PROPERTY(QString thumbImage READ thumbImage WRITE setThumbImage)
    Q_PROPERTY(QString backImage READ backImage WRITE setBackImage)
    Q_PROPERTY(QString selectImage READ selectImage WRITE setSelectImage)
    Q_PROPERTY(bool progressCombo READ progressCombo WRITE setProgressCombo)
    Q_PROPERTY(qreal progressValue READ progressValue WRITE setProgressValue)

public:
    ~DuiSliderBase() override;

    qreal value() const;
    // "normal,hover": both images must load, or the thumb stays as it was.
    void setThumbImage(const QString &images);
    QString thumbImage() const;
    void setBackImage(const QString &path);
    QString backImage() const;
    void setSelectImage(const QString &path);
    QString selectImage() const;
    // Shows the dotted progress line instead of the selected part (from the next layout on).
    void setProgressCombo(bool combo);
    bool progressCombo() const;
    // Clamped to [0, 1]; NaN is refused.
    void setProgressValue(qreal value);
    qreal progressValue() const;
    void setColorizePolicy(ColorizeWidgetFlag policy) override;

    // The thumb's rectangle in the slider's coordinates.
    QRectF thumbGeometry() const;
    bool isDragging() const;

Q_SIGNALS:
    void valueChanged(qreal value);

protected:
    DuiSliderBase(DuiSliderBasePrivate &dd, QGraphicsItem *parent);

    // Clamps and stores the value and emits valueChanged; false when NaN or no change.
    bool changeValue(qreal value);

    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    // The slider's own look is its enabled state: grey when disabled; its parts take the theme
    // colours themselves.
    void doColorize(QRgb rgb) override;

private:
    Q_DISABLE_COPY(DuiSliderBase)
    Q_DECLARE_PRIVATE(DuiSliderBase)
};

#endif // DUISLIDERBASE_H
