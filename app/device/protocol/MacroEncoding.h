#pragma once

// The two encodings of macro events, the delay byte of the feature protocol and the fifteen
// built-in shortcut sequences.

#include "device/protocol/ProtocolTypes.h"

#include <cstdint>
#include <span>
#include <vector>

namespace clavora::protocol {

// Feature-protocol delay byte: bit 7 = release, bits 6-5 = scale, bits 4-0 = count.
uint8_t EncodeDelay(bool release, int delay_ms);

// The delay in ms a keyboard plays for a delay byte (bit 7 ignored).
int DecodeDelay(uint8_t code);

// Feature protocol: 2 bytes per key-down or key-up event, other types left out.
std::vector<uint8_t> EncodeFeatureEvents(std::span<const MacroStep> steps);

// Report protocol: 3 bytes per key-down or key-up event, other types left out.
std::vector<uint8_t> EncodeReportEvents(std::span<const MacroStep> steps);

inline constexpr int kShortcutCount = 15;

struct ShortcutKey {
    uint8_t usage;
    bool press;
};

// The key sequence of a built-in shortcut (1-15); empty for any other number.
std::span<const ShortcutKey> ShortcutSequence(int number);

// Shortcut events in the feature encoding: [usage, 0x01] per press, [usage, 0x81] per release.
std::vector<uint8_t> EncodeShortcutFeature(int number);

// Shortcut events in the report encoding, 100 ms each: [usage, 0x64, 0x80] per press,
// [usage, 0x64, 0x00] per release.
std::vector<uint8_t> EncodeShortcutReport(int number);

} // namespace clavora::protocol
