// SPDX-License-Identifier: MIT
#include "duiaccessibletext_p.h"

#include "duilineedit.h"
#include "duitextedit.h"

#include <QtGui/qtextcursor.h>
#include <QtGui/qtextdocument.h>
#include <QtWidgets/qgraphicsproxywidget.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qlineedit.h>
#include <QtWidgets/qtextedit.h>

namespace {

// The proxy that carries `widget`'s window into the scene, and `widget`'s place in that window.
QGraphicsProxyWidget *proxyOf(const QWidget *widget, QPoint *offset)
{
    const QWidget *top = widget->window();
    *offset = widget->mapTo(top, QPoint(0, 0));
    return top->graphicsProxyWidget();
}

} // namespace

DuiAccessibleText::DuiAccessibleText(QGraphicsWidget *widget)
    : DuiAccessibleWidget(widget, QAccessible::EditableText)
{
    m_leaf = true;
}

void DuiAccessibleText::notifyTextChanged(QObject *control, QString *last)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
    const QString now = iface ? iface->text(QAccessible::Value) : QString();
    // Reported as one replacement of the whole text: the editors do not say what changed.
    if (*last == now)
        return;
    QAccessibleTextUpdateEvent event(control, 0, *last, now);
    *last = now;
    QAccessible::updateAccessibility(&event);
}

void DuiAccessibleText::notifyCaretMoved(QObject *control, int position)
{
    QAccessibleTextCursorEvent event(control, position);
    QAccessible::updateAccessibility(&event);
}

bool DuiAccessibleText::isPassword() const
{
    return false;
}

QString DuiAccessibleText::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Value:
        return editorText();
    case QAccessible::Name: {
        // An editor shows no text of its own but its hint while empty.
        const QString name = DuiAccessibleWidget::text(t);
        return name.isEmpty() ? placeholder() : name;
    }
    default:
        return DuiAccessibleWidget::text(t);
    }
}

QAccessible::State DuiAccessibleText::state() const
{
    QAccessible::State s = DuiAccessibleWidget::state();
    s.focusable = true;
    s.readOnly = isReadOnly();
    s.editable = !s.readOnly;
    s.passwordEdit = isPassword();
    s.multiLine = isMultiLine();
    s.selectableText = true;
    return s;
}

void *DuiAccessibleText::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return DuiAccessibleWidget::interface_cast(type);
}

void DuiAccessibleText::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0)
        selectedRange(startOffset, endOffset);
}

int DuiAccessibleText::selectionCount() const
{
    int start = 0;
    int end = 0;
    selectedRange(&start, &end);
    return start != end ? 1 : 0;
}

void DuiAccessibleText::addSelection(int startOffset, int endOffset)
{
    // The editors hold one selection: a new one replaces it.
    setSelection(0, startOffset, endOffset);
}

void DuiAccessibleText::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        setCaret(caret());
}

void DuiAccessibleText::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int count = characterCount();
    select(qBound(0, startOffset, count), qBound(0, endOffset, count));
}

int DuiAccessibleText::cursorPosition() const
{
    return caret();
}

void DuiAccessibleText::setCursorPosition(int position)
{
    setCaret(qBound(0, position, characterCount()));
}

QString DuiAccessibleText::text(int startOffset, int endOffset) const
{
    const QString all = editorText();
    if (startOffset < 0 || endOffset < startOffset || startOffset > all.size())
        return QString();
    return all.mid(startOffset, endOffset - startOffset);
}

int DuiAccessibleText::characterCount() const
{
    return int(editorText().size());
}

QRect DuiAccessibleText::characterRect(int offset) const
{
    if (offset < 0 || offset > characterCount())
        return QRect();
    QPoint origin;
    QGraphicsProxyWidget *proxy = proxyOf(surface(), &origin);
    if (!proxy)
        return QRect();
    const QRect box = characterBox(offset).translated(origin);
    return DuiAccessibleTree::screenRect(proxy, QRectF(box));
}

int DuiAccessibleText::offsetAtPoint(const QPoint &point) const
{
    QPoint origin;
    QGraphicsProxyWidget *proxy = proxyOf(surface(), &origin);
    QGraphicsView *view = proxy ? DuiAccessibleTree::viewOf(proxy) : nullptr;
    if (!view)
        return -1;
    const QPointF scenePos = view->mapToScene(view->viewport()->mapFromGlobal(point));
    const QPoint local = proxy->mapFromScene(scenePos).toPoint() - origin;
    if (!surface()->rect().contains(local))
        return -1;
    return offsetAt(local);
}

void DuiAccessibleText::scrollToSubstring(int startIndex, int endIndex)
{
    Q_UNUSED(endIndex)
    setCaret(qBound(0, startIndex, characterCount()));
}

