// SPDX-License-Identifier: MIT
#include "duitexteditgraphicsitem_p.h"

#include "duilogging_p.h"
#include "duiresourceloader.h"
#include "duitextresource_p.h"
#include "duitheme.h"

#include <QtCore/qatomic.h>
#include <QtCore/qtimer.h>
#include <QtGui/qevent.h>
#include <QtGui/qfontmetrics.h>
#include <QtGui/qmovie.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qabstractscrollarea.h>

namespace {

QAtomicInt s_itemCounter;

// The viewport of the editor's scroll area: the widget whose cursor shows over the text.
QWidget *cursorWidget(QWidget *container)
{
    if (auto *area = qobject_cast<QAbstractScrollArea *>(container))
        return area->viewport();
    return container;
}

void logEvent(const char *handler, uint index, QMouseEvent *event)
{
    qCDebug(lcDuiControls) << handler << "TextObjectIndex=" << index << (event ? event->position() : QPointF());
}

} // namespace

DuiTextEditGraphicsItem::DuiTextEditGraphicsItem()
    : DuiTextEditGraphicsItem(*new DuiTextEditGraphicsItemPrivate)
{
}

DuiTextEditGraphicsItem::DuiTextEditGraphicsItem(DuiTextEditGraphicsItemPrivate &dd)
    : d_ptr(&dd)
{
    d_ptr->objectName = QStringLiteral("TextEditGraphicsItem_%1").arg(s_itemCounter.fetchAndAddRelaxed(1));
}

DuiTextEditGraphicsItem::~DuiTextEditGraphicsItem()
{
    delete d_ptr;
}

QString DuiTextEditGraphicsItem::gifImagePath() const { return QString(); }
void DuiTextEditGraphicsItem::animationChanged(DuiTextEditGraphicsAbstractState *) {}
void DuiTextEditGraphicsItem::mouseMoveEvent(QMouseEvent *, uint) {}
void DuiTextEditGraphicsItem::mouseReleaseEvent(QMouseEvent *, uint) {}

void DuiTextEditGraphicsItem::mousePressEvent(QMouseEvent *event, uint index)
{
    logEvent("mousePressEvent", index, event);
}

void DuiTextEditGraphicsItem::hoverEnterEvent(QMouseEvent *event, uint index)
{
    logEvent("hoverEnterEvent", index, event);
    if (cursor().shape() != hoverCursorShape())
        setCursor(QCursor(hoverCursorShape()));
}

void DuiTextEditGraphicsItem::hoverLeaveEvent(QMouseEvent *event, uint index)
{
    logEvent("hoverLeaveEvent", index, event);
    if (cursor().shape() != Qt::ArrowCursor)
        setCursor(QCursor(Qt::ArrowCursor));
}

void DuiTextEditGraphicsItem::setPos(const QPointF &pos) { d_ptr->pos = pos; }
void DuiTextEditGraphicsItem::setPos(qreal x, qreal y) { d_ptr->pos = QPointF(x, y); }
QPointF DuiTextEditGraphicsItem::pos() const { return d_ptr->pos; }
void DuiTextEditGraphicsItem::setSize(const QSizeF &size) { d_ptr->size = size; }
QSizeF DuiTextEditGraphicsItem::size() const { return d_ptr->size; }
void DuiTextEditGraphicsItem::setObjectName(const QString &name) { d_ptr->objectName = name; }
QString DuiTextEditGraphicsItem::objectName() const { return d_ptr->objectName; }
void DuiTextEditGraphicsItem::setTextObjectIndex(int index) { d_ptr->textObjectIndex = index; }
int DuiTextEditGraphicsItem::textObjectIndex() const { return d_ptr->textObjectIndex; }
void DuiTextEditGraphicsItem::setAcceptedMouseButtons(Qt::MouseButtons buttons) { d_ptr->acceptedMouseButtons = buttons; }
Qt::MouseButtons DuiTextEditGraphicsItem::acceptedMouseButtons() const { return d_ptr->acceptedMouseButtons; }
void DuiTextEditGraphicsItem::setAcceptHoverEvents(bool accept) { d_ptr->acceptHover = accept; }
bool DuiTextEditGraphicsItem::acceptHoverEvents() const { return d_ptr->acceptHover; }
bool DuiTextEditGraphicsItem::isVisible() const { return d_ptr->visible; }
void DuiTextEditGraphicsItem::setAnimationObject(DuiTextEditGraphicsAnimation *animation) { d_ptr->animation = animation; }
DuiTextEditGraphicsAnimation *DuiTextEditGraphicsItem::animationObject() const { return d_ptr->animation; }
void DuiTextEditGraphicsItem::setHoverCursorShape(Qt::CursorShape shape) { d_ptr->hoverCursorShape = shape; }
Qt::CursorShape DuiTextEditGraphicsItem::hoverCursorShape() const { return d_ptr->hoverCursorShape; }
void DuiTextEditGraphicsItem::setContainerWidget(QWidget *widget) { d_ptr->containerWidget = widget; }
QWidget *DuiTextEditGraphicsItem::containerWidget() const { return d_ptr->containerWidget; }
bool DuiTextEditGraphicsItem::isOutside() const { return d_ptr->outside; }
void DuiTextEditGraphicsItem::setOutside(bool outside) { d_ptr->outside = outside; }

