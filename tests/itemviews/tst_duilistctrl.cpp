// SPDX-License-Identifier: MIT
// The list control: rows of the application's own widgets, their looks, selection and hover
// through real view events, keys, and the row indexes across inserts and removals.
#include <duiframeitem.h>
#include <duilabelwidget.h>
#include <duilistctrl.h>
#include <duilistctrrowwidget.h>
#include <duipushbutton.h>
#include <duixmlui.h>

#include "../controls/controlstest.h"

#include <QtCore/qpointer.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicsview.h>

using namespace controlstest;

namespace {

// A 200 x 100 list at the scene's origin, in a view for mouse, hover and keys.
struct Fixture
{
    QGraphicsScene scene;
    DuiListCtrl *list = new DuiListCtrl;
    QGraphicsView view{&scene};

    explicit Fixture(int rows = 0, uint height = 30)
    {
        scene.addItem(list);
        list->resize(200, 100);
        for (int i = 0; i < rows; ++i)
            list->insertRow(-1, height);
        view.setSceneRect(0, 0, 200, 100);
        view.setFixedSize(204, 104);
        view.setFrameShape(QFrame::NoFrame);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    bool show()
    {
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }
    QPoint at(int row) const
    {
        const DuiListCtrRowWidget *w = list->getRowBkCtrl(row);
        return view.mapFromScene(w->mapToScene(QPointF(w->size().width() - 10, w->size().height() / 2)));
    }
    void click(int row) { QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(row)); }
    QList<int> numbers() const
    {
        QList<int> out;
        for (int i = 0; i < list->rowCount(); ++i)
            out << list->getRowBkCtrl(i)->rowNumber();
        return out;
    }
    QList<qreal> tops() const
    {
        QList<qreal> out;
        for (int i = 0; i < list->rowCount(); ++i)
            out << list->getRowBkCtrl(i)->y();
        return out;
    }
};

QList<int> args(const QSignalSpy &spy)
{
    QList<int> out;
    for (const QList<QVariant> &call : spy)
        out << call.at(0).toInt();
    return out;
}

const QString kEven = QStringLiteral(":/theme/duifw/KelvoCtrls/list_row_normal2.png");
const QString kOdd = QStringLiteral(":/theme/duifw/KelvoCtrls/list_row_normal1.png");

} // namespace

class tst_DuiListCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void insertIndexes_data();
    void insertIndexes();
    void rowsStackAndAlternate();
    void clickSelects();
    void clickWithSelectionOff();
    void hoverActivates();
    void selectRowRange();
    void indexesFollowRows();
    void removeFromOwnPress_data();
    void removeFromOwnPress();
    void foreignAndDeletedWidgets();
    void keysMoveAndScroll();
    void deferredLayout();
    void rowItems();
    void fromXml();
};

void tst_DuiListCtrl::insertIndexes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("position");
    QTest::newRow("below -1") << -2 << false << -1;
    QTest::newRow("past the end") << 5 << false << -1;
    QTest::newRow("-1 appends") << -1 << true << 3;
    QTest::newRow("count appends") << 3 << true << 3;
    QTest::newRow("0 prepends") << 0 << true << 0;
    QTest::newRow("middle") << 1 << true << 1;
}

void tst_DuiListCtrl::insertIndexes()
{
    QFETCH(int, index);
    QFETCH(bool, accepted);
    QFETCH(int, position);
    Fixture f(3);
    DuiListCtrRowWidget *row = f.list->insertRow(index, 30);
    QCOMPARE(row != nullptr, accepted);
    QCOMPARE(f.list->rowCount(), accepted ? 4 : 3);
    if (accepted) {
        QCOMPARE(f.list->getRowBkCtrl(position), row);
        // Four rows of 30 overflow the 100-pixel list: the rows make room for the bar.
        QCOMPARE(row->size(), QSizeF(200 - 12 - 4, 30));
    }
    QCOMPARE(f.numbers(), accepted ? QList<int>({0, 1, 2, 3}) : QList<int>({0, 1, 2}));
}

