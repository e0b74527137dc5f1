#pragma once

// One row of t_key_otherdata: a text an assignment refers to through its macro_value
// (program path, address, shortcut text).

#include <string>

namespace clavora {

struct KeyParam {
    int macro_value = 0; // row key
    std::string macro_desc;
    std::string param;
    int type = 0;

    bool operator==(const KeyParam&) const = default;
};

} // namespace clavora
