#include "lumoui/MComboBox.h"
#include "controls/ComboFace.h"
#include "lumoui/CComboBoxWnd.h"
#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"
#include "lumoui/WindowApi.h"

#include <algorithm>

namespace lumo {

LUMO_REGISTER_CONTROL(MComboBox, kWindowFactory | kContainerFactory)

namespace {

constexpr int kTextInset = 6;
constexpr ARGB kGreyText = 0xFF808080;
constexpr UINT kModAlt = 18;

} // namespace

MComboBox::MComboBox(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_states.Enable(enabled != 0);
    SetCursor(IDC_HAND);
}

MComboBox::~MComboBox() = default;

// Items ---------------------------------------------------------------------------------------------

int MComboBox::AddItem(const std::string& text, long data, const std::string& secondText, ARGB colour)
{
    return InsertItem(-1, text, data, secondText, colour);
}

int MComboBox::InsertItem(
    int index, const std::string& text, long data, const std::string& secondText, ARGB colour)
{
    if (index < -1 || index >= GetItemCount()) {
        return -1;
    }
    ComboItem item { text, secondText, colour, data, CRect() };
    if (index == -1) {
        m_items.push_back(std::move(item));
        return GetItemCount() - 1;
    }
    m_items.insert(m_items.begin() + index, std::move(item));
    if (m_curSel >= index) {
        ++m_curSel;
    }
    return index;
}

bool MComboBox::DeleteItem(int index)
{
    if (!IsIndex(index)) {
        return false;
    }
    m_items.erase(m_items.begin() + index);
    if (m_curSel == index) {
        SetCurSel(-1);
    } else if (m_curSel > index) {
        --m_curSel;
    }
    return true;
}

void MComboBox::DelAllItems()
{
    m_items.clear();
    m_curSel = -1;
    SetTitle("");
    UpdateControl(false);
}

std::string MComboBox::GetItemText(int index) const
{
    return IsIndex(index) ? m_items[index].text : std::string();
}

bool MComboBox::SetItemText(int index, const std::string& text)
{
    if (!IsIndex(index)) {
        return false;
    }
    if (m_items[index].text != text) {
        m_items[index].text = text;
        if (index == m_curSel) {
            ShowSelection();
        }
    }
    return true;
}

bool MComboBox::SetItemData(int index, long data)
{
    if (!IsIndex(index)) {
        return false;
    }
    m_items[index].data = data;
    return true;
}

long MComboBox::GetItemData(int index) const
{
    return IsIndex(index) ? m_items[index].data : 0;
}

int MComboBox::FindData(long data) const
{
    auto it
        = std::find_if(m_items.begin(), m_items.end(), [&](const ComboItem& i) { return i.data == data; });
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

// Selection --------------------------------------------------------------------------------------------

void MComboBox::ShowSelection()
{
    SetTitle(IsIndex(m_curSel) ? m_items[m_curSel].text : std::string());
}

bool MComboBox::SetCurSel(int index)
{
    if (index != -1 && !IsIndex(index)) {
        return false;
    }
    m_curSel = index;
    ShowSelection();
    return true;
}

long MComboBox::GetCurData() const
{
    return IsIndex(m_curSel) ? m_items[m_curSel].data : 0;
}

bool MComboBox::SelectData(long data)
{
    int index = FindData(data);
    return index >= 0 && SetCurSel(index);
}

// Drop-down ---------------------------------------------------------------------------------------------

bool MComboBox::OpenDropDown()
{
    HWND owner = m_manager ? m_manager->GetHWND() : nullptr;
    if (m_open || !IsEnabled() || !IsVisible() || m_items.empty() || !IsWindow(owner)) {
        return false;
    }
    CPoint topLeft = m_rect.TopLeft();
    ClientToScreen(owner, &topLeft);
    CRect screen(topLeft, m_rect.Size());
    // A closed drop-down is replaced by a fresh one; the old object is done with by now.
    m_dropDown = std::make_unique<CComboBoxWnd>(this);
    CComboBoxWnd::Options options;
    options.items = m_items;
    options.curSel = m_curSel;
    options.font = GetFont();
    options.textColor = m_textColor;
    options.backImage = m_backImage;
    options.scrollResID = m_scrollResID;
    m_open = true;
    if (!m_dropDown->Open(owner, screen, std::move(options))) {
        m_open = false;
        m_dropDown.reset();
        return false;
    }
    UpdateControl(false);
    return true;
}

void MComboBox::CloseDropDown()
{
    if (m_open && m_dropDown) {
        m_dropDown->DestroyWindow();
    }
}

LRESULT MComboBox::OnMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    if (code == NOTIFY_CLICK && lParam == CComboBoxList::kChosen) {
        int index = static_cast<int>(wParam);
        if (SetCurSel(index)) {
            SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(index), 0);
        }
        return 0;
    }
    if (code == NOTIFY_POPUPCLOSED) {
        m_open = false;
        m_states.Enable(IsEnabled());
        UpdateControl(false);
        return 0;
    }
    return MControlFont::OnMessage(controlID, code, wParam, lParam);
}

int MComboBox::GetState() const
{
    if (!IsEnabled()) {
        return 3;
    }
    return m_open ? 2 : m_states.State();
}

CRect MComboBox::GetTextRect() const
{
    return CRect(m_rect.left + kTextInset, m_rect.top, m_rect.right - comboface::kArrowWidth, m_rect.bottom);
}

void MComboBox::DrawControl(HDC& hdc, CRect)
{
    comboface::DrawCachedFace(*this, hdc, GetState());
    if (!m_title.empty()) {
        MRender::DrawTextW(hdc, m_title, GetFont(), GetTextRect(), IsEnabled() ? m_textColor : kGreyText,
            StringFormat::FromDT(m_hAlign, DT_VCENTER, StringFormatFlagsNoWrap));
    }
}

void MComboBox::SetControlVisible(bool visible)
{
    if (!visible) {
        CloseDropDown();
    }
    MControlFont::SetControlVisible(visible);
}

void MComboBox::SetControlEnabled(bool enabled)
{
    if (!enabled) {
        CloseDropDown();
    }
    m_states.Enable(enabled);
    MControlFont::SetControlEnabled(enabled);
    UpdateControl(false);
}

// Input
// ------------------------------------------------------------------------------------------------------

bool MComboBox::OnControlMouseMove(UINT, CPoint pt)
{
    bool inside = m_rect.PtInRect(pt);
    if (m_states.Move(IsEnabled(), inside)) {
        UpdateControl(false);
    }
    return inside;
}

bool MComboBox::OnControlLButtonDown(UINT, CPoint pt)
{
    bool started = m_states.Press(IsEnabled(), m_rect.PtInRect(pt));
    if (started) {
        UpdateControl(false);
    }
    return started;
}

bool MComboBox::OnControlLButtonUp(UINT, CPoint pt)
{
    bool inside = m_rect.PtInRect(pt);
    bool changed = false;
    bool click = m_states.Release(IsEnabled(), inside, &changed);
    if (changed) {
        UpdateControl(false);
    }
    if (click) {
        OpenDropDown();
    }
    return true;
}

bool MComboBox::OnControlKeyDown(UINT vk, UINT repeat, UINT flags)
{
    bool opens = vk == VK_SPACE || vk == VK_RETURN || vk == VK_F4 || (vk == VK_DOWN && flags == kModAlt);
    if (opens && IsFocused() && IsEnabled() && !m_open) {
        OpenDropDown();
        return true;
    }
    return MControlFont::OnControlKeyDown(vk, repeat, flags);
}

} // namespace lumo
