// SPDX-License-Identifier: MIT
#ifndef DUILINEEDIT_H
#define DUILINEEDIT_H

#include "duiwidget.h"

#include <QtWidgets/qlineedit.h>

class DuiLineEditPrivate;
class QCompleter;

// Single-line text input: a QLineEdit hosted in the scene through a proxy widget, drawn over a
// skinned frame. Almost every call is passed to the embedded editor.
class DUI_EXPORT DuiLineEdit : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QString placeholderText READ placeholderText WRITE setPlaceholderText)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(QString validator READ validator WRITE setValidator)
    Q_PROPERTY(bool focus READ focus WRITE setFocus)
    Q_PROPERTY(QString styleSheet READ styleSheet WRITE setStyleSheet)
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(QString frameImage READ frameImage WRITE setFrameImage)

public:
    explicit DuiLineEdit(QGraphicsItem *parent = nullptr);
    ~DuiLineEdit() override;

    QString text() const;
    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment alignment) override;
    QCompleter *completer() const;
    void setCompleter(QCompleter *completer);
    QMargins textMargins() const;
    void getTextMargins(int *left, int *top, int *right, int *bottom) const;
    void setTextMargins(int left, int top, int right, int bottom);
    void setTextMargins(const QMargins &margins);
    QLineEdit::EchoMode echoMode() const;
    void setEchoMode(QLineEdit::EchoMode mode);
    void backspace();
    void del();
    void insert(const QString &text);
    void cursorBackward(bool mark, int steps = 1);
    void cursorForward(bool mark, int steps = 1);
    void cursorWordBackward(bool mark);
    void cursorWordForward(bool mark);
    int cursorPosition() const;
    void setCursorPosition(int position);
    int cursorPositionAt(const QPoint &pos);
    void deselect();
    QString displayText() const;
    bool dragEnabled() const;
    void setDragEnabled(bool enabled);
    Q_INVOKABLE void end(bool mark);
    Q_INVOKABLE void home(bool mark);
    bool hasAcceptableInput() const;
    bool hasFrame() const;
    bool hasSelectedText() const;
    QString selectedText() const;
    int selectionStart() const;
    void setSelection(int start, int length);
    QString inputMask() const;
    void setInputMask(const QString &mask);
    bool isModified() const;
    void setModified(bool modified);
    bool isRedoAvailable() const;
    bool isUndoAvailable() const;
    int maxLength() const;
    void setMaxLength(int length);
    QString placeholderText() const;
    void setPlaceholderText(const QString &text);
    bool isReadOnly() const;
    void setReadOnly(bool readOnly);
    QString styleSheet() const;
    void setStyleSheet(const QString &styleSheet);
    void installEventFilter(QObject *filter);
    void removeEventFilter(QObject *filter);

    // The look of a field that cannot be edited: light grey, disabled skin, no tint.
    void setDisableStatus(bool disabled);
    // A regular expression the text must match as a whole; empty removes the restriction.
    void setValidator(const QString &pattern);
    QString validator() const;
    void setFrame(bool frame);
    void setFrameImage(const QString &path);
    QString frameImage() const;
    bool focus() const;
    // Gives the editor the keyboard focus, whatever the argument.
    void setFocus(bool focus = true);

    void setBackgroundColor(QColor color) override;
    void setColorizePolicy(ColorizeWidgetFlag policy) override;

    // The embedded editor, for what the forwarding calls do not cover.
    QLineEdit *lineEdit() const;

public Q_SLOTS:
    void clear();
    void copy();
    void cut();
    void paste();
    void redo();
    void selectAll();
    void setText(const QString &text);
    void undo();
    void on_inputCutAction_triggered(bool checked);
    void on_inputCopyAction_triggered(bool checked);
    void on_inputPasteAction_triggered(bool checked);
    void on_inputSelectAll_triggered(bool checked);

Q_SIGNALS:
    void editingFinished();
    void returnPressed();
    void textEdited(const QString &text);
    void textChanged(const QString &text);
    void invalidateText(const QString &text);
    void focusOut();
    void focusIn();
    void menuAboutToShow();
    void menuAboutToHide();
    void leftButtonClicked();

protected:
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent *event) override;

private:
    void init();

    Q_DISABLE_COPY(DuiLineEdit)
    Q_DECLARE_PRIVATE(DuiLineEdit)
    DUI_DECLARE_WIDGET_CREATOR(DuiLineEdit)
};

#endif // DUILINEEDIT_H
