#include "device/KeyboardHid.h"

#include "DeviceTestSupport.h"
#include "device/CommandSender.h"
#include "device/emulator/EmulatedConnection.h"
#include "device/protocol/FeatureCommands.h"
#include "device/protocol/PayloadCommands.h"
#include "device/protocol/ReportCommands.h"

#include <gtest/gtest.h>

#include <thread>

namespace clavora {
namespace {

using test::Hex;
using test::StandIn;
using test::TestMode;

const protocol::ReportFrame kReport = protocol::SetLightModeNumber(3);
const protocol::FeatureFrame kFeature = protocol::SetRemapSlot(1, 0x04, 0x05);

TEST(KeyboardHidScan, KeepsVendorInterfacesAndTheLightingOneApart)
{
    StandIn standIn;
    standIn.AttachAndScan({ 0 });
    std::vector<HidInterfaceInfo> list;
    ASSERT_TRUE(standIn.hid.ListInterfaces(list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].interface_number, 2);
    EXPECT_EQ(list[0].device_type, test::kFeatureType);
    EXPECT_EQ(list[0].mode, 0);
    EXPECT_TRUE(list[0].wired);
    EXPECT_EQ(list[0].product, "Clavora K201 Wired");
    EXPECT_TRUE(standIn.hid.HasLightingInterface());
    // The boot keyboard and consumer interfaces were opened and closed again.
    EXPECT_EQ(standIn.emulator->OpenCount(0, 0), 0);
    EXPECT_EQ(standIn.emulator->OpenCount(0, 1), 0);
    EXPECT_EQ(standIn.emulator->OpenCount(0, 2), 1);
    EXPECT_EQ(standIn.emulator->OpenCount(0, 3), 1);

    standIn.hid.CloseAll();
    EXPECT_FALSE(standIn.hid.IsOpen());
    EXPECT_EQ(standIn.emulator->OpenCount(0, 2), 0);
    EXPECT_EQ(standIn.emulator->OpenCount(0, 3), 0);
}

TEST(KeyboardHidScan, InterfacesWithMixedUsagePagesAreClosed)
{
    StandIn standIn;
    EmulatedConnection odd = EmulatedConnection::FromMode(TestMode(0));
    odd.interfaces = { { 2, 0xFF01, 2 }, { 4, 0xFF02, 1 } };
    standIn.emulator->AddConnection(odd);
    standIn.AttachAndScan({ 0 });
    std::vector<HidInterfaceInfo> list;
    EXPECT_FALSE(standIn.hid.ListInterfaces(list));
    EXPECT_FALSE(standIn.hid.HasLightingInterface());
    EXPECT_EQ(standIn.emulator->OpenCount(0, 2), 0);
    EXPECT_EQ(standIn.emulator->OpenCount(0, 4), 0);
    EXPECT_FALSE(standIn.hid.WriteReport(kReport));
}

TEST(KeyboardHidScan, ProductStringMustMatchWhenConfigured)
{
    StandIn standIn;
    EmulatedConnection other = EmulatedConnection::FromMode(TestMode(1));
    other.product = "Someone Else's Receiver";
    standIn.emulator->AddConnection(other);
    standIn.AttachAndScan({ 1 });
    std::vector<HidInterfaceInfo> list;
    EXPECT_FALSE(standIn.hid.ListInterfaces(list));
    EXPECT_EQ(standIn.emulator->OpenCount(1, 2), 0);

    // An empty product name in the configuration accepts any product string.
    const SupportedMode mode = TestMode(1);
    standIn.hid.AddSupportedMode(mode.vid, mode.pid, "", mode.device_type, mode.mode, mode.hid_interface);
    standIn.hid.Scan();
    EXPECT_TRUE(standIn.hid.ListInterfaces(list));
    EXPECT_EQ(standIn.hid.FindInterface(mode.vid, mode.pid, "", 1), 0);
    EXPECT_EQ(standIn.hid.FindInterface(mode.vid, mode.pid, mode.product_name, 1), -1);
    EXPECT_EQ(standIn.hid.FindInterface(mode.vid, mode.pid, other.product, 1), 0);
}

TEST(KeyboardHidChoice, WiredFirstThenModeOneThenModeTwo)
{
    struct Case {
        std::initializer_list<int> attached;
        int chosenMode; // -1: none
        int connectionMode;
    };
    const Case cases[] {
        { { 0, 1, 2 }, 0, 0 },
        { { 1, 2 }, 1, 2 }, // the choice prefers mode 1, the reported connection mode 2
        { { 2 }, 2, 2 },
        { { 1 }, 1, 1 },
        { {}, -1, -1 },
    };
    for (const Case& c : cases) {
        StandIn standIn;
        standIn.AttachAndScan(c.attached);
        standIn.hid.SetWantedDeviceType(test::kFeatureType);
        const int index = standIn.hid.SelectInterface();
        std::vector<HidInterfaceInfo> list;
        standIn.hid.ListInterfaces(list);
        EXPECT_EQ(index < 0 ? -1 : list.at(index).mode, c.chosenMode);
        EXPECT_EQ(standIn.hid.ConnectionMode(), c.connectionMode);

        EXPECT_EQ(standIn.hid.WriteReport(kReport), c.chosenMode >= 0);
        const auto written = standIn.emulator->OutputReports();
        ASSERT_EQ(written.size(), c.chosenMode >= 0 ? 1u : 0u);
        if (!written.empty()) {
            EXPECT_EQ(written[0].mode, c.chosenMode);
        }
    }
}

TEST(KeyboardHidChoice, OtherDeviceTypesAreNeverTalkedTo)
{
    StandIn standIn;
    standIn.AttachAndScan({ 0 });
    standIn.hid.SetWantedDeviceType(202);
    EXPECT_EQ(standIn.hid.SelectInterface(), -1);
    EXPECT_EQ(standIn.hid.ConnectionMode(), -1);
    std::vector<HidInterfaceInfo> list;
    EXPECT_TRUE(standIn.hid.ListInterfaces(list));
    EXPECT_TRUE(list.empty());
    protocol::SlotTableBytes table {};
    int version = 0;
    EXPECT_FALSE(standIn.hid.WriteReport(kReport));
    EXPECT_FALSE(standIn.hid.WritePayload({}));
    EXPECT_FALSE(standIn.hid.SendFeature(kFeature));
    EXPECT_FALSE(standIn.hid.SendFeatureImmediate(kFeature));
    EXPECT_FALSE(standIn.hid.QuerySlotTable(protocol::QuerySlotTable(), table));
    EXPECT_FALSE(standIn.hid.QueryFirmwareVersion(version));
    EXPECT_TRUE(standIn.emulator->OutputReports().empty());
    EXPECT_TRUE(standIn.emulator->FeatureReports().empty());
    EXPECT_TRUE(standIn.clock.Take().empty());
}

TEST(KeyboardHidPrimitives, FailWhileClosed)
{
    StandIn standIn;
    standIn.emulator->Attach(0);
    EXPECT_FALSE(standIn.hid.WriteReport(kReport)); // attached but never scanned
    EXPECT_FALSE(standIn.hid.WriteFastReport(kReport));
    standIn.hid.Scan();
    standIn.hid.CloseAll();
    EXPECT_FALSE(standIn.hid.WriteReport(kReport));
    EXPECT_FALSE(standIn.hid.SendFeature(kFeature));
    EXPECT_TRUE(standIn.emulator->OutputReports().empty());
}

TEST(KeyboardHidPrimitives, PausesAndSingleRetries)
{
    enum class Call { Report, Fast, Payload, Feature, Immediate };
    struct Case {
        const char* name;
        Call call;
        int failures; // writes the stand-in refuses
        bool result;
        std::vector<int> pauses;
        size_t delivered;
    };
    const Case cases[] {
        { "report", Call::Report, 0, true, {}, 1 },
        { "report retried", Call::Report, 1, true, { 10 }, 1 },
        { "report failed twice", Call::Report, 2, false, { 10 }, 0 },
        { "fast report retried", Call::Fast, 1, true, { 10 }, 1 },
        { "fast report failed twice", Call::Fast, 2, false, { 10 }, 0 },
        { "payload retried", Call::Payload, 1, true, { 32 }, 1 },
        { "payload failed twice", Call::Payload, 2, false, { 32 }, 0 },
        { "feature", Call::Feature, 0, true, { 16 }, 1 },
        { "feature is not retried", Call::Feature, 1, false, { 16 }, 0 },
        { "immediate feature", Call::Immediate, 0, true, {}, 1 },
        { "immediate feature failed", Call::Immediate, 1, false, {}, 0 },
    };
    for (const Case& c : cases) {
        StandIn standIn;
        standIn.AttachAndScan({ 0 });
        standIn.emulator->FailNextWrites(c.failures);
        bool result = false;
        switch (c.call) {
        case Call::Report:
            result = standIn.hid.WriteReport(kReport);
            break;
        case Call::Fast:
            result = standIn.hid.WriteFastReport(kReport);
            break;
        case Call::Payload:
            result = standIn.hid.WritePayload(protocol::ResetKeyboardWireless().frames[1]);
            break;
        case Call::Feature:
            result = standIn.hid.SendFeature(kFeature);
            break;
        case Call::Immediate:
            result = standIn.hid.SendFeatureImmediate(kFeature);
            break;
        }
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(standIn.clock.Take(), c.pauses) << c.name;
        const bool feature = c.call == Call::Feature || c.call == Call::Immediate;
        const size_t delivered
            = feature ? standIn.emulator->FeatureReports().size() : standIn.emulator->OutputReports().size();
        EXPECT_EQ(delivered, c.delivered) << c.name;
        const std::string error
            = c.call == Call::Fast ? standIn.hid.GetLightingLastErrorText() : standIn.hid.GetLastErrorText(0);
        EXPECT_EQ(error.empty(), c.failures == 0) << c.name;
    }
}

TEST(KeyboardHidPrimitives, ReportsReachTheirInterfaces)
{
    StandIn standIn;
    standIn.AttachAndScan({ 0 });
    ASSERT_TRUE(standIn.hid.WriteReport(kReport));
    ASSERT_TRUE(standIn.hid.WriteFastReport(kReport));
    ASSERT_TRUE(standIn.hid.WritePayload(protocol::ResetKeyboardWireless().frames[1]));
    const auto reports = standIn.emulator->OutputReports();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].interface_number, 2);
    EXPECT_EQ(reports[1].interface_number, 3);
    // A payload travels behind report ID 0.
    EXPECT_EQ(reports[2].bytes, Hex("00 bb aa 99 88", 65));
}

