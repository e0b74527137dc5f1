#pragma once

// Commands in 64-byte payloads, used by feature-protocol keyboards over a wireless connection.

#include "device/protocol/ProtocolTypes.h"

namespace clavora::protocol {

inline constexpr int kWirelessResetGapMs = 1600;

// Light mode over a wireless connection; `option` as for SetLightMode.
PayloadFrame SetLightModeWireless(const LightSettings& light, int option);

// Factory reset: two payloads, 1600 ms apart.
PayloadSequence ResetKeyboardWireless();

} // namespace clavora::protocol