void tst_DuiListCtrl::rowsStackAndAlternate()
{
    Fixture f(3, 24);
    QCOMPARE(f.tops(), QList<qreal>({2, 26, 50}));
    QCOMPARE(f.list->getRowBkCtrl(0)->frameItem()->imagePath(), kEven);
    QCOMPARE(f.list->getRowBkCtrl(1)->frameItem()->imagePath(), kOdd);
    // A row at the top renumbers all others, which swaps their backgrounds.
    DuiListCtrRowWidget *first = f.list->getRowBkCtrl(0);
    f.list->insertRow(0, 40);
    QCOMPARE(f.tops(), QList<qreal>({2, 42, 66, 90}));
    QCOMPARE(first->rowNumber(), 1);
    QCOMPARE(first->frameItem()->imagePath(), kOdd);
    f.list->removeRow(0);
    QCOMPARE(f.tops(), QList<qreal>({2, 26, 50}));
    QCOMPARE(first->frameItem()->imagePath(), kEven);

    // The looks on screen: alternating stripes, the chosen row set off from both.
    QVERIFY(f.show());
    const QImage plain = render(f.scene, QRectF(0, 0, 200, 100));
    const QColor even = plain.pixelColor(100, 10);
    const QColor odd = plain.pixelColor(100, 36);
    QCOMPARE(even, QColor(Qt::white));
    QVERIFY(odd != even);
    QCOMPARE(plain.pixelColor(100, 60), even);
    f.click(1);
    const QColor chosen = render(f.scene, QRectF(0, 0, 200, 100)).pixelColor(100, 36);
    QVERIFY(chosen != even && chosen != odd);
    QVERIFY(chosen.lightness() < odd.lightness());
}

void tst_DuiListCtrl::clickSelects()
{
    Fixture f(4);
    QVERIFY(f.show());
    QSignalSpy selected(f.list, &DuiListCtrl::rowSelected);
    QSignalSpy unselected(f.list, &DuiListCtrl::rowUnSelected);
    QSignalSpy pressed(f.list, &DuiListCtrl::rowPressed);
    QList<QByteArray> order;
    connect(f.list, &DuiListCtrl::rowSelected, this, [&] { order << "selected"; });
    connect(f.list, &DuiListCtrl::rowUnSelected, this, [&] { order << "unselected"; });

    f.click(2);
    QCOMPARE(args(selected), QList<int>({2}));
    QCOMPARE(args(unselected), QList<int>({-1}));
    QCOMPARE(order, (QList<QByteArray>{"selected", "unselected"}));
    QCOMPARE(f.list->selectedRow(), 2);
    QCOMPARE(f.list->getRowBkCtrl(2)->status(), int(DuiListCtrRowWidget::Chosen));
    QVERIFY(f.list->getRowBkCtrl(2)->frameItem()->isPressed());

    f.click(1);
    QCOMPARE(args(selected), QList<int>({2, 1}));
    QCOMPARE(args(unselected), QList<int>({-1, 2}));
    QCOMPARE(f.list->getRowBkCtrl(2)->status(), int(DuiListCtrRowWidget::Normal));

    // The chosen row clicked again: shown normal, selection cleared.
    f.click(1);
    QCOMPARE(args(selected), QList<int>({2, 1}));
    QCOMPARE(args(unselected), QList<int>({-1, 2, 1}));
    QCOMPARE(f.list->selectedRow(), -1);
    QVERIFY(!f.list->getRowBkCtrl(1)->frameItem()->isPressed());
    QCOMPARE(pressed.count(), 0);
}

void tst_DuiListCtrl::clickWithSelectionOff()
{
    Fixture f(3);
    QVERIFY(f.show());
    f.click(1);
    QCOMPARE(f.list->selectedRow(), 1);
    QSignalSpy pressed(f.list, &DuiListCtrl::rowPressed);
    QSignalSpy selected(f.list, &DuiListCtrl::rowSelected);
    f.list->enableRowSelect(false);
    QCOMPARE(f.list->getRowBkCtrl(1)->status(), int(DuiListCtrRowWidget::Normal));
    f.click(2);
    QCOMPARE(args(pressed), QList<int>({2}));
    QCOMPARE(selected.count(), 0);
    QCOMPARE(f.list->getRowBkCtrl(2)->status(), int(DuiListCtrRowWidget::Active)); // hovered
}

void tst_DuiListCtrl::hoverActivates()
{
    Fixture f(3);
    QVERIFY(f.show());
    QSignalSpy actived(f.list, &DuiListCtrl::rowActived);
    QSignalSpy unactived(f.list, &DuiListCtrl::rowUnActived);
    QTest::mouseMove(f.view.viewport(), f.at(0));
    QTRY_COMPARE(f.list->activeRow(), 0);
    QCOMPARE(f.list->getRowBkCtrl(0)->status(), int(DuiListCtrRowWidget::Active));
    QTest::mouseMove(f.view.viewport(), f.at(1));
    QTRY_COMPARE(f.list->activeRow(), 1);
    QCOMPARE(args(actived), QList<int>({0, 1}));
    QCOMPARE(args(unactived), QList<int>({0}));
    QCOMPARE(f.list->getRowBkCtrl(0)->status(), int(DuiListCtrRowWidget::Normal));

    // A chosen row keeps its look under the pointer and reports nothing.
    f.click(2);
    QTest::mouseMove(f.view.viewport(), f.at(0));
    QTRY_COMPARE(f.list->activeRow(), 0);
    actived.clear();
    QTest::mouseMove(f.view.viewport(), f.at(2));
    QTRY_COMPARE(f.list->activeRow(), -1);
    QCOMPARE(actived.count(), 0);
    QCOMPARE(f.list->getRowBkCtrl(2)->status(), int(DuiListCtrRowWidget::Chosen));
}

