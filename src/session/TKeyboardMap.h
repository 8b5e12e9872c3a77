#pragma once

#include <QtGlobal>

/// Keys of the local keyboard as the remote desktop protocol names them.
namespace TKeyboardMap {
struct Scancode
{
    quint16 code = 0;
    bool extended = false;
    bool valid() const { return code != 0; }
};

/// Builds FreeRDP's process-wide keyboard tables once; every caller after the first returns at once.
void Initialise();

/// The scancode of an X11/XKB key code (what Qt reports as a key's native scan code on X11); none for a key
/// the protocol has no scancode for.
Scancode FromX11Keycode(quint32 keycode);

/// Lock-key flags of the protocol's synchronize event.
inline constexpr quint32 ScrollLock = 0x1;
inline constexpr quint32 NumLock = 0x2;
inline constexpr quint32 CapsLock = 0x4;
/// The lock keys that are on at the local keyboard (0 where the display cannot tell).
quint32 LocalLockKeys();
} // namespace TKeyboardMap
