// SPDX-License-Identifier: MIT
#include <duidialog.h>
#include <duirootitem.h>
#include <duisyscommandrequest.h>
#include <duititlebar.h>

#include <QtCore/qelapsedtimer.h>
#include <QtCore/qpointer.h>
#include <QtCore/qtimer.h>
#include <QtGui/qevent.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qscreen.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>

#include <functional>

namespace {

// A dialog built as the XML builder builds one: flags, then doConstruct.
class TestDialog : public DuiDialog
{
public:
    explicit TestDialog(QWidget *parent = nullptr)
        : DuiDialog(parent)
    {
        resize(240, 120);
        doConstruct();
    }
    using DuiDialog::done;
};

// Runs `step` from the event loop of the next modal dialog.
void whenModal(int ms, const std::function<void()> &step)
{
    QTimer::singleShot(ms, qApp, step);
}

QRect centred(const QSize &size, const QPoint &centre)
{
    QRect box(QPoint(0, 0), size);
    box.moveCenter(centre);
    return box;
}

} // namespace

class tst_DuiDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void modalRunEndedByDone();
    void rejectedCloseKeepsLoopRunning();
    void closeAllOfClosesOnlyDescendants();
    void deletedWhileModal();
    void enterKey();
    void escapeKey();
    void centringWithOffset();
    void effectFrames();
};

void tst_DuiDialog::initTestCase()
{
    qRegisterMetaType<DuiSysCommandRequest *>();
}

void tst_DuiDialog::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(DuiDialog::instances().isEmpty());
}

void tst_DuiDialog::modalRunEndedByDone()
{
    auto *dialog = new TestDialog;
    QCOMPARE(dialog->frameStyle(), DuiFrameWindow::FrameStyles(DuiFrameWindow::Dialog));
    QPointer<DuiDialog> guard(dialog);
    QSignalSpy shown(dialog, &DuiDialog::dialogShow);
    bool wasListed = false;
    bool wasVisible = false;
    whenModal(50, [&] {
        wasListed = DuiDialog::instances() == QList<DuiDialog *>({dialog});
        wasVisible = dialog->isVisible();
        dialog->endDialog(7);
    });
    QCOMPARE(dialog->result(), -1);
    dialog->showModal();
    QCOMPARE(shown.count(), 1);
    QVERIFY(wasListed);
    QVERIFY(wasVisible);
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    // Hidden, but readable until the deferred deletion runs.
    QVERIFY(guard);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), 7);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    QVERIFY(DuiDialog::instances().isEmpty());
}

void tst_DuiDialog::rejectedCloseKeepsLoopRunning()
{
    auto *dialog = new TestDialog;
    bool refuse = true;
    int requests = 0;
    connect(dialog, &DuiFrameWindow::sysCommand, this, [&](DuiSysCommandRequest *request) {
        ++requests;
        if (refuse)
            request->reject();
    });
    bool openAfterRefusal = false;
    int resultAfterRefusal = 0;
    whenModal(30, [&] {
        dialog->endDialog(3);
        QCoreApplication::processEvents();
        openAfterRefusal = dialog->isVisible();
        resultAfterRefusal = dialog->result();
        refuse = false;
        QTimer::singleShot(30, dialog, [dialog] { dialog->endDialog(4); });
    });
    dialog->showModal();
    QVERIFY(openAfterRefusal);
    QCOMPARE(resultAfterRefusal, 3);
    QCOMPARE(requests, 2);
    QCOMPARE(dialog->result(), 4);
}

void tst_DuiDialog::closeAllOfClosesOnlyDescendants()
{
    QWidget owner;
    owner.resize(600, 400);
    QWidget stranger;
    auto *child = new QWidget(&owner);
    auto *first = new TestDialog(&owner);
    auto *nested = new TestDialog(child);
    auto *other = new TestDialog(&stranger);
    bool othersOpen = false;
    bool ownedClosed = false;
    QList<DuiDialog *> listed;
    // Three nested modal runs: the innermost closes everything under `owner`, then itself.
    whenModal(20, [&] {
        whenModal(20, [&] {
            whenModal(20, [&] {
                listed = DuiDialog::instances();
                DuiDialog::closeAllOf(&owner);
                QCoreApplication::processEvents();
                ownedClosed = !first->isVisible() && !nested->isVisible();
                othersOpen = other->isVisible();
                other->done(0);
            });
            other->showModal();
        });
        nested->showModal();
    });
    first->showModal();
    QCOMPARE(listed, QList<DuiDialog *>({other, nested, first}));
    QVERIFY(ownedClosed);
    QVERIFY(othersOpen);
}

void tst_DuiDialog::deletedWhileModal()
{
    // Deleting the dialog from inside its own loop ends the run instead of leaving it hanging.
    auto *dialog = new TestDialog;
    QPointer<DuiDialog> guard(dialog);
    whenModal(20, [dialog] { delete dialog; });
    QElapsedTimer timer;
    timer.start();
    QTimer::singleShot(3000, qApp, [] { DuiDialog::closeAll(); });
    dialog->showModal();
    QVERIFY(guard.isNull());
    QVERIFY(timer.elapsed() < 2500);
    QVERIFY(DuiDialog::instances().isEmpty());

    // The same when the dialog goes down with its parent window.
    auto *owner = new QWidget;
    auto *owned = new TestDialog(owner);
    guard = owned;
    whenModal(20, [owner] { delete owner; });
    timer.restart();
    owned->showModal();
    QVERIFY(guard.isNull());
    QVERIFY(timer.elapsed() < 2500);
}

