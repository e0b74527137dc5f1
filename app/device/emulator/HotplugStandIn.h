#pragma once

// Stand-in for the hidraw hot-plug monitor: the stand-in keyboard's attach and detach announce
// its interfaces here, named by the same synthesised paths a real device gets.

#include "device/IDeviceEventSource.h"

#include <cstdint>
#include <mutex>

namespace clavora {

class HotplugStandIn : public IDeviceEventSource {
public:
    bool Start(Callback callback) override;
    void Stop() override;

    // Announces one HID interface (USB interface number, -1 for none) of a USB device, or of a
    // Bluetooth device. Runs the callback on the caller's thread; false when nobody listens.
    bool Announce(DeviceChangeKind kind, std::uint16_t vid, std::uint16_t pid, int interfaceNumber,
                  bool bluetooth = false);

private:
    std::mutex m_mutex; // held while the callback runs, so Stop waits for it
    Callback m_callback; // guarded by m_mutex
    unsigned m_sequence = 0; // guarded by m_mutex; numbers the interfaces like the kernel does
};

} // namespace clavora
