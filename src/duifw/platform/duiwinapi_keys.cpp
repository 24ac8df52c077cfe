// SPDX-License-Identifier: MIT
#include "duiwinapi.h"
#include "duiwinapi_p.h"
#include "duiwinapi_x11_p.h"

// Hot keys and key state from the X server where there is one; key names and scan codes from a
// US keyboard table.

#include <QtCore/qcoreapplication.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qkeysequence.h>
#include <QtWidgets/qwidget.h>

bool DuiWinAPI::RegisterHotKey(HWND hwnd, int id, uint modifiers, uint vk)
{
    QWidget *w = duiWidgetFromHwnd(hwnd);
    return w && duiX11RegisterHotKey(w, id, modifiers, vk);
}

void DuiWinAPI::UnregisterHotKey(HWND hwnd, int id)
{
    duiX11UnregisterHotKey(hwnd, id);
}

bool DuiWinAPI::IsKeyPressed(int vk)
{
    int state = duiX11KeyState(vk);
    if (state >= 0)
        return state > 0;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    const Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    switch (vk) {
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT:
        return mods & Qt::ShiftModifier;
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL:
        return mods & Qt::ControlModifier;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
        return mods & Qt::AltModifier;
    case VK_LWIN:
    case VK_RWIN:
        return mods & Qt::MetaModifier;
    case VK_LBUTTON:
        return buttons & Qt::LeftButton;
    case VK_RBUTTON:
        return buttons & Qt::RightButton;
    case VK_MBUTTON:
        return buttons & Qt::MiddleButton;
    default:
        return false;
    }
}

bool DuiWinAPI::isCapsLockOn()
{
    return duiX11CapsLockOn();
}

