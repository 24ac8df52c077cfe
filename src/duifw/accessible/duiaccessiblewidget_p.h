// SPDX-License-Identifier: MIT
#ifndef DUIACCESSIBLEWIDGET_P_H
#define DUIACCESSIBLEWIDGET_P_H

#include "duiglobal.h"

#include <QtCore/qlist.h>
#include <QtCore/qpointer.h>
#include <QtGui/qaccessible.h>
#include <QtGui/qaccessibleobject.h>

class DuiWidget;
class QGraphicsItem;
class QGraphicsView;
class QGraphicsWidget;

// The tree a screen reader walks: which widgets of a scene it sees and in which order.
namespace DuiAccessibleTree {

// The widgets that stand for `items` (children of one item, or a scene's top-level items), in
// order: layout-only containers are looked through, skin decoration is left out.
QList<QGraphicsWidget *> children(const QList<QGraphicsItem *> &items);
QList<QGraphicsWidget *> childrenOf(const QGraphicsItem *item);

// The interface that lists `widget` among its children: a widget above it, or the view.
QAccessibleInterface *parentOf(QGraphicsWidget *widget);

// The interface of the nearest listed widget at or above `item`, for the focus.
QAccessibleInterface *exposedFor(QGraphicsItem *item);

QGraphicsView *viewOf(const QGraphicsItem *item);

// `rect` of `item` (in item coordinates) on the screen.
QRect screenRect(const QGraphicsItem *item, const QRectF &rect);

// A press and release of the left button at `pos` (item coordinates) sent straight to `widget`,
// so that the control reacts, and signals, exactly as to a click. False when it cannot be
// clicked (disabled, hidden or outside a scene).
bool click(QGraphicsWidget *widget, const QPointF &pos);
bool click(QGraphicsWidget *widget);

// Child navigation over the widgets a parent lists.
QAccessibleInterface *childIn(const QList<QGraphicsWidget *> &list, int index);
int indexIn(const QList<QGraphicsWidget *> &list, const QAccessibleInterface *child);

// The topmost (last) visible child among `list` whose rectangle holds the screen point. The
// list is made once per hit test: asking a parent for each child in turn would make it again
// for every child, every row of an item view each time.
QAccessibleInterface *childAt(const QList<QGraphicsWidget *> &list, int x, int y);
// The same over a parent's own child interfaces, for parents whose children are not widgets.
QAccessibleInterface *childAt(const QAccessibleInterface *parent, int x, int y);

} // namespace DuiAccessibleTree

// The interface of every DuiWidget: name from `accessibleName` or the visible text, description
// from the tooltip, the widget's state and rectangle, and the children the tree rules give.
// Control kinds derive from it and override what differs.
class DuiAccessibleWidget : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    explicit DuiAccessibleWidget(QGraphicsWidget *widget, QAccessible::Role role = QAccessible::Pane);

    QGraphicsWidget *widget() const;
    DuiWidget *duiWidget() const;

    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    QRect rect() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

protected:
    // The widgets shown as children; controls drawn as one piece have none.
    virtual QList<QGraphicsWidget *> childWidgets() const;
    // What the control shows as its text, the name when no accessibleName is set.
    virtual QString visibleText() const;

    QAccessible::Role m_role;
    // Drawn as one piece: its own parts (label, icon, editor proxy) are not children.
    bool m_leaf = false;
};

#endif // DUIACCESSIBLEWIDGET_P_H
