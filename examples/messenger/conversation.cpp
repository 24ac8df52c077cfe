// SPDX-License-Identifier: MIT
#include "conversation.h"

#include "trace.h"

#include <duiframewindow.h>
#include <duiimagewidget.h>
#include <duilabelwidget.h>
#include <duianimationwidget.h>
#include <duipushbutton.h>
#include <duiscrolltext.h>
#include <duitextcursor.h>
#include <duitextedit.h>
#include <duitexteditextern.h>
#include <duixmlui.h>

#include <QtCore/qcoreapplication.h>
#include <QtCore/qdatetime.h>
#include <QtCore/qdir.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qregularexpression.h>
#include <QtCore/qtimer.h>
#include <QtGui/qdesktopservices.h>
#include <QtGui/qtextdocument.h>
#include <QtGui/qtextobject.h>

namespace messages {

Message fromDocument(const QTextDocument *document)
{
    Message message;
    const auto addText = [&message](const QString &text) {
        if (message.isEmpty() || message.last().text.isNull())
            message.append(MessagePart{text, QString(), QImage()});
        else
            message.last().text += text;
    };
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin())
            addText(QStringLiteral("\n"));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isImageFormat()) {
                addText(fragment.text());
                continue;
            }
            const QString name = format.toImageFormat().name();
            MessagePart picture;
            const QFileInfo file(name);
            if (file.isAbsolute() && name.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive) && file.isFile()) {
                picture.gifPath = name;
            } else {
                const QVariant resource = document->resource(QTextDocument::ImageResource, QUrl(name));
                picture.still = resource.typeId() == QMetaType::QPixmap ? resource.value<QPixmap>().toImage()
                                                                        : resource.value<QImage>();
                if (picture.still.isNull())
                    continue;
            }
            // A run of the same picture is one fragment with one character per picture.
            for (int i = 0; i < fragment.length(); ++i)
                message.append(picture);
        }
    }
    // Leading and trailing blank lines are not part of what was said.
    while (!message.isEmpty() && !message.last().text.isNull() && message.last().text.trimmed().isEmpty())
        message.removeLast();
    if (!message.isEmpty() && !message.last().text.isNull()) {
        QString &text = message.last().text;
        while (!text.isEmpty() && text.back().isSpace())
            text.chop(1);
    }
    while (!message.isEmpty() && !message.first().text.isNull() && message.first().text.trimmed().isEmpty())
        message.removeFirst();
    return message;
}

QString summary(const Message &message)
{
    QString line;
    for (const MessagePart &part : message) {
        if (!part.text.isNull())
            line += part.text;
        else if (!part.gifPath.isEmpty())
            line += QStringLiteral("[gif:%1]").arg(QFileInfo(part.gifPath).completeBaseName());
        else
            line += QStringLiteral("[image]");
    }
    return line;
}

bool isEmpty(const Message &message)
{
    return message.isEmpty();
}

} // namespace messages

