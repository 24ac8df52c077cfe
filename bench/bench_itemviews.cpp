// SPDX-License-Identifier: MIT
// Item view costs at growing row counts, each next to a baseline measured in the same run, per row
// or per operation so that a cost growing with the row count shows.
// - DuiListWidget::setModel with 1,000, 10,000 and 50,000 rows, shown in a scene and laid out,
//   against as many plain QGraphicsWidgets each holding a QGraphicsSimpleTextItem, placed one
//   below the other under a plain item, and QListView's first layout of the same model;
// - the resident memory per row of a shown list of 10,000 rows against the plain widgets, each
//   measured in a process of its own;
// - pressing Down through every row against QListView, and finding the row under 1,000 random
//   points against QListView::indexAt;
// - wheel steps through a DuiScrollWidget of plain fixed-height DuiWidgets against a plain
//   QGraphicsView scrolling as many QGraphicsWidgets by the same distance per step. Qt visits every
//   descendant of an item that moves (scene transforms, index, paint culling), so the cost of a
//   step grows with the children however the area is written; the scroll content stops at
//   10,000 children, since filling a widget layout with n children already costs n² in Qt.

#include "benchscene.h"
#include "benchutil.h"

#include <duiabstractitemcontainer.h>
#include <duiabstractviewitem.h>
#include <duilistwidget.h>
#include <duiscrollbar.h>
#include <duiscrollwidget.h>
#include <duitheme.h>

#include <QtCore/qelapsedtimer.h>
#include <QtCore/qfile.h>
#include <QtCore/qprocess.h>
#include <QtCore/qrandom.h>
#include <QtGui/qevent.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qgraphicswidget.h>
#include <QtWidgets/qlistview.h>
#include <QtWidgets/qscrollbar.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kRowHeight = 24;
constexpr QSize kViewSize(320, 480);
constexpr int kMemoryRows = 10000;

constexpr int kListRows[] = {1000, 10000, 50000};
constexpr int kScrollChildren[] = {1000, 4000, 10000};

int roundsFor(int rows)
{
    return rows >= 50000 ? 1 : rows >= 10000 ? 3 : 5;
}

// Median of `rounds` timed runs (after one untimed warm-up when there are several) of `timed`; `setup` and `teardown`
// run around each one outside the clock.
template <typename Setup, typename Timed, typename Teardown>
double medianTimed(int rounds, Setup setup, Timed timed, Teardown teardown)
{
    std::vector<qint64> samples;
    const int first = rounds > 1 ? 0 : 1;
    for (int i = first; i <= rounds; ++i) {
        setup();
        QElapsedTimer timer;
        timer.start();
        timed();
        const qint64 ns = timer.nsecsElapsed();
        teardown();
        if (i > 0)
            samples.push_back(ns);
    }
    std::sort(samples.begin(), samples.end());
    return double(samples[samples.size() / 2]);
}

// A model with an owner of its own, which the list does not take over.
struct TextModel
{
    QObject owner;
    QStandardItemModel *model = new QStandardItemModel(&owner);
};

std::unique_ptr<TextModel> textModel(int rows)
{
    auto model = std::make_unique<TextModel>();
    QList<QStandardItem *> items;
    items.reserve(rows);
    for (int i = 0; i < rows; ++i)
        items.append(new QStandardItem(QStringLiteral("Row %1").arg(i)));
    model->model->insertColumn(0, items);
    return model;
}

// A scene shown through a view of a realistic list size.
struct Stage : bench::SceneStage
{
    Stage()
        : SceneStage(kViewSize)
    {
    }
};

// The baseline rows: QGraphicsWidgets, each with its text, one below the other under a plain item
// (under a widget, Qt would link each new row into the focus chain after all the others).
QGraphicsItem *plainRows(QGraphicsScene &scene, int rows)
{
    auto *column = new QGraphicsRectItem(0, 0, kViewSize.width(), qreal(rows) * kRowHeight);
    column->setPen(Qt::NoPen);
    scene.addItem(column);
    for (int i = 0; i < rows; ++i) {
        auto *row = new QGraphicsWidget(column);
        row->setGeometry(0, qreal(i) * kRowHeight, kViewSize.width(), kRowHeight);
        new QGraphicsSimpleTextItem(QStringLiteral("Row %1").arg(i), row);
    }
    return column;
}

DuiListWidget *shownList(QGraphicsScene &scene)
{
    auto *list = new DuiListWidget;
    scene.addItem(list);
    list->resize(kViewSize.width(), kViewSize.height());
    return list;
}

void reportPerRow(const char *what, int rows, double ours, const char *baseline, double theirs)
{
    char label[96];
    std::snprintf(label, sizeof label, "%s %d rows (%.0f ns/row)", what, rows, ours / rows);
    char base[64];
    std::snprintf(base, sizeof base, "%s (%.0f ns/row)", baseline, theirs / rows);
    bench::report(label, ours, base, theirs);
}

