#include "lumoui/CComboBoxList.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/PaintManager.h"

#include <algorithm>

namespace lumo {

LUMO_REGISTER_CONTROL(CComboBoxList, kWindowFactory)

namespace {

constexpr int kThumbWidth = 6;
constexpr int kMinThumb = 16;
constexpr int kTextInset = 8;
constexpr int kSwatch = 14;
constexpr ARGB kSecondText = 0xFF9A9A9A;
constexpr ARGB kCurrentMark = 0x80285055;
constexpr ARGB kTrack = 0x40FFFFFF;
constexpr ARGB kThumb = 0xC0808080;

} // namespace

CComboBoxList::CComboBoxList(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
}

void CComboBoxList::InitControl(PaintManager* manager)
{
    m_thumbImage = manager ? manager->AddImgResInfo(manager->GetScrollVID(), "PNG", 4) : nullptr;
}

void CComboBoxList::SetItems(std::vector<ComboItem> items)
{
    m_items = std::move(items);
    m_curSel = m_hot = -1;
    m_top = 0;
    UpdateControl(true);
}

int CComboBoxList::VisibleRows() const
{
    return std::max(1, m_rect.Height() / kRowHeight);
}

void CComboBoxList::SetTopIndex(int index)
{
    int top = std::clamp(index, 0, std::max(0, GetItemCount() - VisibleRows()));
    if (top != m_top) {
        m_top = top;
        UpdateControl(false);
    }
}

void CComboBoxList::SetHotItem(int index)
{
    if (GetItemCount() == 0) {
        return;
    }
    index = std::clamp(index, 0, GetItemCount() - 1);
    if (index < m_top) {
        SetTopIndex(index);
    } else if (index >= m_top + VisibleRows()) {
        SetTopIndex(index - VisibleRows() + 1);
    }
    if (index != m_hot) {
        m_hot = index;
        UpdateControl(false);
    }
}

void CComboBoxList::SetCurSel(int index)
{
    m_curSel = index >= 0 && index < GetItemCount() ? index : -1;
    if (m_curSel >= 0) {
        SetHotItem(m_curSel);
    }
    UpdateControl(false);
}

int CComboBoxList::RowsWidth() const
{
    return m_rect.Width() - (HasThumb() ? kThumbWidth + 2 : 0);
}

int CComboBoxList::ItemAt(CPoint pt) const
{
    if (pt.x < m_rect.left || pt.x >= m_rect.left + RowsWidth() || pt.y < m_rect.top
        || pt.y >= m_rect.bottom) {
        return -1;
    }
    int index = m_top + (pt.y - m_rect.top) / kRowHeight;
    return index < GetItemCount() ? index : -1;
}

CRect CComboBoxList::GetThumbRect() const
{
    if (!HasThumb()) {
        return CRect();
    }
    int track = m_rect.Height();
    int count = GetItemCount();
    int length = std::max(kMinThumb, track * VisibleRows() / count);
    int range = count - VisibleRows();
    int top = m_rect.top + (track - length) * m_top / std::max(1, range);
    return CRect(m_rect.right - kThumbWidth, top, m_rect.right, top + length);
}

void CComboBoxList::Choose(int index)
{
    if (index >= 0 && index < GetItemCount()) {
        SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(index), kChosen);
    }
}

// Drawing -------------------------------------------------------------------------------------

void CComboBoxList::DrawRow(HDC hdc, int index, const CRect& row)
{
    ComboItem& item = m_items[static_cast<size_t>(index)];
    item.rect = row;
    if (index == m_hot) {
        MRender::FillSolidRect(hdc, row, Manager::GetSelectColor());
    } else if (index == m_curSel) {
        MRender::DrawColor(hdc, row, kCurrentMark);
    }
    CRect text = row;
    text.DeflateRect(kTextInset, 0);
    if ((item.colour >> 24) != 0) {
        CRect swatch(text.left, row.top + (row.Height() - kSwatch) / 2, text.left + kSwatch,
            row.top + (row.Height() + kSwatch) / 2);
        MRender::FillSolidRect(hdc, swatch, item.colour);
        text.left = swatch.right + kTextInset;
    }
    UINT flags = StringFormatFlagsNoWrap;
    if (!item.secondText.empty()) {
        MRender::DrawTextW(hdc, item.secondText, GetFont(), text, kSecondText,
            StringFormat::FromDT(DT_RIGHT, DT_VCENTER, flags));
        text.right -= MRender::GetTextBounds(item.secondText, GetFont()).cx + kTextInset;
    }
    MRender::DrawTextW(
        hdc, item.text, GetFont(), text, m_textColor, StringFormat::FromDT(DT_LEFT, DT_VCENTER, flags));
}

