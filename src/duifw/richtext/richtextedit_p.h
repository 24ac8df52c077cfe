// SPDX-License-Identifier: MIT
#ifndef RICHTEXTEDIT_P_H
#define RICHTEXTEDIT_P_H

#include "duitexteditcopypastehandler.h"
#include "duitextintellisenseinput.h"
#include "gifpool_p.h"

#include <QtCore/qobject.h>
#include <QtCore/qpointer.h>
#include <QtGui/qtextcursor.h>
#include <QtGui/qtextformat.h>
#include <QtWidgets/qtextbrowser.h>

class DuiTextEdit;

// The MIME type of the editor's private clipboard records, the stream version they are written
// with (other programs read and write them: the layout must not follow Qt's default), and the
// largest payload read back.
inline const QString kTextEditMimeType = QStringLiteral("MIME/TextEdit");
constexpr int kTextEditStreamVersion = QDataStream::Qt_4_6;
constexpr qsizetype kMaxTextEditMimeBytes = 64 * 1024 * 1024;

// The last link of every input chain: inserts the text as it is.
class DefaultIntellisenseInput : public DuiTextAbstractIntellisenseInput
{
public:
    void onSingleCharChange(bool &) override {}
    void insertText(const QString &text, QTextCursor &cursor, const QTextCharFormat &format) override;
    void onContentsChange(int, int, int) override {}
    QString objectText(int, bool &) override { return QString(); }
};

// The last link of every copy and paste chain: plain text, HTML text and the "[Text]" record.
class DUI_AUTOTEST_EXPORT ZKTextCopyPasteHandler : public QObject, public DuiTextEditCopyPasteHandler
{
    Q_OBJECT
public:
    explicit ZKTextCopyPasteHandler(DuiTextEdit *edit);

    // Drops U+FDD0 and object replacement characters, and writes U+FDD1, U+200B and paragraph
    // separators as `replacement`.
    static QString _replaceNewLine(QString text, const QString &replacement);

    void beginCopyToHtml(int position, const QString &text, QString &html) override;
    void beginCopyData(QMimeData *data) override;
    void beginCopyData(int position, const QString &text, QDataStream &stream) override;
    void beginPasteData(const QMimeData *data) override;
    void beginPasteData(const QString &key, DuiTextCursor &cursor, QDataStream &stream) override;
    bool canPasteData(const QMimeData *data) override;
    bool canPasteData(const QString &key) override;
};

// The editing widget inside DuiTextEdit. Its mouse and key handlers only report the events; the
// text edit's hooks decide and call the base* functions for QTextBrowser's own behaviour.
class DUI_AUTOTEST_EXPORT RichTextEdit : public QTextBrowser
{
    Q_OBJECT
public:
    explicit RichTextEdit(DuiTextEdit *owner);
    ~RichTextEdit() override;

    DuiTextEdit *owner() const { return m_owner; }
    GifPool *gifPool() { return &m_gifPool; }

    void baseMousePressEvent(QMouseEvent *event) { QTextBrowser::mousePressEvent(event); }
    void baseMouseReleaseEvent(QMouseEvent *event);
    void baseMouseMoveEvent(QMouseEvent *event) { QTextBrowser::mouseMoveEvent(event); }
    void baseMouseDoubleClickEvent(QMouseEvent *event) { QTextBrowser::mouseDoubleClickEvent(event); }
    void baseKeyPressEvent(QKeyEvent *event) { QTextBrowser::keyPressEvent(event); }

    int exactPositionFromPoint(const QPoint &point) const;
    // Cuts `addText` to what the length limit leaves when it replaces the current selection;
    // true when it was cut. Never splits a surrogate pair.
    bool on_edit_aboutToInsertText(QString &addText, QTextCharFormat format);
    // Inserts at `cursor` as much of `text` as the length limit lets in.
    void insertLimited(QTextCursor &cursor, const QString &text, const QTextCharFormat &format);

    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QVariant loadResource(int type, const QUrl &name) override;

    // Kept by the text edit; see DuiTextEdit.
    int maxLength = -1;
    QTextCharFormat defaultCharFormat;
    bool enterInsertsNewline = true;
    bool selectionOnPress = false;
    bool inputsBusy = false;
    bool inputHandled = false;
    bool acceptEnter = true;
    DefaultIntellisenseInput defaultInput;
    QList<DuiTextAbstractIntellisenseInput *> inputs;
    DuiTextEditCopyPasteHandler *firstHandler = nullptr;
    QList<DuiTextEditCopyPasteHandler *> handlers;
    QPoint lastPressPos;
    QPoint lastLeftPressPos;
    QTextCursor pressCursor;

Q_SIGNALS:
    void returnPressed();
    void contextMenu(QContextMenuEvent *event);
    void clickedLink(const QString &linkKey, const QString &linkValue);
    void htmlLinkClicked(const QString &url);
    void keyPress(QKeyEvent *event);
    void mousePress(QMouseEvent *event);
    void mouseRelease(QMouseEvent *event);
    void mouseDoubleClick(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);

public:
    void on_edit_contentsChanged();
    void on_edit_contentsChange(int position, int charsRemoved, int charsAdded);
    void on_updateGifImage(const QList<GifUpdateData> &updateList);
    void on_delayDeleteGif();
    // Where the images named `name` are drawn, in viewport coordinates.
    QList<QRect> imageRects(const QString &name);
    bool isRecountPending() const { return m_gifCleanupTimer.isActive(); }
    void on_link_clicked(const QUrl &url);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QTextCharFormat activatedLinkFormat() const;
    void pasteRecords(const QMimeData *source);

    DuiTextEdit *m_owner;
    GifPool m_gifPool;
    QTimer m_gifCleanupTimer;
    // Document positions of the images by name, rebuilt after the text changed.
    QHash<QString, QList<int>> m_imagePositions;
    bool m_imagePositionsDirty = true;
    // Set while QTextBrowser handles a release, so that a link it activates is read from there.
    QPoint m_releasePos;
    bool m_inRelease = false;
};

#endif // RICHTEXTEDIT_P_H
