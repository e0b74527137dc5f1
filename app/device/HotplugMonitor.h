#pragma once

// Arrivals and removals of HID interfaces, handed to a callback with a Windows-style interface
// path: from the HID backend when it reports them itself (the stand-in keyboard's attach and
// detach), otherwise from a udev monitor on hidraw. The callback runs on the reporting thread
// and must not block; the window thread's queue takes the events from there.

#include "device/HidBackend.h"

#include <memory>

namespace clavora {

class HidrawMonitor;
class KeyboardHid;

class HotplugMonitor {
public:
    HotplugMonitor();
    ~HotplugMonitor();
    HotplugMonitor(const HotplugMonitor&) = delete;
    HotplugMonitor& operator=(const HotplugMonitor&) = delete;

    // False when no source can report changes; the program then works without hot-plug.
    bool Start(KeyboardHid& hid, HotplugCallback callback);
    void Stop();

private:
    KeyboardHid* m_hid = nullptr;
    int m_subscription = -1;
    std::unique_ptr<HidrawMonitor> m_hidraw;
};

} // namespace clavora
