#include "mainwnd/SettingsPage.h"

#include "lumoui/CArea.h"
#include "lumoui/CCheckButton.h"
#include "lumoui/KeyboardCtrl.h"
#include "lumoui/UpgradeButton.h"
#include "lumoui/MButton.h"
#include "lumoui/MComboBox.h"
#include "lumoui/MTabLayout.h"
#include "mainwnd/ControlIds.h"
#include "mainwnd/KeyboardDef.h"
#include "mainwnd/PageKit.h"
#include "platform/Autostart.h"

namespace clavora {

namespace {

using lumo::CRect;
using lumo::UINT;

constexpr int kTextLanguage = 150;
constexpr int kTextAutostart = 151;
constexpr int kTextLanguageApply = 152;
constexpr int kTextRestore = 153;
constexpr int kTextSoftwareUpdate = 156;
constexpr int kTextFirmwareUpdate = 157;

constexpr int kEnglish = 1033;
constexpr int kSettingsPictureMode = 102;

} // namespace

SettingsPage::SettingsPage(KeyboardDlg& dlg, SettingsControls& controls)
    : m_dlg(dlg)
    , m_c(controls)
{
}

void SettingsPage::Build(lumo::MTabLayout* page)
{
    m_c.background = MakeArea(page, ctl::kSettingsBack, 70);

    m_c.languageLabel = MakeControl<lumo::MText>(page, "MText", ctl::kLanguageLabel, Text(kTextLanguage));
    m_c.languages = MakeCombo(page, ctl::kLanguageList);
    if (m_c.languages) {
        m_c.languages->AddItem("English", kEnglish);
        m_c.languages->SelectData(GetCurrentLanguage());
    }

    m_c.autostart = MakeControl<lumo::CCheckButton>(page, "CCheckButton", ctl::kAutostart, Text(kTextAutostart));
    if (m_c.autostart) {
        m_c.autostart->SetImage("btn_checkbox.png", 8);
        m_c.autostart->SetTextColor(kTextWhite);
        // The box shows the stored state once, when the page is built.
        m_c.autostart->SetCheck(Autostart().IsEnabled());
    }
    m_c.languageApply = MakeApplyButton(page, ctl::kLanguageApply, Text(kTextLanguageApply));
    m_c.restore = MakeApplyButton(page, ctl::kRestoreDefaults, Text(kTextRestore));
    // The update buttons are built inside containers only.
    m_c.softwareUpdate = MakeApplyButton<lumo::UpgradeButton>(
        page, ctl::kSoftwareUpdate, Text(kTextSoftwareUpdate), "UpgradeButton");
    m_c.firmwareUpdate = MakeApplyButton<lumo::UpgradeButton>(
        page, ctl::kFirmwareUpdate, Text(kTextFirmwareUpdate), "UpgradeButton");
    m_c.picture = MakeControl<lumo::KeyboardCtrl>(page, "KeyboardCtrl", ctl::kSettingsPicture);
    if (m_c.picture)
        m_c.picture->SetKeyboardCtrlMode(kSettingsPictureMode);
}

void SettingsPage::Layout(const CRect& client)
{
    const int h = client.Height();
    Place(m_c.background, CRect(80, 50, 320, h - 1));
    Place(m_c.autostart, CRect(80, 80, 280, 118));
    Place(m_c.restore, CRect(80, 140, 280, 178));
    Place(m_c.softwareUpdate, CRect(80, 195, 280, 233));
    Place(m_c.firmwareUpdate, CRect(80, 250, 280, 288));
}

void SettingsPage::RefreshTexts()
{
    SetTitle(m_c.languageLabel, Text(kTextLanguage));
    SetTitle(m_c.autostart, Text(kTextAutostart));
    SetTitle(m_c.languageApply, Text(kTextLanguageApply));
    SetTitle(m_c.restore, Text(kTextRestore));
    SetTitle(m_c.softwareUpdate, Text(kTextSoftwareUpdate));
    SetTitle(m_c.firmwareUpdate, Text(kTextFirmwareUpdate));
}

void SettingsPage::ShowRestoreButton(bool visible)
{
    Show(m_c.restore, visible);
}

void SettingsPage::ShowFirmwareButton(bool visible)
{
    Show(m_c.firmwareUpdate, visible);
}

// --- Feature entry points ---------------------------------------------------------------------

lumo::LRESULT SettingsPage::OnAutostart()
{
    // The box has toggled already. An entry that cannot be written is not reported: the box
    // keeps the state the user chose.
    if (m_c.autostart) {
        Autostart autostart;
        if (m_c.autostart->GetCheck()) {
            autostart.Enable();
        } else {
            autostart.Disable();
        }
    }
    return 0;
}
lumo::LRESULT SettingsPage::OnRestoreDefaults() { return 0; }
lumo::LRESULT SettingsPage::OnSoftwareUpdate() { return 0; }
lumo::LRESULT SettingsPage::OnFirmwareUpdate() { return 0; }

} // namespace clavora
