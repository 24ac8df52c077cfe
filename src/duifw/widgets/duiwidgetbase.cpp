// SPDX-License-Identifier: MIT
#include "duiwidgetbase.h"
#include "duiwidgetbase_p.h"

DuiWidgetBase::DuiWidgetBase(QGraphicsItem *parent)
    : DuiWidgetBase(*new DuiWidgetBasePrivate, parent)
{
}

DuiWidgetBase::DuiWidgetBase(DuiWidgetBasePrivate &dd, QGraphicsItem *parent)
    : QGraphicsWidget(parent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
}

DuiWidgetBase::~DuiWidgetBase()
{
    delete d_ptr;
    d_ptr = nullptr;
}
