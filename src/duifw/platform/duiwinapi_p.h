// SPDX-License-Identifier: MIT
#ifndef DUIWINAPI_P_H
#define DUIWINAPI_P_H

#include "duiwindef.h"

#include <QtCore/qstringlist.h>
#include <QtGui/qregion.h>

class QWidget;

// The widget whose native window the handle is, or null (no application, unknown or stale handle).
DUI_AUTOTEST_EXPORT QWidget *duiWidgetFromHwnd(HWND hwnd);

// Hands one message to the window's native-message path (QWidget::nativeEvent under
// DuiNativeMessageEventType) and returns whether it was handled; *result gets the answer.
DUI_AUTOTEST_EXPORT bool duiSendNativeMessage(QWidget *window, UINT message, WPARAM wParam,
                                              LPARAM lParam, long *result);

// The region GDI's CreateRoundRectRgn describes: the rectangle (x1, y1)-(x2, y2) without its
// right and bottom edge, each corner cut along the w x h ellipse (a pixel stays when its centre
// lies inside the ellipse).
DUI_AUTOTEST_EXPORT QRegion duiRoundRectRegion(int x1, int y1, int x2, int y2, int w, int h);

// Splits a command line into arguments as CommandLineToArgvW does.
DUI_AUTOTEST_EXPORT QStringList duiSplitWindowsCommandLine(const QString &commandLine);

#endif // DUIWINAPI_P_H
