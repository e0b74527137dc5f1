#include "lumoui/CCheckButton.h"

#include "lumoui/MRender.h"
#include "lumoui/Messages.h"

namespace lumo {

CCheckButton::CCheckButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled)
{
    m_hAlign = DT_LEFT;
    m_sliceCount = kCheckStateCount;
}

bool CCheckButton::SetCheck(bool check)
{
    if (IsEnabled()) {
        ApplyCheck(check);
    }
    return m_check;
}

void CCheckButton::ApplyCheck(bool check) { SetCheckFlag(check); }

void CCheckButton::SetCheckFlag(bool check)
{
    if (check != m_check) {
        m_check = check;
        UpdateControl(false);
    }
}

void CCheckButton::Activate() { ApplyCheck(!m_check); }

void CCheckButton::OnClick()
{
    Activate();
    SendMessageW(NOTIFY_CLICK, 0, 0);
}

bool CCheckButton::OnControlKeyDown(UINT vk, UINT repeat, UINT flags)
{
    bool space = vk == VK_SPACE && flags == 0 && IsFocused();
    if (!space && !MButton::OnControlKeyDown(vk, repeat, flags)) {
        return false;
    }
    if (!IsEnabled()) {
        return false;
    }
    Activate();
    SendMessageW(NOTIFY_CHECK, 0, m_check ? 1 : 0);
    return true;
}

void CCheckButton::DrawSlot(HDC dc, int slot, const CRect& rect)
{
    CSize slice = GetImageSize();
    int textLeft = rect.left;
    if (GetImage()) {
        DrawSliceAt(dc, slot, CPoint(rect.left, rect.top + (rect.Height() - slice.cy) / 2));
        textLeft += slice.cx + kTitleGap;
    }
    bool disabled = slot % kButtonStateCount == BUTTON_DISABLED;
    CRect text(textLeft, rect.top, rect.right, rect.bottom);
    MRender::DrawTextW(dc, GetDrawnTitle(), GetFont(), text, disabled ? kDisabledCheckText : m_textColor,
        StringFormat::FromDT(DT_LEFT, DT_VCENTER, StringFormatFlagsNoWrap | StringFormatFlagsMeasureTrailingSpaces));
}

LUMO_REGISTER_CONTROL(CCheckButton, kWindowFactory | kContainerFactory)

} // namespace lumo
