// SPDX-License-Identifier: MIT
#include <duiabstractitemcontainer.h>
#include <duiframeitem.h>
#include <duilistitem.h>
#include <duilistwidget.h>
#include <duiscrollbar.h>
#include <duixmlui.h>

#include "../controls/controlstest.h"

#include <QtCore/qpointer.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicsview.h>

#include <cmath>

using namespace controlstest;

namespace {

int g_rowMeasures = 0;

// A list item that counts how often rows are measured for layout.
class CountingItem : public DuiListItem
{
public:
    using DuiListItem::DuiListItem;
    DuiAbstractViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) override
    {
        return new CountingItem(item, parent);
    }
    QSizeF calcPreferredSize(qreal width) override
    {
        ++g_rowMeasures;
        return DuiListItem::calcPreferredSize(width);
    }
};

// A row class that is not a DuiListItem, offered before the list items.
class PlainItem : public DuiDefaultListItem
{
public:
    using DuiDefaultListItem::DuiDefaultListItem;
    DuiAbstractViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) override
    {
        return new PlainItem(item, parent);
    }
};

// Refills itself inside one reset, as a model swapping its whole content does.
class RefillModel : public QStandardItemModel
{
public:
    void refill(int rows)
    {
        beginResetModel();
        {
            const QSignalBlocker quiet(this);
            clear();
            for (int i = 0; i < rows; ++i)
                appendRow(new QStandardItem(QStringLiteral("New %1").arg(i)));
        }
        endResetModel();
    }
};

QStandardItemModel *rowsModel(int rows, const QString &pattern = QStringLiteral("Row %1"))
{
    auto *model = new QStandardItemModel;
    for (int i = 0; i < rows; ++i)
        model->appendRow(new QStandardItem(pattern.arg(i)));
    return model;
}

// A 200 x 100 list at the scene's origin, shown in a view for keys and hover.
struct ListFixture
{
    QGraphicsScene scene;
    DuiListWidget *list = new DuiListWidget;
    QGraphicsView view{&scene};

    explicit ListFixture(QStandardItemModel *model = nullptr, DuiAbstractViewItem *prototype = nullptr)
    {
        scene.addItem(list);
        list->resize(200, 100);
        if (prototype)
            list->addItemPrototype(prototype);
        if (model)
            list->setModel(model);
        view.setSceneRect(0, 0, 200, 100);
        view.setFixedSize(220, 120);
    }
    bool show()
    {
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }
    QPointF rowCentre(int row) const { return list->mapToScene(list->viewItemAt(row)->geometry().center() + list->container()->pos()); }
    QList<qreal> tops() const
    {
        QList<qreal> out;
        for (int i = 0; i < list->container()->itemCount(); ++i)
            out << list->viewItemAt(i)->y();
        return out;
    }
    void key(Qt::Key k) { QTest::keyClick(view.viewport(), k); }
};

} // namespace

class tst_DuiListWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsFromPrototypes();
    void resetLaysOutAtSameSize();
    void fishEyeHeight();
    void fishEyeDeclinedItems();
    void clicksAndContextMenu();
    void keys_data();
    void keys();
    void selectionScrollsIntoView();
    void selectionFollowsRows();
    void modelLifecycle();
    void batchInsertion();
    void rowsChangedFromClickHandler();
    void hoverAndPaint();
    void defaultRowLook();
    void layoutWorkIsLinear();
    void fromXml();
};

void tst_DuiListWidget::rowsFromPrototypes()
{
    ListFixture f(rowsModel(3));
    QCOMPARE(f.list->container()->itemCount(), 3);
    QVERIFY(qobject_cast<DuiDefaultListItem *>(f.list->viewItemAt(0)));
    QCOMPARE(f.tops(), (QList<qreal>{0, 24, 48}));
    QCOMPARE(f.list->container()->size().height(), 72.0);
    QCOMPARE(f.list->viewItemAt(2)->size(), QSizeF(200, 24));
    QVERIFY(!f.list->viewItemAt(3));
    QVERIFY(!f.list->viewItemAt(-1));

    // Later prototypes come first; rows they decline (no text) fall to the default.
    ListFixture g(rowsModel(0), new DuiListColorItem);
    g.list->model()->appendRow(new QStandardItem(QStringLiteral("ff0000")));
    g.list->model()->appendRow(new QStandardItem());
    QVERIFY(qobject_cast<DuiListColorItem *>(g.list->viewItemAt(0)));
    QVERIFY(qobject_cast<DuiDefaultListItem *>(g.list->viewItemAt(1)));
    QCOMPARE(g.tops(), (QList<qreal>{0, 18}));
}