namespace {

// US keyboard, scan code set 1: the virtual key of each scan code and the Qt key it names.
struct ScanKey
{
    uint scan;
    int vk;
    int qtKey;
    bool keypad;
};

const ScanKey scanKeys[] = {
    {0x01, VK_ESCAPE, Qt::Key_Escape, false},  {0x02, '1', Qt::Key_1, false},
    {0x03, '2', Qt::Key_2, false},             {0x04, '3', Qt::Key_3, false},
    {0x05, '4', Qt::Key_4, false},             {0x06, '5', Qt::Key_5, false},
    {0x07, '6', Qt::Key_6, false},             {0x08, '7', Qt::Key_7, false},
    {0x09, '8', Qt::Key_8, false},             {0x0A, '9', Qt::Key_9, false},
    {0x0B, '0', Qt::Key_0, false},             {0x0C, VK_OEM_MINUS, Qt::Key_Minus, false},
    {0x0D, VK_OEM_PLUS, Qt::Key_Equal, false}, {0x0E, VK_BACK, Qt::Key_Backspace, false},
    {0x0F, VK_TAB, Qt::Key_Tab, false},        {0x10, 'Q', Qt::Key_Q, false},
    {0x11, 'W', Qt::Key_W, false},             {0x12, 'E', Qt::Key_E, false},
    {0x13, 'R', Qt::Key_R, false},             {0x14, 'T', Qt::Key_T, false},
    {0x15, 'Y', Qt::Key_Y, false},             {0x16, 'U', Qt::Key_U, false},
    {0x17, 'I', Qt::Key_I, false},             {0x18, 'O', Qt::Key_O, false},
    {0x19, 'P', Qt::Key_P, false},             {0x1A, VK_OEM_4, Qt::Key_BracketLeft, false},
    {0x1B, VK_OEM_6, Qt::Key_BracketRight, false}, {0x1C, VK_RETURN, Qt::Key_Return, false},
    {0x1D, VK_CONTROL, Qt::Key_Control, false}, {0x1E, 'A', Qt::Key_A, false},
    {0x1F, 'S', Qt::Key_S, false},             {0x20, 'D', Qt::Key_D, false},
    {0x21, 'F', Qt::Key_F, false},             {0x22, 'G', Qt::Key_G, false},
    {0x23, 'H', Qt::Key_H, false},             {0x24, 'J', Qt::Key_J, false},
    {0x25, 'K', Qt::Key_K, false},             {0x26, 'L', Qt::Key_L, false},
    {0x27, VK_OEM_1, Qt::Key_Semicolon, false}, {0x28, VK_OEM_7, Qt::Key_Apostrophe, false},
    {0x29, VK_OEM_3, Qt::Key_QuoteLeft, false}, {0x2A, VK_SHIFT, Qt::Key_Shift, false},
    {0x2B, VK_OEM_5, Qt::Key_Backslash, false}, {0x2C, 'Z', Qt::Key_Z, false},
    {0x2D, 'X', Qt::Key_X, false},             {0x2E, 'C', Qt::Key_C, false},
    {0x2F, 'V', Qt::Key_V, false},             {0x30, 'B', Qt::Key_B, false},
    {0x31, 'N', Qt::Key_N, false},             {0x32, 'M', Qt::Key_M, false},
    {0x33, VK_OEM_COMMA, Qt::Key_Comma, false}, {0x34, VK_OEM_PERIOD, Qt::Key_Period, false},
    {0x35, VK_OEM_2, Qt::Key_Slash, false},    {0x36, VK_SHIFT, Qt::Key_Shift, false},
    {0x37, VK_MULTIPLY, Qt::Key_Asterisk, true}, {0x38, VK_MENU, Qt::Key_Alt, false},
    {0x39, VK_SPACE, Qt::Key_Space, false},    {0x3A, VK_CAPITAL, Qt::Key_CapsLock, false},
    {0x3B, VK_F1, Qt::Key_F1, false},          {0x3C, VK_F2, Qt::Key_F2, false},
    {0x3D, VK_F3, Qt::Key_F3, false},          {0x3E, VK_F4, Qt::Key_F4, false},
    {0x3F, VK_F5, Qt::Key_F5, false},          {0x40, VK_F6, Qt::Key_F6, false},
    {0x41, VK_F7, Qt::Key_F7, false},          {0x42, VK_F8, Qt::Key_F8, false},
    {0x43, VK_F9, Qt::Key_F9, false},          {0x44, VK_F10, Qt::Key_F10, false},
    {0x45, VK_NUMLOCK, Qt::Key_NumLock, false}, {0x46, VK_SCROLL, Qt::Key_ScrollLock, false},
    {0x47, VK_NUMPAD7, Qt::Key_7, true},       {0x48, VK_NUMPAD8, Qt::Key_8, true},
    {0x49, VK_NUMPAD9, Qt::Key_9, true},       {0x4A, VK_SUBTRACT, Qt::Key_Minus, true},
    {0x4B, VK_NUMPAD4, Qt::Key_4, true},       {0x4C, VK_NUMPAD5, Qt::Key_5, true},
    {0x4D, VK_NUMPAD6, Qt::Key_6, true},       {0x4E, VK_ADD, Qt::Key_Plus, true},
    {0x4F, VK_NUMPAD1, Qt::Key_1, true},       {0x50, VK_NUMPAD2, Qt::Key_2, true},
    {0x51, VK_NUMPAD3, Qt::Key_3, true},       {0x52, VK_NUMPAD0, Qt::Key_0, true},
    {0x53, VK_DECIMAL, Qt::Key_Period, true},  {0x57, VK_F11, Qt::Key_F11, false},
    {0x58, VK_F12, Qt::Key_F12, false},
};

// Keys that share a scan code with a keypad key and are told apart by the extended bit.
const ScanKey extendedKeys[] = {
    {0x1C, VK_RETURN, Qt::Key_Enter, true},   {0x1D, VK_CONTROL, Qt::Key_Control, false},
    {0x35, VK_DIVIDE, Qt::Key_Slash, true},   {0x38, VK_MENU, Qt::Key_Alt, false},
    {0x47, VK_HOME, Qt::Key_Home, false},     {0x48, VK_UP, Qt::Key_Up, false},
    {0x49, VK_PRIOR, Qt::Key_PageUp, false},  {0x4B, VK_LEFT, Qt::Key_Left, false},
    {0x4D, VK_RIGHT, Qt::Key_Right, false},   {0x4F, VK_END, Qt::Key_End, false},
    {0x50, VK_DOWN, Qt::Key_Down, false},     {0x51, VK_NEXT, Qt::Key_PageDown, false},
    {0x52, VK_INSERT, Qt::Key_Insert, false}, {0x53, VK_DELETE, Qt::Key_Delete, false},
    {0x5B, VK_LWIN, Qt::Key_Meta, false},     {0x5C, VK_RWIN, Qt::Key_Meta, false},
    {0x5D, VK_APPS, Qt::Key_Menu, false},
};

const ScanKey *findScan(uint scan, bool extended)
{
    if (extended) {
        for (const ScanKey &k : extendedKeys) {
            if (k.scan == scan)
                return &k;
        }
        return nullptr;
    }
    for (const ScanKey &k : scanKeys) {
        if (k.scan == scan)
            return &k;
    }
    return nullptr;
}

const ScanKey *findVirtualKey(int vk)
{
    for (const ScanKey &k : scanKeys) {
        if (k.vk == vk)
            return &k;
    }
    for (const ScanKey &k : extendedKeys) {
        if (k.vk == vk)
            return &k;
    }
    return nullptr;
}

} // namespace

