#include "lumoui/CSpinButton.h"

namespace lumo {

CSpinButton::CSpinButton(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MSpinButton(parent, id, rect, visible, enabled)
{
}

LUMO_REGISTER_CONTROL(CSpinButton, kWindowFactory | kContainerFactory)

} // namespace lumo
