#include "lumoui/CHelpButton.h"

#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr ARGB kMarkColors[kButtonStateCount] = { 0xFFC8C8C8, 0xFFFFFFFF, 0xFFFF7D00, 0xFF5A636C };

} // namespace

CHelpButton::CHelpButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled)
{
    SetTooltip(m_title);
}

void CHelpButton::SetControlTitle(const std::string& title)
{
    MButton::SetControlTitle(title);
    SetTooltip(title);
}

void CHelpButton::DrawSlot(HDC dc, int slot, const CRect& rect)
{
    if (GetImage()) {
        DrawSlice(dc, slot, rect, kFrameEdge);
        return;
    }
    ARGB color = kMarkColors[std::clamp(slot, 0, kButtonStateCount - 1)];
    int side = std::min(rect.Width(), rect.Height()) - 2;
    if (side <= 0) {
        return;
    }
    CRect ring(CPoint(rect.left + (rect.Width() - side) / 2, rect.top + (rect.Height() - side) / 2), CSize(side, side));
    MRender::DrawRoundRectange(dc, ring.left, ring.top, side, side, side / 2, color);
    MFont font = GetFont();
    font.size = std::max(8, side * 2 / 3);
    font.style |= FontStyleBold;
    MRender::DrawTextW(dc, "?", font, ring, color,
        StringFormat::FromDT(DT_CENTER, DT_VCENTER, StringFormatFlagsNoWrap | StringFormatFlagsNoClip));
}

LUMO_REGISTER_CONTROL(CHelpButton, kWindowFactory | kContainerFactory)

} // namespace lumo
