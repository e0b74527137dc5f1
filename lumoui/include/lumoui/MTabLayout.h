#pragma once

// The panel used as a tab page. It takes the mouse only over its children, so a press on empty
// page space reaches the window underneath (window dragging).

#include "lumoui/MPanel.h"

namespace lumo {

class MTabLayout : public MPanel {
public:
    MTabLayout(MObject* parent, UINT id, CRect rect, int visible);
    ~MTabLayout() override;

    // Declines every point that no visible child (or shown scroll bar) contains.
    bool OnCheckMouseResponse(UINT flags, CPoint pt) override;
};

} // namespace lumo
