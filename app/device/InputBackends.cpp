#include "device/InputBackends.h"

#include "device/emulator/StandInInputs.h"
#include "platform/EvdevKeySource.h"
#include "platform/HidrawMonitor.h"
#include "platform/UhidBackend.h"

#include <cstdlib>

namespace clavora {

bool InputStandInsSelected()
{
    const char* value = std::getenv("CLAVORA_EMULATOR");
    return value != nullptr && *value != '\0';
}

std::unique_ptr<IVirtualHidBackend> CreateVirtualHidBackend()
{
    if (InputStandInsSelected())
        return StandInInputs::Get().NewVirtualDevice();
    return std::make_unique<UhidBackend>();
}

std::shared_ptr<IKeySource> CreateKeySource()
{
    if (InputStandInsSelected())
        return StandInInputs::Get().KeySource();
    // FIXME: fall back to the evdev key code table for nodes without MSC_SCAN.
    return std::make_shared<EvdevKeySource>(nullptr);
}

std::shared_ptr<IDeviceEventSource> CreateDeviceEventSource()
{
    if (InputStandInsSelected())
        return StandInInputs::Get().Hotplug();
    return std::make_shared<HidrawMonitor>();
}

} // namespace clavora
