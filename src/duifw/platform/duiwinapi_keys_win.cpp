// SPDX-License-Identifier: MIT
#include "duiwinapi.h"

#include <imm.h>

bool DuiWinAPI::RegisterHotKey(HWND hwnd, int id, uint modifiers, uint vk)
{
    return ::RegisterHotKey(hwnd, id, modifiers, vk) != 0;
}

void DuiWinAPI::UnregisterHotKey(HWND hwnd, int id) { ::UnregisterHotKey(hwnd, id); }

bool DuiWinAPI::IsKeyPressed(int vk) { return (::GetAsyncKeyState(vk) & 0x8000) != 0; }
bool DuiWinAPI::isCapsLockOn() { return (::GetKeyState(VK_CAPITAL) & 1) != 0; }

QString DuiWinAPI::getKeyNameText(uint lParam)
{
    wchar_t name[256] = {};
    const int n = ::GetKeyNameTextW(LONG(lParam), name, 256);
    return n ? QString::fromWCharArray(name, n) : QStringLiteral("Unknown");
}

uint DuiWinAPI::mapVirtualKey(uint code, uint mapType) { return ::MapVirtualKeyW(code, mapType); }

uint DuiWinAPI::immAssociateContext(uint hwnd, uint himc)
{
    return uint(quintptr(::ImmAssociateContext(HWND(quintptr(hwnd)), HIMC(quintptr(himc)))));
}
