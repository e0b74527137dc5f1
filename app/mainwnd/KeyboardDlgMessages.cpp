// The main window's window messages: the numbered messages of the program and of other
// processes, the tray, the close button and the quit sequence, the popups closed before a
// presence change, and the requests other threads post.

#include "mainwnd/KeyboardDlg.h"

#include "device/DevicePresence.h"
#include "device/KeyFilter.h"
#include "device/KeyHandler.h"
#include "lumoui/CDeviceCtrl.h"
#include "lumoui/CImageButton.h"
#include "lumoui/MPicture.h"
#include "lumoui/MenuWnd.h"
#include "lumoui/MTabCtrl.h"
#include "mainwnd/CloseWindowTipDlg.h"
#include "mainwnd/ControlIds.h"
#include "mainwnd/MainWindowServices.h"
#include "mainwnd/PageKit.h"
#include "mainwnd/PrivateMessages.h"
#include "mainwnd/WaitDlg.h"
#include "platform/Settings.h"
#include "platform/TrayIcon.h"
#include "store/DataStore.h"

namespace clavora {

namespace {

using lumo::LPARAM;
using lumo::LRESULT;
using lumo::UINT;
using lumo::WPARAM;

constexpr int kTextCloseSettings = 10;
constexpr int kTextExit = 11;
constexpr int kTextNoKeyboard = 61;
constexpr int kTextChooseKeyboard = 60;
constexpr int kTextKeysCaption = 51;

constexpr const char* kToolkitWindowClass = "LumoClient";
// Popups closed before a presence change rebuilds the pages, and before the close prompt
// opens from the tray; the message box is closed as cancelled.
constexpr const char* kClosedPopups[] { "CloseWindowTipDlg", "CustomKeyDlg", "WaitDlg", "Menu Window" };
constexpr const char* kMessageBoxTitle = "MessageBox";
constexpr const char* kHiddenPopups[] { "KeyboardTip Window", "ComboWnd" };

// The connection mode icons: wired, receiver, Bluetooth.
const char* ModeIcon(int connectionMode)
{
    switch (connectionMode) {
    case 1:
        return "icon/mode_24g.png";
    case 2:
        return "icon/mode_bt.png";
    default:
        return "icon/mode_usb.png";
    }
}

} // namespace

LRESULT KeyboardDlg::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnPrivateMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case msg::kRecorderKey:
        return m_macroPage.OnRecorderKey(wParam, lParam);
    case msg::kTrayCallback:
        OnTrayCallback(lParam);
        return 0;
    case msg::kQuit:
        if (lParam == msg::kQuitParam)
            QuitSequence();
        return 0;
    case msg::kKeyPageMenu:
        return m_keyPage.OnMenuCommand(lParam);
    case msg::kMacroListMenu:
        return m_macroPage.OnMenuCommand(lParam);
    case msg::kReloadTexts:
        RefreshTexts();
        break;
    case lumo::WM_COMMAND:
        OnCommand(wParam);
        break;
    default:
        break;
    }
    return MDialog::OnWindowMessage(message, wParam, lParam);
}

bool KeyboardDlg::OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case msg::kActivate:
        ShowFromTray();
        return true;
    case msg::kEnableWindow:
        EnableWindow(wParam != 0);
        return true;
    case msg::kCloseWaitBox:
        if (m_waitBox) {
            m_waitBox->DoOK();
            m_waitBox = nullptr;
        }
        return true;
    case msg::kPresence:
        OnPresencePage(static_cast<PresencePage>(wParam), static_cast<int>(lParam));
        return true;
    case msg::kReloadMacroPage:
        m_macroPage.Reload();
        return true;
    case msg::kReloadProfileList:
        m_profileList.Reload();
        return true;
    case msg::kArmKeyFilter:
        if (m_keyFilter && m_keyHandler)
            m_keyFilter->ArmKeyFilter(*m_keyHandler, m_services.Store(), m_currentProfile, m_currentLayer);
        return true;
    case msg::kReloadLightPage:
        m_lightPage.Reload();
        return true;
    case msg::kStartAudioCapture:
        // FIXME: start the visualizer's audio capture here once it exists.
        return true;
    case msg::kResetDeviceStates:
        if (home.devices)
            home.devices->ResetAllState();
        return true;
    case msg::kSetDeviceState:
        if (home.devices)
            home.devices->SetDeviceState(static_cast<int>(wParam), static_cast<int>(lParam));
        return true;
    case msg::kHotplug:
        OnHotplugEvents();
        return true;
    case msg::kTrayMenu:
        OnCommand(static_cast<WPARAM>(lParam));
        return true;
    default:
        return false;
    }
}

// --- Tray ---------------------------------------------------------------------------------------

void KeyboardDlg::OnTrayEvent(const TrayEvent& event)
{
    switch (event.kind) {
    case TrayEvent::Kind::Activate:
        Post(msg::kTrayCallback, 0, lumo::WM_LBUTTONDOWN);
        break;
    case TrayEvent::Kind::ContextMenu:
        m_trayMenuX.store(event.x);
        m_trayMenuY.store(event.y);
        Post(msg::kTrayCallback, 0, lumo::WM_RBUTTONUP);
        break;
    case TrayEvent::Kind::Command:
        Post(lumo::WM_COMMAND, static_cast<WPARAM>(event.command), 0);
        break;
    }
}

