#include "lumoui/CTextButton.h"

#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

CTextButton::CTextButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled)
{
}

void CTextButton::SetTextButtonColor(ARGB normal, ARGB hover, ARGB pressed, ARGB disabled)
{
    m_colors[BUTTON_NORMAL] = normal;
    m_colors[BUTTON_HOVER] = hover;
    m_colors[BUTTON_PRESSED] = pressed;
    m_colors[BUTTON_DISABLED] = disabled;
    UpdateControl(true);
}

ARGB CTextButton::GetStateColor(int state) const { return m_colors[std::clamp(state, 0, kButtonStateCount - 1)]; }

void CTextButton::DrawSlot(HDC dc, int slot, const CRect& rect)
{
    MFont font = GetFont();
    if (slot == BUTTON_HOVER) {
        font.style |= FontStyleUnderline;
    }
    MRender::DrawTextW(dc, GetDrawnTitle(), font, rect, GetStateColor(slot),
        StringFormat::FromDT(m_hAlign, m_vAlign, StringFormatFlagsNoWrap | StringFormatFlagsMeasureTrailingSpaces));
}

LUMO_REGISTER_CONTROL(CTextButton, kWindowFactory | kContainerFactory)

} // namespace lumo
