// SPDX-License-Identifier: MIT
#ifndef DUIACCESSIBLEVIEW_P_H
#define DUIACCESSIBLEVIEW_P_H

#include <QtWidgets/qaccessiblewidget.h>

class QGraphicsScene;
class QGraphicsView;

// A graphics view that shows framework widgets: a window (or a dialog, or a drop-down list)
// whose children are the widgets of its scene instead of its viewport. It reports focus moves
// between the scene's items, which Qt cannot see since the view keeps the focus throughout.
class DuiAccessibleView : public QAccessibleWidget
{
public:
    DuiAccessibleView(QGraphicsView *view, QAccessible::Role role);

    QGraphicsView *view() const;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessible::State state() const override;

private:
    QList<QGraphicsWidget *> childWidgets() const;
};

#endif // DUIACCESSIBLEVIEW_P_H
