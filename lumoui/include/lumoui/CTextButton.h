#pragma once

// A button drawn as its text alone, in one colour per state (underlined while hovered).

#include "lumoui/MButton.h"

namespace lumo {

class CTextButton : public MButton {
public:
    CTextButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);

    // Text colours for the normal, hover, pressed and disabled states.
    void SetTextButtonColor(ARGB normal, ARGB hover, ARGB pressed, ARGB disabled);
    ARGB GetStateColor(int state) const;

protected:
    void DrawSlot(HDC dc, int slot, const CRect& rect) override;

private:
    ARGB m_colors[kButtonStateCount] = { 0xFFC8C8C8, 0xFFFFFFFF, 0xFFFF7D00, 0xFF808080 };
};

} // namespace lumo
