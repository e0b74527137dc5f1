#pragma once

// The stand-in's `dump`: one line of JSON with the raw reports (bytes as lower-case hex, times in
// ms since the stand-in started) and the decoded keyboard.

#include "device/emulator/KeyboardState.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace clavora {

struct LoggedReport;
struct VirtualReport;

struct EmulatorDumpView {
    const std::string& model;
    int device_type = 0;
    const KeyboardState& keyboard;
    const std::deque<LoggedReport>& feature_reports;
    const std::deque<LoggedReport>& output_reports;
    const std::deque<VirtualReport>& virtual_reports;
    uint64_t dropped_reports = 0;
    std::vector<int> attached;
};

std::string FormatEmulatorDump(const EmulatorDumpView& view);

} // namespace clavora
