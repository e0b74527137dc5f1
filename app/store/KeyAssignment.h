#pragma once

// One row of t_key_macro_data: the function a physical key performs in a profile and layer.

#include <string>

namespace clavora {

// Values of macro_type.
enum KeyFunctionType : int {
    kKeyFunctionDisabled = 1,
    kKeyFunctionKey = 2,
    kKeyFunctionMacro = 3,
    kKeyFunctionMouse = 5,
    kKeyFunctionShortcut = 7,
    kKeyFunctionKeyHigh = 12,
};

struct KeyAssignment {
    int key_id = 0; // row key, set by the store
    int profile = 0;
    int fn_layer = 0;
    int key_code = 0; // the key's HID usage; never 0 in a stored row
    int layout_value = 0;
    std::string layout_desc;
    int macro_type = 0; // KeyFunctionType
    int macro_value = 0; // main value of the function (for a macro: its macro_id)
    int macro_value2 = 0;
    int macro_value3 = 0;
    std::string macro_desc; // text shown for the function

    bool operator==(const KeyAssignment&) const = default;
};

} // namespace clavora
