// Gallery section: the text label and the button family.

#include "Gallery.h"

#include "lumoui/CCheckButton.h"
#include "lumoui/CColorButton.h"
#include "lumoui/CHelpButton.h"
#include "lumoui/CIconButton.h"
#include "lumoui/CImageButton.h"
#include "lumoui/CRadioButton.h"
#include "lumoui/CSwitchButton.h"
#include "lumoui/CTextButton.h"
#include "lumoui/CTimerButton.h"
#include "lumoui/MText.h"

using namespace lumo;

namespace gallery {
namespace {

void BuildButtons(MDialog& d, CRect a)
{
    const int x = a.left;
    int y = a.top;
    UINT id = 1100;

    auto* marked = Make<MText>(d, "MText", id++, CRect(x, y, a.right, y + 22), "A label with a marked word", 1);
    marked->SetTitleMarkText("A label with a marked word", "marked");
    auto* shadow = Make<MText>(d, "MText", id++, CRect(x, y + 24, a.right, y + 46), "", 1);
    shadow->SetTitle("Shadowed, centred label");
    shadow->EnableShadow(true);
    shadow->SetAlignment(DT_CENTER);
    y += 54;

    auto* apply = Make<MButton>(d, "MButton", id++, CRect(x, y, x + 100, y + 30), "Apply");
    apply->SetImage("btn_apply.png", 4);
    auto* off = Make<MButton>(d, "MButton", id++, CRect(x + 110, y, x + 210, y + 30), "Disabled", 1, 0);
    off->SetImage("btn_apply.png", 4);
    auto* icon = Make<MButton>(d, "MButton", id++, CRect(x + 220, y, x + 340, y + 30), "USB");
    icon->SetImage("btn_apply.png", 4);
    icon->SetIconImage("icon/mode_usb.png", 1);
    auto* help = Make<CHelpButton>(d, "CHelpButton", id++, CRect(x + 350, y + 5, x + 370, y + 25), "Help shown as a tooltip");
    (void)help;
    y += 40;

    auto* close = Make<CImageButton>(d, "CImageButton", id++, CRect(x, y, x + 30, y + 30), "");
    close->SetImage("main_sysbtn_close.png", 4);
    close->SetTooltip("Close");
    auto* add = Make<CImageButton>(d, "CImageButton", id++, CRect(x + 40, y, x + 70, y + 30), "");
    add->SetImage("imgbtn_add.png", 4);
    add->SetAirBladderInfo("Add a profile", 1);
    auto* text = Make<CTextButton>(d, "CTextButton", id++, CRect(x + 80, y, x + 200, y + 30), "Text button");
    (void)text;
    auto* timer = Make<CTimerButton>(d, "CTimerButton", id++, CRect(x + 210, y, x + 330, y + 30), "Resend");
    timer->SetImage("btn_apply.png", 4);
    timer->SetRun(true);
    y += 40;

    auto* home = Make<CIconButton>(d, "CIconButton", id++, CRect(x, y, x + 120, y + 44), "Home");
    home->SetImage("btn_apply.png", 4);
    home->SetIconImage("icon/tab_home.png", 4);
    home->SetGroupName("pages");
    home->SetCheck(true);
    auto* light = Make<CIconButton>(d, "CIconButton", id++, CRect(x + 130, y, x + 250, y + 44), "Light");
    light->SetImage("btn_apply.png", 4);
    light->SetIconImage("icon/tab_light.png", 4);
    light->SetGroupName("pages");
    auto* sw = Make<CSwitchButton>(d, "CSwitchButton", id++, CRect(x + 270, y + 10, x + 320, y + 34));
    sw->SetImage("btn_switch_on.png", "btn_switch_off.png", 4);
    sw->SetCheck(true);
    auto* sw2 = Make<CSwitchButton>(d, "CSwitchButton", id++, CRect(x + 330, y + 10, x + 380, y + 34));
    sw2->SetImage("btn_switch_on.png", "btn_switch_off.png", 4);
    y += 54;

    const char* checks[] = { "Start with the system", "Checked", "Disabled" };
    for (int i = 0; i < 3; ++i) {
        auto* c = Make<CCheckButton>(d, "CCheckButton", id++, CRect(x, y + i * 30, x + 200, y + i * 30 + 28), checks[i],
            1, i == 2 ? 0 : 1);
        c->SetImage("btn_checkbox.png", 8);
        if (i == 1) {
            c->SetCheck(true);
        }
    }
    const char* radios[] = { "Hide to the tray", "Quit the program" };
    for (int i = 0; i < 2; ++i) {
        auto* r = Make<CRadioButton>(d, "CRadioButton", id++, CRect(x + 210, y + i * 30, x + a.Width(), y + i * 30 + 28),
            radios[i]);
        r->SetImage("btn_radiobox.png", 8);
        r->SetGroupName("exit_mode");
        r->SetCheck(i == 0);
    }
    const char* arrows[] = { "btn_direction_left.png", "btn_direction_right.png" };
    for (int i = 0; i < 2; ++i) {
        auto* r = Make<CRadioButton>(d, "CRadioButton", id++, CRect(x + 210 + i * 40, y + 62, x + 242 + i * 40, y + 94));
        r->SetImage(arrows[i], 8);
        r->SetGroupName("direction");
        r->SetCheck(i == 0);
    }
    y += 100;

    const COLORREF colours[] = { 0, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xFFFFFF };
    for (int i = 0; i < 8; ++i) {
        auto* c = Make<CColorButton>(d, "CColorButton", id++, CRect(x + i * 30, y, x + i * 30 + 24, y + 24));
        c->SetGroupName("preset");
        c->SetColor(colours[i]);
        if (i == 0) {
            c->SetImage("btn_colorful.png", 1);
        }
        c->SetShowBorder(i == 7);
        c->SetCheck(i == 2);
    }
}

const GallerySection kButtons(Section { 0, 10, "Text and buttons", CRect(20, 20, 430, 440), BuildButtons });

} // namespace
} // namespace gallery