void DuiTextEditGraphicsItem::setVisible(bool visible)
{
    d_ptr->visible = visible;
    update();
}

void DuiTextEditGraphicsItem::setProperty(const QString &name, const QVariant &value)
{
    d_ptr->properties.insert(name, value);
}

QVariant DuiTextEditGraphicsItem::property(const QString &name) const
{
    return d_ptr->properties.value(name, QString());
}

void DuiTextEditGraphicsItem::setCursor(const QCursor &cursor)
{
    if (QWidget *widget = cursorWidget(d_ptr->containerWidget))
        widget->setCursor(cursor);
}

QCursor DuiTextEditGraphicsItem::cursor() const
{
    if (QWidget *widget = cursorWidget(d_ptr->containerWidget))
        return widget->cursor();
    return QCursor();
}

void DuiTextEditGraphicsItem::update()
{
    if (QWidget *widget = cursorWidget(d_ptr->containerWidget))
        widget->update();
}

QPointF DuiTextEditGraphicsItem::absolutePos(const QRectF &objectRect) const
{
    return objectRect.topLeft() + d_ptr->pos;
}

// Pixmap item

DuiTextEditGraphicsPixmapItem::DuiTextEditGraphicsPixmapItem()
    : DuiTextEditGraphicsItem(*new DuiTextEditGraphicsPixmapItemPrivate)
{
}

void DuiTextEditGraphicsPixmapItem::setImagePath(const QString &normal, const QString &hover, const QString &pressed)
{
    Q_D(DuiTextEditGraphicsPixmapItem);
    d->normalImage = normal;
    d->hoverImage = hover;
    d->pressedImage = pressed;
    d->currentImage = normal;
    if (d->frameType == DuiFrameItemDrawer::OnePiece)
        setSize(DuiTheme::getImage(normal, true).size());
}

QString DuiTextEditGraphicsPixmapItem::currentImage() const { return d_func()->currentImage; }
void DuiTextEditGraphicsPixmapItem::setFrameType(DuiFrameItemDrawer::FrameType type) { d_func()->frameType = type; }
DuiFrameItemDrawer::FrameType DuiTextEditGraphicsPixmapItem::frameType() const { return d_func()->frameType; }
QString DuiTextEditGraphicsPixmapItem::text() const { return d_func()->text; }
QFont DuiTextEditGraphicsPixmapItem::font() const { return d_func()->font; }
void DuiTextEditGraphicsPixmapItem::setPen(const QPen &pen) { d_func()->pen = pen; }
QPen DuiTextEditGraphicsPixmapItem::pen() const { return d_func()->pen; }
void DuiTextEditGraphicsPixmapItem::setTextColor(const QColor &color) { d_func()->pen.setColor(color); }
QColor DuiTextEditGraphicsPixmapItem::textColor() const { return d_func()->pen.color(); }
QSizeF DuiTextEditGraphicsPixmapItem::textSize() const { return d_func()->textSize; }

void DuiTextEditGraphicsPixmapItem::setText(const QString &text)
{
    Q_D(DuiTextEditGraphicsPixmapItem);
    d->text = text;
    d->textSize = QFontMetricsF(d->font).boundingRect(text).size();
    update();
}

void DuiTextEditGraphicsPixmapItem::setFont(const QFont &font)
{
    Q_D(DuiTextEditGraphicsPixmapItem);
    d->font = font;
    d->textSize = QFontMetricsF(font).boundingRect(d->text).size();
}

