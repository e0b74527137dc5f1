#pragma once

// The main window's services on the real system (or on the stand-in keyboard when
// CLAVORA_EMULATOR selects it; the HID layer decides that on first use).

#include "device/HotplugMonitor.h"
#include "mainwnd/MainWindowServices.h"

namespace clavora {

class SystemServices final : public MainWindowServices {
public:
    KeyboardHid& Hid() override;
    DataStore& Store() override;
    VHidev& VirtualDevice() override;
    DeviceClock& Clock() override;
    bool StartVirtualDevice(const std::vector<KeyboardId>& keyboards) override;
    std::shared_ptr<IKeySource> CreateKeySource() override;
    std::unique_ptr<TrayIcon> CreateTrayIcon(TrayEventHandler handler) override;
    bool StartHotplug(HotplugCallback callback) override;
    void StopHotplug() override;
    bool OpenUrl(const std::string& url) override;
    [[noreturn]] void EndProcess(int code) override;

private:
    HotplugMonitor m_hotplug;
};

} // namespace clavora