void benchSetModel()
{
    std::printf("setModel, shown and laid out (ns per row), against plain QGraphicsWidgets\n");
    for (int rows : kListRows) {
        const auto holder = textModel(rows);
    QStandardItemModel *const model = holder->model;
        const int rounds = roundsFor(rows);
        Stage stage;
        DuiListWidget *list = nullptr;
        const double ours = medianTimed(
            rounds, [&] { list = shownList(stage.scene); },
            [&] {
                list->setModel(model);
                QCoreApplication::processEvents();
            },
            [&] {
                if (list->container()->itemCount() != rows)
                    std::fprintf(stderr, "list shows %d of %d rows\n", list->container()->itemCount(), rows);
                delete list;
            });
        QGraphicsItem *column = nullptr;
        const double plain = medianTimed(
            rounds, [] {},
            [&] {
                column = plainRows(stage.scene, rows);
                QCoreApplication::processEvents();
            },
            [&] {
                // Back to front: Qt takes each deleted child out of its parent's list.
                const QList<QGraphicsItem *> rows = column->childItems();
                for (qsizetype i = rows.size() - 1; i >= 0; --i)
                    delete rows.at(i);
                delete column;
            });
        reportPerRow("DuiListWidget::setModel", rows, ours, "plain widgets", plain);

        QListView listView;
        listView.resize(kViewSize);
        listView.show();
        QCoreApplication::processEvents();
        const double qt = medianTimed(
            rounds, [&] { listView.setModel(nullptr); },
            [&] {
                listView.setModel(model);
                listView.doItemsLayout();
            },
            [] {});
        reportPerRow("DuiListWidget::setModel", rows, ours, "QListView first layout", qt);
    }
}

// Child mode: how much the resident size grew (kilobytes) for the shown rows of one kind; the
// model exists before the first reading, as the list shows a model someone else already holds.
int measureMemory(const QByteArray &kind)
{
    const auto holder = textModel(kMemoryRows);
    QStandardItemModel *const model = holder->model;
    Stage stage;
    const double before = bench::residentKb();
    if (kind == "list") {
        DuiListWidget *list = shownList(stage.scene);
        list->setModel(model);
    } else {
        plainRows(stage.scene, kMemoryRows);
    }
    QCoreApplication::processEvents();
    stage.view.viewport()->repaint();
    const double after = bench::residentKb();
    std::printf("%.0f\n", after - before);
    std::fflush(stdout);
    std::_Exit(0); // the reading is taken; tearing the scene down adds nothing
}

void benchMemory(const char *program)
{
    std::printf("\nresident memory of %d shown rows, each kind in a process of its own\n", kMemoryRows);
    const double oursKb = bench::memoryOf(program, "list");
    const double plainKb = bench::memoryOf(program, "plain");
    char label[96];
    std::snprintf(label, sizeof label, "DuiListWidget %d rows (%.2f KB/row)", kMemoryRows, oursKb / kMemoryRows);
    char base[64];
    std::snprintf(base, sizeof base, "plain widgets (%.2f KB/row)", plainKb / kMemoryRows);
    std::printf("%-48s %9.1f MB   %-32s %9.1f MB   ratio %.2f\n", label, oursKb / 1024, base, plainKb / 1024,
                plainKb > 0 ? oursKb / plainKb : 0.0);
}

void benchKeysAndHits()
{
    std::printf("\nDown through every row and the row under 1,000 random points (ns per operation), against QListView\n");
    for (int rows : kListRows) {
        const auto holder = textModel(rows);
    QStandardItemModel *const model = holder->model;
        Stage stage;
        DuiListWidget *list = shownList(stage.scene);
        list->setModel(model);
        QCoreApplication::processEvents();
        DuiAbstractItemContainer *container = list->container();

        QListView listView;
        listView.resize(kViewSize);
        listView.setModel(model);
        listView.show();
        QCoreApplication::processEvents();
        listView.doItemsLayout();

        const int keyRounds = rows >= 10000 ? 1 : 3;
        const double ours = medianTimed(
            keyRounds, [&] { list->selectIndex(0); },
            [&] {
                for (int i = 1; i < rows; ++i) {
                    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                    stage.scene.sendEvent(container, &down);
                }
                QCoreApplication::processEvents();
            },
            [&] {
                if (list->indexSelected() != rows - 1)
                    std::fprintf(stderr, "Down stopped at row %d of %d\n", list->indexSelected(), rows);
            });
        const double qt = medianTimed(
            keyRounds, [&] { listView.setCurrentIndex(model->index(0, 0)); },
            [&] {
                for (int i = 1; i < rows; ++i) {
                    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                    QCoreApplication::sendEvent(&listView, &down);
                }
                QCoreApplication::processEvents();
            },
            [&] {
                if (listView.currentIndex().row() != rows - 1)
                    std::fprintf(stderr, "QListView Down stopped at row %d of %d\n", listView.currentIndex().row(), rows);
            });
        char label[96];
        std::snprintf(label, sizeof label, "Down key, %d rows (%.0f ns/key)", rows, ours / (rows - 1));
        char base[64];
        std::snprintf(base, sizeof base, "QListView (%.0f ns/key)", qt / (rows - 1));
        bench::report(label, ours, base, qt);

        // The same random rows for both, hit at their middle.
        QRandomGenerator random(rows);
        std::vector<int> ys;
        for (int i = 0; i < 1000; ++i)
            ys.push_back(random.bounded(rows * kRowHeight));
        listView.scrollToTop();
        QCoreApplication::processEvents();
        int ourHits = 0;
        int qtHits = 0;
        const double find = bench::medianNs(11, [&] {
            ourHits = 0;
            for (int y : ys)
                ourHits += container->itemFromPoint(QPointF(50, y)) != nullptr;
        });
        const int qtRowHeight = listView.sizeHintForRow(0);
        const double qtFind = bench::medianNs(11, [&] {
            qtHits = 0;
            for (int y : ys)
                qtHits += listView.indexAt(QPoint(50, y / kRowHeight * qtRowHeight + qtRowHeight / 2)).isValid();
        });
        if (ourHits != 1000 || qtHits != 1000)
            std::fprintf(stderr, "hits: %d and %d of 1000\n", ourHits, qtHits);
        std::snprintf(label, sizeof label, "itemFromPoint, %d rows (%.0f ns/point)", rows, find / 1000);
        std::snprintf(base, sizeof base, "QListView::indexAt (%.0f ns/point)", qtFind / 1000);
        bench::report(label, find, base, qtFind);
        delete list;
    }
}

