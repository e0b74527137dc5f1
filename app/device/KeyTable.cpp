#include "device/KeyTable.h"

namespace clavora {

KeyTable BuildKeyTable(const std::vector<std::uint16_t>& codes)
{
    KeyTable table = {};
    for (std::size_t i = 0; i < codes.size() && i < kKeyTableEntries; ++i) {
        std::uint8_t* entry = table.data() + i * kKeyTableEntrySize;
        entry[0] = static_cast<std::uint8_t>(codes[i] & 0xFF);
        entry[1] = static_cast<std::uint8_t>(codes[i] >> 8);
        entry[2] = kKeyEntryKind;
        entry[3] = kKeyEntryWatched;
    }
    return table;
}

std::vector<WatchedKey> ParseKeyTable(std::span<const std::uint8_t> table)
{
    std::vector<WatchedKey> keys;
    const std::size_t entries = std::min(table.size() / kKeyTableEntrySize, kKeyTableEntries);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint8_t* entry = table.data() + i * kKeyTableEntrySize;
        const auto code = static_cast<std::uint16_t>(entry[0] | (entry[1] << 8));
        if (code != 0 && (entry[3] & kKeyEntryWatched) != 0)
            keys.push_back({code, entry[2]});
    }
    return keys;
}

} // namespace clavora
