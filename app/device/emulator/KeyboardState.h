#pragma once

// What the stand-in keyboard holds after decoding the frames it received: the state a real
// keyboard of either family would keep, plus the frames it refused.

#include "device/protocol/ProtocolTypes.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace clavora {

struct DecodedEvent {
    int usage = 0;
    bool release = false;
    int delay = 0; // ms
    bool operator==(const DecodedEvent&) const = default;
};

// A macro slot of the feature protocol; key 0 = free.
struct MacroSlotState {
    int key = 0;
    int play_times = 0;
    std::vector<DecodedEvent> events;
};

// A remap slot of the feature protocol; key 0 = free.
struct RemapSlotState {
    int key = 0;
    int value = 0;
};

// The light mode as the feature protocol sets it (the fields as sent; `mode` is m = M - 1).
struct FeatureLightState {
    bool set = false;
    bool wireless = false; // came in a payload
    int mode = 0;
    int colorindex = 0;
    int direction = 0;
    int speed = 0;
    int brightness = 0;
    int option = 0;
    uint32_t color = 0; // for m = 3: the colour carried in place of direction, speed and option
};

// The light as the report protocol sets it: a mode number and the packed parameters.
struct ReportLightState {
    int mode = -1; // -1 = never selected
    bool params_set = false;
    int direction = 0;
    bool colorful = false;
    int speed = 0;
    uint32_t color = 0;
    int brightness = 0;
};

struct CustomLightState {
    bool set = false;
    int mode = 0;
    int brightness = 0;
    int speed = 0;
    int scheme = 0;
};

// A macro slot of the report protocol: the blob as received and its decoded events.
struct ReportMacroState {
    std::vector<uint8_t> blob;
    int play_times = 0;
    int count = 0; // events the blob announces
    std::vector<DecodedEvent> events;
};

struct StreamState {
    bool started = false;
    int frames = 0; // frames whose first chunk arrived
    double last_frame_t = 0;
    protocol::ColourTable table {};
    std::vector<double> frame_times; // the most recent frames' start times
};

struct MusicLevelRecord {
    double t = 0;
    int effect = 0;
    int colour = 0;
    int level = 0;
};

// A frame the keyboard ignored, and why.
struct RejectedFrame {
    double t = 0;
    std::string channel; // "feature" or "output"
    int mode = 0;
    int interface_number = 0;
    std::vector<uint8_t> bytes;
    std::string reason;
};

struct KeyboardState {
    int firmware_version = 0x0100;
    FeatureLightState light;
    ReportLightState report_light;
    CustomLightState custom_light;
    std::array<MacroSlotState, protocol::kMacroSlots> macro_slots;
    std::array<RemapSlotState, protocol::kRemapSlots> remap_slots;
    protocol::KeyTable key_table {};
    std::map<int, ReportMacroState> report_macros; // by slot
    protocol::ColourTable key_colours {};
    StreamState streaming;
    std::vector<MusicLevelRecord> music_levels;
    int resets = 0;
    std::vector<double> reset_times;
    std::vector<RejectedFrame> rejected;
};

} // namespace clavora
