// SPDX-License-Identifier: MIT
#include "duilineedit.h"
#include "duilineedit_p.h"

#include "duiframeitem.h"
#include "duilogging_p.h"
#include "duitheme.h"
#include "qlineeditex_p.h"

#include <QtCore/qregularexpression.h>
#include <QtGui/qvalidator.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qstyle.h>

DUI_REGISTER_WIDGET(DuiLineEdit)

namespace {
const QString kEditBackground = QStringLiteral(":/theme/duifw/edit_background.png");
const QString kEditBackgroundDisabled = QStringLiteral(":/theme/duifw/edit_background_disable.png");
// Beyond this a resize is refused as nonsense rather than laid out.
constexpr qreal kMaxSide = 10000;

// What QLineEdit shows for its text in each echo mode, control characters as spaces.
QString shownText(const QString &text, QLineEdit::EchoMode mode, const QStyle *style)
{
    QString shown;
    switch (mode) {
    case QLineEdit::NoEcho:
        break;
    case QLineEdit::Password:
    case QLineEdit::PasswordEchoOnEdit:
        shown = QString(text.size(), QChar(style->styleHint(QStyle::SH_LineEdit_PasswordCharacter)));
        break;
    case QLineEdit::Normal:
        shown = text;
        for (QChar &c : shown) {
            if ((c.unicode() < 0x20 && c.unicode() != 0x09) || c == QChar::LineSeparator
                || c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter)
                c = QChar(0x20);
        }
        break;
    }
    return shown;
}
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

    // The editor itself comes on first use (see DuiLineEditProxy); its base colour starts white.
    d->proxy = new DuiLineEditProxy(d, this);
    // No minimum height: the editor takes exactly the inset rectangle, also below the height the
    // QLineEdit would ask for, instead of spilling out of the frame.
    d->proxy->setMinimumSize(20, 0);
    d->proxy->setFocusPolicy(Qt::ClickFocus);

    setMaximumSize(4096, 24);
}

QLineEditEx *DuiLineEditPrivate::editor() const
{
    if (edit)
        return edit;
    auto *q = const_cast<DuiLineEdit *>(q_func());
    edit = new QLineEditEx;
    edit->setFrame(false);
    edit->setMaxLength(pending.maxLength);
    edit->setText(pending.text);
    edit->setModified(pending.modified);
    edit->setPlaceholderText(pending.placeholder);
    edit->setAlignment(pending.alignment);
    edit->setEchoMode(pending.echoMode);
    edit->setReadOnly(pending.readOnly);
    edit->setTextMargins(pending.textMargins);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, pending.base);
    edit->setPalette(pal);
    if (pending.validatorInstalled)
        edit->setValidator(validator);

    // Connected only now: handing over the pending state announces nothing new.
    QObject::connect(edit, &QLineEdit::editingFinished, q, &DuiLineEdit::editingFinished);
    QObject::connect(edit, &QLineEdit::returnPressed, q, &DuiLineEdit::returnPressed);
    QObject::connect(edit, &QLineEdit::textEdited, q, &DuiLineEdit::textEdited);
    QObject::connect(edit, &QLineEdit::textChanged, q, &DuiLineEdit::textChanged);
    QObject::connect(edit, &QLineEditEx::focusOut, q, &DuiLineEdit::focusOut);
    QObject::connect(edit, &QLineEditEx::leftButtonClicked, q, &DuiLineEdit::leftButtonClicked);

    const QRectF geometry = proxy->geometry();
    const bool enabled = proxy->isEnabled();
    proxy->setWidget(edit);
    proxy->setMinimumSize(20, 0);
    proxy->setGeometry(geometry);
    if (!enabled) {
        // Embedding copies the widget's enabled flag to the proxy, even under a disabled field.
        // Taken off and put back, the proxy inherits the field's state again, and passes it on to
        // the editor; then it goes back to its place among the field's children.
        const QList<QGraphicsItem *> siblings = q->childItems();
        const qsizetype at = siblings.indexOf(proxy);
        QGraphicsItem *next = at + 1 < siblings.size() ? siblings.at(at + 1) : nullptr;
        proxy->setParentItem(nullptr);
        proxy->setParentItem(q);
        if (next)
            proxy->stackBefore(next);
    }
    pending = Pending();
    return edit;
}

