// SPDX-License-Identifier: MIT
// Gives Qt's accessibility the interfaces of the framework's widgets and windows. The factory is
// installed when the library loads, so a host does nothing to make its windows readable.

#include "duiaccessiblecontrols_p.h"
#include "duiaccessibletext_p.h"
#include "duiaccessibleview_p.h"

#include "duiabstractviewitem.h"
#include "duicheckbox.h"
#include "duicombobox.h"
#include "duicomboboxlistwindow_p.h"
#include "duicomboboxorg.h"
#include "duidialog.h"
#include "duihtmllabelwidget.h"
#include "duiimagewidget.h"
#include "duilabelwidget.h"
#include "duilineedit.h"
#include "duilistctrl.h"
#include "duilistctrrowwidget.h"
#include "duilistwidget.h"
#include "duiprogressbar.h"
#include "duipushbutton.h"
#include "duiscrolltext.h"
#include "duiseparateline.h"
#include "duisliderbase.h"
#include "duitab.h"
#include "duitextedit.h"
#include "duititlebar.h"
#include "duitreeviewitem.h"
#include "duitreewidget.h"

namespace {

QAccessibleInterface *widgetInterface(DuiWidget *w)
{
    if (qobject_cast<DuiPushButton *>(w))
        return new DuiAccessibleButton(w);
    if (qobject_cast<DuiCheckBox *>(w))
        return new DuiAccessibleCheckBox(w);
    if (qobject_cast<DuiLabelWidget *>(w) || qobject_cast<DuiHtmlLabelWidget *>(w) || qobject_cast<DuiScrollText *>(w))
        return new DuiAccessibleStaticText(w);
    if (qobject_cast<DuiLineEdit *>(w))
        return new DuiAccessibleLineEdit(w);
    if (qobject_cast<DuiTextEdit *>(w))
        return new DuiAccessibleTextEdit(w);
    if (qobject_cast<DuiProgressBar *>(w))
        return new DuiAccessibleValue(w, QAccessible::ProgressBar);
    if (qobject_cast<DuiSliderBase *>(w))
        return new DuiAccessibleValue(w, QAccessible::Slider);
    if (qobject_cast<DuiComboBox *>(w) || qobject_cast<DuiComboBoxOrg *>(w))
        return new DuiAccessibleComboBox(w);
    if (qobject_cast<DuiTab *>(w))
        return new DuiAccessibleTabBar(w);
    if (qobject_cast<DuiListWidget *>(w) || qobject_cast<DuiListCtrl *>(w))
        return new DuiAccessibleItemView(w, QAccessible::List);
    if (qobject_cast<DuiTreeWidget *>(w))
        return new DuiAccessibleItemView(w, QAccessible::Tree);
    if (qobject_cast<DuiAbstractViewItem *>(w) || qobject_cast<DuiListCtrRowWidget *>(w))
        return new DuiAccessibleRow(w, QAccessible::ListItem);
    if (qobject_cast<DuiTreeViewItem *>(w))
        return new DuiAccessibleRow(w, QAccessible::TreeItem);
    if (qobject_cast<DuiTitlebar *>(w))
        return new DuiAccessibleTitleBar(w);
    if (qobject_cast<DuiImageWidget *>(w))
        return new DuiAccessibleWidget(w, QAccessible::Graphic);
    if (qobject_cast<DuiSeparateLine *>(w))
        return new DuiAccessibleWidget(w, QAccessible::Separator);
    return new DuiAccessibleWidget(w);
}

// Qt asks once per class of the object's hierarchy, most derived first: the first call decides.
QAccessibleInterface *factory(const QString &className, QObject *object)
{
    Q_UNUSED(className)
    if (auto *dialog = qobject_cast<DuiDialog *>(object))
        return new DuiAccessibleView(dialog, QAccessible::Dialog);
    if (auto *frame = qobject_cast<DuiFrameWindow *>(object))
        return new DuiAccessibleView(frame, QAccessible::Window);
    if (auto *dropDown = qobject_cast<DuiComboBoxListWindowBase *>(object))
        return new DuiAccessibleView(dropDown, QAccessible::Window);
    if (auto *widget = qobject_cast<DuiWidget *>(object))
        return widgetInterface(widget);
    return nullptr;
}

struct FactoryInstaller
{
    FactoryInstaller() { QAccessible::installFactory(factory); }
    ~FactoryInstaller() { QAccessible::removeFactory(factory); }
} const s_factoryInstaller;

} // namespace
