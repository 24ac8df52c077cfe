// SPDX-License-Identifier: MIT
// Tree costs at two sizes ten times apart, each next to QTreeView::expandAll() on the same model
// measured in the same run, and the growth from the small size to the large one (a cost that
// grows linearly shows a growth near 10):
// - DuiTreeWidget::setModel with 1,000 and 10,000 children of the root, shown in a scene;
// - expandAll() and collapseAll() of trees of 10 x 100 and 100 x 100 folders x children, and of
//   100 x 10 and 1,000 x 10;
// - 1,000 and 10,000 rows appended one by one through the model to a shown tree.
// Rows are DuiButtonTreeItems, the settings tree's own rows. Opening and closing are also shown
// next to making and deleting as many plain QGraphicsWidgets under a plain item, last first:
// below about 10,000 items Qt's own cost per item still grows with the count (cache and heap),
// so that growth is the floor for the tree's.

#include "benchscene.h"
#include "benchutil.h"

#include <duisettingpagebuttontree.h>
#include <duitreeitemcontainer.h>
#include <duitreewidget.h>

#include <QtCore/qelapsedtimer.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qgraphicswidget.h>
#include <QtWidgets/qtreeview.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QSize kViewSize(320, 480);

// A root item with `folders` children, each with `children` children of its own, in a model
// that has an owner of its own (the tree does not take it over).
struct TreeModel
{
    QObject owner;
    QStandardItemModel *model = new QStandardItemModel(&owner);

    TreeModel(int folders, int children)
    {
        auto *root = new QStandardItem(QStringLiteral("root"));
        QList<QStandardItem *> top;
        top.reserve(folders);
        for (int f = 0; f < folders; ++f) {
            auto *folder = new QStandardItem(QStringLiteral("Folder %1").arg(f));
            QList<QStandardItem *> rows;
            rows.reserve(children);
            for (int c = 0; c < children; ++c)
                rows.append(new QStandardItem(QStringLiteral("Page %1.%2").arg(f).arg(c)));
            if (!rows.isEmpty())
                folder->insertRows(0, rows);
            top.append(folder);
        }
        if (!top.isEmpty())
            root->insertRows(0, top);
        model->appendRow(root);
    }
};

struct Stage : bench::SceneStage
{
    Stage()
        : SceneStage(kViewSize)
    {
    }
    DuiTreeWidget *tree()
    {
        auto *tree = new DuiTreeWidget;
        tree->addItemPrototype(new DuiButtonTreeItem);
        scene.addItem(tree);
        tree->resize(kViewSize.width(), kViewSize.height());
        return tree;
    }
};

// Median of `rounds` timed runs of `timed`, each between an untimed `setup` and `teardown`.
double median(int rounds, const std::function<void()> &setup, const std::function<void()> &timed,
              const std::function<void()> &teardown)
{
    std::vector<qint64> samples;
    for (int i = 0; i < rounds; ++i) {
        setup();
        QElapsedTimer timer;
        timer.start();
        timed();
        samples.push_back(timer.nsecsElapsed());
        teardown();
    }
    std::sort(samples.begin(), samples.end());
    return double(samples[samples.size() / 2]);
}

// QTreeView::expandAll() on the model, laid out.
double qtExpandAll(QStandardItemModel *model, int rounds)
{
    QTreeView view;
    view.resize(kViewSize);
    view.show();
    QCoreApplication::processEvents();
    return median(
        rounds, [&] { view.setModel(model); },
        [&] {
            view.expandAll();
            view.doItemsLayout();
        },
        [&] { view.setModel(nullptr); });
}

void expect(const char *what, int shown, int wanted)
{
    if (shown != wanted)
        std::fprintf(stderr, "%s: the tree shows %d rows, not %d\n", what, shown, wanted);
}

struct Figure
{
    const char *what;
    double small;
    double large;
};
std::vector<Figure> g_growth;

void report(const char *what, int rows, double ours, double qt)
{
    char label[96];
    std::snprintf(label, sizeof label, "%s, %d rows", what, rows);
    bench::report(label, ours, "QTreeView::expandAll", qt);
}

void benchSetModel()
{
    std::printf("setModel with the root's children only\n");
    double times[2] = {};
    int i = 0;
    for (int rows : {1000, 10000}) {
        TreeModel source(rows, 0);
        Stage stage;
        DuiTreeWidget *tree = nullptr;
        const double ours = median(
            5, [&] { tree = stage.tree(); },
            [&] {
                tree->setModel(source.model);
                QCoreApplication::processEvents();
            },
            [&] {
                expect("setModel", tree->viewItemCount(), rows);
                delete tree;
            });
        report("DuiTreeWidget::setModel", rows, ours, qtExpandAll(source.model, 5));
        times[i++] = ours;
    }
    g_growth.push_back({"setModel", times[0], times[1]});
}

