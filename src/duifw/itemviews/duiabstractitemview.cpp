// SPDX-License-Identifier: MIT
#include "duiabstractitemview.h"
#include "duiabstractitemview_p.h"

DuiAbstractItemView::DuiAbstractItemView(QGraphicsItem *parent)
    : DuiAbstractItemView(*new DuiAbstractItemViewPrivate, parent)
{
}

DuiAbstractItemView::DuiAbstractItemView(DuiAbstractItemViewPrivate &dd, QGraphicsItem *parent)
    : DuiScrollArea(dd, parent)
{
}

DuiAbstractItemView::~DuiAbstractItemView()
{
    Q_D(DuiAbstractItemView);
    // The rows go before an owned model does; nothing may reach the half-destroyed view.
    if (d->model)
        disconnect(d->model, nullptr, this, nullptr);
}

void DuiAbstractItemView::setModel(QStandardItemModel *model)
{
    Q_D(DuiAbstractItemView);
    if (model == d->model)
        return;
    if (d->model)
        disconnect(d->model, nullptr, this, nullptr);
    d->model = model;
    if (model) {
        if (!model->parent())
            model->setParent(this);
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &DuiAbstractItemView::rowsAboutToBeRemoved);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &DuiAbstractItemView::rowsRemoved);
        connect(model, &QAbstractItemModel::rowsInserted, this, &DuiAbstractItemView::rowsInserted);
        connect(model, &QAbstractItemModel::modelReset, this, &DuiAbstractItemView::modelReset);
        connect(model, &QObject::destroyed, this, &DuiAbstractItemView::onModelDestroyed);
    }
    reset();
}

QStandardItemModel *DuiAbstractItemView::model() const
{
    return d_func()->model;
}

void DuiAbstractItemView::onModelDestroyed()
{
    // The rows point at the model's items, which are going.
    reset();
}

void DuiAbstractItemView::beginInsertRows()
{
}

void DuiAbstractItemView::endInsertRows(int, int)
{
}

void DuiAbstractItemView::modelReset()
{
}

void DuiAbstractItemView::rowsAboutToBeRemoved(const QModelIndex &, int, int)
{
}

void DuiAbstractItemView::rowsRemoved(const QModelIndex &, int, int)
{
}

void DuiAbstractItemView::rowsInserted(const QModelIndex &, int, int)
{
}
