// SPDX-License-Identifier: MIT
#include "duiwinapi_x11_p.h"

#ifdef DUI_HAVE_XCB

#include "duiwinapi_p.h"

#include <QtCore/qabstractnativeeventfilter.h>
#include <QtCore/qcoreapplication.h>
#include <QtCore/qlist.h>
#include <QtCore/qpointer.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qguiapplication_platform.h>
#include <QtWidgets/qwidget.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

xcb_connection_t *connection()
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t *c)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    return screen ? screen->root : 0;
}

// The X key symbols that a virtual key stands for.
QList<quint32> keysymsForVirtualKey(int vk)
{
    if ((vk >= '0' && vk <= '9'))
        return {quint32(vk)};
    if (vk >= 'A' && vk <= 'Z')
        return {quint32(vk - 'A' + 'a')};
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return {quint32(0xffb0 + vk - VK_NUMPAD0)};
    if (vk >= VK_F1 && vk <= VK_F24)
        return {quint32(0xffbe + vk - VK_F1)};
    switch (vk) {
    case VK_BACK: return {0xff08};
    case VK_TAB: return {0xff09};
    case VK_CLEAR: return {0xff0b};
    case VK_RETURN: return {0xff0d, 0xff8d};
    case VK_SHIFT: return {0xffe1, 0xffe2};
    case VK_LSHIFT: return {0xffe1};
    case VK_RSHIFT: return {0xffe2};
    case VK_CONTROL: return {0xffe3, 0xffe4};
    case VK_LCONTROL: return {0xffe3};
    case VK_RCONTROL: return {0xffe4};
    case VK_MENU: return {0xffe9, 0xffea};
    case VK_LMENU: return {0xffe9};
    case VK_RMENU: return {0xffea};
    case VK_PAUSE: return {0xff13};
    case VK_CAPITAL: return {0xffe5};
    case VK_ESCAPE: return {0xff1b};
    case VK_SPACE: return {0x20};
    case VK_PRIOR: return {0xff55};
    case VK_NEXT: return {0xff56};
    case VK_END: return {0xff57};
    case VK_HOME: return {0xff50};
    case VK_LEFT: return {0xff51};
    case VK_UP: return {0xff52};
    case VK_RIGHT: return {0xff53};
    case VK_DOWN: return {0xff54};
    case VK_SNAPSHOT: return {0xff61};
    case VK_INSERT: return {0xff63};
    case VK_DELETE: return {0xffff};
    case VK_LWIN: return {0xffeb};
    case VK_RWIN: return {0xffec};
    case VK_APPS: return {0xff67};
    case VK_MULTIPLY: return {0xffaa};
    case VK_ADD: return {0xffab};
    case VK_SEPARATOR: return {0xffac};
    case VK_SUBTRACT: return {0xffad};
    case VK_DECIMAL: return {0xffae};
    case VK_DIVIDE: return {0xffaf};
    case VK_NUMLOCK: return {0xff7f};
    case VK_SCROLL: return {0xff14};
    case VK_OEM_1: return {';'};
    case VK_OEM_PLUS: return {'='};
    case VK_OEM_COMMA: return {','};
    case VK_OEM_MINUS: return {'-'};
    case VK_OEM_PERIOD: return {'.'};
    case VK_OEM_2: return {'/'};
    case VK_OEM_3: return {'`'};
    case VK_OEM_4: return {'['};
    case VK_OEM_5: return {'\\'};
    case VK_OEM_6: return {']'};
    case VK_OEM_7: return {'\''};
    default: return {};
    }
}

// The key codes whose unshifted or shifted symbol is one of the symbols.
QList<xcb_keycode_t> keycodesFor(xcb_connection_t *c, const QList<quint32> &keysyms)
{
    QList<xcb_keycode_t> codes;
    if (keysyms.isEmpty())
        return codes;
    const xcb_setup_t *setup = xcb_get_setup(c);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    xcb_get_keyboard_mapping_reply_t *reply =
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, xcb_keycode_t(first), quint8(count)), nullptr);
    if (!reply)
        return codes;
    const int perCode = reply->keysyms_per_keycode;
    const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(reply);
    const int total = xcb_get_keyboard_mapping_keysyms_length(reply);
    for (int i = 0; perCode > 0 && (i + 1) * perCode <= total; ++i) {
        for (int j = 0; j < qMin(perCode, 2); ++j) {
            if (keysyms.contains(syms[i * perCode + j]) && !codes.contains(xcb_keycode_t(first + i)))
                codes << xcb_keycode_t(first + i);
        }
    }
    std::free(reply);
    return codes;
}

quint16 xModifiers(uint modifiers)
{
    quint16 mask = 0;
    if (modifiers & MOD_SHIFT)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & MOD_CONTROL)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & MOD_ALT)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & MOD_WIN)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

constexpr quint16 HotKeyModifierMask = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
// Caps Lock and Num Lock must not stop a hot key, so each grab is repeated with them.
constexpr quint16 IgnoredLocks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

struct HotKey
{
    QPointer<QWidget> window;
    HWND hwnd;
    int id;
    uint modifiers;
    uint vk;
    xcb_window_t root;
    xcb_keycode_t keycode;
    quint16 xmods;
};

QList<HotKey> &hotKeys()
{
    static QList<HotKey> keys;
    return keys;
}

