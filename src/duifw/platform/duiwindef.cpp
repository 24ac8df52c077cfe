// SPDX-License-Identifier: MIT
#include "duiwindef.h"

#include <QtGui/qguiapplication.h>
#include <QtGui/qscreen.h>

#include <ctime>

DWORD GetTickCount()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const std::uint64_t ms = std::uint64_t(ts.tv_sec) * 1000u + std::uint64_t(ts.tv_nsec) / 1000000u;
    return DWORD(ms);
}

int GetSystemMetrics(int index)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return 0;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    switch (index) {
    case SM_CXSCREEN:
        return screen->geometry().width();
    case SM_CYSCREEN:
        return screen->geometry().height();
    case SM_XVIRTUALSCREEN:
        return screen->virtualGeometry().x();
    case SM_YVIRTUALSCREEN:
        return screen->virtualGeometry().y();
    case SM_CXVIRTUALSCREEN:
    case SM_CXMAXTRACK:
        return screen->virtualGeometry().width();
    case SM_CYVIRTUALSCREEN:
    case SM_CYMAXTRACK:
        return screen->virtualGeometry().height();
    case SM_CXFULLSCREEN:
    case SM_CXMAXIMIZED:
        return screen->availableGeometry().width();
    case SM_CYFULLSCREEN:
    case SM_CYMAXIMIZED:
        return screen->availableGeometry().height();
    default:
        return 0;
    }
}
