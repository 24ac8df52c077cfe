// SPDX-License-Identifier: MIT
#ifndef DUISEPARATELINE_P_H
#define DUISEPARATELINE_P_H

#include "duiseparateline.h"
#include "duiwidget_p.h"

#include <QtGui/qpen.h>

class DuiSeparateLinePrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiSeparateLine)
public:
    QPen pen = QPen(QBrush(Qt::blue), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    Qt::Orientation orientation = Qt::Horizontal;
};

#endif // DUISEPARATELINE_P_H
