#include "device/protocol/FeatureCommands.h"

#include "device/protocol/LightFields.h"
#include "device/protocol/MacroEncoding.h"

#include <algorithm>
#include <cstdlib>

namespace clavora::protocol {

namespace {

constexpr uint8_t kBlockStart = 0x01;
constexpr uint8_t kShortcutPlays = 1;
constexpr int kMaxMusicLevel = 255;

uint8_t Byte(int value) { return static_cast<uint8_t>(value & 0xFF); }

FeatureFrame Frame(uint8_t command, std::array<uint8_t, 6> params = {})
{
    FeatureFrame frame {};
    frame[0] = kFeatureReportId;
    frame[1] = command;
    std::copy(params.begin(), params.end(), frame.begin() + 2);
    return frame;
}

std::array<uint8_t, kSlotMacroBlockSize> SlotMacroBlock(int key, int slot, int type, int value,
    const MacroData* macro)
{
    std::array<uint8_t, kSlotMacroBlockSize> block {};
    block[0] = kBlockStart;
    block[1] = Byte(slot);
    std::vector<uint8_t> events;
    if (type == kAssignShortcut) {
        block[2] = Byte(key);
        block[3] = kShortcutPlays;
        events = EncodeShortcutFeature(value);
    } else if (type == kAssignMacro) {
        if (macro) {
            block[2] = Byte(key);
            block[3] = Byte(macro->play_times);
            events = EncodeFeatureEvents(macro->steps);
        }
    }
    // Whatever lies beyond the sent part of the block would never reach the keyboard.
    const size_t room = kSlotMacroMaxEvents * 2;
    std::copy_n(events.begin(), std::min(events.size(), room), block.begin() + kSlotMacroEventsOffset);
    return block;
}

} // namespace

FeatureFrame QuerySlotTable() { return Frame(cmd::kQuerySlotTable, { 0x01 }); }

SlotTable ParseSlotTable(std::span<const uint8_t, kSlotTableSize> bytes)
{
    SlotTable table;
    std::copy_n(bytes.begin() + 1, kMacroSlots, table.macro_keys.begin());
    std::copy_n(bytes.begin() + 1 + kMacroSlots, kRemapSlots, table.remap_keys.begin());
    return table;
}

FeatureFrame SetRemapSlot(int slot, int key, int value)
{
    return Frame(cmd::kSetRemapSlot,
        { kRemapMarker, Byte(slot), Byte(key), kRemapMarker, Byte(value), kRemapMarker });
}

SlotMacroFrames UploadSlotMacro(int key, int slot, int type, int value, const MacroData* macro)
{
    const auto block = SlotMacroBlock(key, slot, type, value, macro);
    SlotMacroFrames frames {};
    for (size_t i = 0; i < kSlotMacroFrames; ++i) {
        std::array<uint8_t, 6> part {};
        std::copy_n(block.begin() + i * kSlotMacroBytesPerFrame, kSlotMacroBytesPerFrame, part.begin());
        frames[i] = Frame(i == 0 ? cmd::kSlotMacroFirst : cmd::kSlotMacroNext, part);
    }
    return frames;
}

FeatureFrame SetLightMode(const LightSettings& light, int option)
{
    return Frame(cmd::kSetLightMode, LightFieldBytes(light, option, false));
}

FeatureFrame ResetKeyboard() { return Frame(cmd::kResetKeyboard, { kResetMarker }); }

uint8_t MusicLevel(int sample, double sensitivity)
{
    const double level = (std::abs(sample) / 256) * sensitivity;
    if (!(level > 0))
        return 0;
    return static_cast<uint8_t>(std::min(level, static_cast<double>(kMaxMusicLevel)));
}

FeatureFrame SetMusicLevel(int effect, int colour, uint8_t level)
{
    FeatureFrame frame {};
    frame[0] = kFeatureReportId;
    std::copy(kMusicMarker.begin(), kMusicMarker.end(), frame.begin() + 1);
    frame[5] = Byte(effect);
    frame[6] = Byte(colour);
    frame[7] = level;
    return frame;
}

FeatureFrame QueryFirmwareVersion() { return Frame(cmd::kQueryFirmwareVersion); }

FeatureFrame SelectCustomLight(const LightSettings& light, int scheme)
{
    const uint8_t extra = (light.config_func & kConfigCustomColours) ? Byte(scheme) : 0;
    return Frame(cmd::kSelectCustomLight,
        { 0xFF, Byte(light.mode - 1), Byte(light.brightness), Byte(light.speed), 0x00, extra });
}

} // namespace clavora::protocol
