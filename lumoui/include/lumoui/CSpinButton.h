#pragma once

// The number box of the colour editors: an MSpinButton whose value is typed straight into
// the box while it has the focus (digits, Backspace, the arrow keys).

#include "lumoui/MSpinButton.h"

namespace lumo {

class CSpinButton : public MSpinButton {
public:
    CSpinButton(MObject* parent, UINT id, CRect rect, int visible, int enabled);
};

} // namespace lumo
