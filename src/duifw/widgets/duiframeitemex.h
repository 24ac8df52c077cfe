// SPDX-License-Identifier: MIT
#ifndef DUIFRAMEITEMEX_H
#define DUIFRAMEITEMEX_H

#include "duiframeitemdrawer.h"
#include "duiwidget.h"

class DuiFrameItem;
class DuiFrameItemExPrivate;

// A DuiFrameItem kept at the wrapper's full size, with click, double-click, right-click and hover
// signals.
class DUI_EXPORT DuiFrameItemEx : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QString imagePath READ imagePath WRITE setImage)
    Q_PROPERTY(bool acceptClick READ acceptClick WRITE setAcceptClick)
    Q_PROPERTY(bool acceptHover READ acceptHover WRITE setAcceptHover)
    Q_PROPERTY(bool acceptDoubleClick READ acceptDoubleClick WRITE setAcceptDoubleClick)
    Q_PROPERTY(bool acceptRightClick READ acceptRightClick WRITE setAcceptRightClick)
    Q_PROPERTY(QString frameType READ frameTypeName WRITE setFrameType)

public:
    explicit DuiFrameItemEx(QGraphicsItem *parent = nullptr);
    DuiFrameItemEx(const QString &imagePath, DuiFrameItemDrawer::FrameType type, QGraphicsItem *parent = nullptr);
    ~DuiFrameItemEx() override;

    void setImage(const QString &path);
    void setImage(const QString &normal, const QString &hover, const QString &pressed);
    QString imagePath() const;
    void setPressed(bool pressed);
    void setFrameType(int type);
    void setFrameType(const QString &name);
    int frameType() const;

    void setAcceptClick(bool accept);
    bool acceptClick() const;
    void setAcceptHover(bool accept);
    bool acceptHover() const;
    void setAcceptDoubleClick(bool accept);
    bool acceptDoubleClick() const;
    void setAcceptRightClick(bool accept);
    bool acceptRightClick() const;

    DuiFrameItem *frameItem() const;

    void colorize(QRgb rgb) override;
    void setColorizePolicy(ColorizeWidgetFlag policy) override;

Q_SIGNALS:
    void clicked();
    void doubleClicked();
    void rightClicked();
    void entered();
    void leaved();

protected:
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    QString frameTypeName() const { return QString(); }

    Q_DISABLE_COPY(DuiFrameItemEx)
    Q_DECLARE_PRIVATE(DuiFrameItemEx)
    DUI_DECLARE_WIDGET_CREATOR(DuiFrameItemEx)
};

#endif // DUIFRAMEITEMEX_H
