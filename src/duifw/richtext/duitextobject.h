// SPDX-License-Identifier: MIT
#ifndef DUITEXTOBJECT_H
#define DUITEXTOBJECT_H

#include "duiglobal.h"

#include <QtCore/qobject.h>
#include <QtGui/qabstracttextdocumentlayout.h>

class DuiTextEdit;
class DuiTextEditGraphicsItem;
class DuiTextObjectPrivate;
class QMouseEvent;

// Draws the custom objects of a text edit's document: each occurrence carries an index in its
// character format (property IndexProperty), and the object paints the graphics items appended
// under that index inside the occurrence's rectangle and routes mouse events to them. Register
// it with the document layout for the application's object type:
//
//     auto *object = new DuiTextObject(edit);
//     edit->document()->documentLayout()->registerHandler(MyObjectType, object);
//
// The object is a child of the document and owns the items appended to it.
class DUI_EXPORT DuiTextObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    enum { IndexProperty = 1000 };

    explicit DuiTextObject(DuiTextEdit *edit);
    ~DuiTextObject() override;

    QSizeF intrinsicSize(QTextDocument *doc, int posInDocument, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *doc, int posInDocument,
                    const QTextFormat &format) override;

    // Takes the item under its textObjectIndex (ignored while that is -1); a GIF item's file
    // joins the editor's pool.
    void appendItem(DuiTextEditGraphicsItem *item);
    // Deletes every item of `index`.
    void removeItem(int index);
    // Takes the items named `objectName` out of `index` without deleting them.
    void removeItem(int index, const QString &objectName);
    DuiTextEditGraphicsItem *findChild(int index, const QString &objectName) const;
    QList<DuiTextEditGraphicsItem *> items(int index) const;
    // The rectangle `index` was last drawn in (document coordinates); null before its first draw.
    QRectF lastRect(int index) const;

    // Hands a mouse press, release or move on object `index` to the items under the pointer.
    void commonEvent(QMouseEvent *event, uint index);
    // Gives the GIF items of `index` the current frames of their document resources; true when
    // some item was served.
    bool updateGifImage(uint index);

Q_SIGNALS:
    void clicked(const QString &objectName, int textObjectIndex);
    void mousePress(QMouseEvent *ev, const QString &objectName, int textObjectIndex);

private:
    Q_DECLARE_PRIVATE_D(d_ptr, DuiTextObject)
    DuiTextObjectPrivate *d_ptr;
    Q_DISABLE_COPY(DuiTextObject)
};

#endif // DUITEXTOBJECT_H
