#pragma once

// The six light bytes shared by the wired feature frame and the wireless payload.

#include "device/protocol/ProtocolTypes.h"

#include <array>
#include <cstdint>

namespace clavora::protocol {

// m, colour index, direction, speed, brightness, option. `reduce_mode9_speed` is false for the
// wired frame, which sends mode 9's speed unreduced.
std::array<uint8_t, 6> LightFieldBytes(const LightSettings& light, int option, bool reduce_mode9_speed);

} // namespace clavora::protocol
