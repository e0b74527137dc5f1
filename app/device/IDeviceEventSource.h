#pragma once

// Arrivals and removals of HID interfaces, each named by a device interface path in the
// upper-case form "HID\VID_xxxx&PID_yyyy&MI_nn\...", so that the configured hid_interface
// fragments can be looked for in it.

#include <functional>
#include <string>

namespace clavora {

// The Bluetooth HID service, which the interface paths of Bluetooth devices carry.
inline constexpr const char* kBluetoothHidService = "00001812-0000-1000-8000-00805F9B34FB";

enum class DeviceChangeKind { Arrival = 1, Removal = 2 };

struct DeviceChange {
    DeviceChangeKind kind = DeviceChangeKind::Arrival;
    std::string path;
};

class IDeviceEventSource {
public:
    using Callback = std::function<void(const DeviceChange&)>;

    virtual ~IDeviceEventSource() = default;
    // Starts delivering changes to the callback (on the source's own thread). False when the
    // source cannot run; the program then works without hot-plug.
    virtual bool Start(Callback callback) = 0;
    // Stops; when it returns the callback is neither running nor called again.
    virtual void Stop() = 0;
};

} // namespace clavora
