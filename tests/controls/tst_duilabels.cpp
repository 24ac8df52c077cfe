// SPDX-License-Identifier: MIT
#include <duieditlabel.h>
#include <duigraphicsoutergloweffect.h>
#include <duihtmllabelwidget.h>
#include <duilabelwidget.h>
#include <duilineedit.h>
#include <duitheme.h>

#include "controlstest.h"

#include <QtGui/qfontmetrics.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsview.h>

using namespace controlstest;

class tst_DuiLabels : public QObject
{
    Q_OBJECT

private slots:
    void elision();
    void adjustTextFixesWidth();
    void alignmentAndFrame_data();
    void alignmentAndFrame();
    void linkClicksAndDrag();
    void hoverUnderline();
    void shadowGlow();
    void colorizeShadow();
    void enabledLook();
    void absurdTexts();
    void htmlLabel();
    void editLabelSubmit();
    void editLabelCancel();
    void editLabelContextMenuKeepsEditing();
};

void tst_DuiLabels::elision()
{
    DuiLabelWidget label;
    label.setMinimumSize(0, 0);
    label.resize(60, 20);
    label.setElidedText(true);
    const QString text = QStringLiteral("A rather long caption that does not fit");
    label.setText(text);
    QCOMPARE(label.text(), text);
    const QString shown = label.textItem()->text();
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(QFontMetricsF(label.font()).horizontalAdvance(shown) <= 60);
    label.resize(200, 20);
    const QString wider = label.textItem()->text();
    QVERIFY(wider.size() > shown.size());
    label.resize(2000, 20);
    QCOMPARE(label.textItem()->text(), text);
    label.resize(60, 20);
    label.setElidedText(false);
    QCOMPARE(label.textItem()->text(), text);
}

void tst_DuiLabels::adjustTextFixesWidth()
{
    DuiLabelWidget label;
    label.setFrame(QMargins(4, 0, 4, 0));
    const QString text = QStringLiteral("Adjusted");
    label.setAdjustText(text);
    const qreal textWidth = QFontMetricsF(label.font()).size(Qt::TextSingleLine, text).width();
    QCOMPARE(label.minimumWidth(), qreal(int(textWidth + 8)));
    QCOMPARE(label.maximumWidth(), qreal(int(textWidth + 8)));
    QCOMPARE(label.property("adjustText").toString(), text);
    label.resize(label.preferredSize());
    label.setAdjustText(QString());
    QCOMPARE(label.maximumWidth(), 0.0);
    // Emptied, the label holds no text; given the same text back it takes its width again.
    QCOMPARE(label.text(), QString());
    label.setAdjustText(text);
    QCOMPARE(label.maximumWidth(), qreal(int(textWidth + 8)));
    QCOMPARE(label.text(), text);
}

void tst_DuiLabels::alignmentAndFrame_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QString>("where");
    QTest::newRow("right bottom") << int(Qt::AlignRight | Qt::AlignBottom) << QMargins(0, 0, 5, 5) << "rb";
    QTest::newRow("left top") << int(Qt::AlignLeft | Qt::AlignTop) << QMargins(3, 2, 0, 0) << "lt";
    QTest::newRow("centre") << int(Qt::AlignCenter) << QMargins(10, 0, 0, 0) << "c";
    QTest::newRow("justify falls to 0") << int(Qt::AlignJustify | Qt::AlignTop) << QMargins(7, 0, 0, 0) << "0";
}

void tst_DuiLabels::alignmentAndFrame()
{
    QFETCH(int, alignment);
    QFETCH(QMargins, frame);
    QFETCH(QString, where);
    DuiLabelWidget label;
    label.setMinimumSize(0, 0);
    label.resize(200, 60);
    label.setFrame(frame);
    label.setText(QStringLiteral("Aligned"));
    label.setAlignment(Qt::Alignment(alignment));
    const QRectF text = label.textItem()->mapRectToParent(label.textItem()->boundingRect());
    if (where == QLatin1String("rb")) {
        QCOMPARE(text.right(), 195.0);
        QCOMPARE(text.bottom(), 55.0);
    } else if (where == QLatin1String("lt")) {
        QCOMPARE(text.topLeft(), QPointF(3, 2));
    } else if (where == QLatin1String("c")) {
        QCOMPARE(text.left(), 10 + (200 - text.width() - 10) / 2);
        QCOMPARE(text.top(), (60 - text.height()) / 2);
    } else {
        QCOMPARE(text.left(), 0.0);
    }
}

