#include "controls/ButtonGroup.h"

#include "lumoui/PaintManager.h"

namespace lumo {

std::vector<MControl*> OwnerControlLayer(const MControl& control)
{
    MObject* owner = control.GetParantObject();
    if (!owner) {
        return {};
    }
    if (owner->IsClass("MDialog")) {
        PaintManager* pm = control.GetManager();
        return pm ? pm->GetControls() : std::vector<MControl*> {};
    }
    if (auto* container = dynamic_cast<MControl*>(owner)) {
        return container->GetControls();
    }
    return {};
}

} // namespace lumo
