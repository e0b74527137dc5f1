#pragma once

// KeyboardDlg - the program's main window and the owner of its run-time state.
//
//   Life        construction (no window), DoModal (1280 x 720, centred, modal), OnInitDialog
//               (virtual device and key filter, tray icon, device list, worker), Shutdown
//               (every thread stopped before the object dies)
//   Messages    OnWindowMessage: the tray, the quit message, texts, menus, other processes,
//               and the private messages that carry the worker's and the tray's requests
//               onto the window thread
//   Frame       InitUI and UISize of the frame and the home page; tab switching; choosing a
//               model; RefreshTexts; CloseToolkitPopups; close button and quit sequence
//   Routing     OnMessage hands each control's notifications to its page
//   Worker      the device worker's cycle on the CThreadBasic thread, and the window side of
//               its host interface (IDeviceTaskHost)
//   Description the hand-offs of the device description (DescriptionObserver)
//
// Threads: everything here runs on the window thread except Run (the worker), the
// IDeviceTaskHost calls (the worker; each hands its work over by a posted message) and the
// callbacks of the tray, hot-plug and single-instance sources (their own threads; they post).

#include "description/DescriptionObserver.h"
#include "description/DeviceDescription.h"
#include "device/DeviceTaskHost.h"
#include "device/HidBackend.h"
#include "device/MacroPlayQueue.h"
#include "device/TaskQueue.h"
#include "lumoui/MDialog.h"
#include "mainwnd/CThreadBasic.h"
#include "mainwnd/KeyPage.h"
#include "mainwnd/KeyboardDef.h"
#include "mainwnd/LightPage.h"
#include "mainwnd/MacroPage.h"
#include "mainwnd/SettingsPage.h"
#include "mainwnd/StateReport.h"

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace clavora {

class DevicePresence;
class DeviceWorker;
class KeyFilter;
class KeyHandler;
class KeyboardHidPresence;
class MacroPlayer;
class MainWindowServices;
class SingleInstance;
class TrayIcon;
class WaitDlg;
struct TrayEvent;
namespace HidUsbFilter {
template <class T> class MonitorProxy;
} // namespace HidUsbFilter

class KeyboardDlg : public lumo::MDialog,
                    public CThreadBasic,
                    public KeyboardDef,
                    public IDeviceTaskHost,
                    public DescriptionObserver {
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 720;
    static constexpr int kStartAudioPeriodMs = 33;
    static constexpr int kExitModeAsk = 0;
    static constexpr int kExitModeHide = 1;
    static constexpr int kExitModeQuit = 2;

    // `instance` (may be null) carries activate, quit and reload-texts from other processes.
    explicit KeyboardDlg(MainWindowServices& services, SingleInstance* instance = nullptr);
    ~KeyboardDlg() override;

    // --- Life ------------------------------------------------------------------------------------
    // Creates the window (title = device name) centred on the screen and runs it until it is
    // closed through the toolkit; returns the modal result.
    lumo::UINT DoModal();
    // Creates and centres the window without running it (DoModal's first half).
    bool CreateMainWindow();
    // Stops every thread the window started and takes the tray icon away. Idempotent.
    void Shutdown();

    // --- Operations for the pages --------------------------------------------------------------
    void QueueTask(int code);
    // Closes an open wait box and shows a new one, modally, until something closes it.
    void ShowWaitBox();
    bool IsWaitBoxOpen() const { return m_waitBox != nullptr; }
    void RefreshTexts();
    void CloseToolkitPopups();
    // The close-behaviour prompt over the main window; afterwards the close button's tooltip
    // follows exit_mode.
    void ShowCloseBehaviourPrompt();
    void SetAudioCapturePeriod(int ms) { m_audioPeriodMs.store(ms); }
    int GetAudioCapturePeriod() const { return m_audioPeriodMs.load(); }
    void SetCurrentProfile(int profile);
    int GetCurrentProfile() const { return m_currentProfile; }
    // The light page's current mode and option, as the light task reads them.
    void SetLightState(int mode, int option);

    // --- State ------------------------------------------------------------------------------------
    int GetCurrentDeviceType() const { return m_description.GetModel().deviceType; }
    int GetMenuFlags() const { return m_description.GetModel().menuFlags; }
    const KeyboardModel& GetModel() const { return m_description.GetModel(); }
    DeviceDescription& GetDescription() { return m_description; }
    const std::vector<std::string>& GetBlockedWords() const { return m_blockedWords; }
    const std::set<int>& GetMediaKeys() const { return m_mediaKeys; }
    TaskQueue& GetTaskQueue() { return m_tasks; }
    MacroPlayQueue& GetMacroPlayQueue() { return m_macroQueue; }
    bool IsInterfaceFound() const { return m_interfaceFound; }
    int GetConnectionMode() const { return m_connectionMode; }
    KeyPage& GetKeyPage() { return m_keyPage; }
    ProfileList& GetProfileList() { return m_profileList; }
    MacroPage& GetMacroPage() { return m_macroPage; }
    LightPage& GetLightPage() { return m_lightPage; }
    SettingsPage& GetSettingsPage() { return m_settingsPage; }

    // One cycle of the device worker, as its thread runs it.
    void RunWorkerCycle();

    // --- MDialog --------------------------------------------------------------------------------
    lumo::LRESULT OnWindowMessage(lumo::UINT msg, lumo::WPARAM wParam, lumo::LPARAM lParam) override;
    bool OnInitDialog() override;
    void InitUI(lumo::CRect client) override;
    void UISize(lumo::CRect client) override;
    lumo::LRESULT OnMessage(lumo::UINT controlID, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam) override;
    void OnTimer(lumo::UINT id) override;

    // --- IDeviceTaskHost (worker thread) ---------------------------------------------------------
    DeviceTaskContext GetTaskContext() override;
    bool IsMainWindowVisible() override;
    int GetCurrentPage() override;
    void EnableMainWindow(bool enable) override;
    void CloseWaitBox() override;
    void ApplyPresencePage(PresencePage page, int connectionMode) override;
    void ReloadMacroPage() override;
    void ReloadProfileList() override;
    void ArmKeyFilter() override;
    void ReloadLightPage() override;
    void StartAudioCapture() override;
    void ResetAllState() override;
    void SetDeviceState(int deviceType, int state) override;

    // --- DescriptionObserver (window thread) -------------------------------------------------------
    void AddSupportedMode(int vid, int pid, const std::string& productName, int deviceType, int mode,
        const std::string& hidInterface) override;
    void AddDevice(const std::string& name, int deviceType) override;
    void ShowSoftwareVersion(const std::string& label) override;
    void ShowCopyright(const std::string& text) override;
    void RegisterDeviceNotifications() override;
    void OpenModelStore(const std::string& modelName, int deviceType) override;
    void ShowPageTabs(int menuFlags) override;
    void ShowFirmwareButton(bool visible) override;
    void SetLightSliderMaxima(int brightnessMax, int speedMax) override;
    void ResetVisualizerControls() override;
    void ClearItem(KeyPicture picture) override;
    void SetRect(KeyPicture picture, const lumo::CRect& rect) override;
    void SetKeyboardImage(KeyPicture picture, const std::string& path) override;
    void SetWidthAndHeight(KeyPicture picture, int width, int height) override;
    void AddKeyItem(KeyPicture picture, const std::string& name, const std::string& desc, int code,
        const lumo::CRect& rect, const std::string& icon) override;

protected:
    // CThreadBasic: the worker cycle.
    void Run() override;

private:
    // Start-up steps.
    bool StartVirtualDeviceAndFilter();
    void AddTrayIcon();
    void BuildBlockedWords();
    void BuildMediaKeys();
    void StartWorker();

    // Frame (KeyboardDlgFrame.cpp).
    void BuildFrame();
    void BuildHomePage(lumo::MTabLayout* page);
    void BuildTabBar();
    void LayoutFrame(const lumo::CRect& client);
    lumo::LRESULT OnTabClick(int index);
    lumo::LRESULT OnChooseModel();
    void SetPageCaption(int text, const std::string& icon);
    void ShowDeviceWidgets(bool shown);
    void UpdateCloseTooltip();
    int PageCaptionText() const;

    // Window messages (KeyboardDlgMessages.cpp).
    bool OnPrivateMessage(lumo::UINT msg, lumo::WPARAM wParam, lumo::LPARAM lParam, lumo::LRESULT& result);
    void OnTrayCallback(lumo::LPARAM mouseMessage);
    void OnTrayEvent(const TrayEvent& event);
    void ShowTrayMenu();
    void OnCommand(lumo::WPARAM command);
    void ShowFromTray();
    lumo::LRESULT OnCloseButton();
    void QuitSequence();
    void OnHotplugEvents();
    void OnPresencePage(PresencePage page, int connectionMode);

    // Routing (KeyboardDlgRouting.cpp).
    lumo::LRESULT RouteAnyCode(lumo::UINT id, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam, bool& routed);
    lumo::LRESULT RouteClick(lumo::UINT id);
    lumo::LRESULT RouteLightClick(lumo::UINT id, bool& routed);
    lumo::LRESULT RouteMacroClick(lumo::UINT id, bool& routed);

    lumo::KeyboardCtrl* Picture(KeyPicture picture);
    // Tells the state file (when there is one) what the window shows now.
    void ReportState();
    void UpdateTaskContext();
    void RenameListEntries();
    bool Post(lumo::UINT msg, lumo::WPARAM wParam = 0, lumo::LPARAM lParam = 0);

    MainWindowServices& m_services;
    SingleInstance* m_instance;
    DeviceDescription m_description;

    KeyPage m_keyPage;
    ProfileList m_profileList;
    MacroPage m_macroPage;
    LightPage m_lightPage;
    SettingsPage m_settingsPage;

    // Queues: each guards itself; the window thread and the worker append, the worker takes.
    TaskQueue m_tasks;
    MacroPlayQueue m_macroQueue;

    std::unique_ptr<DevicePresence> m_presence;
    std::unique_ptr<KeyboardHidPresence> m_presenceHid;
    std::unique_ptr<MacroPlayer> m_player;
    std::unique_ptr<DeviceWorker> m_worker;
    std::unique_ptr<KeyFilter> m_keyFilter;
    std::unique_ptr<KeyHandler> m_keyHandler;
    std::unique_ptr<HidUsbFilter::MonitorProxy<KeyHandler>> m_monitorProxy;
    std::unique_ptr<TrayIcon> m_tray;

    // Window thread.
    int m_currentProfile = 1;
    int m_currentLayer = 0;
    bool m_virtualDeviceMode = true;
    bool m_interfaceFound = false;
    int m_connectionMode = -1;
    WaitDlg* m_waitBox = nullptr;
    std::vector<std::string> m_blockedWords;
    std::set<int> m_mediaKeys;
    std::string m_lastModelName;
    bool m_shutDown = false;
    StateReport m_stateReport;

    // Read by other threads.
    std::atomic<lumo::HWND> m_windowHandle { nullptr };
    std::atomic<int> m_currentPage { 0 };
    std::atomic<int> m_audioPeriodMs { kStartAudioPeriodMs };
    std::atomic<int> m_trayMenuX { 0 };
    std::atomic<int> m_trayMenuY { 0 };

    std::mutex m_contextLock;
    DeviceTaskContext m_context; // guarded by m_contextLock

    std::mutex m_hotplugLock;
    std::deque<HotplugEvent> m_hotplugEvents; // guarded by m_hotplugLock
};

} // namespace clavora
