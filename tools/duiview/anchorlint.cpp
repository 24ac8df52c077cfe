// SPDX-License-Identifier: MIT
#include "anchorlint.h"

#include <duixmlsource.h>

#include <QtWidgets/qgraphicsanchorlayout.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicswidget.h>
#include <QtWidgets/qwidget.h>

#include <algorithm>

namespace {

// Qt says so only through this warning, from whichever call computes the layout.
QtMessageHandler s_previousHandler = nullptr;
bool s_infeasible = false;

void catchInfeasible(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("anchor setup is not feasible"))) {
        s_infeasible = true;
        return;
    }
    if (s_previousHandler)
        s_previousHandler(type, context, message);
}

bool feasible(QGraphicsAnchorLayout *layout)
{
    s_infeasible = false;
    layout->invalidate();
    layout->activate();
    return !s_infeasible;
}

// True when the layout becomes feasible once `item` may take any size.
bool isToBlame(QGraphicsAnchorLayout *layout, QGraphicsLayoutItem *item)
{
    const QSizeF minimum = item->minimumSize();
    const QSizeF maximum = item->maximumSize();
    item->setMinimumSize(0, 0);
    item->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const bool blamed = feasible(layout);
    item->setMinimumSize(minimum);
    item->setMaximumSize(maximum);
    return blamed;
}

QString describe(const QGraphicsWidget *widget)
{
    // Widgets without a name from the file carry a generated one, which says nothing.
    const QString name = widget->objectName();
    const QString type = QLatin1String(widget->metaObject()->className());
    if (name.isEmpty() || name.startsWith(QLatin1String("NoNameWidget")))
        return type;
    return QStringLiteral("%1 \"%2\"").arg(type, name);
}

DuiXmlDiagnostics::Record record(const QGraphicsWidget *widget, const QString &file, const QString &message)
{
    DuiXmlDiagnostics::Record r;
    r.file = file;
    r.severity = DuiXmlDiagnostics::Error;
    r.kind = DuiXmlDiagnostics::RejectedValue;
    r.message = message;
    // The builder's note; its file may be one an xmlPath attribute named.
    const DuiXmlSourceLocation source = DuiXmlSource::locationOf(widget);
    if (source.isValid()) {
        r.file = source.file;
        r.line = source.line;
        r.column = source.column;
    }
    return r;
}

} // namespace

QList<DuiXmlDiagnostics::Record> infeasibleAnchorRecords(QGraphicsScene *scene, const QString &file)
{
    QList<DuiXmlDiagnostics::Record> records;
    if (!scene)
        return records;
    s_previousHandler = qInstallMessageHandler(catchInfeasible);
    const QList<QGraphicsItem *> items = scene->items();
    for (QGraphicsItem *item : items) {
        if (!item->isWidget())
            continue;
        auto *owner = static_cast<QGraphicsWidget *>(item);
        auto *layout = dynamic_cast<QGraphicsAnchorLayout *>(owner->layout());
        if (!layout || feasible(layout))
            continue;
        const QGraphicsWidget *culprit = owner;
        for (int i = 0; i < layout->count(); ++i) {
            QGraphicsLayoutItem *child = layout->itemAt(i);
            if (child->graphicsItem() && child->graphicsItem()->isWidget() && isToBlame(layout, child)) {
                culprit = static_cast<QGraphicsWidget *>(child->graphicsItem());
                break;
            }
        }
        const QSizeF min = culprit->minimumSize();
        const QSizeF max = culprit->maximumSize();
        const QString message = culprit == owner
            ? QStringLiteral("%1: the anchors of its children cannot all be met; Qt lays them out nowhere").arg(describe(owner))
            : QStringLiteral("%1: its anchors in %2 ask for a size outside its limits (%3x%4 to %5x%6); Qt lays the layout out nowhere")
                  .arg(describe(culprit), describe(owner))
                  .arg(min.width()).arg(min.height()).arg(max.width()).arg(max.height());
        records.append(record(culprit, file, message));
        feasible(layout); // leave the layout computed as Qt would
    }
    qInstallMessageHandler(s_previousHandler);
    s_previousHandler = nullptr;
    std::sort(records.begin(), records.end(), [](const DuiXmlDiagnostics::Record &a, const DuiXmlDiagnostics::Record &b) {
        return a.file == b.file ? a.line < b.line : a.file < b.file;
    });
    return records;
}
