#include "lumoui/MenuWnd.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/MenuItem.h"

#include <algorithm>

namespace lumo {

namespace {
constexpr DWORD kMenuStyle = 0x0000080B;
constexpr int kSeparatorHeight = 4;
} // namespace

MenuWnd::MenuWnd(MObject* parent)
    : MPopupWnd(parent)
    , m_itemFont(Manager::GetFontName())
    , m_itemFontSize(Manager::GetFontWidth())
{
}

MenuWnd::~MenuWnd() = default;

bool MenuWnd::CreateMenuWindow(HWND owner, CPoint topLeft, UINT notifyMessage, int size)
{
    m_owner = owner;
    m_notifyMessage = notifyMessage;
    m_menuWidth = size;
    EnableAutoClose(true);
    return MWindow::Create(owner, "Menu Window", kMenuStyle, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LUMO_POPUPMENU,
               CRect(topLeft, CSize(size, size)))
        != nullptr;
}

bool MenuWnd::Create(HWND owner, CPoint topLeft, UINT notifyMessage, const std::string& backgroundImage, int edge,
    int size, enumBackMode mode)
{
    if (!backgroundImage.empty() && LoadBKImage(backgroundImage)) {
        SetBackMode(mode, edge);
    }
    return CreateMenuWindow(owner, topLeft, notifyMessage, size);
}

bool MenuWnd::Create(HWND owner, CPoint topLeft, UINT notifyMessage, UINT backgroundResource, int edge, int size,
    enumBackMode mode)
{
    if (LoadBKImage(backgroundResource, "PNG")) {
        SetBackMode(mode, edge);
    }
    return CreateMenuWindow(owner, topLeft, notifyMessage, size);
}

bool MenuWnd::Create(HWND owner, CPoint topLeft, UINT notifyMessage, int size)
{
    return CreateMenuWindow(owner, topLeft, notifyMessage, size);
}

bool MenuWnd::OnInitDialog()
{
    EnableWndDrag(false);
    return MPopupWnd::OnInitDialog();
}

void MenuWnd::InitUI(CRect)
{
    for (const auto& s : m_settings) {
        ApplySetting(s);
    }
    SetMenuPoint();
}

MenuItem* MenuWnd::NewItem(const std::string& text, UINT id)
{
    auto* item = dynamic_cast<MenuItem*>(MDialog::CreateControl("MenuItem", id, CRect(), text.c_str(), 1, 1));
    if (item) {
        item->SetFont(m_itemFont, m_itemFontSize, m_itemFontStyle);
    }
    return item;
}

void MenuWnd::FitText(const std::string& text)
{
    MFont font { m_itemFont, m_itemFontSize, m_itemFontStyle };
    int w = MRender::GetTextBounds(text, font, 0, StringFormatFlagsNoWrap | StringFormatFlagsMeasureTrailingSpaces).cx;
    m_menuWidth = std::max(m_menuWidth, w + m_textOffset + 4);
}

int MenuWnd::AddMenu(const std::string& text, UINT id, const std::string& imageFile, int, int)
{
    if (MenuItem* item = NewItem(text, id)) {
        if (!imageFile.empty()) {
            item->SetImage(imageFile, 4);
        }
        FitText(text);
        SetMenuPoint();
    }
    return -1;
}

int MenuWnd::AddMenu(const std::string& text, UINT id, int imageResourceID, int, int)
{
    if (MenuItem* item = NewItem(text, id)) {
        if (imageResourceID >= 0) {
            item->SetImage(static_cast<UINT>(imageResourceID), "PNG", 4);
        }
        FitText(text);
        SetMenuPoint();
    }
    return -1;
}

int MenuWnd::AddCheckMenu(
    const std::string& text, UINT id, bool checked, const std::string& group, const std::string& imageFile)
{
    if (MenuItem* item = NewItem(text, id)) {
        item->SetCheckable(true);
        item->SetGroupName(group);
        item->SetCheck(checked);
        if (!imageFile.empty()) {
            item->SetImage(imageFile, 6);
        }
        FitText(text);
        SetMenuPoint();
    }
    return -1;
}

int MenuWnd::AddSeparator(UINT id, const std::string& imageFile)
{
    if (MenuItem* item = NewItem(std::string(), id)) {
        item->SetSeparator(true);
        if (!imageFile.empty()) {
            item->SetImage(imageFile, 1);
        }
        SetMenuPoint();
    }
    return -1;
}

MenuWnd::ItemSetting& MenuWnd::Setting(UINT id)
{
    for (auto& s : m_settings) {
        if (s.id == id) {
            return s;
        }
    }
    m_settings.push_back(ItemSetting { id, false, std::string(), -1, -1, -1 });
    return m_settings.back();
}

void MenuWnd::ApplySetting(const ItemSetting& s)
{
    MenuItem* item = GetItem(s.id);
    if (!item) {
        return;
    }
    if (s.hasTitle) {
        item->SetTitle(s.title);
    }
    if (s.visible >= 0) {
        item->SetVisible(s.visible != 0);
    }
    if (s.enabled >= 0) {
        item->SetEnabled(s.enabled != 0);
    }
    if (s.check >= 0 && item->IsCheckable()) {
        item->SetCheck(s.check != 0);
    }
}

void MenuWnd::SetItemTitle(UINT id, const std::string& title)
{
    ItemSetting& s = Setting(id);
    s.hasTitle = true;
    s.title = title;
    ApplySetting(s);
}

void MenuWnd::SetItemVisible(UINT id, bool visible)
{
    ItemSetting& s = Setting(id);
    s.visible = visible ? 1 : 0;
    ApplySetting(s);
    SetMenuPoint();
}

void MenuWnd::SetItemEnable(UINT id, bool enable)
{
    ItemSetting& s = Setting(id);
    s.enabled = enable ? 1 : 0;
    ApplySetting(s);
}

void MenuWnd::SetItemCheck(UINT id, bool check)
{
    ItemSetting& s = Setting(id);
    s.check = check ? 1 : 0;
    ApplySetting(s);
}

MenuItem* MenuWnd::GetItem(UINT id) const { return dynamic_cast<MenuItem*>(m_pm.GetControl(id)); }

void MenuWnd::SetItemFont(const std::string& family, int size, int style)
{
    m_itemFont = family;
    m_itemFontSize = size;
    m_itemFontStyle = style;
}

void MenuWnd::SetMargins(int top, int bottom)
{
    m_topMargin = top;
    m_bottomMargin = bottom;
}

bool MenuWnd::SetItemBackImage(const std::string& fileName)
{
    m_itemBack = MImage::FromFile(Manager::GetSkinFolder() + fileName);
    return m_itemBack != nullptr;
}

bool MenuWnd::SetCheckImage(const std::string& fileName)
{
    m_checkImage = MImage::FromFile(Manager::GetSkinFolder() + fileName);
    return m_checkImage != nullptr;
}

void MenuWnd::SetMenuPoint()
{
    // A margin of 0 still keeps the rows off the window's edge.
    int y = m_topMargin == 0 ? 2 : m_topMargin;
    for (MControl* c : m_pm.GetControls()) {
        auto* item = dynamic_cast<MenuItem*>(c);
        if (!item) {
            continue;
        }
        if (!item->IsVisible()) {
            item->SetControlRect(CRect());
            continue;
        }
        if (item->IsSeparator()) {
            item->SetControlRect(CRect(m_textOffset + 1, y + 1, m_menuWidth - 1, y + 2));
            y += kSeparatorHeight;
        } else {
            item->SetControlRect(CRect(2, y, m_menuWidth - 2, y + m_itemHeight));
            y += m_itemHeight;
        }
        item->SetTextOffset(m_textOffset);
        item->SetItemBackImage(m_itemBack);
        item->SetHoverColor(m_hoverColor);
        item->SetCheckImage(m_checkImage);
        item->SetUpdate(false);
    }
    int height = y + (m_bottomMargin == 0 ? 2 : m_bottomMargin);
    if (GetSafeHwnd()) {
        SetWindowPos(nullptr, 0, 0, m_menuWidth, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(nullptr, false);
    }
}

LRESULT MenuWnd::OnMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM)
{
    if (IsWindow(m_owner)) {
        ::lumo::PostMessageW(m_owner, m_notifyMessage, wParam, static_cast<LPARAM>(controlID));
    }
    if (code == NOTIFY_CLICK) {
        CloseWindow();
    }
    return 0;
}

} // namespace lumo
