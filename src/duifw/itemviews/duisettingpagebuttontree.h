// SPDX-License-Identifier: MIT
#ifndef DUISETTINGPAGEBUTTONTREE_H
#define DUISETTINGPAGEBUTTONTREE_H

#include "duitreeviewitem.h"
#include "duitreewidget.h"

#include <QtCore/qvariant.h>

class DuiButtonTreeItemPrivate;
class DuiSettingPageButtonTreePrivate;

// The navigation of a settings window: categories and the pages below them, each page row
// carrying the name of the page it shows. Fill it from XML with a TreeData element:
//   <DuiSettingPageButtonTree>
//     <TreeData>
//       <node text="General" icon=":/icons/general.png">
//         <node text="Start-up" pagename="startup"/>
//       </node>
//     </TreeData>
//   </DuiSettingPageButtonTree>
class DUI_EXPORT DuiSettingPageButtonTree : public DuiTreeWidget
{
    Q_OBJECT
    // Nodes: maps of "text", "icon", "pagename" and "children" (a list of nodes). Reads empty.
    Q_PROPERTY(QVariantList data READ data WRITE setData)

public:
    explicit DuiSettingPageButtonTree(QGraphicsItem *parent = nullptr);
    ~DuiSettingPageButtonTree() override;

    QVariantList data() const;
    // Replaces the whole tree (and the model it built before); an empty list changes nothing.
    void setData(const QVariantList &nodes);

    // Need a model with a root item; categories are found by text ("root": the root item).
    void addCategory(const QString &text, const QString &iconPath);
    void addCategoryItem(const QString &category, const QString &text, const QString &iconPath, const QString &pageName);
    void removeCategory(const QString &text);
    void removeCategoryItem(const QString &category, const QString &text);

    using DuiTreeWidget::expandItem;
    // Opens every folder above the page's row, selects the row and scrolls it into view.
    void expandItem(const QString &pageName);
    // The page name of a row; empty for an invalid index.
    QString pageName(const QModelIndex &index) const;

    static constexpr int PageNameRole = Qt::UserRole + 1;

public Q_SLOTS:
    void on_folderLeftButtonClicked(const QModelIndex &index);

protected:
    DuiSettingPageButtonTree(DuiSettingPageButtonTreePrivate &dd, QGraphicsItem *parent);

private:
    void init();
    void scrollToTarget();

    Q_DISABLE_COPY(DuiSettingPageButtonTree)
    Q_DECLARE_PRIVATE(DuiSettingPageButtonTree)
    DUI_DECLARE_WIDGET_CREATOR(DuiSettingPageButtonTree)
};

// The row of a settings tree: a category with its icon and a folding arrow, or a page below it.
// Takes every model item.
class DUI_EXPORT DuiButtonTreeItem : public DuiTreeViewItem
{
    Q_OBJECT

public:
    explicit DuiButtonTreeItem(QStandardItem *modelItem = nullptr, QGraphicsItem *parent = nullptr);
    ~DuiButtonTreeItem() override;

    DuiTreeViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) override;
    // A row with children folds.
    bool isFolder() const override;
    void dataChanged() override;
    void expandedChanged() override;
    void selectedChanged() override;
    QSizeF calcPreferredSize(qreal width) override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;
    void colorize(QRgb rgb) override;

protected:
    DuiButtonTreeItem(DuiButtonTreeItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent);

private:
    Q_DISABLE_COPY(DuiButtonTreeItem)
    Q_DECLARE_PRIVATE(DuiButtonTreeItem)
};

#endif // DUISETTINGPAGEBUTTONTREE_H