void CComboBoxList::DrawThumb(HDC hdc)
{
    CRect thumb = GetThumbRect();
    if (thumb.IsRectEmpty()) {
        return;
    }
    MRender::FillSolidRect(hdc, CRect(thumb.left, m_rect.top, thumb.right, m_rect.bottom), kTrack);
    // The window's scroll picture when there is one, else a plain bar.
    const ImgResInfo* info = m_thumbImage;
    if (info && info->image) {
        int state = m_draggingThumb ? 2 : 0;
        MRender::DrawImageFrame(hdc, info->image.get(), thumb, state * info->sliceWidth, 0, info->sliceWidth,
            info->sliceHeight, std::min(thumb.Width(), info->sliceWidth) / 2);
    } else {
        MRender::FillSolidRect(hdc, thumb, kThumb);
    }
}

void CComboBoxList::DrawControl(HDC& hdc, CRect)
{
    cairo_save(hdc);
    cairo_rectangle(hdc, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height());
    cairo_clip(hdc);
    int width = RowsWidth();
    int last = std::min(GetItemCount(), m_top + VisibleRows() + 1);
    for (auto& item : m_items) {
        item.rect = CRect();
    }
    for (int i = m_top; i < last; ++i) {
        int y = m_rect.top + (i - m_top) * kRowHeight;
        DrawRow(hdc, i, CRect(m_rect.left, y, m_rect.left + width, y + kRowHeight));
    }
    DrawThumb(hdc);
    cairo_restore(hdc);
}

// Input ------------------------------------------------------------------------------------------

bool CComboBoxList::OnControlMouseMove(UINT, CPoint pt)
{
    if (m_draggingThumb) {
        int track = m_rect.Height() - GetThumbRect().Height();
        int range = GetItemCount() - VisibleRows();
        int y = pt.y - m_dragOffset - m_rect.top;
        SetTopIndex(track > 0 ? (y * range + track / 2) / track : 0);
        return true;
    }
    int row = ItemAt(pt);
    if (row >= 0 && row != m_hot) {
        m_hot = row;
        UpdateControl(false);
    }
    return m_rect.PtInRect(pt);
}

bool CComboBoxList::OnControlLButtonDown(UINT, CPoint pt)
{
    CRect thumb = GetThumbRect();
    if (thumb.PtInRect(pt)) {
        m_draggingThumb = true;
        m_dragOffset = pt.y - thumb.top;
        UpdateControl(false);
        return true;
    }
    if (HasThumb() && pt.x >= thumb.left) {
        SetTopIndex(m_top + (pt.y < thumb.top ? -VisibleRows() : VisibleRows()));
        return true;
    }
    m_pressedRow = ItemAt(pt);
    return true;
}

bool CComboBoxList::OnControlLButtonUp(UINT, CPoint pt)
{
    if (m_draggingThumb) {
        m_draggingThumb = false;
        UpdateControl(false);
        return true;
    }
    int row = ItemAt(pt);
    bool chosen = row >= 0 && row == m_pressedRow;
    m_pressedRow = -1;
    if (chosen) {
        Choose(row);
    }
    return true;
}

bool CComboBoxList::OnControlScroll(bool, UINT down, CPoint)
{
    int before = m_top;
    SetTopIndex(m_top + (down ? 1 : -1));
    return before != m_top || HasThumb();
}

bool CComboBoxList::OnControlKeyDown(UINT vk, UINT repeat, UINT flags)
{
    int page = VisibleRows();
    switch (vk) {
    case VK_UP:
        SetHotItem(m_hot < 0 ? 0 : m_hot - 1);
        return true;
    case VK_DOWN:
        SetHotItem(m_hot < 0 ? 0 : m_hot + 1);
        return true;
    case VK_PRIOR:
        SetHotItem(m_hot - page);
        return true;
    case VK_NEXT:
        SetHotItem(m_hot + page);
        return true;
    case VK_HOME:
        SetHotItem(0);
        return true;
    case VK_END:
        SetHotItem(GetItemCount() - 1);
        return true;
    case VK_RETURN:
    case VK_SPACE:
        Choose(m_hot);
        return true;
    default:
        return MControlFont::OnControlKeyDown(vk, repeat, flags);
    }
}

} // namespace lumo
