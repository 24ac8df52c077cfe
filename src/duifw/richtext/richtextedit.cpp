// SPDX-License-Identifier: MIT
#include "richtextedit_p.h"

#include "duilogging_p.h"
#include "duitextcursor.h"
#include "duitextedit.h"
#include "duitextresource_p.h"
#include "duiwinapi.h"
#include "mxutility.h"

#include <QtCore/qdir.h>
#include <QtCore/qmimedata.h>
#include <QtGui/qabstracttextdocumentlayout.h>
#include <QtGui/qevent.h>
#include <QtGui/qregion.h>
#include <QtGui/qtextdocument.h>
#include <QtGui/qtextlayout.h>
#include <QtGui/qtextobject.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qscrollbar.h>

namespace {

const QString kTextKey = QStringLiteral("[Text]");
const QString kTextEndKey = QStringLiteral("[/Text]");
const QString kOpenFileKey = QStringLiteral("DEFAULT_OPEN_FILE_KEY");
const QString kOpenFolderKey = QStringLiteral("DEFAULT_OPEN_FOLDER_AND_SELECT_FILE_KEY");

RichTextEdit *richOf(const DuiTextEditCopyPasteHandler *handler)
{
    return handler->textEdit() ? static_cast<RichTextEdit *>(handler->textEdit()->realWidget()) : nullptr;
}

// Cuts `text` to `room` code units without splitting a surrogate pair; true when it cut.
bool cutToRoom(QString &text, qsizetype room)
{
    if (room >= text.size())
        return false;
    if (room <= 0) {
        text.clear();
        return true;
    }
    if (text.at(room - 1).isHighSurrogate())
        --room;
    text.truncate(room);
    return true;
}

} // namespace

void DefaultIntellisenseInput::insertText(const QString &text, QTextCursor &cursor, const QTextCharFormat &format)
{
    cursor.insertText(text, format);
}

ZKTextCopyPasteHandler::ZKTextCopyPasteHandler(DuiTextEdit *edit)
    : QObject(edit)
    , DuiTextEditCopyPasteHandler(edit)
{
}

QString ZKTextCopyPasteHandler::_replaceNewLine(QString text, const QString &replacement)
{
    text.remove(QChar(0xFDD0));
    text.remove(QChar(QChar::ObjectReplacementCharacter));
    text.replace(QChar(0xFDD1), replacement);
    text.replace(QChar(0x200B), replacement);
    text.replace(QChar(QChar::ParagraphSeparator), replacement);
    return text;
}

// The text is escaped line by line: "a<b" must reach the other program as text, not markup.
void ZKTextCopyPasteHandler::beginCopyToHtml(int, const QString &text, QString &html)
{
    const QStringList lines = _replaceNewLine(text, QString(QChar::ParagraphSeparator)).split(QChar::ParagraphSeparator);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i)
            html += QLatin1String("<br />");
        html += lines.at(i).toHtmlEscaped();
    }
}

void ZKTextCopyPasteHandler::beginCopyData(QMimeData *data)
{
    if (RichTextEdit *rich = richOf(this))
        data->setText(_replaceNewLine(rich->textCursor().selectedText(), QStringLiteral("\n")));
    DuiTextEditCopyPasteHandler::beginCopyData(data);
}

void ZKTextCopyPasteHandler::beginCopyData(int position, const QString &text, QDataStream &stream)
{
    const QString plain = _replaceNewLine(text, QStringLiteral("\n"));
    if (!plain.isEmpty())
        stream << kTextKey << plain << kTextEndKey;
    DuiTextEditCopyPasteHandler::beginCopyData(position, text, stream);
}

void ZKTextCopyPasteHandler::beginPasteData(const QMimeData *data)
{
    RichTextEdit *rich = richOf(this);
    if (rich && !rich->isReadOnly() && data->hasText()) {
        QTextCursor cursor = rich->textCursor();
        rich->insertLimited(cursor, data->text(), rich->defaultCharFormat);
        rich->setTextCursor(cursor);
    }
    DuiTextEditCopyPasteHandler::beginPasteData(data);
}

void ZKTextCopyPasteHandler::beginPasteData(const QString &key, DuiTextCursor &cursor, QDataStream &stream)
{
    if (key != kTextKey) {
        DuiTextEditCopyPasteHandler::beginPasteData(key, cursor, stream);
        return;
    }
    // The record is read whole even when nothing is inserted, so that the next key is a key.
    QString text;
    QString end;
    stream >> text >> end;
    RichTextEdit *rich = richOf(this);
    if (stream.status() != QDataStream::Ok || end != kTextEndKey || text.isEmpty() || !rich || rich->isReadOnly())
        return;
    rich->insertLimited(cursor, text, rich->defaultCharFormat);
}

