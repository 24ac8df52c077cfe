// SPDX-License-Identifier: MIT
#include "duitextcursor.h"
#include "duitextcursor_p.h"

#include "duitextcompositeformat.h"
#include "duitextresource_p.h"
#include "gifpool_p.h"
#include "richtextedit_p.h"

#include <QtGui/qtextdocument.h>

DuiTextCursor::DuiTextCursor()
    : d_data(new DuiTextCursorPrivate)
{
}

DuiTextCursor::DuiTextCursor(RichTextEdit *edit)
    : DuiTextCursor(edit, edit ? QTextCursor(edit->document()) : QTextCursor())
{
}

DuiTextCursor::DuiTextCursor(RichTextEdit *edit, const QTextCursor &cursor)
    : QTextCursor(cursor)
    , d_data(new DuiTextCursorPrivate)
{
    d_data->edit = edit;
    d_data->pool = edit ? edit->gifPool() : nullptr;
}

DuiTextCursor::DuiTextCursor(const DuiTextCursor &other)
    : QTextCursor(other)
    , d_data(new DuiTextCursorPrivate(*other.d_data))
{
}

DuiTextCursor &DuiTextCursor::operator=(const DuiTextCursor &other)
{
    QTextCursor::operator=(other);
    *d_data = *other.d_data;
    return *this;
}

DuiTextCursor::~DuiTextCursor() = default;

RichTextEdit *DuiTextCursor::richEdit() const
{
    return d_data->edit;
}

void DuiTextCursor::insertText(const QString &text)
{
    Q_D(DuiTextCursor);
    if (d->edit && d->edit->defaultCharFormat.isValid())
        QTextCursor::insertText(text, d->edit->defaultCharFormat);
    else
        QTextCursor::insertText(text);
}

void DuiTextCursor::insertText(const QString &text, const QTextCharFormat &format)
{
    QTextCursor::insertText(text, format);
}

void DuiTextCursor::intellisensInsertText(const QString &text, const QTextCharFormat &format)
{
    Q_D(DuiTextCursor);
    if (isNull())
        return;
    const QTextCharFormat used = format.isValid() || !d->edit ? format : d->edit->defaultCharFormat;
    beginEditBlock();
    if (d->edit) {
        DuiTextAbstractIntellisenseInput *first =
            d->edit->inputs.isEmpty() ? &d->edit->defaultInput : d->edit->inputs.first();
        first->insertText(text, *this, used);
    } else {
        QTextCursor::insertText(text, used);
    }
    endEditBlock();
}

void DuiTextCursor::insertHtml(const QString &html)
{
    QTextCursor::insertHtml(html);
}

void DuiTextCursor::insertTextLink(const QString &key, const QString &value, const QString &text, const QColor &color)
{
    Q_D(DuiTextCursor);
    QTextCharFormat format = d->edit ? d->edit->defaultCharFormat : charFormat();
    format.setFontUnderline(true);
    format.setForeground(color);
    insertTextLink(key, value, text, format);
}

void DuiTextCursor::insertTextLink(const QString &key, const QString &value, const QString &text,
                                   const QTextCharFormat &format)
{
    QTextCharFormat link = format;
    link.setAnchor(true);
    link.setAnchorNames({text});
    link.setAnchorHref(key);
    link.setProperty(LinkValueProperty, value);
    QTextCursor::insertText(text, link);
}

void DuiTextCursor::insertImage(const QString &path)
{
    QTextImageFormat format;
    format.setFont(charFormat().font());
    format.setName(path);
    format.setProperty(KeyTextProperty, path);
    insertImageWithTruelyFormat(format, path);
}

void DuiTextCursor::insertImage(const QString &path, const QString &key)
{
    QTextImageFormat format;
    format.setName(path);
    format.setProperty(KeyTextProperty, key);
    insertImageWithTruelyFormat(format, path);
}

void DuiTextCursor::insertImage(const QTextImageFormat &format, const QString &path)
{
    QTextImageFormat image = format;
    image.setProperty(KeyTextProperty, format.name());
    image.setName(path);
    insertImageWithTruelyFormat(image, path);
}

