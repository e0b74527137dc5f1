#pragma once

// Chooses the implementations behind the virtual device, the key filter's key source and the
// hot-plug source: the real Linux ones, or the in-process stand-ins when the stand-in keyboard
// is selected (CLAVORA_EMULATOR set and not empty).

#include "device/IDeviceEventSource.h"
#include "device/IKeySource.h"
#include "device/IVirtualHidBackend.h"

#include <memory>

namespace clavora {

bool InputStandInsSelected();

std::unique_ptr<IVirtualHidBackend> CreateVirtualHidBackend();
std::shared_ptr<IKeySource> CreateKeySource();
std::shared_ptr<IDeviceEventSource> CreateDeviceEventSource();

} // namespace clavora