bool ZKTextCopyPasteHandler::canPasteData(const QMimeData *data)
{
    RichTextEdit *rich = richOf(this);
    if (rich && !rich->isReadOnly() && data->hasText())
        return true;
    return nextChain() && nextChain()->canPasteData(data);
}

bool ZKTextCopyPasteHandler::canPasteData(const QString &key)
{
    RichTextEdit *rich = richOf(this);
    if (rich && !rich->isReadOnly() && key == kTextKey)
        return true;
    return nextChain() && nextChain()->canPasteData(key);
}

RichTextEdit::RichTextEdit(DuiTextEdit *owner)
    : m_owner(owner)
{
    setWordWrapMode(QTextOption::WrapAnywhere);
    // Links are the application's business: nothing is opened from here.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::LinksAccessibleByMouse
                            | Qt::LinksAccessibleByKeyboard | Qt::TextEditable);
    verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptRichText(false);

    m_gifCleanupTimer.setSingleShot(true);
    m_gifCleanupTimer.setInterval(1000);
    connect(&m_gifPool, &GifPool::updateGifImage, this, &RichTextEdit::on_updateGifImage);
    connect(this, &QTextBrowser::anchorClicked, this, &RichTextEdit::on_link_clicked);
    connect(&m_gifCleanupTimer, &QTimer::timeout, this, &RichTextEdit::on_delayDeleteGif);
    connect(document(), &QTextDocument::contentsChange, this, &RichTextEdit::on_edit_contentsChange);
    connect(document(), &QTextDocument::contentsChanged, this, &RichTextEdit::on_edit_contentsChanged);

    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    document()->setDefaultTextOption(option);
}

RichTextEdit::~RichTextEdit()
{
    disconnect(document(), nullptr, this, nullptr);
}

void RichTextEdit::baseMouseReleaseEvent(QMouseEvent *event)
{
    m_inRelease = true;
    m_releasePos = event->position().toPoint();
    QTextBrowser::mouseReleaseEvent(event);
    m_inRelease = false;
}

int RichTextEdit::exactPositionFromPoint(const QPoint &point) const
{
    const QPoint contents = point + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int hit = document()->documentLayout()->hitTest(contents, Qt::ExactHit);
    return hit < 0 ? -1 : hit + 1;
}

bool RichTextEdit::on_edit_aboutToInsertText(QString &addText, QTextCharFormat)
{
    if (maxLength == -1)
        return false;
    const QTextCursor cursor = textCursor();
    const int length = document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    return cutToRoom(addText, maxLength - length);
}

void RichTextEdit::insertLimited(QTextCursor &cursor, const QString &text, const QTextCharFormat &format)
{
    QString cut = text;
    if (maxLength != -1) {
        const int length = document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
        cutToRoom(cut, maxLength - length);
    }
    if (cut.isEmpty())
        return;
    if (format.isValid())
        cursor.insertText(cut, format);
    else
        cursor.insertText(cut);
}

QMimeData *RichTextEdit::createMimeDataFromSelection() const
{
    auto *mime = new QMimeData;
    Q_EMIT m_owner->beginCreateMimeDataFromSelection(mime);
    if (handlers.isEmpty())
        return mime;
    DuiTextEditCopyPasteHandler *head = handlers.first();
    const QTextCursor cursor = textCursor();
    const QString text = cursor.selectedText();
    const int position = cursor.selectionStart() + 1;
    head->beginCopyData(mime);
    QString html;
    head->beginCopyToHtml(position, text, html);
    QByteArray records;
    {
        QDataStream stream(&records, QIODevice::WriteOnly);
        stream.setVersion(kTextEditStreamVersion);
        head->beginCopyData(position, text, stream);
    }
    mime->setHtml(html);
    mime->setData(kTextEditMimeType, records);
    return mime;
}

bool RichTextEdit::canInsertFromMimeData(const QMimeData *source) const
{
    if (handlers.isEmpty() || !source)
        return false;
    // Files and images are offered to the extensions attached through beginInsertFromMimeData.
    if (!isReadOnly() && (source->hasUrls() || source->hasImage()))
        return true;
    DuiTextEditCopyPasteHandler *head = handlers.first();
    if (!source->hasFormat(kTextEditMimeType))
        return head->canPasteData(source);
    const QByteArray records = source->data(kTextEditMimeType);
    if (records.size() <= kMaxTextEditMimeBytes) {
        QDataStream stream(records);
        stream.setVersion(kTextEditStreamVersion);
        while (!stream.atEnd()) {
            QString key;
            QString value;
            stream >> key >> value;
            if (stream.status() != QDataStream::Ok)
                break;
            if (head->canPasteData(key))
                return true;
        }
    }
    return head->canPasteData(source);
}

void RichTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || isReadOnly())
        return;
    bool handled = false;
    Q_EMIT m_owner->beginInsertFromMimeData(source, handled);
    if (!handled && !handlers.isEmpty()) {
        // One paste, one undo step, however many records it held.
        QTextCursor block = textCursor();
        block.beginEditBlock();
        if (source->hasFormat(kTextEditMimeType))
            pasteRecords(source);
        else
            handlers.first()->beginPasteData(source);
        block.endEditBlock();
    }
    ensureCursorVisible();
    if (QGraphicsScene *scene = m_owner->scene()) {
        const QList<QGraphicsView *> views = scene->views();
        if (!views.isEmpty())
            views.first()->window()->activateWindow();
    }
}

// Records are read while each one is consumed whole by some handler. A bad stream (odd byte
// count, a length beyond the data, a missing end) or a key nobody reads ends the walk: whatever
// follows could only be read from inside a record. When no record was read, the plain text the
// clipboard also carries is pasted instead.
void RichTextEdit::pasteRecords(const QMimeData *source)
{
    DuiTextEditCopyPasteHandler *head = handlers.first();
    const QByteArray records = source->data(kTextEditMimeType);
    bool pasted = false;
    if (records.size() > kMaxTextEditMimeBytes) {
        qCWarning(lcDuiControls) << "clipboard records of" << records.size() << "bytes ignored";
    } else {
        QDataStream stream(records);
        stream.setVersion(kTextEditStreamVersion);
        DuiTextCursor cursor(this, textCursor());
        while (!stream.atEnd()) {
            QString key;
            stream >> key;
            if (stream.status() != QDataStream::Ok)
                break;
            const qint64 before = stream.device()->pos();
            head->beginPasteData(key, cursor, stream);
            if (stream.status() != QDataStream::Ok || stream.device()->pos() == before)
                break;
            pasted = true;
        }
        if (pasted)
            setTextCursor(cursor);
    }
    if (!pasted)
        head->beginPasteData(source);
}

QVariant RichTextEdit::loadResource(int type, const QUrl &name)
{
    return duiTextDocumentResource(type, name);
}

void RichTextEdit::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mousePress(event);
}

void RichTextEdit::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT mouseRelease(event);
}

void RichTextEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_EMIT mouseDoubleClick(event);
}

void RichTextEdit::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMove(event);
}

void RichTextEdit::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT keyPress(event);
}

void RichTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    Q_EMIT contextMenu(event);
}

void RichTextEdit::wheelEvent(QWheelEvent *event)
{
    // Ctrl+wheel would zoom the text.
    if (event->modifiers() == Qt::ControlModifier) {
        event->accept();
        return;
    }
    QTextBrowser::wheelEvent(event);
}

void RichTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    QString commit = event->commitString();
    if (commit.isEmpty() || !on_edit_aboutToInsertText(commit, QTextCharFormat())) {
        QTextBrowser::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent limited(event->preeditString(), event->attributes());
    limited.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QTextBrowser::inputMethodEvent(&limited);
    event->setAccepted(limited.isAccepted());
}

bool RichTextEdit::focusNextPrevChild(bool next)
{
    return isEnabled() && QTextBrowser::focusNextPrevChild(next);
}

void RichTextEdit::resizeEvent(QResizeEvent *event)
{
    QScrollBar *bar = verticalScrollBar();
    const bool atBottom = bar->maximum() > 0 && bar->value() == bar->maximum();
    QTextBrowser::resizeEvent(event);
    if (atBottom)
        bar->setValue(bar->maximum());
}

void RichTextEdit::on_edit_contentsChanged()
{
    // Setting the format of an empty document changes it again.
    static bool restoring = false;
    if (restoring || !defaultCharFormat.isValid() || !document()->isEmpty())
        return;
    restoring = true;
    setCurrentCharFormat(defaultCharFormat);
    restoring = false;
}

void RichTextEdit::on_edit_contentsChange(int position, int charsRemoved, int charsAdded)
{
    m_imagePositionsDirty = true;
    // Each removal puts the recount off again; it runs once, a second after the last one.
    if (charsRemoved > 0 && m_gifPool.count() > 0)
        m_gifCleanupTimer.start();
    if (isReadOnly() || inputsBusy || inputs.isEmpty() || document()->isEmpty())
        return;
    inputHandled = false;
    inputsBusy = true;
    const bool single = charsAdded == 1 || (charsAdded == 0 && charsRemoved == 1);
    for (DuiTextAbstractIntellisenseInput *input : std::as_const(inputs)) {
        if (single) {
            input->onSingleCharChange(inputHandled);
            if (inputHandled)
                break;
        } else {
            input->onContentsChange(position, charsAdded, charsRemoved);
        }
    }
    inputsBusy = false;
}

