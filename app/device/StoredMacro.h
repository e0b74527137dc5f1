#pragma once

// A stored macro as the keyboard's encodings take it: its play count and its events with the
// keys converted from virtual keys to HID usages, in record order.

#include "device/protocol/ProtocolTypes.h"

namespace clavora {

class DataStore;

struct StoredMacro {
    bool found = false; // the macro record exists
    protocol::MacroData data; // play_times 1 when the record is missing
};

// Reads the macro record and its events; the events are read even when the record is gone.
StoredMacro LoadStoredMacro(DataStore& store, int macroId);

} // namespace clavora
