// SPDX-License-Identifier: MIT
// The XML UI builder against hand-written C++ for the same tree: 1,000 widgets in nested boxes
// and anchor layouts, a dozen attributes per element. Also the cost of a diagnostics collector,
// on a clean tree and on one where every element carries an attribute the builder skips.

#include "benchutil.h"

#include <duiwidget.h>
#include <duixmldiagnostics.h>
#include <duixmlui.h>

#include <QtCore/qloggingcategory.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsscene.h>

#include <string>

namespace {

constexpr int kGroups = 40;   // groups in the root's vertical box
constexpr int kPerGroup = 24; // leaves per group: 40 + 40 * 24 = 1,000 widgets built

const char *groupLayout(int g)
{
    static const char *layouts[] = {"HBox", "VBox", "Anchor"};
    return layouts[g % 3];
}

std::string anchorText(int i)
{
    const int x = (i % 6) * 30, y = (i / 6) * 20;
    return "Left:" + std::to_string(x) + "|Left:" + std::to_string(x + 28) + "|Top:" + std::to_string(y) + "|Top:" +
           std::to_string(y + 18);
}

std::string treeXml(bool withSkips)
{
    const std::string skip = withSkips ? " shade=\"dark\"" : "";
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xmlui>\n";
    for (int g = 0; g < kGroups; ++g) {
        xml += "<DuiWidget objectName=\"group" + std::to_string(g) + "\" layout=\"" + groupLayout(g) +
               "\" margins=\"2,2,2,2\" spacing=\"3\" minHeight=\"40\" maxWidth=\"2000\" preferredHeight=\"120\""
               " backgroundColor=\"240,240,240\" toolTip=\"Group\" dragPolicy=\"DragWindow\""
               " colorizePolicy=\"UnColorableFlag\" themeColorType=\"1\"" + skip + ">\n";
        for (int i = 0; i < kPerGroup; ++i) {
            xml += "  <DuiWidget objectName=\"leaf" + std::to_string(g) + "_" + std::to_string(i) + "\"";
            if (g % 3 == 2)
                xml += " anchor=\"" + anchorText(i) + "\" fixHeight=\"18\"";
            else
                xml += " fixHeight=\"18\" itemSpacing=\"1\" alignment=\"AlignLeft|AlignVCenter\"";
            xml += " minWidth=\"10\" maxWidth=\"400\" preferredWidth=\"60\" backgroundColor=\"200,210,220,255\""
                   " toolTip=\"Leaf\" dragPolicy=\"NotDragWindow\" colorizePolicy=\"ColorableFlag\" themeColorType=\"5\"" +
                   skip + "/>\n";
        }
        xml += "</DuiWidget>\n";
    }
    xml += "</xmlui>\n";
    return xml;
}

// The same tree, written as a host would write it by hand.
void buildByHand(DuiWidget *root)
{
    for (int g = 0; g < kGroups; ++g) {
        auto *group = new DuiWidget(root);
        group->setParent(root);
        root->addItem(group);
        group->setObjectName(QStringLiteral("group%1").arg(g));
        group->setLayout(g % 3 == 0 ? DuiWidget::HBox : g % 3 == 1 ? DuiWidget::VBox : DuiWidget::Anchor);
        group->setMargins(QMargins(2, 2, 2, 2));
        group->setSpacing(3);
        group->setMinimumHeight(40);
        group->setMaximumWidth(2000);
        group->setPreferredHeight(120);
        group->setBackgroundColor(QColor(240, 240, 240));
        group->setToolTip(QStringLiteral("Group"));
        group->setDragPolicy(DuiWidget::DragWindow);
        group->setColorizePolicy(DuiWidget::UnColorableFlag);
        group->setThemeColorType(1);
        for (int i = 0; i < kPerGroup; ++i) {
            auto *leaf = new DuiWidget(group);
            leaf->setParent(group);
            group->addItem(leaf);
            leaf->setObjectName(QStringLiteral("leaf%1_%2").arg(g).arg(i));
            if (g % 3 == 2) {
                leaf->setAnchorString(QString::fromStdString(anchorText(i)));
                leaf->setFixHeight(18);
            } else {
                leaf->setFixHeight(18);
                leaf->setItemSpacing(1);
                leaf->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            }
            leaf->setMinimumWidth(10);
            leaf->setMaximumWidth(400);
            leaf->setPreferredWidth(60);
            leaf->setBackgroundColor(QColor(200, 210, 220, 255));
            leaf->setToolTip(QStringLiteral("Leaf"));
            leaf->setDragPolicy(DuiWidget::NotDragWindow);
            leaf->setColorizePolicy(DuiWidget::ColorableFlag);
            leaf->setThemeColorType(5);
        }
    }
}

template <typename Build>
void buildOnce(Build build)
{
    QGraphicsScene scene;
    auto *root = new DuiWidget;
    root->setLayout(DuiWidget::VBox);
    scene.addItem(root);
    build(root);
    root->resize(1200, 900);
    QCoreApplication::processEvents(); // run the layout activation the tree posted
}

template <typename Build>
double measure(Build build)
{
    return bench::medianNs(31, [&] { buildOnce(build); });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The cases without a collector measure a host that silenced dui.xml: nothing is formatted.
    QLoggingCategory::setFilterRules(QStringLiteral("dui.xml.warning=false"));
    const std::string clean = treeXml(false);
    const std::string skips = treeXml(true);

    // Check once that both paths build the same number of widgets.
    {
        DuiWidget a, b;
        a.setLayout(DuiWidget::VBox);
        b.setLayout(DuiWidget::VBox);
        DuiXmlUI::createFromMemory(clean, &a);
        buildByHand(&b);
        std::printf("widgets built: XML %d, C++ %d\n", int(a.findChildren<DuiWidget *>().size()),
                    int(b.findChildren<DuiWidget *>().size()));
    }

    const auto [fromXml, byHand] = bench::medianPairNs(
        41, [&] { buildOnce([&](DuiWidget *root) { DuiXmlUI::createFromMemory(clean, root); }); },
        [&] { buildOnce(buildByHand); });
    const double withCollector = measure([&](DuiWidget *root) {
        DuiXmlDiagnostics diagnostics;
        DuiXmlUI::createFromMemory(clean, root);
    });
    const double skipsQuiet = measure([&](DuiWidget *root) { DuiXmlUI::createFromMemory(skips, root); });
    int records = 0;
    const double skipsCollected = measure([&](DuiWidget *root) {
        DuiXmlDiagnostics diagnostics;
        DuiXmlUI::createFromMemory(skips, root);
        records = diagnostics.count();
    });

    // Diagnostics alone: 1,000 elements that are all skipped, so nothing is built.
    std::string unknown = "<xmlui>";
    for (int i = 0; i < 1000; ++i)
        unknown += "<Gadget objectName=\"g" + std::to_string(i) + "\"/>";
    unknown += "</xmlui>";
    const double unknownQuiet = measure([&](DuiWidget *root) { DuiXmlUI::createFromMemory(unknown, root); });
    const double unknownCollected = measure([&](DuiWidget *root) {
        DuiXmlDiagnostics diagnostics;
        DuiXmlUI::createFromMemory(unknown, root);
    });

    bench::report("1,000 widgets from XML (parse+build+layout+free)", fromXml, "the same tree in C++", byHand);
    bench::report("from XML with a diagnostics collector alive", withCollector, "from XML, no collector", fromXml);
    bench::report("1,000 skipped attributes, collector alive", skipsCollected, "1,000 skipped attributes, none", skipsQuiet);
    bench::report("1,000 unknown elements, collector alive", unknownCollected, "1,000 unknown elements, none", unknownQuiet);
    std::printf("records collected per build with skips: %d\n", records);
    return 0;
}
