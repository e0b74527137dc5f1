#pragma once

// A colour swatch (class name "ColorButton") that acts as a radio button: a press checks it
// and unchecks the other colour buttons of its owner's control layer with the same group
// name, but only those that are visible and enabled (a hidden or disabled one keeps its
// check). It sends NOTIFY_PRESS on the press and NOTIFY_CLICK on the release inside.
//
// Drawing: with a border, a light 1-pixel frame, a dark ring and the colour inset 3 pixels;
// without, its image scaled to the control (when one is set) or the colour inset 2 pixels.
// Hovered and checked swatches get a 2-pixel frame.

#include "lumoui/MButton.h"

namespace lumo {

class CColorButton : public MButton {
public:
    CColorButton(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    const char* GetClassNameW() const override { return "ColorButton"; }

    // COLORREF (0x00BBGGRR). Nothing for an unchanged colour, else a repaint.
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }
    // Nothing on a disabled button; checking unchecks the group. Returns the check.
    bool SetCheck(bool check);
    bool GetCheck() const { return m_check; }
    void SetGroupName(const std::string& group) { m_group = group; }
    const std::string& GetGroupName() const { return m_group; }
    void SetShowBorder(bool show);
    bool IsShowBorder() const { return m_border; }

    static constexpr ARGB kOuterFrame = 0xFFEBEBEB;
    static constexpr ARGB kInnerFill = 0xFF050505;
    static constexpr ARGB kHoverFrame = 0xFFC8C8C8;
    static constexpr ARGB kCheckFrame = 0xFFFFFFFF;

protected:
    int GetShownSlot() const override;
    void DrawSlot(HDC dc, int slot, const CRect& rect) override;
    void OnPress() override;

private:
    // Checking also unchecks the visible, enabled members of the group.
    void ApplyCheck(bool check);
    void SetCheckFlag(bool check);

    COLORREF m_color = 0;
    bool m_check = false;
    bool m_border = false;
    std::string m_group;
};

} // namespace lumo
