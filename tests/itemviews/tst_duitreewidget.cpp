// SPDX-License-Identifier: MIT
#include <duicategoryitem.h>
#include <duiscrollbar.h>
#include <duisettingpagebuttontree.h>
#include <duitheme.h>
#include <duitreeitemcontainer.h>
#include <duitreemodelitem.h>
#include <duitreeviewitem.h>
#include <duitreewidget.h>
#include <duixmlui.h>

#include "../platform/xvfbtestutil.h"

#include <QtCore/qmimedata.h>
#include <QtCore/qpointer.h>
#include <QtCore/qtimer.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qboxlayout.h>
#include <QtWidgets/qgraphicsview.h>

namespace {

constexpr int kHeader = DuiCategoryHeaderItem::ModelItemType;
constexpr int kCategory = DuiCategoryItem::ModelItemType;
constexpr int kDeclined = 7; // a type no prototype of these tests takes

QStandardItem *node(const QString &text, int type = kHeader, const QList<QStandardItem *> &children = {})
{
    auto *item = new DuiTreeModelItem(text);
    item->setType(type);
    for (QStandardItem *child : children)
        item->appendRow(child);
    return item;
}

// Headers H0..H2 (26 high), each with categories Hi.0 and Hi.1 (50 high).
QStandardItemModel *categories()
{
    auto *model = new QStandardItemModel;
    QList<QStandardItem *> headers;
    for (int h = 0; h < 3; ++h)
        headers << node(QStringLiteral("H%1").arg(h), kHeader,
                        {node(QStringLiteral("H%1.0").arg(h), kCategory), node(QStringLiteral("H%1.1").arg(h), kCategory)});
    model->appendRow(node(QStringLiteral("root"), 0, headers));
    return model;
}

// A 200 x 120 tree with the two category prototypes, shown in a view for real input.
struct TreeFixture
{
    QGraphicsScene scene;
    DuiTreeWidget *tree;
    QGraphicsView view{&scene};

    explicit TreeFixture(QStandardItemModel *model = categories(), DuiTreeWidget *widget = new DuiTreeWidget)
        : tree(widget)
    {
        tree->addItemPrototype(new DuiCategoryItem);
        tree->addItemPrototype(new DuiCategoryHeaderItem);
        scene.addItem(tree);
        tree->resize(200, 120);
        if (model)
            tree->setModel(model);
        view.setSceneRect(0, 0, 200, 120);
        view.setFixedSize(220, 140);
    }
    void setHeight(int height)
    {
        tree->resize(200, height);
        view.setSceneRect(0, 0, 200, height);
        view.setFixedSize(220, height + 20);
    }
    bool show()
    {
        view.show();
        QApplication::setActiveWindow(&view);
        return QTest::qWaitForWindowExposed(&view);
    }
    QStandardItem *item(const QString &text) const
    {
        const QList<QStandardItem *> found = tree->model()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.value(0);
    }
    int indexOf(const QString &text) const { return tree->container()->viewIndexFromModelItem(item(text)); }
    QPoint at(int index) const
    {
        DuiTreeViewItem *row = tree->treeItemAt(index);
        return view.mapFromScene(row->mapToScene(row->rect().center()));
    }
    void click(int index, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(view.viewport(), button, mods, at(index));
    }
    // QTest's double click sends no final release; a hand does.
    void doubleClick(int index)
    {
        const QPoint pos = at(index);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, pos);
    }
    void key(Qt::Key k) { QTest::keyClick(view.viewport(), k); }
    // Display texts; also checks that the rows lie edge to edge and fill the container.
    QStringList rows() const
    {
        QStringList out;
        qreal y = 0;
        for (DuiTreeViewItem *row : tree->container()->treeItems()) {
            out << (row ? row->modelItem()->text() : QStringLiteral("<null>"));
            if (!row || !qFuzzyCompare(1 + row->y(), 1 + y))
                out << QStringLiteral("<gap at %1>").arg(y);
            y = row ? row->geometry().bottom() : y;
        }
        if (!qFuzzyCompare(1 + tree->container()->size().height(), 1 + y))
            out << QStringLiteral("<height %1, rows end at %2>").arg(tree->container()->size().height()).arg(y);
        return out;
    }
};

