// Key events of an evdev node turned into HID usages.

#include "platform/EvdevKeyDecoder.h"

#include <linux/input.h>

#include <gtest/gtest.h>

namespace clavora {
namespace {

std::uint32_t Table(std::uint16_t evdevCode)
{
    return evdevCode == KEY_A ? MakeUsage(kKeyboardPage, 4) : 0;
}

TEST(EvdevKeyDecoder, UsesTheScanCodeOfTheKeyThatFollowsIt)
{
    EvdevKeyDecoder decoder(Table);
    // Two keys in one frame, each with its own MSC_SCAN; the usage wins over the key code.
    EXPECT_FALSE(decoder.Feed(EV_MSC, MSC_SCAN, 0x70039));
    const auto caps = decoder.Feed(EV_KEY, KEY_A, 1);
    EXPECT_FALSE(decoder.Feed(EV_MSC, MSC_SCAN, 0xC00E9));
    const auto volume = decoder.Feed(EV_KEY, KEY_VOLUMEUP, 1);
    decoder.Feed(EV_SYN, SYN_REPORT, 0);
    ASSERT_TRUE(caps && volume);
    EXPECT_EQ(caps->usage, MakeUsage(kKeyboardPage, 0x39));
    EXPECT_TRUE(caps->pressed);
    EXPECT_EQ(volume->usage, MakeUsage(kConsumerPage, 0xE9));
}

TEST(EvdevKeyDecoder, FallsBackToTheTableAndDropsRepeatsAndUnknownKeys)
{
    EvdevKeyDecoder decoder(Table);
    const auto pressed = decoder.Feed(EV_KEY, KEY_A, 1);
    ASSERT_TRUE(pressed);
    EXPECT_EQ(pressed->usage, MakeUsage(kKeyboardPage, 4));
    EXPECT_FALSE(decoder.Feed(EV_KEY, KEY_A, 2)); // auto-repeat
    EXPECT_FALSE(decoder.Feed(EV_KEY, KEY_B, 1)); // not in the table
    // A scan of a page the virtual device has no report for is not used.
    decoder.Feed(EV_MSC, MSC_SCAN, 0xFF000001);
    const auto released = decoder.Feed(EV_KEY, KEY_A, 0);
    ASSERT_TRUE(released);
    EXPECT_EQ(released->usage, MakeUsage(kKeyboardPage, 4));
    EXPECT_FALSE(released->pressed);
    // A scan does not outlive its frame.
    decoder.Feed(EV_MSC, MSC_SCAN, 0x70039);
    decoder.Feed(EV_SYN, SYN_REPORT, 0);
    EXPECT_EQ(decoder.Feed(EV_KEY, KEY_A, 1)->usage, MakeUsage(kKeyboardPage, 4));
}

} // namespace
} // namespace clavora
