// SPDX-License-Identifier: MIT
#include "duisettingpagebuttontree.h"
#include "duisettingpagebuttontree_p.h"

#include "duicategoryitem_p.h"
#include "duilogging_p.h"
#include "duitheme.h"

#include <QtCore/qtimer.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qstyle.h>
#include <QtWidgets/qstyleoption.h>

DUI_REGISTER_WIDGET(DuiSettingPageButtonTree)

namespace {

QStandardItem *nodeItem(const QVariantMap &node)
{
    auto *item = new QStandardItem(node.value(QStringLiteral("text")).toString());
    item->setEditable(false);
    const QString icon = node.value(QStringLiteral("icon")).toString();
    if (!icon.isEmpty())
        item->setIcon(QIcon(DuiTheme::getImage(icon, true)));
    const QString page = node.value(QStringLiteral("pagename")).toString();
    if (!page.isEmpty())
        item->setData(page, DuiSettingPageButtonTree::PageNameRole);
    const QVariantList children = node.value(QStringLiteral("children")).toList();
    for (const QVariant &child : children)
        item->appendRow(nodeItem(child.toMap()));
    return item;
}

// First item below `parent`, depth first, that `match` accepts: in pre-order (an item before its
// children) or in post-order (its children first).
template <typename Match>
QStandardItem *findBelow(QStandardItem *parent, bool childrenFirst, const Match &match)
{
    for (int r = 0; r < parent->rowCount(); ++r) {
        QStandardItem *child = parent->child(r, 0);
        if (!child)
            continue;
        if (!childrenFirst && match(child))
            return child;
        if (QStandardItem *found = findBelow(child, childrenFirst, match))
            return found;
        if (childrenFirst && match(child))
            return child;
    }
    return nullptr;
}

} // namespace

QStandardItem *DuiSettingPageButtonTreePrivate::findByText(const QString &text) const
{
    Q_Q(const DuiSettingPageButtonTree);
    QStandardItemModel *m = q->model();
    QStandardItem *root = m ? m->item(0, 0) : nullptr;
    if (!root)
        return nullptr;
    if (text == QLatin1String("root"))
        return root;
    return findBelow(root, false, [&text](const QStandardItem *item) { return item->text() == text; });
}

QStandardItem *DuiSettingPageButtonTreePrivate::findByPageName(const QString &pageName) const
{
    Q_Q(const DuiSettingPageButtonTree);
    QStandardItemModel *m = q->model();
    QStandardItem *root = m ? m->item(0, 0) : nullptr;
    if (!root || pageName.isEmpty())
        return nullptr;
    return findBelow(root, true, [&pageName](const QStandardItem *item) {
        return item->data(DuiSettingPageButtonTree::PageNameRole).toString() == pageName;
    });
}

DuiSettingPageButtonTree::DuiSettingPageButtonTree(QGraphicsItem *parent)
    : DuiSettingPageButtonTree(*new DuiSettingPageButtonTreePrivate, parent)
{
}

DuiSettingPageButtonTree::DuiSettingPageButtonTree(DuiSettingPageButtonTreePrivate &dd, QGraphicsItem *parent)
    : DuiTreeWidget(dd, parent)
{
    init();
}

DuiSettingPageButtonTree::~DuiSettingPageButtonTree() = default;

void DuiSettingPageButtonTree::init()
{
    addItemPrototype(new DuiButtonTreeItem);
    setSelectionMode(SingleSelection);
    connect(this, &DuiTreeWidget::folderLeftButtonClicked, this, &DuiSettingPageButtonTree::on_folderLeftButtonClicked);
}

QVariantList DuiSettingPageButtonTree::data() const
{
    return {};
}

void DuiSettingPageButtonTree::setData(const QVariantList &nodes)
{
    Q_D(DuiSettingPageButtonTree);
    if (nodes.isEmpty())
        return;
    auto *model = new QStandardItemModel;
    auto *root = new QStandardItem(QStringLiteral("root"));
    for (const QVariant &node : nodes)
        root->appendRow(nodeItem(node.toMap()));
    model->appendRow(root);
    QPointer<QStandardItemModel> previous = d->dataModel;
    setModel(model);
    d->dataModel = model;
    // The tree made that one; one the application gave stays the application's.
    if (previous && previous != model)
        delete previous.data();
}

void DuiSettingPageButtonTree::addCategory(const QString &text, const QString &iconPath)
{
    Q_D(DuiSettingPageButtonTree);
    QStandardItem *root = d->findByText(QStringLiteral("root"));
    if (!root)
        return;
    root->appendRow(nodeItem({{QStringLiteral("text"), text}, {QStringLiteral("icon"), iconPath}}));
}

void DuiSettingPageButtonTree::addCategoryItem(const QString &category, const QString &text, const QString &iconPath,
                                               const QString &pageName)
{
    Q_D(DuiSettingPageButtonTree);
    QStandardItem *parent = d->findByText(category);
    if (!parent)
        return;
    parent->appendRow(nodeItem({{QStringLiteral("text"), text},
                                {QStringLiteral("icon"), iconPath},
                                {QStringLiteral("pagename"), pageName}}));
}

void DuiSettingPageButtonTree::removeCategory(const QString &text)
{
    Q_D(DuiSettingPageButtonTree);
    QStandardItem *item = d->findByText(text);
    // The root is no category; every other match leaves its own parent.
    if (item && item->parent())
        item->parent()->removeRow(item->row());
}

