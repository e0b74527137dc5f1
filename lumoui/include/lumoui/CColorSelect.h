#pragma once

// A column of seven fixed colour swatches (IDs 631-637, group "clr_palette_group"): red,
// green, blue, yellow, magenta, cyan and white (the last with a visible border), 20 x 20,
// 25 pixels apart downwards from (left, top + 5).
//   notification: a press on a swatch sends NOTIFY_COLOR (index 0-6, colour) for the checked
//   swatch when its colour is not 0; the swatches' own notifications are passed on as well

#include "lumoui/ControlFactory.h"
#include "lumoui/MPanel.h"

namespace lumo {

class CColorButton;

class CColorSelect : public MPanel {
public:
    static constexpr UINT kFirstSwatchId = 631;
    static constexpr int kSwatchCount = 7;
    static constexpr COLORREF kColors[kSwatchCount]
        = { 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xFFFFFF };

    CColorSelect(MObject* parent, UINT id, CRect rect, int visible, int enabled = 1);
    ~CColorSelect() override;

    // 0-6 checks that swatch; any other value unchecks them all.
    void SetColorIndex(int index);
    // The checked swatch, -1 when none.
    int GetColorIndex() const;
    // The column does not hold a colour of its own: always 0, and setting one does nothing.
    COLORREF GetSelectColor() const { return 0; }
    void SetSelectColor(COLORREF) { }
    CColorButton* GetSwatch(int index) const;

    void SetControlRect(CRect rect) override;
    LRESULT OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    void Layout();

    CColorButton* m_swatches[kSwatchCount] = {};
};

} // namespace lumo
