// The worker's cycle: which tasks run, which are dropped, and what the window is told.

#include "TaskRig.h"

#include "device/TaskCodes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace clavora {
namespace {

using test::TaskRig;
using test::kWired;
using test::kReceiver;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kConnectedWired = "Presence 2 0";

class RecordingUpdates final : public UpdateTaskHooks {
public:
    void CheckSoftwareVersion() override { calls.push_back(12); }
    void CheckFirmwareVersion() override { calls.push_back(13); }
    void StartSoftwareUpdate() override { calls.push_back(14); }
    void StartFirmwareUpdate() override { calls.push_back(15); }
    void StartLocalFirmwareTool() override { calls.push_back(16); }
    std::vector<int> calls;
};

TEST(DeviceWorker, WithoutKeyboardTasksNeedingOneAreDroppedOnePerCycle)
{
    TaskRig rig;
    for (int code : { task::kWriteKeys, task::kWriteLight, task::kFactoryReset, task::kApplyProfile })
        rig.tasks.Append(code);
    for (size_t left = 3; left > 0; --left) {
        rig.worker.RunCycle();
        EXPECT_EQ(rig.tasks.Size(), left);
    }
    rig.worker.RunCycle();
    EXPECT_TRUE(rig.tasks.IsEmpty());
    EXPECT_THAT(rig.host.Take(), IsEmpty()); // the window is neither disabled nor told anything
    EXPECT_THAT(rig.emulator->FeatureReports(), IsEmpty());
    EXPECT_THAT(rig.emulator->OutputReports(), IsEmpty());
}

TEST(DeviceWorker, DroppedKeyWriteIsNotRepeatedAfterReconnection)
{
    TaskRig rig;
    rig.Save({ test::Assign(4, kKeyFunctionKey, 5) });
    rig.tasks.Append(task::kWriteKeys);
    rig.RunUntilEmpty();

    rig.emulator->Attach(kWired);
    rig.tasks.Append(task::kRescanArrival);
    rig.worker.RunCycle();
    // The connection check queued the firmware check and the profile task, nothing else.
    EXPECT_THAT(rig.host.Take(), ElementsAre("ResetAllState", "DeviceState 201 1", kConnectedWired));
    EXPECT_EQ(rig.tasks.PeekFirst(), task::kFirmwareVersion);
    rig.RunUntilEmpty();
    EXPECT_THAT(rig.emulator->FeatureReports(), IsEmpty());
    EXPECT_EQ(rig.emulator->State().remap_slots[0].key, 0);
}

TEST(DeviceWorker, FirstConnectionRunsOncePerRun)
{
    TaskRig rig;
    rig.emulator->Attach(kWired);
    rig.tasks.Append(task::kFirstConnection);
    rig.tasks.Append(task::kFirstConnection);
    rig.worker.RunCycle();
    EXPECT_THAT(rig.host.Take(),
        ElementsAre("ResetAllState", "DeviceState 201 1", kConnectedWired, "StartAudioCapture"));
    // The later copy does nothing; the connection check's 13 and 5 follow it.
    rig.worker.RunCycle();
    EXPECT_THAT(rig.host.Take(), IsEmpty());
    EXPECT_EQ(rig.tasks.Size(), 2u);
}

TEST(DeviceWorker, RescanReportsEachPresencePage)
{
    TaskRig rig;
    rig.tasks.Append(task::kRescanArrival);
    rig.worker.RunCycle();
    EXPECT_THAT(rig.host.Take(), ElementsAre("ResetAllState", "Presence 0 -1"));
    EXPECT_TRUE(rig.tasks.IsEmpty());

    rig.Connect({ kReceiver });
    rig.Disconnect(kReceiver);
    rig.tasks.Append(task::kWriteLight);
    rig.worker.RunCycle();
    EXPECT_TRUE(rig.tasks.IsEmpty());
    EXPECT_THAT(rig.host.Take(), IsEmpty());
}

TEST(DeviceWorker, ProfileTaskReloadsThePagesOfTheModel)
{
    struct Case {
        int menuFlags;
        std::vector<std::string> calls;
    };
    const Case cases[] {
        { 0x07,
            { "Enable 0", "ReloadMacroPage", "ReloadProfileList", "ArmKeyFilter", "ReloadLightPage", "Enable 1" } },
        { 0x47, { "Enable 0", "ReloadMacroPage", "ReloadProfileList", "ArmKeyFilter", "ReloadLightPage", "Enable 1" } },
        { 0x41, { "Enable 0", "ReloadProfileList", "ArmKeyFilter", "Enable 1" } },
        { 0x44, { "Enable 0", "ReloadLightPage", "Enable 1" } },
    };
    TaskRig rig;
    rig.Connect({ kWired });
    for (const Case& c : cases) {
        rig.UseModel(test::kFeatureType, c.menuFlags);
        rig.tasks.Append(task::kApplyProfile);
        rig.worker.RunCycle();
        EXPECT_EQ(rig.host.Take(), c.calls) << "menu flags " << c.menuFlags;
        EXPECT_THAT(rig.clock.Take(), IsEmpty()); // no wait box pause
    }
    EXPECT_THAT(rig.emulator->FeatureReports(), IsEmpty());
}

TEST(DeviceWorker, WindowDisabledAroundTasksAndWaitBoxClosedAfterWrites)
{
    TaskRig rig;
    RecordingUpdates updates;
    rig.worker.SetUpdateHooks(&updates);
    rig.Connect({ kWired });
    updates.calls.clear();
    for (int code : { task::kWriteKeys, task::kWriteLight, task::kWriteKeyColours, task::kFactoryReset }) {
        rig.tasks.Append(code);
        rig.worker.RunCycle();
        const std::vector<std::string> calls = rig.host.Take();
        ASSERT_GE(calls.size(), 3u) << code;
        EXPECT_EQ(calls.front(), "Enable 0") << code;
        EXPECT_EQ(calls[calls.size() - 2], "CloseWaitBox") << code;
        EXPECT_EQ(calls.back(), "Enable 1") << code;
        const std::vector<int> pauses = rig.clock.Take();
        ASSERT_FALSE(pauses.empty());
        EXPECT_EQ(pauses.back(), DeviceWorker::kWaitBoxSettleMs) << code;
    }
    for (int code : { task::kFirmwareVersion, task::kSoftwareUpdate, task::kFirmwareUpdate, task::kLocalFirmwareTool }) {
        rig.tasks.Append(code);
        rig.worker.RunCycle();
        EXPECT_THAT(rig.host.Take(), ElementsAre("Enable 0", "Enable 1")) << code;
        EXPECT_THAT(rig.clock.Take(), IsEmpty()) << code;
    }
    // The version check needs no keyboard and leaves the window alone.
    rig.tasks.Append(task::kSoftwareVersion);
    rig.worker.RunCycle();
    EXPECT_THAT(rig.host.Take(), IsEmpty());
    EXPECT_THAT(updates.calls, ElementsAre(13, 14, 15, 16, 12));
    rig.worker.SetUpdateHooks(nullptr);
}

TEST(DeviceWorker, UnknownCodesAreRemovedWithoutEffect)
{
    TaskRig rig;
    rig.Connect({ kWired });
    rig.emulator->Clear();
    for (int code : { 4, 0, 9, 11, 17, -1 })
        rig.tasks.Append(code);
    for (int cycle = 0; cycle < 6; ++cycle)
        rig.worker.RunCycle();
    EXPECT_TRUE(rig.tasks.IsEmpty());
    EXPECT_THAT(rig.host.Take(), IsEmpty());
    EXPECT_THAT(rig.clock.Take(), IsEmpty());
    EXPECT_THAT(rig.emulator->FeatureReports(), IsEmpty());
}

TEST(DeviceWorker, OneTaskThenOneMacroPerCycle)
{
    TaskRig rig;
    rig.Connect({ kWired });
    ASSERT_TRUE(rig.device.FindVirtualDevice());
    const int macro = rig.AddMacro("M", 1, { { kMacroEventKeyDown, 'A', 0 }, { kMacroEventKeyUp, 'A', 0 } });
    rig.tasks.Append(task::kApplyProfile);
    rig.tasks.Append(task::kApplyProfile);
    rig.macros.Append(macro);
    rig.macros.Append(macro);
    rig.ClearReports();

    rig.worker.RunCycle();
    EXPECT_EQ(rig.tasks.Size(), 1u);
    EXPECT_EQ(rig.macros.Size(), 1u);
    EXPECT_FALSE(rig.emulator->VirtualReports().empty());
    rig.worker.RunCycle();
    EXPECT_TRUE(rig.tasks.IsEmpty());
    EXPECT_EQ(rig.macros.Size(), 0u);
}

TEST(DeviceWorker, TaskStaysQueuedWhileItRuns)
{
    TaskRig rig;
    rig.Connect({ kWired });
    std::vector<size_t> sizes;
    rig.clock.OnPause([&](int) { sizes.push_back(rig.tasks.Size()); });
    rig.tasks.Append(task::kWriteLight);
    rig.worker.RunCycle();
    rig.clock.OnPause({});
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.front(), 1u);
    EXPECT_TRUE(rig.tasks.IsEmpty());
}

} // namespace
} // namespace clavora
