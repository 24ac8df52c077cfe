// SPDX-License-Identifier: MIT
#include "duitextedit.h"
#include "duitextedit_p.h"

#include "duiframeitem.h"
#include "duilogging_p.h"
#include "duimenu.h"
#include "duiresourceloader.h"
#include "duitheme.h"
#include "duitextobject.h"
#include "richtextedit_p.h"

#include <algorithm>

#include <QtCore/qmimedata.h>
#include <QtCore/qtimer.h>
#include <QtGui/qabstracttextdocumentlayout.h>
#include <QtGui/qclipboard.h>
#include <QtGui/qdrag.h>
#include <QtGui/qevent.h>
#include <QtGui/qguiapplication.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsproxywidget.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qscrollbar.h>

DUI_REGISTER_WIDGET(DuiTextEdit)

namespace {
const QString kEditBackground = QStringLiteral(":/theme/duifw/edit_background.png");
const QString kEditBackgroundDisabled = QStringLiteral(":/theme/duifw/edit_background_disable.png");
const QString kContextMenuFile = QStringLiteral("layout/lineeditcontextmenu.xml");
// Beyond this a resize is refused as nonsense rather than laid out.
constexpr qreal kMaxSide = 10000;
constexpr int kDelayedGeometryMs = 300;
const QColor kTransparentWhite(255, 255, 255, 0);

QString readText(const QString &path)
{
    return QString::fromUtf8(getResourceLoader()->loadRawData(path));
}
} // namespace

DuiTextEdit::DuiTextEdit(QGraphicsItem *parent)
    : DuiWidget(*new DuiTextEditPrivate, parent)
{
    init();
}

DuiTextEdit::DuiTextEdit(DuiTextEditPrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init();
}

DuiTextEdit::~DuiTextEdit()
{
    Q_D(DuiTextEdit);
    // The editor goes first, while the slots it reaches still exist.
    d->richEdit->disconnect(this);
    delete d->proxy;
}

void DuiTextEdit::init()
{
    Q_D(DuiTextEdit);
    setColorizePolicy(ColorableFlag);
    setDragPolicy(NotDragWindow);

    d->richEdit = new RichTextEdit(this);
    d->defaultHandler = new ZKTextCopyPasteHandler(this);
    d->richEdit->firstHandler = d->defaultHandler;
    d->richEdit->handlers.append(d->defaultHandler);

    d->proxy = new QGraphicsProxyWidget(this);
    d->proxy->setWidget(d->richEdit);
    d->proxy->setMinimumSize(0, 0);
    d->proxy->setFocusPolicy(Qt::ClickFocus);
    // The proxy renders only what is exposed, so a repaint of a few changed images stays small.
    d->proxy->setFlag(QGraphicsItem::ItemUsesExtendedStyleOption);

    RichTextEdit *rich = d->richEdit;
    rich->setAcceptDrops(true);
    rich->setFrameShape(QFrame::NoFrame);
    rich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rich->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    rich->setUndoRedoEnabled(true);
    // See-through, so that the frame image behind shows: the proxy paints the widget's window
    // background and the viewport its base.
    QPalette palette = rich->palette();
    palette.setColor(QPalette::Window, kTransparentWhite);
    palette.setColor(QPalette::Base, kTransparentWhite);
    rich->setPalette(palette);

    connect(rich, &RichTextEdit::returnPressed, this, &DuiTextEdit::returnPressed);
    connect(rich, &RichTextEdit::clickedLink, this, &DuiTextEdit::linkClicked);
    connect(rich, &RichTextEdit::htmlLinkClicked, this, &DuiTextEdit::htmlLinkClicked);
    connect(rich, &RichTextEdit::contextMenu, this, &DuiTextEdit::on_contextMenu);
    connect(rich, &QTextEdit::textChanged, this, &DuiTextEdit::textChanged);
    connect(rich, &QTextEdit::currentCharFormatChanged, this, &DuiTextEdit::currentCharFormatChanged);
    connect(rich, &RichTextEdit::keyPress, this, &DuiTextEdit::on_keyPress);
    connect(rich, &RichTextEdit::mousePress, this, &DuiTextEdit::on_mousePress);
    connect(rich, &RichTextEdit::mouseRelease, this, &DuiTextEdit::on_mouseRelease);
    connect(rich, &RichTextEdit::mouseMove, this, &DuiTextEdit::on_mouseMove);
    connect(rich, &RichTextEdit::mouseDoubleClick, this, &DuiTextEdit::on_mouseDoubleClick);

    _initVerScrollBarStyle();
}

