// Writing the key assignments into both keyboard families, checked on the stand-in keyboard.

#include "TaskRig.h"

#include "device/KeyWriteTasks.h"
#include "device/TaskCodes.h"
#include "device/protocol/FeatureCommands.h"
#include "device/protocol/MacroEncoding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace clavora {
namespace {

using test::Assign;
using test::TaskRig;
using test::kWired;
using test::kVkA;
using ::testing::ElementsAre;

constexpr int kVkB = 0x42;
constexpr uint8_t kUsageA = 0x04;

std::vector<DecodedEvent> ShortcutEvents(int number)
{
    std::vector<DecodedEvent> events;
    for (const protocol::ShortcutKey& key : protocol::ShortcutSequence(number))
        events.push_back({ key.usage, !key.press, 10 });
    return events;
}

// Feature reports whose command byte is `command`.
std::vector<LoggedReport> WithCommand(const std::vector<LoggedReport>& reports, uint8_t command)
{
    std::vector<LoggedReport> found;
    std::copy_if(reports.begin(), reports.end(), std::back_inserter(found),
        [&](const LoggedReport& report) { return report.bytes.size() > 1 && report.bytes[1] == command; });
    return found;
}

class FeatureKeyWrite : public ::testing::Test {
protected:
    void SetUp() override { rig.Connect({ kWired }); }

    void Write()
    {
        rig.ClearReports();
        rig.tasks.Append(task::kWriteKeys);
        rig.worker.RunCycle();
    }

