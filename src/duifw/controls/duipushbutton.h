// SPDX-License-Identifier: MIT
#ifndef DUIPUSHBUTTON_H
#define DUIPUSHBUTTON_H

#include "duiframeitemdrawer.h"
#include "duiimagewidget.h"
#include "duitheme.h"
#include "duiwidget.h"

#include <QtGui/qfont.h>

class DuiFrameItem;
class DuiLabelWidget;
class DuiPushButtonPrivate;
class QGraphicsEffect;

// A skinned button: a background frame item with state images, and an optional icon and text
// laid out on top of it (both created on first use). It can be checkable.
class DUI_EXPORT DuiPushButton : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QString imagePath READ imagePathText WRITE setImagePath)
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QString icon READ icon WRITE setIcon)
    Q_PROPERTY(QSizeF iconSize READ iconSize WRITE setIconSize)
    Q_PROPERTY(ButtonStyles buttonStyle READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(qreal iconScale READ iconScale WRITE setIconScale)
    Q_PROPERTY(ColorizeWidgetFlag backgroundColorable READ backgroundColorable WRITE setBackgroundColorable)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(DisableMode disableMode READ disableMode WRITE setDisableMode)
    Q_PROPERTY(bool acceptCursor READ acceptCursor WRITE setAcceptCursor)
    Q_PROPERTY(bool checked READ checked WRITE setChecked)

public:
    enum ButtonStyle : int {
        ButtonCheckable = 1,
        ButtonIconOnly = 2,
        ButtonTextOnly = 4,
        ButtonTextBesideIcon = 8,
        ButtonTextUnderIcon = 16,
        ButtonIconColorable = 32
    };
    Q_DECLARE_FLAGS(ButtonStyles, ButtonStyle)
    Q_FLAG(ButtonStyles)
    enum DisableMode : int { DisablePixmap = 0, DisableColorize = 1 };
    Q_ENUM(DisableMode)

    explicit DuiPushButton(QGraphicsItem *parent = nullptr,
                           DuiFrameItemDrawer::FrameType frameType = DuiFrameItemDrawer::NinePieces);
    ~DuiPushButton() override;

    void setText(const QString &text);
    QString text() const;
    void setIcon(const QString &path);
    void setIcon(const QPixmap &pixmap);
    QString icon() const;
    void setImage(const QString &normal, const QString &hover, const QString &pressed, const QString &disabled);
    // "normal|hover|pressed|disabled"; missing parts are empty, an empty text clears all four.
    void setImagePath(const QString &paths);
    void setIconSize(const QSizeF &size);
    QSizeF iconSize() const;
    void setButtonStyle(ButtonStyles style);
    ButtonStyles buttonStyle() const;
    void setTextColor(const QColor &color);
    QColor textColor() const;
    void setFont(const QFont &font);
    QFont font() const;
    // The icon's width in pixels; the icon is scaled to it.
    void setIconScale(double width);
    double iconScale() const;
    void setIconScalePolicy(DuiImageWidget::ImageScalePolicy policy);
    DuiImageWidget::ImageScalePolicy iconScalePolicy() const;
    void setIconRotate(double degrees);
    void setIconEffectColor(const QColor &color);
    void setEnabled(bool enabled);
    void setDisableMode(DisableMode mode);
    DisableMode disableMode() const;
    void setBackgroundEnable(bool enable);
    void setBackgroundColorable(ColorizeWidgetFlag policy);
    ColorizeWidgetFlag backgroundColorable() const;
    void setBackgroundThemeColorType(DuiTheme::ColorType type);
    void setChecked(bool checked);
    bool checked() const;
    void click();
    void setAcceptCursor(bool accept);
    bool acceptCursor() const;
    void setFrameType(DuiFrameItemDrawer::FrameType type);
    DuiLabelWidget *textLabel() const;
    void setTextGraphicsEffect(QGraphicsEffect *effect);

    // The background frame item and the icon (null until an icon is set), for composite controls.
    DuiFrameItem *frameItem() const;
    DuiImageWidget *iconWidget() const;

    QString toolTip() const override;
    void setColorizePolicy(ColorizeWidgetFlag policy) override;

Q_SIGNALS:
    void clicked();
    void pressed(const QPointF &point);
    void released(const QPointF &point);

protected:
    void setFrameItemGeometry(const QRect &rect);
    void doColorize(QRgb rgb) override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    QString imagePathText() const { return QString(); }
    void applyIconColouring();
    void createIcon();
    void ensureLabel();

    Q_DISABLE_COPY(DuiPushButton)
    Q_DECLARE_PRIVATE(DuiPushButton)
    DUI_DECLARE_WIDGET_CREATOR(DuiPushButton)
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DuiPushButton::ButtonStyles)

#endif // DUIPUSHBUTTON_H
