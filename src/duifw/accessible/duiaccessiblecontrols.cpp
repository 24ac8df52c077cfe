// SPDX-License-Identifier: MIT
#include "duiaccessiblecontrols_p.h"

#include "duiabstractitemcontainer.h"
#include "duiabstractviewitem.h"
#include "duicheckbox.h"
#include "duicombobox.h"
#include "duicomboboxorg.h"
#include "duidialog.h"
#include "duiframeitem.h"
#include "duihtmllabelwidget.h"
#include "duilabelwidget.h"
#include "duilistctrl.h"
#include "duilistctrrowwidget.h"
#include "duilistwidget.h"
#include "duiprogressbar.h"
#include "duipushbutton.h"
#include "duiradiobutton.h"
#include "duiscrolltext.h"
#include "duisliderbase.h"
#include "duitab.h"
#include "duititlebar.h"
#include "duitreeviewitem.h"
#include "duitreewidget.h"

#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>

namespace {

QString pressName()
{
    return QAccessibleActionInterface::pressAction();
}

// One tab of a tab bar. The tab bar's interface owns it.
class DuiAccessibleTab : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    DuiAccessibleTab(DuiTab *bar, int index)
        : m_bar(bar)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_bar && m_index < m_bar->tabCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        QAccessibleInterface *bar = barInterface();
        return bar ? bar->window() : nullptr;
    }
    QAccessibleInterface *parent() const override { return barInterface(); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        return t == QAccessible::Name ? m_bar->itemText(m_index) : QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.selected = m_bar->currentIndex() == m_index;
        s.invisible = !m_bar->isVisible();
        s.disabled = !m_bar->isEnabled();
        return s;
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QGraphicsWidget *frame = m_bar->tabFrame(m_index);
        return frame ? DuiAccessibleTree::screenRect(frame, frame->rect()) : QRect();
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressName()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressName() || !isValid())
            return;
        // A press on the tab's place, as the mouse gives it.
        if (const QGraphicsWidget *frame = m_bar->tabFrame(m_index))
            DuiAccessibleTree::click(m_bar, frame->mapToItem(m_bar, frame->rect().center()));
    }

private:
    QAccessibleInterface *barInterface() const { return QAccessible::queryAccessibleInterface(m_bar.data()); }

    QPointer<DuiTab> m_bar;
    int m_index;
};

} // namespace

// ---------------------------------------------------------------------------------------------

DuiAccessibleButton::DuiAccessibleButton(QGraphicsWidget *widget)
    : DuiAccessibleWidget(widget, QAccessible::PushButton)
{
    m_leaf = true;
}

QString DuiAccessibleButton::visibleText() const
{
    // Named by the text it shows. Title-bar and icon buttons show none; their tooltip says what
    // they do. (A tooltip beside a text describes the button instead.)
    auto *button = static_cast<DuiPushButton *>(widget());
    const QString shown = button->text();
    return shown.isEmpty() ? button->toolTip() : shown;
}

QAccessible::State DuiAccessibleButton::state() const
{
    QAccessible::State s = DuiAccessibleWidget::state();
    auto *button = static_cast<DuiPushButton *>(widget());
    s.checkable = button->buttonStyle().testFlag(DuiPushButton::ButtonCheckable);
    s.checked = s.checkable && button->checked();
    // A dialog's accept button is what Enter presses.
    if (button->objectName() == QLatin1String("buttonAccept")) {
        QGraphicsView *view = DuiAccessibleTree::viewOf(button);
        s.defaultButton = qobject_cast<DuiDialog *>(view) != nullptr;
    }
    return s;
}

QStringList DuiAccessibleButton::actionNames() const
{
    if (state().checkable)
        return {pressName(), QAccessibleActionInterface::toggleAction()};
    return {pressName()};
}

void DuiAccessibleButton::doAction(const QString &actionName)
{
    if (actionNames().contains(actionName))
        DuiAccessibleTree::click(widget());
}

// ---------------------------------------------------------------------------------------------

DuiAccessibleCheckBox::DuiAccessibleCheckBox(QGraphicsWidget *widget)
    : DuiAccessibleButton(widget)
{
    m_role = qobject_cast<DuiRadioButton *>(widget) ? QAccessible::RadioButton : QAccessible::CheckBox;
}

