#include "lumoui/PressStates.h"

namespace lumo {

bool PressStates::Move(bool enabled, bool inside)
{
    if (!enabled || m_pressed) {
        return false;
    }
    int state = inside ? 1 : 0;
    bool changed = state != m_state;
    m_state = state;
    return changed;
}

bool PressStates::Press(bool enabled, bool inside)
{
    if (!enabled || !inside) {
        return false;
    }
    m_pressed = true;
    m_state = 2;
    return true;
}

bool PressStates::Release(bool enabled, bool inside, bool* changed)
{
    bool click = m_pressed && enabled && inside && m_state == 2;
    m_pressed = false;
    int state = !enabled ? 3 : inside ? 1 : 0;
    if (changed) {
        *changed = state != m_state;
    }
    m_state = state;
    return click;
}

bool PressStates::Enable(bool enabled)
{
    int state = enabled ? 0 : 3;
    m_pressed = false;
    bool changed = state != m_state;
    m_state = state;
    return changed;
}

} // namespace lumo
