#pragma once

// The drop-down of a combo box: a borderless layered popup holding a CComboBoxList (ID 88)
// with all items, 6 pixels in from top and bottom and 3 from the sides. At most five rows
// show (height = rows x 30 + 12). It sits 2 pixels below the combo, 4 pixels in on the left
// and 6 on the right; when that would leave the work area it sits above the combo with the
// combo's full width. A chosen row goes to the combo's OnMessage as (0, NOTIFY_CLICK, index,
// 19) and the popup closes; it also closes on Escape, on a press outside it (which goes no
// further) and when it loses activation. When its window is gone the combo hears
// (0, NOTIFY_POPUPCLOSED, 0, 0).

#include "lumoui/CComboBoxList.h"
#include "lumoui/MPopupWnd.h"

#include <string>
#include <vector>

namespace lumo {

class CComboBoxWnd : public MPopupWnd {
public:
    static constexpr UINT kListID = 88;
    static constexpr int kMaxRows = 5;

    explicit CComboBoxWnd(MObject* combo);
    ~CComboBoxWnd() override;

    struct Options {
        std::vector<ComboItem> items;
        int curSel = -1;
        MFont font;
        ARGB textColor = 0xFFFFFFFF;
        std::string backImage; // nine-grid background from the skin folder; empty = colours
        UINT scrollResID = 0; // 0 = the toolkit's own
    };
    // Creates and shows the drop-down for a combo at `comboScreen`. False when the window
    // cannot be made.
    bool Open(HWND owner, const CRect& comboScreen, Options options);

    // Height of a drop-down for `items` items.
    static int DropDownHeight(int items);
    // Screen rect of the drop-down for a combo at `combo` inside `workArea`.
    static CRect PlaceDropDown(const CRect& combo, int items, const CRect& workArea);

    CComboBoxList* GetList() const;

    void InitUI(CRect client) override;
    LRESULT OnMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyMessage(HWND hwnd) override;

private:
    Options m_options;
};

} // namespace lumo
