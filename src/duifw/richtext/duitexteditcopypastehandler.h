// SPDX-License-Identifier: MIT
#ifndef DUITEXTEDITCOPYPASTEHANDLER_H
#define DUITEXTEDITCOPYPASTEHANDLER_H

#include "duiglobal.h"

#include <QtCore/qstring.h>

class DuiTextCursor;
class DuiTextEdit;
class QDataStream;
class QMimeData;

// A link of a text edit's copy and paste chain (DuiTextEdit::addCopyPasteHandler). Copying asks
// the chain for plain and HTML text and for the records of the private clipboard format
// "MIME/TextEdit"; pasting hands each record to the chain by its key, and the handler that
// knows the key reads the rest of the record. The base versions pass every call on to the next
// handler; the editor's default handler ends every chain. The editor does not own its handlers.
//
// A record is a QString key followed by whatever its handler writes; the built-in one is the
// key "[Text]", the text, then "[/Text]".
class DUI_EXPORT DuiTextEditCopyPasteHandler
{
public:
    explicit DuiTextEditCopyPasteHandler(DuiTextEdit *edit);
    virtual ~DuiTextEditCopyPasteHandler();

    // Appends the HTML form of `text` (the selection, starting at document position
    // position - 1) to `html`.
    virtual void beginCopyToHtml(int position, const QString &text, QString &html);
    virtual void beginCopyData(QMimeData *data);
    // Writes this handler's records for `text` to `stream`.
    virtual void beginCopyData(int position, const QString &text, QDataStream &stream);
    // Pastes clipboard data that carries no private records.
    virtual void beginPasteData(const QMimeData *data);
    // Reads the rest of a record whose `key` was just read, and inserts it at `cursor`. A
    // handler that does not know the key must leave the stream untouched.
    virtual void beginPasteData(const QString &key, DuiTextCursor &cursor, QDataStream &stream);
    virtual bool canPasteData(const QMimeData *data);
    virtual bool canPasteData(const QString &key);

    void setNextChain(DuiTextEditCopyPasteHandler *next);
    DuiTextEditCopyPasteHandler *nextChain() const;
    DuiTextEdit *textEdit() const;

private:
    DuiTextEditCopyPasteHandler *m_next = nullptr;
    DuiTextEdit *m_edit = nullptr;
    Q_DISABLE_COPY(DuiTextEditCopyPasteHandler)
};

#endif // DUITEXTEDITCOPYPASTEHANDLER_H
