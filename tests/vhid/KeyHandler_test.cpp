// Watched keys of each function type, through the stand-in keyboard, the key filter and the
// key handler, down to the reports the virtual device receives.

#include "StandInRig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace clavora::test {
namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr int kKeyC = 6;

MATCHER_P2(IsReport, id, data, "")
{
    return arg.id == id && arg.bytes == data;
}

TEST(KeyHandler, MediaCodesBecomeConsumerUsagesWhileHeld)
{
    const std::pair<int, int> table[] = {
        {232, 0x183}, {233, 0xEA}, {234, 0xE9}, {235, 0xE2}, {236, 0xB7}, {237, 0xB6},
        {238, 0xCD}, {239, 0xB5}, {240, 0x18A}, {241, 0x223}, {242, 0x192}, {243, 0x224},
        {244, 0x225}, {245, 0x226}, {246, 0x227}, {247, 0x221}, {248, 0x22A}, {249, 0x194},
    };
    StandInRig rig;
    for (const auto& [code, usage] : table) {
        SCOPED_TRACE(code);
        rig.Arm({Assign(kKeyA, kKeyFunctionKey, code)});
        rig.Press(kKeyA);
        EXPECT_THAT(rig.TakeReports(), testing::ElementsAre(IsReport(3, Word(usage))));
        rig.Release(kKeyA);
        EXPECT_THAT(rig.TakeReports(), testing::ElementsAre(IsReport(3, Word(0))));
    }
}

TEST(KeyHandler, KeyCodesBelowTheMediaRangeAreKeyboardUsages)
{
    StandInRig rig;
    rig.Arm({Assign(kKeyA, kKeyFunctionKey, kKeyB), Assign(kKeyC, kKeyFunctionKey, 231)});
    rig.Press(kKeyA);
    rig.Press(kKeyC);
    rig.Release(kKeyA);
    rig.Release(kKeyC);
    EXPECT_THAT(rig.TakeReports(),
                testing::ElementsAre(IsReport(1, KeyboardBytes({kKeyB})), IsReport(1, KeyboardBytes({kKeyB, 231})),
                                     IsReport(1, KeyboardBytes({231})), IsReport(1, KeyboardBytes({}))));
}

TEST(KeyHandler, MouseValuesMapToButtonBits)
{
    const std::pair<int, int> table[] = {{1, 0}, {2, 2}, {3, 1}, {7, 4}, {8, 3}};
    StandInRig rig;
    for (const auto& [value, bit] : table) {
        SCOPED_TRACE(value);
        rig.Arm({Assign(kKeyA, kKeyFunctionMouse, value)});
        rig.Tap(kKeyA);
        const std::vector<std::uint8_t> down = {static_cast<std::uint8_t>(1u << bit), 0, 0, 0};
        EXPECT_THAT(rig.TakeReports(),
                    testing::ElementsAre(IsReport(2, down), IsReport(2, std::vector<std::uint8_t>(4, 0))));
    }
}

TEST(KeyHandler, KeysWithoutAnActionAreSwallowed)
{
    // Disabled, a mouse value without a button, a media code outside the table, a high
    // chooser code and the display-only types.
    const KeyAssignment assignments[] = {
        Assign(kKeyA, kKeyFunctionDisabled, 1), Assign(kKeyA, kKeyFunctionMouse, 4),
        Assign(kKeyA, kKeyFunctionKey, 250),    Assign(kKeyA, kKeyFunctionKeyHigh, 500),
        Assign(kKeyA, 6, 1),                    Assign(kKeyA, 10, 1),
    };
    StandInRig rig;
    for (const KeyAssignment& assignment : assignments) {
        SCOPED_TRACE(assignment.macro_type);
        rig.Arm({assignment});
        rig.Tap(kKeyA);
        EXPECT_TRUE(rig.TakeReports().empty());
    }
    EXPECT_EQ(rig.macros.Size(), 0u);
}

