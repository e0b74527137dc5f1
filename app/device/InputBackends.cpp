#include "device/InputBackends.h"

#include "device/emulator/StandInInputs.h"
#include "platform/EvdevKeySource.h"
#include "platform/HidrawMonitor.h"
#include "platform/UhidBackend.h"

#include "description/PlatformKeyCodes.h"

#include <cstdlib>

namespace clavora {

namespace {

// For key nodes that send no MSC_SCAN with their keys.
std::uint32_t KeyboardUsageOfEvdevKey(std::uint16_t evdevCode)
{
    const int usage = EvdevToHidUsage(evdevCode);
    return usage > 0 ? MakeUsage(kKeyboardPage, static_cast<std::uint16_t>(usage)) : 0;
}

} // namespace

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
    return std::make_shared<EvdevKeySource>(KeyboardUsageOfEvdevKey);
}

std::shared_ptr<IDeviceEventSource> CreateDeviceEventSource()
{
    if (InputStandInsSelected())
        return StandInInputs::Get().Hotplug();
    return std::make_shared<HidrawMonitor>();
}

} // namespace clavora
