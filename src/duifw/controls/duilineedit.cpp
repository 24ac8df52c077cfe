// SPDX-License-Identifier: MIT
#include "duilineedit.h"
#include "duilineedit_p.h"

#include "duiframeitem.h"
#include "duilogging_p.h"
#include "duitheme.h"
#include "qlineeditex_p.h"

#include <QtCore/qregularexpression.h>
#include <QtGui/qvalidator.h>
#include <QtWidgets/qgraphicsproxywidget.h>
#include <QtWidgets/qgraphicssceneevent.h>

DUI_REGISTER_WIDGET(DuiLineEdit)

namespace {
const QString kEditBackground = QStringLiteral(":/theme/duifw/edit_background.png");
const QString kEditBackgroundDisabled = QStringLiteral(":/theme/duifw/edit_background_disable.png");
// Beyond this a resize is refused as nonsense rather than laid out.
constexpr qreal kMaxSide = 10000;
} // namespace

DuiLineEdit::DuiLineEdit(QGraphicsItem *parent)
    : DuiWidget(*new DuiLineEditPrivate, parent)
{
    init();
}

DuiLineEdit::~DuiLineEdit() = default;

void DuiLineEdit::init()
{
    Q_D(DuiLineEdit);
    setDragPolicy(NotDragWindow);

    d->frameItem = new DuiFrameItem(kEditBackground, DuiFrameItemDrawer::NinePieces, this);
    d->frameItem->setImage(kEditBackground, kEditBackground, kEditBackground, kEditBackgroundDisabled, QString());
    d->frameItem->setThemeColorType(DuiTheme::DarkestColor);

    d->proxy = new QGraphicsProxyWidget(this);
    d->edit = new QLineEditEx;
    d->edit->setFrame(false);
    d->proxy->setWidget(d->edit);
    // No minimum height: the editor takes exactly the inset rectangle, also below the height the
    // QLineEdit would ask for, instead of spilling out of the frame.
    d->proxy->setMinimumSize(20, 0);
    d->proxy->setFocusPolicy(Qt::ClickFocus);

    setBackgroundColor(Qt::white);

    connect(d->edit, &QLineEdit::editingFinished, this, &DuiLineEdit::editingFinished);
    connect(d->edit, &QLineEdit::returnPressed, this, &DuiLineEdit::returnPressed);
    connect(d->edit, &QLineEdit::textEdited, this, &DuiLineEdit::textEdited);
    connect(d->edit, &QLineEdit::textChanged, this, &DuiLineEdit::textChanged);
    connect(d->edit, &QLineEditEx::focusOut, this, &DuiLineEdit::focusOut);
    connect(d->edit, &QLineEditEx::leftButtonClicked, this, &DuiLineEdit::leftButtonClicked);

    setMaximumSize(4096, 24);
}

QLineEdit *DuiLineEdit::lineEdit() const
{
    return d_func()->edit;
}

void DuiLineEdit::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    Q_D(DuiLineEdit);
    DuiWidget::resizeEvent(event);
    const QSizeF size = event->newSize();
    if (qAbs(size.width()) > kMaxSide || qAbs(size.height()) > kMaxSide) {
        qCWarning(lcDuiControls, "[DuiLineEdit]error new size %d,%d", int(size.width()), int(size.height()));
        return;
    }
    d->frameItem->setGeometry(QRectF(QPointF(0, 0), size));
    d->proxy->setGeometry(QRect(3, 2, int(size.width()) - 6, int(size.height()) - 4));
}

void DuiLineEdit::contextMenuEvent(QGraphicsSceneContextMenuEvent *event)
{
    Q_UNUSED(event);
}

void DuiLineEdit::setBackgroundColor(QColor color)
{
    Q_D(DuiLineEdit);
    QPalette pal = d->edit->palette();
    pal.setColor(QPalette::Base, color);
    d->edit->setPalette(pal);
}

void DuiLineEdit::setColorizePolicy(ColorizeWidgetFlag policy)
{
    Q_D(DuiLineEdit);
    DuiWidget::setColorizePolicy(policy);
    if (!d->edit->isReadOnly())
        d->frameItem->setColorizePolicy(policy);
}

