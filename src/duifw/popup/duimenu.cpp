// SPDX-License-Identifier: MIT
#include "duimenu.h"
#include "duimenu_p.h"

#include "duitheme.h"

#include <QtCore/qfile.h>
#include <QtCore/qhash.h>
#include <QtCore/qmetaobject.h>
#include <QtGui/qcursor.h>
#include <QtGui/qevent.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qscreen.h>

namespace {

DuiMenuFileReader s_menuFileReader = nullptr;

// The compiled-in sheet of the colour row current now; a row without one (none chosen yet, or
// the tenth) leaves Qt's plain menu style.
QString currentStyleSheet()
{
    QFile file(QStringLiteral(":/theme/duifw/menu_%1.css").arg(DuiTheme::getColorTheme()));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromLatin1(file.readAll());
}

const char kTriggeredSignal[] = "triggered(bool)";

} // namespace

void duiSetMenuFileReader(DuiMenuFileReader reader)
{
    s_menuFileReader = reader;
}

namespace DuiMenuPlacement {

QScreen *screenFor(const QPoint &point)
{
    if (QScreen *screen = QGuiApplication::screenAt(point))
        return screen;
    QScreen *nearest = nullptr;
    qint64 best = 0;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens) {
        const QRect g = screen->geometry();
        const qint64 dx = point.x() < g.left() ? g.left() - point.x() : qMax(0, point.x() - g.right());
        const qint64 dy = point.y() < g.top() ? g.top() - point.y() : qMax(0, point.y() - g.bottom());
        const qint64 distance = dx * dx + dy * dy;
        if (!nearest || distance < best) {
            nearest = screen;
            best = distance;
        }
    }
    return nearest ? nearest : QGuiApplication::primaryScreen();
}

QRect keptOn(const QRect &rect, const QRect &screen)
{
    QRect r = rect;
    if (r.right() > screen.right())
        r.moveRight(screen.right());
    if (r.bottom() > screen.bottom())
        r.moveBottom(screen.bottom());
    if (r.left() < screen.left())
        r.moveLeft(screen.left());
    if (r.top() < screen.top())
        r.moveTop(screen.top());
    return r;
}

QRect place(const QRect &menu, const QRect &target, Qt::Alignment alignment)
{
    QRect r = menu;
    if (alignment == Qt::AlignTop)
        r.moveBottomLeft(QPoint(target.left(), target.top() - 1));
    else if (alignment == Qt::AlignBottom)
        r.moveTopLeft(QPoint(target.left(), target.bottom()));
    return r;
}

} // namespace DuiMenuPlacement

void DuiMenuPrivate::connectSlotsByName(QObject *receiver, Qt::ConnectionType type)
{
    Q_Q(DuiMenu);
    // Slot names are gathered once, so the cost is actions plus methods, not their product.
    QHash<QString, QList<int>> slotsByAction;
    const QMetaObject *meta = receiver->metaObject();
    for (int m = meta->methodOffset(); m < meta->methodCount(); ++m) {
        const QByteArray signature = meta->method(m).methodSignature();
        if (!signature.startsWith("on_") || !signature.endsWith(kTriggeredSignal))
            continue;
        const QList<QByteArray> parts = signature.split('_');
        if (parts.size() == 3 && parts.at(2) == kTriggeredSignal)
            slotsByAction[QString::fromUtf8(parts.at(1))].append(m);
    }
    if (slotsByAction.isEmpty())
        return;
    const int signal = QAction::staticMetaObject.indexOfSignal(kTriggeredSignal);
    // Unique: a menu filled from a second file must not connect the first file's actions again.
    const auto unique = Qt::ConnectionType(type | Qt::UniqueConnection);
    const QList<QAction *> actions = q->findChildren<QAction *>();
    for (QAction *action : actions) {
        const auto found = slotsByAction.constFind(action->objectName());
        if (found == slotsByAction.cend())
            continue;
        for (int method : *found)
            QMetaObject::connect(action, signal, receiver, method, unique);
    }
}

DuiMenu::DuiMenu(QWidget *parent)
    : DuiMenu(*new DuiMenuPrivate, parent)
{
}

DuiMenu::DuiMenu(DuiMenuPrivate &dd, QWidget *parent)
    : QMenu(parent)
    , d_data(&dd)
{
    Q_D(DuiMenu);
    d->q_ptr = this;
    setStyleSheet(currentStyleSheet());
}

DuiMenu::~DuiMenu() = default;

DuiMenu *DuiMenu::createPopupMenu()
{
    auto *menu = new DuiMenu(nullptr);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    return menu;
}

