// SPDX-License-Identifier: MIT
#ifndef DUIABSTRACTITEMVIEW_H
#define DUIABSTRACTITEMVIEW_H

#include "duiscrollarea.h"

#include <QtCore/qabstractitemmodel.h>

class DuiAbstractItemViewPrivate;
class DuiAbstractViewItem;
class QStandardItem;
class QStandardItemModel;

// A scroll area showing the top-level rows (column 0) of a QStandardItemModel; the model's row
// signals become calls on the view.
class DUI_EXPORT DuiAbstractItemView : public DuiScrollArea
{
    Q_OBJECT

public:
    explicit DuiAbstractItemView(QGraphicsItem *parent = nullptr);
    ~DuiAbstractItemView() override;

    // Shows `model` (null shows nothing). A model without a parent becomes the view's child and
    // is deleted with it; one that has a parent stays its owner's. The previous model is only
    // disconnected. A model deleted elsewhere reads as none and its rows go.
    void setModel(QStandardItemModel *model);
    QStandardItemModel *model() const;

    virtual DuiAbstractViewItem *createViewItem(QStandardItem *item) = 0;
    // Rebuilds every row from the model.
    virtual void reset() = 0;
    // Bracket a batch of model insertions: inside, insertions create nothing, and the end call
    // creates the rows start..end at once.
    virtual void beginInsertRows();
    virtual void endInsertRows(int start, int end);

public Q_SLOTS:
    virtual void modelReset();
    virtual void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end);
    virtual void rowsRemoved(const QModelIndex &parent, int start, int end);
    virtual void rowsInserted(const QModelIndex &parent, int start, int end);

protected:
    DuiAbstractItemView(DuiAbstractItemViewPrivate &dd, QGraphicsItem *parent);

private:
    void onModelDestroyed();

    Q_DISABLE_COPY(DuiAbstractItemView)
    Q_DECLARE_PRIVATE(DuiAbstractItemView)
};

#endif // DUIABSTRACTITEMVIEW_H
