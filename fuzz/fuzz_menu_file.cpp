// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the menu file reader as a file, with a receiver whose
// on_<name>_triggered(bool) slots the reader connects, then triggers every action it built.

#include "fuzzharness.h"

#include <duimenu.h>
#include <duixmldiagnostics.h>

#include <QtCore/qobject.h>
#include <QtGui/qaction.h>

namespace {

class Receiver : public QObject
{
    Q_OBJECT
public:
    int calls = 0;
public Q_SLOTS:
    void on_open_triggered(bool) { ++calls; }
    void on_grid_triggered(bool) { ++calls; }
};

// Every action at every depth, sub-menus included; the reader bounds the depth.
void triggerAll(QMenu *menu)
{
    for (QAction *action : menu->actions()) {
        (void)action->text();
        if (QMenu *sub = action->menu())
            triggerAll(sub);
        else
            action->trigger();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const duifuzz::InputFile file(data, size, ".xml");
    DuiXmlDiagnostics diagnostics;
    Receiver receiver;
    DuiMenu menu;
    if (menu.createFromFile(file.path(), &receiver))
        triggerAll(&menu);
    for (const DuiXmlDiagnostics::Record &r : diagnostics.records())
        (void)r.toString();
    return 0;
}

#include "fuzz_menu_file.moc"
