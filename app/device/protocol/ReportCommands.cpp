#include "device/protocol/ReportCommands.h"

#include "device/protocol/MacroEncoding.h"

#include <algorithm>
#include <span>

namespace clavora::protocol {

namespace {

constexpr uint8_t kMacroChunkLength = 0x3B; // 59 blob bytes per macro frame
constexpr size_t kMacroChunkData = 59;
constexpr size_t kMacroHeader = 6;          // report ID, command, length, offset (2), slot
static_assert(kMacroHeader + kMacroChunkData == kReportFrameSize);
constexpr size_t kMaxReportMacroEvents = 255;
constexpr int kMaxPlayTimes = 255;
constexpr uint8_t kShortcutPlays = 1;
constexpr int kUnknownShortcutEvents = 4;

constexpr uint8_t kParamsDirectionMask = 0x03;
constexpr int kParamsDirectionShift = 4;
constexpr uint8_t kParamsColourful = 0x40;
constexpr uint8_t kParamsSpeedMask = 0x0F;

uint8_t Byte(int value) { return static_cast<uint8_t>(value & 0xFF); }

ReportFrame Frame(uint8_t command)
{
    ReportFrame frame {};
    frame[0] = kOutputReportId;
    frame[1] = command;
    return frame;
}

// Chunk i carries the 60 table bytes at offset 60 × i and the length byte lengths[i].
template<size_t N>
ReportTransfer Chunked(uint8_t command, std::span<const uint8_t> table, const std::array<uint8_t, N>& lengths)
{
    ReportTransfer transfer;
    transfer.frames.reserve(N);
    for (size_t i = 0; i < N; ++i) {
        const size_t offset = i * kChunkData;
        ReportFrame frame = Frame(command);
        frame[2] = lengths[i];
        frame[3] = Byte(static_cast<int>(offset));
        frame[4] = Byte(static_cast<int>(offset >> 8));
        std::copy_n(table.begin() + offset, kChunkData, frame.begin() + kChunkHeader);
        transfer.frames.push_back(frame);
    }
    return transfer;
}

} // namespace

ReportTransfer UploadKeyTable(const KeyTable& table)
{
    ReportTransfer transfer = Chunked<4>(cmd::kUploadKeyTable, table, { 60, 60, 60, 40 });
    transfer.pause_ms = kKeyTablePauseMs;
    return transfer;
}

ReportTransfer UploadMacro(int slot, const MacroData& macro)
{
    std::vector<uint8_t> events = EncodeReportEvents(macro.steps);
    events.resize(std::min(events.size(), kMaxReportMacroEvents * 3));
    const size_t count = events.size() / 3;

    std::vector<uint8_t> blob;
    blob.reserve(2 + events.size());
    blob.push_back(Byte(macro.play_times > 0 ? std::min(macro.play_times, kMaxPlayTimes) : 1));
    blob.push_back(Byte(static_cast<int>(count)));
    blob.insert(blob.end(), events.begin(), events.end());

    // Frame count and last length are figured in 60s although a frame carries 59 blob bytes:
    // keyboards of this family expect exactly these numbers.
    const size_t total = 3 * (count + 1);
    const size_t frameCount = total / 60 + 1;
    ReportTransfer transfer;
    transfer.pause_ms = kMacroFramePauseMs;
    transfer.stop_on_failure = true;
    transfer.frames.reserve(frameCount);
    for (size_t k = 0; k < frameCount; ++k) {
        const size_t offset = kMacroChunkData * k;
        ReportFrame frame = Frame(cmd::kUploadMacro);
        frame[2] = k + 1 == frameCount ? Byte(static_cast<int>(total - 60 * (frameCount - 1))) : kMacroChunkLength;
        frame[3] = Byte(static_cast<int>(offset));
        frame[4] = Byte(static_cast<int>(offset >> 8));
        frame[5] = Byte(slot);
        if (offset < blob.size()) {
            const size_t n = std::min(kMacroChunkData, blob.size() - offset);
            std::copy_n(blob.begin() + offset, n, frame.begin() + kMacroHeader);
        }
        transfer.frames.push_back(frame);
    }
    return transfer;
}

ReportFrame UploadMacroShortcut(int slot, int number)
{
    const std::vector<uint8_t> events = EncodeShortcutReport(number);
    const int count = events.empty() ? kUnknownShortcutEvents : static_cast<int>(events.size() / 3);
    ReportFrame frame = Frame(cmd::kUploadMacro);
    frame[2] = Byte(3 * count);
    frame[5] = Byte(slot);
    frame[6] = kShortcutPlays;
    frame[7] = Byte(count);
    std::copy(events.begin(), events.end(), frame.begin() + 8);
    return frame;
}

ReportFrame SetLightModeNumber(int mode)
{
    ReportFrame frame = Frame(cmd::kSetLightModeNumber);
    frame[3] = Byte(mode);
    return frame;
}

ReportFrame SetLightParams(const LightSettings& light)
{
    ReportFrame frame = Frame(cmd::kSetLightParams);
    frame[3] = static_cast<uint8_t>(((light.direction & kParamsDirectionMask) << kParamsDirectionShift)
        | (light.colorful ? kParamsColourful : 0) | (light.speed & kParamsSpeedMask));
    frame[4] = Byte(static_cast<int>(light.color_value));
    frame[5] = Byte(static_cast<int>(light.color_value >> 8));
    frame[6] = Byte(static_cast<int>(light.color_value >> 16));
    frame[7] = Byte(light.brightness);
    return frame;
}

ReportTransfer UploadKeyColours(const ColourTable& table)
{
    ReportTransfer transfer = Chunked<8>(cmd::kUploadKeyColours, table, { 60, 60, 60, 60, 60, 60, 60, 20 });
    transfer.pause_ms = kColourPauseMs;
    transfer.stop_on_failure = true;
    return transfer;
}

ReportFrame StartStreaming()
{
    ReportFrame frame = Frame(cmd::kStartStreaming);
    frame[2] = kStreamingOn[0];
    frame[3] = kStreamingOn[1];
    return frame;
}

ReportTransfer StreamFrame(const ColourTable& table)
{
    ReportTransfer transfer = Chunked<6>(cmd::kStreamFrame, table, { 60, 60, 60, 60, 60, 30 });
    transfer.pause_ms = kColourPauseMs;
    transfer.stop_on_failure = true;
    transfer.lighting_interface = true;
    return transfer;
}

ReportFrame ResetKeyboardReport()
{
    ReportFrame frame = Frame(cmd::kResetKeyboardReport);
    std::copy(std::begin(kReportResetTail), std::end(kReportResetTail), frame.begin() + 2);
    return frame;
}

} // namespace clavora::protocol
