#include "keys/KeyPageBinding.h"

#include "keys/CustomKeyDlg.h"
#include "lumoui/KeyFuncControl.h"
#include "lumoui/KeyboardCtrl.h"
#include "lumoui/MenuWnd.h"
#include "mainwnd/CUIMessageBox.h"
#include "mainwnd/ControlIds.h"
#include "mainwnd/KeyboardDlg.h"
#include "mainwnd/PageKit.h"

#include <memory>

namespace clavora {

namespace {

using lumo::LPARAM;
using lumo::LRESULT;
using lumo::UINT;
using lumo::WPARAM;

// The key menu's commands in the order shown, with their texts.
struct MenuCommand {
    int command;
    int text;
};
constexpr MenuCommand kKeyMenu[] { { KeyPageModel::kMenuRestoreDefault, 201 }, { KeyPageModel::kMenuAssignMacro, 206 },
    { KeyPageModel::kMenuAssignShortcut, 209 }, { KeyPageModel::kMenuDisable, 202 } };

constexpr int kMenuEdge = 6;
constexpr int kMenuWidth = 200;

} // namespace

KeyPageBinding::KeyPageBinding(KeyboardDlg& dlg, KeyPageControls& controls)
    : m_dlg(dlg)
    , m_c(controls)
    , m_model(dlg.GetStore(), *this, *this, *this)
{
}

void KeyPageBinding::Reload()
{
    // The tips are what shows a key's function.
    if (m_c.picture)
        m_c.picture->EnableKBTips(true);
    m_model.Refresh();
}

LRESULT KeyPageBinding::OnPicture(UINT code, WPARAM, LPARAM lParam)
{
    const int key = static_cast<int>(lParam);
    if (code == lumo::NOTIFY_CLICK) {
        m_model.SelectKey(key);
        return 1;
    }
    if (code == lumo::NOTIFY_RCLICK) {
        // The menu acts on the selected key, so it opens only over a key that can be selected.
        if (m_model.SelectKey(key))
            ShowKeyMenu();
        return 1;
    }
    return 0;
}

LRESULT KeyPageBinding::OnChooser(UINT code, WPARAM, LPARAM)
{
    if (code != lumo::NOTIFY_PRESS || !m_c.chooser)
        return 0;
    int reserved = 0;
    ChooserItem item;
    if (!m_c.chooser->GetCurItemData(reserved, item.code, item.value2, item.value3, item.label))
        return 0;
    m_model.Choose(item);
    return 1;
}

LRESULT KeyPageBinding::OnMenuCommand(LPARAM item)
{
    return m_model.OnMenuCommand(static_cast<int>(item)) ? 1 : 0;
}

void KeyPageBinding::ShowKeyMenu()
{
    lumo::CPoint at;
    lumo::GetCursorPos(&at);
    auto menu = std::make_unique<lumo::MenuWnd>();
    if (!menu->Create(m_dlg.GetSafeHwnd(), at, msg::kKeyPageMenu, "img_menu_bk.png", kMenuEdge, kMenuWidth,
            lumo::BACKMODE_FRAME))
        return;
    for (const MenuCommand& entry : kKeyMenu)
        menu->AddMenu(Text(entry.text), static_cast<UINT>(entry.command));
    // The chosen command comes back to the main window as its key menu message.
    menu->ShowModal(lumo::SW_SHOW);
}

// --- IKeyPictureView ------------------------------------------------------------------------------

void KeyPageBinding::SetKeyMark(int key, bool marked)
{
    if (m_c.picture)
        m_c.picture->SetKeyCheck(static_cast<lumo::DWORD>(key), marked);
}

void KeyPageBinding::SetKeyTip(int key, const std::string& label, const std::string& text)
{
    if (m_c.picture)
        m_c.picture->SetTipKey(static_cast<lumo::DWORD>(key), label, text);
}

void KeyPageBinding::ClearSelection()
{
    if (m_c.picture)
        m_c.picture->SetSelectItem(-1);
}

void KeyPageBinding::ClearMarksAndTips()
{
    if (!m_c.picture)
        return;
    m_c.picture->ResetAllItemCheck();
    m_c.picture->ResetTipKey();
}

void KeyPageBinding::Redraw()
{
    if (m_c.picture)
        m_c.picture->UpdateControl(true);
}

// --- IKeyChooserView ------------------------------------------------------------------------------

void KeyPageBinding::CheckItem(int code, int value2, int value3)
{
    if (m_c.chooser)
        m_c.chooser->SetItemCheckByItemData(code, value2, value3);
}

// --- IKeyPageHost ---------------------------------------------------------------------------------

int KeyPageBinding::CurrentProfile() const
{
    return m_dlg.GetCurrentProfile();
}

void KeyPageBinding::ShowMessage(int text, int title)
{
    ShowMessageBox(Text(text), m_dlg.GetSafeHwnd(), Text(title), kMessageBoxOk);
}

void KeyPageBinding::ArmKeyFilter()
{
    m_dlg.ArmKeyFilter();
}

bool KeyPageBinding::RunCustomKeyDialog(int mode, int profile, int key)
{
    CustomKeyDlg dialog(m_dlg.GetStore(), key, profile, mode);
    return dialog.Run(m_dlg.GetSafeHwnd());
}

} // namespace clavora
