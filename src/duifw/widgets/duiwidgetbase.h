// SPDX-License-Identifier: MIT
#ifndef DUIWIDGETBASE_H
#define DUIWIDGETBASE_H

#include "duiglobal.h"

#include <QtWidgets/qgraphicswidget.h>

class DuiWidgetBasePrivate;

// Holds the private-data pointer of every framework widget. It has no meta-object of its own.
class DUI_EXPORT DuiWidgetBase : public QGraphicsWidget
{
public:
    explicit DuiWidgetBase(QGraphicsItem *parent = nullptr);
    ~DuiWidgetBase() override;

protected:
    DuiWidgetBase(DuiWidgetBasePrivate &dd, QGraphicsItem *parent);

    DuiWidgetBasePrivate *d_ptr;

private:
    Q_DISABLE_COPY(DuiWidgetBase)
    Q_DECLARE_PRIVATE(DuiWidgetBase)
};

#endif // DUIWIDGETBASE_H