void DuiSettingPageButtonTree::removeCategoryItem(const QString &category, const QString &text)
{
    Q_D(DuiSettingPageButtonTree);
    QStandardItem *parent = d->findByText(category);
    if (!parent)
        return;
    for (int r = 0; r < parent->rowCount(); ++r) {
        const QStandardItem *child = parent->child(r, 0);
        qCDebug(lcDuiControls) << "removeCategoryItem: visiting" << (child ? child->text() : QString());
        if (child && child->text() == text) {
            parent->removeRow(r);
            return;
        }
    }
}

void DuiSettingPageButtonTree::expandItem(const QString &pageName)
{
    Q_D(DuiSettingPageButtonTree);
    QStandardItem *found = d->findByPageName(pageName);
    if (!found)
        return;
    QStandardItem *root = model()->item(0, 0);
    QList<QStandardItem *> ancestors;
    for (QStandardItem *up = found->parent(); up && up != root; up = up->parent())
        ancestors.prepend(up);
    DuiTreeItemContainer *c = container();
    for (QStandardItem *ancestor : std::as_const(ancestors))
        DuiTreeWidget::expandItem(c->viewIndexFromModelItem(ancestor));
    selectItem(c->viewIndexFromModelItem(found));
    d->scrollTarget = ancestors.isEmpty() ? found->index() : ancestors.constLast()->index();
    QTimer::singleShot(0, this, &DuiSettingPageButtonTree::scrollToTarget);
}

QString DuiSettingPageButtonTree::pageName(const QModelIndex &index) const
{
    return index.isValid() ? index.data(PageNameRole).toString() : QString();
}

void DuiSettingPageButtonTree::on_folderLeftButtonClicked(const QModelIndex &index)
{
    Q_D(DuiSettingPageButtonTree);
    d->scrollTarget = index;
    // After the click's own work, when the opened rows have been laid out.
    QTimer::singleShot(0, this, &DuiSettingPageButtonTree::scrollToTarget);
}

void DuiSettingPageButtonTree::scrollToTarget()
{
    Q_D(DuiSettingPageButtonTree);
    const QModelIndex target = std::exchange(d->scrollTarget, QPersistentModelIndex());
    if (!target.isValid() || target.model() != model())
        return;
    DuiTreeItemContainer *c = container();
    DuiTreeViewItem *folder = c->treeItemFromModelItem(model()->itemFromIndex(target));
    if (!folder)
        return;
    updateScrollBar(size().height());
    setScrollPos(qRound(folder->y()));
    // A page selected below the folder stays in sight.
    makeItemVisible(c->selectedIndex());
}

// ---- DuiButtonTreeItem

namespace {

constexpr qreal kCategoryRowHeight = 36;
constexpr qreal kPageRowHeight = 30;
constexpr int kIconSize = 16;

} // namespace

DuiButtonTreeItem::DuiButtonTreeItem(QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiButtonTreeItem(*new DuiButtonTreeItemPrivate, modelItem, parent)
{
}

DuiButtonTreeItem::DuiButtonTreeItem(DuiButtonTreeItemPrivate &dd, QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiTreeViewItem(dd, modelItem, parent)
{
}

DuiButtonTreeItem::~DuiButtonTreeItem() = default;

DuiTreeViewItem *DuiButtonTreeItem::createItem(QStandardItem *item, QGraphicsItem *parent)
{
    return new DuiButtonTreeItem(item, parent);
}

bool DuiButtonTreeItem::isFolder() const
{
    return modelItem() && modelItem()->hasChildren();
}

void DuiButtonTreeItem::dataChanged()
{
    update();
}

void DuiButtonTreeItem::expandedChanged()
{
    update();
}

void DuiButtonTreeItem::selectedChanged()
{
    update();
}

QSizeF DuiButtonTreeItem::calcPreferredSize(qreal width)
{
    return QSizeF(width, getIndent() <= 1 ? kCategoryRowHeight : kPageRowHeight);
}

void DuiButtonTreeItem::colorize(QRgb)
{
    // Drawn with the theme's colours at paint time.
    update();
}

void DuiButtonTreeItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    DuiTreeViewItem::paint(painter, option, widget);
    const QStandardItem *item = modelItem();
    if (!item)
        return;
    const QRectF r = rect().adjusted(4, 1, -4, -1);
    const QColor accent = QColor::fromRgb(DuiTheme::getColor(DuiTheme::StrongColor));
    if (isSelected()) {
        DuiTreeSkin::drawSelected(painter, r);
        painter->fillRect(QRectF(r.left(), r.top() + 6, 3, r.height() - 12), accent);
    } else if (option->state & QStyle::State_MouseOver) {
        DuiTreeSkin::drawHovered(painter, r);
    }
    const bool category = getIndent() <= 1;
    qreal x = r.left() + (category ? 10 : 32);
    const QPixmap icon = item->icon().pixmap(kIconSize, kIconSize);
    if (!icon.isNull()) {
        painter->drawPixmap(QRectF(x, r.center().y() - kIconSize / 2.0, kIconSize, kIconSize), icon, QRectF(icon.rect()));
        x += kIconSize + 8;
    }
    qreal right = r.right() - 8;
    if (isFolder()) {
        const QPixmap arrow = DuiTreeSkin::folderIcon(isExpanded());
        const QRectF arrowRect(r.right() - 10 - arrow.width(), r.center().y() - arrow.height() / 2.0, arrow.width(),
                               arrow.height());
        painter->drawPixmap(arrowRect.topLeft(), arrow);
        right = arrowRect.left() - 6;
    }
    QFont font = painter->font();
    font.setBold(category);
    painter->setFont(font);
    painter->setPen(isSelected() ? accent.darker(140) : QColor(0x33, 0x3B, 0x44));
    painter->drawText(QRectF(x, r.top(), right - x, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(item->text(), Qt::ElideRight, int(right - x)));
}