TEST(KeyboardHidQueries, SlotTableFromWhatTheKeyboardHolds)
{
    StandIn standIn;
    standIn.AttachAndScan({ 0 });
    CommandSender sender(standIn.hid);
    sender.Send(protocol::UploadSlotMacro(0x3A, 13, protocol::kAssignShortcut, 1, nullptr));
    standIn.hid.SendFeature(protocol::SetRemapSlot(10, 0x39, 0x04));
    standIn.clock.Take();

    protocol::SlotTableBytes bytes;
    bytes.fill(0xEE);
    ASSERT_TRUE(standIn.hid.QuerySlotTable(protocol::QuerySlotTable(), bytes));
    EXPECT_EQ(standIn.clock.Take(), (std::vector<int> { 16, 16, 16, 16 }));
    protocol::SlotTableBytes expected {};
    expected[13] = 0x3A;
    expected[23] = 0x39;
    EXPECT_EQ(bytes, expected);
    const protocol::SlotTable table = protocol::ParseSlotTable(bytes);
    EXPECT_EQ(table.macro_keys[12], 0x3A);
    EXPECT_EQ(table.remap_keys[9], 0x39);
}

TEST(KeyboardHidQueries, SilentKeyboardLeavesTheCallersBytes)
{
    StandIn standIn;
    standIn.AttachAndScan({ 0 });
    standIn.hid.SendFeature(protocol::SetRemapSlot(1, 0x39, 0x04));
    standIn.emulator->FailNextReads(3); // three reads get nothing, the fourth an answer
    protocol::SlotTableBytes bytes;
    bytes.fill(0xEE);
    ASSERT_TRUE(standIn.hid.QuerySlotTable(protocol::QuerySlotTable(), bytes));
    protocol::SlotTableBytes expected;
    expected.fill(0xEE);
    std::fill(expected.begin() + 21, expected.end(), 0); // only the fourth read's bytes changed
    EXPECT_EQ(bytes, expected);
    EXPECT_FALSE(standIn.hid.GetLastErrorText(0).empty());
}

