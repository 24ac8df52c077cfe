// SPDX-License-Identifier: MIT
#include <duiframeitem.h>
#include <duilineedit.h>

#include "controlstest.h"

#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicsproxywidget.h>
#include <QtWidgets/qgraphicsview.h>

using namespace controlstest;

namespace {

QGraphicsProxyWidget *proxyOf(DuiLineEdit *edit)
{
    for (QGraphicsItem *child : edit->childItems()) {
        if (auto *proxy = qgraphicsitem_cast<QGraphicsProxyWidget *>(child))
            return proxy;
    }
    return nullptr;
}

DuiFrameItem *frameOf(DuiLineEdit *edit)
{
    for (QGraphicsItem *child : edit->childItems()) {
        if (auto *frame = dynamic_cast<DuiFrameItem *>(child))
            return frame;
    }
    return nullptr;
}

using Setup = void (*)(DuiLineEdit &);

// What a host can read back from a field, in one comparable list.
QStringList snapshot(DuiLineEdit &edit)
{
    const QMargins m = edit.textMargins();
    return {edit.text(), edit.displayText(), edit.placeholderText(), QString::number(edit.alignment()),
            QString::number(edit.echoMode()), QString::number(edit.maxLength()), QString::number(edit.isReadOnly()),
            QStringLiteral("%1,%2,%3,%4").arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom()), edit.validator(),
            QString::number(edit.isModified()), QString::number(edit.cursorPosition()), QString::number(edit.hasFrame()),
            QString::number(edit.hasSelectedText()), edit.selectedText(), QString::number(edit.selectionStart()),
            QString::number(edit.isUndoAvailable()), QString::number(edit.isRedoAvailable()), edit.inputMask(),
            edit.styleSheet(), QString::number(edit.dragEnabled()), QString::number(edit.focus())};
}

const QList<QPair<const char *, Setup>> &setups()
{
    static const QList<QPair<const char *, Setup>> table = {
        {"nothing", [](DuiLineEdit &) {}},
        {"text", [](DuiLineEdit &e) { e.setText(QStringLiteral("hello world")); }},
        {"text cut by maxLength", [](DuiLineEdit &e) { e.setMaxLength(5); e.setText(QStringLiteral("abcdefgh")); }},
        {"maxLength after text", [](DuiLineEdit &e) { e.setText(QStringLiteral("abcdefgh")); e.setMaxLength(3); }},
        {"same text twice", [](DuiLineEdit &e) { e.setText(QStringLiteral("a")); e.setText(QStringLiteral("a")); }},
        {"placeholder, alignment, margins", [](DuiLineEdit &e) {
             e.setPlaceholderText(QStringLiteral("Search"));
             e.setAlignment(Qt::AlignRight | Qt::AlignTop);
             e.setTextMargins(1, 2, 3, 4);
         }},
        {"password", [](DuiLineEdit &e) { e.setEchoMode(QLineEdit::Password); e.setText(QStringLiteral("s\U0001F600t")); }},
        {"no echo", [](DuiLineEdit &e) { e.setEchoMode(QLineEdit::NoEcho); e.setText(QStringLiteral("secret")); }},
        {"control characters", [](DuiLineEdit &e) { e.setText(QStringLiteral("a\tb\nc\u2028d")); }},
        {"read-only", [](DuiLineEdit &e) { e.setReadOnly(true); e.setText(QStringLiteral("x")); }},
        {"read-only and back", [](DuiLineEdit &e) { e.setReadOnly(true); e.setReadOnly(false); }},
        {"validator", [](DuiLineEdit &e) { e.setValidator(QStringLiteral("[0-9]*")); e.setText(QStringLiteral("12")); }},
        {"validator removed", [](DuiLineEdit &e) { e.setValidator(QStringLiteral("[0-9]*")); e.setValidator(QString()); }},
        {"modified, then new text", [](DuiLineEdit &e) { e.setModified(true); e.setText(QStringLiteral("b")); }},
        {"modified", [](DuiLineEdit &e) { e.setText(QStringLiteral("b")); e.setModified(true); }},
        {"frame off", [](DuiLineEdit &e) { e.setFrame(false); }},
        {"background", [](DuiLineEdit &e) { e.setBackgroundColor(QColor(255, 255, 0)); }},
    };
    return table;
}

} // namespace

class tst_DuiLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void geometry_data();
    void geometry();
    void absurdSizeRefused();
    void typingThroughAView();
    void validator();
    void readOnlyLook();
    void capsLockInPasswordMode();
    void clickAndFocusSignals();
    void forwarding();
    void absurdTexts();
    void stateBeforeTheEditor_data();
    void stateBeforeTheEditor();
    void looksTheSameBeforeTheEditor_data();
    void looksTheSameBeforeTheEditor();
    void hoverMakesTheEditor();
};

