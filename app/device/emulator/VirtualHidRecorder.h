#pragma once

// Stand-in for the uhid device: every report that reaches it goes to a sink - the stand-in
// keyboard's log of virtual reports, or whatever a test or benchmark wants to see.

#include "device/IVirtualHidBackend.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>

namespace clavora {

class VirtualHidRecorder : public IVirtualHidBackend {
public:
    // Report ID and the data after it.
    using Sink = std::function<void(int id, std::span<const std::uint8_t> data)>;

    explicit VirtualHidRecorder(Sink sink);

    bool Open() override;
    void Close() override;
    bool IsOpen() const override;
    bool Write(const vhid::OutputReport& report) override;

    // A device that cannot be created (driver missing) fails Open.
    void SetAvailable(bool available) { m_available = available; }

private:
    Sink m_sink;
    std::atomic<bool> m_available{true};
    std::atomic<bool> m_open{false};
};

} // namespace clavora
