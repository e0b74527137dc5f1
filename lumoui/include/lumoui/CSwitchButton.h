#pragma once

// An on/off switch drawn from two image strips, one for "on" (used while checked) and one
// for "off"; slices are drawn at their natural size at the left edge, vertically centred.
// A press shows slice 1, a release inside after the press flips the switch and sends
// NOTIFY_CLICK (0, new check). Disabled, it shows slice 3.

#include "lumoui/ButtonState.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/ImageStrip.h"
#include "lumoui/MControlFont.h"

namespace lumo {

class CSwitchButton : public MControlFont {
public:
    CSwitchButton(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    // Both strips from the skin folder with `count` slices each. False before the control
    // has a manager or when either file cannot be loaded (nothing changes then).
    bool SetImage(const std::string& onFile, const std::string& offFile, int count);
    using MControlFont::SetImage;
    // Resets the pressed look; repaints when the value changed. Returns the check.
    bool SetCheck(bool check);
    bool GetCheck() const { return m_check; }
    bool IsPressed() const { return m_pressed; }

    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    void SetControlEnabled(bool enabled) override;

private:
    int ShownSlice() const;

    ImageStrip m_on;
    ImageStrip m_off;
    bool m_check = false;
    bool m_pressed = false;
};

} // namespace lumo
