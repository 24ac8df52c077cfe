// SPDX-License-Identifier: MIT
#ifndef DUIACCESSIBLETEXT_P_H
#define DUIACCESSIBLETEXT_P_H

#include "duiaccessiblewidget_p.h"

class QLineEdit;
class QTextEdit;

// The line edit and the text edit: editable text whose caret, selection and characters a screen
// reader reads and changes. Both hold a native editor in a proxy; the subclasses speak to it
// and this class maps its coordinates to the screen.
class DuiAccessibleText : public DuiAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit DuiAccessibleText(QGraphicsWidget *widget);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

protected:
    // The text as the editor shows it (masked for passwords), offsets as the editor counts them.
    virtual QString editorText() const = 0;
    virtual bool isReadOnly() const = 0;
    virtual bool isPassword() const;
    virtual bool isMultiLine() const = 0;
    virtual QString placeholder() const = 0;
    virtual int caret() const = 0;
    virtual void setCaret(int position) = 0;
    virtual void selectedRange(int *start, int *end) const = 0;
    virtual void select(int start, int end) = 0;
    // Character geometry in the coordinates of `surface()`.
    virtual QWidget *surface() const = 0;
    virtual QRect characterBox(int offset) const = 0;
    virtual int offsetAt(const QPoint &surfacePoint) const = 0;
    virtual void replace(int start, int end, const QString &text) = 0;

    // The editor's text and caret changes, reported as the control's.
    static void notifyTextChanged(QObject *control, QString *last);
    static void notifyCaretMoved(QObject *control, int position);
};

class DuiAccessibleLineEdit : public DuiAccessibleText
{
public:
    explicit DuiAccessibleLineEdit(QGraphicsWidget *widget);

protected:
    QString editorText() const override;
    bool isReadOnly() const override;
    bool isPassword() const override;
    bool isMultiLine() const override;
    QString placeholder() const override;
    int caret() const override;
    void setCaret(int position) override;
    void selectedRange(int *start, int *end) const override;
    void select(int start, int end) override;
    QWidget *surface() const override;
    QRect characterBox(int offset) const override;
    int offsetAt(const QPoint &surfacePoint) const override;
    void replace(int start, int end, const QString &text) override;

private:
    QLineEdit *edit() const;
};

class DuiAccessibleTextEdit : public DuiAccessibleText
{
public:
    explicit DuiAccessibleTextEdit(QGraphicsWidget *widget);

protected:
    QString editorText() const override;
    bool isReadOnly() const override;
    bool isMultiLine() const override;
    QString placeholder() const override;
    int caret() const override;
    void setCaret(int position) override;
    void selectedRange(int *start, int *end) const override;
    void select(int start, int end) override;
    QWidget *surface() const override;
    QRect characterBox(int offset) const override;
    int offsetAt(const QPoint &surfacePoint) const override;
    void replace(int start, int end, const QString &text) override;

private:
    QTextEdit *edit() const;
};

#endif // DUIACCESSIBLETEXT_P_H
