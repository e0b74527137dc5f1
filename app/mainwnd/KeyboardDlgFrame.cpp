// The frame of the main window (background, border, caption bar, window buttons, device
// widgets, tab bar), the home page, the layout of everything, tab switching, choosing a model,
// and the text refresh.

#include "mainwnd/KeyboardDlg.h"

#include "device/TaskCodes.h"
#include "lumoui/BatteryCtrl.h"
#include "lumoui/CArea.h"
#include "lumoui/CDeviceCtrl.h"
#include "lumoui/CImageButton.h"
#include "lumoui/MPicture.h"
#include "lumoui/MTabCtrl.h"
#include "lumoui/MTabLayout.h"
#include "mainwnd/ControlIds.h"
#include "mainwnd/DisplayNames.h"
#include "mainwnd/PageKit.h"
#include "platform/Settings.h"
#include "platform/TrayIcon.h"

#include <array>

namespace clavora {

namespace {

using lumo::CRect;
using lumo::UINT;

constexpr lumo::ARGB kRed = 0xFFFF0000;
constexpr lumo::ARGB kGrey = 0xFF969696;
constexpr lumo::ARGB kTabText = 0xFFADADAD;
constexpr const char* kWindowTitle = "Varnel Gaming Keyboard";

constexpr int kTextClose = 171;
constexpr int kTextCloseQuits = 172;
constexpr int kTextMinimize = 2;
constexpr int kTextWebsite = 5;
constexpr int kTextChooseKeyboard = 60;
constexpr int kTextNoKeyboard = 61;
constexpr int kTextProfileWord = 65;
constexpr int kTextMacroWord = 331;

struct TabSpec {
    UINT id;
    int text;
    const char* image;
    size_t page; // index into FrameControls::pages
    int caption; // page caption text (0: none)
    const char* icon;
};
// In the order the tabs are inserted; pages: 0 home (50), 1 keys (51), 2 light (52), 3 macros
// (53), 4 settings (54).
constexpr std::array<TabSpec, 5> kTabs { {
    { ctl::kTabHome, 50, "icon/tab_home.png", 0, 0, nullptr },
    { ctl::kTabKeys, 51, "icon/tab_customkey.png", 1, 51, "icon/icon_keyboard.png" },
    { ctl::kTabMacros, 52, "icon/tab_macro.png", 3, 52, "icon/icon_macro.png" },
    { ctl::kTabLight, 53, "icon/tab_light.png", 2, 53, "icon/icon_lightmode.png" },
    { ctl::kTabSettings, 56, "icon/tab_config.png", 4, 56, "icon/icon_config.png" },
} };
constexpr int kTabSlices = 4;
constexpr int kTabSize = 80;

const TabSpec* TabById(UINT id)
{
    for (const TabSpec& tab : kTabs) {
        if (tab.id == id)
            return &tab;
    }
    return nullptr;
}

lumo::MPicture* MakePicture(lumo::MDialog& dialog, UINT id, const std::string& image)
{
    auto* picture = MakeControl<lumo::MPicture>(dialog, "MPicture", id);
    if (picture)
        picture->SetImage(image, 1);
    return picture;
}

lumo::CImageButton* MakeWindowButton(lumo::MDialog& dialog, UINT id, const std::string& image, const std::string& tip)
{
    auto* button = MakeControl<lumo::CImageButton>(dialog, "CImageButton", id);
    if (button) {
        button->SetImage(image, 4);
        button->SetTooltip(tip);
    }
    return button;
}

} // namespace

void KeyboardDlg::InitUI(CRect client)
{
    MDialog::InitUI(client);
    BuildFrame();
    auto& pages = frame.pages;
    BuildHomePage(pages[0]);
    m_keyPage.Build(pages[1]);
    m_lightPage.Build(pages[2]);
    m_macroPage.Build(pages[3]);
    m_settingsPage.Build(pages[4]);
    BuildTabBar();
}

void KeyboardDlg::BuildFrame()
{
    FrameControls& f = frame;
    f.background = MakePicture(*this, ctl::kBackground, "main_bkg.png");
    constexpr UINT kBorderIds[4] { ctl::kFrameLeft, ctl::kFrameTop, ctl::kFrameRight, ctl::kFrameBottom };
    for (size_t i = 0; i < f.border.size(); ++i)
        f.border[i] = MakeArea(*this, kBorderIds[i], 50);
    f.captionBar = MakeArea(*this, ctl::kCaptionBar, 70);
    f.captionPicture = MakePicture(*this, ctl::kCaptionPicture, "pic_caption.png");
    f.logo = MakePicture(*this, ctl::kLogo, "logo/logo.png");
    f.title = MakeControl<lumo::MText>(*this, "MText", ctl::kTitle, kWindowTitle);
    StyleLabel(f.title, 12, kTextWhite, lumo::DT_CENTER, lumo::FontStyleBold);
    f.pageCaption = MakeControl<lumo::MText>(*this, "MText", ctl::kPageCaption);
    StyleLabel(f.pageCaption, 22, kTextWhite);
    f.pageIcon = MakePicture(*this, ctl::kPageIcon, "logo/logo.png");
    if (f.pageIcon)
        f.pageIcon->SetShowMode(0);

    // The battery only ever gets its pictures: its level is never asked for.
    f.battery = MakeControl<lumo::BatteryCtrl>(*this, "BatteryCtrl", ctl::kBattery);
    if (f.battery) {
        f.battery->SetImage("icon/icon_battery_bkg.png", 1);
        f.battery->SetBatteryIcon("icon/icon_batteryvalue.png", "icon/icon_charge.png");
    }
    f.modeIcon = MakePicture(*this, ctl::kModeIcon, "icon/mode_usb.png");

    const bool closeQuits = ReadSetting(kSettingExitMode) == kExitModeQuit;
    f.close = MakeWindowButton(*this, ctl::kClose, "main_sysbtn_close.png", Text(closeQuits ? kTextCloseQuits : kTextClose));
    f.minimize = MakeWindowButton(*this, ctl::kMinimize, "main_sysbtn_min.png", Text(kTextMinimize));
    f.website = MakeWindowButton(*this, ctl::kWebsite, "main_sysbtn_website.png", Text(kTextWebsite));

    constexpr UINT kPageIds[5] { ctl::kHomeLayout, ctl::kKeyLayout, ctl::kLightLayout, ctl::kMacroLayout,
        ctl::kSettingsLayout };
    for (size_t i = 0; i < f.pages.size(); ++i)
        f.pages[i] = MakeControl<lumo::MTabLayout>(*this, "MTabLayout", kPageIds[i], {}, i == 0);
}

void KeyboardDlg::BuildHomePage(lumo::MTabLayout* page)
{
    home.status = MakeControl<lumo::MText>(page, "MText", ctl::kStatusText, Text(kTextChooseKeyboard));
    StyleLabel(home.status, 20, kRed, lumo::DT_CENTER, lumo::FontStyleBold);
    home.devices = MakeControl<lumo::CDeviceCtrl>(page, "CDeviceCtrl", ctl::kDeviceList);
    if (home.devices) {
        home.devices->SetImage("img_device_state.png", 2);
        home.devices->SetFont(home.devices->GetTextFont(), 12, lumo::FontStyleBold);
        home.devices->SetTextColor(kTextWhite);
    }
    // The version and copyright lines sit at the window's bottom edge, partly left of the
    // page, so they belong to the window and follow the home tab.
    home.version = MakeControl<lumo::MText>(*this, "MText", ctl::kVersion);
    StyleLabel(home.version, 14, kGrey);
    home.copyright = MakeControl<lumo::MText>(*this, "MText", ctl::kCopyright);
    StyleLabel(home.copyright, 14, kGrey, lumo::DT_CENTER);
}

void KeyboardDlg::BuildTabBar()
{
    FrameControls& f = frame;
    f.tabBackground = MakeArea(*this, ctl::kTabBackground, 70);
    f.tabBar = MakeControl<lumo::MTabCtrl>(*this, "MTabCtrl", ctl::kTabBar);
    if (!f.tabBar)
        return;
    lumo::MTabCtrl& bar = *f.tabBar;
    bar.SetTextColor(kTabText);
    bar.SetTabType(1);
    bar.SetTabCtrlWidth(kTabSize);
    bar.SetTabCtrlHeight(kTabSize);
    bar.SetLeftRightPading(0, 80);
    bar.SetTopBottomPading(0, 400);
    bar.SetItemWidth(kTabSize, kTabSize, true);
    bar.SetItemHeight(kTabSize, kTabSize, true);
    for (const TabSpec& tab : kTabs)
        bar.InsertItem(tab.id, Text(tab.text), tab.image, f.pages[tab.page], kTabSlices, 0);
    // The home tab is selected and the bar hidden until a keyboard is present.
    bar.SetSelectItem(0);
    OnTabClick(0);
}

void KeyboardDlg::UISize(CRect client)
{
    // Nothing is laid out before the frame exists.
    if (!frame.close)
        return;
    LayoutFrame(client);
    m_keyPage.Layout(client);
    m_lightPage.Layout(client);
    m_macroPage.Layout(client);
    m_settingsPage.Layout(client);
}

void KeyboardDlg::LayoutFrame(const CRect& client)
{
    const int w = client.Width();
    const int h = client.Height();
    FrameControls& f = frame;
    Place(f.background, CRect(0, 0, w, h));
    Place(f.border[0], CRect(0, 0, 1, h));
    Place(f.border[1], CRect(0, 0, w, 1));
    Place(f.border[2], CRect(w - 1, 0, w, h));
    Place(f.border[3], CRect(0, h - 1, w, h));
    Place(f.captionBar, CRect(1, 1, w - 1, 50));
    Place(f.captionPicture, CRect(1, 1, w - 1, 50));
    Place(f.logo, CRect(15, 5, 175, 45));
    Place(f.title, CRect(w / 2 - 150, 10, w / 2 + 150, 40));
    Place(f.pageIcon, CRect(200, 9, 232, 41));
    Place(f.pageCaption, CRect(240, 5, 480, 45));
    Place(f.close, CRect(w - 50, 20, w - 20, 50));
    Place(f.minimize, CRect(w - 100, 20, w - 70, 50));
    Place(f.website, CRect(w - 150, 20, w - 120, 50));
    Place(f.modeIcon, CRect(w - 192, 23, w - 168, 47));
    Place(f.battery, CRect(w - 260, 25, w - 200, 45));

    constexpr int kStatusWidth = 360;
    const int x = (w - kStatusWidth) / 2;
    Place(home.status, CRect(x, 280, x + 372, 318));
    Place(home.devices, CRect(x, 318, x + 372, 580));
    Place(home.version, CRect(10, h - 40, 170, h - 5));
    Place(home.copyright, CRect(w / 2 - 350, h - 40, w / 2 + 350, h - 5));

    Place(f.tabBackground, CRect(1, 50, 76, h - 1));
    Place(f.tabBar, CRect(1, 60, 79, h - 10));
    for (auto* page : f.pages)
        Place(page, CRect(80, 50, w - 1, h - 1));
}

lumo::LRESULT KeyboardDlg::OnTabClick(int index)
{
    FrameControls& f = frame;
    const TabSpec* tab = f.tabBar ? TabById(f.tabBar->GetItemID(index)) : nullptr;
    m_currentPage.store(index);
    const bool homeShown = !tab || tab->id == ctl::kTabHome;
    Show(home.version, homeShown);
    Show(home.copyright, homeShown);
    if (homeShown) {
        SetPageCaption(0, {});
        Show(f.tabBar, false);
        Show(f.tabBackground, false);
    } else {
        SetPageCaption(tab->caption, tab->icon);
        if (tab->id == ctl::kTabLight)
            m_lightPage.ReloadModeList();
    }
    ReportState();
    return 1;
}

void KeyboardDlg::SetPageCaption(int text, const std::string& icon)
{
    SetTitle(frame.pageCaption, text ? Text(text) : std::string());
    if (!frame.pageIcon)
        return;
    if (icon.empty() || !frame.pageIcon->SetImage(icon, 1)) {
        frame.pageIcon->SetVisible(false);
        return;
    }
    frame.pageIcon->SetVisible(true);
}

lumo::LRESULT KeyboardDlg::OnChooseModel()
{
    FrameControls& f = frame;
    Show(f.tabBar, true);
    Show(f.tabBackground, true);
    Show(f.captionBar, true);
    ReportState();
    if (f.tabBar && GetCurrentDeviceType() < 300)
        f.tabBar->SetSelectItem(1);
    const int chosen = home.devices ? home.devices->GetCurDeviceType() : 0;
    if (chosen == 0 || chosen == GetCurrentDeviceType())
        return 1;
    // The loaded description stays; the worker drops this task.
    QueueTask(4);
    return 1;
}

void KeyboardDlg::ShowDeviceWidgets(bool shown)
{
    Show(frame.tabBar, shown);
    Show(frame.tabBackground, shown);
    Show(frame.battery, shown);
    Show(frame.modeIcon, shown);
}

void KeyboardDlg::UpdateCloseTooltip()
{
    if (frame.close)
        frame.close->SetTooltip(Text(ReadSetting(kSettingExitMode) == kExitModeQuit ? kTextCloseQuits : kTextClose));
}

int KeyboardDlg::PageCaptionText() const
{
    if (!frame.tabBar)
        return 0;
    switch (frame.tabBar->GetItemID(frame.tabBar->GetSelectItem())) {
    case 1:
        return 51;
    case 2:
        return 52;
    case 3:
        return 53;
    case 4:
        return 55;
    case 5:
        return 56;
    default:
        return 0;
    }
}

void KeyboardDlg::RefreshTexts()
{
    UpdateCloseTooltip();
    if (frame.minimize)
        frame.minimize->SetTooltip(Text(kTextMinimize));
    if (frame.website)
        frame.website->SetTooltip(Text(kTextWebsite));
    if (frame.tabBar) {
        for (int i = 0; i < frame.tabBar->GetItemCount(); ++i) {
            if (const TabSpec* tab = TabById(frame.tabBar->GetItemID(i)))
                frame.tabBar->SetItemText(i, Text(tab->text));
        }
        frame.tabBar->UpdateControl(true);
    }
    const int caption = PageCaptionText();
    SetTitle(frame.pageCaption, caption ? Text(caption) : std::string());
    SetTitle(home.status, Text(m_interfaceFound ? kTextChooseKeyboard : kTextNoKeyboard));
    m_keyPage.RefreshTexts();
    m_lightPage.RefreshTexts();
    m_settingsPage.RefreshTexts();
    m_macroPage.RefreshTexts();
    if (m_tray)
        m_tray->SetMenu({ { kTrayCommandCloseSettings, Text(10) }, { kTrayCommandExit, Text(11) } });
    RenameListEntries();
}

void KeyboardDlg::RenameListEntries()
{
    // Default names follow the language on screen only; the store keeps what it holds.
    const int language = GetCurrentLanguage();
    if (lumo::DListBox* list = keys.profileList) {
        const std::string word = Text(kTextProfileWord);
        for (int i = 0; i < list->GetItemCount(); ++i)
            list->ModifyItemString(i, ProfileDisplayName(list->GetItemText(i), language, word));
    }
    if (lumo::DListBox* list = macros.list) {
        const std::string word = Text(kTextMacroWord);
        for (int i = 0; i < list->GetItemCount(); ++i)
            list->ModifyItemString(i, MacroDisplayName(list->GetItemText(i), language, word));
    }
}

} // namespace clavora
