// SPDX-License-Identifier: MIT
#ifndef DUIMENU_H
#define DUIMENU_H

#include "duiglobal.h"

#include <QtCore/qscopedpointer.h>
#include <QtWidgets/qmenu.h>

class DuiMenuPrivate;

// The framework's popup menu: a plain QMenu that wears the style sheet of the colour row current
// when it is made, can be filled from an XML menu file whose actions are connected to a
// receiver's on_<action>_triggered(bool) slots, and can be placed above or below a rectangle
// (a button, say), always kept whole on the screen that holds its target.
//
//     DuiMenu *menu = DuiMenu::createPopupMenu();
//     menu->createFromFile(QStringLiteral("layout/filemenu.xml"), this);
//     menu->popup(buttonRect, Qt::AlignBottom);
class DUI_EXPORT DuiMenu : public QMenu
{
    Q_OBJECT
public:
    explicit DuiMenu(QWidget *parent = nullptr);
    ~DuiMenu() override;

    // A parentless menu that deletes itself when it closes.
    static DuiMenu *createPopupMenu();

    // Appends the items of a menu file (root "xmlui", first child an "ActionGroup") and, with a
    // receiver, connects its on_<name>_triggered(bool) slots to the actions named <name>. True
    // when the file was read and xmlui has a first child element; false leaves the menu as it was.
    bool createFromFile(const QString &path, QObject *receiver = nullptr,
                        Qt::ConnectionType type = Qt::AutoConnection);

    // Connects triggered(bool) of the first action named `name` (at any depth) to `member`
    // (a SLOT() or SIGNAL() string) of `receiver`.
    bool connectMenuAction(const QString &name, QObject *receiver, const char *member);
    // Depth first: each action of this menu, then the sub-menu it opens, before the next action.
    QAction *actionByName(const QString &name) const;
    // The i-th action of this menu itself; null out of range.
    QAction *actionByIndex(int i) const;
    // Removes (without deleting) every action of that name at every depth. The sub-menus of the
    // removed actions are not searched.
    void removeAction(const QString &name);
    using QMenu::removeAction;

    // At the cursor, where Qt places it (any earlier target rectangle is forgotten).
    QAction *exec();
    // At the cursor, then moved above (Qt::AlignTop) or below (Qt::AlignBottom) `rect`, in global
    // coordinates; other alignments keep Qt's position.
    QAction *exec(const QRect &rect, Qt::Alignment alignment);
    using QMenu::exec;
    // At the cursor (any earlier target rectangle is forgotten).
    void popup(QAction *atAction = nullptr);
    // At `rect`'s top-left corner, then placed as exec(rect, alignment) does.
    void popup(const QRect &rect, Qt::Alignment alignment, QAction *atAction = nullptr);
    using QMenu::popup;

    // The QMenu operations of these names, callable by name through the meta-object. The
    // receiver forms take the shortcut without a default: with one, a call without it would be
    // ambiguous with QWidget's forms that end in a connection type (clang refuses the
    // meta-object code); such calls reach QWidget's, which do the same.
    using QMenu::addAction;
    Q_INVOKABLE QAction *addAction(const QString &text);
    Q_INVOKABLE QAction *addAction(const QIcon &icon, const QString &text);
    Q_INVOKABLE QAction *addAction(const QString &text, const QObject *receiver, const char *member,
                                   const QKeySequence &shortcut);
    Q_INVOKABLE QAction *addAction(const QIcon &icon, const QString &text, const QObject *receiver,
                                   const char *member, const QKeySequence &shortcut);
    Q_INVOKABLE QAction *addMenu(QMenu *menu);
    Q_INVOKABLE QMenu *addMenu(const QString &title);
    Q_INVOKABLE QMenu *addMenu(const QIcon &icon, const QString &title);
    Q_INVOKABLE QAction *addSeparator();
    Q_INVOKABLE QAction *insertMenu(QAction *before, QMenu *menu);
    Q_INVOKABLE QAction *insertSeparator(QAction *before);

protected:
    DuiMenu(DuiMenuPrivate &dd, QWidget *parent);
    void showEvent(QShowEvent *event) override;

private:
    QScopedPointer<DuiMenuPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiMenu)
    Q_DISABLE_COPY(DuiMenu)
};

#endif // DUIMENU_H
