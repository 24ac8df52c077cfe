// SPDX-License-Identifier: MIT
// Cost of building 1,000 DuiWidgets in nested box layouts, against 1,000 plain QGraphicsWidgets
// in the same layouts.

#include "benchutil.h"

#include <duiwidget.h>

#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicslinearlayout.h>
#include <QtWidgets/qgraphicsscene.h>

namespace {

constexpr int kGroups = 40;       // vertical groups in the root's horizontal box
constexpr int kPerGroup = 24;     // leaves per group; 40 + 40 * 24 + 1 = 1,001 widgets in all

void buildDui(QGraphicsScene &scene)
{
    auto *root = new DuiWidget;
    root->setLayout(DuiWidget::HBox);
    for (int g = 0; g < kGroups; ++g) {
        auto *group = new DuiWidget(root);
        group->setLayout(DuiWidget::VBox);
        root->addItem(group);
        for (int i = 0; i < kPerGroup; ++i) {
            auto *leaf = new DuiWidget(group);
            leaf->setFixHeight(10);
            group->addItem(leaf);
        }
    }
    scene.addItem(root);
    root->resize(800, 600);
}

void buildPlain(QGraphicsScene &scene)
{
    auto *root = new QGraphicsWidget;
    auto *rootLayout = new QGraphicsLinearLayout(Qt::Horizontal);
    rootLayout->setContentsMargins(0, 0, 0, 0);
    rootLayout->setSpacing(0);
    root->setLayout(rootLayout);
    for (int g = 0; g < kGroups; ++g) {
        auto *group = new QGraphicsWidget(root);
        auto *groupLayout = new QGraphicsLinearLayout(Qt::Vertical);
        groupLayout->setContentsMargins(0, 0, 0, 0);
        groupLayout->setSpacing(0);
        group->setLayout(groupLayout);
        rootLayout->addItem(group);
        for (int i = 0; i < kPerGroup; ++i) {
            auto *leaf = new QGraphicsWidget(group);
            leaf->setMinimumHeight(10);
            leaf->setMaximumHeight(10);
            leaf->setPreferredHeight(10);
            groupLayout->addItem(leaf);
        }
    }
    scene.addItem(root);
    root->resize(800, 600);
}

template <typename Build>
double measure(Build build)
{
    return bench::medianNs(15, [&] {
        QGraphicsScene scene;
        build(scene);
        QCoreApplication::processEvents(); // run the layout activation the tree posted
    });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const double plain = measure(buildPlain);
    const double dui = measure(buildDui);
    bench::report("1,000 DuiWidgets in nested boxes (build+layout+free)", dui,
                  "1,000 QGraphicsWidgets", plain);
    return 0;
}
