// SPDX-License-Identifier: MIT
#ifndef DUITEXTEDIT_H
#define DUITEXTEDIT_H

#include "duitextcursor.h"
#include "duiwidget.h"

#include <QtGui/qtextoption.h>
#include <QtWidgets/qframe.h>

class DuiTextAbstractIntellisenseInput;
class DuiTextEditCopyPasteHandler;
class DuiTextEditPrivate;
class GifPool;
class QContextMenuEvent;
class QKeyEvent;
class QMimeData;
class QMouseEvent;
class QScrollBar;
class QTextDocument;

// Rich text input and display for chat-style use: a QTextBrowser hosted in the scene, with links
// that carry a key and a value, images and animated GIFs, a chain of copy and paste handlers with
// a private clipboard format, a chain of input filters, a placeholder, Enter / Ctrl+Enter
// handling, a maximum length, a skinned frame and a themed vertical scroll bar.
//
// Links never navigate: a link inserted with a key (DuiTextCursor::insertTextLink) reports
// linkClicked(key, value), any other link htmlLinkClicked(url) whatever its scheme; the
// application decides what to open. Two keys act on their own: DEFAULT_OPEN_FILE_KEY opens the
// absolute file path of its value and DEFAULT_OPEN_FOLDER_AND_SELECT_FILE_KEY shows it in the
// file manager.
class DUI_EXPORT DuiTextEdit : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(QString frameImage READ frameImage WRITE setFrameImage)
    Q_PROPERTY(ColorizeWidgetFlag frameImageColorizePolicy READ frameImageColorizePolicy WRITE setframeImageColorizePolicy)
    Q_PROPERTY(bool delayUpdate READ delayUpdate WRITE setDelayUpdate)
    Q_PROPERTY(QString placeholderText READ placeHolderText WRITE setPlaceholderText)
    Q_PROPERTY(QString html READ toHtml WRITE setText)

public:
    explicit DuiTextEdit(QGraphicsItem *parent = nullptr);
    ~DuiTextEdit() override;

    // Empty while nothing but the placeholder shows.
    QString toPlainText() const;
    // The text with each embedded object replaced by what the inputs say it stands for.
    QString toText() const;
    QString toHtml() const;
    // Rich text (HTML) or plain text, as QTextEdit::setText.
    void setText(const QString &text);
    void insertHtml(const QString &html);
    QTextDocument *document() const;

    DuiTextCursor textCursor() const;
    void setTextCursor(const QTextCursor &cursor);
    // The cursor just after the character under `point` (viewport coordinates), else the
    // nearest position.
    DuiTextCursor cursorForPosition(const QPoint &point) const;
    DuiTextCursor currentLinkCursor() const;
    // Document position just after the character exactly under `point`; -1 over no character.
    int exactPositionFromPoint(const QPoint &point) const;
    bool isLinkObject(const QPoint &point) const;

    bool isReadOnly() const;
    void setReadOnly(bool readOnly);
    void setCharFormat(const QTextCharFormat &format);
    QTextCharFormat charFormat() const;

    void setFont(const QFont &font);
    QFont font() const;
    QFont currentFont() const;
    void setCurrentFont(const QFont &font);
    void setTextColor(const QColor &color);
    QFontMetrics fontMetrics() const;
    void setWordWrapMode(QTextOption::WrapMode mode);
    void setFrameShape(QFrame::Shape shape);
    void setHorizontalScrollBarPolicy(Qt::ScrollBarPolicy policy);
    void setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy);
    void setStyleSheet(const QString &styleSheet);
    void setOverwriteMode(bool overwrite);
    bool overwriteMode() const;
    void setUndoRedoEnabled(bool enabled);
    void setTabChangesFocus(bool changes);
    void setAcceptDrops(bool accept);
    bool hasFocus() const;
    void setFocus();
    void setBackgroundColor(QColor color) override;

    void scrollToEnd();
    void scrollToTop();
    void scrollToLeft();
    int verticalSliderPosition() const;
    void setVerticalSliderPosition(int position);
    int horizontalSliderPostion() const;
    void setHorizontalSliderPostion(int position);
    QScrollBar *verticalScrollBar() const;
    QScrollBar *horizontalScrollBar() const;
    QWidget *realWidget() const;
    int horizontalOffset() const;
    int verticalOffset() const;
    QPointF mapToContents(const QPointF &point) const;

    // Grey text shown while the document is empty; it is not part of the document.
    void setPlaceholderText(const QString &text);
    QString placeHolderText() const;
    // Longest plain text, in UTF-16 code units; -1 for no limit. Typing, input-method commits,
    // paste and drop are cut to fit, never inside a surrogate pair.
    void setMaxLength(int length);
    int maxLength() const;
    // Whether Enter is handled at all; when not, it travels on to the parent.
    void setAcceptEnter(bool accept);
    // True (the default): Enter inserts a line break and Ctrl+Enter sends (returnPressed);
    // false swaps the two. Shift+Enter always breaks the line.
    void makeCtrlEnterAsEnter(bool enterInsertsNewline);
    void setDefaultContextMenuEnable(bool enable);
    void setAnimationEnabled(bool enable);
    GifPool *gifPool() const;

    // Adds a link to the input chain, run in order of addition. Null and inputs already in the
    // chain are refused (false).
    bool addIntellisenseInput(DuiTextAbstractIntellisenseInput *input);
    // Adds a handler before the default one, in order of addition. Null and handlers already in
    // the chain are refused (false).
    bool addCopyPasteHandler(DuiTextEditCopyPasteHandler *handler);

    // "normal" or "normal|disabled"; the disabled image shows while the editor is read-only.
    void setFrameImage(const QString &spec);
    QString frameImage() const;
    void setframeImageColorizePolicy(ColorizeWidgetFlag policy);
    ColorizeWidgetFlag frameImageColorizePolicy() const;
    // Resizes reach the editor 300 ms late (for edits inside animated layouts).
    void setDelayUpdate(bool delay);
    bool delayUpdate() const;
    // A style sheet file of one's own for the vertical scroll bar, in place of the theme's.
    void setVScrollBarStyleSheet(const QString &path);

