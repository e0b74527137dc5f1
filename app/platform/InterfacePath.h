#pragma once

// Windows-style HID interface paths synthesised from what udev knows about a hidraw node.
//   USB:       HID\VID_046D&PID_C52B&MI_01\0003:046D:C52B.0005
//   Bluetooth: HID\{00001812-0000-1000-8000-00805F9B34FB}_DEV_VID&02046D_PID&B023\0005:046D:B023.0007
//   other:     HID\VID_DEED&PID_FEED\0006:DEED:FEED.000A

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace clavora {

// The Bluetooth HID service, which the interface paths of Bluetooth devices carry.
inline constexpr const char* kBluetoothHidService = "00001812-0000-1000-8000-00805F9B34FB";

inline constexpr std::uint16_t kBusUsb = 0x03;
inline constexpr std::uint16_t kBusBluetooth = 0x05;

struct HidNodeIdentity {
    std::uint16_t bus = 0;
    std::uint16_t vid = 0;
    std::uint16_t pid = 0;
    int interfaceNumber = -1; // USB interface number, -1 when there is none
    std::string instance;     // the HID device's kernel name, e.g. "0003:046D:C52B.0005"
};

// Reads bus, IDs, instance and USB interface number from a sysfs device path such as
// "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:046D:C52B.0005/hidraw/hidraw3".
// Works on the path alone, so removals (whose sysfs entries are gone) are named the same way
// as arrivals.
std::optional<HidNodeIdentity> IdentityFromDevpath(std::string_view devpath);

// The upper-case interface path of a HID node.
std::string InterfacePathFor(const HidNodeIdentity& identity);

} // namespace clavora
