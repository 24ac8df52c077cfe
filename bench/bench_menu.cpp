// SPDX-License-Identifier: MIT
// Menus from menu files against the same QMenu written in code: 1,000 items in one menu and in
// ten sub-menus of 100, each item with a slot of its own on the receiver (on_item<i>_triggered);
// the cost of connecting those slots by name; and the first popup of the 1,000-item menu (sizing
// and painting) with the row's style sheet and with none.

#include "benchutil.h"
#include "menureceiver.h"

#include <duimenu.h>
#include <duitheme.h>

#include <QtCore/qloggingcategory.h>
#include <QtCore/qtemporarydir.h>
#include <QtWidgets/qapplication.h>

namespace {

constexpr int kItems = 1000;
constexpr int kGroups = 10;

QByteArray menuXml(bool grouped)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xmlui><ActionGroup>\n";
    for (int i = 0; i < kItems; ++i) {
        if (grouped && i % (kItems / kGroups) == 0)
            xml += (i ? "</ActionGroup>\n" : "") + QByteArray("<ActionGroup objectName=\"group") + QByteArray::number(i / 100)
                   + "\" text=\"Group " + QByteArray::number(i / 100) + "\">\n";
        xml += "  <Action objectName=\"item" + QByteArray::number(i) + "\" text=\"Item " + QByteArray::number(i)
               + "\" toolTip=\"Does item " + QByteArray::number(i) + "\"/>\n";
    }
    xml += grouped ? "</ActionGroup></ActionGroup></xmlui>\n" : "</ActionGroup></xmlui>\n";
    return xml;
}

// The same menu as a host would write it, connecting each action to its slot by index.
void buildByHand(QMenu *menu, MenuReceiver *receiver, bool grouped, const QList<int> &slotIndex)
{
    static const int triggered = QAction::staticMetaObject.indexOfSignal("triggered(bool)");
    QMenu *target = menu;
    for (int i = 0; i < kItems; ++i) {
        if (grouped && i % (kItems / kGroups) == 0) {
            target = new QMenu(menu);
            target->setObjectName(QStringLiteral("group%1").arg(i / 100));
            QAction *groupAction = menu->addMenu(target);
            groupAction->setObjectName(target->objectName());
            groupAction->setText(QStringLiteral("Group %1").arg(i / 100));
        }
        auto *action = new QAction(target);
        action->setObjectName(QStringLiteral("item%1").arg(i));
        action->setText(QStringLiteral("Item %1").arg(i));
        action->setToolTip(QStringLiteral("Does item %1").arg(i));
        target->addAction(action);
        QMetaObject::connect(action, triggered, receiver, slotIndex.at(i));
    }
}

// Median time of the first popup: from popup() to a painted menu, on a menu built beforehand.
double firstPopupNs(bool styled, const QString &file)
{
    std::vector<qint64> samples;
    for (int round = 0; round < 11; ++round) {
        DuiMenu menu;
        if (!styled)
            menu.setStyleSheet(QString());
        menu.createFromFile(file);
        QElapsedTimer timer;
        timer.start();
        menu.popup(QPoint(0, 0));
        const QPixmap painted = menu.grab();
        samples.push_back(timer.nsecsElapsed());
        menu.hide();
    }
    std::sort(samples.begin(), samples.end());
    return double(samples[samples.size() / 2]);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("dui.*.warning=false"));
    DuiTheme::setColorThemeOnly(0);
    QTemporaryDir dir;
    const QString flat = dir.filePath(QStringLiteral("flat.xml"));
    const QString grouped = dir.filePath(QStringLiteral("grouped.xml"));
    for (const auto &[path, isGrouped] : {std::pair{flat, false}, std::pair{grouped, true}}) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(menuXml(isGrouped)) < 0)
            return 1;
    }

    MenuReceiver receiver;
    QList<int> slotIndex;
    for (int i = 0; i < kItems; ++i)
        slotIndex << receiver.metaObject()->indexOfSlot(qPrintable(QStringLiteral("on_item%1_triggered(bool)").arg(i)));

    // Check once that both paths make the same actions and that every slot answers once.
    {
        DuiMenu menu;
        menu.createFromFile(grouped, &receiver);
        for (QAction *action : menu.findChildren<QAction *>())
            action->trigger();
        QMenu byHand;
        MenuReceiver other;
        buildByHand(&byHand, &other, true, slotIndex);
        std::printf("actions: file %d, code %d; slots hit: %d of %d\n", int(menu.findChildren<QAction *>().size()),
                    int(byHand.findChildren<QAction *>().size()), receiver.hits, kItems);
        receiver.hits = 0;
    }

    for (bool isGrouped : {false, true}) {
        const QString &file = isGrouped ? grouped : flat;
        const double fromFile = bench::medianNs(21, [&] {
            DuiMenu menu;
            menu.createFromFile(file, &receiver);
        });
        const double noReceiver = bench::medianNs(21, [&] {
            DuiMenu menu;
            menu.createFromFile(file);
        });
        const double byHand = bench::medianNs(21, [&] {
            QMenu menu;
            buildByHand(&menu, &receiver, isGrouped, slotIndex);
        });
        bench::report(isGrouped ? "10 x 100 items from a file, 1,000 slots" : "1,000 items from a file, 1,000 slots", fromFile,
                      "the same QMenu in code", byHand);
        bench::report("  of which connecting by name", fromFile - noReceiver, "the whole build", fromFile);
    }

    const double styled = firstPopupNs(true, flat);
    const double plain = firstPopupNs(false, flat);
    bench::report("first popup of 1,000 items, row 0 sheet", styled, "with no style sheet", plain);
    return 0;
}