    TaskRig rig;
};

TEST_F(FeatureKeyWrite, EmptySlotTableSendsOneWritePerAssignmentInStoreOrder)
{
    const int macro = rig.AddMacro("M", 3, { { kMacroEventKeyDown, kVkA, 20 }, { kMacroEventKeyUp, kVkA, 5 } });
    rig.Save({ Assign(30, kKeyFunctionKey, 0x05), Assign(31, kKeyFunctionMacro, macro),
        Assign(32, kKeyFunctionShortcut, 2), Assign(33, kKeyFunctionDisabled, 1), Assign(34, kKeyFunctionMouse, 3) });
    Write();

    const std::vector<LoggedReport> reports = rig.emulator->FeatureReports();
    // The query, then no clearing frames: remap, 28 + 28 macro frames, remap, remap.
    ASSERT_EQ(reports.size(), 1u + 1 + 28 + 28 + 1 + 1);
    EXPECT_EQ(reports[0].bytes, test::Hex("07 fb 01 00 00 00 00 00"));
    EXPECT_EQ(reports[1].bytes, test::Hex("07 fa 01 01 1e 01 05 01"));
    EXPECT_EQ(reports[2].bytes, test::Hex("07 f1 01 01 1f 03 04 02"));
    EXPECT_EQ(reports[30].bytes, test::Hex("07 f1 01 02 20 01 e0 01"));
    EXPECT_EQ(reports[58].bytes, test::Hex("07 fa 01 02 21 01 01 01"));
    EXPECT_EQ(reports[59].bytes, test::Hex("07 fa 01 03 22 01 03 01"));

    const KeyboardState state = rig.emulator->State();
    EXPECT_EQ(state.macro_slots[0].key, 31);
    EXPECT_EQ(state.macro_slots[0].play_times, 3);
    EXPECT_THAT(state.macro_slots[0].events,
        ElementsAre(DecodedEvent { kUsageA, false, 20 }, DecodedEvent { kUsageA, true, 10 }));
    EXPECT_EQ(state.macro_slots[1].key, 32);
    EXPECT_EQ(state.macro_slots[1].events, ShortcutEvents(2));

    // Each write waits 16 ms before it, and SendFeature another 16 before each of its frames.
    const std::vector<int> pauses = rig.clock.Take();
    // Four reads of the query, one pause per write, one per remap frame and per macro frame.
    EXPECT_EQ(std::count(pauses.begin(), pauses.end(), 16), 4 + 5 + 3 + 2 * 28);
}

TEST_F(FeatureKeyWrite, UsedSlotsAreClearedExceptTheLastMacroSlot)
{
    std::vector<KeyAssignment> full;
    for (int key = 4; key < 4 + 13; ++key)
        full.push_back(Assign(key, kKeyFunctionShortcut, 1));
    for (int key = 20; key < 20 + 3; ++key)
        full.push_back(Assign(key, kKeyFunctionKey, key));
    rig.Save(full);
    Write();
    ASSERT_EQ(rig.emulator->State().macro_slots[12].key, 16);

    // Another profile without assignments: the keyboard ends up with only slot 13 in use.
    rig.UseModel(test::kFeatureType);
    DeviceTaskContext context = rig.host.GetTaskContext();
    context.profile = 2;
    rig.host.SetContext(context);
    Write();
    const KeyboardState state = rig.emulator->State();
    for (int slot = 0; slot < 12; ++slot)
        EXPECT_EQ(state.macro_slots[slot].key, 0) << slot;
    EXPECT_EQ(state.macro_slots[12].key, 16);
    for (const RemapSlotState& remap : state.remap_slots)
        EXPECT_EQ(remap.key, 0);
    const std::vector<LoggedReport> reports = rig.emulator->FeatureReports();
    EXPECT_EQ(WithCommand(reports, protocol::cmd::kSlotMacroFirst).size(), 12u);
    EXPECT_EQ(WithCommand(reports, protocol::cmd::kSetRemapSlot).size(), 3u);
    EXPECT_EQ(WithCommand(reports, protocol::cmd::kSetRemapSlot)[0].bytes, test::Hex("07 fa 01 01 00 01 00 01"));
}

TEST_F(FeatureKeyWrite, FourteenMacroKeysAddressSlotFourteen)
{
    const int macro = rig.AddMacro("M", 1, { { kMacroEventKeyDown, kVkB, 0 } });
    std::vector<KeyAssignment> keys;
    for (int key = 4; key < 4 + 14; ++key)
        keys.push_back(Assign(key, kKeyFunctionMacro, macro));
    rig.Save(keys);
    Write();
    const std::vector<LoggedReport> firsts = WithCommand(rig.emulator->FeatureReports(), protocol::cmd::kSlotMacroFirst);
    ASSERT_EQ(firsts.size(), 14u);
    EXPECT_EQ(firsts[13].bytes, test::Hex("07 f1 01 0e 11 01 05 01"));
}

TEST(RemapSlotFrame, FollowsTheStoredAssignment)
{
    struct Case {
        const char* name;
        std::optional<KeyAssignment> stored;
        std::optional<std::string> frame;
    };
    const Case cases[] {
        { "no assignment clears", std::nullopt, "07 fa 01 04 00 01 00 01" },
        { "key", Assign(9, kKeyFunctionKey, 0x12C), "07 fa 01 04 09 01 2c 01" },
        { "disabled", Assign(9, kKeyFunctionDisabled, 1), "07 fa 01 04 09 01 01 01" },
        { "value 0 clears", Assign(9, kKeyFunctionKey, 0), "07 fa 01 04 00 01 00 01" },
        { "negative clears", Assign(9, kKeyFunctionMouse, -2), "07 fa 01 04 00 01 00 01" },
        { "macro", Assign(9, kKeyFunctionMacro, 3), std::nullopt },
        { "shortcut", Assign(9, kKeyFunctionShortcut, 3), std::nullopt },
        { "type 0", Assign(9, 0, 3), std::nullopt },
    };
    for (const Case& c : cases) {
        const auto frame = RemapSlotFrame(4, 9, c.stored ? &*c.stored : nullptr);
        ASSERT_EQ(frame.has_value(), c.frame.has_value()) << c.name;
        if (frame) {
            EXPECT_EQ(test::AsVector(*frame), test::Hex(*c.frame)) << c.name;
        }
    }
}

class ReportKeyWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.Connect({ test::kReportMode });
        rig.UseModel(test::kReportType);
        // The connection check points the HID layer at device type 201; these tests talk to
        // the report-protocol keyboard.
        rig.hid.SetWantedDeviceType(test::kReportType);
    }

    void Write()
    {
        rig.ClearReports();
        rig.tasks.Append(task::kWriteKeys);
        rig.worker.RunCycle();
    }

    // The key table entry of a key (position = code - 4).
    std::vector<uint8_t> Entry(int code) const
    {
        const protocol::KeyTable& table = rig.emulator->State().key_table;
        const size_t at = 2 * static_cast<size_t>(code - 4);
        return { table[at], table[at + 1] };
    }

    TaskRig rig;
};

