// SPDX-License-Identifier: MIT
#ifndef DUIPARENT_P_H
#define DUIPARENT_P_H

#include <QtWidgets/qgraphicsitem.h>

// Makes `parent` both the graphics parent and the QObject parent of `child`. Parts of a control
// and widgets built from XML need both: the graphics parent places and paints them, the QObject
// parent lets findChild and connection by object name reach them.
inline void duiSetParent(QGraphicsObject *child, QGraphicsObject *parent)
{
    child->setParentItem(parent);
    child->setParent(parent);
}

#endif // DUIPARENT_P_H