// The editor's own drawing, for a field that has not been edited yet: base colour, then the
// text (scrolled to its end, where QLineEdit leaves the cursor after setText) or the placeholder.
void DuiLineEditPrivate::paintWithoutEditor(QPainter *painter, const QRectF &rect) const
{
    constexpr int kHorizontalMargin = 2; // QLineEdit's own insets around its text
    constexpr int kVerticalMargin = 1;
    painter->fillRect(rect, pending.base);
    const QRect r = rect.toRect().marginsRemoved(pending.textMargins);
    if (r.isEmpty())
        return;
    const QFont font = proxy->font();
    const QFontMetrics fm(font);
    const QString shown = shownText(pending.text, pending.echoMode, proxy->style());
    const bool placeholder = pending.text.isEmpty();
    if (placeholder && pending.placeholder.isEmpty())
        return;
    const int textHeight = qMax(fm.height(), fm.boundingRect(placeholder ? pending.placeholder : shown).height());
    int top = r.y() + (r.height() - textHeight + 1) / 2;
    if (pending.alignment & Qt::AlignTop)
        top = r.y() + kVerticalMargin;
    else if (pending.alignment & Qt::AlignBottom)
        top = r.bottom() + 1 - textHeight - kVerticalMargin;
    const QRect line(r.x() + kHorizontalMargin, top, r.width() - 2 * kHorizontalMargin, textHeight);

    const QPalette pal = proxy->palette();
    const QPalette::ColorGroup group = proxy->isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter->save();
    painter->setClipRect(r);
    painter->setFont(font);
    if (placeholder) {
        painter->setPen(pal.color(group, QPalette::PlaceholderText));
        painter->drawText(line, int(pending.alignment & Qt::AlignHorizontal_Mask),
                          fm.elidedText(pending.placeholder, Qt::ElideRight, line.width()));
    } else {
        const int used = fm.horizontalAdvance(shown) + 1;
        int scroll = 0;
        if (used > line.width())
            scroll = used - line.width(); // the end of the text, as after setText
        else if (pending.alignment & Qt::AlignRight)
            scroll = used - line.width() + 1;
        else if (pending.alignment & Qt::AlignHCenter)
            scroll = (used - line.width()) / 2;
        painter->setPen(pal.color(group, QPalette::Text));
        painter->drawText(QPointF(line.x() - scroll, line.y() + fm.ascent()), shown);
    }
    painter->restore();
}

void DuiLineEditPrivate::setPendingText(const QString &text)
{
    Q_Q(DuiLineEdit);
    const QString kept = text.left(pending.maxLength);
    pending.modified = false;
    if (kept == pending.text)
        return;
    pending.text = kept;
    proxy->update();
    Q_EMIT q->textChanged(kept);
}

DuiLineEditProxy::DuiLineEditProxy(DuiLineEditPrivate *owner, QGraphicsItem *parent)
    : QGraphicsProxyWidget(parent)
    , m_owner(owner)
{
    setAcceptHoverEvents(true);
}

void DuiLineEditProxy::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    if (m_owner->edit)
        QGraphicsProxyWidget::paint(painter, option, widget);
    else
        m_owner->paintWithoutEditor(painter, rect());
}

bool DuiLineEditProxy::sceneEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::GraphicsSceneHoverEnter:
    case QEvent::GraphicsSceneHoverMove:
    case QEvent::GraphicsSceneMousePress:
    case QEvent::GraphicsSceneMouseDoubleClick:
    case QEvent::GraphicsSceneDragEnter:
    case QEvent::GraphicsSceneWheel:
    case QEvent::FocusIn:
    case QEvent::KeyPress:
    case QEvent::InputMethod:
        m_owner->editor();
        break;
    default:
        break;
    }
    return QGraphicsProxyWidget::sceneEvent(event);
}

QLineEdit *DuiLineEdit::lineEdit() const
{
    return d_func()->editor();
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
    if (!d->edit) {
        d->pending.base = color;
        d->proxy->update();
        return;
    }
    QPalette pal = d->edit->palette();
    pal.setColor(QPalette::Base, color);
    d->edit->setPalette(pal);
}

void DuiLineEdit::setColorizePolicy(ColorizeWidgetFlag policy)
{
    Q_D(DuiLineEdit);
    DuiWidget::setColorizePolicy(policy);
    if (!isReadOnly())
        d->frameItem->setColorizePolicy(policy);
}

void DuiLineEdit::setReadOnly(bool readOnly)
{
    Q_D(DuiLineEdit);
    if (d->edit)
        d->edit->setReadOnly(readOnly);
    else
        d->pending.readOnly = readOnly;
    setDisableStatus(readOnly);
}

