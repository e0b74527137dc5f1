#pragma once

// A list of named items with item data, used for the profile, macro and light mode lists.
// Rows are 32 pixels high: the row image (SetImage strip: slice 0, slice 1 on the selected
// row) centred in a 50-pixel column at the left, then the text, left-aligned and vertically
// centred. The hovered and the selected row are filled with the selection colour. With
// editing enabled, ShowEdit opens an editor over the selected row's text, laid on slice 0 of
// the edit image (nine-grid, edge 6).
//   notifications (enabled control only): NOTIFY_PRESS (row, 0) on a left press over a row,
//   NOTIFY_CLICK (row, 0) on a left release over a row, NOTIFY_RCLICK (row or -1, 0) on a
//   right release inside, NOTIFY_EDITBEGIN (0, row) when the editor opens, NOTIFY_EDITEND
//   (0, row) after an edit that changed the text, the scroll bar's (1, NOTIFY_POSITION, ...)
// Programmatic changes notify nothing. Created inside containers only, as "DListBox".

#include "lumoui/ControlFactory.h"
#include "lumoui/RowList.h"

#include <string>
#include <vector>

namespace lumo {

class MImageList;

class DListBox : public RowList {
public:
    struct Item {
        std::string text;
        int imageIndex = 0;
        long data = 0;
        CRect rect; // where the row was last drawn (row bitmap coordinates)
    };

    static constexpr int kRowHeight = 32;
    static constexpr int kImageColumn = 50;
    static constexpr int kEditEdge = 6;
    static constexpr COLORREF kEditBackColor = 0x351806;

    DListBox(MObject* parent, UINT id, CRect rect, int visible);
    ~DListBox() override;

    // Rows --------------------------------------------------------------------------------------
    // Append; return the new index.
    int AddString(const std::string& text, long data, int imageIndex);
    int AddString(const std::string& text, int imageIndex = 0);
    // Inserts before `index`; -1 appends. An index below -1 or beyond the last row gives -1.
    int InsertString(int index, const std::string& text, int imageIndex, long data);
    // False for a bad index.
    bool ModifyItemString(int index, const std::string& text);
    // "" for a bad index.
    std::string GetItemText(int index) const;
    bool SetItemData(int index, long data);
    // 0 for a bad index.
    long GetItemData(int index) const;
    // First row with exactly this text or data; -1 when none.
    int FindString(const std::string& text) const;
    int FindItemData(long data) const;
    int GetItemCount() const override;

    // Selection ---------------------------------------------------------------------------------
    // Selects the first row with the data; its index, or -1 (selection unchanged) when none.
    int SetCurData(long data);
    // Data of the selected row; 0 when none is selected.
    long GetCurData() const;

    // Look ------------------------------------------------------------------------------------------
    // Icons of the rows by their image index; without a list the row image strip is drawn.
    void SetImageList(MImageList* list);
    MImageList* GetImageList() const { return m_imageList; }
    // The 4-slice strip behind the editor (slice 0 is used). False before the control has a
    // window or when the file cannot be loaded.
    bool SetEditImage(const std::string& fileName);

    // Editing ---------------------------------------------------------------------------------------
    // Off by default.
    void EnableShowEdit(bool enable);
    bool IsShowEditEnabled() const { return m_showEdit; }
    // Opens the editor over the selected row (editing enabled, control enabled, a selection).
    bool ShowEdit();

    // The text rect of a row in window coordinates (empty for a bad index).
    CRect GetTextRect(int index) const;

    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlRButtonUp(UINT flags, CPoint pt) override;
    void OnEditorEnded(InlineEditor& editor, EditEnd how) override;

protected:
    void DrawRow(HDC dc, int index, const CRect& row) override;
    CRect EditRectOf(int index) const override;
    void EraseRow(int index) override;
    void ClearRows() override;
    void SwapRows(int a, int b) override;

private:
    void DrawRowImage(HDC dc, const Item& item, bool selected, const CRect& column) const;

    std::vector<Item> m_items; // guarded by RowLock()
    MImageList* m_imageList = nullptr;
    MImagePtr m_editImage;
    CSize m_editSlice;
    bool m_showEdit = false;
};

} // namespace lumo
