#include "MainWndRig.h"

#include "device/TaskCodes.h"
#include "lumoui/CCheckButton.h"
#include "lumoui/CDeviceCtrl.h"
#include "lumoui/CImageButton.h"
#include "lumoui/DListBox.h"
#include "lumoui/MComboBox.h"
#include "lumoui/MTabCtrl.h"
#include "lumoui/MText.h"
#include "lumoui/WindowApi.h"
#include "mainwnd/CUIMessageBox.h"
#include "mainwnd/CloseWindowTipDlg.h"
#include "mainwnd/ControlIds.h"
#include "mainwnd/PageKit.h"
#include "mainwnd/PrivateMessages.h"
#include "platform/Autostart.h"
#include "platform/Settings.h"
#include "platform/SingleInstance.h"

#include <chrono>
#include <filesystem>
#include <thread>
#include "startup/Language.h"

namespace clavora::test {

namespace {

std::string TitleOf(lumo::MControl* control)
{
    auto* font = dynamic_cast<lumo::MControlFont*>(control);
    return font ? font->GetTitle() : "<none>";
}

} // namespace

class KeyboardDlgTest : public MainWndTest {
protected:
    lumo::MTabCtrl* TabBar() { return dynamic_cast<lumo::MTabCtrl*>(Control(ctl::kTabBar)); }
    bool Shown(lumo::UINT id) { return Control(id) && Control(id)->IsVisible(); }
    // The close button, as the user presses it.
    void ClickClose() { ClickAt(m_dlg->GetSafeHwnd(), KeyboardDlg::kWidth - 35, 35); }
};

TEST_F(KeyboardDlgTest, StartsOnTheHomePageAndShowsTheKeyPageOnceAKeyboardIsFound)
{
    const std::string stateFile = (m_dir.Path() / "state").string();
    ScopedEnv state("CLAVORA_STATE_FILE", stateFile);
    Open();
    EXPECT_EQ(ReadFileBytes(stateFile), "page=0 tabs=0 keyboard=0 visible=1\n");
    EXPECT_EQ(m_dlg->GetCurrentPage(), 0);
    EXPECT_FALSE(Shown(ctl::kTabBar));
    ASSERT_EQ(m_dlg->GetTaskQueue().Size(), 2u);
    EXPECT_EQ(m_dlg->GetTaskQueue().PeekFirst(), task::kSoftwareVersion);
    EXPECT_EQ(m_dlg->GetMediaKeys().size(), 18u);
    EXPECT_EQ(m_dlg->GetBlockedWords().size(), 15u);

    // The stand-in keyboard is attached at start: the first scan finds it.
    RunTasks();
    EXPECT_TRUE(m_dlg->IsInterfaceFound());
    EXPECT_TRUE(Shown(ctl::kTabBar));
    EXPECT_TRUE(Shown(ctl::kTabBackground));
    EXPECT_EQ(m_dlg->GetCurrentPage(), 1);
    EXPECT_EQ(TitleOf(Control(ctl::kPageCaption)), Text(51));
    EXPECT_TRUE(Shown(ctl::kKeyLayout));
    EXPECT_FALSE(Shown(ctl::kHomeLayout));
    EXPECT_EQ(m_dlg->GetMenuFlags(), 0x47);
    EXPECT_EQ(ReadFileBytes(stateFile), "page=1 tabs=1 keyboard=1 visible=1\n");
}

TEST_F(KeyboardDlgTest, HotplugDrivesTheRescansAndThePageState)
{
    Open();
    RunTasks();
    ASSERT_EQ(m_dlg->GetCurrentPage(), 1);

    m_services->emulator->Detach(0);
    Pump();
    EXPECT_EQ(m_dlg->GetTaskQueue().PeekFirst(), task::kRescanRemoval);
    RunTasks();
    EXPECT_FALSE(m_dlg->IsInterfaceFound());
    EXPECT_EQ(m_dlg->GetCurrentPage(), 0);
    EXPECT_FALSE(Shown(ctl::kTabBar));
    EXPECT_TRUE(Shown(ctl::kHomeLayout));
    EXPECT_EQ(TitleOf(Control(ctl::kStatusText)), Text(61));
    EXPECT_EQ(TitleOf(Control(ctl::kPageCaption)), "");

    m_services->emulator->Attach(0);
    Pump();
    EXPECT_EQ(m_dlg->GetTaskQueue().PeekFirst(), task::kRescanArrival);
    RunTasks();
    EXPECT_EQ(m_dlg->GetCurrentPage(), 1);
    EXPECT_TRUE(Shown(ctl::kTabBar));
    EXPECT_EQ(TitleOf(Control(ctl::kStatusText)), Text(60));
}

TEST_F(KeyboardDlgTest, TabSwitchingSetsCaptionPageAndTabBar)
{
    Open();
    RunTasks();
    struct Case {
        int position;
        int caption; // 0: none
        lumo::UINT page;
        bool barShown;
    } cases[] = {
        { 2, 52, ctl::kMacroLayout, true },
        { 3, 53, ctl::kLightLayout, true },
        { 4, 56, ctl::kSettingsLayout, true },
        { 1, 51, ctl::kKeyLayout, true },
        { 0, 0, ctl::kHomeLayout, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        TabBar()->SetSelectItem(c.position);
        Pump();
        EXPECT_EQ(m_dlg->GetCurrentPage(), c.position);
        EXPECT_EQ(TitleOf(Control(ctl::kPageCaption)), c.caption ? Text(c.caption) : "");
        EXPECT_EQ(Shown(ctl::kPageIcon), c.caption != 0);
        EXPECT_TRUE(Shown(c.page));
        EXPECT_EQ(Shown(ctl::kTabBar), c.barShown);
        EXPECT_EQ(Shown(ctl::kTabBackground), c.barShown);
        EXPECT_EQ(Shown(ctl::kVersion), !c.barShown);
    }
}

TEST_F(KeyboardDlgTest, ChoosingAModelOnTheHomePage)
{
    Open();
    RunTasks();
    TabBar()->SetSelectItem(0);
    Pump();
    ASSERT_FALSE(Shown(ctl::kTabBar));
    auto* devices = dynamic_cast<lumo::CDeviceCtrl*>(Control(ctl::kDeviceList));
    ASSERT_NE(devices, nullptr);
    ASSERT_EQ(devices->GetCurDeviceType(), 201);

    // The model already loaded: the pages come back, nothing is queued.
    EXPECT_EQ(Notify(ctl::kDeviceList, lumo::NOTIFY_PRESS), 1);
    Pump();
    EXPECT_TRUE(Shown(ctl::kTabBar));
    EXPECT_EQ(m_dlg->GetCurrentPage(), 1);
    EXPECT_TRUE(m_dlg->GetTaskQueue().IsEmpty());

    // Another model queues task 4, which the worker drops: the description stays.
    devices->SetDeviceState(101, 1);
    EXPECT_EQ(Notify(ctl::kDeviceList, lumo::NOTIFY_PRESS), 1);
    EXPECT_EQ(m_dlg->GetTaskQueue().PeekFirst(), 4);
    RunTasks();
    EXPECT_EQ(m_dlg->GetCurrentDeviceType(), 201);
}

TEST_F(KeyboardDlgTest, CloseButtonFollowsExitMode)
{
    struct Case {
        const char* exitMode;
        const char* prompt; // what happens to the prompt: "", "quit", "hide", "outside"
        bool hidden;
        bool quits;
        int storedAfter;
    } cases[] = {
        { "1", "", true, false, 1 },
        { "2", "", false, true, 2 },
        { "0", "hide", true, false, 1 },
        { "0", "quit", false, true, 2 },
        // The prompt closed from elsewhere stores nothing, and the program then quits.
        { "0", "outside", false, true, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.exitMode) + " " + c.prompt);
        WriteSetting(kSettingExitMode, c.exitMode);
        Open();
        const std::string prompt = c.prompt;
        bool prompted = false;
        if (!prompt.empty()) {
            m_driver->Post([&] {
                const lumo::HWND dialog = FindPopup(CloseWindowTipDlg::kWindowTitle);
                ASSERT_NE(dialog, nullptr);
                prompted = true;
                if (prompt == "outside") {
                    lumo::PostMessageW(dialog, lumo::WM_CLOSE, 0, 0);
                    return;
                }
                ClickAt(dialog, 40, prompt == "quit" ? 110 : 75);
                ClickAt(dialog, 290, 165);
            });
        }
        ClickClose();
        Pump();
        EXPECT_EQ(prompted, !prompt.empty());
        EXPECT_EQ(m_dlg->IsWindowVisible(), !c.hidden);
        EXPECT_EQ(m_services->endCodes, c.quits ? std::vector<int> { 0 } : std::vector<int> {});
        EXPECT_EQ(ReadSetting(kSettingExitMode), c.storedAfter);
        m_dlg->Shutdown();
        m_dlg->DestroyWindow();
        Pump();
        m_dlg.reset();
        m_services->endCodes.clear();
    }
}

TEST_F(KeyboardDlgTest, QuitMessageNeedsItsParameter)
{
    Open();
    for (lumo::LPARAM lParam : { 0, 609, 611, 1691 }) {
        m_dlg->SendMessageW(msg::kQuit, 0, lParam);
        EXPECT_TRUE(m_services->endCodes.empty()) << lParam;
    }
    m_dlg->SendMessageW(msg::kQuit, 0, msg::kQuitParam);
    EXPECT_EQ(m_services->endCodes, std::vector<int> { 0 });
    // The tray menu's exit takes the same way out.
    m_dlg->SendMessageW(lumo::WM_COMMAND, msg::kCommandExit, 0);
    EXPECT_EQ(m_services->endCodes, (std::vector<int> { 0, 0 }));
}

TEST_F(KeyboardDlgTest, AHiddenWindowComesBackFromTheTrayOrAnotherStart)
{
    WriteSetting(kSettingExitMode, "1");
    Open();
    const std::pair<lumo::UINT, lumo::LPARAM> ways[] { { msg::kTrayCallback, lumo::WM_LBUTTONDOWN },
        { msg::kTrayCallback, lumo::WM_LBUTTONDBLCLK }, { msg::kActivate, 0 } };
    for (const auto& [message, lParam] : ways) {
        ClickClose();
        Pump();
        ASSERT_FALSE(m_dlg->IsWindowVisible());
        m_dlg->SendMessageW(message, 0, lParam);
        EXPECT_TRUE(m_dlg->IsWindowVisible()) << message << " " << lParam;
    }
    // Other mouse messages of the tray leave it as it is.
    ClickClose();
    Pump();
    m_dlg->SendMessageW(msg::kTrayCallback, 0, lumo::WM_MOUSEMOVE);
    EXPECT_FALSE(m_dlg->IsWindowVisible());
    EXPECT_TRUE(m_services->endCodes.empty());
}

TEST_F(KeyboardDlgTest, OtherProcessesReachTheWindowThroughTheInstanceSocket)
{
    ScopedEnv runtime("XDG_RUNTIME_DIR", m_dir.Path().string());
    SingleInstance instance("ClavoraWindowTest");
    ASSERT_EQ(instance.Acquire(), SingleInstance::Role::Primary);
    m_dlg = std::make_unique<KeyboardDlg>(*m_services, &instance);
    ASSERT_TRUE(m_dlg->CreateMainWindow());
    ASSERT_TRUE(SingleInstance::SendCommand("ClavoraWindowTest", "quit"));
    for (int i = 0; i < 200 && m_services->endCodes.empty(); ++i) {
        Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(m_services->endCodes, std::vector<int> { 0 });
    // The window lets go of the instance before that goes.
    m_dlg->Shutdown();
}

TEST_F(KeyboardDlgTest, TrayCloseSettingsUpdatesTheCloseTooltip)
{
    WriteSetting(kSettingExitMode, "1");
    Open();
    auto* close = dynamic_cast<lumo::CImageButton*>(Control(ctl::kClose));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetTooltip(), Text(171));
    m_driver->Post([&] {
        const lumo::HWND dialog = FindPopup(CloseWindowTipDlg::kWindowTitle);
        ASSERT_NE(dialog, nullptr);
        ClickAt(dialog, 40, 110);
        ClickAt(dialog, 290, 165);
    });
    m_dlg->SendMessageW(lumo::WM_COMMAND, msg::kCommandCloseSettings, 0);
    EXPECT_EQ(ReadSetting(kSettingExitMode), 2);
    EXPECT_EQ(close->GetTooltip(), Text(172));
}

TEST_F(KeyboardDlgTest, RoutingResults)
{
    Open();
    struct Case {
        lumo::UINT id;
        lumo::UINT code;
        lumo::LRESULT want;
    } cases[] = {
        { ctl::kCustomSlotButton, lumo::NOTIFY_CLICK, 1 },
        { ctl::kInsertEvent, lumo::NOTIFY_CLICK, 1 },
        { ctl::kEventTime, lumo::NOTIFY_CLICK, 1 },
        { ctl::kInsertEvent, lumo::NOTIFY_PRESS, 0 },
        { 999, lumo::NOTIFY_CLICK, 0 },
        { ctl::kClose, lumo::NOTIFY_PRESS, 0 },
        { ctl::kBrightnessLabel, lumo::NOTIFY_CLICK, 0 },
        // Features still to come answer 0.
        { ctl::kProfileImport, lumo::NOTIFY_CLICK, 0 },
        { ctl::kMacroList, lumo::NOTIFY_RCLICK, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Notify(c.id, c.code), c.want) << c.id << " code " << c.code;
    EXPECT_TRUE(m_services->endCodes.empty());
}

TEST_F(KeyboardDlgTest, SettingsTheRoutingStoresItself)
{
    Open();
    auto* period = dynamic_cast<lumo::MComboBox*>(Control(ctl::kCapturePeriod));
    ASSERT_NE(period, nullptr);
    EXPECT_EQ(m_dlg->GetAudioCapturePeriod(), 33);
    period->SelectData(66);
    Notify(ctl::kCapturePeriod, lumo::NOTIFY_CLICK);
    EXPECT_EQ(m_dlg->GetAudioCapturePeriod(), 66);
    // An entry whose data is 0 leaves the period as it is.
    period->SetCurSel(period->AddItem("none", 0));
    Notify(ctl::kCapturePeriod, lumo::NOTIFY_CLICK);
    EXPECT_EQ(m_dlg->GetAudioCapturePeriod(), 66);

    Notify(ctl::kMusicColourFirst + 4, lumo::NOTIFY_CLICK);
    EXPECT_EQ(m_dlg->GetLightPage().GetMusicColourIndex(), 4);

    // The delay kind holds the fixed-delay field.
    EXPECT_FALSE(Control(ctl::kFixedDelay)->IsEnabled());
    Notify(ctl::kDelayFixed, lumo::NOTIFY_CLICK);
    EXPECT_TRUE(Control(ctl::kFixedDelay)->IsEnabled());
    Notify(ctl::kDelayNone, lumo::NOTIFY_CLICK);
    EXPECT_FALSE(Control(ctl::kFixedDelay)->IsEnabled());
}

TEST_F(KeyboardDlgTest, AutostartBoxWritesAndRemovesTheDesktopEntry)
{
    Open();
    auto* box = dynamic_cast<lumo::CCheckButton*>(Control(ctl::kAutostart));
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->GetCheck());
    box->SetCheck(true);
    Notify(ctl::kAutostart, lumo::NOTIFY_CLICK);
    EXPECT_TRUE(Autostart().IsEnabled());
    EXPECT_TRUE(std::filesystem::exists(Autostart().GetFilePath()));
    box->SetCheck(false);
    Notify(ctl::kAutostart, lumo::NOTIFY_CLICK);
    EXPECT_FALSE(std::filesystem::exists(Autostart().GetFilePath()));
}

TEST_F(KeyboardDlgTest, WebsiteButtonOpensTheConfiguredAddress)
{
    Open();
    EXPECT_EQ(Notify(ctl::kWebsite, lumo::NOTIFY_CLICK), 1);
    EXPECT_EQ(m_services->openedUrls, std::vector<std::string> { "http://127.0.0.1:8765/" });
}

TEST_F(KeyboardDlgTest, WithoutAVirtualDeviceTheProgramSaysSoAndEnds)
{
    m_services->virtualDeviceWorks = false;
    std::string message;
    m_driver->Post([&] {
        const lumo::HWND box = FindPopup(CUIMessageBox::kWindowTitle);
        ASSERT_NE(box, nullptr);
        auto* dialog = dynamic_cast<lumo::MDialog*>(
            reinterpret_cast<lumo::MWindow*>(lumo::GetWindowLongPtrW(box, lumo::GWLP_USERDATA)));
        message = TitleOf(dialog->GetControl(31)) + " / " + TitleOf(dialog->GetControl(32));
        ClickAt(box, 190, 175);
    });
    m_dlg = std::make_unique<KeyboardDlg>(*m_services);
    m_dlg->CreateMainWindow();
    EXPECT_EQ(message, "Install Driver / InstallDriver Error!");
    EXPECT_EQ(m_services->endCodes, std::vector<int> { 0 });
    EXPECT_TRUE(m_dlg->GetTaskQueue().IsEmpty()) << "nothing after the failed step runs";
}

TEST_F(KeyboardDlgTest, RefreshTextsReadsTheCurrentLanguage)
{
    Open();
    RunTasks();
    SetCurrentLanguage(2052);
    m_dlg->SendMessageW(msg::kReloadTexts);
    EXPECT_EQ(TitleOf(Control(ctl::kPageCaption)), Text(51));
    EXPECT_NE(Text(51), "Keys");
    EXPECT_EQ(TabBar()->GetItemInfo(2)->text, Text(52));
    EXPECT_EQ(Control(ctl::kMinimize)->GetTooltip(), Text(2));
    SetCurrentLanguage(1033);
    m_dlg->RefreshTexts();
    EXPECT_EQ(TitleOf(Control(ctl::kPageCaption)), "Keys");
}

TEST_F(KeyboardDlgTest, RefreshTextsRenamesTheDefaultNamesOfTheLists)
{
    Open();
    auto* profiles = dynamic_cast<lumo::DListBox*>(Control(ctl::kProfileList));
    auto* macros = dynamic_cast<lumo::DListBox*>(Control(ctl::kMacroList));
    ASSERT_TRUE(profiles && macros);
    profiles->AddString("Profile 2", 2, 0);
    profiles->AddString("Gaming", 3, 0);
    macros->AddString("Macro 1", 1, 0);
    SetCurrentLanguage(2052);
    m_dlg->RefreshTexts();
    EXPECT_EQ(profiles->GetItemText(0), Text(65) + " 2");
    EXPECT_EQ(profiles->GetItemText(1), "Gaming");
    EXPECT_EQ(macros->GetItemText(0), Text(331) + " 1");
    EXPECT_EQ(profiles->GetItemData(0), 2) << "only the shown text changes";
    // Back to English: the Chinese default word is replaced again.
    SetCurrentLanguage(1033);
    m_dlg->RefreshTexts();
    EXPECT_EQ(profiles->GetItemText(0), "Profile 2");
    EXPECT_EQ(macros->GetItemText(0), "Macro 1");
}

} // namespace clavora::test
