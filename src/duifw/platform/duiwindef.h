// SPDX-License-Identifier: MIT
#ifndef DUIWINDEF_H
#define DUIWINDEF_H

// The window algorithms of the framework are written in Win32 terms. On Windows this header is
// <windows.h>; elsewhere it defines the same types and constants with their Win32 values, and
// declares the few system functions that the framework calls, implemented with Qt.

#include "duiglobal.h"

#ifdef Q_OS_WIN
#  include <windows.h>
#else

#include <cstdint>

typedef std::uint32_t DWORD;
typedef std::uint32_t UINT;
typedef std::int32_t LONG;
typedef int BOOL;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef std::uintptr_t HWND;

enum : int {
    SM_CXSCREEN = 0,
    SM_CYSCREEN = 1,
    SM_XVIRTUALSCREEN = 76,
    SM_YVIRTUALSCREEN = 77,
    SM_CXVIRTUALSCREEN = 78,
    SM_CYVIRTUALSCREEN = 79
};

// Milliseconds from a monotonic clock, wrapping at 2^32 as on Windows.
DUI_EXPORT DWORD GetTickCount();
// Screen metrics from Qt's screens: the primary screen for SM_C?SCREEN, the union of all screens
// for the virtual-screen metrics; 0 for other indices or before a QGuiApplication exists.
DUI_EXPORT int GetSystemMetrics(int index);

#endif // Q_OS_WIN

#endif // DUIWINDEF_H
