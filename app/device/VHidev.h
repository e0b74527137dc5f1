#pragma once

// VHidev - the virtual HID device through which assigned keys, shortcuts and macros reach the
// system as keyboard, mouse, consumer-control and system-control input.
//
//   IVHidevProxy      the one report-write operation other parts are given
//   VHidev            the process-wide device: four reports, each change written at once
//
// Every report change and write happens under one mutex, so the filter monitor, the worker's
// macro playback and pass-through typing interleave report by report, never inside one.

#include "device/IVirtualHidBackend.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

namespace clavora {

class IVHidevProxy {
public:
    virtual ~IVHidevProxy() = default;
    // Writes one report: up to 62 data bytes behind the report ID (up to 63 with ID 0).
    virtual bool Write(const std::uint8_t* data, std::size_t length, std::uint8_t reportId) = 0;
};

class VHidev : public IVHidevProxy {
public:
    explicit VHidev(std::unique_ptr<IVirtualHidBackend> backend);
    ~VHidev() override;
    VHidev(const VHidev&) = delete;
    VHidev& operator=(const VHidev&) = delete;

    // The process-wide device, created on first use over the backend the program selected.
    static VHidev& Get();

    bool Write(const std::uint8_t* data, std::size_t length, std::uint8_t reportId) override;

    // Clears all four reports and writes them: keyboard, mouse, consumer, system.
    void ResetReports();
    // Sets or clears a keyboard usage (0-255) and writes the keyboard report.
    bool Key(int usage, bool pressed);
    // Sets or clears a mouse button bit (0-7) and writes the mouse report.
    bool MouseButton(int bit, bool pressed);
    // Writes the consumer report: the usage while pressed, 0 on release.
    bool Consumer(int usage, bool pressed);
    // Writes the system control report: the usage while pressed, 0 on release.
    bool SystemControl(int usage, bool pressed);

    // Opens (creates) the device when it is not open. True when it is usable.
    bool FindVirtualDevice();
    // Closes the device; the system sees everything it held released.
    void CloseDevice();
    bool IsFound() const;

    // Releases everything and removes the device; used by every exit path.
    void Release();

private:
    bool WriteLocked(const std::uint8_t* data, std::size_t length, std::uint8_t reportId);
    bool WriteKeyboardLocked();
    // Consumer and system control: one 16-bit usage while pressed, 0 on release.
    bool WriteUsageLocked(std::uint16_t& report, std::uint8_t reportId, int usage, bool pressed);
    void ClearReportsLocked();

    mutable std::mutex m_mutex;
    std::unique_ptr<IVirtualHidBackend> m_backend; // guarded by m_mutex
    std::uint8_t m_keyboard[vhid::kKeyboardReportSize] = {}; // guarded by m_mutex
    std::uint8_t m_mouse[vhid::kMouseReportSize] = {};       // guarded by m_mutex
    std::uint16_t m_consumer = 0;                            // guarded by m_mutex
    std::uint16_t m_system = 0;                              // guarded by m_mutex
};

} // namespace clavora
