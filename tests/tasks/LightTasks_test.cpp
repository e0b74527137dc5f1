// Light, per-key colour, streaming and music level traffic of both keyboard families.

#include "TaskRig.h"

#include "device/LightTasks.h"
#include "device/TaskCodes.h"
#include "device/protocol/ProtocolTypes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace clavora {
namespace {

using test::TaskRig;
using test::kWired;
using test::kReceiver;
using test::kLink;
using ::testing::ElementsAre;
using ::testing::IsEmpty;


LightRecord Light(int mode, int configFunc = 0x0003)
{
    LightRecord light;
    light.name = "100";
    light.mode = mode;
    light.brightness = 4;
    light.speed = 2;
    light.direction = 1;
    light.colorful = 1;
    light.colorindex = 5;
    light.color_value = 0x123456;
    light.config_func = configFunc;
    return light;
}

// Makes `mode` the light page's current mode, with `option` chosen in its option list.
void SelectLightMode(TaskRig& rig, int deviceType, int mode, int option = 0)
{
    rig.UseModel(deviceType);
    DeviceTaskContext context = rig.host.GetTaskContext();
    context.lightMode = mode;
    context.lightOption = option;
    rig.host.SetContext(context);
}

void RunTask(TaskRig& rig, int code)
{
    rig.ClearReports();
    rig.tasks.Append(code);
    rig.worker.RunCycle();
}

TEST(LightTask, FeatureProtocolByConnection)
{
    struct Case {
        int connection;
        int mode;
        int configFunc;
        FeatureLightState expected;
    };
    // Fields as sent: m = mode - 1, speed and brightness less one, the option only for
    // per-key custom modes, and mode 9's speed unreduced on the wired connection alone.
    const Case cases[] {
        { kWired, 2, 0x0003, { true, false, 1, 5, 1, 1, 3, 0, 0 } },
        { kWired, 6, 0x0100, { true, false, 5, 5, 1, 1, 3, 7, 0 } },
        { kWired, 9, 0x0003, { true, false, 8, 5, 1, 2, 3, 0, 0 } },
        { kReceiver, 9, 0x0003, { true, true, 8, 5, 1, 1, 3, 0, 0 } },
        { kLink, 6, 0x0100, { true, true, 5, 5, 1, 1, 3, 7, 0 } },
    };
    for (const Case& c : cases) {
        TaskRig rig;
        ASSERT_NE(rig.store.InsertLight(Light(c.mode, c.configFunc)), 0);
        rig.Connect({ c.connection });
        SelectLightMode(rig, test::kFeatureType, c.mode, 7);
        RunTask(rig, task::kWriteLight);
        const FeatureLightState light = rig.emulator->State().light;
        const FeatureLightState& e = c.expected;
        EXPECT_EQ(std::tie(light.set, light.wireless, light.mode, light.colorindex, light.direction, light.speed,
                      light.brightness, light.option),
            std::tie(e.set, e.wireless, e.mode, e.colorindex, e.direction, e.speed, e.brightness, e.option))
            << "connection " << c.connection << " mode " << c.mode;
        // Wired: a feature report; wireless: one payload and no feature report.
        EXPECT_EQ(rig.emulator->FeatureReports().size(), c.connection == kWired ? 1u : 0u);
        EXPECT_EQ(rig.emulator->OutputReports().size(), c.connection == kWired ? 0u : 1u);
    }
}

TEST(LightTask, ReportProtocolSelectsTheModeOnceThenSendsParameters)
{
    TaskRig rig;
    ASSERT_NE(rig.store.InsertLight(Light(3)), 0);
    rig.Connect({ test::kReportMode });
    rig.hid.SetWantedDeviceType(test::kReportType);
    SelectLightMode(rig, test::kReportType, 3);

    // A mode change on the light page clears the flag before it queues the task.
    rig.worker.SetLightModeApplied(false);
    RunTask(rig, task::kWriteLight);
    EXPECT_TRUE(rig.worker.IsLightModeApplied());
    std::vector<LoggedReport> reports = rig.emulator->OutputReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(std::vector<uint8_t>(reports[0].bytes.begin(), reports[0].bytes.begin() + 5), test::Hex("00 88 00 03 00"));

    // A parameter change: speed 2, multicolour, direction 1.
    RunTask(rig, task::kWriteLight);
    reports = rig.emulator->OutputReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(std::vector<uint8_t>(reports[0].bytes.begin(), reports[0].bytes.begin() + 9),
        test::Hex("00 89 00 52 56 34 12 04 00"));
    const ReportLightState light = rig.emulator->State().report_light;
    EXPECT_EQ(light.mode, 3);
    EXPECT_TRUE(light.params_set);
}

TEST(LightTask, NothingWithoutStoredSettingsOrProtocol)
{
    TaskRig rig;
    ASSERT_NE(rig.store.InsertLight(Light(2)), 0);
    rig.Connect({ kWired });
    rig.worker.SetLightModeApplied(false);
    SelectLightMode(rig, test::kFeatureType, 5); // no record for mode 5
    RunTask(rig, task::kWriteLight);
    SelectLightMode(rig, 300, 2);
    RunTask(rig, task::kWriteLight);
    EXPECT_FALSE(rig.emulator->State().light.set);
    EXPECT_THAT(rig.emulator->FeatureReports(), IsEmpty());
    EXPECT_THAT(rig.emulator->OutputReports(), IsEmpty());
    EXPECT_FALSE(rig.worker.IsLightModeApplied());
}

TEST(KeyColourTask, SendsSet128AtEachKeysLed)
{
    TaskRig rig;
    std::vector<KeyLight> lights;
    lights.push_back({ 0, 1, kCustomKeyLightSet, 4, 0x0000FF });   // LED 0
    lights.push_back({ 0, 1, kCustomKeyLightSet, 10, 0x804020 });  // LED 6
    lights.push_back({ 0, 1, kCustomKeyLightSet, 200, 0xFFFFFF }); // not on the layout
    lights.push_back({ 0, 1, kCustomKeyLightSet + 1, 5, 0x00FF00 }); // another set
    ASSERT_EQ(rig.store.InsertKeyLights(lights), 4);
    rig.Connect({ kWired });
    RunTask(rig, task::kWriteKeyColours);

    const protocol::ColourTable& table = rig.emulator->State().key_colours;
    EXPECT_EQ(test::AsVector(std::span(table).first(12)), test::Hex("ff 00 00 ff 00 00 00 00 00 00 00 00"));
    EXPECT_EQ(test::AsVector(std::span(table).subspan(24, 4)), test::Hex("20 40 80 ff"));
    EXPECT_EQ(rig.emulator->OutputReports().size(), 8u);
    // 1 ms before each chunk, then the wait box.
    EXPECT_THAT(rig.clock.Take(), ElementsAre(1, 1, 1, 1, 1, 1, 1, 1, 100));

    // The first failed chunk ends the upload.
    rig.emulator->FailNextWrites(2);
    RunTask(rig, task::kWriteKeyColours);
    EXPECT_THAT(rig.emulator->OutputReports(), IsEmpty());
}

class FakeStreamingSource final : public IStreamingSource {
public:
    bool IsEffectActive() override { return active; }
    std::vector<protocol::KeyColour> PaintFrame() override
    {
        ++painted;
        return colours;
    }
    bool active = true;
    int painted = 0;
    std::vector<protocol::KeyColour> colours { { 4, 0x000000 }, { 5, 0x0000FF } };
};

class Streaming : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.worker.SetStreamingSource(&source);
        rig.Connect({ kWired });
        rig.UseModel(test::kReportType);
        rig.host.SetPage(true, DeviceWorker::kLightPage);
    }
    void TearDown() override { rig.worker.SetStreamingSource(nullptr); }

    StreamState Step()
    {
        rig.worker.RunCycle();
        return rig.emulator->State().streaming;
    }

    TaskRig rig;
    FakeStreamingSource source;
};

