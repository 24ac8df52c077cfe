// SPDX-License-Identifier: MIT
// duiview --lint's check of anchor layouts, which can only run once a window is built: Qt lays
// an anchor layout it cannot satisfy out nowhere, with one warning and nothing else.
#ifndef ANCHORLINT_H
#define ANCHORLINT_H

#include <duixmldiagnostics.h>

#include <QtCore/qlist.h>

class QGraphicsScene;

// An error for each anchor layout in `scene` that Qt finds infeasible, on the element of the
// child whose size limits its anchors cannot meet (the layout's owner when no one child is to
// blame), at the line the builder noted for that widget.
QList<DuiXmlDiagnostics::Record> infeasibleAnchorRecords(QGraphicsScene *scene, const QString &file);

#endif // ANCHORLINT_H
