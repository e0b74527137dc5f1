#include "device/emulator/EmulatedKeyboard.h"

#include "../DeviceTestSupport.h"
#include "device/protocol/FeatureCommands.h"
#include "device/protocol/KeyTables.h"
#include "device/protocol/PayloadCommands.h"
#include "device/protocol/ReportCommands.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

using test::Hex;

class Keyboard : public ::testing::Test {
protected:
    void Feature(const std::vector<uint8_t>& bytes) { m_keyboard.HandleFeature(1.0, 0, 2, bytes); }
    void Feature(const protocol::FeatureFrame& frame) { Feature(test::AsVector(frame)); }
    void Output(const std::vector<uint8_t>& bytes, int interface_number = 2)
    {
        m_keyboard.HandleOutput(2.0, 0, interface_number, bytes);
    }
    void Output(const protocol::ReportFrame& frame) { Output(test::AsVector(frame)); }
    void Payload(const protocol::PayloadFrame& payload)
    {
        std::vector<uint8_t> report { 0 };
        report.insert(report.end(), payload.begin(), payload.end());
        Output(report);
    }
    void Transfer(const protocol::ReportTransfer& transfer)
    {
        for (const auto& frame : transfer.frames)
            Output(test::AsVector(frame), transfer.lighting_interface ? 3 : 2);
    }
    void Frames(const protocol::SlotMacroFrames& frames)
    {
        for (const auto& frame : frames)
            Feature(frame);
    }
    const KeyboardState& State() const { return m_keyboard.State(); }

    EmulatedKeyboard m_keyboard;
};

TEST_F(Keyboard, IgnoresAndRecordsMalformedFrames)
{
    struct Case {
        const char* name;
        bool feature;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] {
        { "short feature", true, Hex("07 fa 01 01 04 01 05") },
        { "feature report ID", true, Hex("06 fa 01 01 04 01 05 01") },
        { "unknown feature command", true, Hex("07 42 00 00 00 00 00 00") },
        { "remap slot 11", true, Hex("07 fa 01 0b 04 01 05 01") },
        { "remap marker", true, Hex("07 fa 02 01 04 01 05 01") },
        { "reset marker", true, Hex("07 f0 ab 00 00 00 00 00") },
        { "macro block continuation alone", true, Hex("07 00 01 02 03 04 05 06") },
        { "music marker", true, Hex("07 23 45 67 88 01 00 10") },
        { "short output", false, Hex("00 88 00 05", 64) },
        { "output report ID", false, Hex("01 88 00 05", 65) },
        { "unknown report command", false, Hex("00 77", 65) },
        { "chunk too long", false, Hex("00 8d 3d 00 00", 65) },
        { "chunk beyond the table", false, Hex("00 8d 3c 38 01", 65) },
        { "stream before start", false, Hex("00 f1 3c 00 00", 65) },
        { "macro frame out of order", false, Hex("00 8e 3b 76 00 01", 65) },
        { "macro frame off the 59 grid", false, Hex("00 8e 3b 3c 00 01", 65) },
        { "streaming switch", false, Hex("00 f0 f4 02", 65) },
        { "reset tail", false, Hex("00 ff fe aa fe", 65) },
        { "payload reset end alone", false, Hex("00 bb aa 99 88", 65) },
        { "payload command", false, Hex("00 bb aa 99 88 ab", 65) },
    };
    for (const Case& c : cases) {
        EmulatedKeyboard keyboard;
        if (c.feature)
            keyboard.HandleFeature(1.0, 0, 2, c.bytes);
        else
            keyboard.HandleOutput(1.0, 0, 2, c.bytes);
        const KeyboardState& state = keyboard.State();
        ASSERT_EQ(state.rejected.size(), 1u) << c.name;
        EXPECT_EQ(state.rejected[0].bytes, c.bytes) << c.name;
        EXPECT_EQ(state.remap_slots[0].key, 0) << c.name;
        EXPECT_EQ(state.report_light.mode, -1) << c.name;
        EXPECT_EQ(state.resets, 0) << c.name;
        EXPECT_TRUE(state.report_macros.empty()) << c.name;
    }
}

TEST_F(Keyboard, MacroBlockCutShortIsDroppedAndTheInterruptingFrameStillCounts)
{
    const auto frames = protocol::UploadSlotMacro(0x3A, 1, protocol::kAssignShortcut, 1, nullptr);
    for (size_t i = 0; i < 10; ++i)
        Feature(frames[i]);
    Feature(protocol::SetRemapSlot(2, 0x05, 0x06));
    ASSERT_EQ(State().rejected.size(), 1u);
    EXPECT_EQ(State().macro_slots[0].key, 0);
    EXPECT_EQ(State().remap_slots[1].key, 0x05);
    EXPECT_EQ(State().remap_slots[1].value, 0x06);
}

