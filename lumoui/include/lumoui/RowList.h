#pragma once

// The common part of the scrolling list controls (CRecordList, DListBox): rows of one height,
// the panel's vertical scroll bar (ID 1) shown only while the rows do not fit, the selected,
// hovered and edited rows, the visible-row arithmetic and a drawn editor over one row.
//
// Scrolling: with the bar's range R (rows x row height) and position P the content is
// shifted up by P x (top + rows x row height - bottom) / R (0 while the rows fit); the first
// visible row is offset / row height, the last (bottom + offset - top) / row height, at most
// the last row. Only visible rows are drawn, into a bitmap as tall as those rows, which is
// then copied to the window from the offset within the first row. The drawing width leaves
// the scroll bar out.
//
// Threads: rows may be appended and changed from another thread (a macro recorder) while the
// window thread draws, so derived classes keep them under RowLock(); the scroll bar then
// catches up on the window thread before the next drawing. Removing rows, selection, hover,
// editing and scrolling belong to the window thread (the thread that made the control).

#include "lumoui/InlineEditor.h"
#include "lumoui/MPanel.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace lumo {

class RowList : public MPanel, public InlineEditorListener {
public:
    RowList(MObject* parent, UINT id, CRect rect, int visible, int rowHeight);
    ~RowList() override;

    // Rows --------------------------------------------------------------------------------------
    virtual int GetItemCount() const = 0;
    // Heights below 1 are taken as 1; the scroll bar follows.
    void SetItemHeight(int height);
    int GetItemHeight() const { return m_rowHeight; }
    // -1 clears; another index outside the rows gives false; an unchanged one true. Repaints
    // when the selection changed; notifies nothing.
    bool SetCurSel(int index);
    int GetCurSel() const { return m_sel; }
    // False for a bad index; clears the hovered and selected rows.
    bool DeleteItem(int index);
    void DeleteAllItems();
    // Swaps two rows when both indexes are valid and different.
    void SwapItem(int a, int b);
    int GetHotItem() const { return m_hover; }
    // The row an in-place edit is open on; -1 when none.
    int GetEditItem() const { return m_editor.IsActive() ? m_edit : -1; }

    // Geometry ------------------------------------------------------------------------------------
    // How far the rows are scrolled up, in pixels.
    int GetContentOffset() const;
    // -1 for an empty list.
    int GetFirstVisibleRow() const;
    int GetLastVisibleRow() const;
    // The row under a window point (the scroll bar excluded); -1 for none.
    int HitTestRow(CPoint pt) const;
    // Where a row is shown, in window coordinates (it may lie outside the control). Empty for
    // a bad index.
    CRect GetItemRect(int index) const;
    // The width rows are drawn in: the control without a shown scroll bar.
    int GetRowWidth() const { return GetViewRect().Width(); }
    // Scrolls as little as needed to show the whole row.
    void EnsureVisible(int index);

    // Editing -------------------------------------------------------------------------------------
    bool IsEditing() const { return m_editor.IsActive(); }
    InlineEditor& GetEditor() { return m_editor; }
    // Ends an open edit as a confirmation (the text is taken).
    void EndEdit();

    // Control hooks
    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlRect(CRect rect) override;
    void SetControlVisible(bool visible) override;
    void SetControlEnabled(bool enabled) override;
    bool SetControlFocus(bool focus) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlScroll(bool vertical, UINT down, CPoint pt) override;

protected:
    // Draws row `index` into `row`, a rect of the row bitmap (x 0 is the control's left edge).
    // Called under RowLock().
    virtual void DrawRow(HDC dc, int index, const CRect& row) = 0;
    // Where the editor of row `index` lies in window coordinates.
    virtual CRect EditRectOf(int index) const = 0;

    // The row storage of the derived class, called under RowLock() with valid indexes.
    virtual void EraseRow(int index) = 0;
    virtual void ClearRows() = 0;
    virtual void SwapRows(int a, int b) = 0;

    std::recursive_mutex& RowLock() const { return m_rowLock; }
    bool IsRow(int index) const { return index >= 0 && index < GetItemCount(); }
    // After rows were added or removed: the bar's range and step; `toEnd` scrolls to the end.
    // Any thread.
    void RowsChanged(bool toEnd);
    // The selection without notifying; true when it changed (and then repaints).
    bool Select(int index);
    void SetHover(int index);
    // After a row was inserted at `index`.
    void RowInserted(int index);
    // Opens the editor on a row with its text and the caret at the end, takes the focus and
    // sends NOTIFY_EDITBEGIN (0, row). False when it cannot open.
    bool BeginEdit(int index, const std::string& text);
    // Row of the edit that has just ended; the listener hooks use it.
    int TakeEditRow();
    // Presses and releases that the editor takes (its field) are not rows' business.
    bool EditorTakesPress(UINT flags, CPoint pt);
    bool EditorTakesRelease(UINT flags, CPoint pt);
    // A right release: the row under the mouse (or none) becomes the selection, an edit on
    // another row ends, and NOTIFY_RCLICK (row, 0) goes out for a release inside the control -
    // off the rows too (-1) when `offRows` is set.
    bool RightRelease(CPoint pt, bool offRows);

    InlineEditor m_editor { this, this };
    int m_rowHeight;
    int m_sel = -1;
    int m_hover = -1;
    int m_edit = -1;

private:
    void PlaceEditor();
    // The window thread's part of RowsChanged.
    void ApplyRowCount(bool toEnd);

    mutable std::recursive_mutex m_rowLock;
    bool m_editorPressed = false;
    std::thread::id m_windowThread;
    std::atomic<bool> m_rowsPending { false };
    std::atomic<bool> m_pendingToEnd { false };
};

} // namespace lumo
