#pragma once

// The value of CLAVORA_EMULATOR: "1" (the first model of device type 201, wired) or
// "<model name>[:<modes>]", modes a comma list of connection modes attached at start (an empty
// list after the colon: none, for a start without a keyboard).

#include <optional>
#include <string>
#include <vector>

namespace clavora {

struct EmulatorSetting {
    std::string model;            // empty: the first model of device type 201
    std::vector<int> modes { 0 }; // attached at start
};

// Null for an unset, empty or "0" value.
std::optional<EmulatorSetting> ParseEmulatorSetting(const char* value);

} // namespace clavora