void wheelDown(QGraphicsScene &scene, const QPointF &at)
{
    QGraphicsSceneWheelEvent event(QEvent::GraphicsSceneWheel);
    event.setScenePos(at);
    event.setScreenPos(at.toPoint());
    event.setDelta(-120);
    event.setOrientation(Qt::Vertical);
    event.setAccepted(false);
    QCoreApplication::sendEvent(&scene, &event);
}

void wheelDown(QGraphicsView &view, const QPoint &at)
{
    QWheelEvent event(QPointF(at), QPointF(view.viewport()->mapToGlobal(at)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view.viewport(), &event);
}

void benchWheel()
{
    constexpr int kSteps = 200;
    std::printf("\nwheel steps, each painted (ns per step), against a QGraphicsView scrolling as many QGraphicsWidgets\n");
    // One notch moves the baseline view as far as the area's single step.
    QApplication::setWheelScrollLines(1);
    for (int children : kScrollChildren) {
        Stage stage;
        auto *area = new DuiScrollWidget;
        stage.scene.addItem(area);
        area->resize(kViewSize.width(), kViewSize.height());
        area->setContentLayoutType(DuiWidget::VBox);
        for (int i = 0; i < children; ++i) {
            auto *child = new DuiWidget;
            child->setFixHeight(kRowHeight);
            area->addItem(child);
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const int step = int(area->scrollbar()->singleStep());
        const QPointF middle(kViewSize.width() / 2.0, kViewSize.height() / 2.0);
        const int rounds = children >= 10000 ? 3 : 5;
        const double ours = medianTimed(
            rounds, [&] { area->scrollToBegin(); QCoreApplication::processEvents(); },
            [&] {
                for (int i = 0; i < kSteps; ++i) {
                    wheelDown(stage.scene, middle);
                    QCoreApplication::processEvents();
                }
            },
            [&] {
                if (area->scrollPos() != kSteps * step)
                    std::fprintf(stderr, "area scrolled to %d, not %d\n", area->scrollPos(), kSteps * step);
            });

        QGraphicsScene plainScene;
        for (int i = 0; i < children; ++i) {
            auto *child = new QGraphicsWidget;
            child->setGeometry(0, i * kRowHeight, kViewSize.width(), kRowHeight);
            plainScene.addItem(child);
        }
        QGraphicsView plainView(&plainScene);
        plainView.setFrameShape(QFrame::NoFrame);
        plainView.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        plainView.resize(kViewSize);
        plainView.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        plainView.show();
        QCoreApplication::processEvents();
        QScrollBar *bar = plainView.verticalScrollBar();
        bar->setSingleStep(step);
        const QPoint viewMiddle = middle.toPoint();
        const double qt = medianTimed(
            rounds, [&] { bar->setValue(0); QCoreApplication::processEvents(); },
            [&] {
                for (int i = 0; i < kSteps; ++i) {
                    wheelDown(plainView, viewMiddle);
                    QCoreApplication::processEvents();
                }
            },
            [&] {
                if (bar->value() != kSteps * step)
                    std::fprintf(stderr, "QGraphicsView scrolled to %d, not %d\n", bar->value(), kSteps * step);
            });
        char label[96];
        std::snprintf(label, sizeof label, "DuiScrollWidget wheel, %d children (%.0f ns/step)", children, ours / kSteps);
        char base[64];
        std::snprintf(base, sizeof base, "QGraphicsView (%.0f ns/step)", qt / kSteps);
        bench::report(label, ours, base, qt);
        delete area;
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    DuiTheme::setColorTheme(0);
    QCoreApplication::processEvents();
    if (argc == 3 && std::strcmp(argv[1], "--memory") == 0)
        return measureMemory(argv[2]);

    benchSetModel();
    benchMemory(argv[0]);
    benchKeysAndHits();
    benchWheel();
    return 0;
}