void tst_DuiLabels::linkClicksAndDrag()
{
    QGraphicsScene scene;
    auto *label = new DuiLabelWidget;
    scene.addItem(label);
    label->setMinimumSize(0, 0);
    label->resize(300, 30);
    label->setText(QStringLiteral("link"));
    QSignalSpy clicked(label, &DuiLabelWidget::clicked);
    const QPointF onText = label->textItem()->mapToScene(label->textItem()->boundingRect().center());
    const QPointF beside(280, 15);

    // Plain label: presses pass through, and the window may be dragged anywhere.
    mouse(scene, QEvent::GraphicsSceneMousePress, onText);
    QVERIFY(scene.mouseGrabberItem() != label);
    mouse(scene, QEvent::GraphicsSceneMouseRelease, onText);
    QCOMPARE(label->hitTest(onText), DuiWidget::DragWithParentFlag);

    label->setAcceptClick(true);
    QCOMPARE(label->hitTest(onText), DuiWidget::NotDragWindow);
    QCOMPARE(label->hitTest(beside), DuiWidget::DragWithParentFlag);
    click(scene, onText);
    QCOMPARE(clicked.count(), 1);
    mouse(scene, QEvent::GraphicsSceneMousePress, beside);
    QVERIFY(scene.mouseGrabberItem() != label); // beside the text: ignored
    mouse(scene, QEvent::GraphicsSceneMouseRelease, beside);
    QCOMPARE(clicked.count(), 1);

    // A link turns underline-on-hover on and makes the text a hit.
    label->setAcceptClick(false);
    label->setLink(QStringLiteral("about:blank"));
    QVERIFY(label->underlineOnHover());
    QVERIFY(label->acceptHoverEvents());
}

void tst_DuiLabels::hoverUnderline()
{
    QGraphicsScene scene;
    auto *label = new DuiLabelWidget;
    scene.addItem(label);
    label->setMinimumSize(0, 0);
    label->resize(300, 30);
    label->setText(QStringLiteral("hover me"));
    label->setAcceptClick(true);
    label->setUnderlineOnHover(true);
    const QPointF onText = label->textItem()->mapToScene(label->textItem()->boundingRect().center());
    hover(scene, onText);
    QVERIFY(label->textItem()->font().underline());
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    hover(scene, QPointF(500, 500));
    QVERIFY(!label->textItem()->font().underline());
}

void tst_DuiLabels::shadowGlow()
{
    DuiLabelWidget label;
    QVERIFY(label.setProperty("dropShadow", true));
    auto *glow = qobject_cast<DuiGraphicsOuterGlowEffect *>(label.textItem()->graphicsEffect());
    QVERIFY(glow);
    QCOMPARE(glow->blurRadius(), 2);
    QCOMPARE(glow->color(), QColor(0, 0, 0, 102));
    QCOMPARE(glow->size(), 1.0);
    QCOMPARE(glow->opacity(), 0.7);
    QPointer<DuiGraphicsOuterGlowEffect> old = glow;
    label.setShadowOffset(QPointF(3, 3));
    QVERIFY(!old); // rebuilt
    glow = qobject_cast<DuiGraphicsOuterGlowEffect *>(label.textItem()->graphicsEffect());
    QCOMPARE(glow->color(), QColor(0, 0, 0, 102));
    QCOMPARE(label.shadowOffset(), QPointF(3, 3));
    old = glow;
    label.setShadowOpacity(0.7 + 1e-15); // within the tolerance: nothing changes
    QVERIFY(old);
    label.setShadowColor(Qt::white);
    glow = qobject_cast<DuiGraphicsOuterGlowEffect *>(label.textItem()->graphicsEffect());
    QCOMPARE(glow->color(), QColor(Qt::white));
    label.setDropShadow(false);
    QCOMPARE(label.textItem()->graphicsEffect(), nullptr);
}

