// SPDX-License-Identifier: MIT
#include "duianimationwidget.h"
#include "duianimationwidget_p.h"

#include "duiimagewidget_p.h"
#include "duiresourceloader.h"

#include <QtCore/qbuffer.h>
#include <QtGui/qmovie.h>
#include <QtWidgets/qgraphicsitem.h>

DUI_REGISTER_WIDGET(DuiAnimationWidget)

DuiAnimationWidget::DuiAnimationWidget(QGraphicsItem *parent)
    : DuiWidget(*new DuiAnimationWidgetPrivate, parent)
{
    init();
}

DuiAnimationWidget::~DuiAnimationWidget()
{
    // The movie reads from the private buffer; stop it before either goes.
    Q_D(DuiAnimationWidget);
    d->movie->stop();
    d->movie->setDevice(nullptr);
}

void DuiAnimationWidget::init()
{
    Q_D(DuiAnimationWidget);
    d->pixmapItem = new QGraphicsPixmapItem(this);
    d->pixmapItem->setTransformationMode(Qt::SmoothTransformation);
    d->movie = new QMovie(this);
    connect(d->movie, &QMovie::frameChanged, this, &DuiAnimationWidget::on_frameChanged);
}

void DuiAnimationWidget::setImage(const QString &path)
{
    Q_D(DuiAnimationWidget);
    d->movie->stop();
    d->movie->setDevice(nullptr);
    d->buffer.close();
    if (path.isEmpty()) {
        d->pixmapItem->setPixmap(QPixmap());
        d->data.clear();
        d->buffer.setData(QByteArray());
        return;
    }
    d->data = getResourceLoader()->loadRawData(path);
    d->buffer.setData(d->data);
    d->movie->setDevice(&d->buffer);
}

QString DuiAnimationWidget::imagePath() const
{
    return QString();
}

void DuiAnimationWidget::start()
{
    d_func()->movie->start();
}

void DuiAnimationWidget::stop()
{
    // Stopping alone keeps the current frame; restarting and stopping rewinds to the first.
    Q_D(DuiAnimationWidget);
    d->movie->stop();
    d->movie->start();
    d->movie->stop();
    d->movie->jumpToFrame(0);
}

void DuiAnimationWidget::setPlayLoop(bool loop)
{
    d_func()->playLoop = loop;
}

bool DuiAnimationWidget::playLoop() const
{
    return d_func()->playLoop;
}

void DuiAnimationWidget::setImageScaleSize(const QSizeF &size)
{
    d_func()->imageScaleSize = size;
}

QSizeF DuiAnimationWidget::imageScaleSize() const
{
    return d_func()->imageScaleSize;
}

void DuiAnimationWidget::setBorderColor(const QColor &color)
{
    Q_D(DuiAnimationWidget);
    d->borderColor = color;
    d->pixmapItem->setPos(1, 1);
}

QColor DuiAnimationWidget::borderColor() const
{
    return d_func()->borderColor;
}

void DuiAnimationWidget::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    Q_UNUSED(option);
    Q_UNUSED(widget);
    duiDrawImageBorder(painter, rect(), d_func()->borderColor);
}

void DuiAnimationWidget::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
}

void DuiAnimationWidget::on_frameChanged(int frameNumber)
{
    Q_D(DuiAnimationWidget);
    if (!d->playLoop && frameNumber + 1 == d->movie->frameCount()) {
        hide();
        d->movie->stop();
        return;
    }
    const QPixmap frame = d->movie->currentPixmap();
    const QSizeF box = d->imageScaleSize;
    if (box.width() < 0 || box.height() < 0) {
        d->pixmapItem->setPixmap(frame);
        return;
    }
    const QSize boxSize = box.toSize();
    if (QRect(QPoint(0, 0), boxSize).contains(QRect(QPoint(0, 0), frame.size()))) {
        d->pixmapItem->setPixmap(frame);
        d->pixmapItem->setPos((boxSize.width() - frame.width()) / 2, (boxSize.height() - frame.height()) / 2);
    } else {
        d->pixmapItem->setPos(1, 1);
        d->pixmapItem->setPixmap(frame.scaled(boxSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

void DuiAnimationWidget::on_finished()
{
    Q_D(DuiAnimationWidget);
    if (d->playLoop)
        return;
    hide();
    d->movie->stop();
}
