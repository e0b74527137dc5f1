#include "device/protocol/FeatureCommands.h"
#include "device/protocol/PayloadCommands.h"

#include "../DeviceTestSupport.h"

#include <gtest/gtest.h>

namespace clavora::protocol {
namespace {

using test::AsVector;
using test::Hex;

LightSettings Light(int mode, int colorindex, int direction, int speed, int brightness, uint32_t colour = 0,
    int config = 0)
{
    LightSettings light;
    light.mode = mode;
    light.colorindex = colorindex;
    light.direction = direction;
    light.speed = speed;
    light.brightness = brightness;
    light.color_value = colour;
    light.config_func = config;
    return light;
}

TEST(FeatureCommands, FixedFrames)
{
    struct Case {
        const char* name;
        FeatureFrame frame;
        const char* bytes;
    };
    const Case cases[] {
        { "slot table query", QuerySlotTable(), "07 fb 01 00 00 00 00 00" },
        { "remap", SetRemapSlot(3, 0x04, 0x05), "07 fa 01 03 04 01 05 01" },
        { "remap clear", SetRemapSlot(2, 0, 0), "07 fa 01 02 00 01 00 01" },
        { "reset", ResetKeyboard(), "07 f0 aa 00 00 00 00 00" },
        { "firmware query", QueryFirmwareVersion(), "07 fd 00 00 00 00 00 00" },
        { "music level", SetMusicLevel(1, 6, 30), "07 23 45 67 89 01 06 1e" },
        { "custom scheme", SelectCustomLight(Light(5, 0, 0, 3, 4, 0, 0x0100), 2), "07 ff ff 04 04 03 00 02" },
        { "custom scheme, no per-key flag", SelectCustomLight(Light(5, 0, 0, 3, 4), 2), "07 ff ff 04 04 03 00 00" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(AsVector(c.frame), Hex(c.bytes)) << c.name;
}

TEST(FeatureCommands, LightModeWiredAndWireless)
{
    struct Case {
        const char* name;
        LightSettings light;
        int option;
        const char* wired;    // bytes 0-7 of the feature frame
        const char* wireless; // payload bytes 0-10
    };
    const Case cases[] {
        { "plain mode", Light(2, 1, 1, 3, 4), 5, "07 f7 01 01 01 02 03 00", "bb aa 99 88 aa 01 01 01 02 03 00" },
        { "option only with the per-key flag", Light(2, 1, 1, 3, 4, 0, 0x0100), 5, "07 f7 01 01 01 02 03 05",
            "bb aa 99 88 aa 01 01 01 02 03 05" },
        { "speed and brightness 0 stay 0", Light(2, 0, 0, 0, 0), 0, "07 f7 01 00 00 00 00 00",
            "bb aa 99 88 aa 01 00 00 00 00 00" },
        // Mode 4 carries the colour's bytes in place of direction, speed and option.
        { "mode 4 colour", Light(4, 2, 1, 3, 4, 0x00332211, 0x0100), 5, "07 f7 03 02 11 22 03 33",
            "bb aa 99 88 aa 03 02 11 22 03 33" },
        // Mode 9 keeps its speed on the wired frame only.
        { "mode 9 speed", Light(9, 0, 1, 3, 4), 0, "07 f7 08 00 01 03 03 00", "bb aa 99 88 aa 08 00 01 02 03 00" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AsVector(SetLightMode(c.light, c.option)), Hex(c.wired)) << c.name;
        EXPECT_EQ(AsVector(SetLightModeWireless(c.light, c.option)), Hex(c.wireless, kPayloadSize)) << c.name;
    }
}

TEST(PayloadCommands, WirelessResetIsTwoPayloads1600MsApart)
{
    const PayloadSequence reset = ResetKeyboardWireless();
    EXPECT_EQ(AsVector(reset.frames[0]), Hex("bb aa 99 88 aa aa aa aa aa aa", kPayloadSize));
    EXPECT_EQ(AsVector(reset.frames[1]), Hex("bb aa 99 88", kPayloadSize));
    EXPECT_EQ(reset.gap_ms, 1600);
}

TEST(FeatureCommands, MusicLevelScalesAndLimits)
{
    struct Case {
        int sample;
        double sensitivity;
        uint8_t level;
    };
    const Case cases[] {
        { 0, 1.0, 0 }, { 32767, 1.0, 127 }, { -32768, 1.0, 128 }, { 1000, 2.0, 6 },
        { 32767, 2.0, 254 }, { 32767, 3.0, 255 }, { 255, 100.0, 0 }, { 32767, 0.0, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(MusicLevel(c.sample, c.sensitivity), c.level) << c.sample << " × " << c.sensitivity;
}

TEST(FeatureCommands, SlotTableParser)
{
    SlotTableBytes bytes {};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(0x40 + i);
    const SlotTable table = ParseSlotTable(bytes);
    EXPECT_EQ(table.macro_keys.front(), 0x41);
    EXPECT_EQ(table.macro_keys.back(), 0x4D);
    EXPECT_EQ(table.remap_keys.front(), 0x4E);
    EXPECT_EQ(table.remap_keys.back(), 0x57);
}

// --- UploadSlotMacro ---

std::vector<uint8_t> Flatten(const SlotMacroFrames& frames)
{
    std::vector<uint8_t> bytes;
    for (const FeatureFrame& frame : frames)
        bytes.insert(bytes.end(), frame.begin(), frame.end());
    return bytes;
}

// 28 frames: the first with command F1, the others 00, each with six bytes of the block.
std::vector<uint8_t> SlotFrames(const std::vector<uint8_t>& block)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < kSlotMacroFrames; ++i) {
        bytes.push_back(0x07);
        bytes.push_back(i == 0 ? 0xF1 : 0x00);
        for (size_t j = 0; j < 6; ++j) {
            const size_t at = i * 6 + j;
            bytes.push_back(at < block.size() ? block[at] : 0);
        }
    }
    return bytes;
}

TEST(UploadSlotMacro, BlocksByAssignmentType)
{
    MacroData macro;
    macro.play_times = 3;
    macro.steps = { { kEventKeyDown, 0x04, 100 }, { kEventKeyUp, 0x04, 500 } };
    struct Case {
        const char* name;
        int type;
        int value;
        const MacroData* macro;
        const char* block;
    };
    const Case cases[] {
        { "shortcut", kAssignShortcut, 1, nullptr, "01 02 3a 01 e0 01 04 01 04 81 e0 81" },
        { "unknown shortcut", kAssignShortcut, 16, nullptr, "01 02 3a 01" },
        { "macro", kAssignMacro, 9, &macro, "01 02 3a 03 04 0a 04 aa" },
        { "macro not found", kAssignMacro, 9, nullptr, "01 02" },
        { "clear", kAssignNone, 0, nullptr, "01 02" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Flatten(UploadSlotMacro(0x3A, 2, c.type, c.value, c.macro)), SlotFrames(Hex(c.block))) << c.name;
}

TEST(UploadSlotMacro, CarriesAtMost82Events)
{
    MacroData macro;
    for (int i = 0; i < 100; ++i)
        macro.steps.push_back({ kEventKeyDown, i + 1, 5 });
    const SlotMacroFrames frames = UploadSlotMacro(0x3A, 1, kAssignMacro, 1, &macro);
    // Events 80, 81 and 82 fill the last frame; the 83rd is sent nowhere.
    EXPECT_EQ(AsVector(frames.back()), Hex("07 00 50 01 51 01 52 01"));
    const std::vector<uint8_t> bytes = Flatten(frames);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 0x53), 0);
}

} // namespace
} // namespace clavora::protocol
