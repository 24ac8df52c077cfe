// SPDX-License-Identifier: MIT
#ifndef DUIABSTRACTITEMCONTAINER_P_H
#define DUIABSTRACTITEMCONTAINER_P_H

#include "duiabstractitemcontainer.h"
#include "duiabstractviewitem.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>

// A parent item for rows that is no widget (see DuiAbstractItemContainerPrivate::rowParent): it
// draws nothing and has no extent. Other row-holding controls use it too.
DUI_AUTOTEST_EXPORT QGraphicsObject *duiNewRowParent(QGraphicsItem *parent);

class DUI_AUTOTEST_EXPORT DuiAbstractItemContainerPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiAbstractItemContainer)
public:
    QList<QPointer<DuiAbstractViewItem>> items;
    // The graphics parent of the view items (their QObject parent is the container). Qt links a
    // widget added under a widget after all of that parent's focus-chain descendants, which makes
    // filling a widget with n rows cost n²; under an item that is no widget, each row is linked
    // in constant time. It sits at the container's origin and draws nothing.
    QGraphicsObject *rowParent = nullptr;

    static QGraphicsObject *rowParentOf(const DuiAbstractItemContainer *container)
    {
        return container->d_func()->rowParent;
    }
    void adopt(DuiAbstractViewItem *item);
    static void deleteRows(const QList<QPointer<DuiAbstractViewItem>> &rows);

    // The last live row at or before `index`, -1 if none.
    int liveAtOrBefore(int index) const;
    // The row whose top is the last at or above `y`, -1 if none (rows in top-to-bottom order).
    int rowAtOrAbove(qreal y) const;
};

#endif // DUIABSTRACTITEMCONTAINER_P_H