QStringList split(const char *texts)
{
    return QString::fromLatin1(texts).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Offers drags with a text and counts their ends.
class DragTree : public DuiTreeWidget
{
public:
    Qt::DropAction answer = Qt::MoveAction;
    int begun = 0;
    int ended = 0;
    Qt::DropAction beginDrag(QMimeData *data) override
    {
        ++begun;
        data->setText(QStringLiteral("dragged row"));
        return answer;
    }
    void endDrag(QMimeData *data) override
    {
        if (data->text() == QLatin1String("dragged row"))
            ++ended;
    }
};

} // namespace

class tst_DuiTreeWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void expandAndCollapse();
    void declinedItemsAndTheirSubtrees();
    void collapseRemovesVisibleDescendants();
    void insertionsFollowVisibility_data();
    void insertionsFollowVisibility();
    void followsModelResetsAndLayout();
    void secondModelDropsTheFirst();
    void clicksThroughView();
    void multiSelection();
    void keys();
    void clickHandlerChangesTree_data();
    void clickHandlerChangesTree();
    void moveItem_data();
    void moveItem();
    void dragStart();
    void xvfbDrag();
    void settingTreeFromXml();
    void settingTreeCategories();
    void settingTreeScrollsFolderToTop();
    void rendersSelectionInThemeColour();
};

void tst_DuiTreeWidget::expandAndCollapse()
{
    TreeFixture f;
    QCOMPARE(f.rows(), split("H0 H1 H2"));
    QCOMPARE(f.tree->treeItemAt(2)->y(), 52.0);
    QCOMPARE(f.tree->container()->size().height(), 78.0);

    f.tree->expandItem(0);
    QCOMPARE(f.rows(), split("H0 H0.0 H0.1 H1 H2"));
    QCOMPARE(f.tree->treeItemAt(2)->y(), 76.0);
    QCOMPARE(f.tree->container()->size().height(), 178.0);
    QCOMPARE(f.tree->treeItemAt(1)->getIndent(), 2);
    f.tree->expandItem(7);  // out of range
    f.tree->expandItem(-1);
    f.tree->collapseItem(0);
    QCOMPARE(f.rows(), split("H0 H1 H2"));
    QVERIFY(!f.tree->treeItemAt(0)->isExpanded());

    f.tree->expandAll();
    QCOMPARE(f.rows(), split("H0 H0.0 H0.1 H1 H1.0 H1.1 H2 H2.0 H2.1"));
    QCOMPARE(f.tree->container()->size().height(), 378.0);
    f.tree->collapseAll();
    QCOMPARE(f.rows(), split("H0 H1 H2"));
    // Width changes reach every row.
    f.tree->resize(300, 120);
    QCOMPARE(f.tree->treeItemAt(2)->size().width(), f.tree->container()->size().width());
}

void tst_DuiTreeWidget::declinedItemsAndTheirSubtrees()
{
    // No prototype at all: nothing, and no null rows.
    QGraphicsScene scene;
    auto *bare = new DuiTreeWidget;
    scene.addItem(bare);
    bare->setModel(categories());
    QCOMPARE(bare->viewItemCount(), 0);

    // A declined row with children of a taken type: the row and its subtree stay out.
    auto *model = categories();
    QStandardItem *root = model->item(0, 0);
    root->insertRow(1, node(QStringLiteral("X"), kDeclined, {node(QStringLiteral("X.0"), kHeader)}));
    TreeFixture f(model);
    QCOMPARE(f.rows(), split("H0 H1 H2"));
    // Rows arriving after a declined one still go to the right place.
    root->insertRow(2, node(QStringLiteral("N")));
    QCOMPARE(f.rows(), split("H0 N H1 H2"));
    root->child(0)->appendRow(node(QStringLiteral("Y"), kDeclined));
    f.tree->expandItem(0);
    QCOMPARE(f.rows(), split("H0 H0.0 H0.1 N H1 H2"));
}

