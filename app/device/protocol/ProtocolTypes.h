#pragma once

// The keyboard's wire formats: frame types and sizes, command bytes, and the plain input records
// the command builders take. Nothing here knows about the store, the window or HID handles.
//
// Sections: frame sizes and types · command bytes · transfers · inputs.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace clavora::protocol {

// --- Frame sizes and types ---------------------------------------------------------------------

inline constexpr size_t kFeatureFrameSize = 8;  // report ID 7 + command + 6 parameters
inline constexpr size_t kReportFrameSize = 65;  // report ID 0 + command + 63 parameters
inline constexpr size_t kPayloadSize = 64;      // the data behind report ID 0 of a payload write

inline constexpr uint8_t kFeatureReportId = 0x07;
inline constexpr uint8_t kOutputReportId = 0x00;

using FeatureFrame = std::array<uint8_t, kFeatureFrameSize>;
using ReportFrame = std::array<uint8_t, kReportFrameSize>;
using PayloadFrame = std::array<uint8_t, kPayloadSize>;

static_assert(sizeof(FeatureFrame) == 8, "feature frames are 8 bytes on the wire");
static_assert(sizeof(ReportFrame) == 65, "report frames are 65 bytes on the wire");
static_assert(sizeof(PayloadFrame) == 64, "payloads are 64 bytes behind the report ID");

// Payload frames open with 0x8899AABB, least significant byte first.
inline constexpr std::array<uint8_t, 4> kPayloadMagic { 0xBB, 0xAA, 0x99, 0x88 };

// --- Command bytes -----------------------------------------------------------------------------

namespace cmd {
// Feature protocol (feature frames, byte 1).
inline constexpr uint8_t kResetKeyboard = 0xF0;
inline constexpr uint8_t kSlotMacroFirst = 0xF1; // first frame of a slot macro block
inline constexpr uint8_t kSlotMacroNext = 0x00;  // every later frame of the block
inline constexpr uint8_t kSetLightMode = 0xF7;
inline constexpr uint8_t kSetRemapSlot = 0xFA;
inline constexpr uint8_t kQuerySlotTable = 0xFB;
inline constexpr uint8_t kQueryFirmwareVersion = 0xFD;
inline constexpr uint8_t kSelectCustomLight = 0xFF;
inline constexpr uint8_t kSetMusicLevel = 0x23;
// Report protocol (report frames, byte 1).
inline constexpr uint8_t kSetLightModeNumber = 0x88;
inline constexpr uint8_t kSetLightParams = 0x89;
inline constexpr uint8_t kUploadKeyColours = 0x8B;
inline constexpr uint8_t kUploadKeyTable = 0x8D;
inline constexpr uint8_t kUploadMacro = 0x8E;
inline constexpr uint8_t kStartStreaming = 0xF0;
inline constexpr uint8_t kStreamFrame = 0xF1;
inline constexpr uint8_t kResetKeyboardReport = 0xFF;
// Payload frames (byte 4, after the magic).
inline constexpr uint8_t kPayloadCommand = 0xAA;
} // namespace cmd

// Fixed marker bytes inside some commands.
inline constexpr uint8_t kResetMarker = 0xAA;          // ResetKeyboard byte 2
inline constexpr uint8_t kRemapMarker = 0x01;          // SetRemapSlot bytes 2, 5 and 7
inline constexpr uint8_t kStreamingOn[2] { 0xF4, 0x01 }; // StartStreaming bytes 2-3
inline constexpr uint8_t kReportResetTail[3] { 0xFE, 0xAA, 0xFF };
inline constexpr std::array<uint8_t, 4> kMusicMarker { 0x23, 0x45, 0x67, 0x89 };

// --- Tables and slots --------------------------------------------------------------------------