// An animated file goes to the pool (one movie per name, however often it is inserted); a still
// one, or a ".gif" the pool cannot read, becomes a document resource. A file that cannot be read
// at all still gets its image character: the document asks the editor for the name when it
// draws, which answers nothing for names it refuses.
void DuiTextCursor::insertImageWithTruelyFormat(QTextImageFormat &format, const QString &path)
{
    Q_D(DuiTextCursor);
    // A null cursor has no private part: document() would dereference it.
    QTextDocument *doc = isNull() ? nullptr : document();
    if (!doc)
        return;
    bool animated = false;
    if (d->pool && GifPool::isAnimationGif(path)) {
        if (d->pool->contain(path)) {
            animated = true;
        } else if (d->pool->insertKeyImage(path, path)) {
            doc->addResource(QTextDocument::ImageResource, QUrl(path), d->pool->currentImage(path));
            animated = true;
        }
    }
    if (animated) {
        format.setProperty(AnimatedProperty, true);
    } else {
        const QImage image = duiLoadTextImage(path);
        if (!image.isNull())
            doc->addResource(QTextDocument::ImageResource, QUrl(path), image);
    }
    QTextCursor::insertImage(format);
}

void DuiTextCursor::insertAnimatedOrStill(QTextImageFormat &format, const QString &name, const QByteArray &data)
{
    Q_D(DuiTextCursor);
    // A null cursor has no private part: document() would dereference it.
    QTextDocument *doc = isNull() ? nullptr : document();
    if (!doc)
        return;
    if (d->pool && GifPool::isAnimationGif(data, 0)
        && (d->pool->contain(name) || d->pool->insertKeyImage(name, data))) {
        doc->addResource(QTextDocument::ImageResource, QUrl(name), d->pool->currentImage(name));
        format.setName(name);
        format.setProperty(AnimatedProperty, true);
        QTextCursor::insertImage(format);
        return;
    }
    // Still images, and GIF bytes the pool refused: their first frame, or nothing.
    const QImage image = duiDecodeTextImage(data);
    if (image.isNull())
        return;
    doc->addResource(QTextDocument::ImageResource, QUrl(name), image);
    format.setName(name);
    QTextCursor::insertImage(format);
}

void DuiTextCursor::insertImage(const QString &key, QByteArray &data, int)
{
    QTextImageFormat format;
    insertAnimatedOrStill(format, key, data);
}

void DuiTextCursor::insertImage(const QImage &image, const QString &name)
{
    QTextCursor::insertImage(image, name);
}

void DuiTextCursor::insertImageLink(const QString &key, const QString &value, const QString &path, const QString &keyText)
{
    QTextImageFormat format;
    format.setAnchor(true);
    format.setAnchorHref(key);
    format.setProperty(LinkValueProperty, value);
    format.setProperty(KeyTextProperty, keyText);
    format.setName(path);
    insertImageWithTruelyFormat(format, path);
}

void DuiTextCursor::insertImageLink(const QString &key, const QString &value, const QString &name, QByteArray &data, int)
{
    QTextImageFormat format;
    format.setAnchor(true);
    format.setAnchorHref(key);
    format.setProperty(LinkValueProperty, value);
    insertAnimatedOrStill(format, name, data);
}

void DuiTextCursor::insertCompositeData(const DuiTextCompositeFormat &data)
{
    data.parseInput(*this);
}

void DuiTextCursor::setGifPool(GifPool *pool)
{
    d_data->pool = pool;
}

GifPool *DuiTextCursor::gifPool() const
{
    return d_data->pool;
}

void DuiTextCursor::replaceKeyImage(const QString &key, const QString &path)
{
    if (d_data->pool)
        d_data->pool->replaceKeyImage(key, path);
}

void DuiTextCursor::setTextCursor(const QTextCursor &cursor)
{
    QTextCursor::operator=(cursor);
}
