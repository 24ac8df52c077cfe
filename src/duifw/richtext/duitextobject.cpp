// SPDX-License-Identifier: MIT
#include "duitextobject_p.h"

#include "duitextedit.h"
#include "duitexteditgraphicsitem.h"

#include <QtGui/qevent.h>
#include <QtGui/qimage.h>
#include <QtGui/qpixmap.h>
#include <QtGui/qtextdocument.h>
#include <QtGui/qtextformat.h>

#include "gifpool.h"

DuiTextObject::DuiTextObject(DuiTextEdit *edit)
    : QObject(edit ? edit->document() : nullptr)
    , d_ptr(new DuiTextObjectPrivate)
{
    d_ptr->edit = edit;
}

DuiTextObject::~DuiTextObject()
{
    for (QList<DuiTextEditGraphicsItem *> *list : std::as_const(d_ptr->items)) {
        qDeleteAll(*list);
        delete list;
    }
    delete d_ptr;
}

QSizeF DuiTextObject::intrinsicSize(QTextDocument *, int, const QTextFormat &)
{
    return QSizeF(80, 36);
}

void DuiTextObject::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *doc, int posInDocument,
                               const QTextFormat &format)
{
    Q_D(DuiTextObject);
    const uint index = format.property(IndexProperty).toUInt();
    QList<DuiTextEditGraphicsItem *> *list = d->items.value(index);
    if (!list)
        return;
    d->lastRects.insert(index, rect);
    for (DuiTextEditGraphicsItem *item : std::as_const(*list)) {
        if (item->isVisible())
            item->paint(painter, rect, doc, posInDocument, format);
    }
}

void DuiTextObject::appendItem(DuiTextEditGraphicsItem *item)
{
    Q_D(DuiTextObject);
    if (!item || item->textObjectIndex() == -1)
        return;
    if (d->edit) {
        item->setContainerWidget(d->edit->realWidget());
        const QString path = item->gifImagePath();
        if (!path.isNull())
            d->edit->gifPool()->insertKeyImage(path, path);
    }
    const uint index = uint(item->textObjectIndex());
    QList<DuiTextEditGraphicsItem *> *&list = d->items[index];
    if (!list)
        list = new QList<DuiTextEditGraphicsItem *>;
    list->append(item);
}

void DuiTextObject::removeItem(int index)
{
    Q_D(DuiTextObject);
    QList<DuiTextEditGraphicsItem *> *list = d->items.take(uint(index));
    if (!list)
        return;
    qDeleteAll(*list);
    delete list;
    d->lastRects.remove(uint(index));
}

void DuiTextObject::removeItem(int index, const QString &objectName)
{
    Q_D(DuiTextObject);
    QList<DuiTextEditGraphicsItem *> *list = d->items.value(uint(index));
    if (!list)
        return;
    list->removeIf([&](DuiTextEditGraphicsItem *item) { return item->objectName() == objectName; });
    if (list->isEmpty()) {
        delete d->items.take(uint(index));
        d->lastRects.remove(uint(index));
    }
}

DuiTextEditGraphicsItem *DuiTextObject::findChild(int index, const QString &objectName) const
{
    if (const QList<DuiTextEditGraphicsItem *> *list = d_ptr->items.value(uint(index))) {
        for (DuiTextEditGraphicsItem *item : *list) {
            if (item->objectName() == objectName)
                return item;
        }
    }
    return nullptr;
}

QList<DuiTextEditGraphicsItem *> DuiTextObject::items(int index) const
{
    const QList<DuiTextEditGraphicsItem *> *list = d_ptr->items.value(uint(index));
    return list ? *list : QList<DuiTextEditGraphicsItem *>();
}

QRectF DuiTextObject::lastRect(int index) const
{
    return d_ptr->lastRects.value(uint(index));
}

void DuiTextObject::commonEvent(QMouseEvent *event, uint index)
{
    Q_D(DuiTextObject);
    QList<DuiTextEditGraphicsItem *> *list = d->items.value(index);
    if (!event || !list || !d->edit)
        return;
    const QRectF lastRect = d->lastRects.value(index);
    if (lastRect.width() == 0 && lastRect.height() == 0)
        return;
    const QPointF p = d->edit->mapToContents(event->position());
    // Handlers may change the list (an item removing itself): walk a copy.
    const QList<DuiTextEditGraphicsItem *> items = *list;
    for (DuiTextEditGraphicsItem *item : items) {
        if (item->size().isNull() || item->size().isEmpty())
            continue;
        const QRectF rect(item->absolutePos(lastRect), item->size());
        const bool inside = rect.contains(p);
        const Qt::MouseButtons buttons = item->acceptedMouseButtons();
        const bool buttonTaken = buttons != Qt::NoButton && (buttons & event->button()) && inside;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (buttonTaken) {
                item->mousePressEvent(event, index);
                Q_EMIT mousePress(event, item->objectName(), int(index));
            }
            break;
        case QEvent::MouseButtonRelease:
            if (buttonTaken) {
                item->mouseReleaseEvent(event, index);
                Q_EMIT clicked(item->objectName(), int(index));
            }
            break;
        case QEvent::MouseMove:
            if (inside)
                item->mouseMoveEvent(event, index);
            if (item->acceptHoverEvents()) {
                if (inside && item->isOutside())
                    item->hoverEnterEvent(event, index);
                else if (!inside && !item->isOutside())
                    item->hoverLeaveEvent(event, index);
            }
            item->setOutside(!inside);
            break;
        default:
            break;
        }
    }
}

bool DuiTextObject::updateGifImage(uint index)
{
    Q_D(DuiTextObject);
    const QList<DuiTextEditGraphicsItem *> *list = d->items.value(index);
    if (!list || !d->edit)
        return false;
    bool served = false;
    for (DuiTextEditGraphicsItem *item : *list) {
        const QString path = item->gifImagePath();
        if (path.isNull())
            continue;
        const QVariant frame = d->edit->document()->resource(QTextDocument::ImageResource, QUrl(path));
        DuiTextEditGraphicsGifState state;
        state.setChangedPixmap(frame.typeId() == QMetaType::QImage ? QPixmap::fromImage(frame.value<QImage>())
                                                                   : frame.value<QPixmap>());
        item->animationChanged(&state);
        served = true;
    }
    return served;
}