// New frames replace the resources; the layout keeps the images' places, so only the places of
// the changed images are repainted.
void RichTextEdit::on_updateGifImage(const QList<GifUpdateData> &updateList)
{
    const QRect visible = viewport()->rect();
    QRegion dirty;
    for (const GifUpdateData &update : updateList) {
        document()->addResource(QTextDocument::ImageResource, QUrl(update.name), update.pixmap);
        for (const QRect &rect : imageRects(update.name)) {
            if (rect.intersects(visible))
                dirty += rect;
        }
    }
    if (!dirty.isEmpty())
        viewport()->update(dirty);
}

QList<QRect> RichTextEdit::imageRects(const QString &name)
{
    QTextDocument *doc = document();
    if (m_imagePositionsDirty) {
        m_imagePositions.clear();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QTextCharFormat format = fragment.charFormat();
                if (!format.isImageFormat())
                    continue;
                QList<int> &positions = m_imagePositions[format.toImageFormat().name()];
                for (int i = 0; i < fragment.length(); ++i)
                    positions.append(fragment.position() + i);
            }
        }
        m_imagePositionsDirty = false;
    }
    QList<QRect> rects;
    const auto found = m_imagePositions.constFind(name);
    if (found == m_imagePositions.cend())
        return rects;
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    for (int position : found.value()) {
        const QTextBlock block = doc->findBlock(position);
        const QTextLayout *textLayout = block.layout();
        if (!textLayout)
            continue;
        const int offset = position - block.position();
        const QTextLine line = textLayout->lineForTextPosition(offset);
        if (!line.isValid())
            continue;
        const QPointF origin = layout->blockBoundingRect(block).topLeft();
        const qreal x = line.cursorToX(offset);
        const qreal next = line.cursorToX(offset + 1);
        const QRectF rect(origin.x() + qMin(x, next), origin.y() + line.y(), qAbs(next - x), line.height());
        rects.append(rect.toAlignedRect().adjusted(-1, -1, 1, 1).translated(-scroll));
    }
    return rects;
}

void RichTextEdit::on_delayDeleteGif()
{
    QHash<QString, int> counts;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            if (!name.isEmpty())
                counts[name] += int(fragment.text().count(QChar(QChar::ObjectReplacementCharacter)));
        }
    }
    m_gifPool.updateGifPool(counts);
}

QTextCharFormat RichTextEdit::activatedLinkFormat() const
{
    QList<int> candidates;
    if (m_inRelease) {
        candidates << exactPositionFromPoint(m_releasePos) << cursorForPosition(m_releasePos).position()
                   << cursorForPosition(m_releasePos).position() + 1;
    } else {
        // Keyboard activation: the link is the selection.
        const QTextCursor cursor = textCursor();
        candidates << cursor.selectionEnd() << cursor.selectionStart() + 1;
    }
    const int end = document()->characterCount() - 1;
    for (int position : std::as_const(candidates)) {
        if (position < 1 || position > end)
            continue;
        QTextCursor at(document());
        at.setPosition(position);
        const QTextCharFormat format = at.charFormat();
        if (format.isAnchor())
            return format;
    }
    return QTextCharFormat();
}

void RichTextEdit::on_link_clicked(const QUrl &url)
{
    QString key = url.toString();
    if (key.endsWith(QLatin1Char(':')))
        key += QLatin1String("//");
    const QTextCharFormat format = activatedLinkFormat();
    if (!format.isAnchor())
        return;
    if (!format.hasProperty(DuiTextCursor::LinkValueProperty)) {
        Q_EMIT htmlLinkClicked(key);
        return;
    }
    const QString value = format.stringProperty(DuiTextCursor::LinkValueProperty);
    if (key == kOpenFileKey) {
        // A file name may hold "#", "?" or "%": it becomes a file URL as a whole.
        if (QDir::isAbsolutePath(value))
            MxUtility::openUrl(QUrl::fromLocalFile(value).toString(QUrl::FullyEncoded).toStdWString());
        else
            qCWarning(lcDuiControls) << "not opening a relative file link" << value;
    } else if (key == kOpenFolderKey) {
        DuiWinAPI::openFolderWithSelectFile(value);
    }
    Q_EMIT clickedLink(key, value);
}
