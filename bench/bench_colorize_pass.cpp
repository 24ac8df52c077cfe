// SPDX-License-Identifier: MIT
// The recolouring pass a frame window runs on a skin change, over a scene of 1,000 colorable
// DuiWidgets (some with a theme colour type), against the bare work it ends in: setting the
// colour of each widget's QGraphicsColorizeEffect directly.

#include "benchutil.h"

#include <duicolorizepass_p.h>
#include <duitheme.h>
#include <duiwidget.h>

#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicsscene.h>

namespace {

constexpr int kGroups = 40;
constexpr int kPerGroup = 24; // 40 + 40 * 24 = 1,000 widgets

void build(QGraphicsScene &scene)
{
    for (int g = 0; g < kGroups; ++g) {
        auto *group = new DuiWidget;
        group->setColorizePolicy(DuiWidget::ColorableFlag);
        scene.addItem(group);
        for (int i = 0; i < kPerGroup; ++i) {
            auto *leaf = new DuiWidget(group);
            leaf->setColorizePolicy(DuiWidget::ColorableFlag);
            if (i % 4 == 0)
                leaf->setThemeColorType(DuiTheme::DarkestColor);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    DuiTheme::setColorThemeOnly(0);
    QGraphicsScene scene;
    build(scene);

    // The first pass installs the effects; later passes recolour them.
    QRgb colors[2] = {0xFF22B6FF, 0xFFFB5CAA};
    int turn = 0;
    const double firstNs = bench::medianNs(1, [&] {
        for (QGraphicsItem *item : scene.items())
            item->setGraphicsEffect(nullptr);
        duiColorizeItems(scene.items(), colors[0]);
    });
    const double passNs = bench::medianNs(31, [&] { duiColorizeItems(scene.items(), colors[++turn % 2]); });
    const double directNs = bench::medianNs(31, [&] {
        const QColor color = QColor::fromRgba(colors[++turn % 2]);
        for (QGraphicsItem *item : scene.items())
            static_cast<QGraphicsColorizeEffect *>(item->graphicsEffect())->setColor(color);
    });
    bench::report("colorize pass, 1,000 widgets", passNs, "direct effect setColor", directNs);
    bench::report("first pass (installs 1,000 effects)", firstNs, "direct effect setColor", directNs);
    return 0;
}
