// SPDX-License-Identifier: MIT
// A conversation window with one contact, built from layout/conversation.xml: the history, the
// input, the emoticon picker and the contact's status line scrolling in its banner. The "other
// side" is a local echo that answers each message after a short delay.
#ifndef MESSENGER_CONVERSATION_H
#define MESSENGER_CONVERSATION_H

#include "contacts.h"

#include <QtCore/qlist.h>
#include <QtCore/qobject.h>
#include <QtCore/qpointer.h>
#include <QtGui/qimage.h>

class DuiFrameWindow;
class DuiTextEdit;
class QTextDocument;

// One piece of a message: a run of text, or a picture (an animated GIF named by its file, or a
// still image carried along).
struct MessagePart
{
    QString text;
    QString gifPath;
    QImage still;
};
using Message = QList<MessagePart>;

namespace messages {
// The message the document holds, piece by piece; GIFs the editor animates keep their file.
Message fromDocument(const QTextDocument *document);
// One line for the trace: the text, and "[gif:NAME]" or "[image]" for pictures.
QString summary(const Message &message);
bool isEmpty(const Message &message);
} // namespace messages

class Conversation : public QObject
{
    Q_OBJECT
public:
    // How long the other side takes to answer.
    static constexpr int EchoDelayMs = 600;

    explicit Conversation(const Contact &contact, QObject *parent = nullptr);
    ~Conversation() override;

    DuiFrameWindow *window() const;
    QString contactId() const;
    // Shows the window (at `position` the first time, when given) and brings it to the front.
    void present(const QPoint &position = QPoint());
    // Appends a message to the history as if it had been written ("You") or received.
    void appendMessage(const Message &message, bool mine);
    // Inserts an emoticon at the input's cursor.
    void insertEmoticon(const QString &name);

    static QString emoticonPath(const QString &name);
    static QStringList emoticonNames();

public Q_SLOTS:
    void on_sendButton_clicked();
    void on_inputEdit_returnPressed();
    void on_gifButton_clicked();
    void on_closeButton_clicked();

private:
    void send();
    void reportGeometry();
    void openLink(const QString &url);

    Contact m_contact;
    DuiFrameWindow *m_window = nullptr;
    DuiTextEdit *m_history = nullptr;
    DuiTextEdit *m_input = nullptr;
    QPointer<DuiFrameWindow> m_picker;
    int m_imageCount = 0;
};

#endif // MESSENGER_CONVERSATION_H
