#include "MainWndRig.h"

#include "device/DeviceClock.h"
#include "device/InputBackends.h"
#include "device/VirtualDeviceStartup.h"
#include "device/emulator/EmulatorBackend.h"
#include "device/emulator/EmulatorSetting.h"
#include "lumoui/Headless.h"
#include "lumoui/Manager.h"
#include "lumoui/MWindow.h"
#include "lumoui/WindowApi.h"
#include "platform/Paths.h"
#include "startup/Language.h"
#include "store/DataStore.h"

#include <deque>

namespace clavora::test {

namespace {

const std::string kAppFolder = std::string(CLAVORA_BIN_DIR) + "/";
constexpr lumo::UINT kRunAction = lumo::WM_APP + 100;

} // namespace

// --- TestServices ----------------------------------------------------------------------------------

TestServices::TestServices()
    : emulator(std::make_shared<Emulator>(EmulatorSetting {}))
    , hid(std::make_unique<EmulatorBackend>(emulator), DeviceClock::System())
    , device(CreateVirtualHidBackend(emulator.get()))
{
}

TestServices::~TestServices()
{
    StopHotplug();
}

DataStore& TestServices::Store()
{
    return DataStore::GetInstance();
}

DeviceClock& TestServices::Clock()
{
    return DeviceClock::System();
}

bool TestServices::StartVirtualDevice(const std::vector<KeyboardId>&)
{
    return virtualDeviceWorks && clavora::StartVirtualDevice(device, {});
}

std::shared_ptr<IKeySource> TestServices::CreateKeySource()
{
    return clavora::CreateKeySource(emulator.get());
}

bool TestServices::StartHotplug(HotplugCallback callback)
{
    m_hotplug = hid.SubscribeHotplug(std::move(callback));
    return m_hotplug >= 0;
}

void TestServices::StopHotplug()
{
    if (m_hotplug >= 0)
        hid.UnsubscribeHotplug(m_hotplug);
    m_hotplug = -1;
}

bool TestServices::OpenUrl(const std::string& url)
{
    openedUrls.push_back(url);
    return true;
}

// --- ModalDriver -------------------------------------------------------------------------------------

class ModalDriver::Window final : public lumo::MWindow {
public:
    struct Pending {
        std::function<void()> action;
        int delay;
    };

    lumo::LRESULT OnWindowMessage(lumo::UINT msg, lumo::WPARAM wParam, lumo::LPARAM lParam) override
    {
        if (msg != kRunAction || m_pending.empty())
            return MWindow::OnWindowMessage(msg, wParam, lParam);
        Pending next = std::move(m_pending.front());
        m_pending.pop_front();
        if (next.delay > 0) {
            m_pending.push_back({ std::move(next.action), next.delay - 1 });
            PostMessageW(kRunAction);
        } else {
            next.action();
        }
        return 0;
    }

    std::deque<Pending> m_pending;
};

ModalDriver::ModalDriver()
    : m_window(std::make_unique<Window>())
{
    m_window->Create(nullptr, lumo::CRect(0, 0, 10, 10));
}

ModalDriver::~ModalDriver()
{
    m_window->DestroyWindow();
}

void ModalDriver::Post(std::function<void()> action, int delay)
{
    m_window->m_pending.push_back({ std::move(action), delay });
    m_window->PostMessageW(kRunAction);
}

// --- MainWndTest -------------------------------------------------------------------------------------

void MainWndTest::SetUp()
{
    ASSERT_TRUE(lumo::headless::Enable());
    lumo::headless::UseManualClock(true);
    SetAppFolderOverride(kAppFolder);
    lumo::Manager::SetAppFolder(kAppFolder);
    SetCurrentLanguage(1033);
    m_services = std::make_unique<TestServices>();
    m_driver = std::make_unique<ModalDriver>();
}

void MainWndTest::TearDown()
{
    if (m_dlg) {
        m_dlg->Shutdown();
        m_dlg->DestroyWindow();
        Pump();
        m_dlg.reset();
    }
    m_driver.reset();
    Pump();
    lumo::MSG msg;
    while (lumo::PeekMessageW(&msg, lumo::PM_REMOVE)) {
    }
    EXPECT_EQ(lumo::GetThreadWindowCount(), 0) << "a test left windows behind";
    m_services.reset();
    SetAppFolderOverride("");
    lumo::Manager::SetAppFolder("");
}

void MainWndTest::Open()
{
    m_dlg = std::make_unique<KeyboardDlg>(*m_services);
    ASSERT_TRUE(m_dlg->CreateMainWindow());
    Pump();
}

void MainWndTest::Pump()
{
    lumo::headless::AdvanceTime(20);
    lumo::headless::PumpMessages();
}

lumo::MControl* MainWndTest::Control(lumo::UINT id) const
{
    return m_dlg ? m_dlg->GetControl(id) : nullptr;
}

lumo::LRESULT MainWndTest::Notify(lumo::UINT id, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam)
{
    return m_dlg->OnMessage(id, code, wParam, lParam);
}

void MainWndTest::RunTasks()
{
    for (int i = 0; i < 50 && !m_dlg->GetTaskQueue().IsEmpty(); ++i)
        m_dlg->RunWorkerCycle();
    EXPECT_TRUE(m_dlg->GetTaskQueue().IsEmpty());
    Pump();
}

void MainWndTest::ClickAt(lumo::HWND hwnd, int x, int y)
{
    lumo::headless::MouseMove(hwnd, x, y);
    lumo::headless::Click(hwnd, x, y);
}

lumo::HWND MainWndTest::FindPopup(const std::string& title)
{
    const std::vector<lumo::HWND> found = lumo::FindThreadWindows("LumoClient", title);
    return found.empty() ? nullptr : found.front();
}

} // namespace clavora::test

// fontconfig keeps a few allocations for the life of the process that it never frees.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