void DuiTextEditGraphicsPixmapItem::paint(QPainter *painter, const QRectF &objectRect, QTextDocument *, int,
                                          const QTextFormat &)
{
    Q_D(DuiTextEditGraphicsPixmapItem);
    const QRectF rect(absolutePos(objectRect), size());
    DuiFrameItemDrawer(d->currentImage, d->frameType).draw(rect.toRect(), painter);
    if (!d->textSize.isNull() && !d->text.isEmpty()) {
        painter->save();
        painter->setFont(d->font);
        painter->setPen(d->pen);
        painter->drawText(rect, Qt::AlignHCenter | Qt::AlignVCenter, d->text);
        painter->restore();
    }
}

// Shows `path`, when there is one, and repaints.
static void showImage(DuiTextEditGraphicsPixmapItem *item, QString &current, const QString &path)
{
    if (path.isEmpty())
        return;
    current = path;
    item->update();
}

void DuiTextEditGraphicsPixmapItem::hoverEnterEvent(QMouseEvent *event, uint index)
{
    Q_D(DuiTextEditGraphicsPixmapItem);
    showImage(this, d->currentImage, d->hoverImage);
    DuiTextEditGraphicsItem::hoverEnterEvent(event, index);
}

void DuiTextEditGraphicsPixmapItem::hoverLeaveEvent(QMouseEvent *event, uint index)
{
    Q_D(DuiTextEditGraphicsPixmapItem);
    showImage(this, d->currentImage, d->normalImage);
    DuiTextEditGraphicsItem::hoverLeaveEvent(event, index);
}

void DuiTextEditGraphicsPixmapItem::mousePressEvent(QMouseEvent *, uint)
{
    Q_D(DuiTextEditGraphicsPixmapItem);
    showImage(this, d->currentImage, d->pressedImage);
}

void DuiTextEditGraphicsPixmapItem::mouseReleaseEvent(QMouseEvent *, uint)
{
    Q_D(DuiTextEditGraphicsPixmapItem);
    showImage(this, d->currentImage, d->hoverImage);
}

// Text item

DuiTextEditGraphicsTextItem::DuiTextEditGraphicsTextItem()
    : DuiTextEditGraphicsItem(*new DuiTextEditGraphicsTextItemPrivate)
{
}

void DuiTextEditGraphicsTextItem::updateTextSize()
{
    Q_D(DuiTextEditGraphicsTextItem);
    d->textSize = QFontMetricsF(d->font).size(d->textFlags, d->text);
}

void DuiTextEditGraphicsTextItem::setText(const QString &text, bool resizeToText)
{
    Q_D(DuiTextEditGraphicsTextItem);
    d->text = text;
    updateTextSize();
    if (resizeToText)
        setSize(d->textSize);
    update();
}

void DuiTextEditGraphicsTextItem::setFont(const QFont &font)
{
    d_func()->font = font;
    updateTextSize();
}

void DuiTextEditGraphicsTextItem::setTextFlags(int flags)
{
    d_func()->textFlags = flags;
    updateTextSize();
}

QString DuiTextEditGraphicsTextItem::text() const { return d_func()->text; }
QFont DuiTextEditGraphicsTextItem::font() const { return d_func()->font; }
int DuiTextEditGraphicsTextItem::textFlags() const { return d_func()->textFlags; }
void DuiTextEditGraphicsTextItem::setPen(const QPen &pen) { d_func()->pen = pen; }
QPen DuiTextEditGraphicsTextItem::pen() const { return d_func()->pen; }
void DuiTextEditGraphicsTextItem::setTextColor(const QColor &color) { d_func()->pen.setColor(color); }
QColor DuiTextEditGraphicsTextItem::textColor() const { return d_func()->pen.color(); }
QSizeF DuiTextEditGraphicsTextItem::textSize() const { return d_func()->textSize; }

void DuiTextEditGraphicsTextItem::paint(QPainter *painter, const QRectF &objectRect, QTextDocument *, int,
                                        const QTextFormat &)
{
    Q_D(DuiTextEditGraphicsTextItem);
    if (d->textSize.isNull())
        return;
    painter->save();
    painter->setFont(d->font);
    painter->setPen(d->pen);
    painter->drawText(QRectF(absolutePos(objectRect), size()), d->textFlags, d->text);
    painter->restore();
}

// GIF item

DuiTextEditGraphicsGifItem::DuiTextEditGraphicsGifItem()
    : DuiTextEditGraphicsItem(*new DuiTextEditGraphicsGifItemPrivate)
{
}

