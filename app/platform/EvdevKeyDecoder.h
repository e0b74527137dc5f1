#pragma once

// Turns the input events of one evdev node into physical key events with HID usages.
// The usage comes from the MSC_SCAN event the kernel sends right before a key of a HID
// device; without one, the evdev key code is looked up in the given table.

#include "device/IKeySource.h"

#include <cstdint>
#include <optional>

namespace clavora {

class EvdevKeyDecoder {
public:
    // Page-qualified HID usage of an evdev key code, 0 when it has none.
    using UsageTable = std::uint32_t (*)(std::uint16_t evdevCode);

    explicit EvdevKeyDecoder(UsageTable table);

    // Feeds one input event; returns the key event it completes, if any. Auto-repeat events
    // are dropped: the virtual device's own repeat takes over.
    std::optional<PhysicalKeyEvent> Feed(std::uint16_t type, std::uint16_t code, std::int32_t value);

private:
    UsageTable m_table;
    std::uint32_t m_scan = 0; // usage of the MSC_SCAN just before, 0 when none
};

} // namespace clavora