void tst_DuiLabels::colorizeShadow()
{
    DuiLabelWidget label;
    label.setColorizePolicy(DuiWidget::ColorableFlag);
    label.setDropShadow(true);
    label.setThemeColorType(DuiTheme::StrongColor);
    label.colorize(0xFF123456);
    QCOMPARE(label.shadowColor().rgba(), DuiTheme::getColor(DuiTheme::StrongColor));
    QCOMPARE(label.graphicsEffect(), nullptr);
    // Without a shadow, the ordinary tint.
    DuiLabelWidget plain;
    plain.setColorizePolicy(DuiWidget::ColorableFlag);
    plain.colorize(0xFF123456);
    QVERIFY(qobject_cast<QGraphicsColorizeEffect *>(plain.graphicsEffect()));

    DuiEditLabel edit;
    edit.setThemeColorType(DuiTheme::DarkColor);
    edit.setColorizePolicy(DuiWidget::ColorableFlag);
    edit.colorize(0xFF000000);
    QCOMPARE(edit.textColor().rgba(), DuiTheme::getColor(DuiTheme::DarkColor));
}

void tst_DuiLabels::enabledLook()
{
    DuiLabelWidget label;
    label.setEnabled(false);
    auto *grey = qobject_cast<QGraphicsColorizeEffect *>(label.graphicsEffect());
    QVERIFY(grey);
    QCOMPARE(grey->color(), QColor(Qt::gray));
    label.setEnabled(true);
    QCOMPARE(label.graphicsEffect(), nullptr);
    QVERIFY(label.isEnabled());
}

void tst_DuiLabels::absurdTexts()
{
    QGraphicsScene scene;
    auto *label = new DuiLabelWidget;
    scene.addItem(label);
    label->setMinimumSize(0, 0);
    label->resize(100, 20);
    label->setElidedText(true);
    label->setText(QString(100000, QLatin1Char('w')));
    QVERIFY(label->textItem()->text().size() < 100);
    label->setText(QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u0627\u0644\u0639\u0627\u0644\u0645 o\u0308\u0301"));
    label->setText(QString(QChar(0)) + QStringLiteral("x"));
    label->setFontSize(0);
    label->setFontSize(-5);
    label->setFontSize(500);
    render(scene, QRectF(0, 0, 100, 20));
}

void tst_DuiLabels::htmlLabel()
{
    QGraphicsScene scene;
    auto *html = new DuiHtmlLabelWidget;
    scene.addItem(html);
    html->setMinimumSize(0, 0);
    html->resize(120, 80);
    html->setText(QStringLiteral("<b>Bold</b> and a <a href=\"x\">link</a> in text that wraps to the width"));
    QCOMPARE(html->plateText(), QStringLiteral("Bold and a link in text that wraps to the width"));
    QVERIFY(html->text().contains(QStringLiteral("<a href=\"x\">")));
    QCOMPARE(html->textItem()->textWidth(), 120.0);
    QCOMPARE(html->textItem()->pos(), QPointF(0, -4));
    QVERIFY(html->textItem()->boundingRect().height() > QFontMetricsF(html->textItem()->font()).height() * 1.5);

    QCOMPARE(html->dragPolicy(), DuiWidget::DragWithParentFlag);
    html->setAcceptClick(true);
    QCOMPARE(html->dragPolicy(), DuiWidget::NotDragWindow);
    QSignalSpy clicked(html, &DuiHtmlLabelWidget::clicked);
    click(scene, QPointF(10, 10));
    QCOMPARE(clicked.count(), 1);
    html->setAcceptClick(false);
    QCOMPARE(html->dragPolicy(), DuiWidget::DragWithParentFlag);
    html->setLink(QStringLiteral("about:blank"));
    QVERIFY(html->underlineOnHover());
    QCOMPARE(html->dragPolicy(), DuiWidget::NotDragWindow);

    html->setShadowColor(Qt::black);
    html->setDropShadow(true);
    auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(html->textItem()->graphicsEffect());
    QVERIFY(shadow);
    QCOMPARE(shadow->offset(), QPointF(1, 1));
    QCOMPARE(shadow->blurRadius(), 3.0);
    html->setDropShadow(false);
    QCOMPARE(html->textItem()->graphicsEffect(), nullptr);
    html->setAutoMultiLine(true);
    QVERIFY(html->autoMultiLine());
}

namespace {

struct EditFixture
{
    QGraphicsScene scene;
    QGraphicsView view{&scene};
    DuiEditLabel *label = new DuiEditLabel;

    EditFixture()
    {
        scene.addItem(label);
        label->setMinimumSize(0, 0);
        label->resize(160, 24);
        label->setText(QStringLiteral("Old name"));
        view.resize(240, 80);
        view.show();
    }

    void clickLabel()
    {
        const QPointF onText = label->label()->textItem()->mapToScene(label->label()->textItem()->boundingRect().center());
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, view.mapFromScene(onText));
    }
};

} // namespace