void tst_DuiTreeWidget::collapseRemovesVisibleDescendants()
{
    // H0 has three model rows (one declined); its open child folder shows two more rows, so its
    // visible descendants (4) are not its model row count (3).
    auto *model = categories();
    QStandardItem *h0 = model->item(0, 0)->child(0);
    h0->insertRow(0, node(QStringLiteral("D"), kDeclined));
    h0->appendRow(node(QStringLiteral("F"), kHeader, {node(QStringLiteral("F.0"), kCategory), node(QStringLiteral("F.1"), kCategory)}));
    TreeFixture f(model);
    f.tree->expandItem(0);
    f.tree->expandItem(f.indexOf(QStringLiteral("F")));
    QCOMPARE(f.rows(), split("H0 H0.0 H0.1 F F.0 F.1 H1 H2"));
    QCOMPARE(f.tree->container()->visibleChildrenCount(0), 6);
    f.tree->collapseItem(0);
    QCOMPARE(f.rows(), split("H0 H1 H2"));

    // Removing an open folder's rows takes their visible subtrees and nothing else.
    f.tree->expandItem(0);
    f.tree->expandItem(f.indexOf(QStringLiteral("F")));
    h0->removeRows(2, 2); // H0.1 and F
    QCOMPARE(f.rows(), split("H0 H0.0 H1 H2"));
    // The last child going closes its folder.
    h0->removeRows(0, 2);
    QCOMPARE(f.rows(), split("H0 H1 H2"));
    QVERIFY(!f.tree->treeItemAt(0)->isExpanded());
}

void tst_DuiTreeWidget::insertionsFollowVisibility_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("into an empty open folder") << 0 << split("H0 H1 E E.0 E.1 H2");
    QTest::newRow("several at once, mid folder") << 1 << split("H0 H0.0 A B H0.1 H1 H2");
    QTest::newRow("into a closed folder") << 2 << split("H0 H0.0 H0.1 H1 H2");
    QTest::newRow("top level after an open folder") << 3 << split("H0 H0.0 H0.1 T H1 H2");
    QTest::newRow("root added later") << 4 << split("H0 H1 H2");
    QTest::newRow("deep below a closed folder") << 5 << split("H0 H0.0 H0.1 H1 H2");
}

void tst_DuiTreeWidget::insertionsFollowVisibility()
{
    QFETCH(int, kind);
    QFETCH(QStringList, expected);
    auto *model = kind == 4 ? new QStandardItemModel : categories();
    TreeFixture f(model);
    QCOMPARE(f.tree->viewItemCount(), 0 + (kind == 4 ? 0 : 3));
    if (kind != 4)
        f.tree->expandItem(0);
    QStandardItem *root = model->item(0, 0);
    switch (kind) {
    case 0: {
        root->insertRow(2, node(QStringLiteral("E")));
        f.tree->collapseItem(0);
        f.tree->expandItem(f.indexOf(QStringLiteral("E")));
        f.item(QStringLiteral("E"))->appendRows({node(QStringLiteral("E.0"), kCategory), node(QStringLiteral("E.1"), kCategory)});
        break;
    }
    case 1:
        root->child(0)->insertRows(1, QList<QStandardItem *>{node(QStringLiteral("A"), kCategory), node(QStringLiteral("B"), kCategory)});
        break;
    case 2:
        root->child(1)->appendRow(node(QStringLiteral("C"), kCategory));
        break;
    case 3:
        root->insertRow(1, node(QStringLiteral("T")));
        break;
    case 4: {
        QScopedPointer<QStandardItemModel> source(categories());
        model->appendRow(source->takeRow(0));
        break;
    }
    case 5:
        root->child(1)->child(0)->appendRow(node(QStringLiteral("Z"), kCategory));
        break;
    }
    QCOMPARE(f.rows(), expected);
}