void DuiLineEdit::setReadOnly(bool readOnly)
{
    d_func()->edit->setReadOnly(readOnly);
    setDisableStatus(readOnly);
}

bool DuiLineEdit::isReadOnly() const
{
    return d_func()->edit->isReadOnly();
}

void DuiLineEdit::setDisableStatus(bool disabled)
{
    Q_D(DuiLineEdit);
    if (disabled) {
        setBackgroundColor(QColor(239, 239, 239, 255));
        d->frameItem->setColorizePolicy(UnColorableFlag);
        d->frameItem->setEnable(false);
    } else {
        setBackgroundColor(Qt::white);
        // Enable first: a frame item takes policies given while disabled only for the moment.
        d->frameItem->setEnable(true);
        d->frameItem->setColorizePolicy(colorizePolicy());
    }
    d->frameItem->colorize(DuiTheme::getColor(DuiTheme::DarkestColor));
}

void DuiLineEdit::setValidator(const QString &pattern)
{
    Q_D(DuiLineEdit);
    if (pattern.isEmpty()) {
        d->edit->setValidator(nullptr);
        return;
    }
    if (!d->validator)
        d->validator = new QRegularExpressionValidator(this);
    const QRegularExpression expression(pattern);
    if (!expression.isValid())
        qCWarning(lcDuiControls) << "invalid validator pattern" << pattern << expression.errorString();
    d->validator->setRegularExpression(expression);
    if (!d->edit->validator())
        d->edit->setValidator(d->validator);
}

QString DuiLineEdit::validator() const
{
    Q_D(const DuiLineEdit);
    return d->validator && d->edit->validator() == d->validator ? d->validator->regularExpression().pattern() : QString();
}

void DuiLineEdit::setFrame(bool frame)
{
    Q_D(DuiLineEdit);
    d->frameItem->setVisible(frame);
    d->edit->setFrame(frame);
}

void DuiLineEdit::setFrameImage(const QString &path)
{
    d_func()->frameItem->setImage(path);
}

QString DuiLineEdit::frameImage() const
{
    return d_func()->frameItem->imagePath();
}

bool DuiLineEdit::focus() const
{
    return d_func()->edit->hasFocus();
}

void DuiLineEdit::setFocus(bool focus)
{
    Q_UNUSED(focus);
    d_func()->edit->setFocus(Qt::MouseFocusReason);
}

