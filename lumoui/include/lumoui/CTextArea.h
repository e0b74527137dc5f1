#pragma once

// A translucent coloured area with a text on it: the area is filled like CArea (a colour
// blended row by row from the top transparency to the bottom one, or opaque, optionally
// framed) and the title is drawn over it by the control's alignment. It takes no mouse
// presses.

#include "lumoui/ControlFactory.h"
#include "lumoui/MControlFont.h"

namespace lumo {

class CTextArea : public MControlFont {
public:
    CTextArea(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);

    // Transparency at the top and bottom in percent (0-100) and the fill colour (COLORREF).
    void SetTransparent(int topPercent, int bottomPercent, COLORREF colour);
    // The frame drawn around an opaque area; the int is not used.
    void SetFrame(bool frame, ARGB frameColour, int unused = 0);
    // The alpha of row `row` of `rows` for these transparencies.
    static int RowAlpha(int topPercent, int bottomPercent, int row, int rows);

    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnCheckMouseResponse(UINT flags, CPoint pt) override;

private:
    int m_top = 80;
    int m_bottom = 80;
    COLORREF m_colour = 0xFFFFFF;
    bool m_frame = false;
    ARGB m_frameColour = 0xFF050505;
};

} // namespace lumo
