#pragma once

// Bringing up the virtual device at start-up: search it; when it is missing, install the
// driver and search again. The caller shows "InstallDriver Error!" and ends when this fails.

#include <functional>

namespace clavora {

class VHidev;

// True when the device is usable afterwards, with empty reports written.
bool StartVirtualDevice(VHidev& device, const std::function<bool()>& install);

} // namespace clavora
