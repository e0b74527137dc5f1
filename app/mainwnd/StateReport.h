#pragma once

// StateReport - a line that tells tools outside the program what the main window shows, for
// whole-program tests: written to the file CLAVORA_STATE_FILE names, when that variable is
// set, every time the state changes. Without the variable nothing is written.
//
//   page=<0 home, 1 keys, 2 macros, 3 light, 4 settings> tabs=<0|1> keyboard=<0|1> visible=<0|1>

#include <string>

namespace clavora {

struct WindowState {
    int page = 0;
    bool tabs = false;
    bool keyboard = false;
    bool visible = false;

    bool operator==(const WindowState&) const = default;
    std::string ToLine() const;
};

class StateReport {
public:
    // The path from the environment (empty: no report).
    StateReport();
    explicit StateReport(std::string path);

    // Writes the state when it differs from the one written last.
    void Report(const WindowState& state);

private:
    std::string m_path;
    WindowState m_last;
    bool m_written = false;
};

} // namespace clavora
