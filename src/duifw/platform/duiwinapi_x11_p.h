// SPDX-License-Identifier: MIT
#ifndef DUIWINAPI_X11_P_H
#define DUIWINAPI_X11_P_H

// What DuiWinAPI asks of the X server when the application runs on Qt's xcb platform. Each
// function answers "not available" (0, false, -1) on any other platform.

#include "duiwindef.h"

class QWidget;

// The root window of the X screen, 0 when not on xcb.
quintptr duiX11RootWindow();
// Grabs the combination on the root window and delivers WM_HOTKEY to the window's
// native-message path on each press; false when not on xcb, taken, or the key has no key code.
bool duiX11RegisterHotKey(QWidget *window, int id, uint modifiers, uint vk);
void duiX11UnregisterHotKey(HWND hwnd, int id);
// 1 when the X server reports the key (or mouse button) down, 0 when up, -1 when not on xcb.
int duiX11KeyState(int vk);
// The X server's lock modifier; false when not on xcb.
bool duiX11CapsLockOn();

#endif // DUIWINAPI_X11_P_H
