// SPDX-License-Identifier: MIT
#ifndef DUITEXTCURSOR_H
#define DUITEXTCURSOR_H

#include "duiglobal.h"

#include <QtCore/qscopedpointer.h>
#include <QtGui/qtextcursor.h>
#include <QtGui/qtextformat.h>

class DuiTextCompositeFormat;
class DuiTextCursorPrivate;
class GifPool;
class QColor;
class RichTextEdit;

// The way content enters a DuiTextEdit: a QTextCursor bound to the editor and its pool of
// animated images, inserting text in the editor's default format, links that carry a key and a
// value, still images and animated GIFs. Get one from DuiTextEdit::textCursor() or
// cursorForPosition(); a default-constructed cursor is bound to nothing and inserts nothing.
//
// Image names are resolved as the editor resolves them: ":/" resources, regular files and
// bounded data: URLs only.
class DUI_EXPORT DuiTextCursor : public QTextCursor
{
public:
    // Character format properties of the editor's documents.
    enum Property {
        KeyTextProperty = QTextFormat::UserProperty + 1, // what an image stands for
        LinkValueProperty = QTextFormat::UserProperty + 2,
        AnimatedProperty = QTextFormat::UserProperty + 3, // true on animated GIF images
    };

    DuiTextCursor();
    explicit DuiTextCursor(RichTextEdit *edit);
    DuiTextCursor(RichTextEdit *edit, const QTextCursor &cursor);
    DuiTextCursor(const DuiTextCursor &other);
    DuiTextCursor &operator=(const DuiTextCursor &other);
    ~DuiTextCursor();

    // In the editor's default char format (the cursor's own without an editor).
    void insertText(const QString &text);
    void insertText(const QString &text, const QTextCharFormat &format);
    // Through the editor's input chain, in one undo step; an invalid format means the default.
    void intellisensInsertText(const QString &text, const QTextCharFormat &format);
    void insertHtml(const QString &html);

    // Text that reports linkClicked(key, value) when clicked.
    void insertTextLink(const QString &key, const QString &value, const QString &text, const QColor &color);
    void insertTextLink(const QString &key, const QString &value, const QString &text, const QTextCharFormat &format);

    // An image file (animated in the pool when the name ends in ".gif"), its key text the path.
    void insertImage(const QString &path);
    void insertImage(const QString &path, const QString &key);
    // `format` with its old name as key text and `path` as the image.
    void insertImage(const QTextImageFormat &format, const QString &path);
    void insertImageWithTruelyFormat(QTextImageFormat &format, const QString &path);
    // Encoded bytes under the name `key`: animated when they carry a GIF signature and the pool
    // takes them, else a still image; undecodable bytes insert nothing.
    void insertImage(const QString &key, QByteArray &data, int);
    void insertImage(const QImage &image, const QString &name);
    // A clickable image (a link whose key and value are given).
    void insertImageLink(const QString &key, const QString &value, const QString &path, const QString &keyText);
    void insertImageLink(const QString &key, const QString &value, const QString &name, QByteArray &data, int);

    void insertCompositeData(const DuiTextCompositeFormat &data);

    void setGifPool(GifPool *pool);
    GifPool *gifPool() const;
    void replaceKeyImage(const QString &key, const QString &path);
    void setTextCursor(const QTextCursor &cursor);
    RichTextEdit *richEdit() const;

private:
    void insertAnimatedOrStill(QTextImageFormat &format, const QString &name, const QByteArray &data);
    QScopedPointer<DuiTextCursorPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiTextCursor)
};

#endif // DUITEXTCURSOR_H
