// SPDX-License-Identifier: MIT
#ifndef DUIABSTRACTITEMVIEW_P_H
#define DUIABSTRACTITEMVIEW_P_H

#include "duiabstractitemview.h"
#include "duiscrollarea_p.h"

#include <QtCore/qpointer.h>
#include <QtGui/qstandarditemmodel.h>

class DUI_AUTOTEST_EXPORT DuiAbstractItemViewPrivate : public DuiScrollAreaPrivate
{
    Q_DECLARE_PUBLIC(DuiAbstractItemView)
public:
    QPointer<QStandardItemModel> model;
};

#endif // DUIABSTRACTITEMVIEW_P_H
