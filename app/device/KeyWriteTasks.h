#pragma once

// Writing the current profile's key assignments into the keyboard (device task 6), one
// function per protocol family.
//
// Report protocol: macros, then shortcuts, go into consecutive macro slots from 0 (a failed
// macro frame ends that run), then the key table follows 20 ms later, pointing the keys at
// their slots.
// Feature protocol: the slot table is asked for, every used slot is cleared, then every
// assignment goes into the next macro slot (macros and shortcuts) or remap slot (everything
// else), counting from 1. The counters are not held at the keyboard's 13 and 10 slots.

#include "device/protocol/KeyTables.h"
#include "device/protocol/ProtocolTypes.h"
#include "store/KeyAssignment.h"

#include <optional>

namespace clavora {

class DataStore;
class KeyboardHid;
struct DeviceTaskContext;

inline constexpr int kMacroSlotPauseMs = 10;  // before each macro or shortcut upload
inline constexpr int kKeyTableDelayMs = 20;   // after the macro run, before the key table
inline constexpr int kFeatureFramePauseMs = 16; // before each frame of the feature-protocol write
inline constexpr int kClearedMacroSlots = 12; // macro slot 13 is left alone when clearing

// `slots` is the key-to-slot map; the run rebuilds it.
void WriteKeysReportProtocol(KeyboardHid& hid, DataStore& store, const DeviceTaskContext& context,
    protocol::KeySlotMap& slots);

void WriteKeysFeatureProtocol(KeyboardHid& hid, DataStore& store, const DeviceTaskContext& context);

// The remap frame for `key` in `slot`, from the key's stored assignment (null when it has
// none): nothing when the assignment is a macro, a shortcut or type 0 with a value; key and
// value when the value is positive; otherwise the frame that clears the slot.
std::optional<protocol::FeatureFrame> RemapSlotFrame(int slot, int key, const KeyAssignment* stored);

} // namespace clavora
