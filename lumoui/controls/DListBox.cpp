#include "lumoui/DListBox.h"
#include "lumoui/MImageList.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"

#include <algorithm>
#include <utility>

namespace lumo {

LUMO_REGISTER_CONTROL(DListBox, kContainerFactory)

namespace {

constexpr int kEditSlices = 4;
// The edit image reaches 3 pixels left of the text and stops 6 pixels short of the right.
constexpr int kEditFrameLeft = 3;
constexpr int kEditFrameRight = 6;
// The edit background fills the frame inside its 1-pixel border.
constexpr int kEditFrameBorder = 1;
// The editor's text sits inside the frame, starting where the row's text starts.
constexpr int kEditInsetY = 4;
constexpr int kEditInsetRight = 4;

} // namespace

DListBox::DListBox(MObject* parent, UINT id, CRect rect, int visible)
    : RowList(parent, id, rect, visible, kRowHeight)
{
    // The row draws the field's background (DrawRow), wider than the text on both sides.
    m_editor.SetBackColor(0);
}

DListBox::~DListBox() = default;

// Rows --------------------------------------------------------------------------------------------

int DListBox::GetItemCount() const
{
    std::lock_guard lock(RowLock());
    return static_cast<int>(m_items.size());
}

int DListBox::AddString(const std::string& text, long data, int imageIndex)
{
    return InsertString(-1, text, imageIndex, data);
}

int DListBox::AddString(const std::string& text, int imageIndex)
{
    return InsertString(-1, text, imageIndex, 0);
}

int DListBox::InsertString(int index, const std::string& text, int imageIndex, long data)
{
    {
        std::lock_guard lock(RowLock());
        if (index < -1 || index >= static_cast<int>(m_items.size())) {
            return -1;
        }
        Item item { text, imageIndex, data, CRect() };
        if (index == -1) {
            m_items.push_back(std::move(item));
            index = static_cast<int>(m_items.size()) - 1;
        } else {
            m_items.insert(m_items.begin() + index, std::move(item));
        }
    }
    RowInserted(index);
    return index;
}

bool DListBox::ModifyItemString(int index, const std::string& text)
{
    {
        std::lock_guard lock(RowLock());
        if (!IsRow(index)) {
            return false;
        }
        m_items[static_cast<size_t>(index)].text = text;
    }
    // Callers put a refused name back this way; the row must show it.
    UpdateControl(true);
    return true;
}

std::string DListBox::GetItemText(int index) const
{
    std::lock_guard lock(RowLock());
    return IsRow(index) ? m_items[static_cast<size_t>(index)].text : std::string();
}

bool DListBox::SetItemData(int index, long data)
{
    std::lock_guard lock(RowLock());
    if (!IsRow(index)) {
        return false;
    }
    m_items[static_cast<size_t>(index)].data = data;
    return true;
}

long DListBox::GetItemData(int index) const
{
    std::lock_guard lock(RowLock());
    return IsRow(index) ? m_items[static_cast<size_t>(index)].data : 0;
}

int DListBox::FindString(const std::string& text) const
{
    std::lock_guard lock(RowLock());
    auto it = std::find_if(m_items.begin(), m_items.end(), [&](const Item& i) { return i.text == text; });
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

int DListBox::FindItemData(long data) const
{
    std::lock_guard lock(RowLock());
    auto it = std::find_if(m_items.begin(), m_items.end(), [&](const Item& i) { return i.data == data; });
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void DListBox::EraseRow(int index)
{
    m_items.erase(m_items.begin() + index);
}

void DListBox::ClearRows()
{
    m_items.clear();
}

void DListBox::SwapRows(int a, int b)
{
    std::swap(m_items[static_cast<size_t>(a)], m_items[static_cast<size_t>(b)]);
}

// Selection -------------------------------------------------------------------------------------------

int DListBox::SetCurData(long data)
{
    int index = FindItemData(data);
    if (index >= 0) {
        SetCurSel(index);
    }
    return index;
}

long DListBox::GetCurData() const
{
    return GetItemData(m_sel);
}

// Look ------------------------------------------------------------------------------------------------

void DListBox::SetImageList(MImageList* list)
{
    m_imageList = list;
    UpdateControl(true);
}

bool DListBox::SetEditImage(const std::string& fileName)
{
    ImgResInfo* info = m_manager ? m_manager->AddImgResInfo(fileName, kEditSlices) : nullptr;
    if (!info) {
        return false;
    }
    m_editImage = info->image;
    m_editSlice = CSize(info->sliceWidth, info->sliceHeight);
    UpdateControl(true);
    return true;
}

// Editing ---------------------------------------------------------------------------------------------

void DListBox::EnableShowEdit(bool enable)
{
    m_showEdit = enable;
    if (!enable) {
        EndEdit();
    }
}

CRect DListBox::GetTextRect(int index) const
{
    CRect row = GetItemRect(index);
    if (row.IsRectEmpty()) {
        return row;
    }
    row.left += kImageColumn;
    return row;
}

CRect DListBox::EditRectOf(int index) const
{
    CRect text = GetTextRect(index);
    return CRect(text.left, text.top + kEditInsetY, text.right - kEditFrameRight - kEditInsetRight,
        text.bottom - kEditInsetY);
}

bool DListBox::ShowEdit()
{
    if (!m_showEdit || !IsEnabled() || !IsRow(m_sel)) {
        return false;
    }
    m_editor.SetFont(GetFont());
    m_editor.SetTextColor(m_textColor);
    m_editor.SetSelectionColor(Manager::GetSelectColor());
    return BeginEdit(m_sel, GetItemText(m_sel));
}

void DListBox::OnEditorEnded(InlineEditor& editor, EditEnd how)
{
    int row = TakeEditRow();
    if (row < 0 || how == EditEnd::Escape) {
        return;
    }
    {
        std::lock_guard lock(RowLock());
        if (!IsRow(row) || m_items[static_cast<size_t>(row)].text == editor.GetText()) {
            return;
        }
        m_items[static_cast<size_t>(row)].text = editor.GetText();
    }
    SendMessageW(NOTIFY_EDITEND, 0, row);
    UpdateControl(true);
}

// Mouse -----------------------------------------------------------------------------------------------

bool DListBox::OnControlLButtonDown(UINT flags, CPoint pt)
{
    if (!IsEnabled()) {
        return false;
    }
    if (EditorTakesPress(flags, pt)) {
        return true;
    }
    int row = HitTestRow(pt);
    if (row >= 0) {
        if (IsEditing() && row != GetEditItem()) {
            EndEdit();
        }
        Select(row);
        SendMessageW(NOTIFY_PRESS, static_cast<WPARAM>(row), 0);
    }
    UpdateControl(true);
    return true;
}

bool DListBox::OnControlLButtonUp(UINT flags, CPoint pt)
{
    if (EditorTakesRelease(flags, pt)) {
        return true;
    }
    if (!IsEnabled()) {
        return false;
    }
    int row = HitTestRow(pt);
    if (row >= 0) {
        Select(row);
        SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(row), 0);
    }
    return m_rect.PtInRect(pt);
}

bool DListBox::OnControlRButtonUp(UINT, CPoint pt)
{
    return RightRelease(pt, true);
}

// Drawing -----------------------------------------------------------------------------------------------

void DListBox::DrawRowImage(HDC dc, const Item& item, bool selected, const CRect& column) const
{
    if (m_imageList && item.imageIndex >= 0 && item.imageIndex < m_imageList->GetImageCount()) {
        CSize size = m_imageList->GetIconSize();
        CPoint at = MRender::GetOriginPoint(column, size, DT_CENTER, DT_VCENTER);
        m_imageList->DrawItemIcon(dc, CRect(at, size), item.imageIndex);
        return;
    }
    if (m_image && m_sliceWidth > 0) {
        int slice = std::min(selected ? 1 : 0, m_sliceCount - 1);
        DrawSliceAt(dc, slice, MRender::GetOriginPoint(column, GetImageSize(), DT_CENTER, DT_VCENTER));
    }
}

void DListBox::DrawRow(HDC dc, int index, const CRect& row)
{
    Item& item = m_items[static_cast<size_t>(index)];
    item.rect = row;
    bool selected = index == m_sel;
    if (selected || index == m_hover) {
        MRender::FillSolidRect(
            dc, CRect(row.left + 1, row.top, row.right - 1, row.bottom), Manager::GetSelectColor());
    }
    DrawRowImage(dc, item, selected, CRect(row.left, row.top, row.left + kImageColumn, row.bottom));
    CRect text(row.left + kImageColumn, row.top, row.right, row.bottom);
    if (index == GetEditItem()) {
        CRect frame(text.left - kEditFrameLeft, text.top, text.right - kEditFrameRight, text.bottom);
        if (m_editImage && m_editSlice.cx > 0) {
            MRender::DrawImageFrame(
                dc, m_editImage.get(), frame, 0, 0, m_editSlice.cx, m_editSlice.cy, kEditEdge);
        }
        frame.DeflateRect(kEditFrameBorder, kEditFrameBorder);
        MRender::FillSolidRect(dc, frame, ColorRefToARGB(kEditBackColor));
        return;
    }
    StringFormat format;
    format.alignment = StringAlignmentNear;
    format.lineAlignment = StringAlignmentCenter;
    format.flags = StringFormatFlagsNoWrap;
    MRender::DrawTextW(dc, item.text, GetFont(), text, m_textColor, format);
}

} // namespace lumo
