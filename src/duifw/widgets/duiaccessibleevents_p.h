// SPDX-License-Identifier: MIT
#ifndef DUIACCESSIBLEEVENTS_P_H
#define DUIACCESSIBLEEVENTS_P_H

#include <QtCore/qobject.h>
#include <QtCore/qvariant.h>
#include <QtGui/qaccessible.h>

// What the controls tell assistive technology when their state changes. Each call is free while
// no client listens: Qt reports accessibility inactive then and the event is not even built.

inline void duiAccessibleEvent(QObject *object, QAccessible::Event type, int child = -1)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(object, type);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

inline void duiAccessibleStateChanged(QObject *object, QAccessible::State changed)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(object, changed);
    QAccessible::updateAccessibility(&event);
}

inline void duiAccessibleCheckedChanged(QObject *object)
{
    QAccessible::State changed;
    changed.checked = true;
    duiAccessibleStateChanged(object, changed);
}

inline void duiAccessibleValueChanged(QObject *object, const QVariant &value)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(object, value);
    QAccessible::updateAccessibility(&event);
}

#endif // DUIACCESSIBLEEVENTS_P_H