QString DuiAccessibleText::attributes(int offset, int *startOffset, int *endOffset) const
{
    Q_UNUSED(offset)
    // No attributes: one run over the whole text.
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void DuiAccessibleText::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void DuiAccessibleText::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void DuiAccessibleText::replaceText(int startOffset, int endOffset, const QString &text)
{
    const int count = characterCount();
    if (isReadOnly() || isPassword() || startOffset < 0 || endOffset < startOffset || endOffset > count)
        return;
    replace(startOffset, endOffset, text);
}

// ---------------------------------------------------------------------------------------------

DuiAccessibleLineEdit::DuiAccessibleLineEdit(QGraphicsWidget *widget)
    : DuiAccessibleText(widget)
{
    QObject *control = widget;
    QLineEdit *line = edit();
    QObject::connect(line, &QLineEdit::textChanged, control, [control, last = editorText()]() mutable {
        notifyTextChanged(control, &last);
    });
    QObject::connect(line, &QLineEdit::cursorPositionChanged, control,
                     [control](int, int now) { notifyCaretMoved(control, now); });
}

QLineEdit *DuiAccessibleLineEdit::edit() const
{
    return static_cast<DuiLineEdit *>(widget())->lineEdit();
}

QString DuiAccessibleLineEdit::editorText() const
{
    return isPassword() ? edit()->displayText() : edit()->text();
}

bool DuiAccessibleLineEdit::isReadOnly() const
{
    return edit()->isReadOnly();
}

bool DuiAccessibleLineEdit::isPassword() const
{
    return edit()->echoMode() != QLineEdit::Normal;
}

bool DuiAccessibleLineEdit::isMultiLine() const
{
    return false;
}

QString DuiAccessibleLineEdit::placeholder() const
{
    return edit()->placeholderText();
}

int DuiAccessibleLineEdit::caret() const
{
    return edit()->cursorPosition();
}

void DuiAccessibleLineEdit::setCaret(int position)
{
    edit()->setCursorPosition(position);
}

void DuiAccessibleLineEdit::selectedRange(int *start, int *end) const
{
    const QLineEdit *line = edit();
    *start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    *end = line->hasSelectedText() ? line->selectionEnd() : *start;
}

void DuiAccessibleLineEdit::select(int start, int end)
{
    // QLineEdit puts the caret at the end of a selection made forwards.
    edit()->setSelection(start, end - start);
}

QWidget *DuiAccessibleLineEdit::surface() const
{
    return edit();
}

QRect DuiAccessibleLineEdit::characterBox(int offset) const
{
    // The caret's rectangle places the scrolled text; the font measures from there.
    const QLineEdit *line = edit();
    const QString shown = line->displayText();
    const QFontMetrics metrics(line->font());
    const QRect caretBox = line->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caretBox.x() + metrics.horizontalAdvance(shown.left(offset))
                  - metrics.horizontalAdvance(shown.left(line->cursorPosition()));
    const int width = offset < shown.size() ? metrics.horizontalAdvance(shown.at(offset)) : 1;
    return QRect(x, caretBox.y(), width, caretBox.height());
}

int DuiAccessibleLineEdit::offsetAt(const QPoint &surfacePoint) const
{
    return edit()->cursorPositionAt(surfacePoint);
}

void DuiAccessibleLineEdit::replace(int start, int end, const QString &text)
{
    QLineEdit *line = edit();
    const QString old = line->text();
    line->setText(old.left(start) + text + old.mid(end));
    line->setCursorPosition(start + int(text.size()));
}

// ---------------------------------------------------------------------------------------------

DuiAccessibleTextEdit::DuiAccessibleTextEdit(QGraphicsWidget *widget)
    : DuiAccessibleText(widget)
{
    QObject *control = widget;
    QTextEdit *text = edit();
    QObject::connect(text, &QTextEdit::textChanged, control, [control, last = editorText()]() mutable {
        notifyTextChanged(control, &last);
    });
    QObject::connect(text, &QTextEdit::cursorPositionChanged, control,
                     [control, text] { notifyCaretMoved(control, text->textCursor().position()); });
}

QTextEdit *DuiAccessibleTextEdit::edit() const
{
    return qobject_cast<QTextEdit *>(static_cast<DuiTextEdit *>(widget())->realWidget());
}

QString DuiAccessibleTextEdit::editorText() const
{
    return edit()->document()->toPlainText();
}

bool DuiAccessibleTextEdit::isReadOnly() const
{
    return edit()->isReadOnly();
}

bool DuiAccessibleTextEdit::isMultiLine() const
{
    return true;
}

QString DuiAccessibleTextEdit::placeholder() const
{
    return static_cast<DuiTextEdit *>(widget())->placeHolderText();
}

int DuiAccessibleTextEdit::caret() const
{
    return edit()->textCursor().position();
}

void DuiAccessibleTextEdit::setCaret(int position)
{
    QTextCursor cursor = edit()->textCursor();
    cursor.setPosition(position);
    edit()->setTextCursor(cursor);
}

void DuiAccessibleTextEdit::selectedRange(int *start, int *end) const
{
    const QTextCursor cursor = edit()->textCursor();
    *start = cursor.selectionStart();
    *end = cursor.selectionEnd();
}

void DuiAccessibleTextEdit::select(int start, int end)
{
    QTextCursor cursor = edit()->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit()->setTextCursor(cursor);
}

QWidget *DuiAccessibleTextEdit::surface() const
{
    return edit()->viewport();
}

QRect DuiAccessibleTextEdit::characterBox(int offset) const
{
    QTextCursor cursor(edit()->document());
    cursor.setPosition(offset);
    const QRect left = edit()->cursorRect(cursor);
    if (cursor.atBlockEnd())
        return left;
    cursor.setPosition(offset + 1);
    const QRect right = edit()->cursorRect(cursor);
    // The next character may start a new line; the box then ends at the current one's caret.
    const int width = right.y() == left.y() ? qMax(1, right.x() - left.x()) : 1;
    return QRect(left.x(), left.y(), width, left.height());
}

int DuiAccessibleTextEdit::offsetAt(const QPoint &surfacePoint) const
{
    return edit()->cursorForPosition(surfacePoint).position();
}

void DuiAccessibleTextEdit::replace(int start, int end, const QString &text)
{
    QTextCursor cursor(edit()->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}
