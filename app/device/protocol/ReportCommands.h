#pragma once

// Commands of the report protocol: 65-byte output reports with report ID 0, and the chunked
// table transfers built from them.

#include "device/protocol/ProtocolTypes.h"

namespace clavora::protocol {

inline constexpr int kKeyTablePauseMs = 10;
inline constexpr int kColourPauseMs = 1;
inline constexpr int kMacroFramePauseMs = 100;

// The key table in four chunks (lengths 60, 60, 60, 40), 10 ms apart; failures do not stop it.
ReportTransfer UploadKeyTable(const KeyTable& table);

// A macro blob into `slot`: 59 blob bytes per frame, 100 ms before each frame, stops at the first
// failed frame. Macros longer than 255 events are cut to 255, the most the count byte holds.
ReportTransfer UploadMacro(int slot, const MacroData& macro);

// A built-in shortcut into `slot` as a single frame; unknown numbers announce 4 zero events.
ReportFrame UploadMacroShortcut(int slot, int number);

ReportFrame SetLightModeNumber(int mode);

ReportFrame SetLightParams(const LightSettings& light);

// Per-key colours in eight chunks (60 × 7, then 20), 1 ms apart, stops at the first failure.
ReportTransfer UploadKeyColours(const ColourTable& table);

ReportFrame StartStreaming();

// Real-time colours on the lighting interface: six chunks (60 × 5, then 30), 1 ms apart, stops at
// the first failure.
ReportTransfer StreamFrame(const ColourTable& table);

ReportFrame ResetKeyboardReport();

} // namespace clavora::protocol
