#include "TKeyboardMap.h"

#include <QGuiApplication>

#include <freerdp/locale/keyboard.h>
#include <freerdp/scancode.h>

#include <mutex>

void TKeyboardMap::Initialise()
{
    static std::once_flag once;
    std::call_once(once, [] { freerdp_keyboard_init(0); });
}

TKeyboardMap::Scancode TKeyboardMap::FromX11Keycode(quint32 keycode)
{
    Initialise();
    const DWORD rdp = freerdp_keyboard_get_rdp_scancode_from_x11_keycode(keycode);
    return {quint16(RDP_SCANCODE_CODE(rdp)), RDP_SCANCODE_EXTENDED(rdp) != 0};
}

// X11 last: its macros clash with ordinary names.
#include <X11/XKBlib.h>

quint32 TKeyboardMap::LocalLockKeys()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return 0;
    unsigned int indicators = 0;
    if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &indicators) != Success)
        return 0;
    // The core keyboard's indicators: bit 0 Caps Lock, bit 1 Num Lock, bit 2 Scroll Lock.
    quint32 flags = 0;
    if (indicators & 0x1)
        flags |= CapsLock;
    if (indicators & 0x2)
        flags |= NumLock;
    if (indicators & 0x4)
        flags |= ScrollLock;
    return flags;
}
