// SPDX-License-Identifier: MIT
#ifndef DUICLOSESTNAME_P_H
#define DUICLOSESTNAME_P_H

#include "duiglobal.h"

#include <QtCore/qstringlist.h>

class QMetaObject;

namespace DuiClosestName {

// The candidate closest to `name` when it is close enough to be a slip of the keyboard: at most
// one edit for every three characters (at least one; an edit is an insertion, a deletion, a
// replacement or two neighbours swapped; case differences count half). Empty when none is; the
// alphabetically first wins a tie.
DUI_AUTOTEST_EXPORT QString among(const QString &name, const QStringList &candidates);

// The attribute names `meta` takes: its writable properties, inherited ones included.
DUI_AUTOTEST_EXPORT QStringList propertyNames(const QMetaObject *meta);
// Every element name a UI file can use: widget and frame window classes and data elements.
DUI_AUTOTEST_EXPORT QStringList elementNames();

// "; did you mean "X"?" for the closest candidate, or `otherwise` when none is close.
DUI_AUTOTEST_EXPORT QString hint(const QString &name, const QStringList &candidates, const QString &otherwise);
// The same for an attribute of `meta` and for an element, remembered per name: a file that
// repeats one mistake a thousand times costs one search.
QString attributeHint(const QMetaObject *meta, const QString &name, const QString &otherwise);
QString elementHint(const QString &name, const QString &otherwise);

} // namespace DuiClosestName

#endif // DUICLOSESTNAME_P_H
