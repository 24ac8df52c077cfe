// SPDX-License-Identifier: MIT
#include "trace.h"

#include <duiframewindow.h>

#include <QtCore/qtimer.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qmenu.h>

#include <cstdio>

namespace trace {

namespace {
bool s_enabled = false;
}

void setEnabled(bool enabled)
{
    s_enabled = enabled;
}

bool enabled()
{
    return s_enabled;
}

void say(const QString &words)
{
    if (!s_enabled)
        return;
    QString line = words;
    line.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    std::fprintf(stdout, "%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void rect(const QString &name, const QRect &r)
{
    say(QStringLiteral("rect %1 %2 %3 %4 %5").arg(name).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
}

void item(const QString &name, DuiFrameWindow *window, const QGraphicsItem *graphicsItem)
{
    if (!s_enabled || !window || !graphicsItem)
        return;
    const QRect inView = window->mapFromScene(graphicsItem->sceneBoundingRect()).boundingRect();
    rect(name, QRect(window->viewport()->mapToGlobal(inView.topLeft()), inView.size()));
}

void menuActions(QMenu *menu)
{
    if (!s_enabled || !menu)
        return;
    // Run after the show event, when the menu's action rectangles exist.
    QTimer::singleShot(0, menu, [menu] {
        for (QAction *action : menu->actions()) {
            if (action->objectName().isEmpty() || action->isSeparator())
                continue;
            const QRect r = menu->actionGeometry(action);
            rect(QStringLiteral("action:") + action->objectName(), QRect(menu->mapToGlobal(r.topLeft()), r.size()));
        }
        say(QStringLiteral("menu shown ") + menu->objectName());
    });
}

} // namespace trace