void KeyboardDlg::OnTrayCallback(LPARAM mouseMessage)
{
    switch (mouseMessage) {
    case lumo::WM_LBUTTONDOWN:
    case lumo::WM_LBUTTONDBLCLK:
        ShowFromTray();
        break;
    case lumo::WM_RBUTTONUP:
        ShowTrayMenu();
        break;
    default:
        break;
    }
}

void KeyboardDlg::ShowTrayMenu()
{
    lumo::SetForegroundWindow(GetSafeHwnd());
    const lumo::CPoint at(m_trayMenuX.load(), m_trayMenuY.load());
    auto menu = std::make_unique<lumo::MenuWnd>();
    if (!menu->Create(GetSafeHwnd(), at, msg::kTrayMenu, "img_menu_bk.png", 6, 200, lumo::BACKMODE_FRAME))
        return;
    menu->AddMenu(Text(kTextCloseSettings), static_cast<UINT>(msg::kCommandCloseSettings));
    menu->AddMenu(Text(kTextExit), static_cast<UINT>(msg::kCommandExit));
    menu->ShowModal(lumo::SW_SHOW);
}

void KeyboardDlg::ShowFromTray()
{
    const lumo::HWND hwnd = GetSafeHwnd();
    lumo::SetForegroundWindow(hwnd);
    ShowWindow(lumo::SW_SHOWNORMAL);
    lumo::UpdateWindow(hwnd);
    BringToTop();
    ReportState();
}

void KeyboardDlg::OnCommand(WPARAM command)
{
    if (command == msg::kCommandExit) {
        QuitSequence();
    } else if (command == msg::kCommandCloseSettings) {
        CloseToolkitPopups();
        ShowCloseBehaviourPrompt();
    }
}

void KeyboardDlg::ShowCloseBehaviourPrompt()
{
    CloseWindowTipDlg prompt;
    prompt.Run(GetSafeHwnd());
    UpdateCloseTooltip();
}

// --- Close and quit -------------------------------------------------------------------------------

LRESULT KeyboardDlg::OnCloseButton()
{
    int exitMode = ReadSetting(kSettingExitMode);
    if (exitMode == kExitModeAsk) {
        ShowCloseBehaviourPrompt();
        exitMode = ReadSetting(kSettingExitMode);
    }
    if (exitMode == kExitModeHide) {
        ShowWindow(lumo::SW_HIDE);
        ReportState();
    } else {
        QuitSequence();
    }
    return 1;
}

void KeyboardDlg::QuitSequence()
{
    // Nothing stays held and the keyboard goes back to the system before the process ends.
    if (m_keyFilter)
        m_keyFilter->Quit();
    if (m_tray)
        m_tray->Remove();
    m_services.EndProcess(0);
}

void KeyboardDlg::CloseToolkitPopups()
{
    for (const char* title : kClosedPopups) {
        for (lumo::HWND hwnd : lumo::FindThreadWindows(kToolkitWindowClass, title))
            lumo::PostMessageW(hwnd, lumo::WM_CLOSE, 0, 0);
    }
    for (lumo::HWND hwnd : lumo::FindThreadWindows(kToolkitWindowClass, kMessageBoxTitle))
        lumo::PostMessageW(hwnd, lumo::WM_CLOSE, 2, 0);
    for (const char* title : kHiddenPopups) {
        for (lumo::HWND hwnd : lumo::FindThreadWindows(kToolkitWindowClass, title))
            lumo::ShowWindow(hwnd, lumo::SW_HIDE);
    }
    // A closed wait box is forgotten with it.
    m_waitBox = nullptr;
}

// --- Hot-plug and presence ------------------------------------------------------------------------

void KeyboardDlg::OnHotplugEvents()
{
    std::deque<HotplugEvent> events;
    {
        std::lock_guard lock(m_hotplugLock);
        events.swap(m_hotplugEvents);
    }
    for (const HotplugEvent& event : events) {
        if (m_presence)
            m_presence->OnDeviceChange(event);
    }
}

void KeyboardDlg::OnPresencePage(PresencePage page, int connectionMode)
{
    CloseToolkitPopups();
    FrameControls& f = frame;
    m_connectionMode = connectionMode;
    m_interfaceFound = page != PresencePage::NoInterface;
    if (m_interfaceFound) {
        SetTitle(home.status, Text(kTextChooseKeyboard));
        if (f.tabBar) {
            for (int position = 1; position <= 4; ++position)
                f.tabBar->SetItemVisible(position, true);
        }
        const int deviceType = GetCurrentDeviceType();
        if (deviceType >= 201 && deviceType <= 299) {
            m_description.GetModel().menuFlags = 0x47;
            m_settingsPage.ShowRestoreButton(true);
            UpdateTaskContext();
        }
    }
    if (page != PresencePage::Connected) {
        SetTitle(home.status, Text(kTextNoKeyboard));
        ShowDeviceWidgets(false);
        if (f.tabBar)
            f.tabBar->SetSelectItem(0);
        OnTabClick(0);
        return;
    }
    ShowDeviceWidgets(true);
    if (f.modeIcon)
        f.modeIcon->SetImage(ModeIcon(connectionMode), 1);
    SetPageCaption(kTextKeysCaption, "icon/icon_keyboard.png");
    if (f.tabBar)
        f.tabBar->SetSelectItem(1);
    OnTabClick(f.tabBar ? f.tabBar->GetSelectItem() : 1);
}

} // namespace clavora
