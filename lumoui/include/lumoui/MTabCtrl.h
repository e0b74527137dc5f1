#pragma once

// A row (type 0) or column (type 1) of tab buttons that shows one page at a time.
//   1. tabs: inserting, deleting, texts, visibility, the records handed to the application
//   2. selection (NOTIFY_CLICK (index, 0) to the parent, also for SetSelectItem)
//   3. sizes and layout
//   4. look: text colours, separators, the change animation, tooltips
//
// Layout starts at the top-left corner plus the paddings; hidden tabs get an empty rect and
// take no room. A row is made of tabs of the computed tab width (SetItemWidth; while 0, the
// first tab's own width) and the control height (SetTabCtrlHeight; while 0, the first tab's
// slice height) without gaps; a column of tabs SetTabCtrlWidth wide (while 0, the first tab's
// own width) with 1 pixel between them. After a layout every page is visible exactly when its
// tab is the selected one.
//
// Mouse: the tab under the mouse is hovered and shows its text as tooltip; releasing the button
// on the hovered tab selects it. The wheel over the selected tab and every key go to the
// selected tab's page.

#include "lumoui/MControlFont.h"

#include <memory>
#include <string>
#include <vector>

namespace lumo {

class MTabLayout;

// One tab. GetItemInfo hands out the control's own record: the application may read it and
// move a tab by writing its rect.
struct TabItemInfo {
    bool visible = true;
    MImagePtr image; // the tab's image strip, from the skin folder
    int sliceWidth = 0;
    int sliceHeight = 0;
    int sliceCount = 3;
    CRect rect; // window coordinates, set by the layout
    std::string text;
    UINT tabId = 0;
    MControl* page = nullptr; // shown while the tab is selected; not owned
    int width = 0; // the tab's own width, fixed at insertion
};

class MTabCtrl : public MControlFont {
public:
    MTabCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~MTabCtrl() override;

    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlRect(CRect rect) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlScroll(bool vertical, UINT down, CPoint pt) override;
    bool OnControlKeyDown(UINT vk, UINT repeat, UINT flags) override;
    bool OnNativeTimer(UINT key) override;

    // 1. Tabs -----------------------------------------------------------------------------------
    // Loads the strip from the skin folder (a slice count of -1 means 3); the tab is `width`
    // wide, else as wide as one slice, else the item width. Returns the new tab's index.
    int InsertItem(UINT id, const std::string& text, const std::string& imageFile, MControl* page,
        int sliceCount = -1, int width = 0);
    int InsertItem(const TabItemInfo& info);
    bool DeleteItem(int index);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // 0 for an index out of range.
    UINT GetItemID(int index) const;
    TabItemInfo* GetItemInfo(int index);
    // Replaces the text (no repaint); false for an index out of range.
    bool SetItemText(int index, const std::string& text);
    // Out-of-range indexes are ignored.
    void SetItemVisible(int index, bool visible);
    bool GetItemVisible(int index) const;
    // A tab page (MTabLayout) owned by this control; null for any other class name.
    MControl* CreatePanel(const std::string& className, UINT id, CRect rect);

    // 2. Selection --------------------------------------------------------------------------------
    // Returns the previous selection. Ignored (returning the current one) for an index out of
    // range or the selected index; otherwise NOTIFY_CLICK (index, 0), page visibility, the
    // change animation when enabled, a repaint.
    int SetSelectItem(int index);
    int GetSelectItem() const { return m_sel; }
    int GetHoverItem() const { return m_hover; }

    // 3. Sizes and layout -------------------------------------------------------------------------
    // The row's tab width: with a positive minimum, the room between the paddings shared by
    // all tabs, at least the minimum and at most `width`; else `width`. Nothing is computed
    // while there are no tabs.
    void SetItemWidth(int width, int minWidth, bool relayout);
    // The same rule for a tab height, from the control height and the top/bottom paddings.
    void SetItemHeight(int height, int minHeight, bool relayout);
    int GetTabWidth() const { return m_tabWidth; }
    int GetTabHeight() const { return m_tabHeight; }
    void SetLeftRightPading(int left, int right);
    void SetTopBottomPading(int top, int bottom);
    void SetTabCtrlWidth(int width) { m_ctrlWidth = width; }
    int GetCtrlWidth() const { return m_ctrlWidth; }
    void SetTabCtrlHeight(int height) { m_ctrlHeight = height; }
    int GetCtrlHeight() const { return m_ctrlHeight; }
    // 0 horizontal row, 1 vertical column; re-lays out.
    void SetTabType(int type);
    int GetTabType() const { return m_type; }
    void RefreshItems();

    // 4. Look ----------------------------------------------------------------------------------------
    // Text colours of row tabs: normal (also SetTextColor), hovered, selected.
    void SetTextColors(ARGB normal, ARGB hover, ARGB selected);
    // A separator of `size` after every tab but the last, drawn from a one-slice skin picture
    // (a faint line without one). A zero size removes them.
    void SetSeparator(CSize size, const std::string& imageFile = std::string());
    const std::vector<CRect>& GetSeparatorRects() const { return m_sepRects; }
    void EnableAnimateChangeTab(bool enable) { m_animate = enable; }
    int GetAnimateProgress() const { return m_animProgress; }
    // Shows the text as tooltip over the tab, unless that tab's tooltip is the one shown last.
    void SetTabTooltip(int index, const std::string& text);

private:
    bool IsIndex(int index) const { return index >= 0 && index < GetItemCount(); }
    int TabAt(CPoint pt) const;
    void SetHover(int index);
    int SharedSize(int room, int size, int minSize) const;
    void ComputeTabWidth();
    void ComputeTabHeight();
    int LastVisible() const;
    void ShowSelectedPage();
    void StartAnimation();
    void DrawTab(HDC hdc, const TabItemInfo& tab, int state);
    void DrawRowTab(HDC hdc, const TabItemInfo& tab, int state);
    void DrawColumnTab(HDC hdc, const TabItemInfo& tab, int state);
    void DrawSeparators(HDC hdc);

    std::vector<std::unique_ptr<TabItemInfo>> m_items;
    int m_sel = -1;
    int m_hover = -1;
    int m_prevSel = -1;
    int m_type = 0;
    int m_itemWidth = 0;
    int m_minItemWidth = 0;
    int m_tabWidth = 0;
    int m_itemHeight = 0;
    int m_minItemHeight = 0;
    int m_tabHeight = 0;
    int m_ctrlWidth = 0;
    int m_ctrlHeight = 0;
    int m_padLeft = 0;
    int m_padRight = 0;
    int m_padTop = 0;
    int m_padBottom = 0;
    ARGB m_hoverColor = 0xFF191919;
    ARGB m_selectColor = 0xFFCCCCCC;
    bool m_animate = false;
    int m_animProgress = 100;
    CSize m_sepSize;
    MImagePtr m_sepImage;
    std::vector<CRect> m_sepRects;
    int m_lastTooltip = -1;
};

} // namespace lumo
