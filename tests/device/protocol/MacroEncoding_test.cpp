#include "device/protocol/MacroEncoding.h"

#include "../DeviceTestSupport.h"

#include <gtest/gtest.h>

namespace clavora::protocol {
namespace {

using test::Hex;

TEST(EncodeDelay, FollowsTheScaleTable)
{
    struct Case {
        bool release;
        int delay;
        uint8_t code;
    };
    const Case cases[] {
        { false, 5, 0x01 }, { true, 5, 0x81 }, { false, 100, 0x0A }, { false, 500, 0x2A },
        { false, 40000, 0x7F }, // limited to 31000
        { false, -1, 0x01 }, { true, -1, 0x80 }, { false, 0, 0x01 }, { true, 0, 0x81 },
        { false, 10, 0x01 }, { false, 19, 0x01 }, { false, 20, 0x02 }, { false, 310, 0x1F },
        { false, 311, 0x26 }, { false, 1550, 0x3F },
        // 1551-3100 ms count in 100-ms steps and carry the 100-ms scale code (bit 6 only).
        { false, 1551, 0x4F }, { false, 2000, 0x54 }, { true, 3100, 0xDF },
        { false, 3101, 0x63 }, { false, 31000, 0x7F }, { true, 31000, 0xFF },
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeDelay(c.release, c.delay), c.code) << "release " << c.release << ", delay " << c.delay;
}

TEST(EncodeDelay, EveryScaleDecodesBackToItsStep)
{
    for (int delay : { 10, 20, 310, 350, 1550, 1600, 2000, 3100, 4000, 31000 })
        EXPECT_EQ(DecodeDelay(EncodeDelay(false, delay)), delay) << delay;
}

TEST(MacroEvents, BothEncodingsSkipOtherTypes)
{
    const std::vector<MacroStep> steps {
        { kEventKeyDown, 0x04, 0x0123 },
        { 4, 0x05, 50 }, // not a key event
        { kEventKeyUp, 0x04, 10 },
        { kEventKeyUp, 0x29, 0x80C8 },
    };
    EXPECT_EQ(EncodeFeatureEvents(steps), Hex("04 1d 04 81 29 ff"));
    EXPECT_EQ(EncodeReportEvents(steps), Hex("04 23 81  04 8a 00  29 c8 00"));
}

TEST(Shortcuts, FeatureEncodingOfAllFifteen)
{
    const char* const expected[] {
        "e0 01 04 01 04 81 e0 81", "e0 01 06 01 06 81 e0 81", "e0 01 1b 01 1b 81 e0 81",
        "e0 01 19 01 19 81 e0 81", "e0 01 1d 01 1d 81 e0 81", "e0 01 16 01 16 81 e0 81",
        "e3 01 08 01 08 81 e3 81", "e3 01 0f 01 0f 81 e3 81", "e3 01 07 01 07 81 e3 81",
        "e2 01 2b 01 2b 81 e2 81", "e3 01 10 01 10 81 e3 81", "e0 01 1a 01 1a 81 e0 81",
        "e2 01 2c 01 1b 01 1b 81 2c 81 e2 81", "e2 01 2c 01 11 01 11 81 2c 81 e2 81",
        "e2 01 3d 01 3d 81 e2 81",
    };
    for (int number = 1; number <= kShortcutCount; ++number)
        EXPECT_EQ(EncodeShortcutFeature(number), Hex(expected[number - 1])) << "shortcut " << number;
}

TEST(Shortcuts, ReportEncodingGivesEachEventOneHundredMs)
{
    EXPECT_EQ(EncodeShortcutReport(1), Hex("e0 64 80  04 64 80  04 64 00  e0 64 00"));
    EXPECT_EQ(EncodeShortcutReport(14), Hex("e2 64 80  2c 64 80  11 64 80  11 64 00  2c 64 00  e2 64 00"));
    EXPECT_EQ(EncodeShortcutReport(15), Hex("e2 64 80  3d 64 80  3d 64 00  e2 64 00"));
}

TEST(Shortcuts, UnknownNumbersHaveNoSequence)
{
    for (int number : { -1, 0, 16, 255 }) {
        EXPECT_TRUE(ShortcutSequence(number).empty()) << number;
        EXPECT_TRUE(EncodeShortcutFeature(number).empty()) << number;
    }
}

} // namespace
} // namespace clavora::protocol