namespace {

const QRegularExpression &linkPattern()
{
    static const QRegularExpression pattern(QStringLiteral(R"(\bhttps?://[^\s<>"]+[^\s<>".,;:!?)\]])"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// Text with its web addresses turned into links.
void insertLinkedText(QTextCursor &cursor, const QString &text, const QTextCharFormat &format)
{
    QTextCharFormat link = format;
    link.setAnchor(true);
    link.setForeground(QColor(0x1F, 0x6F, 0xC5));
    link.setFontUnderline(true);
    qsizetype done = 0;
    for (auto it = linkPattern().globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        cursor.insertText(text.mid(done, match.capturedStart() - done), format);
        link.setAnchorHref(match.captured());
        cursor.insertText(match.captured(), link);
        done = match.capturedEnd();
    }
    cursor.insertText(text.mid(done), format);
}

} // namespace

Conversation::Conversation(const Contact &contact, QObject *parent)
    : QObject(parent)
    , m_contact(contact)
{
    m_window = DuiXmlUI::createFromFile(QStringLiteral("layout/conversation.xml"), nullptr);
    if (!m_window)
        return;
    // Frame windows delete themselves on closing; this one is kept (and deleted) by its owner.
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->setObjectName(QStringLiteral("conversation:") + contact.id);
    m_window->setTitle(contact.name);
    m_window->setWindowTitle(contact.name);
    m_history = m_window->findChild<DuiTextEdit *>(QStringLiteral("historyEdit"));
    m_input = m_window->findChild<DuiTextEdit *>(QStringLiteral("inputEdit"));
    if (auto *name = m_window->findChild<DuiLabelWidget *>(QStringLiteral("peerName")))
        name->setText(contact.name);
    if (auto *avatar = m_window->findChild<DuiImageWidget *>(QStringLiteral("peerAvatar")))
        avatar->setPixmap(contacts::avatar(contact.name, contact.colour, contact.presence, 42));
    if (auto *banner = m_window->findChild<DuiScrollText *>(QStringLiteral("statusBanner")))
        banner->setText(QStringLiteral("%1 · %2").arg(contacts::presenceText(contact.presence), contact.statusLine));

    if (m_history) {
        auto *copyGifs = new GifImageCopyPasteExtern(this);
        copyGifs->doConnect(m_history);
        connect(m_history, &DuiTextEdit::htmlLinkClicked, this, &Conversation::openLink);
    }
    if (m_input) {
        // Enter sends, Shift+Enter starts a new line.
        m_input->makeCtrlEnterAsEnter(false);
        m_input->setAcceptDrops(true);
        auto *pasteGifs = new GifImageCopyPasteExtern(this);
        pasteGifs->doConnect(m_input);
        auto *dropImages = new DropImageFileExtern(this);
        dropImages->doConnect(m_input);
    }
    DuiXmlUI::connectSignalSlotByName(m_window, this, true);
}

Conversation::~Conversation()
{
    delete m_window;
}

DuiFrameWindow *Conversation::window() const
{
    return m_window;
}

QString Conversation::contactId() const
{
    return m_contact.id;
}

QString Conversation::emoticonPath(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("emoticons/%1.gif").arg(name));
}

QStringList Conversation::emoticonNames()
{
    return {QStringLiteral("smile"), QStringLiteral("heart"), QStringLiteral("sun"), QStringLiteral("star")};
}

void Conversation::present(const QPoint &position)
{
    if (!m_window)
        return;
    const bool first = !m_window->isVisible();
    if (first && !position.isNull())
        m_window->move(position);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    if (m_input)
        m_input->setFocus();
    QTimer::singleShot(0, this, &Conversation::reportGeometry);
}

void Conversation::reportGeometry()
{
    if (!trace::enabled() || !m_window)
        return;
    const QString prefix = m_contact.id + QLatin1Char('.');
    trace::rect(prefix + QStringLiteral("window"), m_window->geometry());
    trace::item(prefix + QStringLiteral("history"), m_window, m_history);
    trace::item(prefix + QStringLiteral("input"), m_window, m_input);
    trace::item(prefix + QStringLiteral("gifButton"), m_window, m_window->findChild<DuiPushButton *>(QStringLiteral("gifButton")));
    trace::item(prefix + QStringLiteral("sendButton"), m_window, m_window->findChild<DuiPushButton *>(QStringLiteral("sendButton")));
    trace::say(QStringLiteral("shown conversation ") + m_contact.id);
}

void Conversation::on_sendButton_clicked()
{
    send();
}

void Conversation::on_inputEdit_returnPressed()
{
    send();
}

void Conversation::on_closeButton_clicked()
{
    if (m_picker)
        m_picker->hide();
    m_window->hide();
}

void Conversation::send()
{
    if (!m_input)
        return;
    const Message message = messages::fromDocument(m_input->document());
    if (messages::isEmpty(message))
        return;
    appendMessage(message, true);
    m_input->clear();
    trace::say(QStringLiteral("sent %1 %2").arg(m_contact.id, messages::summary(message)));
    QTimer::singleShot(EchoDelayMs, this, [this, message] {
        Message reply{MessagePart{QStringLiteral("Echo: "), QString(), QImage()}};
        if (!message.first().text.isNull())
            reply.first().text += message.first().text;
        else
            reply.append(message.first());
        reply += message.mid(1);
        appendMessage(reply, false);
        trace::say(QStringLiteral("received %1 %2").arg(m_contact.id, messages::summary(reply)));
    });
}

void Conversation::appendMessage(const Message &message, bool mine)
{
    if (!m_history)
        return;
    DuiTextCursor cursor = m_history->textCursor();
    cursor.movePosition(QTextCursor::End);
    QTextCursor &plain = cursor;

    QTextBlockFormat headerBlock;
    headerBlock.setTopMargin(m_history->document()->isEmpty() ? 0 : 10);
    QTextCharFormat who;
    who.setFontWeight(QFont::Bold);
    who.setForeground(mine ? QColor(0x2A, 0x7F, 0xD4) : m_contact.colour.darker(115));
    QTextCharFormat when;
    when.setForeground(QColor(0x98, 0xA0, 0xA8));
    if (m_history->document()->isEmpty())
        plain.setBlockFormat(headerBlock);
    else
        plain.insertBlock(headerBlock);
    plain.insertText(mine ? QStringLiteral("You") : m_contact.name.section(QLatin1Char(' '), 0, 0), who);
    plain.insertText(QStringLiteral("   ") + QTime::currentTime().toString(QStringLiteral("HH:mm")), when);

    QTextBlockFormat bodyBlock;
    bodyBlock.setLeftMargin(10);
    bodyBlock.setTopMargin(3);
    QTextCharFormat body;
    body.setForeground(QColor(0x26, 0x2E, 0x37));
    plain.insertBlock(bodyBlock, body);
    for (const MessagePart &part : message) {
        if (!part.text.isNull()) {
            const QStringList lines = part.text.split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i) {
                if (i > 0)
                    plain.insertBlock(bodyBlock, body);
                insertLinkedText(plain, lines.at(i), body);
            }
        } else if (!part.gifPath.isEmpty()) {
            QTextImageFormat gif;
            gif.setName(part.gifPath);
            gif.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            cursor.insertImage(gif, part.gifPath);
        } else {
            const QString name = QStringLiteral("message-image-%1").arg(++m_imageCount);
            m_history->document()->addResource(QTextDocument::ImageResource, QUrl(name), part.still);
            QTextImageFormat picture;
            picture.setName(name);
            constexpr int kMaxWidth = 240;
            if (part.still.width() > kMaxWidth) {
                picture.setWidth(kMaxWidth);
                picture.setHeight(qreal(part.still.height()) * kMaxWidth / part.still.width());
            }
            plain.insertImage(picture);
        }
    }
    m_history->scrollToEnd();
}

void Conversation::insertEmoticon(const QString &name)
{
    if (!m_input)
        return;
    DuiTextCursor cursor = m_input->textCursor();
    QTextImageFormat gif;
    gif.setName(emoticonPath(name));
    gif.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    cursor.insertImage(gif, gif.name());
    m_input->setTextCursor(cursor);
    m_input->setFocus();
    trace::say(QStringLiteral("inserted gif %1 %2").arg(m_contact.id, name));
}

void Conversation::on_gifButton_clicked()
{
    if (!m_window)
        return;
    if (!m_picker) {
        m_picker = DuiXmlUI::createFromFile(QStringLiteral("layout/picker.xml"), m_window);
        if (!m_picker)
            return;
        for (DuiImageWidget *cell : m_picker->findChildren<DuiImageWidget *>()) {
            if (!cell->objectName().startsWith(QLatin1String("pick")))
                continue;
            const QString name = cell->objectName().mid(4).toLower();
            connect(cell, &DuiImageWidget::clicked, this, [this, name] {
                m_picker->hide();
                insertEmoticon(name);
            });
        }
    }
    for (DuiAnimationWidget *animation : m_picker->findChildren<DuiAnimationWidget *>())
        animation->start();
    // Above the button, its left edge on the button's.
    auto *button = m_window->findChild<DuiPushButton *>(QStringLiteral("gifButton"));
    const QRect inView = button ? m_window->mapFromScene(button->sceneBoundingRect()).boundingRect() : QRect();
    const QPoint anchor = m_window->viewport()->mapToGlobal(inView.topLeft());
    m_picker->move(anchor.x(), anchor.y() - m_picker->height() - 4);
    m_picker->show();
    QTimer::singleShot(0, this, [this] {
        if (!m_picker || !trace::enabled())
            return;
        for (DuiImageWidget *cell : m_picker->findChildren<DuiImageWidget *>()) {
            if (cell->objectName().startsWith(QLatin1String("pick")))
                trace::item(QStringLiteral("gif:") + cell->objectName().mid(4).toLower(), m_picker, cell);
        }
        trace::say(QStringLiteral("shown picker"));
    });
}

void Conversation::openLink(const QString &url)
{
    // Only web pages: a message is someone else's text.
    const QUrl target(url);
    trace::say(QStringLiteral("link %1").arg(url));
    if (target.scheme() == QLatin1String("https") || target.scheme() == QLatin1String("http"))
        QDesktopServices::openUrl(target);
}