void DuiTextEditGraphicsGifItem::setGifImagePath(const QString &path)
{
    Q_D(DuiTextEditGraphicsGifItem);
    d->gifImagePath = path;
    d->pixmap = DuiTheme::getImage(path, true);
}

QString DuiTextEditGraphicsGifItem::gifImagePath() const { return d_func()->gifImagePath; }
QPixmap DuiTextEditGraphicsGifItem::pixmap() const { return d_func()->pixmap; }

void DuiTextEditGraphicsGifItem::animationChanged(DuiTextEditGraphicsAbstractState *state)
{
    if (state)
        d_func()->pixmap = state->changedPixmap();
}

void DuiTextEditGraphicsGifItem::paint(QPainter *painter, const QRectF &objectRect, QTextDocument *, int,
                                       const QTextFormat &)
{
    Q_D(DuiTextEditGraphicsGifItem);
    if (!d->pixmap.isNull())
        painter->drawPixmap(absolutePos(objectRect), d->pixmap);
}

// States

DuiTextEditGraphicsAbstractState::DuiTextEditGraphicsAbstractState()
    : d_ptr(new DuiTextEditGraphicsStatePrivate)
{
}

DuiTextEditGraphicsAbstractState::~DuiTextEditGraphicsAbstractState()
{
    delete d_ptr;
}

QPixmap DuiTextEditGraphicsAbstractState::changedPixmap() const { return QPixmap(); }
void DuiTextEditGraphicsAbstractState::setChangedPixmap(const QPixmap &) {}
void DuiTextEditGraphicsAbstractState::stateStart(DuiTextEditGraphicsAnimation *) { setStatus(StatusStarted); }
void DuiTextEditGraphicsAbstractState::stateChanged(DuiTextEditGraphicsAnimation *) { setStatus(StatusChanged); }
void DuiTextEditGraphicsAbstractState::stateFinished(DuiTextEditGraphicsAnimation *) { setStatus(StatusFinished); }
DuiTextEditGraphicsAbstractState::StateStatus DuiTextEditGraphicsAbstractState::status() const { return d_ptr->status; }
void DuiTextEditGraphicsAbstractState::setStatus(StateStatus status) { d_ptr->status = status; }

void DuiTextEditGraphicsFadeState::setSourceImagePath(const QString &path) { m_sourceImagePath = path; }
QString DuiTextEditGraphicsFadeState::sourceImagePath() const { return m_sourceImagePath; }
QPixmap DuiTextEditGraphicsFadeState::changedPixmap() const { return m_pixmap; }

void DuiTextEditGraphicsFadeState::stateStart(DuiTextEditGraphicsAnimation *animation)
{
    setStatus(StatusStarted);
    stateChanged(animation);
}

void DuiTextEditGraphicsFadeState::stateChanged(DuiTextEditGraphicsAnimation *animation)
{
    setStatus(StatusChanged);
    if (animation && animation->ower())
        render(animation, qBound(0.0, 1.0 - animation->currentFrameIndex() * 0.2, 1.0));
}

void DuiTextEditGraphicsFadeState::stateFinished(DuiTextEditGraphicsAnimation *animation)
{
    setStatus(StatusFinished);
    if (animation && animation->ower())
        render(animation, 1.0);
}

void DuiTextEditGraphicsFadeState::render(DuiTextEditGraphicsAnimation *animation, qreal opacity)
{
    const QSize size = animation->ower()->size().toSize();
    m_pixmap = QPixmap(size);
    m_pixmap.fill(Qt::transparent);
    QPainter painter(&m_pixmap);
    if (opacity != 1.0)
        painter.setOpacity(opacity);
    DuiFrameItemDrawer(m_sourceImagePath, DuiFrameItemDrawer::ThreePiecesHorizontal).draw(QRect(QPoint(), size), &painter);
}

QPixmap DuiTextEditGraphicsGifState::changedPixmap() const { return m_pixmap; }
void DuiTextEditGraphicsGifState::setChangedPixmap(const QPixmap &pixmap) { m_pixmap = pixmap; }

void DuiTextEditGraphicsGifState::stateStart(DuiTextEditGraphicsAnimation *animation)
{
    setStatus(StatusStarted);
    stateChanged(animation);
}

void DuiTextEditGraphicsGifState::stateChanged(DuiTextEditGraphicsAnimation *)
{
    setStatus(StatusChanged);
}

