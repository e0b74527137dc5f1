#include "device/protocol/KeyTables.h"

#include <algorithm>

namespace clavora::protocol {

namespace {

constexpr uint8_t kKeyEntryPlain = 0x20;
constexpr uint8_t kKeyEntrySlot = 0x40;
constexpr uint8_t kColourEntryEnd = 0xFF;

// Byte offset of a key's entry, or -1 when the key has no place in a table of `size` bytes.
long EntryOffset(const KeyIndexMap& keyIndex, int key, size_t width, size_t size)
{
    const auto it = keyIndex.find(key);
    if (it == keyIndex.end() || it->second < 0)
        return -1;
    const size_t offset = static_cast<size_t>(it->second) * width;
    return offset + width <= size ? static_cast<long>(offset) : -1;
}

template<size_t Width>
ColourTable ColourEntries(const KeyIndexMap& keyIndex, std::span<const KeyColour> colours)
{
    ColourTable table {};
    for (const KeyColour& entry : colours) {
        const long offset = EntryOffset(keyIndex, entry.key, Width, table.size());
        if (offset < 0)
            continue;
        uint8_t* out = table.data() + offset;
        out[0] = static_cast<uint8_t>(entry.colour);
        out[1] = static_cast<uint8_t>(entry.colour >> 8);
        out[2] = static_cast<uint8_t>(entry.colour >> 16);
        if constexpr (Width == 4)
            out[3] = kColourEntryEnd;
    }
    return table;
}

} // namespace

KeyTable BuildKeyTable(const KeyIndexMap& keyIndex, std::span<const KeyTableEntry> assignments,
    const KeySlotMap& slots)
{
    KeyTable table {};
    for (const KeyTableEntry& entry : assignments) {
        const long offset = EntryOffset(keyIndex, entry.key, 2, table.size());
        if (offset < 0)
            continue;
        uint8_t first = 0;
        uint8_t second = 0;
        switch (entry.type) {
        case kAssignKey:
            first = static_cast<uint8_t>(entry.value);
            second = kKeyEntryPlain;
            break;
        case kAssignDisabled:
            second = kKeyEntryPlain;
            break;
        case kAssignMacro:
        case kAssignShortcut: {
            const auto slot = slots.find(entry.key);
            if (slot == slots.end())
                continue;
            first = static_cast<uint8_t>(slot->second);
            second = kKeyEntrySlot;
            break;
        }
        default:
            break;
        }
        table[offset] = first;
        table[offset + 1] = second;
    }
    return table;
}

ColourTable BuildColourTable(const KeyIndexMap& keyIndex, std::span<const KeyColour> colours)
{
    return ColourEntries<4>(keyIndex, colours);
}

ColourTable BuildStreamTable(const KeyIndexMap& keyIndex, std::span<const KeyColour> colours)
{
    return ColourEntries<3>(keyIndex, colours);
}

} // namespace clavora::protocol
