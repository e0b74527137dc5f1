#pragma once

// Stand-in for the uhid device: every report that reaches it is recorded in a log.

#include "device/IVirtualHidBackend.h"
#include "device/emulator/VirtualReportLog.h"

#include <atomic>
#include <memory>

namespace clavora {

class VirtualHidRecorder : public IVirtualHidBackend {
public:
    explicit VirtualHidRecorder(std::shared_ptr<VirtualReportLog> log);

    bool Open() override;
    void Close() override;
    bool IsOpen() const override;
    bool Write(const vhid::OutputReport& report) override;

    // A device that cannot be created (driver missing) fails Open.
    void SetAvailable(bool available) { m_available = available; }
    int OpenCount() const { return m_openCount; }

private:
    std::shared_ptr<VirtualReportLog> m_log;
    std::atomic<bool> m_available{true};
    std::atomic<bool> m_open{false};
    std::atomic<int> m_openCount{0};
};

} // namespace clavora