QString DuiAccessibleCheckBox::visibleText() const
{
    return static_cast<DuiCheckBox *>(widget())->text();
}

QAccessible::State DuiAccessibleCheckBox::state() const
{
    QAccessible::State s = DuiAccessibleWidget::state();
    const Qt::CheckState check = static_cast<DuiCheckBox *>(widget())->checkState();
    s.checkable = true;
    s.checked = check != Qt::Unchecked;
    s.checkStateMixed = check == Qt::PartiallyChecked;
    return s;
}

// ---------------------------------------------------------------------------------------------

DuiAccessibleStaticText::DuiAccessibleStaticText(QGraphicsWidget *widget)
    : DuiAccessibleWidget(widget, QAccessible::StaticText)
{
    m_leaf = true;
}

bool DuiAccessibleStaticText::isLink() const
{
    auto *label = qobject_cast<DuiLabelWidget *>(object());
    return label && label->acceptClick();
}

QAccessible::Role DuiAccessibleStaticText::role() const
{
    return isLink() ? QAccessible::Link : QAccessible::StaticText;
}

QStringList DuiAccessibleStaticText::actionNames() const
{
    if (isLink())
        return {pressName()};
    return {};
}

void DuiAccessibleStaticText::doAction(const QString &actionName)
{
    if (!actionNames().contains(actionName))
        return;
    // A label takes clicks on its text only.
    auto *label = static_cast<DuiLabelWidget *>(widget());
    const QGraphicsSimpleTextItem *shown = label->textItem();
    DuiAccessibleTree::click(label, shown ? shown->mapToItem(label, shown->boundingRect().center()) : label->rect().center());
}

QString DuiAccessibleStaticText::visibleText() const
{
    QObject *o = object();
    if (auto *label = qobject_cast<DuiLabelWidget *>(o))
        return label->text();
    if (auto *html = qobject_cast<DuiHtmlLabelWidget *>(o))
        return html->textItem() ? html->textItem()->toPlainText() : html->text();
    if (auto *marquee = qobject_cast<DuiScrollText *>(o))
        return marquee->getText();
    return QString();
}

QAccessible::State DuiAccessibleStaticText::state() const
{
    QAccessible::State s = DuiAccessibleWidget::state();
    s.readOnly = true;
    return s;
}

// ---------------------------------------------------------------------------------------------

DuiAccessibleValue::DuiAccessibleValue(QGraphicsWidget *widget, QAccessible::Role role)
    : DuiAccessibleWidget(widget, role)
{
    m_leaf = true;
}

QString DuiAccessibleValue::text(QAccessible::Text t) const
{
    if (t != QAccessible::Value)
        return DuiAccessibleWidget::text(t);
    const double minimum = minimumValue().toDouble();
    const double span = maximumValue().toDouble() - minimum;
    const double part = span > 0 ? (currentValue().toDouble() - minimum) / span : 0.0;
    return QStringLiteral("%1%").arg(qRound(part * 100));
}

void *DuiAccessibleValue::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return DuiAccessibleWidget::interface_cast(type);
}

QVariant DuiAccessibleValue::currentValue() const
{
    if (auto *bar = qobject_cast<DuiProgressBar *>(object()))
        return bar->value();
    return static_cast<DuiSliderBase *>(widget())->value();
}

void DuiAccessibleValue::setCurrentValue(const QVariant &value)
{
    // A progress bar reports; only a slider takes a value from the user.
    // Through the property, which every slider kind writes with its own clamping.
    if (auto *slider = qobject_cast<DuiSliderBase *>(object()); slider && slider->isEnabled())
        slider->setProperty("value", value.toDouble());
}

QVariant DuiAccessibleValue::maximumValue() const
{
    if (auto *bar = qobject_cast<DuiProgressBar *>(object()))
        return bar->maximum();
    return 1.0;
}

QVariant DuiAccessibleValue::minimumValue() const
{
    if (auto *bar = qobject_cast<DuiProgressBar *>(object()))
        return bar->minimum();
    return 0.0;
}

QVariant DuiAccessibleValue::minimumStepSize() const
{
    if (qobject_cast<DuiProgressBar *>(object()))
        return 1;
    return 0.01;
}

// ---------------------------------------------------------------------------------------------

DuiAccessibleComboBox::DuiAccessibleComboBox(QGraphicsWidget *widget)
    : DuiAccessibleWidget(widget, QAccessible::ComboBox)
{
    m_leaf = true;
}

