#pragma once

// Hot-plug of HID interfaces on Linux: a libudev monitor on the hidraw subsystem. Each arrival
// and removal is named by the Windows-style interface path synthesised from its device path.

#include "device/HidBackend.h"
#include "platform/UdevHandles.h"
#include "platform/PollThread.h"

namespace clavora {

class HidrawMonitor {
public:
    HidrawMonitor();
    ~HidrawMonitor();
    HidrawMonitor(const HidrawMonitor&) = delete;
    HidrawMonitor& operator=(const HidrawMonitor&) = delete;

    // Starts delivering changes to the callback on a thread of its own. False when udev
    // cannot be watched.
    bool Start(HotplugCallback callback);
    // When it returns the callback is neither running nor called again.
    void Stop();

private:
    void Run(std::stop_token stop);
    void ReceiveOne();

    UdevPtr m_udev;
    UdevMonitorPtr m_monitor;
    HotplugCallback m_callback; // set before the thread starts, read only by it
    PollThread m_thread;
};

} // namespace clavora
