#include "lumoui/CComboBoxWnd.h"
#include "lumoui/MControl.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr int kVerticalPadding = 6;
constexpr int kSidePadding = 3;
constexpr int kGap = 2;
constexpr int kInsetLeft = 4;
constexpr int kInsetRight = 6;
constexpr int kBackEdge = 4;
constexpr DWORD kStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

} // namespace

CComboBoxWnd::CComboBoxWnd(MObject* combo)
    : MPopupWnd(combo)
{
}

CComboBoxWnd::~CComboBoxWnd() = default;

int CComboBoxWnd::DropDownHeight(int items)
{
    return std::clamp(items, 0, kMaxRows) * CComboBoxList::kRowHeight + 2 * kVerticalPadding;
}

CRect CComboBoxWnd::PlaceDropDown(const CRect& combo, int items, const CRect& workArea)
{
    int height = DropDownHeight(items);
    CRect below(combo.left + kInsetLeft, combo.bottom + kGap, combo.right - kInsetRight,
        combo.bottom + kGap + height);
    if (below.bottom <= workArea.bottom) {
        return below;
    }
    return CRect(combo.left, combo.top - kGap - height, combo.right, combo.top - kGap);
}

bool CComboBoxWnd::Open(HWND owner, const CRect& comboScreen, Options options)
{
    m_options = std::move(options);
    CRect rect
        = PlaceDropDown(comboScreen, static_cast<int>(m_options.items.size()), GetWorkAreaNear(comboScreen));
    SetLayeredWindow(true);
    EnableWndDrag(false);
    // Like a menu: a press outside closes the drop-down (and goes no further), as does the
    // loss of activation.
    EnableAutoClose(true);
    if (!m_options.backImage.empty() && LoadBKImage(m_options.backImage)) {
        SetBackMode(BACKMODE_FRAME, kBackEdge);
    }
    return Create(owner, "ComboWnd", kStyle, WS_EX_TOOLWINDOW | WS_EX_LUMO_POPUPMENU, rect) != nullptr;
}

void CComboBoxWnd::InitUI(CRect client)
{
    if (m_options.scrollResID != 0) {
        m_pm.SetScrollResID(m_options.scrollResID, m_pm.GetScrollHID());
    }
    CRect inner(client.left + kSidePadding, client.top + kVerticalPadding, client.right - kSidePadding,
        client.bottom - kVerticalPadding);
    auto* list = static_cast<CComboBoxList*>(CreateControl("CComboBoxList", kListID, inner, nullptr, 1, 1));
    if (!list) {
        return;
    }
    list->SetFont(m_options.font.family, m_options.font.size, m_options.font.style);
    list->SetTextColor(m_options.textColor);
    list->SetItems(m_options.items);
    list->SetCurSel(m_options.curSel);
    // The list takes the keys from the start.
    SetFocusControl(list);
}

CComboBoxList* CComboBoxWnd::GetList() const
{
    return static_cast<CComboBoxList*>(GetControl(kListID));
}

LRESULT CComboBoxWnd::OnMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    if (controlID == kListID && code == NOTIFY_CLICK) {
        SendMessageToParent(0, NOTIFY_CLICK, wParam, lParam);
        CloseWindow();
    }
    return 0;
}

LRESULT CComboBoxWnd::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN && wParam == VK_ESCAPE) {
        CloseWindow();
    }
    return MPopupWnd::OnWindowMessage(msg, wParam, lParam);
}

void CComboBoxWnd::OnDestroyMessage(HWND hwnd)
{
    MPopupWnd::OnDestroyMessage(hwnd);
    SendMessageToParent(0, NOTIFY_POPUPCLOSED, 0, 0);
}

} // namespace lumo
