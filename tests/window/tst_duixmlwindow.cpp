// SPDX-License-Identifier: MIT
#include <duidialog.h>
#include <duiframewindow.h>
#include <duilabelwidget.h>
#include <duipushbutton.h>
#include <duiseparateline.h>
#include <duitheme.h>
#include <duititlebar.h>
#include <duixmlui.h>

#include <QtCore/qloggingcategory.h>
#include <QtCore/qpointer.h>
#include <QtCore/qtimer.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>

namespace {

// The host program's side of a window built from XML: slots named after the window's buttons.
class Receiver : public QObject
{
    Q_OBJECT
public:
    QStringList calls;

public Q_SLOTS:
    void on_okButton_clicked() { calls << QStringLiteral("ok"); }
    void on_cancelButton_clicked() { calls << QStringLiteral("cancel"); }
};

// The window form takes a parent widget; the fill form a DuiWidget.
QWidget *const noParent = nullptr;

void clickAt(QGraphicsView *view, const QGraphicsWidget *item)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item->mapToScene(item->rect().center()).toPoint());
}

template<typename T>
T *findIn(const QObject *root, const char *name)
{
    return root->findChild<T *>(QLatin1String(name));
}

} // namespace

class tst_DuiXmlWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Bad window files are fed on purpose; the dui.xml warnings, shown by default, would only
        // bury the test's output.
        QLoggingCategory::setFilterRules(QStringLiteral("dui.xml.warning=false\ndui.resource.warning=false"));
    }
    void cleanup();
    void windowFromXml();
    void slotsFireOnClicks();
    void promptDialogResource();
    void visibleAttribute();
    void notAWindow();
};

void tst_DuiXmlWindow::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

static const char kWindow[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<xmlui>
  <DuiFrameWindow objectName="settings" frameStyle="Dialog" title="设置" fixSize="320,200" closeOnEscape="true">
    <DuiWidget objectName="gap" fixSize="10,60"/>
    <DuiWidget objectName="row" layout="HBox">
      <DuiPushButton objectName="okButton" fixSize="70,24" text="OK"/>
      <DuiPushButton objectName="cancelButton" fixSize="70,24" text="Cancel"/>
    </DuiWidget>
  </DuiFrameWindow>
</xmlui>)";

void tst_DuiXmlWindow::windowFromXml()
{
    QPointer<DuiFrameWindow> window = DuiXmlUI::createFromMemory(std::string(kWindow), noParent);
    QVERIFY(window);
    QCOMPARE(window->objectName(), QStringLiteral("settings"));
    QCOMPARE(window->frameStyle(), DuiFrameWindow::FrameStyles(DuiFrameWindow::Dialog));
    QCOMPARE(window->fixSize(), QSize(320, 200));
    QVERIFY(window->closeOnEscape());
    QCOMPARE(window->titlebar()->title(), QStringLiteral("设置"));
    QCOMPARE(window->QWidget::windowTitle(), QStringLiteral("设置"));
    // Built with its flags: a dialog has only the close button, and closing deletes it.
    QVERIFY(!window->titlebar()->hasMinimizeButton());
    QVERIFY(!window->titlebar()->hasMaximizeButton());
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    auto *ok = findIn<DuiPushButton>(window, "okButton");
    QVERIFY(ok);
    QVERIFY(window->rootWidget()->isAncestorOf(ok));
    delete window.data();
}

void tst_DuiXmlWindow::slotsFireOnClicks()
{
    DuiFrameWindow *window = DuiXmlUI::createFromMemory(std::string(kWindow), noParent);
    QVERIFY(window);
    Receiver receiver;
    DuiXmlUI::connectSignalSlotByName(window, &receiver, true);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *ok = findIn<DuiPushButton>(window, "okButton");
    auto *cancel = findIn<DuiPushButton>(window, "cancelButton");
    QVERIFY(ok && cancel);
    clickAt(window, ok);
    clickAt(window, cancel);
    clickAt(window, ok);
    QCOMPARE(receiver.calls, QStringList({"ok", "cancel", "ok"}));
    // The window is not dragged by a click on a button.
    QCOMPARE(window->geometry().size(), QSize(320, 200));
    delete window;
}