void tst_DuiDialog::enterKey()
{
    auto *dialog = new TestDialog;
    QPointer<TestDialog> guard(dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QSignalSpy accepted(dialog, &DuiDialog::accepted);
    QSignalSpy enter(dialog, &DuiFrameWindow::enterPressed);

    QTest::keyClick(dialog, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(enter.first().first().value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(dialog->result(), -1);
    QVERIFY(dialog->isVisible());

    // Switched off, a plain Return is only announced.
    dialog->setAcceptEnter(false);
    QTest::keyClick(dialog, Qt::Key_Return);
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(enter.count(), 2);
    QCOMPARE(enter.last().first().value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::NoModifier));
    dialog->setAcceptEnter(true);

    // The keypad's Enter counts as a plain Enter.
    QTest::keyClick(dialog, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(enter.count(), 2);
    QCOMPARE(dialog->result(), 1);
    // Not modal: closing deletes it.
    QTRY_VERIFY(guard.isNull());
}

void tst_DuiDialog::escapeKey()
{
    auto *dialog = new TestDialog;
    QPointer<TestDialog> guard(dialog);
    dialog->setCloseOnEscape(true);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QSignalSpy rejected(dialog, &DuiDialog::rejected);
    QSignalSpy commands(dialog, &DuiFrameWindow::sysCommand);
    QSignalSpy aboutToClose(dialog, &DuiFrameWindow::aboutToClose);

    dialog->setAcceptEscape(false);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QCOMPARE(rejected.count(), 0);
    QCOMPARE(commands.count(), 0);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), -1);

    dialog->setAcceptEscape(true);
    QTest::keyClick(dialog, Qt::Key_Escape, Qt::ControlModifier);
    QCOMPARE(rejected.count(), 0);
    QCOMPARE(commands.count(), 0);

    QTest::keyClick(dialog, Qt::Key_Escape);
    QCOMPARE(rejected.count(), 1);
    // One close request: the frame window's own Escape handling never runs for dialogs.
    QCOMPARE(commands.count(), 1);
    QCOMPARE(aboutToClose.count(), 0);
    QCOMPARE(dialog->result(), 0);
    QTRY_VERIFY(guard.isNull());
}

void tst_DuiDialog::centringWithOffset()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(available.width() > 400 && available.height() > 300);

    auto *loose = new TestDialog;
    loose->setDialogPositionOffset(30, -20);
    QRect placed;
    whenModal(20, [&] {
        placed = loose->geometry();
        loose->endDialog(1);
    });
    loose->showModal();
    QCOMPARE(placed, centred(QSize(240, 120), available.center() + QPoint(30, -20)));

    // A parent well inside the screen: centred on the parent plus the offset.
    QWidget owner;
    owner.setGeometry(available.left() + 100, available.top() + 100, 400, 300);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    auto *onOwner = new TestDialog(&owner);
    onOwner->setDialogPositionOffset(5, 6);
    whenModal(20, [&] {
        placed = onOwner->geometry();
        onOwner->endDialog(1);
    });
    onOwner->showModal();
    QCOMPARE(placed, centred(QSize(240, 120), owner.frameGeometry().center() + QPoint(5, 6)));

    // A parent at the corner would push the dialog off the work area: the screen centre instead.
    owner.move(available.topLeft());
    auto *offside = new TestDialog(&owner);
    offside->setDialogPositionOffset(-200, -200);
    whenModal(20, [&] {
        placed = offside->geometry();
        offside->endDialog(1);
    });
    offside->showModal();
    QCOMPARE(placed, centred(QSize(240, 120), available.center() + QPoint(-200, -200)));
}

void tst_DuiDialog::effectFrames()
{
    TestDialog dialog;
    dialog.resize(200, 100);
    DuiRootItem *root = nullptr;
    for (QGraphicsItem *item : dialog.scene()->items()) {
        if (!item->parentItem())
            root = dynamic_cast<DuiRootItem *>(item);
        if (root)
            break;
    }
    QVERIFY(root);
    dialog.onShowEffectFrameChanged(50);
    QCOMPARE(root->opacity(), 0.5);
    // Scaled 0.85 about the window centre (100, 50).
    QCOMPARE(root->transform().map(QPointF(100, 50)), QPointF(100, 50));
    QCOMPARE(root->transform().map(QPointF(0, 0)), QPointF(15, 7.5));
    dialog.onHideEffectFrameChanged(25);
    QCOMPARE(root->opacity(), 0.8 * 0.75);
    QCOMPARE(root->transform().map(QPointF(200, 100)), QPointF(200 - 100 * 0.075, 100 - 50 * 0.075));
}

QTEST_MAIN(tst_DuiDialog)
#include "tst_duidialog.moc"