TEST_F(ReportKeyWrite, MacrosThenShortcutsThenKeyTable)
{
    const int first = rig.AddMacro("One", 2, { { kMacroEventKeyDown, kVkA, 300 }, { kMacroEventKeyUp, kVkA, 40 } });
    const int second = rig.AddMacro("Two", 0, { { kMacroEventKeyDown, kVkB, 1 } });
    rig.Save({ Assign(10, kKeyFunctionMacro, first), Assign(11, kKeyFunctionShortcut, 1),
        Assign(12, kKeyFunctionKey, 0x1E), Assign(13, kKeyFunctionMacro, second),
        Assign(14, kKeyFunctionDisabled, 1), Assign(15, kKeyFunctionMouse, 1) });
    Write();

    const std::vector<LoggedReport> reports = rig.emulator->OutputReports();
    ASSERT_EQ(reports.size(), 3u + 4);
    EXPECT_EQ(std::vector<uint8_t>(reports[0].bytes.begin(), reports[0].bytes.begin() + 15),
        test::Hex("00 8e 09 00 00 00 02 02 04 2c 81 04 a8 00 00"));
    EXPECT_EQ(reports[1].bytes[5], 1); // second macro, slot 1
    EXPECT_EQ(reports[2].bytes[1], protocol::cmd::kUploadMacro);
    EXPECT_EQ(reports[2].bytes[5], 2); // the shortcut follows the macros
    for (size_t i = 3; i < reports.size(); ++i)
        EXPECT_EQ(reports[i].bytes[1], protocol::cmd::kUploadKeyTable);

    const KeyboardState state = rig.emulator->State();
    EXPECT_EQ(state.report_macros.at(1).play_times, 1); // unset play count goes out as 1
    EXPECT_EQ(Entry(10), test::Hex("00 40"));
    EXPECT_EQ(Entry(11), test::Hex("02 40"));
    EXPECT_EQ(Entry(12), test::Hex("1e 20"));
    EXPECT_EQ(Entry(13), test::Hex("01 40"));
    EXPECT_EQ(Entry(14), test::Hex("00 20"));
    EXPECT_EQ(Entry(15), test::Hex("00 00"));
    EXPECT_EQ(rig.worker.GetKeySlots(), (protocol::KeySlotMap { { 10, 0 }, { 13, 1 }, { 11, 2 } }));

    // 10 ms before each upload, 100 ms before each macro frame, 20 ms before the table, whose
    // chunks are 10 ms apart; then the wait box's 100 ms.
    EXPECT_THAT(rig.clock.Take(), ElementsAre(10, 100, 10, 100, 10, 20, 10, 10, 10, 10, 100));
}

TEST_F(ReportKeyWrite, FailedThirdMacroEndsTheRunButTheKeyTableFollows)
{
    const int macro = rig.AddMacro("M", 1, { { kMacroEventKeyDown, kVkA, 0 } });
    rig.Save({ Assign(10, kKeyFunctionMacro, macro), Assign(11, kKeyFunctionMacro, macro),
        Assign(12, kKeyFunctionMacro, macro), Assign(13, kKeyFunctionMacro, macro),
        Assign(14, kKeyFunctionShortcut, 3), Assign(15, kKeyFunctionKey, 0x2C) });
    int uploads = 0;
    rig.clock.OnPause([&](int ms) {
        // The third upload's frame and its retry fail.
        if (ms == kMacroSlotPauseMs && ++uploads == 3)
            rig.emulator->FailNextWrites(2);
    });
    Write();
    rig.clock.OnPause({});

    const KeyboardState state = rig.emulator->State();
    EXPECT_EQ(state.report_macros.size(), 2u);
    EXPECT_EQ(Entry(10), test::Hex("00 40"));
    EXPECT_EQ(Entry(11), test::Hex("01 40"));
    EXPECT_EQ(Entry(12), test::Hex("00 00"));
    EXPECT_EQ(Entry(13), test::Hex("00 00"));
    EXPECT_EQ(Entry(14), test::Hex("00 00")); // the shortcut was not sent either
    EXPECT_EQ(Entry(15), test::Hex("2c 20"));
    // The failed frame's retry pause, then 20 ms before the table.
    EXPECT_THAT(rig.clock.Take(), ElementsAre(10, 100, 10, 100, 10, 100, 10, 20, 10, 10, 10, 10, 100));
}

} // namespace
} // namespace clavora
