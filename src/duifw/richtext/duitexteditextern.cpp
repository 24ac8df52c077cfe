// SPDX-License-Identifier: MIT
#include "duitexteditextern.h"

#include "duilogging_p.h"
#include "duitextcursor.h"
#include "duitextedit.h"
#include "duitextresource_p.h"
#include "gifpool.h"

#include <QtCore/qdir.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qmimedata.h>
#include <QtCore/qset.h>
#include <QtCore/qurl.h>
#include <QtGui/qtextcursor.h>
#include <QtGui/qtextdocument.h>
#include <QtGui/qtextobject.h>

namespace {

const QString kGifFilePathMime = QStringLiteral("MIME/GifFilePath");
// Far more than any list of paths a selection could hold.
constexpr qsizetype kMaxGifListBytes = 1024 * 1024;
// The files the clipboard may name: the resource loader's own bound on raw reads.
constexpr qint64 kMaxGifFileBytes = 64 * 1024 * 1024;

// The image names the document's text uses.
QSet<QString> imageNames(QTextDocument *doc)
{
    QSet<QString> names;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                names.insert(format.toImageFormat().name());
        }
    }
    return names;
}

// The bytes of a GIF named by another program: an absolute path of a regular file (no pipe,
// device or compiled-in resource) within the size bound that starts with a GIF signature.
QByteArray foreignGifBytes(const QString &path)
{
    if (path.startsWith(QLatin1Char(':')) || !QDir::isAbsolutePath(path))
        return QByteArray();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxGifFileBytes)
        return QByteArray();
    const QByteArray bytes = duiTextResourceBytes(path);
    return GifPool::isAnimationGif(bytes, 0) ? bytes : QByteArray();
}

// Moves `extension` from the editor in `current` to `edit`; false when there is nothing to connect.
bool reattach(QObject *extension, QPointer<DuiTextEdit> &current, DuiTextEdit *edit)
{
    if (current == edit)
        return false;
    if (current)
        QObject::disconnect(current, nullptr, extension, nullptr);
    current = edit;
    return edit;
}

} // namespace

IDuiTextEditExtern::~IDuiTextEditExtern() = default;

// GIF copy and paste

GifImageCopyPasteExtern::GifImageCopyPasteExtern(QObject *parent)
    : QObject(parent)
{
}

void GifImageCopyPasteExtern::doConnect(DuiTextEdit *newEdit)
{
    if (!reattach(this, edit, newEdit))
        return;
    connect(edit, &DuiTextEdit::beginInsertFromMimeData, this, &GifImageCopyPasteExtern::onBeginInsertFromMimeData);
    connect(edit, &DuiTextEdit::beginCreateMimeDataFromSelection, this,
            &GifImageCopyPasteExtern::onBeginCreateMimeDataFromSelection);
}

DuiTextEdit *GifImageCopyPasteExtern::textEdit() const
{
    return edit;
}

void GifImageCopyPasteExtern::serialize(QMimeData *data, const QString &format, const QStringList &list)
{
    QByteArray bytes;
    for (const QString &s : list)
        bytes += s.toUtf8() + '|';
    data->setData(format, bytes);
}

void GifImageCopyPasteExtern::unSerialize(const QMimeData *data, const QString &format, QStringList &list)
{
    const QByteArray bytes = data->data(format);
    if (bytes.isEmpty())
        return;
    if (bytes.size() > kMaxGifListBytes) {
        qCWarning(lcDuiControls) << format << "of" << bytes.size() << "bytes ignored";
        return;
    }
    list += QString::fromUtf8(bytes).split(QLatin1Char('|'));
}