void tst_DuiListWidget::resetLaysOutAtSameSize()
{
    // A list with no height yet: the emptied container already has the list's size.
    ListFixture f;
    f.list->resize(200, 0);
    f.list->setModel(rowsModel(3));
    QCOMPARE(f.tops(), (QList<qreal>{0, 24, 48}));
    QCOMPARE(f.list->viewItemAt(2)->size(), QSizeF(188, 24)); // beside the bar
    QCOMPARE(f.list->container()->size(), QSizeF(188, 72));
    f.list->setFixItemHeight(30);
    f.list->reset();
    QCOMPARE(f.tops(), (QList<qreal>{0, 30, 60}));
}

void tst_DuiListWidget::fishEyeHeight()
{
    ListFixture f(nullptr, new DuiListItem);
    f.list->setDisplayMode(DuiListWidget::FishEye);
    f.list->setModel(rowsModel(3));
    QCOMPARE(f.list->container()->size().height(), 113.0);

    ListFixture plain;
    plain.list->setDisplayMode(DuiListWidget::FishEye);
    plain.list->setModel(rowsModel(3));
    QCOMPARE(plain.list->container()->size().height(), 72.0);

    // A selection animates the rows to 34, 44, 34 from y = 1.
    f.list->selectIndex(1);
    QTRY_COMPARE(f.list->viewItemAt(2)->geometry(), QRectF(0, 79, 188, 34));
    QCOMPARE(f.list->viewItemAt(1)->geometry(), QRectF(0, 35, 188, 44));

    // A row asks to be selected; only one wholly in view gets it.
    f.list->model()->appendRow(new QStandardItem(QStringLiteral("far")));
    f.list->selectIndex(0);
    QTRY_COMPARE(f.list->viewItemAt(1)->geometry(), QRectF(0, 45, 188, 34));
    auto *below = qobject_cast<DuiListItem *>(f.list->viewItemAt(3));
    QVERIFY(below);
    Q_EMIT below->itemSelected();
    QCOMPARE(f.list->indexSelected(), 0);
    Q_EMIT qobject_cast<DuiListItem *>(f.list->viewItemAt(1))->itemSelected();
    QCOMPARE(f.list->indexSelected(), 1);

    // A new width while the rows grow (a list selected before it was first laid out): the
    // selected row keeps its fish-eye height and takes the new width when the growth ends.
    f.list->resize(300, 100);
    QTRY_COMPARE(f.list->viewItemAt(1)->geometry(), QRectF(0, 35, 288, 44));
    QCOMPARE(f.list->viewItemAt(2)->geometry().width(), 288.0);
}

