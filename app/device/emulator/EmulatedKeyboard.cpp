#include "device/emulator/EmulatedKeyboard.h"

#include "device/protocol/MacroEncoding.h"

#include <algorithm>

namespace clavora {

namespace {

using namespace protocol;

constexpr size_t kSentBlockSize = kSlotMacroFrames * kSlotMacroBytesPerFrame;
constexpr size_t kMacroFrameData = 59;
constexpr size_t kMacroFrameHeader = 6;
constexpr size_t kKeptFrameTimes = 256;
constexpr size_t kKeptMusicLevels = 4096;
constexpr size_t kKeptRejected = 1024;
constexpr uint8_t kParamsColourful = 0x40;

// Keeps a record list from growing without end while a session streams for hours.
template<typename T>
void AppendBounded(std::vector<T>& list, T item, size_t limit)
{
    if (list.size() >= limit)
        list.erase(list.begin(), list.begin() + static_cast<long>(limit / 4));
    list.push_back(std::move(item));
}

bool AllEqual(std::span<const uint8_t> bytes, uint8_t value)
{
    return std::all_of(bytes.begin(), bytes.end(), [value](uint8_t b) { return b == value; });
}

int Offset(std::span<const uint8_t> frame) { return frame[3] | (frame[4] << 8); }

} // namespace

void EmulatedKeyboard::Reject(const Arrival& arrival, std::string reason)
{
    RejectedFrame rejected { arrival.t, arrival.channel, arrival.mode, arrival.interface_number,
        { arrival.bytes.begin(), arrival.bytes.end() }, std::move(reason) };
    AppendBounded(m_state.rejected, std::move(rejected), kKeptRejected);
}

void EmulatedKeyboard::Reset(double t)
{
    KeyboardState fresh;
    fresh.firmware_version = m_state.firmware_version;
    fresh.music_levels = std::move(m_state.music_levels);
    fresh.rejected = std::move(m_state.rejected);
    fresh.resets = m_state.resets + 1;
    fresh.reset_times = std::move(m_state.reset_times);
    fresh.reset_times.push_back(t);
    m_state = std::move(fresh);
    m_blockFrames = 0;
    m_query = Query::None;
}

// --- Feature reports ---------------------------------------------------------------------------

void EmulatedKeyboard::HandleFeature(double t, int mode, int interface_number, std::span<const uint8_t> report)
{
    const Arrival arrival { t, "feature", mode, interface_number, report };
    if (report.size() != kFeatureFrameSize || report[0] != kFeatureReportId) {
        Reject(arrival, "not an 8-byte feature report with ID 7");
        return;
    }
    if (m_blockFrames > 0 && report[1] != cmd::kSlotMacroNext) {
        Reject(arrival, "macro block cut short after " + std::to_string(m_blockFrames) + " frames");
        m_blockFrames = 0;
    }
    if (!HandleFeatureCommand(arrival))
        Reject(arrival, "unknown or malformed feature command");
}

bool EmulatedKeyboard::HandleFeatureCommand(const Arrival& arrival)
{
    const std::span<const uint8_t> f = arrival.bytes;
    switch (f[1]) {
    case cmd::kSlotMacroFirst:
    case cmd::kSlotMacroNext:
        return TakeSlotMacroFrame(arrival);
    case cmd::kSetRemapSlot:
        return SetRemapSlot(f);
    case cmd::kSetLightMode:
        SetFeatureLight(f.subspan(2, 6), false);
        return true;
    case cmd::kResetKeyboard:
        if (f[2] != kResetMarker)
            return false;
        Reset(arrival.t);
        return true;
    case cmd::kSetMusicLevel:
        if (!std::equal(kMusicMarker.begin() + 1, kMusicMarker.end(), f.begin() + 2))
            return false;
        AppendBounded(m_state.music_levels, { arrival.t, f[5], f[6], f[7] }, kKeptMusicLevels);
        return true;
    case cmd::kQueryFirmwareVersion:
        m_query = Query::Firmware;
        return true;
    case cmd::kQuerySlotTable:
        if (f[2] != 0x01)
            return false;
        m_query = Query::SlotTable;
        m_queryPart = 0;
        return true;
    case cmd::kSelectCustomLight:
        if (f[2] != 0xFF)
            return false;
        m_state.custom_light = { true, f[3], f[4], f[5], f[7] };
        return true;
    default:
        return false;
    }
}

bool EmulatedKeyboard::TakeSlotMacroFrame(const Arrival& arrival)
{
    const std::span<const uint8_t> f = arrival.bytes;
    if (f[1] == cmd::kSlotMacroFirst) {
        m_block.assign(kSentBlockSize, 0);
        m_blockFrames = 0;
    } else if (m_blockFrames == 0) {
        return false; // a continuation without a first frame
    }
    std::copy_n(f.begin() + 2, kSlotMacroBytesPerFrame, m_block.begin() + m_blockFrames * kSlotMacroBytesPerFrame);
    if (++m_blockFrames == kSlotMacroFrames) {
        m_blockFrames = 0;
        DecodeSlotMacroBlock(arrival);
    }
    return true;
}

void EmulatedKeyboard::DecodeSlotMacroBlock(const Arrival& arrival)
{
    const int slot = m_block[1];
    if (m_block[0] != 0x01 || slot < 1 || slot > kMacroSlots) {
        Reject(arrival, "macro block with a bad header");
        return;
    }
    MacroSlotState& state = m_state.macro_slots[slot - 1];
    state = {};
    if (m_block[2] == 0)
        return; // key 0 frees the slot
    state.key = m_block[2];
    state.play_times = m_block[3];
    for (size_t i = kSlotMacroEventsOffset; i + 1 < m_block.size(); i += 2) {
        if (m_block[i] == 0 && m_block[i + 1] == 0)
            break;
        state.events.push_back({ m_block[i], (m_block[i + 1] & 0x80) != 0, DecodeDelay(m_block[i + 1]) });
    }
}

bool EmulatedKeyboard::SetRemapSlot(std::span<const uint8_t> f)
{
    const int slot = f[3];
    if (f[2] != kRemapMarker || f[5] != kRemapMarker || f[7] != kRemapMarker || slot < 1 || slot > kRemapSlots)
        return false;
    RemapSlotState& state = m_state.remap_slots[slot - 1];
    state = f[4] == 0 ? RemapSlotState {} : RemapSlotState { f[4], f[6] };
    return true;
}

void EmulatedKeyboard::SetFeatureLight(std::span<const uint8_t> fields, bool wireless)
{
    FeatureLightState& light = m_state.light;
    light = { true, wireless, fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], 0 };
    if (light.mode == 3)
        light.color = fields[2] | (fields[3] << 8) | (fields[5] << 16);
}