void tst_DuiLabels::editLabelSubmit()
{
    EditFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QSignalSpy submitted(f.label, &DuiEditLabel::submit);
    f.clickLabel();
    QVERIFY(f.label->editor());
    QVERIFY(!f.label->label()->isVisible());
    QCOMPARE(f.label->editor()->text(), QStringLiteral("Old name"));
    QCOMPARE(f.label->editor()->selectedText(), QStringLiteral("Old name"));
    QTRY_VERIFY(f.label->editor()->focus());
    QTest::keyClicks(f.view.viewport(), QStringLiteral("New name"));
    QTest::keyClick(f.view.viewport(), Qt::Key_Return);
    QCOMPARE(submitted.count(), 1);
    QCOMPARE(f.label->text(), QStringLiteral("New name"));
    QVERIFY(f.label->label()->isVisible());
    QVERIFY(!f.label->editor());
    QCoreApplication::processEvents(); // the old editor is deleted later, and says nothing more
    QCOMPARE(submitted.count(), 1);

    // Finishing without a change submits nothing.
    f.clickLabel();
    QVERIFY(f.label->editor());
    QTest::keyClick(f.view.viewport(), Qt::Key_Return);
    QCOMPARE(submitted.count(), 1);
}

void tst_DuiLabels::editLabelCancel()
{
    EditFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QSignalSpy submitted(f.label, &DuiEditLabel::submit);
    f.label->setMaxLenght(4);
    f.clickLabel();
    QVERIFY(f.label->editor());
    QCOMPARE(f.label->editor()->maxLength(), 4);
    QTRY_VERIFY(f.label->editor()->focus());
    QTest::keyClicks(f.view.viewport(), QStringLiteral("Other"));
    QTest::keyClick(f.view.viewport(), Qt::Key_Escape);
    QVERIFY(!f.label->editor());
    QCoreApplication::processEvents();
    QCOMPARE(submitted.count(), 0);
    QCOMPARE(f.label->text(), QStringLiteral("Old name"));
    QVERIFY(f.label->label()->isVisible());
}

void tst_DuiLabels::editLabelContextMenuKeepsEditing()
{
    EditFixture f;
    QSignalSpy submitted(f.label, &DuiEditLabel::submit);
    f.label->onLabelClicked();
    DuiLineEdit *edit = f.label->editor();
    QVERIFY(edit);
    edit->setText(QStringLiteral("Changed"));
    emit edit->menuAboutToShow();
    emit edit->editingFinished();
    QVERIFY(f.label->editor()); // still editing while the menu is open
    emit edit->menuAboutToHide();
    emit edit->editingFinished();
    QVERIFY(!f.label->editor());
    QCOMPARE(submitted.count(), 1);
    QCOMPARE(f.label->text(), QStringLiteral("Changed"));
}

QTEST_MAIN(tst_DuiLabels)
#include "tst_duilabels.moc"