public Q_SLOTS:
    void copy();
    void cut();
    void paste();
    void selectAll();
    // Empties the document and the pool of animated images.
    void clear();
    void on_inputCutAction_triggered(bool checked);
    void on_inputCopyAction_triggered(bool checked);
    void on_inputPasteAction_triggered(bool checked);
    void on_inputSelectAll_triggered(bool checked);

Q_SIGNALS:
    void linkClicked(const QString &linkKey, const QString &linkValue);
    // A link without a key, whatever its scheme: open only schemes you trust.
    void htmlLinkClicked(const QString &url);
    // Only while the built-in context menu is disabled.
    void contextMenu(QContextMenuEvent *event);
    void returnPressed();
    void textChanged();
    void currentCharFormatChanged(const QTextCharFormat &format);
    // While a selection becomes clipboard data, before the handler chain writes to `data`.
    void beginCreateMimeDataFromSelection(QMimeData *data);
    // Before clipboard or dropped data is inserted; a receiver that inserted it itself sets
    // `isHandled`, and the handler chain then leaves it alone.
    void beginInsertFromMimeData(const QMimeData *data, bool &isHandled);

protected:
    DuiTextEdit(DuiTextEditPrivate &dd, QGraphicsItem *parent);

    // The editor's events; the default versions give QTextBrowser's behaviour plus the text
    // edit's own (Enter, length limit, image selection on click, drags).
    virtual void textMousePressEvent(QMouseEvent *event);
    virtual void textMouseReleaseEvent(QMouseEvent *event);
    virtual void textMouseMoveEvent(QMouseEvent *event);
    virtual void textMouseDoubleClickEvent(QMouseEvent *event);
    virtual void textKeyPressEvent(QKeyEvent *event);

    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void doColorize(QRgb rgb) override;

private:
    void init();
    void on_mousePress(QMouseEvent *event);
    void on_mouseRelease(QMouseEvent *event);
    void on_mouseMove(QMouseEvent *event);
    void on_mouseDoubleClick(QMouseEvent *event);
    void on_keyPress(QKeyEvent *event);
    void on_contextMenu(QContextMenuEvent *event);
    void on_DelayUpdate();
    void _adjustNativeEditGeometry(const QRectF &rect);
    void _initVerScrollBarStyle();
    void _updateFrameState();

    Q_DISABLE_COPY(DuiTextEdit)
    Q_DECLARE_PRIVATE(DuiTextEdit)
    DUI_DECLARE_WIDGET_CREATOR(DuiTextEdit)
};

#endif // DUITEXTEDIT_H
