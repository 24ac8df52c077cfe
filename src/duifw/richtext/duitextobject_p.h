// SPDX-License-Identifier: MIT
#ifndef DUITEXTOBJECT_P_H
#define DUITEXTOBJECT_P_H

#include "duitextobject.h"

#include <QtCore/qhash.h>
#include <QtCore/qlist.h>
#include <QtCore/qpointer.h>
#include <QtCore/qrect.h>

class DuiTextObjectPrivate
{
public:
    QHash<uint, QList<DuiTextEditGraphicsItem *> *> items;
    QPointer<DuiTextEdit> edit;
    QHash<uint, QRectF> lastRects;
};

#endif // DUITEXTOBJECT_P_H