bool DuiLineEdit::isReadOnly() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->isReadOnly() : d->pending.readOnly;
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
        if (d->edit)
            d->edit->setValidator(nullptr);
        d->pending.validatorInstalled = false;
        return;
    }
    if (!d->validator)
        d->validator = new QRegularExpressionValidator(this);
    const QRegularExpression expression(pattern);
    if (!expression.isValid())
        qCWarning(lcDuiControls) << "invalid validator pattern" << pattern << expression.errorString();
    d->validator->setRegularExpression(expression);
    if (!d->edit)
        d->pending.validatorInstalled = true;
    else if (!d->edit->validator())
        d->edit->setValidator(d->validator);
}

QString DuiLineEdit::validator() const
{
    Q_D(const DuiLineEdit);
    const bool installed = d->edit ? d->edit->validator() == d->validator : d->pending.validatorInstalled;
    return d->validator && installed ? d->validator->regularExpression().pattern() : QString();
}

void DuiLineEdit::setFrame(bool frame)
{
    Q_D(DuiLineEdit);
    d->frameItem->setVisible(frame);
    // A field without an editor draws no frame of its own; one with a frame needs the editor.
    if (frame || d->edit)
        d->editor()->setFrame(frame);
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
    Q_D(const DuiLineEdit);
    return d->edit && d->edit->hasFocus();
}

void DuiLineEdit::setFocus(bool focus)
{
    Q_UNUSED(focus);
    d_func()->editor()->setFocus(Qt::MouseFocusReason);
}

QString DuiLineEdit::text() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->text() : d->pending.text;
}

void DuiLineEdit::setText(const QString &text)
{
    Q_D(DuiLineEdit);
    if (d->edit)
        d->edit->setText(text);
    else
        d->setPendingText(text);
}

Qt::Alignment DuiLineEdit::alignment() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->alignment() : d->pending.alignment;
}

void DuiLineEdit::setAlignment(Qt::Alignment alignment)
{
    Q_D(DuiLineEdit);
    if (d->edit) {
        d->edit->setAlignment(alignment);
    } else {
        d->pending.alignment = alignment & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask);
        d->proxy->update();
    }
}

QMargins DuiLineEdit::textMargins() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->textMargins() : d->pending.textMargins;
}

void DuiLineEdit::getTextMargins(int *left, int *top, int *right, int *bottom) const
{
    const QMargins m = textMargins();
    if (left)
        *left = m.left();
    if (top)
        *top = m.top();
    if (right)
        *right = m.right();
    if (bottom)
        *bottom = m.bottom();
}

void DuiLineEdit::setTextMargins(int left, int top, int right, int bottom)
{
    setTextMargins(QMargins(left, top, right, bottom));
}

void DuiLineEdit::setTextMargins(const QMargins &margins)
{
    Q_D(DuiLineEdit);
    if (d->edit) {
        d->edit->setTextMargins(margins);
    } else {
        d->pending.textMargins = margins;
        d->proxy->update();
    }
}

QLineEdit::EchoMode DuiLineEdit::echoMode() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->echoMode() : d->pending.echoMode;
}

void DuiLineEdit::setEchoMode(QLineEdit::EchoMode mode)
{
    Q_D(DuiLineEdit);
    if (d->edit) {
        d->edit->setEchoMode(mode);
    } else {
        d->pending.echoMode = mode;
        d->proxy->update();
    }
}

QString DuiLineEdit::displayText() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->displayText() : shownText(d->pending.text, d->pending.echoMode, d->proxy->style());
}

int DuiLineEdit::cursorPosition() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->cursorPosition() : int(d->pending.text.size()); // setText leaves it at the end
}

bool DuiLineEdit::hasFrame() const
{
    Q_D(const DuiLineEdit);
    return d->edit && d->edit->hasFrame();
}

bool DuiLineEdit::isModified() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->isModified() : d->pending.modified;
}

void DuiLineEdit::setModified(bool modified)
{
    Q_D(DuiLineEdit);
    if (d->edit)
        d->edit->setModified(modified);
    else
        d->pending.modified = modified;
}

int DuiLineEdit::maxLength() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->maxLength() : d->pending.maxLength;
}

void DuiLineEdit::setMaxLength(int length)
{
    Q_D(DuiLineEdit);
    if (d->edit) {
        d->edit->setMaxLength(length);
        return;
    }
    d->pending.maxLength = length;
    d->setPendingText(d->pending.text); // cut to the new length, as the editor does
}

QString DuiLineEdit::placeholderText() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->placeholderText() : d->pending.placeholder;
}

