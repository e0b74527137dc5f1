// Arming, pass-through and recording of the key filter, through the stand-ins.

#include "StandInRig.h"

#include "device/IKeySource.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace clavora::test {
namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr int kKeyC = 6;

// Nothing held: the last report of each kind written so far is empty.
void ExpectNothingHeld(const StandInRig& rig)
{
    const std::vector<std::uint8_t> keyboard = rig.LastReport(vhid::kKeyboardReportId);
    const std::vector<std::uint8_t> mouse = rig.LastReport(vhid::kMouseReportId);
    const std::vector<std::uint8_t> consumer = rig.LastReport(vhid::kConsumerReportId);
    if (!keyboard.empty()) {
        EXPECT_EQ(keyboard, KeyboardBytes({}));
    }
    if (!mouse.empty()) {
        EXPECT_EQ(mouse, std::vector<std::uint8_t>(4, 0));
    }
    if (!consumer.empty()) {
        EXPECT_EQ(consumer, Word(0));
    }
}

TEST(KeyFilter, UnwatchedKeysPassStraightThrough)
{
    StandInRig rig;
    rig.Arm({Assign(kKeyA, kKeyFunctionKey, kKeyB)});
    rig.Press(kKeyC);
    EXPECT_EQ(rig.LastReport(1), KeyboardBytes({kKeyC}));
    rig.Press(kKeyA); // watched: B, alongside the held C
    EXPECT_EQ(rig.LastReport(1), KeyboardBytes({kKeyB, kKeyC}));
    rig.Release(kKeyC);
    rig.Release(kKeyA);
    EXPECT_EQ(rig.LastReport(1), KeyboardBytes({}));

    // Media and system keys of the keyboard go to their own reports.
    rig.Press(MakeUsage(kConsumerPage, 0xE9));
    EXPECT_EQ(rig.LastReport(3), Word(0xE9));
    rig.Release(MakeUsage(kConsumerPage, 0xE9));
    EXPECT_EQ(rig.LastReport(3), Word(0));
    rig.Press(MakeUsage(kGenericDesktopPage, 0x82));
    EXPECT_EQ(rig.LastReport(4), Word(0x82));
    rig.Release(MakeUsage(kGenericDesktopPage, 0x82));
    EXPECT_EQ(rig.LastReport(4), Word(0));
}

TEST(KeyFilter, KeysPassThroughBeforeTheFirstArming)
{
    StandInRig rig;
    rig.keys->Press(kKeyA);
    EXPECT_EQ(rig.LastReport(1), KeyboardBytes({kKeyA}));
}

TEST(KeyFilter, EmptyProfileArmsAnEmptyTable)
{
    StandInRig rig;
    rig.Arm({Assign(kKeyA, kKeyFunctionKey, kKeyB)});
    rig.Arm({});
    EXPECT_TRUE(rig.handler.GetKeyMap().empty());
    const std::uint64_t handledBefore = rig.filter.Monitor().HandledEvents();
    rig.Tap(kKeyA);
    EXPECT_EQ(rig.filter.Monitor().HandledEvents(), handledBefore);
    const std::vector<VirtualReport> reports = rig.TakeReports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].bytes, KeyboardBytes({kKeyA}));
    EXPECT_EQ(reports[1].bytes, KeyboardBytes({}));
}

TEST(KeyFilter, OnlyTheFirst256AssignmentsAreWatched)
{
    std::vector<KeyAssignment> assignments;
    for (int code = 1; code <= 300; ++code)
        assignments.push_back(Assign(code, kKeyFunctionDisabled, 1));
    StandInRig rig;
    rig.Arm(assignments);
    EXPECT_EQ(rig.handler.GetKeyMap().size(), 256u);
    rig.Tap(256); // beyond the table: its own key, but the bitmap stops at 255
    rig.Tap(255); // entry 255: disabled
    rig.Tap(200);
    EXPECT_TRUE(rig.TakeReports().empty());
}