inline constexpr size_t kKeyTableSize = 360;    // 2 bytes per key position
inline constexpr size_t kColourTableSize = 600; // 4 bytes per LED for colours, 3 for streaming
inline constexpr size_t kChunkData = 60;        // table bytes carried by one chunk
inline constexpr size_t kChunkHeader = 5;       // report ID, command, length, offset (2)
static_assert(kChunkHeader + kChunkData == kReportFrameSize, "a chunk fills one report frame");

inline constexpr int kMacroSlots = 13;
inline constexpr int kRemapSlots = 10;
inline constexpr size_t kSlotTableSize = 28;
inline constexpr size_t kSlotMacroBlockSize = 512;
inline constexpr size_t kSlotMacroFrames = 28;
inline constexpr size_t kSlotMacroBytesPerFrame = 6;
inline constexpr size_t kSlotMacroEventsOffset = 4;
// Only the first 28 × 6 bytes of the block are sent, so 82 two-byte events fit behind the header.
inline constexpr size_t kSlotMacroMaxEvents
    = (kSlotMacroFrames * kSlotMacroBytesPerFrame - kSlotMacroEventsOffset) / 2;
static_assert(kSlotMacroMaxEvents == 82);

using KeyTable = std::array<uint8_t, kKeyTableSize>;
using ColourTable = std::array<uint8_t, kColourTableSize>;
using SlotTableBytes = std::array<uint8_t, kSlotTableSize>;
using SlotMacroFrames = std::array<FeatureFrame, kSlotMacroFrames>;

// Key code (the layout's `code`) → the key's `key_index` in the keyboard's tables.
using KeyIndexMap = std::map<int, int>;

// --- Transfers ---------------------------------------------------------------------------------

// A run of report frames with the pause taken before each one. The sender writes them in order
// and, when `stop_on_failure` is set, ends the run at the first frame that cannot be written.
struct ReportTransfer {
    std::vector<ReportFrame> frames;
    int pause_ms = 0;
    bool stop_on_failure = false;
    bool lighting_interface = false; // written with WriteFastReport instead of WriteReport
};

// Two payloads with a fixed gap between them (the wireless factory reset).
struct PayloadSequence {
    std::array<PayloadFrame, 2> frames {};
    int gap_ms = 0;
};

// --- Inputs ------------------------------------------------------------------------------------

// Stored macro event types; every other type is left out of the keyboard's encodings.
inline constexpr int kEventKeyDown = 2;
inline constexpr int kEventKeyUp = 3;

// One macro event as the keyboard needs it: the key already converted to its HID usage.
struct MacroStep {
    int type = kEventKeyDown;
    int usage = 0;
    int delay = 0; // ms after this event
};

struct MacroData {
    int play_times = 1;
    std::vector<MacroStep> steps; // in `record_index` order
};

// Stored assignment types the key table and the slot commands distinguish.
inline constexpr int kAssignNone = 0;
inline constexpr int kAssignDisabled = 1;
inline constexpr int kAssignKey = 2;
inline constexpr int kAssignMacro = 3;
inline constexpr int kAssignShortcut = 7;

// A key assignment reduced to what the key table needs.
struct KeyTableEntry {
    int key = 0; // the key's code
    int type = 0;
    int value = 0;
};

// The light record fields the light commands read.
struct LightSettings {
    int mode = 0; // the keyboard's mode number M
    int brightness = 0;
    int speed = 0;
    int direction = 0;
    int colorful = 0;
    int colorindex = 0;
    uint32_t color_value = 0; // 0x00BBGGRR
    int config_func = 0;
};

inline constexpr int kConfigCustomColours = 0x0100;

// A key's colour, 0x00BBGGRR.
struct KeyColour {
    int key = 0;
    uint32_t colour = 0;
};

// What the keyboard reports its slots hold: a key code per slot, 0 = free.
struct SlotTable {
    std::array<uint8_t, kMacroSlots> macro_keys {};
    std::array<uint8_t, kRemapSlots> remap_keys {};
};

} // namespace clavora::protocol
