#pragma once

// A coloured rectangle under groups of controls: opaque (optionally with a 1-pixel frame) or a
// translucent veil whose opacity runs from the top to the bottom. It takes no mouse input, so
// presses on it reach the window (dragging by a caption bar made of areas).
//
// Translucency: with top transparency t and bottom transparency b (percent), let
// e = 255 - min(t, b) x 255 / 100 and f = (100 - max(t, b)) x 255 / 100 (integers) and
// step = (e - f) / rows; row i is blended with alpha e - i x step when t < b, else f + i x step
// (truncated), so the alpha runs from (100 - t) % at the top towards (100 - b) % at the bottom.

#include "lumoui/MControl.h"

namespace lumo {

class CArea : public MControl {
public:
    CArea(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~CArea() override;

    void DrawControl(HDC& hdc, CRect clip) override;

    // Percentages are clamped to 0..100. Both repaint when visible.
    void SetTransparent(int topPercent, int bottomPercent, COLORREF colour);
    // The last argument is not used.
    void SetFrame(bool frame, ARGB frameColour, int unused = 0);
    int GetTopTransparent() const { return m_top; }
    int GetBottomTransparent() const { return m_bottom; }
    COLORREF GetColor() const { return m_color; }
    bool HasFrame() const { return m_frame; }
    ARGB GetFrameColor() const { return m_frameColor; }

    // Alpha of row `row` of `rows` for the two transparencies.
    static int RowAlpha(int topPercent, int bottomPercent, int row, int rows);

private:
    int m_top = 80;
    int m_bottom = 80;
    COLORREF m_color = 0xFFFFFF;
    bool m_frame = false;
    ARGB m_frameColor = 0xFF050505;
};

} // namespace lumo