// Plain forwarding to the embedded editor.
QString DuiLineEdit::text() const { return d_func()->edit->text(); }
void DuiLineEdit::setText(const QString &text) { d_func()->edit->setText(text); }
Qt::Alignment DuiLineEdit::alignment() const { return d_func()->edit->alignment(); }
void DuiLineEdit::setAlignment(Qt::Alignment alignment) { d_func()->edit->setAlignment(alignment); }
QCompleter *DuiLineEdit::completer() const { return d_func()->edit->completer(); }
void DuiLineEdit::setCompleter(QCompleter *completer) { d_func()->edit->setCompleter(completer); }
QMargins DuiLineEdit::textMargins() const { return d_func()->edit->textMargins(); }
void DuiLineEdit::getTextMargins(int *left, int *top, int *right, int *bottom) const
{
    const QMargins m = d_func()->edit->textMargins();
    if (left)
        *left = m.left();
    if (top)
        *top = m.top();
    if (right)
        *right = m.right();
    if (bottom)
        *bottom = m.bottom();
}
void DuiLineEdit::setTextMargins(int left, int top, int right, int bottom) { d_func()->edit->setTextMargins(left, top, right, bottom); }
void DuiLineEdit::setTextMargins(const QMargins &margins) { d_func()->edit->setTextMargins(margins); }
QLineEdit::EchoMode DuiLineEdit::echoMode() const { return d_func()->edit->echoMode(); }
void DuiLineEdit::setEchoMode(QLineEdit::EchoMode mode) { d_func()->edit->setEchoMode(mode); }
void DuiLineEdit::backspace() { d_func()->edit->backspace(); }
void DuiLineEdit::del() { d_func()->edit->del(); }
void DuiLineEdit::insert(const QString &text) { d_func()->edit->insert(text); }
void DuiLineEdit::cursorBackward(bool mark, int steps) { d_func()->edit->cursorBackward(mark, steps); }
void DuiLineEdit::cursorForward(bool mark, int steps) { d_func()->edit->cursorForward(mark, steps); }
void DuiLineEdit::cursorWordBackward(bool mark) { d_func()->edit->cursorWordBackward(mark); }
void DuiLineEdit::cursorWordForward(bool mark) { d_func()->edit->cursorWordForward(mark); }
int DuiLineEdit::cursorPosition() const { return d_func()->edit->cursorPosition(); }
void DuiLineEdit::setCursorPosition(int position) { d_func()->edit->setCursorPosition(position); }
int DuiLineEdit::cursorPositionAt(const QPoint &pos) { return d_func()->edit->cursorPositionAt(pos); }
void DuiLineEdit::deselect() { d_func()->edit->deselect(); }
QString DuiLineEdit::displayText() const { return d_func()->edit->displayText(); }
bool DuiLineEdit::dragEnabled() const { return d_func()->edit->dragEnabled(); }
void DuiLineEdit::setDragEnabled(bool enabled) { d_func()->edit->setDragEnabled(enabled); }
void DuiLineEdit::end(bool mark) { d_func()->edit->end(mark); }
void DuiLineEdit::home(bool mark) { d_func()->edit->home(mark); }
bool DuiLineEdit::hasAcceptableInput() const { return d_func()->edit->hasAcceptableInput(); }
bool DuiLineEdit::hasFrame() const { return d_func()->edit->hasFrame(); }
bool DuiLineEdit::hasSelectedText() const { return d_func()->edit->hasSelectedText(); }
QString DuiLineEdit::selectedText() const { return d_func()->edit->selectedText(); }
int DuiLineEdit::selectionStart() const { return d_func()->edit->selectionStart(); }
void DuiLineEdit::setSelection(int start, int length) { d_func()->edit->setSelection(start, length); }
QString DuiLineEdit::inputMask() const { return d_func()->edit->inputMask(); }
void DuiLineEdit::setInputMask(const QString &mask) { d_func()->edit->setInputMask(mask); }
bool DuiLineEdit::isModified() const { return d_func()->edit->isModified(); }
void DuiLineEdit::setModified(bool modified) { d_func()->edit->setModified(modified); }
bool DuiLineEdit::isRedoAvailable() const { return d_func()->edit->isRedoAvailable(); }
bool DuiLineEdit::isUndoAvailable() const { return d_func()->edit->isUndoAvailable(); }
int DuiLineEdit::maxLength() const { return d_func()->edit->maxLength(); }
void DuiLineEdit::setMaxLength(int length) { d_func()->edit->setMaxLength(length); }
QString DuiLineEdit::placeholderText() const { return d_func()->edit->placeholderText(); }
void DuiLineEdit::setPlaceholderText(const QString &text) { d_func()->edit->setPlaceholderText(text); }
QString DuiLineEdit::styleSheet() const { return d_func()->edit->styleSheet(); }
void DuiLineEdit::setStyleSheet(const QString &styleSheet) { d_func()->edit->setStyleSheet(styleSheet); }
void DuiLineEdit::installEventFilter(QObject *filter) { d_func()->edit->installEventFilter(filter); }
void DuiLineEdit::removeEventFilter(QObject *filter) { d_func()->edit->removeEventFilter(filter); }
void DuiLineEdit::clear() { d_func()->edit->clear(); }
void DuiLineEdit::copy() { d_func()->edit->copy(); }
void DuiLineEdit::cut() { d_func()->edit->cut(); }
void DuiLineEdit::paste() { d_func()->edit->paste(); }
void DuiLineEdit::redo() { d_func()->edit->redo(); }
void DuiLineEdit::selectAll() { d_func()->edit->selectAll(); }
void DuiLineEdit::undo() { d_func()->edit->undo(); }
void DuiLineEdit::on_inputCutAction_triggered(bool) { d_func()->edit->cut(); }
void DuiLineEdit::on_inputCopyAction_triggered(bool) { d_func()->edit->copy(); }
void DuiLineEdit::on_inputPasteAction_triggered(bool) { d_func()->edit->paste(); }
void DuiLineEdit::on_inputSelectAll_triggered(bool) { d_func()->edit->selectAll(); }