TEST_F(Streaming, StartsOnceThenSendsSixChunksPerIdleCycle)
{
    StreamState stream = Step();
    EXPECT_TRUE(stream.started);
    EXPECT_EQ(stream.frames, 1);
    EXPECT_EQ(test::AsVector(std::span(stream.table).first(6)), test::Hex("00 00 00 ff 00 00"));
    std::vector<LoggedReport> reports = rig.emulator->OutputReports();
    ASSERT_EQ(reports.size(), 7u);
    EXPECT_EQ(reports[0].bytes[1], protocol::cmd::kStartStreaming);
    for (size_t i = 1; i < reports.size(); ++i)
        EXPECT_EQ(reports[i].interface_number, 3);

    rig.emulator->Clear();
    stream = Step();
    EXPECT_EQ(stream.frames, 2);
    EXPECT_EQ(rig.emulator->OutputReports().size(), 6u);
    EXPECT_THAT(rig.clock.Take(), ElementsAre(1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1));
}

TEST_F(Streaming, NotSentWhileEveryKeyIsDark)
{
    source.colours = { { 4, 0 }, { 5, 1 }, { 6, 1 } };
    Step();
    EXPECT_EQ(source.painted, 1);
    EXPECT_THAT(rig.emulator->OutputReports(), IsEmpty());
    EXPECT_FALSE(rig.emulator->State().streaming.started);
}