void tst_DuiTreeWidget::followsModelResetsAndLayout()
{
    auto *model = categories();
    TreeFixture f(model);
    f.tree->expandItem(2);
    f.tree->selectItem(2);

    // Sorting rearranges the rows; the open folder stays open with its rows below it.
    model->item(0, 0)->sortChildren(0, Qt::DescendingOrder);
    QCOMPARE(f.rows(), split("H2 H2.1 H2.0 H1 H0"));
    QVERIFY(f.tree->treeItemAt(0)->isSelected());

    // The root going and coming back.
    const QList<QStandardItem *> taken = model->takeRow(0);
    QCOMPARE(f.tree->viewItemCount(), 0);
    model->appendRow(taken);
    QCOMPARE(f.rows(), split("H2 H1 H0")); // sorted in the model

    // A reset shows the new content.
    model->clear();
    QCOMPARE(f.tree->viewItemCount(), 0);
    model->appendRow(node(QStringLiteral("root"), 0, {node(QStringLiteral("Q"))}));
    QCOMPARE(f.rows(), split("Q"));

    // A model deleted under the tree leaves it empty and usable.
    delete model;
    QCOMPARE(f.tree->viewItemCount(), 0);
    QVERIFY(!f.tree->model());
    f.tree->setModel(categories());
    QCOMPARE(f.rows(), split("H0 H1 H2"));
}

void tst_DuiTreeWidget::secondModelDropsTheFirst()
{
    QObject owner;
    auto *first = categories();
    first->setParent(&owner);
    TreeFixture f(first);
    f.tree->setSelectionMode(DuiTreeWidget::MultiSelection);
    f.tree->selectItem(1);
    QCOMPARE(f.tree->selectedItems().size(), 1);

    f.tree->setModel(categories());
    QCOMPARE(f.tree->selectedItems().size(), 0);
    QCOMPARE(f.rows(), split("H0 H1 H2"));
    // The first model no longer reaches the tree, and stays its owner's.
    first->item(0, 0)->appendRow(node(QStringLiteral("late")));
    first->item(0, 0)->removeRow(0);
    QCOMPARE(f.rows(), split("H0 H1 H2"));
    QCOMPARE(first->parent(), &owner);
}

void tst_DuiTreeWidget::clicksThroughView()
{
    TreeFixture f;
    QVERIFY(f.show());
    QSignalSpy left(f.tree, &DuiTreeWidget::leftButtonClicked);
    QSignalSpy folder(f.tree, &DuiTreeWidget::folderLeftButtonClicked);
    QSignalSpy right(f.tree, &DuiTreeWidget::rightButtonClicked);
    QSignalSpy twice(f.tree, &DuiTreeWidget::leftButtonDoubleClicked);
    QSignalSpy space(f.tree, &DuiTreeWidget::buttonClickedOnSpace);

    f.click(0); // a folder opens and is selected
    QCOMPARE(f.rows(), split("H0 H0.0 H0.1 H1 H2"));
    QCOMPARE(left.size(), 1);
    QCOMPARE(folder.size(), 1);
    QCOMPARE(folder.at(0).at(0).toModelIndex().data().toString(), QStringLiteral("H0"));
    QVERIFY(f.tree->treeItemAt(0)->isSelected());

    f.click(1); // a leaf: selected, no folder signal
    QCOMPARE(left.size(), 2);
    QCOMPARE(folder.size(), 1);
    QVERIFY(f.tree->treeItemAt(1)->isSelected());
    QVERIFY(!f.tree->treeItemAt(0)->isSelected());

    f.click(1, Qt::RightButton);
    QCOMPARE(right.size(), 1);
    f.doubleClick(1);
    QCOMPARE(twice.size(), 1);
    QCOMPARE(twice.at(0).at(0).toModelIndex().data().toString(), QStringLiteral("H0.0"));

    // A double click on a folder toggles it, unless it takes double clicks.
    f.tree->collapseItem(0);
    f.doubleClick(2);
    QCOMPARE(twice.size(), 1);
    f.tree->treeItemAt(0)->setAcceptDoubleClick(true);
    f.doubleClick(0);
    QCOMPARE(twice.size(), 2);

    f.tree->collapseAll();
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.view.mapFromScene(QPointF(50, 110)));
    QCOMPARE(space.size(), 1);
}

