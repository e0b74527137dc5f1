#include "device/protocol/ReportCommands.h"

#include "../DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <span>

namespace clavora::protocol {
namespace {

using test::AsVector;
using test::Hex;

TEST(ReportCommands, FixedFrames)
{
    LightSettings light;
    light.colorful = 1;
    light.speed = 2;
    light.color_value = 0x00332211;
    light.brightness = 4;
    LightSettings odd = light;
    odd.direction = 5; // only its low two bits count
    odd.colorful = 0;
    odd.speed = 0x1F; // only its low four bits count

    struct Case {
        const char* name;
        ReportFrame frame;
        const char* bytes;
    };
    const Case cases[] {
        { "mode number", SetLightModeNumber(5), "00 88 00 05" },
        { "params", SetLightParams(light), "00 89 00 42 11 22 33 04" },
        { "params masked", SetLightParams(odd), "00 89 00 1f 11 22 33 04" },
        { "start streaming", StartStreaming(), "00 f0 f4 01" },
        { "reset", ResetKeyboardReport(), "00 ff fe aa ff" },
        { "shortcut 13", UploadMacroShortcut(3, 13),
            "00 8e 12 00 00 03 01 06 e2 64 80 2c 64 80 1b 64 80 1b 64 00 2c 64 00 e2 64 00" },
        { "shortcut 2", UploadMacroShortcut(0, 2), "00 8e 0c 00 00 00 01 04 e0 64 80 06 64 80 06 64 00 e0 64 00" },
        { "unknown shortcut", UploadMacroShortcut(1, 99), "00 8e 0c 00 00 01 01 04" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(AsVector(c.frame), Hex(c.bytes, kReportFrameSize)) << c.name;
}

MacroData Macro(int events, int play_times = 1)
{
    MacroData macro;
    macro.play_times = play_times;
    for (int i = 0; i < events; ++i)
        macro.steps.push_back({ i % 2 ? kEventKeyUp : kEventKeyDown, 0x04, 10 });
    return macro;
}

TEST(UploadMacro, ShortMacroIsOneFrame)
{
    MacroData macro;
    macro.play_times = 0; // not positive → 1
    macro.steps = { { kEventKeyDown, 0x04, 0x0123 }, { kEventKeyUp, 0x04, 10 } };
    const ReportTransfer transfer = UploadMacro(7, macro);
    ASSERT_EQ(transfer.frames.size(), 1u);
    EXPECT_EQ(AsVector(transfer.frames[0]), Hex("00 8e 09 00 00 07 01 02 04 23 81 04 8a 00", kReportFrameSize));
    EXPECT_EQ(transfer.pause_ms, 100);
    EXPECT_TRUE(transfer.stop_on_failure);
    EXPECT_FALSE(transfer.lighting_interface);
}

// The blob of Macro(n): play count, event count, then alternating press and release of A.
std::vector<uint8_t> Blob(int events, int play_times = 1)
{
    std::vector<uint8_t> blob { static_cast<uint8_t>(play_times), static_cast<uint8_t>(events) };
    for (int i = 0; i < events; ++i) {
        const std::vector<uint8_t> event = i % 2 ? Hex("04 8a 00") : Hex("04 0a 80");
        blob.insert(blob.end(), event.begin(), event.end());
    }
    return blob;
}

// A macro frame: its six header bytes, then 59 bytes of `blob` from `offset`.
std::vector<uint8_t> MacroFrame(const char* header, const std::vector<uint8_t>& blob, size_t offset)
{
    std::vector<uint8_t> frame = Hex(header);
    for (size_t i = offset; i < offset + 59; ++i)
        frame.push_back(i < blob.size() ? blob[i] : 0);
    return frame;
}

TEST(UploadMacro, FramesCarry59BytesButAreCountedIn60s)
{
    struct Case {
        int events;
        std::vector<const char*> headers;
    };
    const Case cases[] {
        // 19 events: T = 60 → two frames, the second with length 0.
        { 19, { "00 8e 3b 00 00 02", "00 8e 00 3b 00 02" } },
        // 40 events: T = 123 → three frames, the last with length 3.
        { 40, { "00 8e 3b 00 00 02", "00 8e 3b 3b 00 02", "00 8e 03 76 00 02" } },
        // 100 events: T = 303 → six frames at offsets up to 295 (0x127), the last with length 3.
        { 100, { "00 8e 3b 00 00 02", "00 8e 3b 3b 00 02", "00 8e 3b 76 00 02", "00 8e 3b b1 00 02",
                   "00 8e 3b ec 00 02", "00 8e 03 27 01 02" } },
    };
    for (const Case& c : cases) {
        const ReportTransfer transfer = UploadMacro(2, Macro(c.events));
        const std::vector<uint8_t> blob = Blob(c.events);
        ASSERT_EQ(transfer.frames.size(), c.headers.size()) << c.events;
        for (size_t k = 0; k < c.headers.size(); ++k)
            EXPECT_EQ(AsVector(transfer.frames[k]), MacroFrame(c.headers[k], blob, 59 * k)) << c.events << " frame " << k;
    }
}

TEST(UploadMacro, PlayCountAndEventCountStayInTheirBytes)
{
    EXPECT_EQ(UploadMacro(0, Macro(2, 300)).frames[0][6], 0xFF);
    EXPECT_EQ(UploadMacro(0, Macro(2, -4)).frames[0][6], 0x01);
    // More events than the count byte holds are cut to 255, so count and events agree.
    const ReportTransfer transfer = UploadMacro(0, Macro(300));
    EXPECT_EQ(transfer.frames[0][7], 0xFF);
    EXPECT_EQ(transfer.frames.size(), 13u); // T = 768
}

// --- Chunked tables ---

template<size_t N>
std::array<uint8_t, N> Counting()
{
    std::array<uint8_t, N> table {};
    for (size_t i = 0; i < N; ++i)
        table[i] = static_cast<uint8_t>(i * 7);
    return table;
}

std::vector<uint8_t> Chunk(const char* header, std::span<const uint8_t> table, size_t offset)
{
    std::vector<uint8_t> frame = Hex(header);
    frame.insert(frame.end(), table.begin() + offset, table.begin() + offset + 60);
    return frame;
}

TEST(ChunkedTransfers, LengthsOffsetsPausesAndStopRules)
{
    const KeyTable keys = Counting<kKeyTableSize>();
    const ColourTable colours = Counting<kColourTableSize>();
    struct Case {
        const char* name;
        ReportTransfer transfer;
        std::span<const uint8_t> table;
        std::vector<const char*> headers;
        int pause;
        bool stops;
        bool lighting;
    };
    const Case cases[] {
        { "key table", UploadKeyTable(keys), keys,
            { "00 8d 3c 00 00", "00 8d 3c 3c 00", "00 8d 3c 78 00", "00 8d 28 b4 00" }, 10, false, false },
        { "key colours", UploadKeyColours(colours), colours,
            { "00 8b 3c 00 00", "00 8b 3c 3c 00", "00 8b 3c 78 00", "00 8b 3c b4 00", "00 8b 3c f0 00",
                "00 8b 3c 2c 01", "00 8b 3c 68 01", "00 8b 14 a4 01" },
            1, true, false },
        { "stream frame", StreamFrame(colours), colours,
            { "00 f1 3c 00 00", "00 f1 3c 3c 00", "00 f1 3c 78 00", "00 f1 3c b4 00", "00 f1 3c f0 00",
                "00 f1 1e 2c 01" },
            1, true, true },
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.transfer.frames.size(), c.headers.size()) << c.name;
        for (size_t i = 0; i < c.headers.size(); ++i)
            EXPECT_EQ(AsVector(c.transfer.frames[i]), Chunk(c.headers[i], c.table, 60 * i)) << c.name << " " << i;
        EXPECT_EQ(c.transfer.pause_ms, c.pause) << c.name;
        EXPECT_EQ(c.transfer.stop_on_failure, c.stops) << c.name;
        EXPECT_EQ(c.transfer.lighting_interface, c.lighting) << c.name;
    }
}

} // namespace
} // namespace clavora::protocol
