// SPDX-License-Identifier: MIT
#ifndef DUICATEGORYITEM_P_H
#define DUICATEGORYITEM_P_H

#include "duicategoryitem.h"
#include "duitreeviewitem_p.h"

#include <QtGui/qpixmap.h>

class QGraphicsColorizeEffect;
class QGraphicsPixmapItem;
class QGraphicsSimpleTextItem;

class DUI_AUTOTEST_EXPORT DuiCategoryHeaderItemPrivate : public DuiTreeViewItemPrivate
{
    Q_DECLARE_PUBLIC(DuiCategoryHeaderItem)
public:
    QGraphicsPixmapItem *icon = nullptr;
    QGraphicsColorizeEffect *iconTint = nullptr;
    QGraphicsSimpleTextItem *text = nullptr;
};

class DUI_AUTOTEST_EXPORT DuiCategoryItemPrivate : public DuiTreeViewItemPrivate
{
    Q_DECLARE_PUBLIC(DuiCategoryItem)
public:
};

// Drawing shared by the tree's own rows: the skin's row backgrounds, the selected one tinted
// with the theme's strong colour.
namespace DuiTreeSkin {
DUI_AUTOTEST_EXPORT void drawSelected(QPainter *painter, const QRectF &rect);
DUI_AUTOTEST_EXPORT void drawHovered(QPainter *painter, const QRectF &rect);
// The arrow of a folder, open or closed.
DUI_AUTOTEST_EXPORT QPixmap folderIcon(bool expanded);
} // namespace DuiTreeSkin

#endif // DUICATEGORYITEM_P_H
