// SPDX-License-Identifier: MIT
#include "duilogging_p.h"

Q_LOGGING_CATEGORY(lcDuiCore, "dui.core", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcDuiXml, "dui.xml", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcDuiResource, "dui.resource", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcDuiTheme, "dui.theme", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcDuiPlatform, "dui.platform", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcDuiWindow, "dui.window", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcDuiControls, "dui.controls", QtCriticalMsg)
