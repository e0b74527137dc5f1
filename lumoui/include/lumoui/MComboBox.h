#pragma once

// A drop-down list: the face is drawn like a button (image strip of four states, stretched as
// a nine-grid with edges 10, 10, 36 - the arrow part - and 10) with the selected item's text;
// a click opens the drop-down (CComboBoxWnd) below it. Choosing there selects the item and
// sends NOTIFY_CLICK (index, 0) to the owner; nothing else is notified. Space, Enter, F4 or
// Alt+Down on the focused combo open the drop-down too.
//   items: text, second text, colour (a swatch in the drop-down, 0 = none), data

#include "lumoui/CComboBoxList.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MControlFont.h"
#include "lumoui/PressStates.h"

#include <memory>
#include <string>
#include <vector>

namespace lumo {

class CComboBoxWnd;

class MComboBox : public MControlFont {
public:
    MComboBox(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~MComboBox() override;

    // Items -----------------------------------------------------------------------------------
    // Appends; returns the index of the new (last) item.
    int AddItem(const std::string& text, long data = 0, const std::string& secondText = std::string(),
        ARGB colour = 0);
    // Inserts before `index` (-1 appends); -1 for an index below -1 or beyond the last item.
    // The selected item stays selected.
    int InsertItem(int index, const std::string& text, long data = 0,
        const std::string& secondText = std::string(), ARGB colour = 0);
    // False for a bad index; deleting the selected item clears the selection and the text.
    bool DeleteItem(int index);
    // Deletes every item, clears selection and text, repaints.
    void DelAllItems();
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    std::string GetItemText(int index) const;
    // Replaces an item's text (and the shown text when it is selected); false for a bad index.
    bool SetItemText(int index, const std::string& text);
    bool SetItemData(int index, long data);
    // 0 for a bad index.
    long GetItemData(int index) const;
    // First item with that data, -1 when none.
    int FindData(long data) const;
    const std::vector<ComboItem>& GetItems() const { return m_items; }

    // Selection -------------------------------------------------------------------------------
    // -1 clears the shown text; a valid index shows its text; any other index returns false.
    bool SetCurSel(int index);
    int GetCurSel() const { return m_curSel; }
    // Data of the selected item, 0 when nothing is selected.
    long GetCurData() const;
    // Selects the first item with that data; false when there is none.
    bool SelectData(long data);

    // Drop-down -------------------------------------------------------------------------------
    // Nine-grid background picture of the drop-down (skin folder); empty = the window colours.
    void SetBackImage(const std::string& fileName) { m_backImage = fileName; }
    // Scroll picture resource of the drop-down's list (0 = the toolkit's own).
    void SetScrollResID(UINT id) { m_scrollResID = id; }
    // Opens the drop-down (not while disabled, hidden, empty or already open).
    bool OpenDropDown();
    void CloseDropDown();
    bool IsOpen() const { return m_open; }
    CComboBoxWnd* GetDropDown() const { return m_dropDown.get(); }
    // 0 normal, 1 hover, 2 pressed (also while open), 3 disabled.
    int GetState() const;
    // The text rect: 6 pixels in, the 30-pixel arrow part left free.
    CRect GetTextRect() const;

    // Control hooks
    void DrawControl(HDC& hdc, CRect clip) override;
    LRESULT OnMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;
    void SetControlVisible(bool visible) override;
    void SetControlEnabled(bool enabled) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlKeyDown(UINT vk, UINT repeat, UINT flags) override;

private:
    bool IsIndex(int index) const { return index >= 0 && index < GetItemCount(); }
    void ShowSelection();

    std::vector<ComboItem> m_items;
    int m_curSel = -1;
    PressStates m_states;
    bool m_open = false;
    std::string m_backImage;
    UINT m_scrollResID = 0;
    std::unique_ptr<CComboBoxWnd> m_dropDown;
};

} // namespace lumo