void DuiTextEdit::on_mousePress(QMouseEvent *event) { textMousePressEvent(event); }
void DuiTextEdit::on_mouseRelease(QMouseEvent *event) { textMouseReleaseEvent(event); }
void DuiTextEdit::on_mouseDoubleClick(QMouseEvent *event) { textMouseDoubleClickEvent(event); }
void DuiTextEdit::on_keyPress(QKeyEvent *event) { textKeyPressEvent(event); }

void DuiTextEdit::on_mouseMove(QMouseEvent *event)
{
    Q_D(DuiTextEdit);
    textMouseMoveEvent(event);
    // Over text the editor's own I-beam shows.
    if (isLinkObject(event->position().toPoint()))
        d->proxy->setCursor(Qt::PointingHandCursor);
    else
        d->proxy->unsetCursor();
}

// Hands a mouse event to the text object that draws the custom object under the pointer.
static void dispatchToTextObject(RichTextEdit *rich, QMouseEvent *event)
{
    QTextDocument *doc = rich->document();
    const QPoint point = event->position().toPoint();
    QTextCharFormat format;
    const int exact = qMin(rich->exactPositionFromPoint(point), doc->characterCount() - 1);
    if (exact > 0) {
        QTextCursor at(doc);
        at.setPosition(exact);
        format = at.charFormat();
    } else {
        format = rich->cursorForPosition(point).charFormat();
    }
    const uint index = format.property(DuiTextObject::IndexProperty).toUInt();
    if (index == 0 || format.objectType() < QTextFormat::UserObject)
        return;
    auto *object = dynamic_cast<DuiTextObject *>(doc->documentLayout()->handlerForObject(format.objectType()));
    if (object)
        object->commonEvent(event, index);
}

void DuiTextEdit::textMousePressEvent(QMouseEvent *event)
{
    Q_D(DuiTextEdit);
    RichTextEdit *rich = d->richEdit;
    rich->baseMousePressEvent(event);
    const QPoint point = event->position().toPoint();
    QTextCursor cursor = rich->textCursor();
    if (!cursor.hasSelection()) {
        const int position = qMin(rich->exactPositionFromPoint(point), document()->characterCount() - 1);
        if (position > 0) {
            QTextCursor at(document());
            at.setPosition(position);
            const QTextCharFormat format = at.charFormat();
            // A click on an image selects it, so that it can be copied or deleted.
            if (format.isImageFormat() && !format.isAnchor()) {
                at.setPosition(position - 1);
                at.setPosition(position, QTextCursor::KeepAnchor);
                rich->setTextCursor(at);
                cursor = at;
            }
        }
    }
    if (event->buttons() & Qt::LeftButton)
        rich->lastLeftPressPos = point;
    rich->selectionOnPress = cursor.hasSelection();
    if (!rich->selectionOnPress)
        rich->pressCursor = cursor;
    rich->lastPressPos = point;
    dispatchToTextObject(rich, event);
}

void DuiTextEdit::textMouseReleaseEvent(QMouseEvent *event)
{
    Q_D(DuiTextEdit);
    RichTextEdit *rich = d->richEdit;
    rich->baseMouseReleaseEvent(event);
    const QTextCursor cursor = rich->textCursor();
    if (cursor.hasSelection())
        rich->pressCursor.setPosition(cursor.position(), QTextCursor::KeepAnchor);
    dispatchToTextObject(rich, event);
}