QString DuiWinAPI::getKeyNameText(uint lParam)
{
    const ScanKey *key = findScan((lParam >> 16) & 0xff, (lParam >> 24) & 1);
    if (!key)
        return QStringLiteral("Unknown");
    const QKeyCombination combination(key->keypad ? Qt::KeypadModifier : Qt::NoModifier, Qt::Key(key->qtKey));
    const QString name = QKeySequence(combination).toString(QKeySequence::NativeText);
    return name.isEmpty() ? QStringLiteral("Unknown") : name;
}

uint DuiWinAPI::mapVirtualKey(uint code, uint mapType)
{
    switch (mapType) {
    case MAPVK_VK_TO_VSC: {
        // The left and right variants map to their own scan codes.
        switch (code) {
        case VK_LSHIFT: return 0x2A;
        case VK_RSHIFT: return 0x36;
        case VK_LCONTROL: return 0x1D;
        case VK_LMENU: return 0x38;
        default: break;
        }
        const ScanKey *k = findVirtualKey(int(code));
        return k ? k->scan : 0;
    }
    case MAPVK_VSC_TO_VK:
    case MAPVK_VSC_TO_VK_EX: {
        const ScanKey *k = findScan(code, false);
        if (!k)
            return 0;
        if (mapType == MAPVK_VSC_TO_VK_EX) {
            if (code == 0x2A) return VK_LSHIFT;
            if (code == 0x36) return VK_RSHIFT;
            if (code == 0x1D) return VK_LCONTROL;
            if (code == 0x38) return VK_LMENU;
        }
        return uint(k->vk);
    }
    case MAPVK_VK_TO_CHAR: {
        if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || code == VK_SPACE)
            return code;
        static const struct { uint vk; char c; } chars[] = {
            {VK_OEM_1, ';'}, {VK_OEM_PLUS, '='}, {VK_OEM_COMMA, ','}, {VK_OEM_MINUS, '-'},
            {VK_OEM_PERIOD, '.'}, {VK_OEM_2, '/'}, {VK_OEM_3, '`'}, {VK_OEM_4, '['},
            {VK_OEM_5, '\\'}, {VK_OEM_6, ']'}, {VK_OEM_7, '\''}, {VK_MULTIPLY, '*'},
            {VK_ADD, '+'}, {VK_SUBTRACT, '-'}, {VK_DECIMAL, '.'}, {VK_DIVIDE, '/'},
        };
        for (const auto &c : chars) {
            if (c.vk == code)
                return uint(uchar(c.c));
        }
        if (code >= VK_NUMPAD0 && code <= VK_NUMPAD9)
            return '0' + (code - VK_NUMPAD0);
        return 0;
    }
    default:
        return 0;
    }
}

uint DuiWinAPI::immAssociateContext(uint hwnd, uint himc)
{
    QWidget *w = duiWidgetFromHwnd(HWND(hwnd));
    if (!w)
        return 0;
    static const char property[] = "_dui_himc";
    const QVariant stored = w->property(property);
    // Until a context is set, a window that takes input has its own default context.
    const uint previous = stored.isValid() ? stored.toUInt()
                                           : (w->testAttribute(Qt::WA_InputMethodEnabled) ? uint(hwnd) : 0);
    w->setProperty(property, himc);
    w->setAttribute(Qt::WA_InputMethodEnabled, himc != 0);
    return previous;
}