bool EmulatedKeyboard::AnswerFeature(std::span<uint8_t> report)
{
    if (report.size() < 2 || report[0] != kFeatureReportId || m_query == Query::None)
        return false;
    std::fill(report.begin() + 1, report.end(), 0);
    if (m_query == Query::Firmware) {
        report[1] = static_cast<uint8_t>(m_state.firmware_version >> 8);
        if (report.size() > 2)
            report[2] = static_cast<uint8_t>(m_state.firmware_version);
        return true;
    }
    SlotTableBytes table {};
    for (int i = 0; i < kMacroSlots; ++i)
        table[1 + i] = static_cast<uint8_t>(m_state.macro_slots[i].key);
    for (int i = 0; i < kRemapSlots; ++i)
        table[1 + kMacroSlots + i] = static_cast<uint8_t>(m_state.remap_slots[i].key);
    const size_t part = 7;
    std::copy_n(table.begin() + m_queryPart * part, std::min(part, report.size() - 1), report.begin() + 1);
    m_queryPart = (m_queryPart + 1) % 4;
    return true;
}

// --- Output reports ----------------------------------------------------------------------------

void EmulatedKeyboard::HandleOutput(double t, int mode, int interface_number, std::span<const uint8_t> report)
{
    const Arrival arrival { t, "output", mode, interface_number, report };
    if (report.size() != kReportFrameSize || report[0] != kOutputReportId) {
        Reject(arrival, "not a 65-byte output report with ID 0");
        return;
    }
    const bool payload = std::equal(kPayloadMagic.begin(), kPayloadMagic.end(), report.begin() + 1);
    if (!(payload ? HandlePayload(arrival) : HandleReportCommand(arrival)))
        Reject(arrival, payload ? "unknown payload" : "unknown or malformed report command");
}

