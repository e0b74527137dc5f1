#include "lumoui/CTextArea.h"

#include "controls/AreaFill.h"
#include "controls/SlotCache.h"
#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

CTextArea::CTextArea(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_title = title ? title : "";
}

void CTextArea::SetTransparent(int topPercent, int bottomPercent, COLORREF colour)
{
    m_top = std::clamp(topPercent, 0, 100);
    m_bottom = std::clamp(bottomPercent, 0, 100);
    m_colour = colour;
    UpdateControl(true);
}

void CTextArea::SetFrame(bool frame, ARGB frameColour, int)
{
    m_frame = frame;
    m_frameColour = frameColour;
    UpdateControl(true);
}

int CTextArea::RowAlpha(int topPercent, int bottomPercent, int row, int rows)
{
    return AreaRowAlpha(topPercent, bottomPercent, row, rows);
}

bool CTextArea::OnCheckMouseResponse(UINT, CPoint) { return true; }

void CTextArea::DrawControl(HDC& hdc, CRect)
{
    DrawSlotCache(*this, hdc, 1, 0, [this](HDC dc, int, const CRect& rect) {
        DrawAreaFill(dc, rect, m_top, m_bottom, m_colour, m_frame, m_frameColour);
        DrawTitle(dc, rect, m_textColor);
    });
}

LUMO_REGISTER_CONTROL(CTextArea, kWindowFactory | kContainerFactory)

} // namespace lumo