void DuiTextEditGraphicsGifState::stateFinished(DuiTextEditGraphicsAnimation *animation)
{
    setStatus(StatusFinished);
    stateChanged(animation);
}

// Animation

DuiTextEditGraphicsAnimation::DuiTextEditGraphicsAnimation(QObject *parent)
    : QObject(parent)
    , d_ptr(new DuiTextEditGraphicsAnimationPrivate)
{
}

DuiTextEditGraphicsAnimation::~DuiTextEditGraphicsAnimation()
{
    delete d_ptr->movie; // reads movieBuffer, which goes with the private part
    d_ptr->movie = nullptr;
    delete d_ptr->state;
    delete d_ptr;
}

void DuiTextEditGraphicsAnimation::start(int speed)
{
    Q_D(DuiTextEditGraphicsAnimation);
    if (speed != -1)
        d->speed = speed;
    if (!d->timer) {
        d->timer = new QTimer(this);
        connect(d->timer, &QTimer::timeout, this, &DuiTextEditGraphicsAnimation::on_playMovieTimeOut);
    }
    stop();
    d->timer->start(d->speed);
}

void DuiTextEditGraphicsAnimation::stop()
{
    Q_D(DuiTextEditGraphicsAnimation);
    if (d->timer)
        d->timer->stop();
    d->frameIndex = 0;
}

void DuiTextEditGraphicsAnimation::setSpeed(int speed) { d_func()->speed = speed; }
int DuiTextEditGraphicsAnimation::speed() const { return d_ptr->speed; }
void DuiTextEditGraphicsAnimation::setPlayTime(int ms) { d_func()->playTime = ms; }
int DuiTextEditGraphicsAnimation::playTime() const { return d_ptr->playTime; }
int DuiTextEditGraphicsAnimation::currentFrameIndex() const { return d_ptr->frameIndex; }
void DuiTextEditGraphicsAnimation::setOwer(DuiTextEditGraphicsItem *owner) { d_func()->owner = owner; }
DuiTextEditGraphicsItem *DuiTextEditGraphicsAnimation::ower() const { return d_ptr->owner; }
DuiTextEditGraphicsAbstractState *DuiTextEditGraphicsAnimation::state() const { return d_ptr->state; }

void DuiTextEditGraphicsAnimation::setState(DuiTextEditGraphicsAbstractState *state)
{
    Q_D(DuiTextEditGraphicsAnimation);
    if (state == d->state)
        return;
    delete d->state;
    d->state = state;
}

void DuiTextEditGraphicsAnimation::on_playMovieTimeOut()
{
    Q_D(DuiTextEditGraphicsAnimation);
    if (!d->state || !d->owner)
        return;
    DuiTextEditGraphicsAbstractState *state = d->state;
    if (d->frameIndex * d->speed >= d->playTime) {
        stop();
        state->stateFinished(this);
    } else if (d->frameIndex > 0) {
        ++d->frameIndex;
        state->stateChanged(this);
    } else {
        d->frameIndex = 1;
        state->stateStart(this);
    }
    d->owner->animationChanged(state);
}

void DuiTextEditGraphicsAnimation::startMoive(const QString &path)
{
    Q_D(DuiTextEditGraphicsAnimation);
    if (!d->movie) {
        d->movie = new QMovie(this);
        connect(d->movie, &QMovie::frameChanged, this, &DuiTextEditGraphicsAnimation::on_frameChanged);
    }
    d->movie->stop();
    d->movie->setDevice(nullptr);
    d->movieBuffer.close();
    QByteArray bytes = getResourceLoader()->loadRawData(path);
    if (!duiTextImageSizeAllowed(bytes))
        bytes.clear();
    d->movieBuffer.setData(bytes);
    d->movieBuffer.open(QIODevice::ReadOnly);
    d->movie->setDevice(&d->movieBuffer);
    d->movie->start();
}

void DuiTextEditGraphicsAnimation::stopMoive()
{
    if (d_ptr->movie)
        d_ptr->movie->stop();
}

void DuiTextEditGraphicsAnimation::on_frameChanged(int)
{
    Q_D(DuiTextEditGraphicsAnimation);
    if (!d->state)
        return;
    d->state->setChangedPixmap(d->movie->currentPixmap());
    d->state->stateChanged(this);
    if (d->owner)
        d->owner->animationChanged(d->state);
}
