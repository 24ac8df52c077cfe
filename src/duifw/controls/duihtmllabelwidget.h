// SPDX-License-Identifier: MIT
#ifndef DUIHTMLLABELWIDGET_H
#define DUIHTMLLABELWIDGET_H

#include "duiwidget.h"

class DuiHtmlLabelWidgetPrivate;
class QGraphicsEffect;
class QGraphicsTextItem;

// Rich text that wraps to the widget's width, with links.
class DUI_EXPORT DuiHtmlLabelWidget : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QString link READ link WRITE setLink)
    Q_PROPERTY(QColor shadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(bool acceptClick READ acceptClick WRITE setAcceptClick)
    Q_PROPERTY(bool underlineOnHover READ underlineOnHover WRITE setUnderlineOnHover)
    Q_PROPERTY(bool dropShadow READ dropShadow WRITE setDropShadow)
    Q_PROPERTY(bool autoMultiLine READ autoMultiLine WRITE setAutoMultiLine)

public:
    explicit DuiHtmlLabelWidget(QGraphicsItem *parent = nullptr);
    ~DuiHtmlLabelWidget() override;

    void setText(const QString &html);
    QString text() const;
    QString plateText() const;
    void setLink(const QString &link);
    QString link() const;
    void setAcceptClick(bool accept);
    bool acceptClick() const;
    void setUnderlineOnHover(bool underline);
    bool underlineOnHover() const;
    void setDropShadow(bool on);
    bool dropShadow() const;
    void setShadowColor(const QColor &color);
    QColor shadowColor() const;
    void setAutoMultiLine(bool multiLine);
    bool autoMultiLine() const;

    QGraphicsTextItem *textItem() const;

Q_SIGNALS:
    void clicked();
    void linkActivated(const QString &link);

protected:
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    void setTextGraphicsEffect(QGraphicsEffect *effect);
    void _updateShadowEffect();
    void placeText();
    bool onText(const QPointF &itemPoint) const;
    void setUnderline(bool underline);
    void updateInteraction();

    Q_DISABLE_COPY(DuiHtmlLabelWidget)
    Q_DECLARE_PRIVATE(DuiHtmlLabelWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiHtmlLabelWidget)
};

#endif // DUIHTMLLABELWIDGET_H
