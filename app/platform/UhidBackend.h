#pragma once

// The virtual HID device on Linux: a uhid device "Clavora Virtual Device" (vendor 0xDEED,
// product 0xFEED) with one report descriptor holding the keyboard, mouse, consumer and system
// control reports. The kernel turns its input reports into ordinary input for every program,
// and removes the device, releasing whatever it held, when our descriptor closes - also when
// the process dies.

#include "device/IVirtualHidBackend.h"
#include "platform/UniqueFd.h"

#include <cstdint>
#include <span>
#include <string>

namespace clavora {

inline constexpr std::uint16_t kVirtualDeviceVendor = 0xDEED;
inline constexpr std::uint16_t kVirtualDeviceProduct = 0xFEED;
inline constexpr const char* kVirtualDeviceName = "Clavora Virtual Device";

// The report descriptor the device is created with.
std::span<const std::uint8_t> VirtualDeviceReportDescriptor();

class UhidBackend : public IVirtualHidBackend {
public:
    explicit UhidBackend(std::string nodePath = "/dev/uhid");
    ~UhidBackend() override;

    bool Open() override;
    void Close() override;
    bool IsOpen() const override;
    bool Write(const vhid::OutputReport& report) override;

private:
    void DiscardKernelEvents();

    std::string m_nodePath;
    UniqueFd m_fd;
};

} // namespace clavora
