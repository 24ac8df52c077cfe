// SPDX-License-Identifier: MIT
#ifndef DUILABELWIDGET_H
#define DUILABELWIDGET_H

#include "duiwidget.h"

#include <QtGui/qfont.h>

class DuiLabelWidgetPrivate;
class QGraphicsEffect;
class QGraphicsSimpleTextItem;

// A single line of text placed by an alignment inside optional margins, optionally elided, with
// a clickable link mode and a glow as its drop shadow.
class DUI_EXPORT DuiLabelWidget : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QString adjustText READ text WRITE setAdjustText)
    Q_PROPERTY(QString link READ link WRITE setLink)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(QColor shadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(QPointF shadowOffset READ shadowOffset WRITE setShadowOffset)
    Q_PROPERTY(qreal shadowBlurRadius READ shadowBlurRadius WRITE setShadowBlurRadius)
    Q_PROPERTY(qreal shadowOpacity READ shadowOpacity WRITE setShadowOpacity)
    Q_PROPERTY(int fontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(bool acceptClick READ acceptClick WRITE setAcceptClick)
    Q_PROPERTY(bool underlineOnHover READ underlineOnHover WRITE setUnderlineOnHover)
    Q_PROPERTY(bool bold READ bold WRITE setBold)
    Q_PROPERTY(bool dropShadow READ dropShadow WRITE setDropShadow)
    Q_PROPERTY(bool elidedText READ elidedText WRITE setElidedText)
    Q_PROPERTY(QFont font READ font WRITE setFont)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QMargins frame READ frame WRITE setFrame)

public:
    explicit DuiLabelWidget(QGraphicsItem *parent = nullptr);
    ~DuiLabelWidget() override;

    void setText(const QString &text);
    QString text() const;
    // Shows the whole text, never elided.
    void setFullText(const QString &text);
    // Shows the text and fixes the widget's width to it (plus the left and right margins).
    void setAdjustText(const QString &text);
    void setElidedText(bool elided);
    bool elidedText() const;
    void setAlignment(Qt::Alignment alignment) override;
    Qt::Alignment alignment() const;
    void setFont(const QFont &font);
    QFont font() const;
    void setFontSize(int pixels);
    int fontSize() const;
    void setBold(bool bold);
    bool bold() const;
    void setTextColor(const QColor &color);
    QColor textColor() const;
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
    void setShadowOffset(const QPointF &offset);
    QPointF shadowOffset() const;
    void setShadowBlurRadius(qreal radius);
    qreal shadowBlurRadius() const;
    void setShadowOpacity(qreal opacity);
    qreal shadowOpacity() const;
    void setFrame(const QMargins &margins);
    QMargins frame() const;
    void setEnabled(bool enabled);
    void setTextGraphicsEffect(QGraphicsEffect *effect);

    DragWidgetFlag hitTest(const QPointF &point) const override;

    // The text item, for tests and composite controls.
    QGraphicsSimpleTextItem *textItem() const;

Q_SIGNALS:
    void clicked();

protected:
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void doColorize(QRgb rgb) override;

private:
    void adjustWithContentSize(qreal width);
    void placeText(const QSizeF &size);
    bool hit(const QPointF &itemPoint) const;
    void setUnderline(bool underline);
    void updateShadow();

    Q_DISABLE_COPY(DuiLabelWidget)
    Q_DECLARE_PRIVATE(DuiLabelWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiLabelWidget)
};

#endif // DUILABELWIDGET_H
