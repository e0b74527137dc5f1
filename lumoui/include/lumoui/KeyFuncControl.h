#pragma once

// The key chooser: a drawn miniature keyboard (main block, navigation block, number pad) with
// a row of 18 media and launch icons above it. Each item carries an item data value: the
// key's HID keyboard usage, or 232-249 for the icon row.
//
// The user hovers and presses an item; the control reports the press and the application
// reads the chosen item with GetCurItemData. SetItemCheckByItemData marks the item of the
// current assignment and forgets the press.
//
// Notification: NOTIFY_PRESS (index of the item under the press, or -1; 0) when the left
// button goes down inside. Releases are ignored; the wheel is swallowed.
//
// Drawing: each item shows a slice of the control's image strip (SetImage, three slices:
// 0 normal, 1 hovered, 2 checked or pressed) scaled to its rect, as a nine-grid with edge 8
// for items wider than 60 pixels; then its icon at 20 x 20, or its text centred in the
// control's font and text colour (broken between words, or smaller, where it would not fit).
//
// Item rects are in the control's own coordinates (from its top-left corner).

#include "lumoui/MPanel.h"

#include <mutex>
#include <string>
#include <vector>

namespace lumo {

struct KeyFuncItem {
    std::string text; // the key label; for icon items the description (tooltip)
    int itemData = 0;
    int extra1 = 0;
    int extra2 = 0;
    MImagePtr icon; // null for text items
    CRect rect;     // control coordinates
};

class KeyFuncControl : public MPanel {
public:
    KeyFuncControl(MObject* parent, UINT id, CRect rect, int visible);
    ~KeyFuncControl() override;

    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlScroll(bool vertical, UINT down, CPoint pt) override;
    void SetControlEnabled(bool enabled) override;

    // Clears the items and builds the built-in list (icons from the skin folder; an icon that
    // does not load leaves its item without one). The constructor already did this once.
    void InitItemInfo();
    // Deletes every item.
    void ClearItems();
    // Appends an item (both extra values 0). Returns its index.
    int AddKeyItem(const std::string& text, int itemData, CRect rect, const std::string& iconFile);
    int GetItemCount() const;
    // A copy of an item; false for a bad index.
    bool GetItem(int index, KeyFuncItem& item) const;

    // The text of the first item with that data (the tooltips of the icon row).
    void SetItemDesc(int itemData, const std::string& text);
    // Forgets the press; with a non-zero itemData the first item whose data and both extra
    // values match becomes the checked item (none when nothing matches). Repaints.
    void SetItemCheckByItemData(int itemData, int extra1, int extra2);
    // False when nothing was pressed since the last SetItemCheckByItemData, or when the mouse
    // left the pressed item; otherwise the hovered item's values. `reserved` is not written.
    bool GetCurItemData(int& reserved, int& itemData, int& extra1, int& extra2, std::string& text) const;

    int GetHoverItem() const;
    int GetPressItem() const;
    int GetCheckItem() const;

private:
    void BuildItems();
    // The item under a window point; -1 for none. Callers hold m_lock.
    int ItemAt(CPoint pt) const;
    // Where item rects start in window coordinates.
    CPoint Origin() const;
    void SetHover(int index);
    void ShowItemTip(int index);
    void DrawItems(HDC dc, int state, CPoint origin);
    void DrawItem(HDC dc, const KeyFuncItem& item, int state, const CRect& rect);
    void DrawLabel(HDC dc, const std::string& text, const CRect& rect);
    void UpdateContentSize();

    std::vector<KeyFuncItem> m_items; // guarded by m_lock
    mutable std::recursive_mutex m_lock;
    int m_hover = -1;
    int m_press = -1;
    int m_check = -1;
    int m_tipIndex = -1;
    bool m_mouseInside = false;
};

} // namespace lumo
