#pragma once

// Conversions between the program's key codes and the key numbers of the Linux input
// stack, so keys read from evdev or from our own window end up as the same values that
// layout files, profiles and macro events carry everywhere.

namespace clavora {

// The evdev key code (KEY_*) of a HID keyboard usage; 0 when the usage has none. The
// program's own function codes 232-249 are not keyboard usages and have none either.
int HidUsageToEvdev(int usage);

// The HID keyboard usage of an evdev key code; 0 when the key has none.
int EvdevToHidUsage(int evdevCode);

// The virtual key of an SDL scancode. Keyboard-page scancodes are HID usages; the media
// and browser scancodes SDL numbers above them map to their media virtual keys. 0 when
// the key has no virtual key.
int ScancodeToVirtualKey(int scancode);

} // namespace clavora