void tst_DuiListCtrl::selectRowRange()
{
    Fixture f(3);
    f.list->selectRow(1);
    QCOMPARE(f.list->selectedRow(), 1);
    QCOMPARE(f.list->getRowBkCtrl(1)->status(), int(DuiListCtrRowWidget::Active));
    f.list->selectRow(3);
    f.list->selectRow(-2);
    QCOMPARE(f.list->selectedRow(), 1);
    f.list->selectRow(-1);
    QCOMPARE(f.list->selectedRow(), -1);
    QCOMPARE(f.list->getRowBkCtrl(1)->status(), int(DuiListCtrRowWidget::Normal));
    f.list->unselectRow(0); // not the selected row: nothing to do
    f.list->activateRow(7);
    QCOMPARE(f.list->getRowBkCtrl(0)->status(), int(DuiListCtrRowWidget::Normal));
}

void tst_DuiListCtrl::indexesFollowRows()
{
    Fixture f(5);
    QVERIFY(f.show());
    f.click(2);
    QTest::mouseMove(f.view.viewport(), f.at(1));
    QTRY_COMPARE(f.list->activeRow(), 1);

    f.list->insertRow(0, 30);
    QCOMPARE(f.list->selectedRow(), 3);
    QCOMPARE(f.list->activeRow(), 2);
    f.list->insertRow(4, 30); // after both
    QCOMPARE(f.list->selectedRow(), 3);
    f.list->removeRow(0);
    QCOMPARE(f.list->selectedRow(), 2);
    QCOMPARE(f.list->activeRow(), 1);
    f.list->removeRow(2);
    QCOMPARE(f.list->selectedRow(), -1);
    QCOMPARE(f.list->activeRow(), 1);
    f.list->removeRow(1);
    QCOMPARE(f.list->activeRow(), -1);
    f.list->removeRow(9); // ignored
    QCOMPARE(f.list->rowCount(), 4);

    f.list->selectRow(1);
    f.list->clear();
    QCOMPARE(f.list->rowCount(), 0);
    QCOMPARE(f.list->selectedRow(), -1);
    // Clicking a new row does not reach back to a row that is gone.
    f.list->insertRow(-1, 30);
    QSignalSpy unselected(f.list, &DuiListCtrl::rowUnSelected);
    f.click(0);
    QCOMPARE(args(unselected), QList<int>({-1}));
}

void tst_DuiListCtrl::removeFromOwnPress_data()
{
    QTest::addColumn<bool>("clearAll");
    QTest::addColumn<bool>("selecting");
    QTest::newRow("removeRow from rowPressed") << false << false;
    QTest::newRow("clear from rowPressed") << true << false;
    QTest::newRow("removeRow from rowSelected") << false << true;
}

void tst_DuiListCtrl::removeFromOwnPress()
{
    QFETCH(bool, clearAll);
    QFETCH(bool, selecting);
    Fixture f(3);
    QVERIFY(f.show());
    f.list->enableRowSelect(selecting);
    const auto remove = [&](int row) {
        if (clearAll)
            f.list->clear();
        else
            f.list->removeRow(row);
    };
    if (selecting)
        connect(f.list, &DuiListCtrl::rowSelected, this, remove);
    else
        connect(f.list, &DuiListCtrl::rowPressed, this, remove);
    const QPointer<DuiListCtrRowWidget> row = f.list->getRowBkCtrl(1);
    const QPointer<DuiListCtrRowWidget> other = f.list->getRowBkCtrl(2);
    f.click(1);
    QCOMPARE(f.list->rowCount(), clearAll ? 0 : 2);
    QVERIFY(row);
    QVERIFY(!row->isVisible());
    QCOMPARE(f.list->selectedRow(), -1);
    QCOMPARE(bool(other), !clearAll); // rows not being pressed go at once
    if (!clearAll)
        QCOMPARE(other->y(), 32.0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!row);
}

void tst_DuiListCtrl::foreignAndDeletedWidgets()
{
    Fixture f(2);
    DuiListCtrl second;
    DuiListCtrRowWidget *row = f.list->getRowBkCtrl(1);
    QVERIFY(!f.list->insertRow(0, 30, row));
    QVERIFY(!second.insertRow(0, 30, row));
    QCOMPARE(f.list->rowCount(), 2);

    auto *own = new DuiListCtrRowWidget;
    QCOMPARE(f.list->insertRow(1, 20, own), own);
    QCOMPARE(f.tops(), QList<qreal>({2, 32, 52}));
    f.list->selectRow(2);
    // A row the application deletes leaves the list.
    delete own;
    QCOMPARE(f.list->rowCount(), 2);
    QCOMPARE(f.list->getRowBkCtrl(1), row);
    QCOMPARE(f.list->selectedRow(), 1);
    QCOMPARE(f.numbers(), QList<int>({0, 1}));
    QCOMPARE(f.tops(), QList<qreal>({2, 32}));
    delete row;
    QCOMPARE(f.list->selectedRow(), -1);
    QCOMPARE(f.list->rowCount(), 1);
}