bool EmulatedKeyboard::HandlePayload(const Arrival& arrival)
{
    const std::span<const uint8_t> p = arrival.bytes.subspan(1);
    if (AllEqual(p.subspan(4, 6), kResetMarker)) {
        Reset(arrival.t);
        m_wirelessResetOpen = true;
        return true;
    }
    if (AllEqual(p.subspan(4), 0)) {
        // The second half of the wireless reset; alone it means nothing.
        const bool expected = m_wirelessResetOpen;
        m_wirelessResetOpen = false;
        return expected;
    }
    if (p[4] != cmd::kPayloadCommand)
        return false;
    SetFeatureLight(p.subspan(5, 6), true);
    return true;
}

bool EmulatedKeyboard::HandleReportCommand(const Arrival& arrival)
{
    const std::span<const uint8_t> f = arrival.bytes;
    switch (f[1]) {
    case cmd::kUploadKeyTable:
        return TakeChunk(f, m_state.key_table);
    case cmd::kUploadKeyColours:
        return TakeChunk(f, m_state.key_colours);
    case cmd::kStreamFrame:
        return TakeStreamChunk(arrival.t, f);
    case cmd::kUploadMacro:
        return TakeMacroFrame(f);
    case cmd::kSetLightModeNumber:
        if (f[2] != 0)
            return false;
        m_state.report_light.mode = f[3];
        return true;
    case cmd::kSetLightParams: {
        if (f[2] != 0)
            return false;
        ReportLightState& light = m_state.report_light;
        light.params_set = true;
        light.direction = (f[3] >> 4) & 0x03;
        light.colorful = (f[3] & kParamsColourful) != 0;
        light.speed = f[3] & 0x0F;
        light.color = f[4] | (f[5] << 8) | (f[6] << 16);
        light.brightness = f[7];
        return true;
    }
    case cmd::kStartStreaming:
        if (f[2] != kStreamingOn[0] || f[3] != kStreamingOn[1])
            return false;
        m_state.streaming.started = true;
        return true;
    case cmd::kResetKeyboardReport:
        if (!std::equal(std::begin(kReportResetTail), std::end(kReportResetTail), f.begin() + 2))
            return false;
        Reset(arrival.t);
        return true;
    default:
        return false;
    }
}

// A table chunk: the length byte says how many of its 60 bytes count.
bool EmulatedKeyboard::TakeChunk(std::span<const uint8_t> f, std::span<uint8_t> table)
{
    const size_t length = f[2];
    const size_t offset = Offset(f);
    if (length > kChunkData || offset + length > table.size())
        return false;
    std::copy_n(f.begin() + kChunkHeader, length, table.begin() + offset);
    return true;
}

bool EmulatedKeyboard::TakeStreamChunk(double t, std::span<const uint8_t> f)
{
    StreamState& stream = m_state.streaming;
    if (!stream.started || !TakeChunk(f, stream.table))
        return false;
    if (Offset(f) == 0) {
        ++stream.frames;
        stream.last_frame_t = t;
        AppendBounded(stream.frame_times, t, kKeptFrameTimes);
    }
    return true;
}

bool EmulatedKeyboard::TakeMacroFrame(std::span<const uint8_t> f)
{
    const size_t offset = Offset(f);
    const auto held = m_state.report_macros.find(f[5]);
    const size_t received = held == m_state.report_macros.end() ? 0 : held->second.blob.size();
    // Chunks come in order, 59 blob bytes each; offset 0 starts the slot afresh.
    if (f[2] > kChunkData || offset % kMacroFrameData != 0 || (offset > 0 && offset > received))
        return false;
    ReportMacroState& macro = m_state.report_macros[f[5]];
    if (offset == 0)
        macro = {};
    macro.blob.resize(std::max(macro.blob.size(), offset + kMacroFrameData));
    std::copy_n(f.begin() + kMacroFrameHeader, kMacroFrameData, macro.blob.begin() + offset);

    macro.play_times = macro.blob[0];
    macro.count = macro.blob[1];
    macro.events.clear();
    for (int i = 0; i < macro.count; ++i) {
        const size_t at = 2 + 3 * static_cast<size_t>(i);
        if (at + 3 > macro.blob.size())
            break;
        const uint8_t low = macro.blob[at + 1];
        const uint8_t high = macro.blob[at + 2];
        // Bit 7 of the high byte marks a press; a release carries bit 7 in the low byte instead.
        const bool release = (high & 0x80) == 0;
        const int delay = release ? ((high << 8) | (low & 0x7F)) : (((high & 0x7F) << 8) | low);
        macro.events.push_back({ macro.blob[at], release, delay });
    }
    return true;
}

} // namespace clavora
