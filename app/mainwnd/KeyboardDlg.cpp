#include "mainwnd/KeyboardDlg.h"

#include "device/DevicePresence.h"
#include "device/DeviceWorker.h"
#include "device/HidUsbFilter.h"
#include "device/KeyFilter.h"
#include "device/KeyHandler.h"
#include "device/KeyboardHid.h"
#include "device/KeyboardHidPresence.h"
#include "device/MacroPlayer.h"
#include "device/TaskCodes.h"
#include "device/VHidev.h"
#include "lumoui/MTabCtrl.h"
#include "lumoui/Manager.h"
#include "mainwnd/CUIMessageBox.h"
#include "mainwnd/ControlIds.h"
#include "mainwnd/MainWindowServices.h"
#include "mainwnd/PageKit.h"
#include "mainwnd/PrivateMessages.h"
#include "mainwnd/WaitDlg.h"
#include "platform/SingleInstance.h"
#include "platform/TrayIcon.h"
#include "store/DataStore.h"

namespace clavora {

namespace {

constexpr lumo::DWORD kMainWindowStyle = 0x96000000;
constexpr lumo::UINT kAnimationPeriodMs = 10;
constexpr lumo::UINT kWindowIconResource = 107;

// Macro recording treats the browser, volume, media and launch keys specially.
constexpr int kFirstMediaKey = 166;
constexpr int kLastMediaKey = 183;

// A profile or macro name is refused when, in lower case, it contains any of these.
constexpr const char* kBlockedWords[] { "xi", "jin", "ping", "xjp", "gcd", "习", "近", "平", "中国", "傻", "笔",
    "sb", "逼", "党", "大大" };

// The messages other processes may send, as window messages.
lumo::UINT WindowMessageOf(InstanceMessage message, lumo::LPARAM& lParam)
{
    lParam = 0;
    switch (message) {
    case InstanceMessage::Activate:
        return msg::kActivate;
    case InstanceMessage::Quit:
        lParam = msg::kQuitParam;
        return msg::kQuit;
    case InstanceMessage::ReloadTexts:
        return msg::kReloadTexts;
    }
    return 0;
}

} // namespace

KeyboardDlg::KeyboardDlg(MainWindowServices& services, SingleInstance* instance)
    : CThreadBasic(services.Clock())
    , m_services(services)
    , m_instance(instance)
    , m_description(this)
    , m_keyPage(*this, keys)
    , m_profileList(*this, keys)
    , m_macroPage(*this, macros)
    , m_lightPage(*this, light)
    , m_settingsPage(*this, settings)
{
}

KeyboardDlg::~KeyboardDlg()
{
    Shutdown();
    m_services.Store().Close();
}

lumo::UINT KeyboardDlg::DoModal()
{
    if (!CreateMainWindow())
        return 0xFFFFFFFF;
    return ShowModal(lumo::SW_SHOW);
}

bool KeyboardDlg::CreateMainWindow()
{
    if (!Create(nullptr, lumo::Manager::GetDeviceName(), kMainWindowStyle, 0, lumo::CRect(0, 0, kWidth, kHeight)))
        return false;
    CenterWindow();
    return true;
}

bool KeyboardDlg::OnInitDialog()
{
    MDialog::OnInitDialog();
    m_windowHandle.store(GetSafeHwnd());
    // Centred before anything can show a box over it.
    CenterWindow();
    // The first show told the window its size before its controls existed.
    UISize(m_client);

    if (m_virtualDeviceMode && !StartVirtualDeviceAndFilter()) {
        ShowMessageBox("InstallDriver Error!", GetSafeHwnd(), "Install Driver", kMessageBoxOk);
        m_services.EndProcess(0);
        return false;
    }

    // FIXME: the audio capture thread arrives with the visualizer; its period is kept here.
    m_audioPeriodMs.store(kStartAudioPeriodMs);

    AddTrayIcon();
    SetIcon(kWindowIconResource);
    // The main window takes no text input of its own.
    lumo::StopTextInput();

    m_description.LoadDeviceList();
    // FIXME: the light modes show the stored active mode; until then the model's default.
    m_lightPage.ShowDefaultMode(m_description.GetModel());
    BuildBlockedWords();
    BuildMediaKeys();
    SetMTimer(kAnimationPeriodMs);
    StartWorker();
    QueueTask(task::kSoftwareVersion);
    QueueTask(task::kFirstConnection);

    ReportState();
    if (m_instance) {
        const lumo::HWND hwnd = GetSafeHwnd();
        m_instance->SetMessageHandler([hwnd](InstanceMessage message) {
            lumo::LPARAM lParam = 0;
            const lumo::UINT windowMessage = WindowMessageOf(message, lParam);
            lumo::PostMessageW(hwnd, windowMessage, 0, lParam);
        });
    }
    return true;
}

bool KeyboardDlg::StartVirtualDeviceAndFilter()
{
    // An installation covers the configured keyboards, which the device list names.
    DeviceDescription configured;
    configured.LoadDeviceList();
    const DevicePresence modes(configured.GetModeList(), {});
    if (!m_services.StartVirtualDevice(modes.Keyboards()))
        return false;

    VHidev& device = m_services.VirtualDevice();
    m_keyHandler = std::make_unique<KeyHandler>(device, m_macroQueue);
    m_keyFilter = std::make_unique<KeyFilter>(device, m_services.CreateKeySource());
    m_monitorProxy
        = std::make_unique<HidUsbFilter::MonitorProxy<KeyHandler>>(m_keyHandler.get(), &KeyHandler::OnFilterKey);
    m_keyFilter->Monitor().AddProxy(m_monitorProxy.get());
    m_keyFilter->Channel().Open();
    return true;
}

void KeyboardDlg::AddTrayIcon()
{
    // Events arrive on the tray's thread; OnTrayEvent only posts them on.
    m_tray = m_services.CreateTrayIcon([this](const TrayEvent& event) { OnTrayEvent(event); });
    if (!m_tray)
        return;
    TrayIconData data;
    data.id = kTrayIconId;
    data.toolTip = lumo::Manager::GetDeviceName();
    data.iconPath = lumo::Manager::GetSkinFolder() + "Clavora.ico";
    data.menu = { { kTrayCommandCloseSettings, Text(10) }, { kTrayCommandExit, Text(11) } };
    m_tray->Add(data);
}

void KeyboardDlg::BuildBlockedWords()
{
    m_blockedWords.assign(std::begin(kBlockedWords), std::end(kBlockedWords));
}

void KeyboardDlg::BuildMediaKeys()
{
    m_mediaKeys.clear();
    for (int vk = kFirstMediaKey; vk <= kLastMediaKey; ++vk)
        m_mediaKeys.insert(vk);
}

void KeyboardDlg::StartWorker()
{
    if (!m_presence)
        RegisterDeviceNotifications();
    KeyboardHid& hid = m_services.Hid();
    m_presenceHid = std::make_unique<KeyboardHidPresence>(hid);
    m_player = std::make_unique<MacroPlayer>(m_services.VirtualDevice(), m_services.Store(), m_services.Clock());
    m_worker = std::make_unique<DeviceWorker>(DeviceWorkerParts { m_tasks, m_macroQueue, hid, m_services.Store(),
        *m_presence, *m_presenceHid, *this, *m_player });
    UpdateTaskContext();
    if (m_services.RunsDeviceWorker())
        Start();
}

void KeyboardDlg::Run()
{
    RunWorkerCycle();
}

void KeyboardDlg::RunWorkerCycle()
{
    if (m_worker)
        m_worker->RunCycle([this] { return IsRunning() || !m_services.RunsDeviceWorker(); });
}

void KeyboardDlg::Shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    if (m_instance)
        m_instance->SetMessageHandler(nullptr);
    // The worker first: it reads this object and the presence objects.
    Stop();
    m_services.StopHotplug();
    if (m_keyFilter) {
        m_keyFilter->Monitor().RemoveProxy(m_monitorProxy.get());
        // Gives the keyboard back and releases whatever the virtual device holds.
        m_keyFilter->DisarmKeyFilter();
        m_services.VirtualDevice().ResetReports();
        m_keyFilter.reset();
    }
    if (m_tray) {
        m_tray->Remove();
        m_tray.reset();
    }
    m_windowHandle.store(nullptr);
}