void DuiTextEdit::textMouseMoveEvent(QMouseEvent *event)
{
    Q_D(DuiTextEdit);
    RichTextEdit *rich = d->richEdit;
    const QPoint point = event->position().toPoint();
    if (!rich->selectionOnPress || !(event->buttons() & Qt::LeftButton)
        || (point - rich->lastLeftPressPos).manhattanLength() <= QApplication::startDragDistance()) {
        rich->baseMouseMoveEvent(event);
        dispatchToTextObject(rich, event);
        return;
    }
    rich->selectionOnPress = false;
    QTextCursor dragged = rich->textCursor();
    const bool readOnly = rich->isReadOnly();
    auto *drag = new QDrag(rich);
    drag->setMimeData(rich->createMimeDataFromSelection());
    const Qt::DropAction action = drag->exec(readOnly ? Qt::CopyAction : Qt::MoveAction);
    // Dropped elsewhere in this editor or in another program: the text moved away.
    const int now = rich->textCursor().position();
    if (action == Qt::MoveAction && !readOnly && (now < dragged.selectionStart() || now > dragged.selectionEnd()))
        dragged.removeSelectedText();
}

void DuiTextEdit::textMouseDoubleClickEvent(QMouseEvent *event)
{
    d_func()->richEdit->baseMouseDoubleClickEvent(event);
}

void DuiTextEdit::textKeyPressEvent(QKeyEvent *event)
{
    Q_D(DuiTextEdit);
    RichTextEdit *rich = d->richEdit;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (rich->isReadOnly() || !rich->acceptEnter) {
            event->ignore();
            return;
        }
        const bool ctrl = modifiers & Qt::ControlModifier;
        const bool breaksLine = (modifiers & Qt::ShiftModifier) || ctrl != rich->enterInsertsNewline;
        if (!breaksLine) {
            event->accept();
            Q_EMIT rich->returnPressed();
            return;
        }
        QString lineBreak(QChar::ParagraphSeparator);
        if (rich->on_edit_aboutToInsertText(lineBreak, QTextCharFormat()) && lineBreak.isEmpty()) {
            event->accept();
            return;
        }
        // A plain Enter: Shift would make a line separator inside the paragraph.
        QKeyEvent plain(event->type(), event->key(), Qt::NoModifier, event->text(), event->isAutoRepeat(),
                        ushort(event->count()));
        rich->baseKeyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7F;
    });
    if (rich->maxLength != -1 && !rich->isReadOnly() && printable
        && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        QString cut = text;
        if (rich->on_edit_aboutToInsertText(cut, QTextCharFormat())) {
            if (!cut.isEmpty()) {
                QTextCursor cursor = rich->textCursor();
                cursor.insertText(cut);
                rich->setTextCursor(cursor);
                rich->ensureCursorVisible();
            }
            event->accept();
            return;
        }
    }
    rich->baseKeyPressEvent(event);
}

void DuiTextEdit::on_contextMenu(QContextMenuEvent *event)
{
    Q_D(DuiTextEdit);
    if (!d->defaultContextMenuEnabled) {
        Q_EMIT contextMenu(event);
        return;
    }
    DuiMenu *menu = DuiMenu::createPopupMenu();
    if (!menu->createFromFile(kContextMenuFile, this)) {
        // The application supplies no menu file: the four actions, made here.
        const struct
        {
            const char *name;
            const char *text;
            void (DuiTextEdit::*slot)(bool);
        } items[] = {{"inputCutAction", QT_TR_NOOP("Cut"), &DuiTextEdit::on_inputCutAction_triggered},
                     {"inputCopyAction", QT_TR_NOOP("Copy"), &DuiTextEdit::on_inputCopyAction_triggered},
                     {"inputPasteAction", QT_TR_NOOP("Paste"), &DuiTextEdit::on_inputPasteAction_triggered},
                     {"inputSelectAll", QT_TR_NOOP("Select All"), &DuiTextEdit::on_inputSelectAll_triggered}};
        for (const auto &item : items) {
            if (item.slot == &DuiTextEdit::on_inputSelectAll_triggered)
                menu->addSeparator();
            QAction *action = menu->addAction(tr(item.text));
            action->setObjectName(QLatin1String(item.name));
            connect(action, &QAction::triggered, this, item.slot);
        }
    }
    auto enable = [menu](const char *name, bool on) {
        if (QAction *action = menu->actionByName(QLatin1String(name)))
            action->setEnabled(on);
    };
    enable("inputSelectAll", !document()->isEmpty());
    enable("inputPasteAction", false);
    if (isReadOnly()) {
        enable("inputCutAction", false);
    } else {
        if (!d->richEdit->textCursor().hasSelection()) {
            enable("inputCopyAction", false);
            enable("inputCutAction", false);
        }
        const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
        if (clipboard && (clipboard->hasHtml() || clipboard->hasImage() || clipboard->hasText() || clipboard->hasUrls()
                          || clipboard->hasFormat(kTextEditMimeType)))
            enable("inputPasteAction", true);
    }
    d->contextMenu = menu;
    menu->popup(event->globalPos());
    event->accept();
}

