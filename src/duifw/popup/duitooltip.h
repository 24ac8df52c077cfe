// SPDX-License-Identifier: MIT
#ifndef DUITOOLTIP_H
#define DUITOOLTIP_H

#include "duiglobal.h"

#include <QtCore/qlist.h>
#include <QtCore/qobject.h>
#include <QtCore/qscopedpointer.h>

class DuiToolTipPrivate;
class DuiWidget;

// A tooltip controller: the widgets attached to it show their tool-tip text as a bubble when the
// cursor rests on them. For now it keeps the attached widgets; the bubble engine that watches
// them is still to come.
class DUI_EXPORT DuiToolTip : public QObject
{
    Q_OBJECT
public:
    explicit DuiToolTip(QObject *parent = nullptr);
    ~DuiToolTip() override;

    Q_INVOKABLE void attatchWidget(DuiWidget *targetWidget);
    Q_INVOKABLE void detachWidget(DuiWidget *targetWidget);

    // The attached widgets that still exist, in the order they were attached.
    QList<DuiWidget *> targets() const;

private:
    QScopedPointer<DuiToolTipPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiToolTip)
};

#endif // DUITOOLTIP_H
