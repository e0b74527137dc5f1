#pragma once

// One row of t_macrorecord: a key event of a macro and the delay after it.

#include <string>

namespace clavora {

// Values of type.
enum MacroEventType : int {
    kMacroEventKeyDown = 2,
    kMacroEventKeyUp = 3,
};

struct MacroEvent {
    int record_id = 0; // row key
    int macro_id = 0; // owning macro
    int type = 0; // MacroEventType
    int record_index = 0; // position in the list, from 0
    std::string desc; // the key's display name
    int value = 0; // the key as a Windows virtual-key code
    int delay_time = 0; // ms after this event

    bool operator==(const MacroEvent&) const = default;
};

} // namespace clavora