void DuiTextEdit::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    _adjustNativeEditGeometry(QRectF(QPointF(0, 0), event->newSize()));
}

// The proxy is a child item: rectangles are in the text edit's own coordinates. The editor is
// never given an empty size: Qt unmaps an embedded window sized to nothing and never maps it
// again, so it would stop repainting for good (typing and GIF frames would not show).
static QRectF editorRect(const QRect &rect)
{
    return QRectF(rect.topLeft(), rect.size().expandedTo(QSize(1, 1)));
}

void DuiTextEdit::_adjustNativeEditGeometry(const QRectF &rect)
{
    Q_D(DuiTextEdit);
    if (qAbs(rect.width()) > kMaxSide || qAbs(rect.height()) > kMaxSide) {
        qCWarning(lcDuiControls, "[DuiTextEdit]error new size %d,%d", int(rect.width()), int(rect.height()));
        return;
    }
    if (d->frameItem) {
        d->frameItem->setGeometry(rect);
        d->proxy->setGeometry(editorRect(rect.toRect().adjusted(1, 2, -1, -2)));
        return;
    }
    if (d->delayUpdate) {
        d->pendingGeometry = rect;
        if (!d->geometryPending) {
            d->geometryPending = true;
            QTimer::singleShot(kDelayedGeometryMs, this, &DuiTextEdit::on_DelayUpdate);
        }
        return;
    }
    d->proxy->setGeometry(editorRect(QRect(0, 0, int(rect.width()), int(rect.height()))));
}

void DuiTextEdit::on_DelayUpdate()
{
    Q_D(DuiTextEdit);
    d->geometryPending = false;
    d->proxy->setGeometry(editorRect(QRect(0, 0, int(d->pendingGeometry.width()), int(d->pendingGeometry.height()))));
}

void DuiTextEdit::doColorize(QRgb rgb)
{
    // The text keeps its colours; only the frame (its own item) and the scroll bar follow.
    Q_UNUSED(rgb);
    _initVerScrollBarStyle();
}

void DuiTextEdit::_initVerScrollBarStyle()
{
    Q_D(DuiTextEdit);
    if (d->customScrollBarStyle)
        return;
    const int row = DuiTheme::getColorTheme();
    if (row < 0 || row > 8)
        return;
    const QString sheet = readText(QStringLiteral(":/theme/duifw/css/scrollbar_%1.css").arg(row));
    if (!sheet.isEmpty())
        d->richEdit->verticalScrollBar()->setStyleSheet(sheet);
}

void DuiTextEdit::setVScrollBarStyleSheet(const QString &path)
{
    Q_D(DuiTextEdit);
    d->customScrollBarStyle = true;
    const QByteArray sheet = getResourceLoader()->loadRawData(path);
    if (!sheet.isNull())
        d->richEdit->verticalScrollBar()->setStyleSheet(QString::fromUtf8(sheet));
}

void DuiTextEdit::setFrameImage(const QString &spec)
{
    Q_D(DuiTextEdit);
    d->frameImageSpec = spec;
    const QStringList parts = spec.split(QLatin1Char('|'));
    const QString normal = parts.value(0).isEmpty() ? kEditBackground : parts.at(0);
    const QString disabled = parts.size() == 2 && !parts.at(1).isEmpty() ? parts.at(1) : kEditBackgroundDisabled;
    if (!d->frameItem) {
        d->frameItem = new DuiFrameItem(normal, DuiFrameItemDrawer::NinePieces, this);
        d->frameItem->setThemeColorType(DuiTheme::DarkestColor);
        d->frameItem->setZValue(-1);
        _adjustNativeEditGeometry(QRectF(QPointF(0, 0), size()));
    }
    d->frameItem->setImage(normal, normal, normal, disabled, QString());
    _updateFrameState();
}

QString DuiTextEdit::frameImage() const
{
    return d_func()->frameImageSpec;
}