TEST(KeyFilter, ReArmingWhileKeysAreHeldLeavesNothingStuck)
{
    struct Case {
        const char* name;
        std::vector<KeyAssignment> before;
        std::vector<KeyAssignment> after;
    };
    const Case cases[] = {
        {"passed-through key becomes watched", {}, {Assign(kKeyA, kKeyFunctionKey, kKeyB)}},
        {"watched key becomes unwatched", {Assign(kKeyA, kKeyFunctionKey, kKeyB)}, {}},
        {"watched key changes its target", {Assign(kKeyA, kKeyFunctionKey, kKeyB)}, {Assign(kKeyA, kKeyFunctionKey, kKeyC)}},
        {"mouse button becomes a key", {Assign(kKeyA, kKeyFunctionMouse, 1)}, {Assign(kKeyA, kKeyFunctionKey, kKeyC)}},
        {"media key becomes disabled", {Assign(kKeyA, kKeyFunctionKey, 235)}, {Assign(kKeyA, kKeyFunctionDisabled, 1)}},
        {"passed-through key becomes a mouse button", {}, {Assign(kKeyA, kKeyFunctionMouse, 3)}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        StandInRig rig;
        rig.Arm(test.before);
        rig.Press(kKeyA);
        rig.Press(kKeyC); // a second key, passed through or not, held across the re-arming
        rig.Arm(test.after);
        rig.Release(kKeyA);
        rig.Release(kKeyC);
        ExpectNothingHeld(rig);
        // Typing goes on normally afterwards.
        rig.Tap(kKeyC);
        ExpectNothingHeld(rig);
    }
}

TEST(KeyFilter, ReArmingWaitsForAHandlerThatIsStillRunning)
{
    // A proxy ahead of the key handler holds the event back until the test lets it go.
    struct Gate : HidUsbFilter::IMonitorProxy {
        int OnKeyEvent(std::uint8_t, std::uint16_t, std::uint8_t) override
        {
            std::unique_lock lock(mutex);
            entered = true;
            changed.notify_all();
            changed.wait(lock, [&] { return open; });
            return 0;
        }
        std::mutex mutex;
        std::condition_variable changed;
        bool entered = false;
        bool open = false;
    } gate;
    StandInRig rig;
    rig.filter.Monitor().RemoveProxy(&rig.proxy);
    rig.filter.Monitor().AddProxy(&gate);
    rig.filter.Monitor().AddProxy(&rig.proxy);
    rig.Arm({Assign(kKeyA, kKeyFunctionKey, kKeyB)});

    ASSERT_TRUE(rig.keys->Press(kKeyA));
    {
        std::unique_lock lock(gate.mutex);
        gate.changed.wait(lock, [&] { return gate.entered; });
    }
    std::thread arming([&] { rig.filter.ArmKeyFilter(rig.handler, {}); });
    // Give a wrong order the chance to release everything before the handler has run.
    for (int i = 0; i < 50 && rig.emulator.VirtualReports().size() < 4; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    {
        std::lock_guard lock(gate.mutex);
        gate.open = true;
    }
    gate.changed.notify_all();
    arming.join();
    rig.keys->Release(kKeyA); // passes through now: nothing to release for B
    EXPECT_EQ(rig.LastReport(1), KeyboardBytes({}));
}

TEST(KeyFilter, DisarmingLetsEveryKeyThrough)
{
    StandInRig rig;
    rig.Arm({Assign(kKeyA, kKeyFunctionDisabled, 1)});
    rig.filter.DisarmKeyFilter();
    EXPECT_FALSE(rig.filter.Monitor().IsRunning());
    rig.keys->Press(kKeyA);
    EXPECT_EQ(rig.LastReport(1), KeyboardBytes({kKeyA}));
}

TEST(KeyFilter, QuitReleasesEverythingAndGivesTheKeyboardBack)
{
    StandInRig rig;
    rig.Arm({Assign(kKeyA, kKeyFunctionMouse, 1)});
    rig.Press(kKeyA);
    rig.Press(kKeyC);
    rig.filter.Quit();
    ExpectNothingHeld(rig);
    EXPECT_FALSE(rig.device.IsFound());
    EXPECT_FALSE(rig.keys->Press(kKeyB)); // nobody takes the stand-in's keys any more
}

TEST(KeyFilter, RecordingSwallowsAndReportsEveryKey)
{
    StandInRig rig;
    rig.Arm({Assign(kKeyA, kKeyFunctionMacro, 9)});
    rig.Press(kKeyC); // held from before the recording
    std::vector<PhysicalKeyEvent> recorded;
    rig.filter.Channel().SetRecorder([&](const PhysicalKeyEvent& event) { recorded.push_back(event); });
    rig.emulator.Clear();
    rig.Tap(kKeyA);
    rig.Tap(kKeyB);
    rig.Release(kKeyC);
    rig.filter.Channel().SetRecorder({});
    ASSERT_EQ(recorded.size(), 5u);
    EXPECT_EQ(recorded[0].usage, MakeUsage(kKeyboardPage, kKeyA));
    EXPECT_TRUE(recorded[0].pressed);
    EXPECT_EQ(recorded[4].usage, MakeUsage(kKeyboardPage, kKeyC));
    EXPECT_FALSE(recorded[4].pressed);
    EXPECT_EQ(rig.macros.Size(), 0u);
    // Only the release of the key the system already had reached it.
    const std::vector<VirtualReport> reports = rig.TakeReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].bytes, KeyboardBytes({}));
    // Recording off: keys work as armed again.
    rig.Tap(kKeyA);
    EXPECT_EQ(rig.macros.Size(), 1u);
}

} // namespace
} // namespace clavora::test
