#include "lumoui/CIconButton.h"

#include "controls/ButtonGroup.h"

namespace lumo {

CIconButton::CIconButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled)
{
}

bool CIconButton::SetCheck(bool check)
{
    if (IsEnabled()) {
        ApplyCheck(check);
    }
    return m_check;
}

void CIconButton::ApplyCheck(bool check)
{
    if (check && !m_group.empty()) {
        for (CIconButton* other : GroupSiblings(*this)) {
            if (other->m_check) {
                other->m_check = false;
                other->UpdateControl(false);
            }
        }
    }
    if (check != m_check) {
        m_check = check;
        UpdateControl(false);
    }
}

void CIconButton::SetDownState(bool down)
{
    if (down != m_down) {
        m_down = down;
        UpdateControl(false);
    }
}

int CIconButton::GetShownSlot() const
{
    if (m_state == BUTTON_DISABLED) {
        return BUTTON_DISABLED;
    }
    return (m_check || m_down) ? BUTTON_PRESSED : m_state;
}

void CIconButton::OnClick()
{
    if (!m_group.empty()) {
        ApplyCheck(true);
    }
    MButton::OnClick();
}

LUMO_REGISTER_CONTROL(CIconButton, kWindowFactory | kContainerFactory)

} // namespace lumo