QString DuiAccessibleComboBox::visibleText() const
{
    if (auto *combo = qobject_cast<DuiComboBox *>(object()))
        return combo->currentText();
    return static_cast<DuiComboBoxOrg *>(widget())->currentText();
}

QString DuiAccessibleComboBox::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? visibleText() : DuiAccessibleWidget::text(t);
}

QAccessible::State DuiAccessibleComboBox::state() const
{
    QAccessible::State s = DuiAccessibleWidget::state();
    s.expandable = true;
    s.hasPopup = true;
    if (auto *combo = qobject_cast<DuiComboBox *>(object())) {
        s.expanded = combo->isListVisible();
        s.editable = combo->isEditable();
    } else {
        auto *org = static_cast<DuiComboBoxOrg *>(widget());
        s.expanded = org->isListVisible();
        s.editable = org->isEditable();
    }
    s.collapsed = !s.expanded;
    return s;
}

QStringList DuiAccessibleComboBox::actionNames() const
{
    return {QAccessibleActionInterface::showMenuAction(), pressName()};
}

void DuiAccessibleComboBox::doAction(const QString &actionName)
{
    if (!actionNames().contains(actionName))
        return;
    // The drop-down button opens and closes the list, as under the mouse.
    const QList<QGraphicsItem *> parts = widget()->childItems();
    for (QGraphicsItem *part : parts) {
        if (!part->isWidget())
            continue;
        if (auto *button = qobject_cast<DuiPushButton *>(static_cast<QGraphicsWidget *>(part))) {
            DuiAccessibleTree::click(button);
            return;
        }
    }
}

// ---------------------------------------------------------------------------------------------

DuiAccessibleTabBar::DuiAccessibleTabBar(QGraphicsWidget *widget)
    : DuiAccessibleWidget(widget, QAccessible::PageTabList)
{
}

DuiAccessibleTabBar::~DuiAccessibleTabBar()
{
    for (QAccessible::Id id : std::as_const(m_tabs))
        QAccessible::deleteAccessibleInterface(id);
}

DuiTab *DuiAccessibleTabBar::tabBar() const
{
    return static_cast<DuiTab *>(widget());
}

int DuiAccessibleTabBar::childCount() const
{
    return tabBar()->tabCount();
}

QAccessibleInterface *DuiAccessibleTabBar::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto it = m_tabs.constFind(index);
    if (it == m_tabs.constEnd())
        it = m_tabs.insert(index, QAccessible::registerAccessibleInterface(new DuiAccessibleTab(tabBar(), index)));
    return QAccessible::accessibleInterface(it.value());
}

int DuiAccessibleTabBar::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto it = m_tabs.constBegin(); it != m_tabs.constEnd(); ++it) {
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key() < childCount() ? it.key() : -1;
    }
    return -1;
}

QAccessibleInterface *DuiAccessibleTabBar::childAt(int x, int y) const
{
    return DuiAccessibleTree::childAt(this, x, y);
}

// ---------------------------------------------------------------------------------------------

DuiAccessibleItemView::DuiAccessibleItemView(QGraphicsWidget *widget, QAccessible::Role role)
    : DuiAccessibleWidget(widget, role)
{
}

namespace {

// Calls visit(i, row) for each entry of an item view in order, with null for a row whose item
// was deleted from outside (it keeps its place in the view).
template <typename Visit>
void forEachEntry(const QObject *o, Visit visit)
{
    if (auto *list = qobject_cast<const DuiListWidget *>(o)) {
        const int count = list->container()->itemCount();
        for (int i = 0; i < count; ++i)
            visit(i, list->viewItemAt(i));
    } else if (auto *tree = qobject_cast<const DuiTreeWidget *>(o)) {
        for (int i = 0; i < tree->viewItemCount(); ++i)
            visit(i, tree->treeItemAt(i));
    } else if (auto *ctrl = qobject_cast<const DuiListCtrl *>(o)) {
        for (int i = 0; i < ctrl->rowCount(); ++i)
            visit(i, ctrl->getRowBkCtrl(i));
    }
}

} // namespace

QList<QGraphicsWidget *> DuiAccessibleItemView::childWidgets() const
{
    QList<QGraphicsWidget *> rows;
    forEachEntry(object(), [&](int, QGraphicsWidget *row) {
        if (row)
            rows.append(row);
    });
    return rows;
}

