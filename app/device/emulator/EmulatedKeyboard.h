#pragma once

// The keyboard side of both protocol families: decodes the feature and output reports a keyboard
// receives into its state, answers the two queries, and ignores (and records) every frame a
// keyboard would not accept. Not thread-safe; Emulator guards it.

#include "device/emulator/KeyboardState.h"

#include <cstdint>
#include <span>
#include <string>

namespace clavora {

class EmulatedKeyboard {
public:
    // `t` is the time of arrival in ms; `mode` and `interface_number` say where the frame came in.
    void HandleFeature(double t, int mode, int interface_number, std::span<const uint8_t> report);
    void HandleOutput(double t, int mode, int interface_number, std::span<const uint8_t> report);

    // Fills a feature read (report[0] = the requested ID); false when there is nothing to answer.
    bool AnswerFeature(std::span<uint8_t> report);

    const KeyboardState& State() const { return m_state; }
    void SetFirmwareVersion(int version) { m_state.firmware_version = version; }

private:
    struct Arrival {
        double t;
        const char* channel;
        int mode;
        int interface_number;
        std::span<const uint8_t> bytes;
    };

    void Reject(const Arrival& arrival, std::string reason);
    void Reset(double t);

    // Feature protocol.
    bool HandleFeatureCommand(const Arrival& arrival);
    bool TakeSlotMacroFrame(const Arrival& arrival);
    void DecodeSlotMacroBlock(const Arrival& arrival);
    bool SetRemapSlot(std::span<const uint8_t> frame);
    void SetFeatureLight(std::span<const uint8_t> fields, bool wireless);

    // Report protocol and payloads.
    bool HandlePayload(const Arrival& arrival);
    bool HandleReportCommand(const Arrival& arrival);
    bool TakeChunk(std::span<const uint8_t> frame, std::span<uint8_t> table);
    bool TakeMacroFrame(std::span<const uint8_t> frame);
    bool TakeStreamChunk(double t, std::span<const uint8_t> frame);

    enum class Query { None, SlotTable, Firmware };

    KeyboardState m_state;
    Query m_query = Query::None;
    int m_queryPart = 0;
    std::vector<uint8_t> m_block; // slot macro block being received
    size_t m_blockFrames = 0;     // 0 = no block in progress
    bool m_wirelessResetOpen = false;
};

} // namespace clavora