void tst_DuiListWidget::fishEyeDeclinedItems()
{
    // Row 1 has no text: the list item declines it and the plain item in front is used.
    ListFixture f(nullptr, new DuiListItem);
    f.list->addItemPrototype(new PlainItem);
    f.list->setDisplayMode(DuiListWidget::FishEye);
    auto *model = rowsModel(0);
    for (const char *text : {"a", "", "c"})
        model->appendRow(new QStandardItem(QString::fromLatin1(text)));
    f.list->setModel(model);
    model->insertRow(1, new QStandardItem());
    DuiAbstractItemContainer *c = f.list->container();
    QCOMPARE(c->itemCount(), 4);
    QVERIFY(qobject_cast<DuiListItem *>(c->itemAt(0)));
    QVERIFY(dynamic_cast<PlainItem *>(c->itemAt(1)));
    QVERIFY(dynamic_cast<PlainItem *>(c->itemAt(2)));
    QVERIFY(qobject_cast<DuiListItem *>(c->itemAt(3)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Every row item the prototypes made is a row; nothing else stays in the container.
    QCOMPARE(c->findChildren<DuiAbstractViewItem *>(Qt::FindDirectChildrenOnly).size(), 4);
    QGraphicsItem *rowParent = c->itemAt(0)->parentItem();
    QCOMPARE(rowParent->childItems().size(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(c->itemAt(i)->parentWidget(), c);
}

void tst_DuiListWidget::clicksAndContextMenu()
{
    ListFixture f(rowsModel(4));
    QSignalSpy left(f.list, &DuiListWidget::leftButtonClicked);
    QSignalSpy right(f.list, &DuiListWidget::rightButtonClicked);
    QSignalSpy twice(f.list, &DuiListWidget::leftButtonDoubleClicked);
    QStringList order;
    connect(f.list->container(), &DuiAbstractItemContainer::rightButtonClicked, f.list, [&](int i) { order << QStringLiteral("right%1").arg(i); });
    connect(f.list->container(), &DuiAbstractItemContainer::contextMenu, f.list, [&](int i) { order << QStringLiteral("menu%1").arg(i); });
    QVERIFY(f.list->metaObject()->indexOfSignal("contextMenu(int)") < 0);

    click(f.scene, f.rowCentre(2));
    QCOMPARE(f.list->indexSelected(), 2);
    QCOMPARE(left.count(), 1);
    QCOMPARE(left.at(0).at(0).toInt(), 2);
    QVERIFY(f.list->viewItemAt(2)->isSelected());

    mouse(f.scene, QEvent::GraphicsSceneMousePress, f.rowCentre(3), Qt::RightButton);
    mouse(f.scene, QEvent::GraphicsSceneMouseRelease, f.rowCentre(3), Qt::RightButton);
    QCOMPARE(f.list->indexSelected(), 3);
    QVERIFY(!f.list->viewItemAt(2)->isSelected());
    QCOMPARE(right.count(), 1);
    QCOMPARE(order, (QStringList{QStringLiteral("right3"), QStringLiteral("menu3")}));

    mouse(f.scene, QEvent::GraphicsSceneMouseDoubleClick, f.rowCentre(1));
    QCOMPARE(twice.count(), 1);
    QCOMPARE(twice.at(0).at(0).toInt(), 1);

    // Below the last row: nothing.
    click(f.scene, QPointF(50, 98));
    QCOMPARE(left.count(), 1);
    QCOMPARE(f.list->indexSelected(), 3);
}

void tst_DuiListWidget::keys_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("emitted");
    QTest::newRow("down") << 10 << 3 << int(Qt::Key_Down) << 4 << 1;
    QTest::newRow("up") << 10 << 3 << int(Qt::Key_Up) << 2 << 1;
    QTest::newRow("up on first") << 10 << 0 << int(Qt::Key_Up) << 0 << 0;
    QTest::newRow("down on last") << 10 << 9 << int(Qt::Key_Down) << 9 << 0;
    QTest::newRow("down from none") << 10 << -1 << int(Qt::Key_Down) << 0 << 1;
    QTest::newRow("home") << 10 << 6 << int(Qt::Key_Home) << 0 << 1;
    QTest::newRow("end") << 10 << 2 << int(Qt::Key_End) << 9 << 1;
    // A page of 100 pixels holds four 24-pixel rows.
    QTest::newRow("page down") << 20 << 0 << int(Qt::Key_PageDown) << 4 << 1;
    QTest::newRow("page down near end") << 20 << 18 << int(Qt::Key_PageDown) << 19 << 1;
    QTest::newRow("page up") << 20 << 10 << int(Qt::Key_PageUp) << 6 << 1;
    QTest::newRow("page up near top") << 20 << 2 << int(Qt::Key_PageUp) << 0 << 1;
    QTest::newRow("other key") << 10 << 3 << int(Qt::Key_A) << 3 << 0;
    QTest::newRow("empty list") << 0 << -1 << int(Qt::Key_Down) << -1 << 0;
}

void tst_DuiListWidget::keys()
{
    QFETCH(int, rows);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    QFETCH(int, emitted);
    ListFixture f(rowsModel(rows));
    QVERIFY(f.show());
    f.list->container()->setFocus();
    QTRY_VERIFY(f.list->container()->hasFocus());
    f.list->selectIndex(start);
    QSignalSpy moved(f.list->container(), &DuiAbstractItemContainer::selectPosChanged);
    f.key(Qt::Key(key));
    QCOMPARE(f.list->indexSelected(), expected);
    QCOMPARE(moved.count(), emitted);
    if (expected >= 0)
        QVERIFY(f.list->viewItemAt(expected)->isSelected());
}

void tst_DuiListWidget::selectionScrollsIntoView()
{
    ListFixture f(rowsModel(20));
    QSignalSpy pos(f.list->container(), &DuiAbstractItemContainer::selectPosChanged);
    f.list->selectIndex(2);
    f.list->selectIndex(5);
    QCOMPARE(pos.last().at(0).toInt(), 144); // bottom edge of row 5
    QCOMPARE(f.list->scrollPos(), 44);
    f.list->selectIndex(1);
    QCOMPARE(pos.last().at(0).toInt(), 24); // top edge of row 1
    QCOMPARE(f.list->scrollPos(), 24);
    f.list->selectIndex(19);
    QCOMPARE(f.list->scrollPos(), 380);
    QVERIFY(f.show());
    f.list->container()->setFocus();
    for (int i = 0; i < 19; ++i)
        f.key(Qt::Key_Up);
    QCOMPARE(f.list->indexSelected(), 0);
    QCOMPARE(f.list->scrollPos(), 0);
    for (int i = 0; i < 19; ++i)
        f.key(Qt::Key_Down);
    QCOMPARE(f.list->scrollPos(), 380);
    // The visible row under the pointer is the one the scene reports.
    click(f.scene, QPointF(50, 90));
    QCOMPARE(f.list->indexSelected(), 19);
    click(f.scene, QPointF(50, 10)); // content y 390
    QCOMPARE(f.list->indexSelected(), 16);
}

void tst_DuiListWidget::selectionFollowsRows()
{
    ListFixture f(rowsModel(6));
    QStandardItemModel *model = f.list->model();
    f.list->selectIndex(3);
    model->insertRow(0, new QStandardItem(QStringLiteral("new")));
    QCOMPARE(f.list->indexSelected(), 4);
    model->insertRows(1, 2);
    QCOMPARE(f.list->indexSelected(), 6);
    QVERIFY(f.list->viewItemAt(6)->isSelected());
    model->insertRow(8, new QStandardItem(QStringLiteral("after")));
    QCOMPARE(f.list->indexSelected(), 6);

    model->removeRows(0, 3); // 6 rows left, selection at 3
    QCOMPARE(f.list->indexSelected(), 3);
    model->removeRows(2, 4);
    QCOMPARE(f.list->indexSelected(), -1);
    QCOMPARE(f.tops(), (QList<qreal>{0, 24, 48}));
    QCOMPARE(f.list->container()->size().height(), 72.0);

    f.list->selectIndex(2);
    f.list->setSelectIndex(2, false);
    QCOMPARE(f.list->indexSelected(), -1);
    f.list->selectIndex(1);
    f.list->selectIndex(-1);
    QCOMPARE(f.list->indexSelected(), -1);
    QVERIFY(!f.list->viewItemAt(1)->isSelected());
    f.list->selectIndex(1);
    f.list->container()->clear();
    QCOMPARE(f.list->indexSelected(), -1);
    f.list->setSelectIndex(7, true); // ignored
    QCOMPARE(f.list->indexSelected(), -1);
}

void tst_DuiListWidget::modelLifecycle()
{
    ListFixture f;
    auto *refill = new RefillModel;
    f.list->setModel(refill);
    QCOMPARE(refill->parent(), f.list);
    refill->refill(4);
    QCOMPARE(f.list->container()->itemCount(), 4);
    QCOMPARE(f.tops(), (QList<qreal>{0, 24, 48, 72}));
    f.list->selectIndex(2);
    refill->refill(1);
    QCOMPARE(f.list->indexSelected(), -1);

    // A model with an owner stays the owner's, and may die under the view.
    QObject owner;
    auto *owned = rowsModel(3);
    owned->setParent(&owner);
    f.list->setModel(owned);
    QCOMPARE(owned->parent(), &owner);
    QCOMPARE(refill->parent(), f.list); // the old one stays
    delete owned;
    QCOMPARE(f.list->model(), nullptr);
    QCOMPARE(f.list->container()->itemCount(), 0);
    render(f.scene, QRectF(0, 0, 200, 100));

    f.list->setModel(rowsModel(2));
    f.list->setModel(nullptr);
    QCOMPARE(f.list->container()->itemCount(), 0);
    f.list->container()->removeItems(5, 9);
    f.list->container()->removeItems(-3, -1);
}

void tst_DuiListWidget::batchInsertion()
{
    ListFixture f(rowsModel(0));
    QSignalSpy layoutGrows(f.list->container(), &QGraphicsWidget::geometryChanged);
    f.list->beginInsertRows();
    for (int i = 0; i < 10; ++i)
        f.list->model()->appendRow(new QStandardItem(QString::number(i)));
    QCOMPARE(f.list->container()->itemCount(), 0);
    f.list->endInsertRows(0, 9);
    QCOMPARE(f.list->container()->itemCount(), 10);
    QCOMPARE(f.list->viewItemAt(9)->y(), 216.0);
    QCOMPARE(layoutGrows.count(), 1);
    f.list->endInsertRows(0, 9); // no bracket open: nothing
    QCOMPARE(f.list->container()->itemCount(), 10);
}

void tst_DuiListWidget::rowsChangedFromClickHandler()
{
    ListFixture f(rowsModel(5));
    QVERIFY(f.show());
    // The clicked row's item goes later; its row stays in the model.
    connect(f.list, &DuiListWidget::leftButtonClicked, f.list, [&](int i) { f.list->viewItemAt(i)->deleteLater(); });
    click(f.scene, f.rowCentre(1));
    f.list->container()->setFocus();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.list->container()->itemCount(), 5);
    QVERIFY(!f.list->viewItemAt(1));
    QCOMPARE(f.list->container()->itemIndexFromPoint(QPointF(10, 36)), -1);
    QCOMPARE(f.list->container()->itemIndexFromPoint(QPointF(10, 60)), 2);
    f.key(Qt::Key_Down);
    f.key(Qt::Key_Down);
    QCOMPARE(f.list->indexSelected(), 3);
    f.list->setFixItemHeight(30);
    f.list->resize(180, 100);
    QCOMPARE(f.list->viewItemAt(2)->y(), 30.0); // the gone row takes no room

    // A handler that removes the clicked row from the model.
    disconnect(f.list, &DuiListWidget::leftButtonClicked, f.list, nullptr);
    connect(f.list, &DuiListWidget::rightButtonClicked, f.list, [&](int i) { f.list->model()->removeRow(i); });
    mouse(f.scene, QEvent::GraphicsSceneMousePress, f.rowCentre(0), Qt::RightButton);
    mouse(f.scene, QEvent::GraphicsSceneMouseRelease, f.rowCentre(0), Qt::RightButton);
    QCOMPARE(f.list->container()->itemCount(), 4);
    QCOMPARE(f.list->indexSelected(), -1);

    const qreal nan = std::nan("");
    QVERIFY(!f.list->container()->itemFromPoint(QPointF(nan, nan)));
    QCOMPARE(f.list->container()->itemIndexFromPoint(QPointF(10, nan)), -1);
    f.list->model()->removeRows(0, 4);
    click(f.scene, QPointF(50, 10));
    f.key(Qt::Key_End);
    QCOMPARE(f.list->indexSelected(), -1);
}

void tst_DuiListWidget::hoverAndPaint()
{
    ListFixture f(nullptr, new DuiListColorItem);
    f.list->setModel(rowsModel(0));
    for (const char *text : {"ff0000", "00ff00", "0000ff"})
        f.list->model()->appendRow(new QStandardItem(QString::fromLatin1(text)));
    QVERIFY(f.show());
    const QImage plain = render(f.scene, QRectF(0, 0, 200, 100));
    QCOMPARE(plain.pixelColor(100, 9), QColor(Qt::red));
    QCOMPARE(plain.pixelColor(100, 27), QColor(Qt::green));
    QCOMPARE(plain.pixelColor(1, 9), QColor(Qt::white)); // no highlight unselected

    f.list->selectIndex(1);
    const QImage selected = render(f.scene, QRectF(0, 0, 200, 100));
    QCOMPARE(selected.pixelColor(1, 27), QColor(51, 153, 255));
    QCOMPARE(selected.pixelColor(100, 27), QColor(Qt::green));

    QTest::mouseMove(f.view.viewport(), f.view.mapFromScene(f.rowCentre(2)));
    QTRY_VERIFY(f.list->viewItemAt(2)->isHover());
    QVERIFY(!f.list->viewItemAt(0)->isHover());
    QTest::mouseMove(f.view.viewport(), f.view.mapFromScene(f.rowCentre(0)));
    QTRY_VERIFY(f.list->viewItemAt(0)->isHover());
    QVERIFY(!f.list->viewItemAt(2)->isHover());
}

void tst_DuiListWidget::defaultRowLook()
{
    // The default row shows the hover image under the pointer and its frame when selected.
    ListFixture g(rowsModel(3));
    QVERIFY(g.show());
    QCOMPARE(render(g.scene, QRectF(0, 0, 200, 100)).pixelColor(180, 36), QColor(Qt::white));
    QTest::mouseMove(g.view.viewport(), g.view.mapFromScene(QPointF(180, 36)));
    QTRY_VERIFY(g.list->viewItemAt(1)->isHover());
    QCOMPARE(render(g.scene, QRectF(0, 0, 200, 100)).pixelColor(180, 36), QColor(0xE6, 0xE6, 0xE6));
    g.list->selectIndex(2);
    QVERIFY(g.list->viewItemAt(2)->findChild<DuiFrameItem *>()->isVisible());
    QVERIFY(render(g.scene, QRectF(0, 0, 200, 100)).pixelColor(180, 60) != QColor(Qt::white));
}

void tst_DuiListWidget::layoutWorkIsLinear()
{
    ListFixture f(rowsModel(0), new CountingItem);
    const int rows = 300;
    g_rowMeasures = 0;
    for (int i = 0; i < rows; ++i)
        f.list->model()->appendRow(new QStandardItem(QString::number(i)));
    QCoreApplication::processEvents();
    // Each new row is placed once (plus once more for the width change when the bar shows), not
    // all rows anew on every insertion.
    QVERIFY2(g_rowMeasures <= 2 * rows + 10, qPrintable(QString::number(g_rowMeasures)));
    const int measured = g_rowMeasures;
    f.list->container()->setFocus();
    for (int i = 0; i < rows; ++i)
        f.list->selectIndex(i);
    QCOMPARE(g_rowMeasures, measured); // selecting reads the placed rows
    QCOMPARE(f.list->viewItemAt(rows - 1)->y(), 24.0 * (rows - 1));
    QCOMPARE(f.list->container()->itemIndexFromPoint(QPointF(5, 24.0 * 123 + 3)), 123);
}

void tst_DuiListWidget::fromXml()
{
    DuiWidget root;
    QVERIFY(DuiXmlUI::createFromMemory("<xmlui><DuiListWidget objectName='list' fixSize='120,80'/></xmlui>", &root));
    auto *list = root.findChild<DuiListWidget *>(QStringLiteral("list"));
    QVERIFY(list);
    QCOMPARE(list->scrollbar()->singleStep(), 24.0);
    list->setModel(rowsModel(2));
    QCOMPARE(list->container()->itemCount(), 2);
}

QTEST_MAIN(tst_DuiListWidget)
#include "tst_duilistwidget.moc"
