// SPDX-License-Identifier: MIT
#include "duilogging_p.h"

Q_LOGGING_CATEGORY(lcDuiCore, "dui.core", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDuiXml, "dui.xml", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDuiResource, "dui.resource", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDuiTheme, "dui.theme", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDuiPlatform, "dui.platform", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDuiWindow, "dui.window", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDuiControls, "dui.controls", QtWarningMsg)
