#include "lumoui/MenuItem.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MRender.h"
#include "lumoui/MenuWnd.h"

#include <algorithm>

namespace lumo {

namespace {
constexpr ARGB kTextColor = 0xFFFFFFFF;
constexpr ARGB kDisabledText = 0xFE808080;
constexpr ARGB kSeparatorColor = 0xFF555A60;
} // namespace

MenuItem::MenuItem(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_title = title ? title : "";
    m_state = enabled ? 0 : 3;
}

int MenuItem::SlotOfState() const
{
    if (m_separator) {
        return 0;
    }
    if (!IsEnabled()) {
        return 3;
    }
    if (m_checkable && m_check) {
        return m_hover ? 5 : 4;
    }
    return std::clamp(m_state, 0, 2);
}

void MenuItem::SetState(int state)
{
    if (state != m_state) {
        m_state = state;
        UpdateControl(false);
    }
}

void MenuItem::SetControlEnabled(bool enabled)
{
    MControlFont::SetControlEnabled(enabled);
    m_state = enabled ? 0 : 3;
}

void MenuItem::SetCheck(bool check)
{
    if (check != m_check) {
        m_check = check;
        UpdateControl(false);
    }
}

bool MenuItem::OnControlMouseMove(UINT, CPoint pt)
{
    if (!IsEnabled() || m_separator) {
        return false;
    }
    bool inside = GetRect().PtInRect(pt);
    m_hover = inside;
    SetState(inside ? (m_pressed ? 2 : 1) : 0);
    return inside;
}

bool MenuItem::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!IsEnabled() || m_separator || !GetRect().PtInRect(pt)) {
        return false;
    }
    m_pressed = true;
    SetState(2);
    if (m_checkable) {
        SendMessageW(NOTIFY_CHECK, m_check ? 1 : 0, 1);
    }
    return true;
}

bool MenuItem::OnControlLButtonUp(UINT, CPoint pt)
{
    bool wasPressed = m_pressed;
    m_pressed = false;
    bool inside = GetRect().PtInRect(pt);
    SetState(inside ? 1 : 0);
    if (!wasPressed || !inside || !IsEnabled() || m_separator) {
        return false;
    }
    if (m_checkable) {
        // Items of a group behave like radio buttons: a click selects, it never clears.
        if (!m_group.empty()) {
            UncheckGroup();
            SetCheck(true);
        } else {
            SetCheck(!m_check);
        }
        return true;
    }
    if (IsPopup()) {
        ShowPopupMenu();
        return true;
    }
    SendMessageW(NOTIFY_CLICK, 0, 0);
    return true;
}

void MenuItem::UncheckGroup()
{
    std::vector<MControl*> siblings;
    if (auto* owner = dynamic_cast<MControl*>(GetParantObject())) {
        siblings = owner->GetControls();
    } else if (m_manager) {
        siblings = m_manager->GetControls();
    }
    for (MControl* c : siblings) {
        auto* item = dynamic_cast<MenuItem*>(c);
        if (item && item != this && item->m_checkable && item->m_group == m_group) {
            item->SetCheck(false);
        }
    }
}

void MenuItem::ShowPopupMenu()
{
    if (!m_popup || !m_popup->GetSafeHwnd()) {
        return;
    }
    CPoint at(GetRect().right, GetRect().top);
    if (m_manager) {
        ClientToScreen(m_manager->GetHWND(), &at);
    }
    CRect r;
    m_popup->GetWindowRect(&r);
    m_popup->SetWindowPos(nullptr, at.x, at.y, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_popup->ShowWindow(SW_SHOWNA);
}

void MenuItem::RenderSlot(int slot, const CRect& cell)
{
    HDC dc = GetMemDC().GetDC();
    int w = cell.Width();
    int h = cell.Height();
    if (m_separator) {
        if (m_image) {
            int y = cell.top + (h - m_sliceHeight) / 2;
            MRender::DrawImageTiled(dc, m_image.get(), CRect(cell.left, y, cell.right, y + m_sliceHeight));
        } else {
            MRender::FillSolidRect(dc, CRect(cell.left, cell.top, cell.right, cell.top + 1), kSeparatorColor);
        }
        return;
    }
    bool hover = slot == 1 || slot == 5 || (slot == 2 && !m_checkable);
    if (hover) {
        CRect band(cell.left + m_frameWidth, cell.top, cell.right - m_frameWidth, cell.bottom);
        if (m_itemBack) {
            MRender::DrawImage(dc, m_itemBack.get(), band, 0, 0, m_itemBack->GetWidth(), m_itemBack->GetHeight());
        } else {
            MRender::FillSolidRect(dc, band, m_hoverColor);
        }
    }
    if (m_image && m_sliceWidth > 0) {
        int slices = std::max(1, m_image->GetWidth() / m_sliceWidth);
        int slice = slot < slices ? slot : 0;
        int x = cell.left + (m_textOffset - m_sliceWidth) / 2;
        int y = cell.top + (h - m_sliceHeight) / 2;
        MRender::DrawImage(dc, m_image.get(), CRect(x, y, x + m_sliceWidth, y + m_sliceHeight), slice * m_sliceWidth, 0,
            m_sliceWidth, m_sliceHeight);
    } else if (m_checkImage && slot >= 4) {
        int x = cell.left + (m_textOffset - m_checkImage->GetWidth()) / 2;
        MRender::DrawImage(dc, m_checkImage.get(), x, cell.top + (h - m_checkImage->GetHeight()) / 2);
    }
    CRect text(cell.left + m_textOffset, cell.top, cell.left + w, cell.bottom);
    MRender::DrawTextW(dc, m_title, GetFont(), text, slot == 3 ? kDisabledText : kTextColor,
        StringFormat::FromDT(DT_LEFT, m_vAlign, StringFormatFlagsNoWrap | StringFormatFlagsMeasureTrailingSpaces));
}

void MenuItem::DrawControl(HDC& hdc, CRect)
{
    CRect r = GetRect();
    if (r.IsRectEmpty()) {
        return;
    }
    int w = r.Width();
    int slots = Slots();
    if (!GetUpdate() || GetMemDC().Width() != w * slots || GetMemDC().Height() != r.Height()) {
        UpdateMemDC(hdc, w * slots, r.Height());
        for (int i = 0; i < slots; ++i) {
            // Each rendering starts from the menu background under the item.
            CopyBackground(hdc, GetMemDC(), i * w, 0);
            RenderSlot(i, CRect(i * w, 0, (i + 1) * w, r.Height()));
        }
    }
    MRender::BitBlt(hdc, r.left, r.top, w, r.Height(), GetMemDC().GetSurface(), SlotOfState() * w, 0);
}

LUMO_REGISTER_CONTROL(MenuItem, kWindowFactory | kContainerFactory)

} // namespace lumo
