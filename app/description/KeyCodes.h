#pragma once

// Key codes and key names.
//
//   Key codes     HID keyboard usage IDs as the layout files write them, plus the program's
//                 own codes 232-249 for media and browser functions; 175 is the Fn code.
//   Virtual keys  Windows virtual-key codes, which macro events store on every platform.
//   Names         the display name of a key code (recorded macro events, the custom key
//                 dialog) and the name shown for a captured key (macro page capture field).

#include <string>

namespace clavora {

// The key code of a virtual key; 0 for virtual keys without one.
int VirtualKeyToKeyCode(int virtualKey);

// The virtual key of a key code (the exact inverse of VirtualKeyToKeyCode); 0 when none.
int KeyCodeToVirtualKey(int keyCode);

// The short display name of a key code ("A", "ENTER", "PG UP", ...); empty for codes
// without one, including the media and browser codes 232-249.
std::string GetKeyCodeName(int keyCode);

// A key taken by the capture field: its name and the virtual key it is stored as. The
// generic Shift, Ctrl and Alt keys (16, 17, 18) are stored as their left variants.
struct CapturedKey {
    std::string name;
    int virtualKey = 0;
};
CapturedKey GetCapturedKeyName(int virtualKey);

} // namespace clavora
