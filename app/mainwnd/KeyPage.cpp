#include "mainwnd/KeyPage.h"

#include "lumoui/CArea.h"
#include "lumoui/CImageButton.h"
#include "lumoui/DListBox.h"
#include "lumoui/KeyFuncControl.h"
#include "lumoui/KeyboardCtrl.h"
#include "lumoui/MTabLayout.h"
#include "mainwnd/ControlIds.h"
#include "mainwnd/KeyboardDef.h"
#include "mainwnd/PageKit.h"

#include <array>

namespace clavora {

namespace {

using lumo::CRect;
using lumo::UINT;

// 60 add, 61 delete, 62 rename, 63 import, 64 export.
constexpr std::array<const char*, 5> kProfileImages { "imgbtn_add.png", "imgbtn_del.png", "imgbtn_edit.png",
    "imgbtn_import.png", "imgbtn_export.png" };
constexpr std::array<int, 5> kProfileTips { 28, 30, 29, 26, 27 };
constexpr int kTextPictureTitle = 304;
constexpr int kChooserHeight = 270;
constexpr int kAssignmentPictureMode = 101;

// The key chooser's media and browser items and the texts that describe them.
constexpr std::array<std::pair<int, int>, 18> kChooserDescriptions { { { 232, 272 }, { 233, 235 }, { 234, 234 },
    { 235, 236 }, { 236, 231 }, { 237, 232 }, { 238, 230 }, { 239, 233 }, { 240, 271 }, { 241, 273 }, { 242, 270 },
    { 243, 276 }, { 244, 277 }, { 245, 275 }, { 246, 274 }, { 247, 279 }, { 248, 278 }, { 249, 252 } } };

} // namespace

KeyPage::KeyPage(KeyboardDlg& dlg, KeyPageControls& controls)
    : m_dlg(dlg)
    , m_c(controls)
{
}

void KeyPage::Build(lumo::MTabLayout* page)
{
    m_c.toolbar = MakeArea(page, ctl::kKeyToolbar, 70);
    for (size_t i = 0; i < m_c.profileButtons.size(); ++i) {
        auto* button = MakeControl<lumo::CImageButton>(page, "CImageButton", ctl::kProfileAdd + static_cast<UINT>(i));
        if (button) {
            button->SetImage(kProfileImages[i], 4);
            button->SetTooltip(Text(kProfileTips[i]));
        }
        m_c.profileButtons[i] = button;
    }
    m_c.listBack = MakeArea(page, ctl::kProfileListBack, 70);
    m_c.profileList = MakeNameList(page, ctl::kProfileList);
    m_c.picture = MakeControl<lumo::KeyboardCtrl>(page, "KeyboardCtrl", ctl::kKeyPicture);
    if (m_c.picture) {
        m_c.picture->SetTitle(Text(kTextPictureTitle));
        m_c.picture->SetKeyboardCtrlMode(kAssignmentPictureMode);
    }
    m_c.chooser = MakeControl<lumo::KeyFuncControl>(page, "KeyFuncControl", ctl::kKeyChooser);
    if (m_c.chooser)
        m_c.chooser->SetImage("img_customkey.png", 3);
    SetChooserDescriptions();
}

void KeyPage::SetChooserDescriptions()
{
    if (!m_c.chooser)
        return;
    for (const auto& [itemData, text] : kChooserDescriptions)
        m_c.chooser->SetItemDesc(itemData, Text(text));
}

void KeyPage::Layout(const CRect& client)
{
    const int w = client.Width();
    const int h = client.Height();
    Place(m_c.toolbar, CRect(80, 50, 320, 100));
    for (size_t i = 0; i < m_c.profileButtons.size(); ++i) {
        const int x = 110 + 35 * static_cast<int>(i);
        Place(m_c.profileButtons[i], CRect(x, 60, x + 30, 90));
    }
    Place(m_c.listBack, CRect(80, 100, 320, h - 1));
    Place(m_c.profileList, CRect(80, 100, 320, h - 1));
    Place(m_c.chooser, CRect(340, h - kChooserHeight, w - 1, h - 1));
    if (!m_pictureRect.IsRectEmpty())
        Place(m_c.picture, m_pictureRect);
}

void KeyPage::RefreshTexts()
{
    for (size_t i = 0; i < m_c.profileButtons.size(); ++i) {
        if (m_c.profileButtons[i])
            m_c.profileButtons[i]->SetTooltip(Text(kProfileTips[i]));
    }
    if (m_c.picture)
        m_c.picture->SetTitle(Text(kTextPictureTitle));
    SetChooserDescriptions();
}

// --- Feature entry points ---------------------------------------------------------------------

void KeyPage::Reload() { }
lumo::LRESULT KeyPage::OnPicture(UINT, lumo::WPARAM, lumo::LPARAM) { return 0; }
lumo::LRESULT KeyPage::OnChooser(UINT, lumo::WPARAM, lumo::LPARAM) { return 0; }
lumo::LRESULT KeyPage::OnMenuCommand(lumo::LPARAM) { return 0; }

ProfileList::ProfileList(KeyboardDlg& dlg, KeyPageControls& controls)
    : m_dlg(dlg)
    , m_c(controls)
{
}

void ProfileList::Reload() { }
lumo::LRESULT ProfileList::OnList(UINT, lumo::WPARAM, lumo::LPARAM) { return 0; }
lumo::LRESULT ProfileList::OnAdd() { return 0; }
lumo::LRESULT ProfileList::OnDelete() { return 0; }
lumo::LRESULT ProfileList::OnRename() { return 0; }
lumo::LRESULT ProfileList::OnImport() { return 0; }
lumo::LRESULT ProfileList::OnExport() { return 0; }

} // namespace clavora
