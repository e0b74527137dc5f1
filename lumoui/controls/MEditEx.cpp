#include "lumoui/MEditEx.h"
#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

LUMO_REGISTER_CONTROL(MEditEx, kWindowFactory | kContainerFactory)

MEditEx::MEditEx(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MEdit(parent, id, rect, title, visible, enabled)
{
}

void MEditEx::SetFillColor(ARGB fill)
{
    m_fill = fill;
    UpdateControl(true);
}

void MEditEx::SetBorderColor(ARGB normal, ARGB hover, ARGB editing)
{
    m_border[0] = normal;
    m_border[1] = hover;
    m_border[2] = editing;
    UpdateControl(true);
}

void MEditEx::DrawFrame(HDC hdc, int state, const CRect& dest)
{
    constexpr ARGB kHalfAlpha = 0x80000000;
    ARGB border = state >= 3 ? ((m_border[0] & 0x00FFFFFF) | kHalfAlpha) : m_border[std::clamp(state, 0, 2)];
    MRender::FillSolidRect(hdc, dest, m_fill);
    MRender::DrawRectangle(hdc, dest, border);
}

} // namespace lumo
