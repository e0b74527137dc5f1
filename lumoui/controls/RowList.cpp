#include "lumoui/RowList.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"

#include <algorithm>
#include <cstdint>

namespace lumo {

namespace {

constexpr UINT kVerticalBarId = 1;

} // namespace

RowList::RowList(MObject* parent, UINT id, CRect rect, int visible, int rowHeight)
    : MPanel(parent, id, rect, visible)
    , m_rowHeight(std::max(1, rowHeight))
    , m_windowThread(std::this_thread::get_id())
{
}

RowList::~RowList() = default;

// Geometry ----------------------------------------------------------------------------------------

int RowList::GetContentOffset() const
{
    return std::max(0, GetScrollOffset().y);
}

int RowList::GetFirstVisibleRow() const
{
    std::lock_guard lock(m_rowLock);
    if (GetItemCount() == 0) {
        return -1;
    }
    return std::min(GetItemCount() - 1, GetContentOffset() / m_rowHeight);
}

int RowList::GetLastVisibleRow() const
{
    std::lock_guard lock(m_rowLock);
    int count = GetItemCount();
    if (count == 0) {
        return -1;
    }
    int last = (m_rect.bottom + GetContentOffset() - m_rect.top) / m_rowHeight;
    return std::clamp(last, 0, count - 1);
}

int RowList::HitTestRow(CPoint pt) const
{
    if (!GetViewRect().PtInRect(pt)) {
        return -1;
    }
    int row = (pt.y - m_rect.top + GetContentOffset()) / m_rowHeight;
    std::lock_guard lock(m_rowLock);
    return row >= 0 && row < GetItemCount() ? row : -1;
}

CRect RowList::GetItemRect(int index) const
{
    {
        std::lock_guard lock(m_rowLock);
        if (index < 0 || index >= GetItemCount()) {
            return CRect();
        }
    }
    CRect view = GetViewRect();
    int top = m_rect.top + index * m_rowHeight - GetContentOffset();
    return CRect(view.left, top, view.right, top + m_rowHeight);
}

void RowList::EnsureVisible(int index)
{
    CRect row = GetItemRect(index);
    MScroll* bar = GetScrollVertical();
    int hidden = GetVirtualSize().cy - m_rect.Height();
    if (row.IsRectEmpty() || hidden <= 0) {
        return;
    }
    int offset = GetContentOffset();
    if (row.top < m_rect.top) {
        offset -= m_rect.top - row.top;
    } else if (row.bottom > m_rect.bottom) {
        offset += row.bottom - m_rect.bottom;
    } else {
        return;
    }
    // The position that gives this offset, rounded up so the row is not cut by a pixel.
    int64_t range = bar->GetRange();
    if (bar->SetScrollCurrentPos(static_cast<int>((offset * range + hidden - 1) / hidden))) {
        PlaceEditor();
        UpdateControl(true);
    }
}

void RowList::SetItemHeight(int height)
{
    height = std::max(1, height);
    if (height == m_rowHeight) {
        return;
    }
    m_rowHeight = height;
    RowsChanged(false);
}

void RowList::RowsChanged(bool toEnd)
{
    if (std::this_thread::get_id() != m_windowThread) {
        // Rows added by another thread (a recorder): the scroll bar belongs to the window
        // thread, which catches up before it draws the rows.
        if (toEnd) {
            m_pendingToEnd = true;
        }
        m_rowsPending = true;
        UpdateControl(true);
        return;
    }
    ApplyRowCount(toEnd);
    UpdateControl(true);
}

void RowList::ApplyRowCount(bool toEnd)
{
    m_rowsPending = false;
    toEnd = m_pendingToEnd.exchange(false) || toEnd;
    int count = 0;
    {
        std::lock_guard lock(m_rowLock);
        count = GetItemCount();
    }
    int content = count * m_rowHeight;
    m_virtualHeight = content;
    UpdateScrollBars();
    MScroll* bar = GetScrollVertical();
    // One notch of the wheel moves the rows by one row: the bar's position runs over the
    // whole content while the rows only move by what does not fit.
    int hidden = content - m_rect.Height();
    bar->SetScrollStep(hidden > 0
            ? static_cast<int>((static_cast<int64_t>(m_rowHeight) * content + hidden - 1) / hidden)
            : 0);
    if (toEnd) {
        bar->SetScrollCurrentPos(bar->GetRange());
    }
    PlaceEditor();
}

// Selection and row bookkeeping ---------------------------------------------------------------------

bool RowList::Select(int index)
{
    if (index == m_sel) {
        return false;
    }
    m_sel = index;
    UpdateControl(true);
    return true;
}

void RowList::SetHover(int index)
{
    if (index != m_hover) {
        m_hover = index;
        UpdateControl(true);
    }
}

bool RowList::SetCurSel(int index)
{
    if (index != -1 && !IsRow(index)) {
        return false;
    }
    if (IsEditing() && index != GetEditItem()) {
        EndEdit();
    }
    Select(index);
    return true;
}

bool RowList::DeleteItem(int index)
{
    {
        std::lock_guard lock(m_rowLock);
        if (!IsRow(index)) {
            return false;
        }
        EraseRow(index);
    }
    if (m_editor.IsActive() && m_edit == index) {
        // The row is gone: there is nothing left to take the text.
        m_edit = -1;
        m_editor.End(EditEnd::Closed);
    } else if (m_edit > index) {
        --m_edit;
    }
    m_sel = -1;
    m_hover = -1;
    RowsChanged(false);
    return true;
}

void RowList::DeleteAllItems()
{
    {
        std::lock_guard lock(m_rowLock);
        ClearRows();
    }
    if (m_editor.IsActive()) {
        m_edit = -1;
        m_editor.End(EditEnd::Closed);
    }
    m_sel = m_hover = m_edit = -1;
    RowsChanged(false);
}

void RowList::SwapItem(int a, int b)
{
    if (a == b || !IsRow(a) || !IsRow(b)) {
        return;
    }
    // An open editor belongs to its row, not to the place the row leaves.
    EndEdit();
    {
        std::lock_guard lock(m_rowLock);
        if (!IsRow(a) || !IsRow(b)) {
            return;
        }
        SwapRows(a, b);
    }
    UpdateControl(true);
}

void RowList::RowInserted(int index)
{
    for (int* row : { &m_sel, &m_hover, &m_edit }) {
        if (*row >= index) {
            ++*row;
        }
    }
    RowsChanged(false);
}

// Editing -------------------------------------------------------------------------------------------

bool RowList::BeginEdit(int index, const std::string& text)
{
    if (!m_manager || !IsEnabled() || !IsVisible() || GetItemRect(index).IsRectEmpty()) {
        return false;
    }
    if (m_editor.IsActive() && m_edit != index) {
        EndEdit();
    }
    EnsureVisible(index);
    m_edit = index;
    if (!m_editor.Begin(EditRectOf(index), text, false)) {
        m_edit = -1;
        return false;
    }
    if (m_manager->GetFocusControl() != this) {
        m_manager->SetFocusControl(this);
    }
    UpdateControl(true);
    SendMessageW(NOTIFY_EDITBEGIN, 0, index);
    return true;
}

void RowList::EndEdit()
{
    m_editor.End(EditEnd::Enter);
}

int RowList::TakeEditRow()
{
    int row = m_edit;
    m_edit = -1;
    m_editorPressed = false;
    UpdateControl(true);
    return row;
}

void RowList::PlaceEditor()
{
    if (m_editor.IsActive() && m_edit >= 0) {
        m_editor.SetRect(EditRectOf(m_edit));
    }
}

bool RowList::EditorTakesPress(UINT flags, CPoint pt)
{
    m_editorPressed = m_editor.IsActive() && GetViewRect().PtInRect(pt) && m_editor.OnLButtonDown(flags, pt);
    return m_editorPressed;
}

bool RowList::RightRelease(CPoint pt, bool offRows)
{
    if (!IsEnabled()) {
        return false;
    }
    int row = HitTestRow(pt);
    if (IsEditing() && row != GetEditItem()) {
        EndEdit();
    }
    Select(row);
    bool inside = m_rect.PtInRect(pt);
    if (inside && (row >= 0 || offRows)) {
        SendMessageW(NOTIFY_RCLICK, static_cast<WPARAM>(row), 0);
    }
    return inside;
}

bool RowList::EditorTakesRelease(UINT flags, CPoint pt)
{
    if (!m_editorPressed) {
        return false;
    }
    m_editorPressed = false;
    m_editor.OnLButtonUp(flags, pt);
    return true;
}

// Drawing -----------------------------------------------------------------------------------------

void RowList::DrawControl(HDC& hdc, CRect)
{
    if (m_rowsPending) {
        ApplyRowCount(false);
    }
    CRect view = GetViewRect();
    int w = view.Width();
    if (w > 0 && view.Height() > 0) {
        std::lock_guard lock(m_rowLock);
        int first = GetFirstVisibleRow();
        int last = GetLastVisibleRow();
        if (first >= 0 && UpdateMemDC(hdc, w, (last - first + 1) * m_rowHeight)) {
            MemDC& rows = GetMemDC();
            int shift = GetContentOffset() - first * m_rowHeight;
            // Rows draw over what lies under the list; the part of the first row scrolled out
            // at the top is clipped when the bitmap goes back.
            rows.Clear();
            MRender::BitBlt(
                rows.GetDC(), 0, 0, w, rows.Height(), MRender::GetTarget(hdc), view.left, view.top - shift);
            for (int i = first; i <= last; ++i) {
                int y = (i - first) * m_rowHeight;
                DrawRow(rows.GetDC(), i, CRect(0, y, w, y + m_rowHeight));
            }
            cairo_surface_flush(rows.GetSurface());
            int h = std::min(view.Height(), rows.Height() - shift);
            MRender::BitBlt(hdc, view.left, view.top, w, h, rows.GetSurface(), 0, shift);
        }
    }
    if (m_editor.IsActive()) {
        cairo_save(hdc);
        cairo_rectangle(hdc, view.left, view.top, view.Width(), view.Height());
        cairo_clip(hdc);
        m_editor.Draw(hdc);
        cairo_restore(hdc);
    }
}

// State hooks -------------------------------------------------------------------------------------

void RowList::SetControlRect(CRect rect)
{
    MPanel::SetControlRect(rect);
    RowsChanged(false);
}

void RowList::SetControlVisible(bool visible)
{
    if (!visible) {
        m_editor.End(EditEnd::FocusLost);
    }
    MPanel::SetControlVisible(visible);
}

void RowList::SetControlEnabled(bool enabled)
{
    if (!enabled) {
        m_editor.End(EditEnd::FocusLost);
        m_hover = -1;
    }
    MPanel::SetControlEnabled(enabled);
}

bool RowList::SetControlFocus(bool focus)
{
    if (!focus) {
        m_editor.End(EditEnd::FocusLost);
    }
    return MPanel::SetControlFocus(focus);
}

LRESULT RowList::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_editor.OnWindowMessage(msg, wParam, lParam)) {
        return 1;
    }
    return MPanel::OnWindowMessage(msg, wParam, lParam);
}

LRESULT RowList::OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    if (code == NOTIFY_POSITION && controlID == kVerticalBarId) {
        PlaceEditor();
    }
    return MPanel::OnBaseMessage(controlID, code, wParam, lParam);
}

bool RowList::OnControlMouseMove(UINT flags, CPoint pt)
{
    if (m_editorPressed) {
        m_editor.OnMouseMove(flags, pt);
        return true;
    }
    SetHover(IsEnabled() ? HitTestRow(pt) : -1);
    return m_rect.PtInRect(pt);
}

bool RowList::OnControlScroll(bool vertical, UINT down, CPoint pt)
{
    bool handled = MPanel::OnControlScroll(vertical, down, pt);
    if (handled) {
        PlaceEditor();
        SetHover(HitTestRow(pt));
    }
    return handled;
}

} // namespace lumo
