// SPDX-License-Identifier: MIT
#ifndef DUITEXTEDITGRAPHICSITEM_P_H
#define DUITEXTEDITGRAPHICSITEM_P_H

#include "duitexteditgraphicsitem.h"

#include <QtCore/qbuffer.h>
#include <QtCore/qhash.h>
#include <QtCore/qpointer.h>

class QMovie;
class QTimer;

class DuiTextEditGraphicsItemPrivate
{
public:
    virtual ~DuiTextEditGraphicsItemPrivate() = default;

    QPointF pos;
    QSizeF size{30, 30};
    QString objectName;
    QPointer<QWidget> containerWidget;
    Qt::CursorShape hoverCursorShape = Qt::ArrowCursor;
    bool acceptHover = false;
    bool visible = true;
    bool outside = true;
    int textObjectIndex = -1;
    Qt::MouseButtons acceptedMouseButtons;
    QHash<QString, QVariant> properties;
    QPointer<DuiTextEditGraphicsAnimation> animation;
};

class DuiTextEditGraphicsPixmapItemPrivate : public DuiTextEditGraphicsItemPrivate
{
public:
    DuiFrameItemDrawer::FrameType frameType = DuiFrameItemDrawer::OnePiece;
    QString normalImage;
    QString hoverImage;
    QString pressedImage;
    QString currentImage;
    QString text;
    QFont font;
    QPen pen;
    QSizeF textSize{-1, -1};
};

class DuiTextEditGraphicsTextItemPrivate : public DuiTextEditGraphicsItemPrivate
{
public:
    QString text;
    QFont font;
    QPen pen;
    QSizeF textSize{-1, -1};
    int textFlags = Qt::TextSingleLine | Qt::AlignTop | Qt::AlignLeft;
};

class DuiTextEditGraphicsGifItemPrivate : public DuiTextEditGraphicsItemPrivate
{
public:
    QPixmap pixmap;
    QString gifImagePath;
};

class DuiTextEditGraphicsStatePrivate
{
public:
    DuiTextEditGraphicsAbstractState::StateStatus status = DuiTextEditGraphicsAbstractState::StatusNone;
};

class DuiTextEditGraphicsAnimationPrivate
{
public:
    DuiTextEditGraphicsItem *owner = nullptr;
    DuiTextEditGraphicsAbstractState *state = nullptr;
    int speed = 100;
    int playTime = 500;
    int frameIndex = 0;
    QTimer *timer = nullptr;
    QMovie *movie = nullptr;
    QBuffer movieBuffer;
};

#endif // DUITEXTEDITGRAPHICSITEM_P_H
