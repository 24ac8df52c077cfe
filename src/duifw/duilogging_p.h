// SPDX-License-Identifier: MIT
#ifndef DUILOGGING_P_H
#define DUILOGGING_P_H

#include "duiglobal.h"

#include <QtCore/qloggingcategory.h>

// One category per subsystem. Warnings and criticals show by default, as with Qt's own categories;
// debug output is off. QT_LOGGING_RULES="dui.*.warning=false" silences them, "dui.xml.debug=true"
// widens one.
DUI_AUTOTEST_EXPORT const QLoggingCategory &lcDuiCore();
DUI_AUTOTEST_EXPORT const QLoggingCategory &lcDuiXml();
DUI_AUTOTEST_EXPORT const QLoggingCategory &lcDuiResource();
DUI_AUTOTEST_EXPORT const QLoggingCategory &lcDuiTheme();
DUI_AUTOTEST_EXPORT const QLoggingCategory &lcDuiPlatform();
DUI_AUTOTEST_EXPORT const QLoggingCategory &lcDuiWindow();
DUI_AUTOTEST_EXPORT const QLoggingCategory &lcDuiControls();

#endif // DUILOGGING_P_H
