#include "device/protocol/PayloadCommands.h"

#include "device/protocol/LightFields.h"

#include <algorithm>

namespace clavora::protocol {

namespace {
constexpr size_t kResetFillBytes = 6; // the command byte and five more 0xAA

PayloadFrame Payload()
{
    PayloadFrame payload {};
    std::copy(kPayloadMagic.begin(), kPayloadMagic.end(), payload.begin());
    return payload;
}
} // namespace

PayloadFrame SetLightModeWireless(const LightSettings& light, int option)
{
    PayloadFrame payload = Payload();
    payload[4] = cmd::kPayloadCommand;
    const auto fields = LightFieldBytes(light, option, true);
    std::copy(fields.begin(), fields.end(), payload.begin() + 5);
    return payload;
}

PayloadSequence ResetKeyboardWireless()
{
    PayloadSequence reset;
    reset.frames[0] = Payload();
    std::fill_n(reset.frames[0].begin() + 4, kResetFillBytes, kResetMarker);
    reset.frames[1] = Payload();
    reset.gap_ms = kWirelessResetGapMs;
    return reset;
}

} // namespace clavora::protocol