int DuiAccessibleItemView::entryIndexOf(const QObject *view, const QGraphicsWidget *row)
{
    int found = -1;
    forEachEntry(view, [&](int i, QGraphicsWidget *entry) {
        if (found < 0 && entry && entry == row)
            found = i;
    });
    return found;
}

// ---------------------------------------------------------------------------------------------

DuiAccessibleRow::DuiAccessibleRow(QGraphicsWidget *widget, QAccessible::Role role)
    : DuiAccessibleWidget(widget, role)
{
}

QList<QGraphicsWidget *> DuiAccessibleRow::childWidgets() const
{
    // List-control rows hold whatever controls the host put in them; the other rows are drawn.
    if (qobject_cast<DuiListCtrRowWidget *>(object()))
        return DuiAccessibleWidget::childWidgets();
    return {};
}

QString DuiAccessibleRow::visibleText() const
{
    QObject *o = object();
    QStandardItem *item = nullptr;
    if (auto *viewItem = qobject_cast<DuiAbstractViewItem *>(o))
        item = viewItem->modelItem();
    else if (auto *treeItem = qobject_cast<DuiTreeViewItem *>(o))
        item = treeItem->modelItem();
    if (item)
        return item->text();
    QStringList parts;
    for (int i = 0; i < childCount(); ++i) {
        const QString part = child(i)->text(QAccessible::Name);
        if (!part.isEmpty())
            parts.append(part);
    }
    return parts.join(QLatin1Char(' '));
}

QAccessible::State DuiAccessibleRow::state() const
{
    QAccessible::State s = DuiAccessibleWidget::state();
    s.selectable = true;
    QObject *o = object();
    if (auto *viewItem = qobject_cast<DuiAbstractViewItem *>(o)) {
        s.selected = viewItem->isSelected();
    } else if (auto *treeItem = qobject_cast<DuiTreeViewItem *>(o)) {
        s.selected = treeItem->isSelected();
        s.expandable = treeItem->isFolder();
        s.expanded = s.expandable && treeItem->isExpanded();
        s.collapsed = s.expandable && !s.expanded;
    } else if (auto *row = qobject_cast<DuiListCtrRowWidget *>(o)) {
        s.selected = row->status() != DuiListCtrRowWidget::Normal;
    }
    return s;
}

QStringList DuiAccessibleRow::actionNames() const
{
    if (state().expandable)
        return {pressName(), QAccessibleActionInterface::toggleAction()};
    return {pressName()};
}

void DuiAccessibleRow::doAction(const QString &actionName)
{
    // The row's parent interface is its view's. The view counts its rows by its own entries,
    // which may include rows whose item went away: the child index would be off by those.
    QAccessibleInterface *up = parent();
    QObject *view = up ? up->object() : nullptr;
    const int index = view ? DuiAccessibleItemView::entryIndexOf(view, widget()) : -1;
    if (index < 0 || !widget()->isEnabled())
        return;
    QObject *o = object();
    if (qobject_cast<DuiAbstractViewItem *>(o)) {
        auto *list = qobject_cast<DuiListWidget *>(view);
        if (list && actionName == pressName())
            list->selectIndex(index);
    } else if (auto *treeItem = qobject_cast<DuiTreeViewItem *>(o)) {
        auto *tree = qobject_cast<DuiTreeWidget *>(view);
        if (!tree)
            return;
        if (actionName == pressName())
            tree->selectItem(index);
        else if (actionName == QAccessibleActionInterface::toggleAction() && treeItem->isFolder())
            treeItem->isExpanded() ? tree->collapseItem(index) : tree->expandItem(index);
    } else if (qobject_cast<DuiListCtrRowWidget *>(o)) {
        auto *control = qobject_cast<DuiListCtrl *>(view);
        if (control && actionName == pressName())
            control->rowClicked(index);
    }
}

// ---------------------------------------------------------------------------------------------

DuiAccessibleTitleBar::DuiAccessibleTitleBar(QGraphicsWidget *widget)
    : DuiAccessibleWidget(widget, QAccessible::TitleBar)
{
}

QString DuiAccessibleTitleBar::visibleText() const
{
    return static_cast<DuiTitlebar *>(widget())->title();
}
