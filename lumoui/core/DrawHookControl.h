#pragma once

// A control that fills its rect with whatever its owner draws: the popups that paint their
// whole window themselves (balloons, key tips, the loading window, shadows) use one.

#include "lumoui/MControl.h"

#include <functional>

namespace lumo {

class DrawHookControl final : public MControl {
public:
    using Painter = std::function<void(HDC& hdc, CRect rect)>;

    DrawHookControl(MObject* parent, CRect rect, Painter painter)
        : MControl(parent, 0, rect, true, true, false)
        , m_painter(std::move(painter))
    {
    }

    void DrawControl(HDC& hdc, CRect) override
    {
        if (m_painter) {
            m_painter(hdc, GetRect());
        }
    }

private:
    Painter m_painter;
};

} // namespace lumo
