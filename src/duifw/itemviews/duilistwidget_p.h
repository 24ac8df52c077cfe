// SPDX-License-Identifier: MIT
#ifndef DUILISTWIDGET_P_H
#define DUILISTWIDGET_P_H

#include "duilistwidget.h"
#include "duiabstractitemcontainer_p.h"
#include "duiabstractitemview_p.h"

#include <QtCore/qparallelanimationgroup.h>

class DuiListContainerPrivate;

// The list's content: the selection, row heights and the fish-eye look.
class DUI_AUTOTEST_EXPORT DuiListContainer : public DuiAbstractItemContainer
{
    Q_OBJECT

public:
    explicit DuiListContainer(QGraphicsItem *parent = nullptr);
    ~DuiListContainer() override;

    void selectIndex(int index);
    // Clears the row's flag; a deselected current row leaves no selection.
    void deselect(int index);
    int selectedIndex() const;
    // Keep the selected row when rows come or go in front of it.
    void rowsInserted(int start, int count);
    void rowsRemoved(int first, int last);

    void setFixItemHeight(int height);
    int fixItemHeight() const;
    void setDisplayMode(int mode);
    int displayMode() const;
    void setFishEyeData(qreal selectedHeight, qreal neighbourHeight);

    void clear() override;
    void layoutItems(const QSizeF &size, int fromIndex) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
    qreal rowTop(int index) const;
    qreal rowHeight(int index);
    int rowAtY(qreal y) const;
    void startFishEye();

    Q_DISABLE_COPY(DuiListContainer)
    Q_DECLARE_PRIVATE(DuiListContainer)
};

class DUI_AUTOTEST_EXPORT DuiListContainerPrivate : public DuiAbstractItemContainerPrivate
{
    Q_DECLARE_PUBLIC(DuiListContainer)
public:
    int selectedIndex = -1;
    int fixItemHeight = -1;
    qreal fishEyeSelectedHeight = 44.0;
    qreal fishEyeNeighbourHeight = 34.0;
    int displayMode = DuiListWidget::Normal;
    QPointer<QParallelAnimationGroup> fishEyeAnimation;
};

class DUI_AUTOTEST_EXPORT DuiListWidgetPrivate : public DuiAbstractItemViewPrivate
{
    Q_DECLARE_PUBLIC(DuiListWidget)
public:
    ~DuiListWidgetPrivate() override;

    QList<DuiAbstractViewItem *> prototypes;
    DuiListContainer *container = nullptr;
    bool insertingRows = false;

    // Where the prototypes create the rows (see DuiAbstractItemContainerPrivate::rowParent).
    QGraphicsItem *rowParent() const { return DuiAbstractItemContainerPrivate::rowParentOf(container); }
};

#endif // DUILISTWIDGET_P_H
