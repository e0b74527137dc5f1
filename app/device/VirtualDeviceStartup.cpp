#include "device/VirtualDeviceStartup.h"

#include "device/VHidev.h"

namespace clavora {

bool StartVirtualDevice(VHidev& device, const std::function<bool()>& install)
{
    device.CloseDevice();
    bool found = device.FindVirtualDevice();
    if (!found && install && install())
        found = device.FindVirtualDevice();
    if (found)
        device.ResetReports();
    return found;
}

} // namespace clavora
