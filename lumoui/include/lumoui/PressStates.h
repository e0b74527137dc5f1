#pragma once

// The four-state press machine of the button family: 0 normal, 1 hover, 2 pressed,
// 3 disabled. A move changes hover only while nothing is pressed; a click is a release
// inside after a press that started on the control.

namespace lumo {

class PressStates {
public:
    int State() const { return m_state; }
    bool IsPressed() const { return m_pressed; }
    // Each returns true when the state changed.
    bool Move(bool enabled, bool inside);
    // True when a press started here.
    bool Press(bool enabled, bool inside);
    // True for a click; `changed` tells whether the state changed.
    bool Release(bool enabled, bool inside, bool* changed);
    bool Enable(bool enabled);

private:
    int m_state = 0;
    bool m_pressed = false;
};

} // namespace lumo
