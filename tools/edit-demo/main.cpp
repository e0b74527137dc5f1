// Shows every text field and combo box on one dialog with the skin beside the built program.
//   lumoui_edit_demo [--seconds N] [--open-combo] [--edit]
// --edit opens the first field's editor at start; --open-combo opens the long combo's
// drop-down; after N seconds the program prints every field's text and ends. Each change of
// a field's text is printed as it happens ("changed <id>: <text>").

#include "lumoui/CColorCombo.h"
#include "lumoui/CLogonEdit.h"
#include "lumoui/MComboBox.h"
#include "lumoui/MDialog.h"
#include "lumoui/MEdit.h"
#include "lumoui/MEditEx.h"
#include "lumoui/MRichEdit.h"
#include "lumoui/Manager.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace lumo;

namespace {

constexpr UINT kPlain = 1;
constexpr UINT kPassword = 2;
constexpr UINT kNumber = 3;
constexpr UINT kReadOnly = 4;
constexpr UINT kDisabled = 5;
constexpr UINT kFlat = 6;
constexpr UINT kLogon = 7;
constexpr UINT kRich = 8;
constexpr UINT kCombo = 9;
constexpr UINT kLongCombo = 10;
constexpr UINT kColour = 11;
constexpr UINT kQuitTimer = 1;
constexpr UINT kOpenTimer = 2;

class DemoDialog : public MDialog {
public:
    bool m_openCombo = false;
    bool m_edit = false;

    void InitUI(CRect) override
    {
        auto edit = [&](UINT id, int y, const char* text) {
            auto* e = static_cast<MEdit*>(CreateControl("MEdit", id, CRect(20, y, 300, y + 32), text, 1, 1));
            e->SetImage("img_edit.png", 4);
            return e;
        };
        edit(kPlain, 20, "")->SetTipInfo("Type a name here");
        MEdit* secret = edit(kPassword, 62, "secret");
        secret->EnablePassWord(true);
        MEdit* number = edit(kNumber, 104, "120");
        number->SetNumberOnly(true);
        number->SetLimitText(5);
        number->SetIconImage("icon/icon_web_search.png", 1);
        MEdit* ro = edit(kReadOnly, 146, "Read-only text");
        ro->SetReadOnly(true);
        edit(kDisabled, 188, "Disabled field")->SetEnabled(false);
        CreateControl("MEditEx", kFlat, CRect(20, 230, 300, 262), "Flat field", 1, 1);
        auto* logon = new CLogonEdit(this, kLogon, CRect(20, 272, 300, 306), "", 1, 1);
        m_pm.AddControl(logon, 1);
        logon->SetManager(&m_pm);
        logon->SetTipInfo("User name");
        logon->SetLogoImage("icon/icon_home.png", 1);
        CreateControl("MRichEdit", kRich, CRect(20, 318, 300, 440),
            "A text box of several lines.\nLong lines wrap at the right edge of the box, and the wheel "
            "scrolls "
            "when the text is taller than the box.\n中文也可以。",
            1, 1);

        auto* combo = static_cast<MComboBox*>(
            CreateControl("MComboBox", kCombo, CRect(340, 20, 600, 50), nullptr, 1, 1));
        combo->SetImage("img_combobox.png", 4);
        for (const char* name : { "English", "中文 (简体)", "Deutsch" }) {
            combo->AddItem(name);
        }
        combo->SetCurSel(1);
        auto* longCombo = static_cast<MComboBox*>(
            CreateControl("MComboBox", kLongCombo, CRect(340, 62, 600, 92), nullptr, 1, 1));
        longCombo->SetImage("img_combobox.png", 4);
        for (int i = 1; i <= 12; ++i) {
            longCombo->AddItem(
                "Profile " + std::to_string(i), i, i % 3 == 0 ? "saved" : "", i == 2 ? 0xFFE04040 : 0);
        }
        longCombo->SetCurSel(0);
        auto* colour = new CColorCombo(this, kColour, CRect(340, 104, 460, 134), 1, 1);
        m_pm.AddControl(colour, 1);
        colour->SetManager(&m_pm);
        colour->SetImage("img_combobox.png", 4);
        colour->SetAreaColor(RGB(0, 122, 204));
        if (m_edit) {
            static_cast<MEdit*>(GetControl(kPlain))->ShowEdit();
        }
    }

    void Start()
    {
        // Opened once the window has settled: showing it moves the keyboard focus around.
        if (m_openCombo) {
            SetTimer(kOpenTimer, 500);
        }
    }

    LRESULT OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM) override
    {
        if (code == NOTIFY_TEXTCHANGED) {
            std::printf("changed %u: %s\n", id, static_cast<MEdit*>(GetControl(id))->GetEditText().c_str());
            std::fflush(stdout);
        } else if (code == NOTIFY_CLICK && (id == kCombo || id == kLongCombo)) {
            std::printf("chose %u: %d\n", id, static_cast<int>(wParam));
            std::fflush(stdout);
        }
        return 0;
    }

    void OnTimer(UINT id) override
    {
        if (id == kOpenTimer) {
            KillTimer(kOpenTimer);
            static_cast<MComboBox*>(GetControl(kLongCombo))->OpenDropDown();
        }
        if (id != kQuitTimer) {
            return;
        }
        for (UINT e : { kPlain, kPassword, kNumber, kFlat, kLogon }) {
            std::printf("field %u: %s\n", e, static_cast<MEdit*>(GetControl(e))->GetEditText().c_str());
        }
        std::printf("field %u: %s\n", kRich, static_cast<MRichEdit*>(GetControl(kRich))->GetTitle().c_str());
        std::fflush(stdout);
        PostQuitMessage(0);
    }
};

} // namespace

int main(int argc, char** argv)
{
    int seconds = 0;
    DemoDialog dlg;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc) {
            seconds = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--open-combo")) {
            dlg.m_openCombo = true;
        } else if (!std::strcmp(argv[i], "--edit")) {
            dlg.m_edit = true;
        }
    }
    Manager::SetAppFolder(CLAVORA_BIN_DIR "/");
    if (!dlg.Create(nullptr, "LumoUI text fields", WS_POPUP, 0, CRect(40, 40, 660, 500))) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    dlg.ShowWindow(SW_SHOW);
    dlg.Start();
    if (seconds > 0) {
        dlg.SetTimer(kQuitTimer, static_cast<UINT>(seconds) * 1000);
    }
    return Manager::MessageLoop();
}
