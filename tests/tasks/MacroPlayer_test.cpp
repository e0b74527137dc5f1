// Playing stored macros through the virtual keyboard.

#include "TaskRig.h"

#include "description/KeyCodes.h"
#include "device/TaskCodes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace clavora {
namespace {

using test::TaskRig;
using test::kVkA;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kKeyboard = 1;
constexpr int kConsumer = 3;

// A report written to the virtual device, as "id:hex of the changed bytes" ("1:+04" for a
// keyboard report holding A, "1:-" for an empty one).
std::string Describe(const VirtualReport& report)
{
    std::string text = std::to_string(report.id) + ":";
    if (report.id == kKeyboard) {
        std::string keys;
        for (size_t byte = 1; byte < report.bytes.size(); ++byte) {
            for (int bit = 0; bit < 8; ++bit) {
                if (report.bytes[byte] & (1 << bit)) {
                    char usage[8];
                    std::snprintf(usage, sizeof usage, "+%02x", static_cast<int>((byte - 1) * 8 + bit));
                    keys += usage;
                }
            }
        }
        return text + (keys.empty() ? "-" : keys);
    }
    const int value = report.bytes.size() >= 2 ? report.bytes[0] | (report.bytes[1] << 8) : 0;
    char word[8];
    std::snprintf(word, sizeof word, "%04x", value);
    return text + word;
}

class MacroPlayback : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(rig.device.FindVirtualDevice()); }

    std::vector<std::string> Play(int macroId, const MacroPlayer::KeepPlaying& keepPlaying = {})
    {
        rig.ClearReports();
        rig.player.PlayMacro(macroId, keepPlaying);
        return Reports();
    }

    std::vector<std::string> Reports() const
    {
        std::vector<std::string> reports;
        for (const VirtualReport& report : rig.emulator->VirtualReports())
            reports.push_back(Describe(report));
        return reports;
    }

    TaskRig rig;
};

const std::vector<std::string> kEmpty { "1:-", "2:0000", "3:0000", "4:0000" };

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(MacroPlayback, RepeatsWithEmptyReportsAroundEachRun)
{
    const int macro = rig.AddMacro("AA", 2, { { kMacroEventKeyDown, kVkA, 0 }, { kMacroEventKeyUp, kVkA, 0 } });
    EXPECT_EQ(Play(macro), Join({ kEmpty, { "1:+04", "1:-" }, kEmpty, { "1:+04", "1:-" }, kEmpty }));
    EXPECT_THAT(rig.clock.Take(), ElementsAre(5, 5, 5, 5));
}

TEST_F(MacroPlayback, MediaCodesGoOutAsConsumerUsages)
{
    const int volumeUp = KeyCodeToVirtualKey(234);
    ASSERT_NE(volumeUp, 0);
    const int macro = rig.AddMacro("Vol", 1,
        { { kMacroEventKeyDown, volumeUp, 30 }, { kMacroEventKeyDown, kVkA, 7 }, { kMacroEventKeyUp, volumeUp, 0 },
            { 1, kVkA, 0 } });
    // An event that is neither press nor release clears its key.
    EXPECT_EQ(Play(macro), Join({ kEmpty, { "3:00e9", "1:+04", "3:0000", "1:-" }, kEmpty }));
    EXPECT_THAT(rig.clock.Take(), ElementsAre(30, 7, 5, 5));
}

TEST_F(MacroPlayback, DeletedMacroPlaysNothing)
{
    const int macro = rig.AddMacro("Gone", 1, { { kMacroEventKeyDown, kVkA, 0 } });
    rig.ClearReports();
    rig.macros.Append(macro);
    ASSERT_TRUE(rig.store.DeleteMacro(macro));
    rig.worker.RunCycle();
    EXPECT_EQ(Reports(), kEmpty);
    EXPECT_THAT(rig.clock.Take(), IsEmpty());
}

TEST_F(MacroPlayback, PlayTimesMultiplyTheDelays)
{
    const int macro = rig.AddMacro("Slow", 3,
        { { kMacroEventKeyDown, kVkA, 100 }, { kMacroEventKeyUp, kVkA, 100 }, { kMacroEventKeyDown, kVkA, 100 },
            { kMacroEventKeyUp, kVkA, 100 } });
    Play(macro);
    const std::vector<int> pauses = rig.clock.Take();
    EXPECT_EQ(pauses.size(), 12u);
    EXPECT_THAT(pauses, Each(100));
}

TEST_F(MacroPlayback, StopEndsALongDelayAndReleasesEverything)
{
    const int macro = rig.AddMacro("Long", 5, { { kMacroEventKeyDown, kVkA, 60000 }, { kMacroEventKeyUp, kVkA, 0 } });
    int asked = 0;
    const std::vector<std::string> reports = Play(macro, [&] { return ++asked < 3; });
    EXPECT_EQ(reports, Join({ kEmpty, { "1:+04" }, kEmpty }));
    EXPECT_THAT(rig.clock.Take(), ElementsAre(100, 100));
}

TEST_F(MacroPlayback, NothingWithoutTheVirtualDevice)
{
    const int macro = rig.AddMacro("A", 1, { { kMacroEventKeyDown, kVkA, 0 } });
    rig.device.CloseDevice();
    rig.recorder->SetAvailable(false);
    EXPECT_THAT(Play(macro), IsEmpty());
    EXPECT_THAT(rig.clock.Take(), IsEmpty());
}

} // namespace
} // namespace clavora