void tst_DuiTreeWidget::multiSelection()
{
    TreeFixture f;
    QVERIFY(f.show());
    f.setHeight(400);
    f.tree->setSelectionMode(DuiTreeWidget::MultiSelection);
    f.tree->expandAll(); // H0 H0.0 H0.1 H1 H1.0 H1.1 H2 H2.0 H2.1
    bool allow = true;
    connect(f.tree, &DuiTreeWidget::canSelectInMultiSectionMode, this,
            [&allow](const QModelIndex &, bool &canSelect) { canSelect = allow; });
    auto selected = [&f] {
        QStringList out;
        for (DuiTreeViewItem *row : f.tree->selectedItems())
            out << row->modelItem()->text();
        return out;
    };

    f.click(1);
    f.click(2, Qt::LeftButton, Qt::ControlModifier);
    f.click(4, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(selected(), split("H0.0 H0.1 H1.0"));
    f.click(2, Qt::LeftButton, Qt::ControlModifier); // deselects that one only
    QCOMPARE(selected(), split("H0.0 H1.0"));
    QVERIFY(!f.tree->treeItemAt(2)->isSelected());
    allow = false;
    f.click(5, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(selected(), split("H0.0 H1.0"));
    f.click(1, Qt::RightButton); // keeps the selection
    QCOMPARE(selected(), split("H0.0 H1.0"));
    f.tree->collapseItem(0); // selected rows that go leave the selection
    QCOMPARE(selected(), split("H1.0"));
    f.click(3); // H1.1: a plain click clears the others
    QCOMPARE(selected(), split("H1.1"));
    QVERIFY(!f.tree->treeItemAt(2)->isSelected());
}

void tst_DuiTreeWidget::keys()
{
    auto *model = categories();
    for (int i = 0; i < 10; ++i)
        model->item(0, 0)->appendRow(node(QStringLiteral("More%1").arg(i)));
    TreeFixture f(model);
    QVERIFY(f.show());
    QSignalSpy twice(f.tree, &DuiTreeWidget::leftButtonDoubleClicked);
    f.tree->setFocus();
    f.key(Qt::Key_Return); // nothing selected: nothing happens
    f.key(Qt::Key_Left);
    f.tree->makeItemVisible(f.tree->container()->selectedIndex());
    f.tree->makeItemVisible(nullptr);
    QCOMPARE(twice.size(), 0);
    QCOMPARE(f.tree->scrollPos(), 0);
    QCOMPARE(f.tree->viewItemCount(), 13);

    f.key(Qt::Key_Up);
    QCOMPARE(f.tree->container()->selectedIndex(), 0);
    f.key(Qt::Key_Up);
    QCOMPARE(f.tree->container()->selectedIndex(), 0);
    f.key(Qt::Key_Right);
    QCOMPARE(f.rows().mid(0, 3), split("H0 H0.0 H0.1"));
    f.key(Qt::Key_Down);
    f.key(Qt::Key_Return);
    QCOMPARE(twice.size(), 1);
    f.key(Qt::Key_Up);
    f.key(Qt::Key_Return); // on a folder: folds it
    QCOMPARE(f.tree->viewItemCount(), 13);
    for (int i = 0; i < 15; ++i)
        f.key(Qt::Key_Down);
    QCOMPARE(f.tree->container()->selectedIndex(), 12);
    // The last row is in sight at the bottom of the view.
    QCOMPARE(f.tree->scrollPos(), qRound(f.tree->treeItemAt(12)->geometry().bottom() - 120));
    f.key(Qt::Key_Home); // other keys pass
    QCOMPARE(f.tree->container()->selectedIndex(), 12);
}

void tst_DuiTreeWidget::clickHandlerChangesTree_data()
{
    QTest::addColumn<bool>("replaceModel");
    QTest::newRow("removes the clicked row") << false;
    QTest::newRow("sets a new model") << true;
}

void tst_DuiTreeWidget::clickHandlerChangesTree()
{
    QFETCH(bool, replaceModel);
    TreeFixture f;
    QVERIFY(f.show());
    QSignalSpy folder(f.tree, &DuiTreeWidget::folderLeftButtonClicked);
    connect(f.tree, &DuiTreeWidget::leftButtonClicked, this, [&](const QModelIndex &index) {
        if (replaceModel)
            f.tree->setModel(categories());
        else
            f.tree->model()->removeRow(index.row(), index.parent());
    });
    f.click(1);
    QCOMPARE(f.rows(), replaceModel ? split("H0 H1 H2") : split("H0 H2"));
    QCOMPARE(folder.size(), 1);
    QVERIFY(!folder.at(0).at(0).toModelIndex().isValid() || replaceModel);
    QVERIFY(f.tree->selectedItems().isEmpty());
}

void tst_DuiTreeWidget::moveItem_data()
{
    QTest::addColumn<int>("parentRow"); // -1: the root; -2: an invalid index; -3: another model
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("expected");
    const QStringList unchanged = split("H0 H0.0 H0.1 H1 H2");
    QTest::newRow("open folder down") << -1 << 0 << 2 << split("H1 H2 H0 H0.0 H0.1");
    QTest::newRow("up past an open folder") << -1 << 2 << 0 << split("H2 H0 H0.0 H0.1 H1");
    QTest::newRow("inside a folder") << 0 << 1 << 0 << split("H0 H0.1 H0.0 H1 H2");
    QTest::newRow("bad source") << -1 << 3 << 0 << unchanged;
    QTest::newRow("bad target") << -1 << 0 << 3 << unchanged;
    QTest::newRow("negative source") << -1 << -1 << 0 << unchanged;
    QTest::newRow("invalid parent") << -2 << 0 << 1 << unchanged;
    QTest::newRow("parent of another model") << -3 << 0 << 1 << unchanged;
}

void tst_DuiTreeWidget::moveItem()
{
    QFETCH(int, parentRow);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, expected);
    TreeFixture f;
    f.tree->expandItem(0);
    QScopedPointer<QStandardItemModel> other(categories());
    QStandardItem *root = f.tree->model()->item(0, 0);
    QModelIndex parent = parentRow == -1 ? root->index() : parentRow >= 0 ? root->child(parentRow)->index() : QModelIndex();
    if (parentRow == -3)
        parent = other->item(0, 0)->index();
    f.tree->moveItem(parent, from, to);
    QCOMPARE(f.rows(), expected);
}

void tst_DuiTreeWidget::dragStart()
{
    // Offscreen, a drag ends at once without a target: only its start can be seen here.
    auto *tree = new DragTree;
    TreeFixture f(categories(), tree);
    QVERIFY(f.show());
    const QPoint from = f.at(1);
    QTest::mousePress(f.view.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(f.view.viewport(), from + QPoint(1, 1)); // within the drag distance
    QCOMPARE(tree->begun, 0);
    QTest::mouseMove(f.view.viewport(), from + QPoint(QApplication::startDragDistance() + 5, 0));
    QCOMPARE(tree->begun, 1);
    QTest::mouseMove(f.view.viewport(), from + QPoint(QApplication::startDragDistance() + 15, 0));
    QCOMPARE(tree->begun, 1); // one drag per press
    QTest::mouseRelease(f.view.viewport(), Qt::LeftButton, {}, from);
    QCOMPARE(tree->ended, 0);

    tree->answer = Qt::IgnoreAction; // no drag: the data is dropped
    QTest::mousePress(f.view.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(f.view.viewport(), from + QPoint(QApplication::startDragDistance() + 5, 0));
    QTest::mouseRelease(f.view.viewport(), Qt::LeftButton, {}, from);
    QCOMPARE(tree->begun, 2);
    QCOMPARE(tree->ended, 0);
}

namespace {

// Takes any drop of text and moves it.
class DropTarget : public QWidget
{
public:
    QString dropped;
    DropTarget() { setAcceptDrops(true); }
    void dragEnterEvent(QDragEnterEvent *event) override { event->acceptProposedAction(); }
    void dragMoveEvent(QDragMoveEvent *event) override { event->acceptProposedAction(); }
    void dropEvent(QDropEvent *event) override
    {
        dropped = event->mimeData()->text();
        event->setDropAction(Qt::MoveAction);
        event->accept();
    }
};

// The client half of xvfbDrag: XTEST drags a row onto a drop target in another window.
int runXvfbDragClient()
{
    XTestInput input;
    QString why;
    if (!input.open(&why)) {
        std::printf("%s\n", qPrintable(why));
        return XClientSkipped;
    }
    auto *tree = new DragTree;
    TreeFixture f(categories(), tree);
    f.view.move(0, 0);
    DropTarget target;
    target.setFixedSize(200, 200);
    target.move(400, 0);
    target.show();
    if (!f.show() || !QTest::qWaitForWindowExposed(&target))
        return fail("windows not exposed");
    const QPoint from = f.view.viewport()->mapToGlobal(f.at(1));
    const QPoint to = target.mapToGlobal(QPoint(100, 100));
    input.moveTo(from.x(), from.y());
    QTest::qWait(100);
    input.button(1, true);
    QTest::qWait(50);
    // The drag runs its own event loop from the first long move; the rest is fed from a timer.
    int step = 0;
    QTimer feeder;
    QObject::connect(&feeder, &QTimer::timeout, [&] {
        ++step;
        if (step <= 10)
            input.moveTo(from.x() + (to.x() - from.x()) * step / 10, from.y() + (to.y() - from.y()) * step / 10);
        else if (step == 14)
            input.button(1, false);
    });
    feeder.start(40);
    if (!waitFor([&] { return tree->ended > 0 || step > 40; }, 8000))
        return fail("the drag did not end on the target");
    if (tree->begun != 1 || tree->ended != 1 || target.dropped != QLatin1String("dragged row"))
        return fail("beginDrag, endDrag or the dropped data is wrong");
    std::printf("OK\n");
    return 0;
}

} // namespace

void tst_DuiTreeWidget::xvfbDrag()
{
    DUI_RUN_XVFB_CLIENT("--xvfb-drag-client");
}

void tst_DuiTreeWidget::settingTreeFromXml()
{
    DuiWidget root;
    QVERIFY(DuiXmlUI::createFromMemory(R"(<xmlui><DuiSettingPageButtonTree objectName="nav" fixSize="180,200">
        <TreeData>
          <node text="General" icon=":/theme/duifw/tree_expand_icon.png">
            <node text="Start-up" pagename="startup"/>
            <node text="Deeper"><node text="Leaf" pagename="leaf"/></node>
          </node>
          <node text="About" pagename="about"/>
        </TreeData>
      </DuiSettingPageButtonTree></xmlui>)",
                                       &root));
    auto *nav = root.findChild<DuiSettingPageButtonTree *>(QStringLiteral("nav"));
    QVERIFY(nav);
    QCOMPARE(nav->viewItemCount(), 2);
    QVERIFY(nav->data().isEmpty());
    QVERIFY(!nav->model()->item(0, 0)->child(0)->icon().isNull());

    // A page deep down: every folder above it opens, and it is selected.
    nav->expandItem(QStringLiteral("leaf"));
    QCOMPARE(nav->viewItemCount(), 5);
    DuiTreeViewItem *leaf = nav->treeItemAt(3);
    QCOMPARE(leaf->modelItem()->text(), QStringLiteral("Leaf"));
    QVERIFY(leaf->isSelected());
    QCOMPARE(nav->pageName(leaf->modelItem()->index()), QStringLiteral("leaf"));
    QCOMPARE(nav->pageName(QModelIndex()), QString());
    nav->expandItem(QStringLiteral("nowhere"));
    QVERIFY(leaf->isSelected());

    // New data replaces the tree and the model it was built in.
    QPointer<QStandardItemModel> old = nav->model();
    nav->setData({QVariantMap{{QStringLiteral("text"), QStringLiteral("Only")}}});
    QCOMPARE(nav->viewItemCount(), 1);
    QVERIFY(!old);
    nav->setData({});
    QCOMPARE(nav->viewItemCount(), 1);
}

void tst_DuiTreeWidget::settingTreeCategories()
{
    QGraphicsScene scene;
    auto *nav = new DuiSettingPageButtonTree;
    scene.addItem(nav);
    nav->resize(180, 200);
    nav->addCategory(QStringLiteral("ignored"), QString()); // no model yet
    QVERIFY(!nav->model());
    nav->setData({QVariantMap{{QStringLiteral("text"), QStringLiteral("A")}}});
    nav->addCategory(QStringLiteral("B"), QString());
    nav->addCategoryItem(QStringLiteral("A"), QStringLiteral("A1"), QString(), QStringLiteral("a1"));
    nav->addCategoryItem(QStringLiteral("A1"), QStringLiteral("A1x"), QString(), QStringLiteral("a1x"));
    nav->addCategoryItem(QStringLiteral("A"), QStringLiteral("A2"), QString(), QStringLiteral("a2"));
    nav->addCategoryItem(QStringLiteral("missing"), QStringLiteral("Z"), QString(), QString());
    nav->expandItem(QStringLiteral("a1x"));
    auto texts = [nav] {
        QStringList out;
        for (DuiTreeViewItem *row : nav->container()->treeItems())
            out << row->modelItem()->text();
        return out;
    };
    QCOMPARE(texts(), split("A A1 A1x A2 B"));
    // A nested category leaves its own parent; the root is never removed.
    nav->removeCategory(QStringLiteral("A1"));
    QCOMPARE(texts(), split("A A2 B"));
    nav->removeCategory(QStringLiteral("root"));
    nav->removeCategoryItem(QStringLiteral("A"), QStringLiteral("A2"));
    nav->removeCategoryItem(QStringLiteral("A"), QStringLiteral("missing"));
    QCOMPARE(texts(), split("A B"));
    QVERIFY(!nav->treeItemAt(0)->isExpanded());
}

void tst_DuiTreeWidget::settingTreeScrollsFolderToTop()
{
    QVariantList nodes;
    for (int c = 0; c < 6; ++c) {
        QVariantList pages;
        for (int p = 0; p < 10; ++p)
            pages << QVariantMap{{QStringLiteral("text"), QStringLiteral("P%1.%2").arg(c).arg(p)},
                                 {QStringLiteral("pagename"), QStringLiteral("p%1.%2").arg(c).arg(p)}};
        nodes << QVariantMap{{QStringLiteral("text"), QStringLiteral("C%1").arg(c)}, {QStringLiteral("children"), pages}};
    }
    auto *nav = new DuiSettingPageButtonTree;
    TreeFixture f(nullptr, nav);
    f.setHeight(400);
    nav->setData(nodes);
    QVERIFY(f.show());
    nav->DuiTreeWidget::expandItem(0); // taller than the view, and nothing to scroll yet
    f.click(11); // C1, after C0's ten pages
    // The deferred scroll follows the folder even when rows before it go first.
    nav->model()->item(0, 0)->child(0)->removeRows(0, 2);
    QStandardItem *c1 = nav->model()->item(0, 0)->child(1);
    QTRY_COMPARE(nav->scrollPos(), qRound(nav->container()->treeItemFromModelItem(c1)->y()));
    QVERIFY(nav->scrollPos() > 0);
}

void tst_DuiTreeWidget::rendersSelectionInThemeColour()
{
    DuiTheme::setColorTheme(0);
    TreeFixture f;
    f.tree->selectItem(1);
    QImage image(200, 78, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    f.scene.render(&painter, QRectF(0, 0, 200, 78), QRectF(0, 0, 200, 78));
    painter.end();
    const QColor accent = QColor::fromRgb(DuiTheme::getColor(DuiTheme::StrongColor));
    // The selected row is a pale band leaning to the accent's hue; the others stay white.
    const QColor band = image.pixelColor(150, 39);
    QVERIFY2(band != Qt::white && band.lightness() > 150, qPrintable(band.name()));
    QVERIFY2(qAbs(band.hue() - accent.hue()) < 20, qPrintable(band.name() + accent.name()));
    QCOMPARE(image.pixelColor(150, 65), QColor(Qt::white));
    // The arrow of each header takes the accent too.
    bool arrowTinted = false;
    for (int x = 10; x < 20 && !arrowTinted; ++x)
        for (int y = 8; y < 18 && !arrowTinted; ++y)
            arrowTinted = image.pixelColor(x, y).saturation() > 80 && qAbs(image.pixelColor(x, y).hue() - accent.hue()) < 20;
    QVERIFY(arrowTinted);
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--xvfb-drag-client") == 0) {
        QApplication app(argc, argv);
        return runXvfbDragClient();
    }
    QApplication app(argc, argv);
    tst_DuiTreeWidget test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duitreewidget.moc"