TEST_F(Streaming, OnlyWhenEveryConditionHolds)
{
    struct Case {
        const char* name;
        std::function<void()> change;
    };
    const Case cases[] {
        { "window hidden", [&] { rig.host.SetPage(false, DeviceWorker::kLightPage); } },
        { "another page", [&] { rig.host.SetPage(true, 2); } },
        { "effect off", [&] { source.active = false; } },
        { "device type 200", [&] { rig.UseModel(200); } },
        { "feature protocol", [&] { rig.UseModel(test::kFeatureType); } },
        { "task waiting", [&] { rig.tasks.Append(task::kApplyProfile); } },
        { "no keyboard", [&] { rig.Disconnect(kWired); } },
    };
    for (const Case& c : cases) {
        c.change();
        rig.ClearReports();
        Step();
        EXPECT_EQ(rig.emulator->State().streaming.frames, 0) << c.name;
        EXPECT_EQ(source.painted, 0) << c.name;
        // Back to the state every step streams in, but for the keyboard, which stays away.
        source.active = true;
        rig.UseModel(test::kReportType);
        rig.host.SetPage(true, DeviceWorker::kLightPage);
    }
}

TEST(StreamingWireless, PaintsButSendsNothing)
{
    TaskRig rig;
    FakeStreamingSource source;
    rig.worker.SetStreamingSource(&source);
    rig.Connect({ kReceiver });
    rig.UseModel(test::kReportType);
    rig.host.SetPage(true, DeviceWorker::kLightPage);
    rig.ClearReports();
    rig.worker.RunCycle();
    EXPECT_EQ(source.painted, 1);
    EXPECT_THAT(rig.emulator->OutputReports(), IsEmpty());
    rig.worker.SetStreamingSource(nullptr);
}

TEST(MusicLevel, SentAtOnceAsAFeatureReport)
{
    TaskRig rig;
    rig.Connect({ kWired });
    EXPECT_TRUE(SendMusicLevel(rig.hid, 2, 3, -5120, 1.5));
    const std::vector<MusicLevelRecord> levels = rig.emulator->State().music_levels;
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(std::tie(levels[0].effect, levels[0].colour, levels[0].level), std::make_tuple(2, 3, 30));
    EXPECT_THAT(rig.clock.Take(), IsEmpty());
}

} // namespace
} // namespace clavora