TEST_F(Keyboard, ResetsClearTheState)
{
    protocol::LightSettings light;
    light.mode = 2;
    Feature(protocol::SetLightMode(light, 0));
    Feature(protocol::SetRemapSlot(1, 0x05, 0x06));
    Frames(protocol::UploadSlotMacro(0x3A, 2, protocol::kAssignShortcut, 3, nullptr));
    Output(protocol::SetLightModeNumber(4));
    Output(protocol::StartStreaming());
    ASSERT_TRUE(State().light.set);

    Feature(protocol::ResetKeyboard());
    EXPECT_EQ(State().resets, 1);
    EXPECT_FALSE(State().light.set);
    EXPECT_EQ(State().remap_slots[0].key, 0);
    EXPECT_EQ(State().macro_slots[1].key, 0);
    EXPECT_EQ(State().report_light.mode, -1);
    EXPECT_FALSE(State().streaming.started);

    Output(protocol::ResetKeyboardReport());
    const protocol::PayloadSequence wireless = protocol::ResetKeyboardWireless();
    Payload(wireless.frames[0]);
    Payload(wireless.frames[1]);
    EXPECT_EQ(State().resets, 3);
    EXPECT_EQ(State().reset_times.size(), 3u);
    EXPECT_TRUE(State().rejected.empty());
}

TEST_F(Keyboard, DecodesLightCommandsOfBothFamilies)
{
    protocol::LightSettings light;
    light.mode = 4;
    light.colorindex = 2;
    light.brightness = 5;
    light.speed = 3;
    light.colorful = 1;
    light.color_value = 0x00332211;
    Payload(protocol::SetLightModeWireless(light, 0));
    EXPECT_TRUE(State().light.wireless);
    EXPECT_EQ(State().light.mode, 3);
    EXPECT_EQ(State().light.color, 0x00332211u);
    EXPECT_EQ(State().light.brightness, 4);

    Output(protocol::SetLightParams(light));
    EXPECT_TRUE(State().report_light.params_set);
    EXPECT_TRUE(State().report_light.colorful);
    EXPECT_EQ(State().report_light.speed, 3);
    EXPECT_EQ(State().report_light.color, 0x00332211u);

    light.config_func = protocol::kConfigCustomColours;
    Feature(protocol::SelectCustomLight(light, 2));
    EXPECT_EQ(State().custom_light.scheme, 2);
    Feature(protocol::SetMusicLevel(1, 4, 200));
    ASSERT_EQ(State().music_levels.size(), 1u);
    EXPECT_EQ(State().music_levels[0].level, 200);
}

TEST_F(Keyboard, TablesHonourTheLengthBytes)
{
    protocol::KeyTable table {};
    for (size_t i = 0; i < 240; ++i)
        table[i] = static_cast<uint8_t>(i + 1);
    Transfer(protocol::UploadKeyTable(table));
    // The last chunk says 40 bytes: key positions 110-119 are sent but not taken.
    EXPECT_TRUE(std::equal(table.begin(), table.begin() + 220, State().key_table.begin()));
    EXPECT_EQ(State().key_table[220], 0);

    protocol::ColourTable colours {};
    colours.fill(0x5A);
    Output(protocol::StartStreaming());
    Transfer(protocol::StreamFrame(colours));
    Transfer(protocol::StreamFrame(colours));
    EXPECT_EQ(State().streaming.frames, 2);
    EXPECT_EQ(State().streaming.table[329], 0x5A);
    EXPECT_EQ(State().streaming.table[330], 0);
    Transfer(protocol::UploadKeyColours(colours));
    EXPECT_EQ(State().key_colours[439], 0x5A);
    EXPECT_EQ(State().key_colours[440], 0);
    EXPECT_TRUE(State().rejected.empty());
}

TEST_F(Keyboard, ReportShortcutDecodes)
{
    Output(protocol::UploadMacroShortcut(6, 15));
    const ReportMacroState& macro = State().report_macros.at(6);
    EXPECT_EQ(macro.play_times, 1);
    const std::vector<DecodedEvent> expected { { 0xE2, false, 100 }, { 0x3D, false, 100 }, { 0x3D, true, 100 },
        { 0xE2, true, 100 } };
    EXPECT_EQ(macro.events, expected);
}

TEST_F(Keyboard, AnswersOnlyAfterAQuery)
{
    protocol::FeatureFrame answer { 0x07 };
    EXPECT_FALSE(m_keyboard.AnswerFeature(answer));
    m_keyboard.SetFirmwareVersion(0x0304);
    Feature(protocol::QueryFirmwareVersion());
    ASSERT_TRUE(m_keyboard.AnswerFeature(answer));
    EXPECT_EQ(test::AsVector(answer), Hex("07 03 04 00 00 00 00 00"));
    protocol::FeatureFrame otherId { 0x06 };
    EXPECT_FALSE(m_keyboard.AnswerFeature(otherId));
}

} // namespace
} // namespace clavora