// Making and deleting `rows` plain QGraphicsWidgets under a plain item in the stage's scene.
std::pair<double, double> plainWidgets(Stage &stage, int rows)
{
    std::vector<QGraphicsWidget *> made;
    auto *column = new QGraphicsRectItem;
    stage.scene.addItem(column);
    const double make = median(
        3, [] {},
        [&] {
            for (int i = 0; i < rows; ++i) {
                auto *row = new QGraphicsWidget;
                row->setParentItem(column);
                row->setGeometry(0, i * 30.0, kViewSize.width(), 30);
                made.push_back(row);
            }
            QCoreApplication::processEvents();
        },
        [&] {
            for (auto it = made.rbegin(); it != made.rend(); ++it)
                delete *it;
            made.clear();
        });
    const double drop = median(
        3,
        [&] {
            for (int i = 0; i < rows; ++i) {
                auto *row = new QGraphicsWidget;
                row->setParentItem(column);
                made.push_back(row);
            }
            QCoreApplication::processEvents();
        },
        [&] {
            for (auto it = made.rbegin(); it != made.rend(); ++it)
                delete *it;
            made.clear();
            QCoreApplication::processEvents();
        },
        [] {});
    delete column;
    return {make, drop};
}

void benchFolding(int smallFolders, int largeFolders, int children)
{
    std::printf("expandAll / collapseAll, %d and %d folders of %d\n", smallFolders, largeFolders, children);
    double expand[2] = {};
    double collapse[2] = {};
    double plainMake[2] = {};
    double plainDrop[2] = {};
    int i = 0;
    for (int folders : {smallFolders, largeFolders}) {
        TreeModel source(folders, children);
        const int all = folders * (children + 1);
        Stage stage;
        DuiTreeWidget *tree = stage.tree();
        tree->setModel(source.model);
        const double open = median(
            5, [&] { tree->collapseAll(); },
            [&] {
                tree->expandAll();
                QCoreApplication::processEvents();
            },
            [&] { expect("expandAll", tree->viewItemCount(), all); });
        const double close = median(
            5, [&] { tree->expandAll(); },
            [&] {
                tree->collapseAll();
                QCoreApplication::processEvents();
            },
            [&] { expect("collapseAll", tree->viewItemCount(), folders); });
        const double qt = qtExpandAll(source.model, 5);
        const auto [make, drop] = plainWidgets(stage, all - folders);
        char what[64];
        std::snprintf(what, sizeof what, "expandAll %d x %d", folders, children);
        report(what, all, open, qt);
        bench::report(what, open, "making as many plain widgets", make);
        std::snprintf(what, sizeof what, "collapseAll %d x %d", folders, children);
        report(what, all, close, qt);
        bench::report(what, close, "deleting as many plain widgets", drop);
        plainMake[i] = make;
        plainDrop[i] = drop;
        expand[i] = open;
        collapse[i++] = close;
        delete tree;
    }
    static char names[8][48];
    static int used = 0;
    const auto grow = [&](const char *format, double small, double large) {
        char *name = names[used++];
        std::snprintf(name, 48, format, children);
        g_growth.push_back({name, small, large});
    };
    grow("expandAll, folders of %d", expand[0], expand[1]);
    grow("  plain widgets made", plainMake[0], plainMake[1]);
    grow("collapseAll, folders of %d", collapse[0], collapse[1]);
    grow("  plain widgets deleted", plainDrop[0], plainDrop[1]);
}

void benchAppends()
{
    std::printf("rows appended one by one through the model to a shown tree\n");
    double times[2] = {};
    int i = 0;
    for (int rows : {1000, 10000}) {
        Stage stage;
        std::unique_ptr<TreeModel> source;
        DuiTreeWidget *tree = nullptr;
        const double ours = median(
            3,
            [&] {
                source = std::make_unique<TreeModel>(0, 0);
                tree = stage.tree();
                tree->setModel(source->model);
            },
            [&] {
                QStandardItem *root = source->model->item(0, 0);
                for (int r = 0; r < rows; ++r)
                    root->appendRow(new QStandardItem(QStringLiteral("Row %1").arg(r)));
                QCoreApplication::processEvents();
            },
            [&] {
                expect("appends", tree->viewItemCount(), rows);
                delete tree;
            });
        report("appends through the model", rows, ours, qtExpandAll(source->model, 3));
        times[i++] = ours;
    }
    g_growth.push_back({"appends", times[0], times[1]});
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    benchSetModel();
    benchFolding(10, 100, 100);
    benchFolding(100, 1000, 10);
    benchAppends();
    std::printf("\ngrowth from the small input to the ten times larger one (linear: about 10)\n");
    for (const Figure &f : g_growth)
        std::printf("%-32s %10.3f ms -> %10.3f ms   growth %.1f\n", f.what, f.small / 1e6, f.large / 1e6,
                    f.small > 0 ? f.large / f.small : 0.0);
    return 0;
}
