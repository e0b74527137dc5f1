#include "lumoui/MButton.h"

#include "controls/SlotCache.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"
#include "lumoui/WindowApi.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr int kIconGap = 5;

} // namespace

MButton::MButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_title = title ? title : "";
    m_hAlign = DT_CENTER;
    m_vAlign = DT_VCENTER;
    m_state = enabled ? BUTTON_NORMAL : BUTTON_DISABLED;
}

bool MButton::SetIconImage(const std::string& fileName, int count)
{
    if (!m_icon.Load(m_manager, fileName, count)) {
        return false;
    }
    UpdateControl(true);
    return true;
}

void MButton::SetState(int state)
{
    if (state == m_state) {
        return;
    }
    bool wasHot = IsHot();
    m_state = state;
    UpdateControl(false);
    if (wasHot != IsHot()) {
        OnHoverChanged(IsHot());
    }
}

void MButton::OnPress() { SendMessageW(NOTIFY_PRESS, 0, 0); }
void MButton::OnClick() { SendMessageW(NOTIFY_CLICK, 0, 0); }
void MButton::OnHoverChanged(bool) { }

bool MButton::OnControlMouseMove(UINT, CPoint pt)
{
    bool inside = GetRect().PtInRect(pt);
    if (!IsEnabled() || m_state == BUTTON_PRESSED) {
        return inside;
    }
    int state = inside ? BUTTON_HOVER : BUTTON_NORMAL;
    if (inside) {
        ::lumo::SetCursor(IDC_HAND);
    } else if (m_state != state) {
        // Only the control the mouse just left resets the cursor; every other control also
        // sees this move and must not undo the hand cursor of the one under the mouse.
        ::lumo::SetCursor(IDC_ARROW);
    }
    SetState(state);
    return inside;
}

bool MButton::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!GetRect().PtInRect(pt)) {
        return false;
    }
    if (!IsEnabled()) {
        return true;
    }
    ::lumo::SetCursor(IDC_HAND);
    SetState(BUTTON_PRESSED);
    OnPress();
    return true;
}

bool MButton::OnControlLButtonUp(UINT, CPoint pt)
{
    if (!IsEnabled()) {
        return false;
    }
    bool pressed = m_state == BUTTON_PRESSED;
    if (GetRect().PtInRect(pt)) {
        SetState(BUTTON_HOVER);
        if (pressed) {
            OnClick();
        }
    } else {
        SetState(BUTTON_NORMAL);
    }
    return true;
}

void MButton::SetControlEnabled(bool enabled)
{
    MControlFont::SetControlEnabled(enabled);
    bool wasHot = IsHot();
    m_state = enabled ? BUTTON_NORMAL : BUTTON_DISABLED;
    if (wasHot) {
        OnHoverChanged(false);
    }
}

void MButton::DrawControl(HDC& hdc, CRect)
{
    DrawSlotCache(*this, hdc, GetSlotCount(), GetShownSlot(),
        [this](HDC dc, int slot, const CRect& rect) { DrawSlot(dc, slot, rect); });
}

void MButton::DrawSlot(HDC dc, int slot, const CRect& rect)
{
    DrawSlice(dc, slot, rect, kFrameEdge);
    CRect text = rect;
    if (slot == BUTTON_PRESSED) {
        text.OffsetRect(1, 1);
    }
    DrawIconAndTitle(dc, slot, text, slot == BUTTON_DISABLED ? kDisabledText : m_textColor);
}

void MButton::DrawIconAndTitle(HDC dc, int slot, const CRect& rect, ARGB color) const
{
    const std::string title = GetDrawnTitle();
    const UINT flags = StringFormatFlagsNoWrap | StringFormatFlagsMeasureTrailingSpaces;
    if (!m_icon.IsLoaded()) {
        MRender::DrawTextW(dc, title, GetFont(), rect, color, StringFormat::FromDT(m_hAlign, m_vAlign, flags));
        return;
    }
    const CSize icon = m_icon.GetSliceSize();
    CSize text = title.empty() ? CSize() : MRender::GetTextBounds(title, GetFont());
    int gap = title.empty() ? 0 : kIconGap;
    CSize group(icon.cx + gap + text.cx, std::max(icon.cy, text.cy));
    CPoint at = MRender::GetOriginPoint(rect, group, m_hAlign, m_vAlign);
    m_icon.DrawAt(dc, slot, CPoint(at.x, at.y + (group.cy - icon.cy) / 2));
    if (!title.empty()) {
        CRect textRect(at.x + icon.cx + gap, rect.top, rect.right, rect.bottom);
        MRender::DrawTextW(dc, title, GetFont(), textRect, color, StringFormat::FromDT(DT_LEFT, m_vAlign, flags));
    }
}

LUMO_REGISTER_CONTROL(MButton, kWindowFactory | kContainerFactory)

} // namespace lumo
