// SPDX-License-Identifier: MIT
#ifndef DUIABSTRACTITEMCONTAINER_P_H
#define DUIABSTRACTITEMCONTAINER_P_H

#include "duiabstractitemcontainer.h"
#include "duiabstractviewitem.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>

class DUI_AUTOTEST_EXPORT DuiAbstractItemContainerPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiAbstractItemContainer)
public:
    QList<QPointer<DuiAbstractViewItem>> items;

    // The last live row at or before `index`, -1 if none.
    int liveAtOrBefore(int index) const;
    // The row whose top is the last at or above `y`, -1 if none (rows in top-to-bottom order).
    int rowAtOrAbove(qreal y) const;
};

#endif // DUIABSTRACTITEMCONTAINER_P_H