TEST(KeyboardHidQueries, FirmwareVersion)
{
    struct Case {
        const char* name;
        int refusedWrites;
        int lostReads;
        bool result;
        std::vector<int> pauses;
    };
    const Case cases[] {
        { "answered", 0, 0, true, { 16, 16 } },
        { "first read lost, read again", 0, 1, true, { 16, 16, 16 } },
        { "no answer at all", 0, 2, false, { 16, 16, 16 } },
        { "request refused", 1, 0, false, { 16 } },
    };
    for (const Case& c : cases) {
        StandIn standIn;
        standIn.AttachAndScan({ 0 });
        standIn.emulator->SetFirmwareVersion(0x0123);
        standIn.emulator->FailNextWrites(c.refusedWrites);
        standIn.emulator->FailNextReads(c.lostReads);
        int version = -1;
        EXPECT_EQ(standIn.hid.QueryFirmwareVersion(version), c.result) << c.name;
        EXPECT_EQ(version, c.result ? 0x0123 : -1) << c.name;
        EXPECT_EQ(standIn.clock.Take(), c.pauses) << c.name;
    }
}

TEST(KeyboardHidRoundTrip, SlotMacroDecodesToTheSameEvents)
{
    StandIn standIn;
    standIn.AttachAndScan({ 0 });
    protocol::MacroData macro;
    macro.play_times = 4;
    // Delays chosen on each scale's step so they survive the encoding unchanged.
    macro.steps = { { protocol::kEventKeyDown, 0xE1, 10 }, { protocol::kEventKeyDown, 0x04, 120 },
        { protocol::kEventKeyUp, 0x04, 700 }, { protocol::kEventKeyUp, 0xE1, 2300 },
        { protocol::kEventKeyDown, 0x2C, 5000 }, { protocol::kEventKeyUp, 0x2C, 10 } };
    CommandSender sender(standIn.hid);
    EXPECT_TRUE(sender.Send(protocol::UploadSlotMacro(0x3A, 5, protocol::kAssignMacro, 17, &macro)));
    EXPECT_EQ(standIn.clock.Take(), std::vector<int>(28, 16));

    const KeyboardState state = standIn.emulator->State();
    EXPECT_TRUE(state.rejected.empty());
    const MacroSlotState& slot = state.macro_slots[4];
    EXPECT_EQ(slot.key, 0x3A);
    EXPECT_EQ(slot.play_times, 4);
    std::vector<DecodedEvent> expected;
    for (const protocol::MacroStep& step : macro.steps)
        expected.push_back({ step.usage, step.type == protocol::kEventKeyUp, step.delay });
    EXPECT_EQ(slot.events, expected);

    // Clearing the slot frees it.
    sender.Send(protocol::UploadSlotMacro(0x3A, 5, protocol::kAssignNone, 0, nullptr));
    EXPECT_EQ(standIn.emulator->State().macro_slots[4].key, 0);
}

