#pragma once

// One row of t_macro_data: a macro's name and play settings. Macros belong to no profile.

#include <string>

namespace clavora {

struct MacroRecord {
    int macro_id = 0; // row key; what type-3 key assignments store
    int play_times = 1; // 1-99
    int delay_type = 1; // 1 recorded delays, 2 no delay, 3 fixed delay_time
    int delay_time = 0; // ms, for delay_type 3
    int link_count = 0;
    std::string name;

    bool operator==(const MacroRecord&) const = default;
};

} // namespace clavora
