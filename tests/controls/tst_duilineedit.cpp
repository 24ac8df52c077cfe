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
};

void tst_DuiLineEdit::construction()
{
    DuiLineEdit edit;
    QCOMPARE(edit.dragPolicy(), DuiWidget::NotDragWindow);
    QCOMPARE(edit.maximumSize(), QSizeF(4096, 24));
    QVERIFY(!edit.lineEdit()->hasFrame());
    QCOMPARE(edit.lineEdit()->palette().color(QPalette::Base), QColor(Qt::white));
    DuiFrameItem *frame = frameOf(&edit);
    QVERIFY(frame);
    QCOMPARE(frame->imagePath(), QStringLiteral(":/theme/duifw/edit_background.png"));
    QCOMPARE(frame->themeColorType(), 9);
    QCOMPARE(frame->frameType(), int(DuiFrameItemDrawer::NinePieces));
    QGraphicsProxyWidget *proxy = proxyOf(&edit);
    QVERIFY(proxy);
    QCOMPARE(proxy->widget(), edit.lineEdit());
    QCOMPARE(proxy->minimumWidth(), 20.0);
}

void tst_DuiLineEdit::geometry_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QRectF>("editor");
    QTest::newRow("standard height") << QSizeF(200, 24) << QRectF(3, 2, 194, 20);
    // Below the QLineEdit's own minimum height the editor still keeps inside the frame.
    QTest::newRow("low") << QSizeF(150, 20) << QRectF(3, 2, 144, 16);
    QTest::newRow("very low") << QSizeF(100, 8) << QRectF(3, 2, 94, 4);
}

void tst_DuiLineEdit::geometry()
{
    QFETCH(QSizeF, size);
    QFETCH(QRectF, editor);
    DuiLineEdit edit;
    edit.setMinimumSize(0, 0);
    edit.resize(size);
    QCOMPARE(proxyOf(&edit)->geometry(), editor);
    QCOMPARE(QSizeF(proxyOf(&edit)->widget()->size()), editor.size());
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

QTEST_MAIN(tst_DuiLineEdit)
#include "tst_duilineedit.moc"
