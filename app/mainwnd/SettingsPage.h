#pragma once

// SettingsPage - start with the system, restore defaults, and the software and firmware
// update buttons; plus the language label, list and button and a keyboard picture, which
// get no place on the page. The settings and update features fill the entry points; until
// then they do nothing and return 0.

#include "lumoui/Types.h"

namespace lumo {
class MTabLayout;
} // namespace lumo

namespace clavora {

class KeyboardDlg;
struct SettingsControls;

class SettingsPage {
public:
    SettingsPage(KeyboardDlg& dlg, SettingsControls& controls);

    void Build(lumo::MTabLayout* page);
    void Layout(const lumo::CRect& client);
    void RefreshTexts();

    void ShowRestoreButton(bool visible);
    void ShowFirmwareButton(bool visible);

    // --- Feature entry points ----------------------------------------------------------------
    lumo::LRESULT OnAutostart();
    lumo::LRESULT OnRestoreDefaults();
    lumo::LRESULT OnSoftwareUpdate();
    lumo::LRESULT OnFirmwareUpdate();

private:
    KeyboardDlg& m_dlg;
    SettingsControls& m_c;
};

} // namespace clavora
