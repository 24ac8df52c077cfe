// SPDX-License-Identifier: MIT
#ifndef DUITEXTEDITEXTERN_H
#define DUITEXTEDITEXTERN_H

#include "duiglobal.h"

#include <QtCore/qobject.h>
#include <QtCore/qpointer.h>
#include <QtCore/qstringlist.h>

class DuiTextEdit;
class QMimeData;

// An extension an application attaches to a text edit; it works through the editor's
// beginCreateMimeDataFromSelection and beginInsertFromMimeData signals.
class DUI_EXPORT IDuiTextEditExtern
{
public:
    virtual ~IDuiTextEditExtern();
    // Attaches to `edit`, leaving the editor attached before.
    virtual void doConnect(DuiTextEdit *edit) = 0;
};
#define IDuiTextEditExtern_iid "IDuiTextEditExtern"
Q_DECLARE_INTERFACE(IDuiTextEditExtern, IDuiTextEditExtern_iid)

// Carries animated GIFs through the clipboard by file path: copying writes the selection's
// GIFs as "MIME/GifFilePath" (UTF-8 "name|path|" pairs), pasting loads each named file into
// the document and the editor's pool before the pasted content that shows them goes in. The
// format comes from any program: only absolute paths of regular files that carry a GIF
// signature and fit the size bound are read, and names the document already uses are left alone.
class DUI_EXPORT GifImageCopyPasteExtern : public QObject, public IDuiTextEditExtern
{
    Q_OBJECT
    Q_INTERFACES(IDuiTextEditExtern)
public:
    explicit GifImageCopyPasteExtern(QObject *parent = nullptr);

    void doConnect(DuiTextEdit *edit) override;
    DuiTextEdit *textEdit() const;

    // "%1|" for each string, as UTF-8.
    static void serialize(QMimeData *data, const QString &format, const QStringList &list);
    // Appends the parts of the format's data split at "|" (empty parts kept).
    static void unSerialize(const QMimeData *data, const QString &format, QStringList &list);

public Q_SLOTS:
    void onBeginCreateMimeDataFromSelection(QMimeData *data);
    void onBeginInsertFromMimeData(const QMimeData *data, bool &isHandled);

private:
    QPointer<DuiTextEdit> edit;
};

// Turns dropped or pasted image files, and clipboard images, into images in the document.
// Only files that decode as images within the size bound go in; a drop or paste that inserts
// nothing is left to the editor's default handling.
class DUI_EXPORT DropImageFileExtern : public QObject, public IDuiTextEditExtern
{
    Q_OBJECT
    Q_INTERFACES(IDuiTextEditExtern)
public:
    explicit DropImageFileExtern(QObject *parent = nullptr);

    void doConnect(DuiTextEdit *edit) override;
    DuiTextEdit *textEdit() const;

    // By name: ".png", ".jpg", ".jpeg", ".bmp" or ".gif" in any case.
    bool isImageFile(const QString &path) const;
    // Inserts the mime data's image at the cursor; false when there was none to insert.
    bool pasteImage(const QMimeData *data);

public Q_SLOTS:
    void onBeginInsertFromMimeData(const QMimeData *data, bool &isHandled);

private:
    QPointer<DuiTextEdit> edit;
};

#endif // DUITEXTEDITEXTERN_H