void tst_DuiLineEdit::construction()
{
    DuiLineEdit edit;
    // The editor is made on first use, and then hosted by the same proxy.
    QGraphicsProxyWidget *proxy = proxyOf(&edit);
    QVERIFY(proxy);
    QCOMPARE(proxy->widget(), nullptr);
    QCOMPARE(edit.dragPolicy(), DuiWidget::NotDragWindow);
    QCOMPARE(edit.maximumSize(), QSizeF(4096, 24));
    QVERIFY(!edit.lineEdit()->hasFrame());
    QCOMPARE(edit.lineEdit()->palette().color(QPalette::Base), QColor(Qt::white));
    DuiFrameItem *frame = frameOf(&edit);
    QVERIFY(frame);
    QCOMPARE(frame->imagePath(), QStringLiteral(":/theme/duifw/edit_background.png"));
    QCOMPARE(frame->themeColorType(), 9);
    QCOMPARE(frame->frameType(), int(DuiFrameItemDrawer::NinePieces));
    QLineEdit *editor = edit.lineEdit();
    QCOMPARE(proxy->widget(), editor);
    QCOMPARE(edit.lineEdit(), editor);
    QCOMPARE(proxy->minimumWidth(), 20.0);
    QCOMPARE(proxy->focusPolicy(), Qt::ClickFocus);
}

void tst_DuiLineEdit::geometry_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QRectF>("editor");
    QTest::addColumn<bool>("editorFirst");
    for (const bool editorFirst : {false, true}) {
        const char *when = editorFirst ? "editor, then resize: " : "resize, then editor: ";
        QTest::addRow("%sstandard height", when) << QSizeF(200, 24) << QRectF(3, 2, 194, 20) << editorFirst;
        // Below the QLineEdit's own minimum height the editor still keeps inside the frame.
        QTest::addRow("%slow", when) << QSizeF(150, 20) << QRectF(3, 2, 144, 16) << editorFirst;
        QTest::addRow("%svery low", when) << QSizeF(100, 8) << QRectF(3, 2, 94, 4) << editorFirst;
    }
}

void tst_DuiLineEdit::geometry()
{
    QFETCH(QSizeF, size);
    QFETCH(QRectF, editor);
    QFETCH(bool, editorFirst);
    DuiLineEdit edit;
    edit.setMinimumSize(0, 0);
    if (editorFirst)
        edit.lineEdit();
    edit.resize(size);
    QCOMPARE(proxyOf(&edit)->geometry(), editor);
    QCOMPARE(QSizeF(edit.lineEdit()->size()), editor.size());
    QCOMPARE(proxyOf(&edit)->geometry(), editor);
    QCOMPARE(frameOf(&edit)->geometry(), QRectF(QPointF(0, 0), size));
}

void tst_DuiLineEdit::absurdSizeRefused()
{
    DuiLineEdit edit;
    edit.resize(200, 24);
    edit.setMaximumSize(100000, 100000);
    edit.resize(20000, 24);
    QCOMPARE(frameOf(&edit)->geometry(), QRectF(0, 0, 200, 24)); // left as it was
}

void tst_DuiLineEdit::typingThroughAView()
{
    QGraphicsScene scene;
    auto *edit = new DuiLineEdit;
    scene.addItem(edit);
    edit->resize(200, 24);
    QGraphicsView view(&scene);
    view.resize(260, 80);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy changed(edit, &DuiLineEdit::textChanged);
    QSignalSpy edited(edit, &DuiLineEdit::textEdited);
    QSignalSpy returned(edit, &DuiLineEdit::returnPressed);
    QSignalSpy clicked(edit, &DuiLineEdit::leftButtonClicked);
    const QPoint inField = view.mapFromScene(edit->mapToScene(QPointF(50, 12)));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, inField);
    QCOMPARE(clicked.count(), 1);
    QTRY_VERIFY(edit->focus());
    QTest::keyClicks(view.viewport(), QStringLiteral("hello"));
    QCOMPARE(edit->text(), QStringLiteral("hello"));
    QCOMPARE(changed.count(), 5);
    QCOMPARE(edited.count(), 5);
    QTest::keyClick(view.viewport(), Qt::Key_Return);
    QCOMPARE(returned.count(), 1);
}

void tst_DuiLineEdit::validator()
{
    DuiLineEdit edit;
    QVERIFY(edit.setProperty("validator", QStringLiteral("[0-9]*")));
    QCOMPARE(edit.validator(), QStringLiteral("[0-9]*"));
    QTest::keyClicks(edit.lineEdit(), QStringLiteral("a1b2"));
    QCOMPARE(edit.text(), QStringLiteral("12"));
    edit.setValidator(QString());
    QCOMPARE(edit.validator(), QString());
    QTest::keyClicks(edit.lineEdit(), QStringLiteral("c"));
    QCOMPARE(edit.text(), QStringLiteral("12c"));
    // A bad pattern is reported, not fatal.
    edit.setValidator(QStringLiteral("(["));
    QTest::keyClicks(edit.lineEdit(), QStringLiteral("x"));
}

