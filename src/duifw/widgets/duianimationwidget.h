// SPDX-License-Identifier: MIT
#ifndef DUIANIMATIONWIDGET_H
#define DUIANIMATIONWIDGET_H

#include "duiwidget.h"

class DuiAnimationWidgetPrivate;

// Plays an animated image (GIF, or anything QMovie reads) from a resource path, optionally
// scaled into a box, in a loop or once; a single play hides the widget at its last frame.
class DUI_EXPORT DuiAnimationWidget : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QString imagePath READ imagePath WRITE setImage)
    Q_PROPERTY(bool playLoop READ playLoop WRITE setPlayLoop)
    Q_PROPERTY(QSizeF imageScaleSize READ imageScaleSize WRITE setImageScaleSize)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)

public:
    explicit DuiAnimationWidget(QGraphicsItem *parent = nullptr);
    ~DuiAnimationWidget() override;

    void setImage(const QString &path);
    // Reads as empty: the widget keeps the animation's bytes, not its path.
    QString imagePath() const;

    Q_INVOKABLE void start();
    Q_INVOKABLE void stop();

    void setPlayLoop(bool loop);
    bool playLoop() const;
    void setImageScaleSize(const QSizeF &size);
    QSizeF imageScaleSize() const;
    void setBorderColor(const QColor &color);
    QColor borderColor() const;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

protected:
    void init();
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private Q_SLOTS:
    void on_frameChanged(int frameNumber);
    void on_finished();

private:
    Q_DISABLE_COPY(DuiAnimationWidget)
    Q_DECLARE_PRIVATE(DuiAnimationWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiAnimationWidget)
};

#endif // DUIANIMATIONWIDGET_H