TEST(KeyboardHidRoundTrip, ReportMacroUploadStopsAtTheFirstFailedFrame)
{
    StandIn standIn;
    standIn.AttachAndScan({ 0 });
    protocol::MacroData macro;
    for (int i = 0; i < 40; ++i)
        macro.steps.push_back({ i % 2 ? protocol::kEventKeyUp : protocol::kEventKeyDown, 0x04 + i / 2, 10 * i });
    CommandSender sender(standIn.hid);
    ASSERT_TRUE(sender.Send(protocol::UploadMacro(3, macro)));
    EXPECT_EQ(standIn.clock.Take(), (std::vector<int> { 100, 100, 100 }));
    const ReportMacroState decoded = standIn.emulator->State().report_macros.at(3);
    ASSERT_EQ(decoded.events.size(), 40u);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(decoded.events[i].usage, 0x04 + i / 2);
        EXPECT_EQ(decoded.events[i].release, i % 2 == 1);
    }

    standIn.emulator->Clear();
    standIn.emulator->FailNextWrites(2); // the first frame fails twice: the run ends there
    EXPECT_FALSE(sender.Send(protocol::UploadMacro(3, macro)));
    EXPECT_EQ(standIn.clock.Take(), (std::vector<int> { 100, 10 }));
    EXPECT_TRUE(standIn.emulator->OutputReports().empty());
}