void tst_DuiXmlWindow::promptDialogResource()
{
    auto *dialog = qobject_cast<DuiDialog *>(DuiXmlUI::createFromFile(QStringLiteral(":/theme/commonDlg.xml"), noParent));
    QVERIFY(dialog);
    QPointer<DuiDialog> guard(dialog);
    QCOMPARE(dialog->objectName(), QStringLiteral("channelcontent"));
    QCOMPARE(dialog->size(), QSize(340, 160));
    QCOMPARE(dialog->fixSize(), QSize(340, 160));
    for (const char *name : {"DlgRoot", "titleText", "contentImage", "content_text", "buttonWidget"})
        QVERIFY2(findIn<DuiWidget>(dialog, name), name);
    auto *accept = findIn<DuiPushButton>(dialog, "buttonAccept");
    auto *reject = findIn<DuiPushButton>(dialog, "buttonReject");
    QVERIFY(accept && reject);
    // The rule above the buttons: a themed line over a white one.
    auto *dark = findIn<DuiSeparateLine>(dialog, "separatorDark");
    auto *light = findIn<DuiSeparateLine>(dialog, "separatorLight");
    QVERIFY(dark && light);
    QCOMPARE(dark->themeColorType(), int(DuiTheme::LineColor));
    QCOMPARE(light->color(), QColor(Qt::white));
    QCOMPARE(accept->text(), QStringLiteral("确定"));
    QCOMPARE(reject->text(), QStringLiteral("取消"));

    // The buttons reach the dialog's accept and reject slots by name, once each.
    QSignalSpy accepted(dialog, &DuiDialog::accepted);
    QSignalSpy rejected(dialog, &DuiDialog::rejected);
    QSizeF acceptSize;
    QTimer::singleShot(50, dialog, [&] {
        acceptSize = accept->size();
        clickAt(dialog, reject);
    });
    dialog->showModal();
    QCOMPARE(acceptSize, QSizeF(70, 24));
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(dialog->result(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());

    dialog = qobject_cast<DuiDialog *>(DuiXmlUI::createFromFile(QStringLiteral(":/theme/commonDlg.xml"), noParent));
    QVERIFY(dialog);
    QSignalSpy acceptedAgain(dialog, &DuiDialog::accepted);
    QTimer::singleShot(50, dialog, [&] { clickAt(dialog, findIn<DuiPushButton>(dialog, "buttonAccept")); });
    dialog->showModal();
    QCOMPARE(acceptedAgain.count(), 1);
    QCOMPARE(dialog->result(), 1);
}

void tst_DuiXmlWindow::visibleAttribute()
{
    // A window that asks to be visible is still visible once its style has been applied.
    QPointer<DuiFrameWindow> window = DuiXmlUI::createFromMemory(
        std::string(R"(<xmlui><DuiFrameWindow frameStyle="Window" fixSize="200,120" visible="true"/></xmlui>)"), noParent);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    delete window.data();
}

void tst_DuiXmlWindow::notAWindow()
{
    QCOMPARE(DuiXmlUI::createFromMemory(std::string("<xmlui><DuiPushButton/></xmlui>"), noParent), nullptr);
    QCOMPARE(DuiXmlUI::createFromMemory(std::string("<xmlui></xmlui>"), noParent), nullptr);
    QCOMPARE(DuiXmlUI::createFromMemory(std::string("<xmlui><DuiFrameWindow"), noParent), nullptr);
    // A plain nullptr means the window form without a parent.
    QPointer<DuiFrameWindow> window = DuiXmlUI::createFromMemory(std::string("<xmlui><DuiFrameWindow/></xmlui>"), nullptr);
    QVERIFY(window);
    QCOMPARE(window->parentWidget(), nullptr);
    delete window.data();
}

QTEST_MAIN(tst_DuiXmlWindow)
#include "tst_duixmlwindow.moc"
