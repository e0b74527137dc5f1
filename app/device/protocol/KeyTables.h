#pragma once

// The tables the report protocol uploads, built from key assignments or key colours through the
// layout's key index map. A key whose code is not in the map, or whose entry would lie beyond
// the end of its table, is left out.

#include "device/protocol/ProtocolTypes.h"

#include <span>

namespace clavora::protocol {

// Key code → macro slot, as given by the last macro upload run.
using KeySlotMap = std::map<int, int>;

// 2 bytes per key position: [value, 0x20] for a key, [0, 0x20] disabled, [slot, 0x40] for a
// macro or shortcut that got a slot, [0, 0] for everything else.
KeyTable BuildKeyTable(const KeyIndexMap& keyIndex, std::span<const KeyTableEntry> assignments,
    const KeySlotMap& slots);

// 4 bytes per LED: red, green, blue, 0xFF.
ColourTable BuildColourTable(const KeyIndexMap& keyIndex, std::span<const KeyColour> colours);

// 3 bytes per LED: red, green, blue.
ColourTable BuildStreamTable(const KeyIndexMap& keyIndex, std::span<const KeyColour> colours);

} // namespace clavora::protocol
