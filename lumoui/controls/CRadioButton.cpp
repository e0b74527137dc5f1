#include "lumoui/CRadioButton.h"

#include "controls/ButtonGroup.h"

namespace lumo {

CRadioButton::CRadioButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : CCheckButton(parent, id, rect, title, visible, enabled)
{
}

void CRadioButton::Activate() { ApplyCheck(true); }

void CRadioButton::ApplyCheck(bool check)
{
    if (check) {
        for (CRadioButton* other : GroupSiblings(*this)) {
            other->SetCheckFlag(false);
        }
    }
    SetCheckFlag(check);
}

LUMO_REGISTER_CONTROL(CRadioButton, kWindowFactory | kContainerFactory)

} // namespace lumo
