// SPDX-License-Identifier: MIT
#ifndef DUITEXTEDITGRAPHICSITEM_H
#define DUITEXTEDITGRAPHICSITEM_H

#include "duiframeitemdrawer.h"
#include "duiglobal.h"

#include <QtCore/qobject.h>
#include <QtCore/qpoint.h>
#include <QtCore/qsize.h>
#include <QtCore/qvariant.h>
#include <QtGui/qcursor.h>
#include <QtGui/qfont.h>
#include <QtGui/qpen.h>
#include <QtGui/qpixmap.h>

class DuiTextEditGraphicsAbstractState;
class DuiTextEditGraphicsAnimation;
class DuiTextEditGraphicsAnimationPrivate;
class DuiTextEditGraphicsItemPrivate;
class DuiTextEditGraphicsStatePrivate;
class QMouseEvent;
class QPainter;
class QTextDocument;
class QTextFormat;
class QWidget;

// A lightweight item drawn inside a custom text object (DuiTextObject) of a text edit. It is no
// QGraphicsItem: the text object paints it into the object's rectangle and hands it the mouse
// events that fall on it. Items belong to the object index they were appended under.
class DUI_EXPORT DuiTextEditGraphicsItem
{
public:
    DuiTextEditGraphicsItem();
    virtual ~DuiTextEditGraphicsItem();

    // The path of the GIF the item shows; null for items that show none.
    virtual QString gifImagePath() const;
    virtual void animationChanged(DuiTextEditGraphicsAbstractState *state);
    virtual void paint(QPainter *painter, const QRectF &objectRect, QTextDocument *doc, int posInDocument,
                       const QTextFormat &format) = 0;
    virtual void mousePressEvent(QMouseEvent *event, uint index);
    virtual void mouseMoveEvent(QMouseEvent *event, uint index);
    virtual void mouseReleaseEvent(QMouseEvent *event, uint index);
    virtual void hoverEnterEvent(QMouseEvent *event, uint index);
    virtual void hoverLeaveEvent(QMouseEvent *event, uint index);

    void setPos(const QPointF &pos);
    void setPos(qreal x, qreal y);
    QPointF pos() const;
    void setSize(const QSizeF &size);
    QSizeF size() const;
    void setObjectName(const QString &name);
    QString objectName() const;
    void setTextObjectIndex(int index);
    int textObjectIndex() const;
    void setAcceptedMouseButtons(Qt::MouseButtons buttons);
    Qt::MouseButtons acceptedMouseButtons() const;
    void setAcceptHoverEvents(bool accept);
    bool acceptHoverEvents() const;
    void setVisible(bool visible);
    bool isVisible() const;
    void setProperty(const QString &name, const QVariant &value);
    // An empty string when unset.
    QVariant property(const QString &name) const;
    void setAnimationObject(DuiTextEditGraphicsAnimation *animation);
    DuiTextEditGraphicsAnimation *animationObject() const;
    void setHoverCursorShape(Qt::CursorShape shape);
    Qt::CursorShape hoverCursorShape() const;
    // The cursor of the editor's viewport.
    void setCursor(const QCursor &cursor);
    QCursor cursor() const;
    void setContainerWidget(QWidget *widget);
    QWidget *containerWidget() const;
    // Repaints the editor.
    void update();
    QPointF absolutePos(const QRectF &objectRect) const;
    // Hover bookkeeping of the text object: whether the pointer was last seen off the item.
    bool isOutside() const;
    void setOutside(bool outside);

protected:
    explicit DuiTextEditGraphicsItem(DuiTextEditGraphicsItemPrivate &dd);
    DuiTextEditGraphicsItemPrivate *d_ptr;

private:
    Q_DECLARE_PRIVATE(DuiTextEditGraphicsItem)
    Q_DISABLE_COPY(DuiTextEditGraphicsItem)
};

class DuiTextEditGraphicsPixmapItemPrivate;

// A skin image with hover and pressed images and an optional centred text.
class DUI_EXPORT DuiTextEditGraphicsPixmapItem : public DuiTextEditGraphicsItem
{
public:
    DuiTextEditGraphicsPixmapItem();

    void setImagePath(const QString &normal, const QString &hover, const QString &pressed);
    QString currentImage() const;
    void setFrameType(DuiFrameItemDrawer::FrameType type);
    DuiFrameItemDrawer::FrameType frameType() const;
    void setText(const QString &text);
    QString text() const;
    void setFont(const QFont &font);
    QFont font() const;
    void setPen(const QPen &pen);
    QPen pen() const;
    void setTextColor(const QColor &color);
    QColor textColor() const;
    QSizeF textSize() const;

    void paint(QPainter *painter, const QRectF &objectRect, QTextDocument *doc, int posInDocument,
               const QTextFormat &format) override;
    void mousePressEvent(QMouseEvent *event, uint index) override;
    void mouseReleaseEvent(QMouseEvent *event, uint index) override;
    void hoverEnterEvent(QMouseEvent *event, uint index) override;
    void hoverLeaveEvent(QMouseEvent *event, uint index) override;

private:
    Q_DECLARE_PRIVATE(DuiTextEditGraphicsPixmapItem)
};

class DuiTextEditGraphicsTextItemPrivate;

class DUI_EXPORT DuiTextEditGraphicsTextItem : public DuiTextEditGraphicsItem
{
public:
    DuiTextEditGraphicsTextItem();