void tst_DuiLineEdit::readOnlyLook()
{
    QGraphicsScene scene;
    auto *edit = new DuiLineEdit;
    scene.addItem(edit);
    edit->setColorizePolicy(DuiWidget::ColorableFlag);
    DuiFrameItem *frame = frameOf(edit);
    QVERIFY(edit->setProperty("readOnly", true));
    QVERIFY(edit->isReadOnly());
    QCOMPARE(edit->lineEdit()->palette().color(QPalette::Base), QColor(239, 239, 239));
    QCOMPARE(frame->colorizePolicy(), DuiWidget::UnColorableFlag);
    QCOMPARE(frame->graphicsEffect(), nullptr);
    // The policy given while read-only does not reach the skin.
    edit->setColorizePolicy(DuiWidget::FollowParent);
    QCOMPARE(frame->colorizePolicy(), DuiWidget::UnColorableFlag);

    edit->setReadOnly(false);
    QCOMPARE(edit->lineEdit()->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(frame->colorizePolicy(), DuiWidget::FollowParent);

    // The disabled skin image is what shows while read-only.
    edit->resize(60, 24);
    edit->setReadOnly(true);
    const QImage readOnly = render(scene, QRectF(0, 0, 60, 24));
    edit->setReadOnly(false);
    frame->setColorizePolicy(DuiWidget::UnColorableFlag);
    frame->setGraphicsEffect(nullptr);
    const QImage editable = render(scene, QRectF(0, 0, 60, 24));
    QVERIFY(readOnly.pixelColor(0, 12) != editable.pixelColor(0, 12));
}

void tst_DuiLineEdit::capsLockInPasswordMode()
{
    DuiLineEdit edit;
    auto *inner = edit.lineEdit();
    QSignalSpy caps(inner, SIGNAL(capsLockChanged()));
    QTest::keyClick(inner, Qt::Key_CapsLock);
    QCOMPARE(caps.count(), 0);
    edit.setEchoMode(QLineEdit::Password);
    QTest::keyClick(inner, Qt::Key_CapsLock);
    QCOMPARE(caps.count(), 1);
}

void tst_DuiLineEdit::clickAndFocusSignals()
{
    DuiLineEdit edit;
    QSignalSpy clicked(&edit, &DuiLineEdit::leftButtonClicked);
    QSignalSpy focusOut(&edit, &DuiLineEdit::focusOut);
    QTest::mouseClick(edit.lineEdit(), Qt::LeftButton);
    QTest::mouseClick(edit.lineEdit(), Qt::RightButton);
    QCOMPARE(clicked.count(), 1);
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(edit.lineEdit(), &out);
    QCOMPARE(focusOut.count(), 1);
    // Context menus are left to the application: the editor ignores them.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QCoreApplication::sendEvent(edit.lineEdit(), &menu);
    QVERIFY(!menu.isAccepted());
}

void tst_DuiLineEdit::forwarding()
{
    DuiLineEdit edit;
    QVERIFY(edit.setProperty("text", QStringLiteral("abc def")));
    QVERIFY(edit.setProperty("placeholderText", QStringLiteral("Search")));
    QVERIFY(edit.setProperty("maxLength", 5));
    QCOMPARE(edit.text(), QStringLiteral("abc d"));
    QCOMPARE(edit.placeholderText(), QStringLiteral("Search"));
    QVERIFY(QMetaObject::invokeMethod(&edit, "home", Q_ARG(bool, false)));
    QCOMPARE(edit.cursorPosition(), 0);
    QVERIFY(QMetaObject::invokeMethod(&edit, "end", Q_ARG(bool, true)));
    QCOMPARE(edit.selectedText(), QStringLiteral("abc d"));
    edit.setSelection(0, 3);
    QCOMPARE(edit.selectedText(), QStringLiteral("abc"));
    edit.on_inputSelectAll_triggered(false);
    QVERIFY(edit.hasSelectedText());
    edit.setTextMargins(1, 2, 3, 4);
    int l, t, r, b;
    edit.getTextMargins(&l, &t, &r, &b);
    QCOMPARE(QMargins(l, t, r, b), QMargins(1, 2, 3, 4));
    edit.setAlignment(Qt::AlignRight);
    QCOMPARE(edit.alignment(), Qt::AlignRight);
    edit.setFrameImage(QStringLiteral(":/theme/duifw/tab_normal.xml"));
    QCOMPARE(edit.frameImage(), QStringLiteral(":/theme/duifw/tab_normal.xml"));
    QCOMPARE(frameOf(&edit)->drawStyle(), DuiFrameItem::LinearGradientDrawStyle);
    edit.setFrame(false);
    QVERIFY(!frameOf(&edit)->isVisible());
    edit.clear();
    QCOMPARE(edit.text(), QString());
}

void tst_DuiLineEdit::absurdTexts()
{
    DuiLineEdit edit;
    edit.resize(120, 24);
    edit.setMaxLength(200000);
    edit.setText(QString(100000, QLatin1Char('m')));
    QCOMPARE(edit.text().size(), 100000);
    edit.setText(QStringLiteral("\u0645\u0631\u062D\u0628\u0627 a\u0300\u0301\u0302"));
    edit.setText(QString(QChar(0)) + QStringLiteral("after nul"));
    QGraphicsScene scene;
    scene.addItem(&edit);
    render(scene, QRectF(0, 0, 120, 24));
    scene.removeItem(&edit);
}

void tst_DuiLineEdit::stateBeforeTheEditor_data()
{
    QTest::addColumn<int>("setup");
    for (int i = 0; i < setups().size(); ++i)
        QTest::newRow(setups().at(i).first) << i;
}

// A field set up before its editor exists answers, signals and ends up exactly like one whose
// editor was there from the start.
void tst_DuiLineEdit::stateBeforeTheEditor()
{
    QFETCH(int, setup);
    const Setup apply = setups().at(setup).second;
    DuiLineEdit eager;
    eager.lineEdit();
    QSignalSpy eagerChanged(&eager, &DuiLineEdit::textChanged);
    apply(eager);
    DuiLineEdit lazy;
    QSignalSpy lazyChanged(&lazy, &DuiLineEdit::textChanged);
    apply(lazy);

    QCOMPARE(proxyOf(&lazy)->widget(), nullptr);
    QCOMPARE(snapshot(lazy), snapshot(eager));
    QCOMPARE(lazyChanged, eagerChanged);
    QLineEdit *made = lazy.lineEdit();
    QCOMPARE(snapshot(lazy), snapshot(eager));
    QCOMPARE(lazyChanged, eagerChanged);
    QCOMPARE(made->palette().color(QPalette::Base), eager.lineEdit()->palette().color(QPalette::Base));
    QCOMPARE(made->validator() != nullptr, eager.lineEdit()->validator() != nullptr);
    // The validator goes on working in the editor made late.
    QTest::keyClicks(made, QStringLiteral("7z"));
    QTest::keyClicks(eager.lineEdit(), QStringLiteral("7z"));
    QCOMPARE(lazy.text(), eager.text());
}

void tst_DuiLineEdit::looksTheSameBeforeTheEditor_data()
{
    stateBeforeTheEditor_data();
    QTest::newRow("long text, scrolled to its end") << -1;
    QTest::newRow("centred") << -2;
    QTest::newRow("disabled") << -3;
}

// The field draws itself until the editor is made; the two drawings must match.
void tst_DuiLineEdit::looksTheSameBeforeTheEditor()
{
    QFETCH(int, setup);
    QGraphicsScene scene;
    auto *edit = new DuiLineEdit;
    scene.addItem(edit);
    edit->resize(120, 24);
    switch (setup) {
    case -1:
        edit->setText(QStringLiteral("a text far longer than the field is wide, ending HERE"));
        break;
    case -2:
        edit->setText(QStringLiteral("mid"));
        edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        break;
    case -3:
        edit->setText(QStringLiteral("greyed"));
        edit->setEnabled(false);
        break;
    default:
        setups().at(setup).second(*edit);
    }
    const QImage before = render(scene, QRectF(0, 0, 120, 24));
    edit->lineEdit();
    QVERIFY(proxyOf(edit)->widget());
    const QImage after = render(scene, QRectF(0, 0, 120, 24));
    int differing = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x)
            differing += before.pixel(x, y) != after.pixel(x, y);
    }
    if (differing) {
        before.save(QStringLiteral("lineedit-before.png"));
        after.save(QStringLiteral("lineedit-after.png"));
    }
    QCOMPARE(differing, 0);
    // An editor made under a disabled field follows it when it is enabled again.
    QCOMPARE(edit->lineEdit()->isEnabled(), edit->isEnabled());
    edit->setEnabled(true);
    QVERIFY(edit->lineEdit()->isEnabled());
}

// Pointing at a field is enough to make its editor, so the press that follows reaches it.
void tst_DuiLineEdit::hoverMakesTheEditor()
{
    QGraphicsScene scene;
    auto *edit = new DuiLineEdit;
    scene.addItem(edit);
    edit->resize(200, 24);
    hover(scene, QPointF(150, 50));
    QCOMPARE(proxyOf(edit)->widget(), nullptr);
    hover(scene, QPointF(50, 12));
    QVERIFY(proxyOf(edit)->widget());
}

QTEST_MAIN(tst_DuiLineEdit)
#include "tst_duilineedit.moc"
