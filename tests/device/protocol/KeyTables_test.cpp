#include "device/protocol/KeyTables.h"
#include "device/protocol/ReportCommands.h"

#include "../DeviceTestSupport.h"

#include <gtest/gtest.h>

namespace clavora::protocol {
namespace {

using test::Hex;

std::vector<uint8_t> Slice(std::span<const uint8_t> table, size_t offset, size_t count)
{
    return { table.begin() + offset, table.begin() + offset + count };
}

TEST(KeyTable, EntriesByAssignmentType)
{
    const KeyIndexMap keyIndex { { 0x04, 0 }, { 0x05, 1 }, { 0x06, 2 }, { 0x07, 3 }, { 0x08, 4 }, { 0x09, 5 },
        { 0x0A, 150 }, { 0x0B, 180 }, { 0x0C, -1 } };
    const KeyTableEntry assignments[] {
        { 0x04, kAssignKey, 0x11E },   // low byte of the value, 0x20
        { 0x05, kAssignDisabled, 0 },  // 00 20
        { 0x06, kAssignMacro, 9 },     // its slot, 0x40
        { 0x07, kAssignShortcut, 3 },  // no slot: nothing written
        { 0x08, 5, 1 },                // any other type: 00 00
        { 0x09, kAssignShortcut, 4 },  // slot 0 is a slot
        { 0x0A, kAssignDisabled, 0 },  // bytes 300-301: in the table, beyond what is sent
        { 0x0B, kAssignDisabled, 0 },  // beyond the table
        { 0x0C, kAssignDisabled, 0 },  // negative index
        { 0x0D, kAssignDisabled, 0 },  // not in the layout
    };
    const KeySlotMap slots { { 0x06, 2 }, { 0x09, 0 } };
    const KeyTable table = BuildKeyTable(keyIndex, assignments, slots);

    EXPECT_EQ(Slice(table, 0, 12), Hex("1e 20 00 20 02 40 00 00 00 00 00 40"));
    EXPECT_EQ(Slice(table, 300, 2), Hex("00 20"));
    EXPECT_EQ(std::count(table.begin(), table.end(), 0x20), 3);

    // The upload carries bytes 0-239 only, so key index 150 never reaches the keyboard.
    const ReportFrame last = UploadKeyTable(table).frames.back();
    EXPECT_EQ((last[3] | (last[4] << 8)) + 60, 240);
}

TEST(ColourTables, FourBytesPerLedForColoursThreeForStreaming)
{
    const KeyIndexMap keyIndex { { 0x04, 0 }, { 0x05, 149 }, { 0x06, 150 }, { 0x07, 199 }, { 0x08, 200 } };
    const KeyColour colours[] {
        { 0x04, 0x00332211 }, { 0x05, 0x00665544 }, { 0x06, 0x00998877 }, { 0x07, 0x00CCBBAA },
        { 0x08, 0x00FFEEDD }, { 0x09, 0x00123456 }, // not in the layout
    };
    const ColourTable stored = BuildColourTable(keyIndex, colours);
    EXPECT_EQ(Slice(stored, 0, 4), Hex("11 22 33 ff"));
    EXPECT_EQ(Slice(stored, 596, 4), Hex("44 55 66 ff"));
    EXPECT_EQ(std::count(stored.begin(), stored.end(), 0xFF), 2); // LEDs 150 and up do not fit

    const ColourTable streamed = BuildStreamTable(keyIndex, colours);
    EXPECT_EQ(Slice(streamed, 0, 3), Hex("11 22 33"));
    EXPECT_EQ(Slice(streamed, 447, 3), Hex("44 55 66"));
    EXPECT_EQ(Slice(streamed, 450, 3), Hex("77 88 99"));
    EXPECT_EQ(Slice(streamed, 597, 3), Hex("aa bb cc"));
    EXPECT_EQ(std::count(streamed.begin(), streamed.end(), 0xDD), 0); // LED 200 does not fit
}

} // namespace
} // namespace clavora::protocol
