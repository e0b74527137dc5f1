#pragma once

// A popup menu: rows of MenuItem controls in a window of its own. A click on a plain item
// posts the menu's notification message to the owner window with (wParam 0, item ID) and
// closes the menu; a checkable item posts (its check before the toggle, item ID) and keeps it
// open. The menu also closes when it loses activation or the user clicks outside it.
// Usage: new menu, Create, AddMenu..., ShowModal.

#include "lumoui/MPopupWnd.h"

#include <string>
#include <vector>

namespace lumo {

class MenuItem;

class MenuWnd : public MPopupWnd {
public:
    explicit MenuWnd(MObject* parent = nullptr);
    // Must not run while the menu's ShowModal loop runs.
    ~MenuWnd() override;
    using MPopupWnd::Create;

    // Window "Menu Window" at topLeft, size x size; the background image (skin folder) is a
    // nine-grid with `edge` in BACKMODE_FRAME. The menu width starts at `size`.
    bool Create(HWND owner, CPoint topLeft, UINT notifyMessage, const std::string& backgroundImage, int edge,
        int size, enumBackMode mode);
    bool Create(HWND owner, CPoint topLeft, UINT notifyMessage, UINT backgroundResource, int edge, int size,
        enumBackMode mode);
    bool Create(HWND owner, CPoint topLeft, UINT notifyMessage, int size = 300);

    // Adds a plain item; a non-empty image is a 4-slice icon strip from the skin folder. The
    // menu widens to fit the text. Returns -1 (callers use the ID they passed).
    int AddMenu(const std::string& text, UINT id, const std::string& imageFile = std::string(), int = 0, int = 0);
    int AddMenu(const std::string& text, UINT id, int imageResourceID, int = 0, int = 0);
    // A checkable item (6-slice strip); items of one group behave like radio buttons.
    int AddCheckMenu(const std::string& text, UINT id, bool checked, const std::string& group = "Menu Group",
        const std::string& imageFile = std::string());
    int AddSeparator(UINT id, const std::string& imageFile = std::string());

    // Item settings: applied at once to existing items and again by InitUI.
    void SetItemTitle(UINT id, const std::string& title);
    void SetItemVisible(UINT id, bool visible);
    void SetItemEnable(UINT id, bool enable);
    void SetItemCheck(UINT id, bool check);
    MenuItem* GetItem(UINT id) const;

    void SetItemFont(const std::string& family, int size, int style);
    void SetTextOffset(int offset) { m_textOffset = offset; }
    void SetItemHeight(int height) { m_itemHeight = height; }
    void SetMargins(int top, int bottom);
    bool SetItemBackImage(const std::string& fileName);
    bool SetCheckImage(const std::string& fileName);
    void SetHoverColor(ARGB color) { m_hoverColor = color; }
    int GetMenuWidth() const { return m_menuWidth; }
    HWND GetOwnerHwnd() const { return m_owner; }

    // Lays the rows out and sizes the window (not moving it).
    void SetMenuPoint();

    void InitUI(CRect client) override;
    bool OnInitDialog() override;
    LRESULT OnMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    struct ItemSetting {
        UINT id = 0;
        bool hasTitle = false;
        std::string title;
        int visible = -1;
        int enabled = -1;
        int check = -1;
    };
    ItemSetting& Setting(UINT id);
    void ApplySetting(const ItemSetting& s);
    MenuItem* NewItem(const std::string& text, UINT id);
    void FitText(const std::string& text);
    bool CreateMenuWindow(HWND owner, CPoint topLeft, UINT notifyMessage, int size);

    HWND m_owner = nullptr;
    UINT m_notifyMessage = 0;
    std::string m_itemFont;
    int m_itemFontSize = 14;
    int m_itemFontStyle = 0;
    int m_textOffset = 5;
    int m_itemHeight = 35;
    int m_menuWidth = 300;
    int m_topMargin = 6;
    int m_bottomMargin = 6;
    MImagePtr m_itemBack;
    MImagePtr m_checkImage;
    ARGB m_hoverColor = 0xFF285055;
    std::vector<ItemSetting> m_settings;
};

} // namespace lumo
