#include "lumoui/MTabLayout.h"
#include "lumoui/ControlFactory.h"

namespace lumo {

MTabLayout::MTabLayout(MObject* parent, UINT id, CRect rect, int visible)
    : MPanel(parent, id, rect, visible)
{
}

MTabLayout::~MTabLayout() = default;

bool MTabLayout::OnCheckMouseResponse(UINT, CPoint pt)
{
    CPoint inner = pt;
    OnMousePointChange(inner);
    for (MControl* child : GetControls()) {
        if (child->PtInRect(IsScrollBar(child) ? pt : inner)) {
            return false;
        }
    }
    return true;
}

} // namespace lumo

LUMO_REGISTER_CONTROL_AS(lumo::MTabLayout, "MTabLayout", lumo::kWindowFactory | lumo::kContainerFactory)
