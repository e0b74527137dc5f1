#include "device/InputBackends.h"

#include "description/PlatformKeyCodes.h"
#include "device/emulator/Emulator.h"
#include "device/emulator/KeySourceStandIn.h"
#include "device/emulator/VirtualHidRecorder.h"
#include "platform/EvdevKeySource.h"
#include "platform/UhidBackend.h"

namespace clavora {

namespace {

// For key nodes that send no MSC_SCAN with their keys.
std::uint32_t KeyboardUsageOfEvdevKey(std::uint16_t evdevCode)
{
    const int usage = EvdevToHidUsage(evdevCode);
    return usage > 0 ? MakeUsage(kKeyboardPage, static_cast<std::uint16_t>(usage)) : 0;
}

} // namespace

std::unique_ptr<IVirtualHidBackend> CreateVirtualHidBackend(Emulator* standIn)
{
    if (standIn == nullptr)
        return std::make_unique<UhidBackend>();
    return std::make_unique<VirtualHidRecorder>(
        [standIn](int id, std::span<const std::uint8_t> data) { standIn->RecordVirtualReport(id, data); });
}

std::shared_ptr<IKeySource> CreateKeySource(Emulator* standIn)
{
    if (standIn == nullptr)
        return std::make_shared<EvdevKeySource>(KeyboardUsageOfEvdevKey);
    auto source = std::make_shared<KeySourceStandIn>();
    std::weak_ptr<KeySourceStandIn> weak = source;
    standIn->SetKeyInput([weak](int usage, bool pressed) {
        const auto keys = weak.lock();
        if (!keys || usage < 0)
            return false;
        const auto value = static_cast<std::uint32_t>(usage);
        return pressed ? keys->Press(value) : keys->Release(value);
    });
    return source;
}

} // namespace clavora
