#pragma once

// A scrolling list of named rows with item data and an optional icon from an image list. The
// vertical bar (the panel's, ID 1) appears when the rows do not fit; the wheel scrolls.
//
// Notifications: a left press on a row selects it and sends NOTIFY_PRESS (row, 0); a double
// click on a row NOTIFY_DBLCLK (row, 0); a right release selects the row under the mouse (or
// nothing) and sends NOTIFY_RCLICK (row, 0) when it is over a row; an inline rename that
// changed the text ends with NOTIFY_EDITEND (0, row). Programmatic changes send nothing.

#include "lumoui/InlineEditor.h"
#include "lumoui/MPanel.h"

#include <mutex>
#include <string>
#include <vector>

namespace lumo {

class MImageList;

struct ListBoxItem {
    std::string text;
    int image = -1; // index into the image list; -1 = none
    long data = 0;
};

class MListBox : public MPanel, public InlineEditorListener {
public:
    MListBox(MObject* parent, UINT id, CRect rect, int visible);
    ~MListBox() override;

    // Rows ------------------------------------------------------------------------------------
    // Both return the new row's index; InsertString takes -1 to append and returns -1 for
    // another index out of range.
    int AddString(const std::string& text, int image = -1);
    int InsertString(int index, const std::string& text, int image = -1);
    bool DeleteItem(int index);
    void DeleteAllItems();
    int GetItemCount() const;
    // -1 clears the selection; another index out of range returns false.
    bool SetCurSel(int index);
    int GetCurSel() const { return m_sel; }
    bool SetItemData(int index, long data);
    // 0 for an index out of range.
    long GetItemData(int index) const;
    bool ModifyItemString(int index, const std::string& text);
    std::string GetItemText(int index) const;
    // The first row whose text equals `text` (case-sensitive); -1 when none.
    int FindString(const std::string& text) const;
    // Swaps two different, valid rows (the selection stays on its index).
    bool SwapItem(int a, int b);
    void SetItemHeight(int height);
    int GetItemHeight() const { return m_itemHeight; }
    // Not owned; null shows no icons.
    void SetImageList(MImageList* list);
    // The row's rect as shown (scrolled), in window coordinates; empty for a bad index.
    CRect GetItemRect(int index) const;
    // The row shown under the point, or -1.
    int ItemFromPoint(CPoint pt) const;

    // Renaming ------------------------------------------------------------------------------
    void EnableShowEdit(bool enable) { m_editEnabled = enable; }
    // Opens the inline editor on the selected row (editing enabled, control enabled, a row
    // selected); false otherwise.
    bool ShowEdit();
    bool IsEditing() const { return m_editor.IsActive(); }
    InlineEditor& GetEditor() { return m_editor; }

    // Hooks -------------------------------------------------------------------------------------
    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlRect(CRect rect) override;
    void SetControlVisible(bool visible) override;
    void SetControlWndVisible(bool visible) override;
    void SetControlEnabled(bool enabled) override;
    bool SetControlFocus(bool focus) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlLButtonDblClk(UINT flags, CPoint pt) override;
    bool OnControlRButtonUp(UINT flags, CPoint pt) override;
    bool OnControlScroll(bool vertical, UINT down, CPoint pt) override;
    void OnEditorEnded(InlineEditor& editor, EditEnd how) override;

private:
    bool IsIndex(int index) const { return index >= 0 && index < static_cast<int>(m_items.size()); }
    // Content height follows the rows; called after every change of rows or row height.
    void RowsChanged();
    CRect TextRect(int index) const;
    int TextLeft() const;

    std::vector<ListBoxItem> m_items; // guarded by m_itemLock
    mutable std::recursive_mutex m_itemLock;
    int m_itemHeight = 30;
    int m_sel = -1;
    int m_hover = -1;
    MImageList* m_imageList = nullptr;
    bool m_editEnabled = false;
    int m_editIndex = -1;
    InlineEditor m_editor { this, this };
};

} // namespace lumo