void ungrab(xcb_connection_t *c, const HotKey &key)
{
    for (quint16 locks : IgnoredLocks)
        xcb_ungrab_key(c, key.keycode, key.root, quint16(key.xmods | locks));
    xcb_flush(c);
}

class HotKeyFilter : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
            return false;
        const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
        QList<HotKey> hits;
        for (const HotKey &key : std::as_const(hotKeys())) {
            if (key.keycode == press->detail && key.root == press->event
                && key.xmods == (press->state & HotKeyModifierMask))
                hits << key;
        }
        for (const HotKey &key : std::as_const(hits)) {
            if (key.window)
                duiSendNativeMessage(key.window, WM_HOTKEY, WPARAM(key.id),
                                     MAKELPARAM(WORD(key.modifiers & ~MOD_NOREPEAT), WORD(key.vk)), nullptr);
        }
        return !hits.isEmpty();
    }
};

void removeHotKeys(HWND hwnd, int id, bool anyId)
{
    xcb_connection_t *c = connection();
    QList<HotKey> &keys = hotKeys();
    for (qsizetype i = keys.size() - 1; i >= 0; --i) {
        if (keys.at(i).hwnd == hwnd && (anyId || keys.at(i).id == id)) {
            if (c)
                ungrab(c, keys.at(i));
            keys.removeAt(i);
        }
    }
}

} // namespace

quintptr duiX11RootWindow()
{
    xcb_connection_t *c = connection();
    return c ? quintptr(rootWindow(c)) : 0;
}

bool duiX11RegisterHotKey(QWidget *window, int id, uint modifiers, uint vk)
{
    xcb_connection_t *c = connection();
    if (!c || !window)
        return false;
    const HWND hwnd = HWND(window->winId());
    const QList<xcb_keycode_t> codes = keycodesFor(c, keysymsForVirtualKey(int(vk)));
    if (codes.isEmpty())
        return false;
    HotKey key{window, hwnd, id, modifiers, vk, rootWindow(c), codes.first(), xModifiers(modifiers)};
    for (const HotKey &k : std::as_const(hotKeys())) {
        if ((k.hwnd == hwnd && k.id == id) || (k.keycode == key.keycode && k.xmods == key.xmods))
            return false;
    }
    bool ok = true;
    for (quint16 locks : IgnoredLocks) {
        xcb_void_cookie_t cookie = xcb_grab_key_checked(c, 1, key.root, quint16(key.xmods | locks), key.keycode,
                                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t *error = xcb_request_check(c, cookie)) {
            std::free(error);
            ok = false;
        }
    }
    if (!ok) {
        // Another client holds the combination.
        ungrab(c, key);
        return false;
    }
    // One filter per application object (a process may create more than one in turn).
    static HotKeyFilter filter;
    static QPointer<QCoreApplication> filteredApp;
    if (filteredApp != QCoreApplication::instance()) {
        filteredApp = QCoreApplication::instance();
        filteredApp->installNativeEventFilter(&filter);
    }
    if (!window->property("_dui_hotkey_watch").toBool()) {
        window->setProperty("_dui_hotkey_watch", true);
        QObject::connect(window, &QObject::destroyed, [hwnd]() { removeHotKeys(hwnd, 0, true); });
    }
    hotKeys() << key;
    return true;
}

void duiX11UnregisterHotKey(HWND hwnd, int id)
{
    if (hwnd)
        removeHotKeys(hwnd, id, false);
}

int duiX11KeyState(int vk)
{
    xcb_connection_t *c = connection();
    if (!c)
        return -1;
    if (vk == VK_LBUTTON || vk == VK_RBUTTON || vk == VK_MBUTTON) {
        xcb_query_pointer_reply_t *reply = xcb_query_pointer_reply(c, xcb_query_pointer(c, rootWindow(c)), nullptr);
        if (!reply)
            return 0;
        const quint16 bit = vk == VK_LBUTTON ? XCB_BUTTON_MASK_1 : vk == VK_MBUTTON ? XCB_BUTTON_MASK_2 : XCB_BUTTON_MASK_3;
        const int down = (reply->mask & bit) ? 1 : 0;
        std::free(reply);
        return down;
    }
    const QList<xcb_keycode_t> codes = keycodesFor(c, keysymsForVirtualKey(vk));
    if (codes.isEmpty())
        return 0;
    xcb_query_keymap_reply_t *reply = xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr);
    if (!reply)
        return 0;
    int down = 0;
    for (xcb_keycode_t code : codes) {
        if (reply->keys[code / 8] & (1 << (code % 8)))
            down = 1;
    }
    std::free(reply);
    return down;
}

bool duiX11CapsLockOn()
{
    xcb_connection_t *c = connection();
    if (!c)
        return false;
    xcb_query_pointer_reply_t *reply = xcb_query_pointer_reply(c, xcb_query_pointer(c, rootWindow(c)), nullptr);
    if (!reply)
        return false;
    const bool on = reply->mask & XCB_MOD_MASK_LOCK;
    std::free(reply);
    return on;
}

#else // no xcb

quintptr duiX11RootWindow() { return 0; }
bool duiX11RegisterHotKey(QWidget *, int, uint, uint) { return false; }
void duiX11UnregisterHotKey(HWND, int) {}
int duiX11KeyState(int) { return -1; }
bool duiX11CapsLockOn() { return false; }

#endif // DUI_HAVE_XCB
