#include "lumoui/CArea.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MRender.h"

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
    int e = 255 - std::min(topPercent, bottomPercent) * 255 / 100;
    int f = (100 - std::max(topPercent, bottomPercent)) * 255 / 100;
    double step = rows > 0 ? static_cast<double>(e - f) / rows : 0.0;
    double alpha = topPercent < bottomPercent ? e - row * step : f + row * step;
    return static_cast<int>(alpha);
}

void CArea::Paint(HDC hdc, const CRect& rect, int topPercent, int bottomPercent, COLORREF colour, bool frame,
    ARGB frameColour)
{
    ARGB opaque = ColorRefToARGB(colour);
    if (topPercent == 0 && bottomPercent == 0) {
        if (frame) {
            MRender::FillSolidRect(hdc, rect, frameColour);
            CRect inner = rect;
            inner.DeflateRect(1, 1);
            MRender::FillSolidRect(hdc, inner, opaque);
        } else {
            MRender::FillSolidRect(hdc, rect, opaque);
        }
        return;
    }
    // Rows of equal alpha are blended in one go; a uniform veil is a single fill.
    int rows = rect.Height();
    for (int first = 0; first < rows;) {
        int alpha = RowAlpha(topPercent, bottomPercent, first, rows);
        int end = first + 1;
        while (end < rows && RowAlpha(topPercent, bottomPercent, end, rows) == alpha) {
            ++end;
        }
        MRender::DrawColor(hdc, CRect(rect.left, rect.top + first, rect.right, rect.top + end),
            (opaque & 0xFFFFFF) | (static_cast<ARGB>(std::clamp(alpha, 0, 255)) << 24));
        first = end;
    }
}

void CArea::DrawControl(HDC& hdc, CRect)
{
    Paint(hdc, m_rect, m_top, m_bottom, m_color, m_frame, m_frameColor);
}

} // namespace lumo

LUMO_REGISTER_CONTROL_AS(lumo::CArea, "CArea", lumo::kWindowFactory | lumo::kContainerFactory)
