// SPDX-License-Identifier: MIT
#ifndef DUISETTINGPAGEBUTTONTREE_P_H
#define DUISETTINGPAGEBUTTONTREE_P_H

#include "duisettingpagebuttontree.h"
#include "duitreewidget_p.h"

class DUI_AUTOTEST_EXPORT DuiSettingPageButtonTreePrivate : public DuiTreeWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiSettingPageButtonTree)
public:
    // The folder to bring to the top once the event loop has laid the rows out.
    QPersistentModelIndex scrollTarget;
    // The model setData() made last; the next setData() deletes it.
    QPointer<QStandardItemModel> dataModel;

    QStandardItem *findByText(const QString &text) const;
    QStandardItem *findByPageName(const QString &pageName) const;
};

class DUI_AUTOTEST_EXPORT DuiButtonTreeItemPrivate : public DuiTreeViewItemPrivate
{
    Q_DECLARE_PUBLIC(DuiButtonTreeItem)
public:
};

#endif // DUISETTINGPAGEBUTTONTREE_P_H