void tst_DuiListCtrl::keysMoveAndScroll()
{
    Fixture f(20);
    QVERIFY(f.show());
    f.click(0);
    QSignalSpy selected(f.list, &DuiListCtrl::rowSelected);
    QTest::keyClick(f.view.viewport(), Qt::Key_Up);
    QCOMPARE(f.list->selectedRow(), 0);
    QCOMPARE(selected.count(), 0);
    QTest::keyClick(f.view.viewport(), Qt::Key_Down);
    QCOMPARE(args(selected), QList<int>({1}));
    QTest::keyClick(f.view.viewport(), Qt::Key_End);
    QCOMPARE(f.list->selectedRow(), 19);
    QCOMPARE(f.list->getRowBkCtrl(19)->status(), int(DuiListCtrRowWidget::Chosen));
    // The last row's bottom edge at the list's bottom, the list's margin below it.
    QCOMPARE(f.list->scrollPos(), 2 + 20 * 30 - 100);
    QTest::keyClick(f.view.viewport(), Qt::Key_PageUp);
    QCOMPARE(f.list->selectedRow(), 16);
    QTest::keyClick(f.view.viewport(), Qt::Key_Home);
    QCOMPARE(f.list->selectedRow(), 0);
    QCOMPARE(f.list->scrollPos(), 2);
}

void tst_DuiListCtrl::deferredLayout()
{
    Fixture f;
    for (int i = 0; i < 50; ++i)
        f.list->insertRow(-1, 10, nullptr, true);
    f.list->insertRow(0, 10, nullptr, true);
    QCoreApplication::processEvents();
    QCOMPARE(f.list->getRowBkCtrl(50)->y(), 2.0 + 50 * 10);
    QCOMPARE(f.list->scrollBarMax(), 2 + 51 * 10 + 2 - 100.0);
    QCOMPARE(f.numbers().constLast(), 50);
}

void tst_DuiListCtrl::rowItems()
{
    Fixture f(2, 40);
    auto *button = new DuiPushButton;
    button->setObjectName(QStringLiteral("go"));
    f.list->addItem(1, button, QRectF(120, 8, 60, 24));
    QCOMPARE(button->parentItem(), f.list->getRowBkCtrl(1));
    QCOMPARE(button->geometry(), QRectF(120, 8, 60, 24));
    f.list->getRowBkCtrl(0)->setLayout(DuiWidget::HBox);
    auto *label = new DuiLabelWidget;
    label->setObjectName(QStringLiteral("name"));
    f.list->addItem(0, label, QSize(80, 20));
    QCOMPARE(label->minimumSize(), QSizeF(80, 20));
    QCOMPARE(label->maximumSize(), QSizeF(80, 20));
    QCOMPARE(f.list->getItem(0, "name"), label);
    QCOMPARE(f.list->getItem(1, "go"), button);
    QVERIFY(!f.list->getItem(1, "name"));
    QVERIFY(!f.list->getItem(5, "go"));
    f.list->addItem(9, new DuiLabelWidget(f.list), QRectF()); // no such row: stays where it was

    // A press on a row's button is the button's, not the row's.
    QVERIFY(f.show());
    QSignalSpy clicked(button, &DuiPushButton::clicked);
    QSignalSpy selected(f.list, &DuiListCtrl::rowSelected);
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {},
                      f.view.mapFromScene(button->mapToScene(button->rect().center())));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(selected.count(), 0);

    const QPointer<DuiWidget> gone = label;
    f.list->removeItem(0, "name");
    QVERIFY(!gone);
}

void tst_DuiListCtrl::fromXml()
{
    DuiWidget root;
    QVERIFY(DuiXmlUI::createFromMemory(
        "<xmlui><DuiListCtrl objectName='list' fixSize='160,90' bkImagePath=':/theme/duifw/edit_background.png'/></xmlui>",
        &root));
    auto *list = root.findChild<DuiListCtrl *>(QStringLiteral("list"));
    QVERIFY(list);
    QCOMPARE(list->bkImagePath(), QStringLiteral(":/theme/duifw/edit_background.png"));
    QVERIFY(list->insertRow(-1, 24));
    QCOMPARE(list->getRowBkCtrl(0)->size().width(), 156.0);
}

QTEST_MAIN(tst_DuiListCtrl)
#include "tst_duilistctrl.moc"
