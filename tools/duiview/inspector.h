// SPDX-License-Identifier: MIT
// duiview --inspect: a second window beside the previewed one, with the tree of the widgets the
// builder made (class, object name, geometry), the live properties of the selected widget
// (editable for the basic types, written at once), and the file and line of its element.
// Ctrl+click in the previewed window selects the control under the pointer; the selected
// control is outlined in the window.
#ifndef INSPECTOR_H
#define INSPECTOR_H

#include <duiframewindow.h>

#include <QtCore/qhash.h>
#include <QtCore/qpointer.h>
#include <QtCore/qtimer.h>
#include <QtWidgets/qwidget.h>

class OutlineItem;
class QGraphicsWidget;
class QLabel;
class QTableWidget;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

class Inspector : public QWidget
{
    Q_OBJECT
public:
    enum TreeColumn { ClassColumn, NameColumn, GeometryColumn };
    enum TableColumn { PropertyColumn, ValueColumn };

    explicit Inspector(QWidget *parent = nullptr);
    ~Inspector() override;

    // Shows the widgets of `window` (null: none). A window rebuilt by --watch keeps the selection
    // of the control at the same place in the tree.
    void setTarget(DuiFrameWindow *window);
    DuiFrameWindow *target() const { return m_target; }

    // Selects `object` (the window or one of its widgets in the tree); false when it is not there.
    bool select(QObject *object);
    QObject *selected() const { return m_selected; }

    QTreeWidget *tree() const { return m_tree; }
    QTableWidget *properties() const { return m_properties; }
    // "file:line:column" of the selected object's element, and the line itself.
    QLabel *source() const { return m_source; }
    // The outline's rectangle in the target's scene; empty when nothing is outlined.
    QRectF outlineRect() const;

    // Re-reads every shown value now (a timer does it four times a second while visible).
    void refresh();

    // The previewed window and the inspector side by side, as one picture.
    static QImage renderBeside(const QImage &window, Inspector *inspector);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuildTree();
    void addWidgets(QGraphicsWidget *widget, QTreeWidgetItem *parent);
    QTreeWidgetItem *itemFor(QObject *object, const QString &className, const QString &geometry);
    void fillProperties();
    void showSource();
    void updateOutline();
    void propertyEdited(QTableWidgetItem *item);
    QList<int> pathOf(QTreeWidgetItem *item) const;
    QTreeWidgetItem *itemAt(const QList<int> &path) const;

    QPointer<DuiFrameWindow> m_target;
    QPointer<QObject> m_selected;
    QHash<QObject *, QTreeWidgetItem *> m_items;
    QTreeWidget *m_tree;
    QTableWidget *m_properties;
    QLabel *m_source;
    OutlineItem *m_outline = nullptr; // owned by the target's scene
    QTimer m_refresh;
    bool m_filling = false;
};

#endif // INSPECTOR_H
