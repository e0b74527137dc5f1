#include "lumoui/MListBox.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MImageList.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/Messages.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr ARGB kHoverVeil = 0x20FFFFFF;
constexpr ARGB kEditBack = 0xFF061835;
constexpr int kMargin = 4;

} // namespace

MListBox::MListBox(MObject* parent, UINT id, CRect rect, int visible)
    : MPanel(parent, id, rect, visible)
{
    SetDblClk(true);
}

MListBox::~MListBox() = default;

// Rows --------------------------------------------------------------------------------------------

int MListBox::AddString(const std::string& text, int image)
{
    return InsertString(-1, text, image);
}

int MListBox::InsertString(int index, const std::string& text, int image)
{
    {
        std::lock_guard lock(m_itemLock);
        int count = static_cast<int>(m_items.size());
        if (index == -1) {
            index = count;
        } else if (index < 0 || index > count) {
            return -1;
        }
        m_items.insert(m_items.begin() + index, ListBoxItem { text, image, 0 });
        if (m_sel >= index) {
            ++m_sel;
        }
    }
    RowsChanged();
    return index;
}

bool MListBox::DeleteItem(int index)
{
    {
        std::lock_guard lock(m_itemLock);
        if (!IsIndex(index)) {
            return false;
        }
        if (m_editIndex == index) {
            m_editor.End(EditEnd::Closed);
        }
        m_items.erase(m_items.begin() + index);
        m_sel = m_sel == index ? -1 : m_sel > index ? m_sel - 1 : m_sel;
        m_hover = -1;
    }
    RowsChanged();
    return true;
}

void MListBox::DeleteAllItems()
{
    m_editor.End(EditEnd::Closed);
    {
        std::lock_guard lock(m_itemLock);
        m_items.clear();
        m_sel = -1;
        m_hover = -1;
    }
    RowsChanged();
}

int MListBox::GetItemCount() const
{
    std::lock_guard lock(m_itemLock);
    return static_cast<int>(m_items.size());
}

bool MListBox::SetCurSel(int index)
{
    std::lock_guard lock(m_itemLock);
    if (index != -1 && !IsIndex(index)) {
        return false;
    }
    if (index != m_sel) {
        m_sel = index;
        UpdateControl(false);
    }
    return true;
}

bool MListBox::SetItemData(int index, long data)
{
    std::lock_guard lock(m_itemLock);
    if (!IsIndex(index)) {
        return false;
    }
    m_items[index].data = data;
    return true;
}

long MListBox::GetItemData(int index) const
{
    std::lock_guard lock(m_itemLock);
    return IsIndex(index) ? m_items[index].data : 0;
}

bool MListBox::ModifyItemString(int index, const std::string& text)
{
    {
        std::lock_guard lock(m_itemLock);
        if (!IsIndex(index)) {
            return false;
        }
        m_items[index].text = text;
    }
    UpdateControl(false);
    return true;
}

std::string MListBox::GetItemText(int index) const
{
    std::lock_guard lock(m_itemLock);
    return IsIndex(index) ? m_items[index].text : std::string();
}

int MListBox::FindString(const std::string& text) const
{
    std::lock_guard lock(m_itemLock);
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].text == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool MListBox::SwapItem(int a, int b)
{
    {
        std::lock_guard lock(m_itemLock);
        if (a == b || !IsIndex(a) || !IsIndex(b)) {
            return false;
        }
        std::swap(m_items[a], m_items[b]);
    }
    UpdateControl(false);
    return true;
}

void MListBox::SetItemHeight(int height)
{
    m_itemHeight = std::max(1, height);
    RowsChanged();
}

void MListBox::SetImageList(MImageList* list)
{
    m_imageList = list;
    UpdateControl(false);
}

void MListBox::RowsChanged()
{
    SetVirtualSize(0, GetItemCount() * m_itemHeight);
}

void MListBox::SetControlRect(CRect rect)
{
    m_editor.End(EditEnd::Closed);
    MPanel::SetControlRect(rect);
}

// Geometry ----------------------------------------------------------------------------------------

CRect MListBox::GetItemRect(int index) const
{
    if (index < 0 || index >= GetItemCount()) {
        return CRect();
    }
    CRect view = GetViewRect();
    int top = view.top + index * m_itemHeight - GetScrollOffset().y;
    return CRect(view.left, top, view.right, top + m_itemHeight);
}

int MListBox::ItemFromPoint(CPoint pt) const
{
    CRect view = GetViewRect();
    if (!view.PtInRect(pt)) {
        return -1;
    }
    int index = (pt.y - view.top + GetScrollOffset().y) / m_itemHeight;
    return index < GetItemCount() ? index : -1;
}

int MListBox::TextLeft() const
{
    return kMargin * 2 + (m_imageList ? m_itemHeight - kMargin : 0);
}

CRect MListBox::TextRect(int index) const
{
    CRect r = GetItemRect(index);
    r.left += TextLeft();
    r.right -= kMargin;
    return r;
}

// Renaming ----------------------------------------------------------------------------------------

bool MListBox::ShowEdit()
{
    if (!m_editEnabled || !IsEnabled() || !IsIndex(m_sel)) {
        return false;
    }
    m_editor.SetFont(GetFont());
    m_editor.SetTextColor(m_textColor);
    m_editor.SetBackColor(kEditBack);
    m_editIndex = m_sel;
    if (!m_editor.Begin(TextRect(m_sel), GetItemText(m_sel), true)) {
        m_editIndex = -1;
        return false;
    }
    UpdateControl(false);
    return true;
}