void DuiTextEdit::setframeImageColorizePolicy(ColorizeWidgetFlag policy)
{
    Q_D(DuiTextEdit);
    if (d->frameItem)
        d->frameItem->setColorizePolicy(policy);
}

DuiWidget::ColorizeWidgetFlag DuiTextEdit::frameImageColorizePolicy() const
{
    Q_D(const DuiTextEdit);
    return d->frameItem ? d->frameItem->colorizePolicy() : ColorizeWidgetFlag(0);
}

void DuiTextEdit::_updateFrameState()
{
    Q_D(DuiTextEdit);
    if (!d->frameItem)
        return;
    const bool readOnly = isReadOnly();
    if (readOnly) {
        d->frameItem->setColorizePolicy(UnColorableFlag);
        d->frameItem->setEnable(false);
    } else {
        // Enable first: a frame item takes policies given while disabled only for the moment.
        d->frameItem->setEnable(true);
        d->frameItem->setColorizePolicy(ColorableFlag);
    }
    d->frameItem->colorize(DuiTheme::getColor(DuiTheme::DarkestColor));
}

void DuiTextEdit::setReadOnly(bool readOnly)
{
    Q_D(DuiTextEdit);
    d->richEdit->setReadOnly(readOnly);
    d->richEdit->setTextInteractionFlags(readOnly ? Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard
                                                  : Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                                            | Qt::LinksAccessibleByMouse | Qt::TextEditable);
    _updateFrameState();
}

bool DuiTextEdit::isReadOnly() const
{
    return d_func()->richEdit->isReadOnly();
}

void DuiTextEdit::setCharFormat(const QTextCharFormat &format)
{
    Q_D(DuiTextEdit);
    RichTextEdit *rich = d->richEdit;
    QPalette palette = rich->palette();
    palette.setColor(QPalette::Text, format.foreground().color());
    rich->setPalette(palette);
    if (format != rich->defaultCharFormat) {
        rich->defaultCharFormat = format;
        QTextCursor cursor = rich->textCursor();
        const int position = cursor.position();
        cursor.select(QTextCursor::Document);
        if (cursor.hasSelection()) {
            cursor.mergeCharFormat(format);
            cursor.setPosition(position);
            rich->setTextCursor(cursor);
        } else {
            rich->setCurrentCharFormat(format);
        }
    }
    rich->setFont(format.font());
}

QTextCharFormat DuiTextEdit::charFormat() const
{
    return d_func()->richEdit->defaultCharFormat;
}

QString DuiTextEdit::toPlainText() const
{
    return d_func()->richEdit->toPlainText();
}

QString DuiTextEdit::toText() const
{
    Q_D(const DuiTextEdit);
    const QString plain = document()->toRawText();
    QString out;
    out.reserve(plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        if (c != QChar::ObjectReplacementCharacter) {
            out.append(c == QChar::ParagraphSeparator ? QChar(QLatin1Char('\n')) : c);
            continue;
        }
        for (DuiTextAbstractIntellisenseInput *input : std::as_const(d->richEdit->inputs)) {
            bool handled = false;
            const QString text = input->objectText(int(i) + 1, handled);
            if (handled) {
                out.append(text);
                break;
            }
        }
    }
    return out;
}

bool DuiTextEdit::addIntellisenseInput(DuiTextAbstractIntellisenseInput *input)
{
    Q_D(DuiTextEdit);
    RichTextEdit *rich = d->richEdit;
    // A second entry would make the input its own successor: every call would recurse for ever.
    if (!input || input == &rich->defaultInput || rich->inputs.contains(input))
        return false;
    if (!rich->inputs.isEmpty())
        rich->inputs.last()->setNext(input);
    rich->inputs.append(input);
    input->setNext(&rich->defaultInput);
    return true;
}

bool DuiTextEdit::addCopyPasteHandler(DuiTextEditCopyPasteHandler *handler)
{
    Q_D(DuiTextEdit);
    RichTextEdit *rich = d->richEdit;
    if (!handler || rich->handlers.contains(handler))
        return false;
    handler->setNextChain(rich->firstHandler);
    if (rich->handlers.first() == rich->firstHandler)
        rich->handlers.removeFirst();
    else
        rich->handlers.last()->setNextChain(handler);
    rich->handlers.append(handler);
    return true;
}