TEST(KeyboardHidHotplug, AttachAndDetachAreReportedAndStaleHandlesFail)
{
    StandIn standIn;
    std::vector<HotplugEvent> events;
    const int id = standIn.hid.SubscribeHotplug([&](const HotplugEvent& event) { events.push_back(event); });
    ASSERT_GE(id, 0);
    standIn.AttachAndScan({ 0 });
    ASSERT_EQ(events.size(), 4u); // every interface of the wired connection
    EXPECT_TRUE(events[2].arrival);
    EXPECT_NE(events[2].path.find(TestMode(0).hid_interface), std::string::npos) << events[2].path;

    events.clear();
    standIn.emulator->Detach(0);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_FALSE(events[0].arrival);
    EXPECT_FALSE(standIn.hid.WriteReport(kReport));
    EXPECT_EQ(standIn.hid.GetLastErrorText(0), "the device is not connected");

    // Handles from before the detach stay dead after the next attach, until a rescan.
    standIn.emulator->Attach(0);
    EXPECT_FALSE(standIn.hid.WriteReport(kReport));
    standIn.hid.CloseAll();
    standIn.hid.Scan();
    EXPECT_TRUE(standIn.hid.WriteReport(kReport));

    standIn.hid.UnsubscribeHotplug(id);
    events.clear();
    standIn.emulator->Detach(0);
    EXPECT_TRUE(events.empty());
}

TEST(KeyboardHidConcurrency, ThreadsNeverOverlapOnAnInterface)
{
    StandIn standIn;
    standIn.AttachAndScan({ 0 });
    constexpr int kRounds = 200;
    std::thread worker([&] {
        for (int i = 0; i < kRounds; ++i)
            standIn.hid.SendFeature(protocol::SetRemapSlot(1 + i % 10, 0x04, i & 0xFF));
    });
    std::thread audio([&] {
        for (int i = 0; i < kRounds; ++i)
            standIn.hid.SendFeatureImmediate(protocol::SetMusicLevel(1, 0, static_cast<uint8_t>(i)));
    });
    std::thread streaming([&] {
        protocol::ColourTable colours {};
        CommandSender sender(standIn.hid);
        for (int i = 0; i < kRounds / 4; ++i)
            sender.Send(protocol::StreamFrame(colours));
    });
    std::thread rescans([&] {
        for (int i = 0; i < 20; ++i) {
            standIn.hid.CloseAll();
            standIn.hid.Scan();
            standIn.hid.SelectInterface();
            standIn.hid.ConnectionMode();
        }
    });
    worker.join();
    audio.join();
    streaming.join();
    rescans.join();
    // Whatever got through arrived whole: the keyboard refused nothing but the unstarted stream.
    for (const RejectedFrame& frame : standIn.emulator->State().rejected)
        EXPECT_EQ(frame.bytes[1], protocol::cmd::kStreamFrame);
}

} // namespace
} // namespace clavora