void MListBox::OnEditorEnded(InlineEditor& editor, EditEnd how)
{
    int index = m_editIndex;
    m_editIndex = -1;
    if (how == EditEnd::Escape || !IsIndex(index) || editor.GetText() == GetItemText(index)) {
        UpdateControl(false);
        return;
    }
    ModifyItemString(index, editor.GetText());
    SendMessageW(NOTIFY_EDITEND, 0, index);
}

LRESULT MListBox::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return m_editor.OnWindowMessage(msg, wParam, lParam) ? 1 : MPanel::OnWindowMessage(msg, wParam, lParam);
}

void MListBox::SetControlVisible(bool visible)
{
    if (!visible) {
        m_editor.End(EditEnd::Closed);
    }
    MPanel::SetControlVisible(visible);
}

void MListBox::SetControlWndVisible(bool visible)
{
    // The page the list is on was hidden.
    if (!visible) {
        m_editor.End(EditEnd::Closed);
    }
    MPanel::SetControlWndVisible(visible);
}

void MListBox::SetControlEnabled(bool enabled)
{
    if (!enabled) {
        m_editor.End(EditEnd::Closed);
    }
    MPanel::SetControlEnabled(enabled);
}

bool MListBox::SetControlFocus(bool focus)
{
    if (!focus) {
        m_editor.End(EditEnd::FocusLost);
    }
    return MPanel::SetControlFocus(focus);
}

// Input -------------------------------------------------------------------------------------------

LRESULT MListBox::OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    // The editor stays over its row only while nothing scrolls.
    if (code == NOTIFY_POSITION && controlID == 1) {
        m_editor.End(EditEnd::Closed);
    }
    return MPanel::OnBaseMessage(controlID, code, wParam, lParam);
}

bool MListBox::OnControlScroll(bool vertical, UINT down, CPoint pt)
{
    m_editor.End(EditEnd::Closed);
    return MPanel::OnControlScroll(vertical, down, pt);
}

bool MListBox::OnControlMouseMove(UINT flags, CPoint pt)
{
    if (m_editor.OnMouseMove(flags, pt)) {
        return true;
    }
    int hover = IsEnabled() ? ItemFromPoint(pt) : -1;
    if (hover != m_hover) {
        m_hover = hover;
        UpdateControl(false);
    }
    return m_rect.PtInRect(pt);
}

bool MListBox::OnControlLButtonDown(UINT flags, CPoint pt)
{
    if (m_editor.OnLButtonDown(flags, pt)) {
        return true;
    }
    m_editor.End(EditEnd::Closed);
    int index = IsEnabled() ? ItemFromPoint(pt) : -1;
    if (index < 0) {
        return false;
    }
    if (index != m_sel) {
        m_sel = index;
        UpdateControl(false);
    }
    SendMessageW(NOTIFY_PRESS, static_cast<WPARAM>(index), 0);
    return true;
}

bool MListBox::OnControlLButtonUp(UINT flags, CPoint pt)
{
    return m_editor.OnLButtonUp(flags, pt);
}

bool MListBox::OnControlLButtonDblClk(UINT flags, CPoint pt)
{
    if (m_editor.HitTest(pt) && m_editor.IsActive()) {
        return m_editor.OnLButtonDown(flags, pt);
    }
    int index = IsEnabled() ? ItemFromPoint(pt) : -1;
    if (index < 0) {
        return false;
    }
    SendMessageW(NOTIFY_DBLCLK, static_cast<WPARAM>(index), 0);
    return true;
}

bool MListBox::OnControlRButtonUp(UINT, CPoint pt)
{
    if (!IsEnabled()) {
        return false;
    }
    int index = ItemFromPoint(pt);
    if (index != m_sel) {
        m_sel = index;
        UpdateControl(false);
    }
    if (index >= 0) {
        SendMessageW(NOTIFY_RCLICK, static_cast<WPARAM>(index), 0);
    }
    return index >= 0;
}

// Drawing -----------------------------------------------------------------------------------------

void MListBox::DrawControl(HDC& hdc, CRect)
{
    CRect view = GetViewRect();
    if (view.IsRectEmpty()) {
        return;
    }
    cairo_save(hdc);
    cairo_rectangle(hdc, view.left, view.top, view.Width(), view.Height());
    cairo_clip(hdc);
    std::lock_guard lock(m_itemLock);
    int offset = GetScrollOffset().y;
    int first = std::max(0, offset / m_itemHeight);
    int last = std::min(static_cast<int>(m_items.size()) - 1, (view.Height() + offset) / m_itemHeight);
    StringFormat format = StringFormat::FromDT(DT_LEFT, DT_VCENTER, StringFormatFlagsNoWrap);
    for (int i = first; i <= last; ++i) {
        CRect row = GetItemRect(i);
        if (i == m_sel) {
            MRender::FillSolidRect(hdc, row, Manager::GetSelectColor());
        } else if (i == m_hover) {
            MRender::DrawColor(hdc, row, kHoverVeil);
        }
        if (m_imageList && m_items[i].image >= 0) {
            int side = m_itemHeight - 2 * kMargin;
            CRect icon(
                row.left + kMargin, row.top + kMargin, row.left + kMargin + side, row.top + kMargin + side);
            m_imageList->DrawItemIcon(hdc, icon, m_items[i].image);
        }
        if (!(m_editor.IsActive() && i == m_editIndex)) {
            MRender::DrawTextW(hdc, m_items[i].text, GetFont(), TextRect(i), m_textColor, format);
        }
    }
    cairo_restore(hdc);
    m_editor.Draw(hdc);
}

} // namespace lumo

LUMO_REGISTER_CONTROL_AS(lumo::MListBox, "MListBox", lumo::kWindowFactory | lumo::kContainerFactory)
