#pragma once

// Writing the lighting (device tasks 7 and 8), the live colour frames of the light page's
// effects, and the music level.

#include "device/protocol/ProtocolTypes.h"
#include "store/LightRecord.h"

#include <atomic>
#include <vector>

namespace clavora {

class DataStore;
class KeyboardHid;
struct DeviceTaskContext;

protocol::LightSettings ToLightSettings(const LightRecord& record);

// Task 7: the stored settings of the current light mode. Report protocol: the mode number
// while `modeApplied` is clear, the parameters afterwards; the flag is then set. Feature
// protocol: the light mode, as a payload over a wireless connection. Nothing when the mode
// has no stored settings or the model speaks neither protocol.
void WriteLight(KeyboardHid& hid, DataStore& store, const DeviceTaskContext& context, int connectionMode,
    std::atomic<bool>& modeApplied);

// Task 8: the custom per-key colours (set 128); stops at the first failed chunk.
void WriteKeyColours(KeyboardHid& hid, DataStore& store, const DeviceTaskContext& context);

// The colours painted by the light page's effects, streamed to a wired report-protocol
// keyboard: the first frame of the run is preceded by StartStreaming.
class ColourStreamer {
public:
    // One frame. Nothing is sent while every colour is 0 or 1, or over a wireless connection.
    // True when a frame was sent completely.
    bool SendFrame(KeyboardHid& hid, const protocol::KeyIndexMap& lightIndexMap,
        const std::vector<protocol::KeyColour>& colours, int connectionMode);
    bool HasStarted() const { return m_started; }

private:
    bool m_started = false; // worker thread only
};

// The music level of one audio sample, at once, from the capture thread. True when the
// keyboard accepted it.
bool SendMusicLevel(KeyboardHid& hid, int effect, int colour, int sample, double sensitivity);

} // namespace clavora
