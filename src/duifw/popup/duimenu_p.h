// SPDX-License-Identifier: MIT
#ifndef DUIMENU_P_H
#define DUIMENU_P_H

#include "duimenu.h"

#include <QtCore/qrect.h>

class QScreen;

class DuiMenuPrivate
{
    Q_DECLARE_PUBLIC(DuiMenu)
public:
    DuiMenuPrivate() = default;
    virtual ~DuiMenuPrivate() = default;

    // Connects the receiver's own on_<name>_triggered(bool) slots to every action of the menu
    // named <name>, once each however often it is asked.
    void connectSlotsByName(QObject *receiver, Qt::ConnectionType type);

    DuiMenu *q_ptr = nullptr;
    QRect popupRect;
    Qt::Alignment popupAlignment;
};

// Reads a menu file into a menu. The menu file reader belongs to the XML builder's layer, which
// reports what it skips; that layer installs it when the library loads.
using DuiMenuFileReader = bool (*)(const QString &path, DuiMenu *menu);
DUI_AUTOTEST_EXPORT void duiSetMenuFileReader(DuiMenuFileReader reader);

namespace DuiMenuPlacement {

// The screen that holds `point`; else the screen nearest to it; else the primary screen.
DUI_AUTOTEST_EXPORT QScreen *screenFor(const QPoint &point);
// `rect` moved, not resized, onto `screen`: right and bottom edges first, then left and top, so
// a menu larger than the screen keeps its top-left corner on it.
DUI_AUTOTEST_EXPORT QRect keptOn(const QRect &rect, const QRect &screen);
// Where a menu of `menu`'s size goes for the target rectangle and alignment (see DuiMenu::exec).
DUI_AUTOTEST_EXPORT QRect place(const QRect &menu, const QRect &target, Qt::Alignment alignment);

} // namespace DuiMenuPlacement

#endif // DUIMENU_P_H
