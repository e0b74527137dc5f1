#include "lumoui/CArea.h"

#include "controls/AreaFill.h"
#include "lumoui/ControlFactory.h"

#include <algorithm>

namespace lumo {

CArea::CArea(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControl(parent, id, rect, visible != 0, enabled != 0, false)
{
}

CArea::~CArea() = default;

void CArea::SetTransparent(int topPercent, int bottomPercent, COLORREF colour)
{
    m_top = std::clamp(topPercent, 0, 100);
    m_bottom = std::clamp(bottomPercent, 0, 100);
    m_color = colour & 0xFFFFFF;
    UpdateControl(true);
}

void CArea::SetFrame(bool frame, ARGB frameColour, int)
{
    m_frame = frame;
    m_frameColor = frameColour;
    UpdateControl(true);
}

int CArea::RowAlpha(int topPercent, int bottomPercent, int row, int rows)
{
    return AreaRowAlpha(topPercent, bottomPercent, row, rows);
}

void CArea::DrawControl(HDC& hdc, CRect)
{
    DrawAreaFill(hdc, m_rect, m_top, m_bottom, m_color, m_frame, m_frameColor);
}

} // namespace lumo

LUMO_REGISTER_CONTROL_AS(lumo::CArea, "CArea", lumo::kWindowFactory | lumo::kContainerFactory)