TEST(KeyHandler, ShortcutsPlayTheirSequenceTenMillisecondsApartOnPress)
{
    constexpr int kAlt = 0xE2, kSpace = 0x2C;
    const std::pair<int, int> table[] = {{13, 0x1B /* X */}, {14, 0x11 /* N */}};
    for (const auto& [number, letter] : table) {
        SCOPED_TRACE(number);
        StandInRig rig;
        rig.Arm({Assign(kKeyA, kKeyFunctionShortcut, number)});
        rig.Press(kKeyA);
        const std::vector<std::uint8_t> none(4, 0);
        EXPECT_THAT(rig.TakeReports(),
                    testing::ElementsAre(IsReport(1, KeyboardBytes({kAlt})), IsReport(1, KeyboardBytes({kAlt, kSpace})),
                                         IsReport(1, KeyboardBytes({kAlt, kSpace, letter})),
                                         IsReport(1, KeyboardBytes({kAlt, kSpace})), IsReport(1, KeyboardBytes({kAlt})),
                                         IsReport(1, KeyboardBytes({})),
                                         // then everything released
                                         IsReport(1, KeyboardBytes({})), IsReport(2, none), IsReport(3, Word(0)),
                                         IsReport(4, Word(0))));
        EXPECT_THAT(rig.Pauses(), testing::Each(std::chrono::milliseconds(10)));
        EXPECT_EQ(rig.Pauses().size(), 6u);
        rig.Release(kKeyA);
        EXPECT_TRUE(rig.TakeReports().empty());
    }
}

TEST(KeyHandler, ShortcutReopensAMissingVirtualDevice)
{
    StandInRig rig;
    rig.Arm({Assign(kKeyA, kKeyFunctionShortcut, 1)});
    rig.device.CloseDevice();
    rig.Press(kKeyA);
    EXPECT_TRUE(rig.device.IsFound());
    EXPECT_EQ(rig.TakeReports().size(), 4u + 4u); // Ctrl+A, then the four empty reports
}

TEST(KeyHandler, MacroKeyQueuesOncePerPress)
{
    StandInRig rig;
    rig.Arm({Assign(kKeyA, kKeyFunctionMacro, 42)});
    rig.Press(kKeyA);
    EXPECT_EQ(rig.macros.Size(), 1u);
    rig.Release(kKeyA);
    EXPECT_EQ(rig.macros.Size(), 1u);
    rig.Tap(kKeyA);
    EXPECT_EQ(rig.macros.TakeFirst(), 42);
    EXPECT_EQ(rig.macros.TakeFirst(), 42);
    EXPECT_EQ(rig.macros.TakeFirst(), std::nullopt);
    EXPECT_TRUE(rig.TakeReports().empty());
}

TEST(KeyHandler, ProxiesAreWalkedInOrderUntilOneTakesTheEvent)
{
    struct Proxy : HidUsbFilter::IMonitorProxy {
        explicit Proxy(int result) : result(result) {}
        int OnKeyEvent(std::uint8_t kind, std::uint16_t code, std::uint8_t pressed) override
        {
            calls.push_back({kind, code, pressed});
            return result;
        }
        int result;
        std::vector<std::tuple<int, int, int>> calls;
    };
    StandInRig rig;
    Proxy passing(0), taking(1), never(0);
    rig.filter.Monitor().RemoveProxy(&rig.proxy);
    rig.filter.Monitor().AddProxy(&passing);
    rig.filter.Monitor().AddProxy(&taking);
    rig.filter.Monitor().AddProxy(&never);
    rig.Arm({Assign(kKeyA, kKeyFunctionKey, kKeyB)});
    rig.Tap(kKeyA);
    using Call = std::tuple<int, int, int>;
    EXPECT_THAT(passing.calls, testing::ElementsAre(Call{7, kKeyA, 1}, Call{7, kKeyA, 0}));
    EXPECT_EQ(taking.calls.size(), 2u);
    EXPECT_TRUE(never.calls.empty());
}

} // namespace
} // namespace clavora::test
