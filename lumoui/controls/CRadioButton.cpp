#include "lumoui/CRadioButton.h"

#include "controls/ButtonGroup.h"

namespace lumo {

CRadioButton::CRadioButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : CCheckButton(parent, id, rect, title, visible, enabled)
{
}

bool CRadioButton::SetCheck(bool check)
{
    if (!IsEnabled()) {
        return m_check;
    }
    if (check) {
        CheckInGroup();
    } else {
        ApplyCheck(false);
    }
    return m_check;
}

void CRadioButton::Activate() { CheckInGroup(); }

void CRadioButton::CheckInGroup()
{
    for (CRadioButton* other : GroupSiblings(*this)) {
        other->ApplyCheck(false);
    }
    ApplyCheck(true);
}

LUMO_REGISTER_CONTROL(CRadioButton, kWindowFactory | kContainerFactory)

} // namespace lumo
