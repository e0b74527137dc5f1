#pragma once

// Hot-plug of HID interfaces on Linux: a libudev monitor on the hidraw subsystem. Each arrival
// and removal is named by the Windows-style interface path synthesised from its device path.

#include "device/IDeviceEventSource.h"
#include "platform/UdevHandles.h"
#include "platform/WakeEvent.h"

#include <thread>

namespace clavora {

class HidrawMonitor : public IDeviceEventSource {
public:
    HidrawMonitor();
    ~HidrawMonitor() override;

    bool Start(Callback callback) override;
    void Stop() override;

private:
    void Run(std::stop_token stop);
    void ReceiveOne();

    UdevPtr m_udev;
    UdevMonitorPtr m_monitor;
    WakeEvent m_wake;
    Callback m_callback; // set before the thread starts, read only by it
    std::jthread m_thread;
};

} // namespace clavora
