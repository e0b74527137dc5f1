#pragma once

// A small help mark: its title is not drawn but shown as the tooltip while the mouse rests
// on it. It changes its look like a button and sends no notifications. Without an image
// strip it draws a "?" in a ring.

#include "lumoui/MButton.h"

namespace lumo {

class CHelpButton : public MButton {
public:
    CHelpButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);

    void SetControlTitle(const std::string& title) override;

protected:
    void OnPress() override { }
    void OnClick() override { }
    void DrawSlot(HDC dc, int slot, const CRect& rect) override;
};

} // namespace lumo
