#pragma once

// Commands of the feature protocol: 8-byte feature frames with report ID 7, plus the parser of
// the slot table the keyboard answers.

#include "device/protocol/ProtocolTypes.h"

#include <cstdint>
#include <span>

namespace clavora::protocol {

// The request that makes the keyboard answer its slot table.
FeatureFrame QuerySlotTable();

// The 28 answered bytes: byte 0 unused, 1-13 macro slots, 14-23 remap slots, 24-27 unused.
SlotTable ParseSlotTable(std::span<const uint8_t, kSlotTableSize> bytes);

// Puts `key` into remap slot `slot` with `value`; key 0 and value 0 clear the slot.
FeatureFrame SetRemapSlot(int slot, int key, int value);

// Writes a macro slot. `type` is the assignment type: 7 sends the shortcut numbered `value`,
// 3 sends `macro` (null when the macro no longer exists: the slot gets no key but keeps
// the block layout), 0 and anything else clear the slot. At most 82 events fit.
SlotMacroFrames UploadSlotMacro(int key, int slot, int type, int value, const MacroData* macro);

// Light mode on a wired connection. `option` is the index chosen in the light page's option
// list; it is used only when the mode has per-key custom colours.
FeatureFrame SetLightMode(const LightSettings& light, int option);

FeatureFrame ResetKeyboard();

// The level sent for one audio sample: |sample| / 256 × sensitivity, truncated, at most 255.
uint8_t MusicLevel(int sample, double sensitivity);

FeatureFrame SetMusicLevel(int effect, int colour, uint8_t level);

FeatureFrame QueryFirmwareVersion();

// Selects a custom per-key scheme on a report-protocol keyboard; `scheme` is used only when the
// mode has per-key custom colours.
FeatureFrame SelectCustomLight(const LightSettings& light, int scheme);

} // namespace clavora::protocol