void DuiLineEdit::setPlaceholderText(const QString &text)
{
    Q_D(DuiLineEdit);
    if (d->edit) {
        d->edit->setPlaceholderText(text);
    } else {
        d->pending.placeholder = text;
        d->proxy->update();
    }
}

QString DuiLineEdit::styleSheet() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->styleSheet() : QString();
}

QCompleter *DuiLineEdit::completer() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->completer() : nullptr;
}

bool DuiLineEdit::dragEnabled() const
{
    Q_D(const DuiLineEdit);
    return d->edit && d->edit->dragEnabled();
}

QString DuiLineEdit::inputMask() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->inputMask() : QString();
}

bool DuiLineEdit::hasSelectedText() const
{
    Q_D(const DuiLineEdit);
    return d->edit && d->edit->hasSelectedText();
}

QString DuiLineEdit::selectedText() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->selectedText() : QString();
}

int DuiLineEdit::selectionStart() const
{
    Q_D(const DuiLineEdit);
    return d->edit ? d->edit->selectionStart() : -1;
}

bool DuiLineEdit::isRedoAvailable() const
{
    Q_D(const DuiLineEdit);
    return d->edit && d->edit->isRedoAvailable();
}

bool DuiLineEdit::isUndoAvailable() const
{
    Q_D(const DuiLineEdit);
    return d->edit && d->edit->isUndoAvailable();
}

// Everything else needs the editor itself.
void DuiLineEdit::setCompleter(QCompleter *completer) { d_func()->editor()->setCompleter(completer); }
void DuiLineEdit::backspace() { d_func()->editor()->backspace(); }
void DuiLineEdit::del() { d_func()->editor()->del(); }
void DuiLineEdit::insert(const QString &text) { d_func()->editor()->insert(text); }
void DuiLineEdit::cursorBackward(bool mark, int steps) { d_func()->editor()->cursorBackward(mark, steps); }
void DuiLineEdit::cursorForward(bool mark, int steps) { d_func()->editor()->cursorForward(mark, steps); }
void DuiLineEdit::cursorWordBackward(bool mark) { d_func()->editor()->cursorWordBackward(mark); }
void DuiLineEdit::cursorWordForward(bool mark) { d_func()->editor()->cursorWordForward(mark); }
void DuiLineEdit::setCursorPosition(int position) { d_func()->editor()->setCursorPosition(position); }
int DuiLineEdit::cursorPositionAt(const QPoint &pos) { return d_func()->editor()->cursorPositionAt(pos); }
void DuiLineEdit::deselect() { d_func()->editor()->deselect(); }
void DuiLineEdit::setDragEnabled(bool enabled) { d_func()->editor()->setDragEnabled(enabled); }
void DuiLineEdit::end(bool mark) { d_func()->editor()->end(mark); }
void DuiLineEdit::home(bool mark) { d_func()->editor()->home(mark); }
bool DuiLineEdit::hasAcceptableInput() const { return d_func()->editor()->hasAcceptableInput(); }
void DuiLineEdit::setSelection(int start, int length) { d_func()->editor()->setSelection(start, length); }
void DuiLineEdit::setInputMask(const QString &mask) { d_func()->editor()->setInputMask(mask); }
void DuiLineEdit::setStyleSheet(const QString &styleSheet) { d_func()->editor()->setStyleSheet(styleSheet); }
void DuiLineEdit::installEventFilter(QObject *filter) { d_func()->editor()->installEventFilter(filter); }
void DuiLineEdit::removeEventFilter(QObject *filter) { d_func()->editor()->removeEventFilter(filter); }
void DuiLineEdit::clear() { d_func()->editor()->clear(); }
void DuiLineEdit::copy() { d_func()->editor()->copy(); }
void DuiLineEdit::cut() { d_func()->editor()->cut(); }
void DuiLineEdit::paste() { d_func()->editor()->paste(); }
void DuiLineEdit::redo() { d_func()->editor()->redo(); }
void DuiLineEdit::selectAll() { d_func()->editor()->selectAll(); }
void DuiLineEdit::undo() { d_func()->editor()->undo(); }
void DuiLineEdit::on_inputCutAction_triggered(bool) { d_func()->editor()->cut(); }
void DuiLineEdit::on_inputCopyAction_triggered(bool) { d_func()->editor()->copy(); }
void DuiLineEdit::on_inputPasteAction_triggered(bool) { d_func()->editor()->paste(); }
void DuiLineEdit::on_inputSelectAll_triggered(bool) { d_func()->editor()->selectAll(); }
