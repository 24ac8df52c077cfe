// SPDX-License-Identifier: MIT
#ifndef DUITREEMODELITEM_H
#define DUITREEMODELITEM_H

#include "duiglobal.h"

#include <QtGui/qstandarditemmodel.h>

// A model item whose type() the application sets, so that tree prototypes can tell rows apart
// (the category items take types 1001 and 1002).
class DUI_EXPORT DuiTreeModelItem : public QStandardItem
{
public:
    explicit DuiTreeModelItem(const QString &text = QString());
    // The icon is read from `iconPath`.
    DuiTreeModelItem(const QString &iconPath, const QString &text);

    int type() const override;
    void setType(int type);
    QStandardItem *clone() const override;

private:
    int m_type = 0;
};

#endif // DUITREEMODELITEM_H
