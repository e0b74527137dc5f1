#pragma once

// The states of the button family, which are also the slices of their image strips: four
// states, and for check-like buttons the same four again for the checked look.

namespace lumo {

enum ButtonState : int {
    BUTTON_NORMAL = 0,
    BUTTON_HOVER = 1,
    BUTTON_PRESSED = 2,
    BUTTON_DISABLED = 3,
};

constexpr int kButtonStateCount = 4;
// Checked states follow the unchecked ones: state + kCheckedStateOffset.
constexpr int kCheckedStateOffset = 4;
constexpr int kCheckStateCount = 8;

} // namespace lumo