DuiTextCursor DuiTextEdit::textCursor() const
{
    Q_D(const DuiTextEdit);
    const QTextCursor cursor = d->richEdit->textCursor();
    return DuiTextCursor(d->richEdit, cursor.isNull() ? QTextCursor(document()) : cursor);
}

void DuiTextEdit::setTextCursor(const QTextCursor &cursor)
{
    d_func()->richEdit->setTextCursor(cursor);
}

DuiTextCursor DuiTextEdit::cursorForPosition(const QPoint &point) const
{
    Q_D(const DuiTextEdit);
    const int exact = exactPositionFromPoint(point);
    if (exact < 0)
        return DuiTextCursor(d->richEdit, d->richEdit->cursorForPosition(point));
    QTextCursor cursor(document());
    cursor.setPosition(qMin(exact, document()->characterCount() - 1));
    return DuiTextCursor(d->richEdit, cursor);
}

DuiTextCursor DuiTextEdit::currentLinkCursor() const
{
    return cursorForPosition(d_func()->richEdit->lastPressPos);
}

int DuiTextEdit::exactPositionFromPoint(const QPoint &point) const
{
    return d_func()->richEdit->exactPositionFromPoint(point);
}

bool DuiTextEdit::isLinkObject(const QPoint &point) const
{
    const int position = exactPositionFromPoint(point);
    if (position < 1)
        return false;
    QTextCursor cursor(document());
    cursor.setPosition(qMin(position, document()->characterCount() - 1));
    return cursor.charFormat().isAnchor();
}

void DuiTextEdit::setBackgroundColor(QColor color)
{
    Q_D(DuiTextEdit);
    DuiWidget::setBackgroundColor(color);
    if (!d->proxy)
        return;
    QPalette palette = d->richEdit->palette();
    palette.setColor(QPalette::Window, kTransparentWhite);
    palette.setColor(QPalette::Base, color);
    d->richEdit->setPalette(palette);
    QPalette viewport = d->richEdit->viewport()->palette();
    viewport.setColor(QPalette::Base, color);
    d->richEdit->viewport()->setPalette(viewport);
}

int DuiTextEdit::horizontalOffset() const
{
    const QScrollBar *bar = horizontalScrollBar();
    return d_func()->richEdit->isRightToLeft() ? bar->maximum() - bar->value() : bar->value();
}

int DuiTextEdit::verticalOffset() const
{
    return verticalScrollBar()->value();
}

QPointF DuiTextEdit::mapToContents(const QPointF &point) const
{
    return point + QPointF(horizontalOffset(), verticalOffset());
}

void DuiTextEdit::setPlaceholderText(const QString &text) { d_func()->richEdit->setPlaceholderText(text); }
QString DuiTextEdit::placeHolderText() const { return d_func()->richEdit->placeholderText(); }
void DuiTextEdit::setMaxLength(int length) { d_func()->richEdit->maxLength = length < 0 ? -1 : length; }
int DuiTextEdit::maxLength() const { return d_func()->richEdit->maxLength; }
void DuiTextEdit::setAcceptEnter(bool accept) { d_func()->richEdit->acceptEnter = accept; }
void DuiTextEdit::makeCtrlEnterAsEnter(bool enterInsertsNewline) { d_func()->richEdit->enterInsertsNewline = enterInsertsNewline; }
void DuiTextEdit::setDefaultContextMenuEnable(bool enable) { d_func()->defaultContextMenuEnabled = enable; }
void DuiTextEdit::setAnimationEnabled(bool enable) { d_func()->richEdit->gifPool()->setEnableUpdate(enable); }
GifPool *DuiTextEdit::gifPool() const { return d_func()->richEdit->gifPool(); }
void DuiTextEdit::setDelayUpdate(bool delay) { d_func()->delayUpdate = delay; }
bool DuiTextEdit::delayUpdate() const { return d_func()->delayUpdate; }

void DuiTextEdit::clear()
{
    Q_D(DuiTextEdit);
    d->richEdit->clear();
    d->richEdit->gifPool()->deleteAll();
}

