#include "device/emulator/EmulatedConnection.h"

#include <cstdio>

namespace clavora {

namespace {

constexpr int kDefaultVendorInterface = 2;
constexpr int kLightingInterface = 3;
constexpr EmulatedInterface kBootKeyboard { 0, 0x0001, 0x0006 };
constexpr EmulatedInterface kConsumer { 1, 0x000C, 0x0001 };
constexpr uint16_t kVendorUsagePage = 0xFF02;
constexpr uint16_t kVendorUsage = 2;
constexpr uint16_t kLightingUsagePage = 0xFF01;
constexpr uint16_t kLightingUsage = 1;

int VendorInterfaceNumber(const std::string& fragment)
{
    const size_t at = fragment.find("MI_");
    if (at == std::string::npos || at + 5 > fragment.size())
        return kDefaultVendorInterface;
    int number = 0;
    if (std::sscanf(fragment.c_str() + at + 3, "%2x", &number) != 1)
        return kDefaultVendorInterface;
    return number;
}

} // namespace

EmulatedConnection EmulatedConnection::FromMode(const SupportedMode& mode)
{
    EmulatedConnection connection;
    connection.mode = mode.mode;
    connection.vid = mode.vid;
    connection.pid = mode.pid;
    connection.product = !mode.product_name.empty() ? mode.product_name
        : !mode.model_name.empty()                  ? mode.model_name
                                                    : "Stand-in keyboard";
    connection.device_type = mode.device_type;
    const int vendor = VendorInterfaceNumber(mode.hid_interface);
    for (const EmulatedInterface& plain : { kBootKeyboard, kConsumer }) {
        if (plain.number != vendor)
            connection.interfaces.push_back(plain);
    }
    connection.interfaces.push_back({ vendor, kVendorUsagePage, kVendorUsage });
    if (mode.mode == kModeWired && vendor != kLightingInterface)
        connection.interfaces.push_back({ kLightingInterface, kLightingUsagePage, kLightingUsage });
    return connection;
}

std::string EmulatedConnection::PathOf(int interface_number) const
{
    char path[96];
    std::snprintf(path, sizeof path, "HID\\VID_%04X&PID_%04X&MI_%02X\\EMULATOR&MODE_%d&0000", vid, pid,
        interface_number & 0xFF, mode);
    return path;
}

} // namespace clavora
