// SPDX-License-Identifier: MIT
#ifndef DUIIMAGEWIDGET_H
#define DUIIMAGEWIDGET_H

#include "duiwidget.h"

class DuiImageWidgetPrivate;

// One picture placed by a scale policy, optionally rotated, scaled, tinted and framed by a thin
// rounded border, with a glowing hover and a click signal.
class DUI_EXPORT DuiImageWidget : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QString imagePath READ imagePath WRITE setImagePath)
    Q_PROPERTY(qreal rotate READ rotate WRITE setRotate)
    Q_PROPERTY(qreal scale READ scale WRITE setScale)
    Q_PROPERTY(QColor effectColor READ effectColor WRITE setEffectColor)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(bool handHover READ handHover WRITE setHandHover)
    Q_PROPERTY(bool acceptClick READ acceptClick WRITE setAcceptClick)
    Q_PROPERTY(ImageScalePolicy scalePolicy READ scalePolicy WRITE setScalePolicy)

public:
    enum ImageScalePolicy : int { ScaleWidgetCenter = 1, ScaleToLeftTop = 2, ScaleToRightTop = 3, ScaleToWidget = 4 };
    Q_ENUM(ImageScalePolicy)

    explicit DuiImageWidget(QGraphicsItem *parent = nullptr);
    ~DuiImageWidget() override;

    void setImagePath(const QString &path);
    QString imagePath() const;
    void setPixmap(const QPixmap &pixmap);
    QPixmap pixmap() const;
    void setRotate(double degrees);
    double rotate() const;
    void setScale(double scale);
    double scale() const;
    void setEffectColor(const QColor &color);
    QColor effectColor() const;
    void setBorderColor(const QColor &color);
    QColor borderColor() const;
    void setHandHover(bool hand);
    bool handHover() const;
    void setAcceptClick(bool accept);
    bool acceptClick() const;
    void setScalePolicy(ImageScalePolicy policy);
    ImageScalePolicy scalePolicy() const;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

Q_SIGNALS:
    void clicked();
    void pressed(const QPointF &point);
    void released(const QPointF &point);

protected:
    DuiImageWidget(DuiImageWidgetPrivate &dd, QGraphicsItem *parent);

    void setImageData(const QByteArray &data);
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    void init();
    void _relayout(const QRectF &rect);
    void updateTransform();
    // Takes the hover glow away, giving back the tint it displaced.
    void endGlow();

    Q_DISABLE_COPY(DuiImageWidget)
    Q_DECLARE_PRIVATE(DuiImageWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiImageWidget)
};

#endif // DUIIMAGEWIDGET_H
