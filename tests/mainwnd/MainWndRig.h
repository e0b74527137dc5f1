#pragma once

// The main window on the headless window system over the stand-in keyboard: the shipped data
// files, temporary settings and data folders, services that record what would end the
// process or open a web page, and a driver that acts inside modal loops.

#include "device/KeyboardHid.h"
#include "device/VHidev.h"
#include "device/emulator/Emulator.h"
#include "mainwnd/KeyboardDlg.h"
#include "mainwnd/MainWindowServices.h"
#include "platform/TrayIcon.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace clavora::test {

class TestServices final : public MainWindowServices {
public:
    TestServices();
    ~TestServices() override;

    KeyboardHid& Hid() override { return hid; }
    DataStore& Store() override;
    VHidev& VirtualDevice() override { return device; }
    DeviceClock& Clock() override;
    bool StartVirtualDevice(const std::vector<KeyboardId>& keyboards) override;
    std::shared_ptr<IKeySource> CreateKeySource() override;
    std::unique_ptr<TrayIcon> CreateTrayIcon(TrayEventHandler) override { return nullptr; }
    bool StartHotplug(HotplugCallback callback) override;
    void StopHotplug() override;
    bool OpenUrl(const std::string& url) override;
    void EndProcess(int code) override { endCodes.push_back(code); }
    bool RunsDeviceWorker() override { return false; }

    std::shared_ptr<Emulator> emulator;
    KeyboardHid hid;
    VHidev device;
    bool virtualDeviceWorks = true;
    std::vector<int> endCodes;
    std::vector<std::string> openedUrls;

private:
    int m_hotplug = -1;
};

// Runs actions inside whatever modal loop the window thread is in next: each action is
// posted to a helper window and runs when that loop dispatches it.
class ModalDriver {
public:
    ModalDriver();
    ~ModalDriver();
    // Runs `action` after `delay` further trips through the queue (so messages posted meanwhile
    // are handled first).
    void Post(std::function<void()> action, int delay = 2);

private:
    class Window;
    std::unique_ptr<Window> m_window;
};

class MainWndTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window (not modal) and runs what its start posted.
    void Open();
    static void Pump();
    // The window's first control with this ID.
    lumo::MControl* Control(lumo::UINT id) const;
    lumo::LRESULT Notify(lumo::UINT id, lumo::UINT code, lumo::WPARAM wParam = 0, lumo::LPARAM lParam = 0);
    // Runs the worker until the task queue is empty, then what it posted.
    void RunTasks();
    void ClickAt(lumo::HWND hwnd, int x, int y);
    // The first top-level toolkit window with this title, or null.
    static lumo::HWND FindPopup(const std::string& title);

    TempDir m_dir;
    ScopedEnv m_config { "XDG_CONFIG_HOME", (m_dir.Path() / "config").string() };
    ScopedEnv m_data { "XDG_DATA_HOME", (m_dir.Path() / "data").string() };
    std::unique_ptr<TestServices> m_services;
    std::unique_ptr<KeyboardDlg> m_dlg;
    std::unique_ptr<ModalDriver> m_driver;
};

} // namespace clavora::test