void KeyboardDlg::ReportState()
{
    WindowState state;
    state.page = m_currentPage.load();
    state.tabs = frame.tabBar && frame.tabBar->IsVisible();
    state.keyboard = m_interfaceFound;
    state.visible = IsWindowVisible();
    m_stateReport.Report(state);
}

bool KeyboardDlg::Post(lumo::UINT message, lumo::WPARAM wParam, lumo::LPARAM lParam)
{
    return lumo::PostMessageW(m_windowHandle.load(), message, wParam, lParam);
}

void KeyboardDlg::QueueTask(int code)
{
    m_tasks.Append(code);
}

void KeyboardDlg::ShowWaitBox()
{
    if (m_waitBox) {
        m_waitBox->DoOK();
        m_waitBox = nullptr;
    }
    auto box = std::make_unique<WaitDlg>();
    if (!box->CreateOver(GetSafeHwnd()))
        return;
    m_waitBox = box.get();
    box->ShowModal(lumo::SW_SHOW);
    // A newer box may have taken its place meanwhile; that one is forgotten by its own call.
    if (m_waitBox == box.get())
        m_waitBox = nullptr;
}

void KeyboardDlg::SetCurrentProfile(int profile)
{
    m_currentProfile = profile;
    UpdateTaskContext();
}

