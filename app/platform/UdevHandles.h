#pragma once

// Owning handles for libudev and libevdev objects, and the udev look-ups the input side shares.

#include "device/IKeySource.h"

#include <libevdev/libevdev.h>
#include <libudev.h>

#include <functional>
#include <memory>
#include <optional>

namespace clavora {

struct UdevUnref {
    void operator()(udev* p) const { udev_unref(p); }
    void operator()(udev_device* p) const { udev_device_unref(p); }
    void operator()(udev_enumerate* p) const { udev_enumerate_unref(p); }
    void operator()(udev_monitor* p) const { udev_monitor_unref(p); }
    void operator()(libevdev* p) const { libevdev_free(p); }
};

using UdevPtr = std::unique_ptr<udev, UdevUnref>;
using UdevDevicePtr = std::unique_ptr<udev_device, UdevUnref>;
using UdevEnumeratePtr = std::unique_ptr<udev_enumerate, UdevUnref>;
using UdevMonitorPtr = std::unique_ptr<udev_monitor, UdevUnref>;
using EvdevPtr = std::unique_ptr<libevdev, UdevUnref>;

// A monitor of udev's processed events of one subsystem, receiving; null when it cannot be made.
UdevMonitorPtr OpenUdevMonitor(udev* context, const char* subsystem);

// Calls `visit` with every present evdev node (input subsystem, "event*").
void ForEachEventNode(udev* context, const std::function<void(udev_device*)>& visit);

// The vendor and product ID of the HID device an input node belongs to.
std::optional<KeyboardId> HidIdOf(udev_device* node);

} // namespace clavora
