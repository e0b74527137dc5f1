#pragma once

// Picks the HID backend once, at start: the stand-in keyboard (with its control socket) when
// CLAVORA_EMULATOR is set, hidapi otherwise.

#include "device/HidBackend.h"

#include <memory>

namespace clavora {

std::unique_ptr<HidBackend> CreateHidBackend();

} // namespace clavora