void GifImageCopyPasteExtern::onBeginCreateMimeDataFromSelection(QMimeData *data)
{
    if (!edit || !data)
        return;
    const QTextCursor cursor = edit->textCursor();
    QStringList list;
    if (cursor.hasSelection()) {
        const QString text = cursor.selectedText();
        const int start = cursor.selectionStart();
        QTextCursor at(edit->document());
        for (int i = 0; i < text.size(); ++i) {
            if (text.at(i) != QChar::ObjectReplacementCharacter)
                continue;
            at.setPosition(start + i + 1);
            const QTextCharFormat format = at.charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const QString key = format.stringProperty(DuiTextCursor::KeyTextProperty);
            // "|" separates the entries: a pair holding one could not be read back.
            if (key.isEmpty() || !key.toLower().endsWith(QLatin1String("gif")) || name.contains(QLatin1Char('|'))
                || key.contains(QLatin1Char('|')))
                continue;
            list << name << key;
        }
    }
    serialize(data, kGifFilePathMime, list);
}

// Only registers the GIFs: the pasted content that refers to them is inserted by whoever
// handles the paste, so the paste is never marked handled here.
void GifImageCopyPasteExtern::onBeginInsertFromMimeData(const QMimeData *data, bool &isHandled)
{
    if (isHandled || !edit || !data)
        return;
    QStringList list;
    unSerialize(data, kGifFilePathMime, list);
    if (list.size() < 2)
        return;
    QTextDocument *doc = edit->document();
    GifPool *pool = edit->gifPool();
    const QSet<QString> used = imageNames(doc);
    for (int i = 0; i + 1 < list.size(); i += 2) {
        const QString &name = list.at(i);
        const QString &path = list.at(i + 1);
        if (name.isEmpty() || path.isEmpty() || used.contains(name) || pool->contain(name))
            continue;
        const QByteArray bytes = foreignGifBytes(path);
        if (bytes.isEmpty() || !pool->insertKeyImage(name, bytes)) {
            qCDebug(lcDuiControls) << "pasted GIF refused:" << path;
            continue;
        }
        doc->addResource(QTextDocument::ImageResource, QUrl(name), pool->currentImage(name));
    }
}

// Image file drops

DropImageFileExtern::DropImageFileExtern(QObject *parent)
    : QObject(parent)
{
}

void DropImageFileExtern::doConnect(DuiTextEdit *newEdit)
{
    if (reattach(this, edit, newEdit))
        connect(edit, &DuiTextEdit::beginInsertFromMimeData, this, &DropImageFileExtern::onBeginInsertFromMimeData);
}

DuiTextEdit *DropImageFileExtern::textEdit() const
{
    return edit;
}

bool DropImageFileExtern::isImageFile(const QString &path) const
{
    const QString three = path.right(3).toLower();
    return three == QLatin1String("png") || three == QLatin1String("jpg") || three == QLatin1String("bmp")
        || three == QLatin1String("gif") || path.right(4).toLower() == QLatin1String("jpeg");
}

bool DropImageFileExtern::pasteImage(const QMimeData *data)
{
    if (!edit || !data)
        return false;
    // Check the declared size of the encoded image before Qt decodes it.
    for (const QString &format : data->formats()) {
        if (format.startsWith(QLatin1String("image/")) && !duiTextImageSizeAllowed(data->data(format)))
            return false;
    }
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull() || qint64(image.width()) * image.height() > kMaxTextImagePixels)
        return false;
    DuiTextCursor cursor = edit->textCursor();
    cursor.insertImage(image, QString());
    edit->setTextCursor(cursor);
    return true;
}

void DropImageFileExtern::onBeginInsertFromMimeData(const QMimeData *data, bool &isHandled)
{
    if (isHandled || !edit || !data)
        return;
    if (data->hasUrls()) {
        DuiTextCursor cursor = edit->textCursor();
        bool inserted = false;
        for (const QUrl &url : data->urls()) {
            const QString path = url.toLocalFile();
            if (path.isEmpty() || !isImageFile(path) || duiLoadTextImage(path).isNull())
                continue;
            QTextImageFormat format;
            format.setFont(edit->charFormat().font());
            format.setName(path);
            cursor.insertImage(format, path);
            inserted = true;
        }
        if (inserted) {
            edit->setTextCursor(cursor);
            isHandled = true;
        }
    } else if (data->hasImage()) {
        isHandled = pasteImage(data);
    }
}
