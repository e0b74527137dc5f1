#pragma once

// One row of a MenuWnd: a plain item (NOTIFY_CLICK on a click), a checkable item (NOTIFY_CHECK
// on the press, the check toggles on the release) or a separator. Drawn from a cache that
// holds one rendering per state side by side (0 normal, 1 hover, 2 pressed, 3 disabled; a
// checkable item adds 4 checked and 5 checked-hover).

#include "lumoui/MControlFont.h"

#include <string>

namespace lumo {

class MenuWnd;

class MenuItem : public MControlFont {
public:
    MenuItem(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);

    const char* GetClassNameW() const override { return "MenuItem"; }
    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    void SetControlEnabled(bool enabled) override;

    void SetCheck(bool check);
    bool GetCheck() const { return m_check; }
    void SetCheckable(bool checkable) { m_checkable = checkable; }
    bool IsCheckable() const { return m_checkable; }
    void SetGroupName(const std::string& group) { m_group = group; }
    const std::string& GetGroupName() const { return m_group; }
    void SetSeparator(bool separator) { m_separator = separator; }
    bool IsSeparator() const { return m_separator; }
    void SetPopupMenu(MenuWnd* menu) { m_popup = menu; }
    MenuWnd* GetPopupMenu() const { return m_popup; }
    bool IsPopup() const { return m_popup != nullptr; }
    // Shows the sub-menu beside this item.
    void ShowPopupMenu();
    void SetFrameWidth(int width) { m_frameWidth = width; }
    bool IsHover() const { return m_hover; }
    int GetState() const { return m_state; }

    // Layout settings handed over by the menu.
    void SetTextOffset(int offset) { m_textOffset = offset; }
    void SetItemBackImage(const MImagePtr& image) { m_itemBack = image; }
    void SetHoverColor(ARGB color) { m_hoverColor = color; }
    void SetCheckImage(const MImagePtr& image) { m_checkImage = image; }

private:
    int Slots() const { return m_separator ? 1 : m_checkable ? 6 : 4; }
    int SlotOfState() const;
    void SetState(int state);
    void RenderSlot(int slot, const CRect& cell);
    void UncheckGroup();

    bool m_check = false;
    bool m_checkable = false;
    std::string m_group = "Menu Group";
    bool m_separator = false;
    MenuWnd* m_popup = nullptr;
    int m_frameWidth = 0;
    bool m_hover = false;
    int m_state = 0;
    bool m_pressed = false;
    int m_textOffset = 5;
    MImagePtr m_itemBack;
    ARGB m_hoverColor = 0xFF285055;
    MImagePtr m_checkImage;
};

} // namespace lumo
