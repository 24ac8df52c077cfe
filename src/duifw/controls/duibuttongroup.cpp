// SPDX-License-Identifier: MIT
#include "duibuttongroup.h"
#include "duibuttongroup_p.h"

#include "duiradiobutton.h"

#include <QtCore/qcoreevent.h>
#include <QtCore/qpointer.h>

DUI_REGISTER_WIDGET(DuiButtonGroup)

DuiButtonGroup::DuiButtonGroup(QGraphicsItem *parent)
    : DuiWidget(*new DuiButtonGroupPrivate, parent)
{
}

DuiButtonGroup::~DuiButtonGroup()
{
    // The buttons outlive this part of the group (child items go last); stop hearing from them.
    Q_D(DuiButtonGroup);
    for (DuiRadioButton *button : std::as_const(d->buttons))
        disconnect(button, nullptr, this, nullptr);
    d->buttons.clear();
}

QList<DuiRadioButton *> DuiButtonGroup::buttons() const
{
    return d_func()->buttons;
}

void DuiButtonGroup::construct()
{
    connectChildrenSignal(this);
}

void DuiButtonGroup::connectChildrenSignal(QObject *object)
{
    for (QObject *child : object->children()) {
        if (auto *radio = qobject_cast<DuiRadioButton *>(child))
            addRadioButton(radio);
        connectChildrenSignal(child);
    }
}

void DuiButtonGroup::addRadioButton(DuiRadioButton *button)
{
    Q_D(DuiButtonGroup);
    connect(button, &DuiCheckBox::stateChanged, this, &DuiButtonGroup::onRadionButtonStateChanged, Qt::UniqueConnection);
    if (d->buttons.contains(button))
        return;
    d->buttons.append(button);
    // Buttons deeper than the group's own children are not reported by childEvent when they go.
    connect(button, &QObject::destroyed, this, [this, button] { d_func()->buttons.removeAll(button); });
}

void DuiButtonGroup::addItem(DuiWidget *item)
{
    DuiWidget::addItem(item);
    if (auto *radio = qobject_cast<DuiRadioButton *>(item))
        addRadioButton(radio);
}

void DuiButtonGroup::removeItem(DuiWidget *item)
{
    Q_UNUSED(item);
}

void DuiButtonGroup::childEvent(QChildEvent *event)
{
    DuiWidget::childEvent(event);
    if (event->type() != QEvent::ChildRemoved)
        return;
    // The child may be half destroyed, or no radio button at all: compare it as a QObject,
    // never cast it down.
    const QObject *child = event->child();
    d_func()->buttons.removeIf([child](DuiRadioButton *button) { return static_cast<QObject *>(button) == child; });
}

void DuiButtonGroup::onRadionButtonStateChanged(bool bSelected)
{
    Q_D(DuiButtonGroup);
    auto *sender = qobject_cast<DuiRadioButton *>(this->sender());
    if (!bSelected || !sender)
        return;
    // Handlers of the buttons' own signals may delete buttons (or the group) meanwhile: walk a
    // guarded copy.
    QList<QPointer<DuiRadioButton>> others;
    for (DuiRadioButton *button : std::as_const(d->buttons)) {
        if (button != sender)
            others.append(button);
    }
    const QPointer<DuiButtonGroup> alive(this);
    for (const QPointer<DuiRadioButton> &button : std::as_const(others)) {
        if (!alive)
            return;
        if (!button)
            continue;
        button->setCheckState(Qt::Unchecked);
        button->update();
    }
    if (alive)
        Q_EMIT radioSelected(sender);
}
