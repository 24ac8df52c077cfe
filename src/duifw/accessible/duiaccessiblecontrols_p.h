// SPDX-License-Identifier: MIT
#ifndef DUIACCESSIBLECONTROLS_P_H
#define DUIACCESSIBLECONTROLS_P_H

#include "duiaccessiblewidget_p.h"

#include <QtCore/qhash.h>

class DuiTab;

// Push buttons, title-bar buttons among them: named by their text, else by their tooltip.
class DuiAccessibleButton : public DuiAccessibleWidget
{
public:
    explicit DuiAccessibleButton(QGraphicsWidget *widget);
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    QString visibleText() const override;
};

// Check boxes and radio buttons.
class DuiAccessibleCheckBox : public DuiAccessibleButton
{
public:
    explicit DuiAccessibleCheckBox(QGraphicsWidget *widget);
    QAccessible::State state() const override;

protected:
    QString visibleText() const override;
};

// A control drawn as one piece that shows a text: labels (links when they take clicks), marquees.
class DuiAccessibleStaticText : public DuiAccessibleWidget
{
public:
    explicit DuiAccessibleStaticText(QGraphicsWidget *widget);
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    QString visibleText() const override;

private:
    bool isLink() const;
};

// Progress bars (read only) and sliders.
class DuiAccessibleValue : public DuiAccessibleWidget, public QAccessibleValueInterface
{
public:
    DuiAccessibleValue(QGraphicsWidget *widget, QAccessible::Role role);
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;
};

// Both combo boxes: the current text is the value, the drop-down list the expanded state.
class DuiAccessibleComboBox : public DuiAccessibleWidget
{
public:
    explicit DuiAccessibleComboBox(QGraphicsWidget *widget);
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    QString visibleText() const override;
};

// The tab bar; its tabs are drawn, not widgets, and get interfaces of their own.
class DuiAccessibleTabBar : public DuiAccessibleWidget
{
public:
    explicit DuiAccessibleTabBar(QGraphicsWidget *widget);
    ~DuiAccessibleTabBar() override;

    DuiTab *tabBar() const;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    mutable QHash<int, QAccessible::Id> m_tabs;
};

// List widget, tree widget and list control: their rows are the children.
class DuiAccessibleItemView : public DuiAccessibleWidget
{
public:
    DuiAccessibleItemView(QGraphicsWidget *widget, QAccessible::Role role);

    // The position of `row` among the view's own entries, which count rows whose item went
    // away (and so are not children here); -1 when it is none of them.
    static int entryIndexOf(const QObject *view, const QGraphicsWidget *row);

protected:
    QList<QGraphicsWidget *> childWidgets() const override;
};

// One row of an item view.
class DuiAccessibleRow : public DuiAccessibleWidget
{
public:
    DuiAccessibleRow(QGraphicsWidget *widget, QAccessible::Role role);
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    QList<QGraphicsWidget *> childWidgets() const override;
    QString visibleText() const override;
};

class DuiAccessibleTitleBar : public DuiAccessibleWidget
{
public:
    explicit DuiAccessibleTitleBar(QGraphicsWidget *widget);

protected:
    QString visibleText() const override;
};

#endif // DUIACCESSIBLECONTROLS_P_H
