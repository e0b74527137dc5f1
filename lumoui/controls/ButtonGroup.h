#pragma once

// Grouped buttons (radio, colour and icon buttons) find the other members of their group in
// the control layer of their owner, by class name and group name.

#include "lumoui/MControl.h"

#include <vector>

namespace lumo {

// The dialog's (or popup's) own control layer when the owner is one, otherwise the owning
// control's control layer; empty for any other owner.
std::vector<MControl*> OwnerControlLayer(const MControl& control);

// The other controls of `self`'s owner layer with the same class name and group name.
template <class T> std::vector<T*> GroupSiblings(const T& self)
{
    std::vector<T*> out;
    for (MControl* c : OwnerControlLayer(self)) {
        if (c == &self || !c->IsClass(self.GetClassNameW())) {
            continue;
        }
        auto* member = dynamic_cast<T*>(c);
        if (member && member->GetGroupName() == self.GetGroupName()) {
            out.push_back(member);
        }
    }
    return out;
}

} // namespace lumo
