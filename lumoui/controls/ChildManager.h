#pragma once

// Children built before their owner reached a window have no paint manager, so they never
// loaded their images; they get the owner's (and run their InitControl) when the owner does.

#include "lumoui/MControl.h"

namespace lumo {

inline void GiveManagerToChildren(MControl& owner, PaintManager* manager)
{
    if (!manager) {
        return;
    }
    for (MControl* child : owner.GetControls()) {
        if (!child->GetManager()) {
            child->SetManager(manager);
        }
    }
    for (MControl* child : owner.GetAreaControls()) {
        if (!child->GetManager()) {
            child->SetManager(manager);
        }
    }
}

} // namespace lumo