bool DuiMenu::createFromFile(const QString &path, QObject *receiver, Qt::ConnectionType type)
{
    Q_D(DuiMenu);
    if (!s_menuFileReader || !s_menuFileReader(path, this))
        return false;
    if (receiver)
        d->connectSlotsByName(receiver, type);
    return true;
}

bool DuiMenu::connectMenuAction(const QString &name, QObject *receiver, const char *member)
{
    QAction *action = nullptr;
    const QList<QAction *> actions = findChildren<QAction *>();
    for (QAction *candidate : actions) {
        if (candidate->objectName() == name) {
            action = candidate;
            break;
        }
    }
    if (!action || !receiver || !member)
        return false;
    return bool(connect(action, SIGNAL(triggered(bool)), receiver, member));
}

QAction *DuiMenu::actionByName(const QString &name) const
{
    const QList<QAction *> own = actions();
    for (QAction *action : own) {
        if (action->objectName() == name)
            return action;
        if (auto *sub = qobject_cast<DuiMenu *>(action->menu())) {
            if (QAction *found = sub->actionByName(name))
                return found;
        }
    }
    return nullptr;
}

QAction *DuiMenu::actionByIndex(int i) const
{
    const QList<QAction *> own = actions();
    return i >= 0 && i < own.size() ? own.at(i) : nullptr;
}

void DuiMenu::removeAction(const QString &name)
{
    const QList<QAction *> own = actions();
    for (QAction *action : own) {
        if (action->objectName() == name) {
            QMenu::removeAction(action);
            continue;
        }
        if (auto *sub = qobject_cast<DuiMenu *>(action->menu()))
            sub->removeAction(name);
    }
}

QAction *DuiMenu::exec()
{
    Q_D(DuiMenu);
    d->popupRect = QRect();
    d->popupAlignment = {};
    return QMenu::exec(QCursor::pos());
}

QAction *DuiMenu::exec(const QRect &rect, Qt::Alignment alignment)
{
    Q_D(DuiMenu);
    d->popupRect = rect;
    d->popupAlignment = alignment;
    return QMenu::exec(QCursor::pos());
}

void DuiMenu::popup(QAction *atAction)
{
    Q_D(DuiMenu);
    d->popupRect = QRect();
    d->popupAlignment = {};
    QMenu::popup(QCursor::pos(), atAction);
}

void DuiMenu::popup(const QRect &rect, Qt::Alignment alignment, QAction *atAction)
{
    Q_D(DuiMenu);
    d->popupRect = rect;
    d->popupAlignment = alignment;
    QMenu::popup(rect.topLeft(), atAction);
}

void DuiMenu::showEvent(QShowEvent *event)
{
    Q_D(DuiMenu);
    const QRect placed = DuiMenuPlacement::place(geometry(), d->popupRect, d->popupAlignment);
    // The screen is looked up at every show: screens come and go while a menu lives.
    const QPoint target = d->popupRect.isNull() ? placed.topLeft() : d->popupRect.center();
    const QScreen *screen = DuiMenuPlacement::screenFor(target);
    setGeometry(screen ? DuiMenuPlacement::keptOn(placed, screen->geometry()) : placed);
    QMenu::showEvent(event);
}

QAction *DuiMenu::addAction(const QString &text)
{
    return QMenu::addAction(text);
}

QAction *DuiMenu::addAction(const QIcon &icon, const QString &text)
{
    return QMenu::addAction(icon, text);
}

QAction *DuiMenu::addAction(const QString &text, const QObject *receiver, const char *member, const QKeySequence &shortcut)
{
    return QMenu::addAction(text, shortcut, receiver, member);
}

QAction *DuiMenu::addAction(const QIcon &icon, const QString &text, const QObject *receiver, const char *member,
                            const QKeySequence &shortcut)
{
    return QMenu::addAction(icon, text, shortcut, receiver, member);
}

QAction *DuiMenu::addMenu(QMenu *menu)
{
    return QMenu::addMenu(menu);
}

QMenu *DuiMenu::addMenu(const QString &title)
{
    return QMenu::addMenu(title);
}

QMenu *DuiMenu::addMenu(const QIcon &icon, const QString &title)
{
    return QMenu::addMenu(icon, title);
}

QAction *DuiMenu::addSeparator()
{
    return QMenu::addSeparator();
}

QAction *DuiMenu::insertMenu(QAction *before, QMenu *menu)
{
    return QMenu::insertMenu(before, menu);
}

QAction *DuiMenu::insertSeparator(QAction *before)
{
    return QMenu::insertSeparator(before);
}
