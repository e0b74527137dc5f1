// Gallery section: tab bars and pages, panels and lists, areas, device widgets.

#include "Gallery.h"

#include "lumoui/BatteryCtrl.h"
#include "lumoui/CArea.h"
#include "lumoui/CDeviceCtrl.h"
#include "lumoui/DPIControl.h"
#include "lumoui/DownloadButton.h"
#include "lumoui/MButton.h"
#include "lumoui/MImageList.h"
#include "lumoui/MListBox.h"
#include "lumoui/MTabCtrl.h"
#include "lumoui/MTabLayout.h"
#include "lumoui/MText.h"
#include "lumoui/Manager.h"
#include "lumoui/UpgradeButton.h"

#include <string>

using namespace lumo;

namespace gallery {
namespace {

template <class T> T* MakeIn(MPanel* page, const char* cls, UINT id, CRect r, const char* title = "")
{
    return page ? dynamic_cast<T*>(page->CreateControl(cls, id, r, title)) : nullptr;
}

// The home page: the model list with two attached keyboards and one listed.
void FillHome(MTabLayout* page, CRect r, UINT& id)
{
    auto* devices = MakeIn<CDeviceCtrl>(
        page, "CDeviceCtrl", id++, CRect(r.left + 20, r.top + 20, r.left + 300, r.bottom));
    if (!devices) {
        return;
    }
    devices->SetImage("img_device_state.png", 2);
    devices->SetFont(Manager::GetFontName(), 12, FontStyleBold);
    devices->AddDevice("Varnel K1 Wired", 0, 0, 201, false);
    devices->AddDevice("Varnel K1 2.4G", 0, 0, 202, true);
    devices->AddDevice("Varnel K2", 0, 0, 203, false);
    devices->SetDeviceState(203, 1);
    devices->SetDeviceState(201, 1);
}

// The settings page: the two update buttons, one with the update badge, and a download.
void FillSettings(MTabLayout* page, CRect r, UINT& id)
{
    auto* software = MakeIn<UpgradeButton>(page, "UpgradeButton", id++,
        CRect(r.left + 20, r.top + 10, r.left + 220, r.top + 48), "Software update");
    if (software) {
        software->SetImage("btn_apply.png", 4);
        software->SetUpgradeStatus(1);
    }
    if (auto* firmware = MakeIn<UpgradeButton>(page, "UpgradeButton", id++,
            CRect(r.left + 20, r.top + 60, r.left + 220, r.top + 98), "Firmware update")) {
        firmware->SetImage("btn_apply.png", 4);
    }
    if (auto* download = MakeIn<DownloadButton>(page, "DownloadButton", id++,
            CRect(r.left + 20, r.top + 110, r.left + 220, r.top + 148), "Download")) {
        download->SetImage("btn_apply.png", 4);
        download->SetDownloadProcess(45);
    }
}

void BuildPanels(MDialog& d, CRect a)
{
    UINT id = 1400;
    const int x = a.left;
    const int y = a.top;

    // A column of tabs beside its pages, as the main window has it.
    if (auto* back = Make<CArea>(d, "CArea", id++, CRect(x, y, x + 80, a.bottom))) {
        back->SetTransparent(70, 70, 0x555028);
    }
    CRect pageRect(x + 90, y, x + 420, a.bottom);
    auto* column = Make<MTabCtrl>(d, "MTabCtrl", id++, CRect(x, y, x + 80, a.bottom));
    const char* icons[] = { "icon/tab_home.png", "icon/tab_customkey.png", "icon/tab_macro.png",
        "icon/tab_light.png", "icon/tab_config.png" };
    const char* texts[] = { "Home", "Keys", "Macro", "Light", "Settings" };
    MTabLayout* pages[5] = {};
    for (int i = 0; i < 5; ++i) {
        pages[i] = Make<MTabLayout>(d, "MTabLayout", id++, pageRect);
    }
    if (column) {
        column->SetTabCtrlWidth(80);
        // Five tabs with their 1-pixel gaps fit the section's height.
        column->SetTabCtrlHeight(76);
        column->SetTabType(1);
        for (int i = 0; i < 5; ++i) {
            column->InsertItem(i, texts[i], icons[i], pages[i], 4, 0);
        }
        column->SetSelectItem(0);
    }
    FillHome(pages[0], pageRect, id);

    // A row of tabs on button pictures, with a hidden tab and separators.
    const int mx = x + 440;
    auto* row = Make<MTabCtrl>(d, "MTabCtrl", id++, CRect(mx, y, mx + 380, y + 34));
    if (row) {
        row->SetTextColor(0xFFFFFFFF);
        row->SetSeparator(CSize(2, 30));
        row->SetItemWidth(120, 60, false);
        const char* rowTexts[] = { "Profiles", "Hidden", "Macros", "Lights" };
        for (int i = 0; i < 4; ++i) {
            row->InsertItem(20 + i, rowTexts[i], "btn_apply.png", nullptr, 4, 0);
        }
        row->SetItemVisible(1, false);
        row->SetItemWidth(120, 60, true);
        row->SetSelectItem(2);
    }

    // Areas: the default veil, a veil fading downwards, an opaque framed one.
    Label(
        d, id++, CRect(mx, y + 50, mx + 380, y + 70), "Areas: default veil, 10 % to 90 %, opaque with frame");
    Make<CArea>(d, "CArea", id++, CRect(mx, y + 74, mx + 110, y + 134));
    if (auto* fade = Make<CArea>(d, "CArea", id++, CRect(mx + 130, y + 74, mx + 240, y + 134))) {
        fade->SetTransparent(10, 90, 0xCC7A00);
    }
    if (auto* solid = Make<CArea>(d, "CArea", id++, CRect(mx + 260, y + 74, mx + 370, y + 134))) {
        solid->SetTransparent(0, 0, 0x555028);
        solid->SetFrame(true, 0xFFFF7D00);
    }

    // A list with icons and more rows than fit.
    static MImageList images;
    if (images.GetImageCount() == 0) {
        images.AddImage(Manager::GetSkinFolder() + "icon/icon_keyboard.png", 1, 1);
        images.AddImage(Manager::GetSkinFolder() + "icon/icon_macro.png", 2, 1);
    }
    Label(d, id++, CRect(mx, y + 150, mx + 180, y + 170), "List box");
    if (auto* list = Make<MListBox>(d, "MListBox", id++, CRect(mx, y + 174, mx + 180, a.bottom))) {
        list->SetImageList(&images);
        for (int i = 0; i < 9; ++i) {
            list->AddString("Profile " + std::to_string(i + 1), i % 2);
        }
        list->SetCurSel(1);
        list->GetScrollVertical()->SetScrollStep(30);
    }

    // A panel whose content is taller than itself, scrolled a little.
    Label(d, id++, CRect(mx + 200, y + 150, mx + 380, y + 170), "Scrolled panel");
    if (auto* panel = Make<MTabLayout>(d, "MTabLayout", id++, CRect(mx + 200, y + 174, mx + 380, a.bottom))) {
        panel->SetVirtualSize(0, 400);
        for (int i = 0; i < 8; ++i) {
            int top = y + 174 + 6 + i * 48;
            if (auto* b = MakeIn<MButton>(panel, "MButton", id++, CRect(mx + 206, top, mx + 366, top + 38),
                    ("Button " + std::to_string(i + 1)).c_str())) {
                b->SetImage("btn_apply.png", 4);
            }
        }
        panel->GetScrollVertical()->SetScrollCurrentPos(100);
    }

    // Device widgets on their own.
    const int rx = x + 860;
    Label(d, id++, CRect(rx, y, rx + 200, y + 20), "Battery: 60 %, charging");
    for (int charging = 0; charging < 2; ++charging) {
        auto* battery = Make<BatteryCtrl>(
            d, "BatteryCtrl", id++, CRect(rx + charging * 90, y + 28, rx + charging * 90 + 70, y + 48));
        if (battery) {
            battery->SetImage("icon/icon_battery_bkg.png", 1);
            battery->SetBatteryIcon("icon/icon_batteryvalue.png", "icon/icon_charge.png");
            battery->SetFont(Manager::GetFontName(), 11, FontStyleRegular);
            battery->SetBatteryInfo(60, charging);
        }
    }
    Label(d, id++, CRect(rx, y + 64, rx + 300, y + 84), "DPI levels (one group)");
    CRect settings(rx, y + 230, rx + 380, a.bottom);
    FillSettings(Make<MTabLayout>(d, "MTabLayout", id++, settings), settings, id);
    if (auto* page = Make<MTabLayout>(d, "MTabLayout", id++, CRect(rx, y + 88, rx + 380, y + 220))) {
        const int values[] = { 800, 1600, 3200 };
        const COLORREF colours[] = { 0x0000FF, 0x00FF00, 0xFF7A00 };
        for (int i = 0; i < 3; ++i) {
            auto* dpi = MakeIn<DPIControl>(
                page, "DPIControl", id++, CRect(rx, y + 88 + i * 42, rx + 160, y + 88 + i * 42 + 36));
            if (dpi) {
                dpi->SetGroupName("dpi");
                dpi->SetColor(colours[i]);
                dpi->SetDPIValue(values[i]);
                dpi->SetCheck(i == 1);
            }
        }
    }
}

const GallerySection kPanels(
    Section { 0, 40, "Tabs, containers, device widgets", CRect(20, 460, 1260, 880), BuildPanels });

} // namespace
} // namespace gallery
