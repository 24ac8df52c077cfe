// SPDX-License-Identifier: MIT
#ifndef DUIGLOBAL_H
#define DUIGLOBAL_H

#include <QtCore/qglobal.h>

#if defined(DUI_BUILD_LIB)
#  define DUI_EXPORT Q_DECL_EXPORT
#else
#  define DUI_EXPORT Q_DECL_IMPORT
#endif

// Internal classes that the tests reach are exported only from test builds, as qtbase does.
#if defined(DUI_BUILD_AUTOTEST)
#  define DUI_AUTOTEST_EXPORT DUI_EXPORT
#else
#  define DUI_AUTOTEST_EXPORT
#endif

#endif // DUIGLOBAL_H
