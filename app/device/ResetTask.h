#pragma once

// The keyboard's factory reset (device task 10), by protocol family and connection.

namespace clavora {

class KeyboardHid;

inline constexpr int kResetSettleMs = 100; // after the wired reset commands

void ResetKeyboardDevice(KeyboardHid& hid, int deviceType, int connectionMode);

} // namespace clavora