// Plain forwarding to the editing widget.
QString DuiTextEdit::toHtml() const { return d_func()->richEdit->toHtml(); }
void DuiTextEdit::setText(const QString &text) { d_func()->richEdit->setText(text); }
void DuiTextEdit::insertHtml(const QString &html) { d_func()->richEdit->insertHtml(html); }
QTextDocument *DuiTextEdit::document() const { return d_func()->richEdit->document(); }
void DuiTextEdit::setFont(const QFont &font) { d_func()->richEdit->setFont(font); }
QFont DuiTextEdit::font() const { return d_func()->richEdit->font(); }
QFont DuiTextEdit::currentFont() const { return d_func()->richEdit->currentFont(); }
void DuiTextEdit::setCurrentFont(const QFont &font) { d_func()->richEdit->setCurrentFont(font); }
void DuiTextEdit::setTextColor(const QColor &color) { d_func()->richEdit->setTextColor(color); }
QFontMetrics DuiTextEdit::fontMetrics() const { return d_func()->richEdit->fontMetrics(); }
void DuiTextEdit::setWordWrapMode(QTextOption::WrapMode mode) { d_func()->richEdit->setWordWrapMode(mode); }
void DuiTextEdit::setFrameShape(QFrame::Shape shape) { d_func()->richEdit->setFrameShape(shape); }
void DuiTextEdit::setHorizontalScrollBarPolicy(Qt::ScrollBarPolicy policy) { d_func()->richEdit->setHorizontalScrollBarPolicy(policy); }
void DuiTextEdit::setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy) { d_func()->richEdit->setVerticalScrollBarPolicy(policy); }
void DuiTextEdit::setStyleSheet(const QString &styleSheet) { d_func()->richEdit->setStyleSheet(styleSheet); }
void DuiTextEdit::setOverwriteMode(bool overwrite) { d_func()->richEdit->setOverwriteMode(overwrite); }
bool DuiTextEdit::overwriteMode() const { return d_func()->richEdit->overwriteMode(); }
void DuiTextEdit::setUndoRedoEnabled(bool enabled) { d_func()->richEdit->setUndoRedoEnabled(enabled); }
void DuiTextEdit::setTabChangesFocus(bool changes) { d_func()->richEdit->setTabChangesFocus(changes); }
void DuiTextEdit::setAcceptDrops(bool accept) { d_func()->richEdit->setAcceptDrops(accept); }
bool DuiTextEdit::hasFocus() const { return d_func()->richEdit->hasFocus(); }
void DuiTextEdit::setFocus() { d_func()->richEdit->setFocus(Qt::OtherFocusReason); }
void DuiTextEdit::scrollToEnd() { verticalScrollBar()->setValue(verticalScrollBar()->maximum()); }
void DuiTextEdit::scrollToTop() { verticalScrollBar()->setValue(verticalScrollBar()->minimum()); }
void DuiTextEdit::scrollToLeft() { horizontalScrollBar()->setValue(horizontalScrollBar()->minimum()); }
int DuiTextEdit::verticalSliderPosition() const { return verticalScrollBar()->value(); }
void DuiTextEdit::setVerticalSliderPosition(int position) { verticalScrollBar()->setValue(position); }
int DuiTextEdit::horizontalSliderPostion() const { return horizontalScrollBar()->value(); }
void DuiTextEdit::setHorizontalSliderPostion(int position) { horizontalScrollBar()->setValue(position); }
QScrollBar *DuiTextEdit::verticalScrollBar() const { return d_func()->richEdit->verticalScrollBar(); }
QScrollBar *DuiTextEdit::horizontalScrollBar() const { return d_func()->richEdit->horizontalScrollBar(); }
QWidget *DuiTextEdit::realWidget() const { return d_func()->richEdit; }
void DuiTextEdit::copy() { d_func()->richEdit->copy(); }
void DuiTextEdit::cut() { d_func()->richEdit->cut(); }
void DuiTextEdit::paste() { d_func()->richEdit->paste(); }
void DuiTextEdit::selectAll() { d_func()->richEdit->selectAll(); }
void DuiTextEdit::on_inputCutAction_triggered(bool) { cut(); }
void DuiTextEdit::on_inputCopyAction_triggered(bool) { copy(); }
void DuiTextEdit::on_inputPasteAction_triggered(bool) { paste(); }
void DuiTextEdit::on_inputSelectAll_triggered(bool) { selectAll(); }
