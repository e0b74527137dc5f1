#include "device/LightTasks.h"

#include "device/CommandSender.h"
#include "device/DeviceTaskHost.h"
#include "device/KeyboardHid.h"
#include "device/ProtocolFamily.h"
#include "device/protocol/FeatureCommands.h"
#include "device/protocol/KeyTables.h"
#include "device/protocol/PayloadCommands.h"
#include "device/protocol/ReportCommands.h"
#include "store/DataStore.h"

#include <algorithm>

namespace clavora {

namespace {

// Colour values below this count as dark: a frame of only such keys is not streamed.
constexpr uint32_t kLitColour = 2;
constexpr int kWiredConnection = 0;

} // namespace

protocol::LightSettings ToLightSettings(const LightRecord& record)
{
    protocol::LightSettings light;
    light.mode = record.mode;
    light.brightness = record.brightness;
    light.speed = record.speed;
    light.direction = record.direction;
    light.colorful = record.colorful;
    light.colorindex = record.colorindex;
    light.color_value = static_cast<uint32_t>(record.color_value);
    light.config_func = record.config_func;
    return light;
}

void WriteLight(KeyboardHid& hid, DataStore& store, const DeviceTaskContext& context, int connectionMode,
    std::atomic<bool>& modeApplied)
{
    const ProtocolFamily family = FamilyOf(context.deviceType);
    if (family == ProtocolFamily::None)
        return;
    LightRecord record;
    if (!store.GetLight(context.lightProfile, context.lightMode, record))
        return;
    const protocol::LightSettings light = ToLightSettings(record);
    if (family == ProtocolFamily::Report) {
        // The first write after a mode change selects the mode; later ones send the parameters.
        if (modeApplied.exchange(true))
            hid.WriteReport(protocol::SetLightParams(light));
        else
            hid.WriteReport(protocol::SetLightModeNumber(record.mode));
        return;
    }
    if (connectionMode == kWiredConnection)
        hid.SendFeature(protocol::SetLightMode(light, context.lightOption));
    else
        hid.WritePayload(protocol::SetLightModeWireless(light, context.lightOption));
}

void WriteKeyColours(KeyboardHid& hid, DataStore& store, const DeviceTaskContext& context)
{
    if (FamilyOf(context.deviceType) == ProtocolFamily::None)
        return;
    std::vector<KeyLight> lights;
    store.ListKeyLights(kCustomKeyLightSet, lights);
    std::vector<protocol::KeyColour> colours;
    colours.reserve(lights.size());
    for (const KeyLight& light : lights)
        colours.push_back({ light.key_code, static_cast<uint32_t>(light.key_rgb) });
    CommandSender(hid).Send(protocol::UploadKeyColours(protocol::BuildColourTable(context.lightIndexMap, colours)));
}

bool ColourStreamer::SendFrame(KeyboardHid& hid, const protocol::KeyIndexMap& lightIndexMap,
    const std::vector<protocol::KeyColour>& colours, int connectionMode)
{
    const bool lit = std::any_of(colours.begin(), colours.end(),
        [](const protocol::KeyColour& key) { return key.colour >= kLitColour; });
    if (!lit || connectionMode != kWiredConnection)
        return false;
    if (!m_started) {
        hid.WriteReport(protocol::StartStreaming());
        m_started = true;
    }
    return CommandSender(hid).Send(protocol::StreamFrame(protocol::BuildStreamTable(lightIndexMap, colours)));
}

bool SendMusicLevel(KeyboardHid& hid, int effect, int colour, int sample, double sensitivity)
{
    return hid.SendFeatureImmediate(protocol::SetMusicLevel(effect, colour, protocol::MusicLevel(sample, sensitivity)));
}

} // namespace clavora