void KeyboardDlg::SetLightState(int mode, int option)
{
    std::lock_guard lock(m_contextLock);
    m_context.lightMode = mode;
    m_context.lightOption = option;
}

void KeyboardDlg::UpdateTaskContext()
{
    const KeyboardModel& model = m_description.GetModel();
    std::lock_guard lock(m_contextLock);
    m_context.deviceType = model.deviceType;
    m_context.menuFlags = model.menuFlags;
    m_context.profile = m_currentProfile;
    m_context.layer = m_currentLayer;
    m_context.keyIndexMap = { model.keyIndexMap.begin(), model.keyIndexMap.end() };
    m_context.lightIndexMap = { model.lightIndexMap.begin(), model.lightIndexMap.end() };
}

// --- IDeviceTaskHost: answered on the worker, acted on by the window thread ---------------------

DeviceTaskContext KeyboardDlg::GetTaskContext()
{
    std::lock_guard lock(m_contextLock);
    return m_context;
}

bool KeyboardDlg::IsMainWindowVisible()
{
    return lumo::IsWindowVisible(m_windowHandle.load());
}

int KeyboardDlg::GetCurrentPage()
{
    return m_currentPage.load();
}

void KeyboardDlg::EnableMainWindow(bool enable)
{
    Post(msg::kEnableWindow, enable ? 1 : 0);
}

void KeyboardDlg::CloseWaitBox()
{
    Post(msg::kCloseWaitBox);
}

void KeyboardDlg::ApplyPresencePage(PresencePage page, int connectionMode)
{
    Post(msg::kPresence, static_cast<lumo::WPARAM>(page), connectionMode);
}

void KeyboardDlg::ReloadMacroPage()
{
    Post(msg::kReloadMacroPage);
}

void KeyboardDlg::ReloadProfileList()
{
    Post(msg::kReloadProfileList);
}

void KeyboardDlg::ArmKeyFilter()
{
    Post(msg::kArmKeyFilter);
}

void KeyboardDlg::ReloadLightPage()
{
    Post(msg::kReloadLightPage);
}

void KeyboardDlg::StartAudioCapture()
{
    Post(msg::kStartAudioCapture);
}

void KeyboardDlg::ResetAllState()
{
    Post(msg::kResetDeviceStates);
}

void KeyboardDlg::SetDeviceState(int deviceType, int state)
{
    Post(msg::kSetDeviceState, static_cast<lumo::WPARAM>(deviceType), state);
}

} // namespace clavora
