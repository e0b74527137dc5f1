#pragma once

// One row of t_profile_data: a named set of key assignments.

#include <string>

namespace clavora {

struct ProfileRecord {
    int profile = 0; // row key
    std::string name;
    int status = 0; // 1 for the active profile, 0 for the others
    std::string app; // written empty
    int type = 0; // written 0

    bool operator==(const ProfileRecord&) const = default;
};

} // namespace clavora
