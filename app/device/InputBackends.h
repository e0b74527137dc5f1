#pragma once

// Chooses the implementations behind the virtual device and the key filter's key source: the
// real Linux ones, or in-process stand-ins when the HID layer runs on the stand-in keyboard.
// The stand-ins hang on the stand-in keyboard's extension points, so its control socket's
// "press" and "release" reach the key filter and its "dump" shows the virtual reports.

#include "device/IKeySource.h"
#include "device/IVirtualHidBackend.h"

#include <memory>

namespace clavora {

class Emulator;

// `standIn` is the stand-in keyboard (KeyboardHid::StandIn()), or null on real hardware.
std::unique_ptr<IVirtualHidBackend> CreateVirtualHidBackend(Emulator* standIn);
std::shared_ptr<IKeySource> CreateKeySource(Emulator* standIn);

} // namespace clavora
