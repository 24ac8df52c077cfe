// SPDX-License-Identifier: MIT
#include "duitreemodelitem.h"

DuiTreeModelItem::DuiTreeModelItem(const QString &text)
    : QStandardItem(text)
{
}

DuiTreeModelItem::DuiTreeModelItem(const QString &iconPath, const QString &text)
    : QStandardItem(QIcon(iconPath), text)
{
}

int DuiTreeModelItem::type() const
{
    return m_type;
}

void DuiTreeModelItem::setType(int type)
{
    m_type = type;
}

QStandardItem *DuiTreeModelItem::clone() const
{
    auto *copy = new DuiTreeModelItem;
    *copy = *this;
    copy->m_type = m_type;
    return copy;
}