    // With `resizeToText` the item takes the size of the text.
    void setText(const QString &text, bool resizeToText = false);
    QString text() const;
    void setFont(const QFont &font);
    QFont font() const;
    void setTextFlags(int flags);
    int textFlags() const;
    void setPen(const QPen &pen);
    QPen pen() const;
    void setTextColor(const QColor &color);
    QColor textColor() const;
    QSizeF textSize() const;
    void setSender(bool sender) { m_sender = sender; }
    bool IsSender() const { return m_sender; }

    void paint(QPainter *painter, const QRectF &objectRect, QTextDocument *doc, int posInDocument,
               const QTextFormat &format) override;

    bool m_sender = false;

private:
    void updateTextSize();
    Q_DECLARE_PRIVATE(DuiTextEditGraphicsTextItem)
};

class DuiTextEditGraphicsGifItemPrivate;

// Draws the frame the editor's GIF pool or its animation last gave it.
class DUI_EXPORT DuiTextEditGraphicsGifItem : public DuiTextEditGraphicsItem
{
public:
    DuiTextEditGraphicsGifItem();

    void setGifImagePath(const QString &path);
    QString gifImagePath() const override;
    QPixmap pixmap() const;
    void animationChanged(DuiTextEditGraphicsAbstractState *state) override;
    void paint(QPainter *painter, const QRectF &objectRect, QTextDocument *doc, int posInDocument,
               const QTextFormat &format) override;

private:
    Q_DECLARE_PRIVATE(DuiTextEditGraphicsGifItem)
};

// What an animation feeds its item: the state tells the item which pixmap to draw now.
class DUI_EXPORT DuiTextEditGraphicsAbstractState
{
public:
    enum StateStatus { StatusNone = 0, StatusStarted = 1, StatusChanged = 2, StatusFinished = 3 };

    DuiTextEditGraphicsAbstractState();
    virtual ~DuiTextEditGraphicsAbstractState();

    virtual QPixmap changedPixmap() const;
    virtual void setChangedPixmap(const QPixmap &pixmap);
    virtual void stateStart(DuiTextEditGraphicsAnimation *animation);
    virtual void stateChanged(DuiTextEditGraphicsAnimation *animation);
    virtual void stateFinished(DuiTextEditGraphicsAnimation *animation);
    StateStatus status() const;

protected:
    void setStatus(StateStatus status);
    DuiTextEditGraphicsStatePrivate *d_ptr;

private:
    Q_DISABLE_COPY(DuiTextEditGraphicsAbstractState)
};

// Fades a skin image out over a timed run (opacity 1 - 0.2 per tick), then shows it whole.
class DUI_EXPORT DuiTextEditGraphicsFadeState : public DuiTextEditGraphicsAbstractState
{
public:
    void setSourceImagePath(const QString &path);
    QString sourceImagePath() const;
    QPixmap changedPixmap() const override;
    void stateStart(DuiTextEditGraphicsAnimation *animation) override;
    void stateChanged(DuiTextEditGraphicsAnimation *animation) override;
    void stateFinished(DuiTextEditGraphicsAnimation *animation) override;

private:
    void render(DuiTextEditGraphicsAnimation *animation, qreal opacity);
    QString m_sourceImagePath;
    QPixmap m_pixmap;
};

// Carries one GIF frame.
class DUI_EXPORT DuiTextEditGraphicsGifState : public DuiTextEditGraphicsAbstractState
{
public:
    QPixmap changedPixmap() const override;
    void setChangedPixmap(const QPixmap &pixmap) override;
    void stateStart(DuiTextEditGraphicsAnimation *animation) override;
    void stateChanged(DuiTextEditGraphicsAnimation *animation) override;
    void stateFinished(DuiTextEditGraphicsAnimation *animation) override;

private:
    QPixmap m_pixmap;
};

// Drives an item's state by a timer (start) or by a movie (startMoive).
class DUI_EXPORT DuiTextEditGraphicsAnimation : public QObject
{
    Q_OBJECT
public:
    explicit DuiTextEditGraphicsAnimation(QObject *parent = nullptr);
    ~DuiTextEditGraphicsAnimation() override;

    // A timed run of playTime ms in ticks of `speed` ms (-1 keeps the current speed).
    void start(int speed = -1);
    void stop();
    void setSpeed(int speed);
    int speed() const;
    void setPlayTime(int ms);
    int playTime() const;
    int currentFrameIndex() const;
    void setOwer(DuiTextEditGraphicsItem *owner);
    DuiTextEditGraphicsItem *ower() const;
    // Takes ownership of `state`, deleting the previous one.
    void setState(DuiTextEditGraphicsAbstractState *state);
    DuiTextEditGraphicsAbstractState *state() const;
    // Plays the GIF at `path` (read through the resource loader) into the state.
    void startMoive(const QString &path);
    void stopMoive();

public Q_SLOTS:
    void on_playMovieTimeOut();
    void on_frameChanged(int frameNumber);

private:
    Q_DECLARE_PRIVATE_D(d_ptr, DuiTextEditGraphicsAnimation)
    DuiTextEditGraphicsAnimationPrivate *d_ptr;
    Q_DISABLE_COPY(DuiTextEditGraphicsAnimation)
};

#endif // DUITEXTEDITGRAPHICSITEM_H
