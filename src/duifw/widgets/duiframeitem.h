// SPDX-License-Identifier: MIT
#ifndef DUIFRAMEITEM_H
#define DUIFRAMEITEM_H

#include "duiframeitemdrawer.h"
#include "duiwidget.h"

#include <QtGui/qbrush.h>
#include <QtGui/qpainter.h>

class DuiFrameItemPrivate;
class QStyleOptionGraphicsItem;

// A skin image per visual state (normal, hover, pressed, disabled, checked), spread over the item
// by a frame type; or, in the gradient style, linear-gradient brushes read from theme colour XML
// files whose colours follow the theme.
class DUI_EXPORT DuiFrameItem : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QString imagePath READ imagePath WRITE setImage)
    Q_PROPERTY(QString frameType READ frameTypeName WRITE setFrameType)
    Q_PROPERTY(QColor baseColor READ baseColor WRITE setBaseColor)
    Q_PROPERTY(QPainter::CompositionMode composeMode READ composeMode WRITE setComposeMode)
    Q_PROPERTY(QString backgroundMask READ backgroundMask WRITE setBackgroundMask)

public:
    enum DrawStyle : int { PixmapDrawStyle = 0, LinearGradientDrawStyle = 1 };
    Q_ENUM(DrawStyle)

    explicit DuiFrameItem(QGraphicsItem *parent = nullptr);
    DuiFrameItem(const QString &imagePath, DuiFrameItemDrawer::FrameType type, QGraphicsItem *parent = nullptr);
    ~DuiFrameItem() override;

    void setImage(const QString &normal);
    void setImage(const QString &normal, const QString &hover, const QString &pressed, const QString &disabled,
                  const QString &checked);
    QString imagePath() const;

    void setFrameType(int type);
    void setFrameType(const QString &name);
    int frameType() const;

    void setMargin(const QMargins &margins);

    void setPressed(bool pressed);
    bool isPressed() const;
    void setChecked(bool checked);
    bool isChecked() const;
    void setHovered(bool hovered);
    bool isHovered() const;
    void setEnable(bool enable);

    void setDrawStyle(DrawStyle style);
    DrawStyle drawStyle() const;
    void setBaseColor(const QColor &color);
    QColor baseColor() const;
    void setComposeMode(QPainter::CompositionMode mode);
    QPainter::CompositionMode composeMode() const;
    void setBackgroundMask(const QString &path);
    QString backgroundMask() const;

    void setColorizePolicy(ColorizeWidgetFlag policy) override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

protected:
    DuiFrameItem(DuiFrameItemPrivate &dd, QGraphicsItem *parent);
    DuiFrameItem(DuiFrameItemPrivate &dd, const QString &imagePath, DuiFrameItemDrawer::FrameType type,
                 QGraphicsItem *parent);

    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void polishEvent() override;
    void doColorize(QRgb rgb) override;

private:
    QString frameTypeName() const { return QString(); }
    QBrush loadBrush(const QString &path) const;
    void _updateGradientBrushes();
    QPixmap _getDrawPixmap(const QStyleOptionGraphicsItem *option) const;
    QBrush _getDrawBrush(const QStyleOptionGraphicsItem *option) const;
    void drawPixmatBackground(QPainter *painter, const QStyleOptionGraphicsItem *option);
    void drawBrushBackground(QPainter *painter, const QStyleOptionGraphicsItem *option);
    void _colorizeSelf();
    void init();

    Q_DISABLE_COPY(DuiFrameItem)
    Q_DECLARE_PRIVATE(DuiFrameItem)
    DUI_DECLARE_WIDGET_CREATOR(DuiFrameItem)
};

#endif // DUIFRAMEITEM_H
