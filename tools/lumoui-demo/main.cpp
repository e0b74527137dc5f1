// lumoui-demo: one dialog with a few controls, to check the toolkit's drawing by eye.
//   lumoui-demo [--quit-after MS] [--message] [--balloon] [--png FILE]
// --png saves the dialog as the window system shows it (headless: LUMOUI_HEADLESS=1) and quits.

#include "DemoControls.h"
#include "DemoSkin.h"

#include "lumoui/Headless.h"
#include "lumoui/MDialog.h"
#include "lumoui/Manager.h"
#include "lumoui/MenuWnd.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace lumo;

namespace {

enum : UINT {
    kIdPanel = 10,
    kIdTitle,
    kIdText,
    kIdPicture,
    kIdMessage,
    kIdBalloon,
    kIdMenu,
    kIdDisabled,
    kIdQuit,
};
constexpr UINT kQuitTimer = 1;
constexpr UINT kMenuMessage = WM_APP + 1;

class DemoDialog : public MDialog {
public:
    void InitUI(CRect client) override
    {
        SetMTimer(10);
        auto* panel = static_cast<demo::DemoPicture*>(CreateArea("DemoPicture", kIdPanel, CRect(20, 60, 700, 430)));
        panel->SetImage("demo_panel.png", 1);
        panel->SetEdge(12);
        auto* title = static_cast<demo::DemoLabel*>(CreateControl("DemoLabel", kIdTitle, CRect(24, 12, 700, 50),
            "LumoUI demo", 1));
        title->SetFont("Arial", 26, FontStyleBold);
        auto* text = static_cast<demo::DemoLabel*>(CreateControl("DemoLabel", kIdText, CRect(40, 80, 420, 200),
            "Drawn with cairo and pango. Long texts wrap inside their box; Chinese: 键盘灯光与宏设置。", 1));
        text->SetMultiLine(true);
        text->SetTextColor(0xFFE0E0E0);
        auto* pic = static_cast<demo::DemoPicture*>(CreateControl("DemoPicture", kIdPicture, CRect(460, 90, 652, 218)));
        pic->SetImage("demo_picture.png", 1);
        struct {
            UINT id;
            const char* title;
            int x;
        } buttons[] = { { kIdMessage, "Message", 40 }, { kIdBalloon, "Balloon", 180 }, { kIdMenu, "Menu", 320 },
            { kIdDisabled, "Disabled", 460 } };
        for (auto& b : buttons) {
            MControl* c = CreateControl("DemoButton", b.id, CRect(b.x, 250, b.x + 120, 290), b.title, 1, 1);
            static_cast<MControlFont*>(c)->SetImage("demo_button.png", 4);
        }
        GetControl(kIdDisabled)->SetEnabled(false);
        auto* quit = static_cast<MControlFont*>(CreateControl("DemoButton", kIdQuit, CRect(580, 380, 690, 420), "Quit"));
        quit->SetImage("demo_button.png", 4);
        GetControl(kIdMessage)->SetTooltip("Shows the in-window message box");
        (void)client;
    }

    LRESULT OnMessage(UINT id, UINT code, WPARAM, LPARAM) override
    {
        if (code != NOTIFY_CLICK) {
            return 0;
        }
        switch (id) {
        case kIdMessage:
            SetMessage("Settings saved");
            break;
        case kIdBalloon:
            SetAirBladderMsg("A balloon below the button", GetAirBladderPoint(GetControl(kIdBalloon), 1),
                AIRBLADDER_CENTER);
            break;
        case kIdMenu:
            ShowMenu();
            break;
        case kIdQuit:
            DoOK();
            break;
        default:
            break;
        }
        return 0;
    }

    void OnTimer(UINT id) override
    {
        if (id == kQuitTimer) {
            DoOK();
        }
    }

    void ShowMenu()
    {
        CPoint at(GetControl(kIdMenu)->GetRect().left, GetControl(kIdMenu)->GetRect().bottom);
        ClientToScreen(&at);
        MenuWnd menu;
        menu.Create(GetSafeHwnd(), at, kMenuMessage, 180);
        menu.AddMenu("Restore default", 606);
        menu.AddSeparator(700);
        menu.AddMenu("Assign macro", 608);
        menu.AddMenu("Disable key", 607);
        menu.ShowModal();
    }
};

} // namespace

int main(int argc, char** argv)
{
    int quitAfter = 0;
    bool message = false;
    bool balloon = false;
    std::string png;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--quit-after" && i + 1 < argc) {
            quitAfter = std::atoi(argv[++i]);
        } else if (a == "--message") {
            message = true;
        } else if (a == "--balloon") {
            balloon = true;
        } else if (a == "--png" && i + 1 < argc) {
            png = argv[++i];
        }
    }
    std::string folder = (std::filesystem::temp_directory_path() / "lumoui-demo").string();
    if (!demo::WriteDemoSkin(folder)) {
        std::fprintf(stderr, "cannot write the demo skin into %s\n", folder.c_str());
        return 1;
    }
    Manager::SetAppFolder(folder);

    DemoDialog dlg;
    dlg.Create(nullptr, "LumoUI demo", WS_POPUP, 0, CRect(100, 100, 820, 560));
    dlg.EnableWndDrag(true);
    if (message) {
        dlg.SetMessage("Settings saved");
    }
    if (balloon) {
        dlg.ShowWindow(SW_SHOW);
        dlg.SetAirBladderMsg("A balloon below the button", dlg.GetAirBladderPoint(dlg.GetControl(kIdBalloon), 1),
            AIRBLADDER_CENTER);
    }
    if (!png.empty()) {
        dlg.ShowWindow(SW_SHOW);
        UpdateWindow(dlg.GetSafeHwnd());
        bool ok = headless::SavePng(dlg.GetSafeHwnd(), png);
        std::printf("%s %s\n", ok ? "saved" : "could not save (needs LUMOUI_HEADLESS=1)", png.c_str());
        return ok ? 0 : 1;
    }
    if (quitAfter > 0) {
        dlg.SetTimer(kQuitTimer, static_cast<UINT>(quitAfter));
    }
    UINT result = dlg.ShowModal();
    std::printf("dialog ended with %u\n", result);
    return 0;
}
