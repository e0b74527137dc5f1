#include "profiles/ProfileListBinding.h"

#include "device/TaskCodes.h"
#include "lumoui/DListBox.h"
#include "lumoui/KeyboardCtrl.h"
#include "mainwnd/CUIMessageBox.h"
#include "mainwnd/KeyboardDlg.h"
#include "mainwnd/PageKit.h"

namespace clavora {

using lumo::LPARAM;
using lumo::LRESULT;
using lumo::UINT;
using lumo::WPARAM;

ProfileListBinding::ProfileListBinding(KeyboardDlg& dlg, KeyPageControls& controls)
    : m_dlg(dlg)
    , m_c(controls)
    , m_model(dlg.GetStore(), *this, *this)
{
}

LRESULT ProfileListBinding::OnList(UINT code, WPARAM, LPARAM lParam)
{
    switch (code) {
    case lumo::NOTIFY_CLICK:
        m_model.Switch();
        return 1;
    case lumo::NOTIFY_EDITEND:
        m_model.EndRename(static_cast<int>(lParam));
        return 1;
    default:
        return 0;
    }
}

LRESULT ProfileListBinding::OnAdd()
{
    m_model.Add();
    return 1;
}

LRESULT ProfileListBinding::OnDelete()
{
    m_model.Delete();
    return 1;
}

LRESULT ProfileListBinding::OnRename()
{
    m_model.Rename();
    return 1;
}

// --- IProfileListView ---------------------------------------------------------------------------

void ProfileListBinding::Clear()
{
    if (m_c.profileList)
        m_c.profileList->DeleteAllItems();
}

void ProfileListBinding::Add(const std::string& text, int profile)
{
    if (m_c.profileList)
        m_c.profileList->AddString(text, static_cast<long>(profile), 0);
}

void ProfileListBinding::Remove(int row)
{
    if (m_c.profileList)
        m_c.profileList->DeleteItem(row);
}

int ProfileListBinding::Count() const
{
    return m_c.profileList ? m_c.profileList->GetItemCount() : 0;
}

std::string ProfileListBinding::RowText(int row) const
{
    return m_c.profileList ? m_c.profileList->GetItemText(row) : std::string();
}

void ProfileListBinding::SetRowText(int row, const std::string& text)
{
    if (!m_c.profileList)
        return;
    m_c.profileList->ModifyItemString(row, text);
    m_c.profileList->UpdateControl(true);
}

int ProfileListBinding::RowProfile(int row) const
{
    return m_c.profileList ? static_cast<int>(m_c.profileList->GetItemData(row)) : 0;
}

int ProfileListBinding::Selection() const
{
    return m_c.profileList ? m_c.profileList->GetCurSel() : -1;
}

void ProfileListBinding::Select(int row)
{
    if (m_c.profileList)
        m_c.profileList->SetCurSel(row);
}

void ProfileListBinding::OpenEditor()
{
    if (m_c.profileList)
        m_c.profileList->ShowEdit();
}

// --- IProfileHost ---------------------------------------------------------------------------------

int ProfileListBinding::CurrentProfile() const
{
    return m_dlg.GetCurrentProfile();
}

void ProfileListBinding::SetCurrentProfile(int profile)
{
    m_dlg.SetCurrentProfile(profile);
}

void ProfileListBinding::LoadKeyPage()
{
    m_dlg.GetKeyPage().Reload();
}

void ProfileListBinding::ArmKeyFilter()
{
    m_dlg.ArmKeyFilter();
}

void ProfileListBinding::EnableKeyPicture(bool enable)
{
    Enable(m_c.picture, enable);
}

void ProfileListBinding::ShowMessage(int text, int title)
{
    ShowMessageBox(Text(text), m_dlg.GetSafeHwnd(), Text(title), kMessageBoxOk);
}

bool ProfileListBinding::Confirm(int text, int title)
{
    return ShowMessageBox(Text(text), m_dlg.GetSafeHwnd(), Text(title), kMessageBoxOkCancel) == kMessageBoxResultOk;
}

void ProfileListBinding::WriteKeysToKeyboard()
{
    m_dlg.QueueTask(task::kWriteKeys);
    // The worker closes the box after the write; without a keyboard it drops the write and
    // nothing would close it.
    if (m_dlg.IsInterfaceFound())
        m_dlg.ShowWaitBox();
}

const std::vector<std::string>& ProfileListBinding::BlockedWords() const
{
    return m_dlg.GetBlockedWords();
}

} // namespace clavora
