#pragma once

// The watched-key table the key filter is loaded with: up to 256 entries of 4 bytes:
// key code (16 bits, LSB first), kKeyEntryKind, flags with kKeyEntryWatched set.
// Unused entries are zero. An all-zero table of kClearTableSize bytes clears the filter.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace clavora {

inline constexpr std::size_t kKeyTableEntries = 256;
inline constexpr std::size_t kKeyTableEntrySize = 4;
inline constexpr std::size_t kKeyTableSize = kKeyTableEntries * kKeyTableEntrySize;
inline constexpr std::size_t kClearTableSize = 256;
inline constexpr std::uint8_t kKeyEntryKind = 7;
inline constexpr std::uint8_t kKeyEntryWatched = 0x02;

using KeyTable = std::array<std::uint8_t, kKeyTableSize>;

// Entry i holds codes[i]; codes past the 256th are left out.
KeyTable BuildKeyTable(const std::vector<std::uint16_t>& codes);

struct WatchedKey {
    std::uint16_t keyCode = 0;
    std::uint8_t kind = 0; // the entry's third byte, handed back with every event of the key
};

// The entries that watch a key (watched flag set, key code not 0), in table order.
std::vector<WatchedKey> ParseKeyTable(std::span<const std::uint8_t> table);

} // namespace clavora
