#include "platform/InterfacePath.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace clavora {

namespace {

std::vector<std::string_view> SplitPath(std::string_view path)
{
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty())
            parts.push_back(part);
        if (slash == std::string_view::npos)
            break;
        path.remove_prefix(slash + 1);
    }
    return parts;
}

bool ParseHex(std::string_view text, std::uint32_t& value)
{
    if (text.empty() || text.size() > 8)
        return false;
    value = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return true;
}

// "BBBB:VVVV:PPPP.NNNN", the kernel's name of a HID device.
bool ParseHidDeviceName(std::string_view name, HidNodeIdentity& identity)
{
    if (name.size() != 19 || name[4] != ':' || name[9] != ':' || name[14] != '.')
        return false;
    std::uint32_t bus, vid, pid, sequence;
    if (!ParseHex(name.substr(0, 4), bus) || !ParseHex(name.substr(5, 4), vid) ||
        !ParseHex(name.substr(10, 4), pid) || !ParseHex(name.substr(15, 4), sequence))
        return false;
    identity.bus = static_cast<std::uint16_t>(bus);
    identity.vid = static_cast<std::uint16_t>(vid);
    identity.pid = static_cast<std::uint16_t>(pid);
    identity.instance.clear();
    for (char c : name)
        identity.instance += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return true;
}

// "<bus>-<port chain>:<configuration>.<interface>", a USB interface; all numbers decimal.
int ParseUsbInterfaceNumber(std::string_view name)
{
    const std::size_t colon = name.find(':');
    const std::size_t dot = name.rfind('.');
    if (colon == std::string_view::npos || dot == std::string_view::npos || dot < colon || name.find('-') > colon)
        return -1;
    const std::string_view number = name.substr(dot + 1);
    if (number.empty() || number.size() > 3)
        return -1;
    int value = 0;
    for (char c : number) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<HidNodeIdentity> IdentityFromDevpath(std::string_view devpath)
{
    const std::vector<std::string_view> parts = SplitPath(devpath);
    for (std::size_t i = parts.size(); i-- > 0;) {
        HidNodeIdentity identity;
        if (!ParseHidDeviceName(parts[i], identity))
            continue;
        if (identity.bus == kBusUsb && i > 0)
            identity.interfaceNumber = ParseUsbInterfaceNumber(parts[i - 1]);
        return identity;
    }
    return std::nullopt;
}

std::string InterfacePathFor(const HidNodeIdentity& identity)
{
    char ids[96];
    if (identity.bus == kBusBluetooth) {
        std::snprintf(ids, sizeof ids, "{%s}_DEV_VID&02%04X_PID&%04X", kBluetoothHidService, identity.vid,
                      identity.pid);
    } else if (identity.interfaceNumber >= 0) {
        std::snprintf(ids, sizeof ids, "VID_%04X&PID_%04X&MI_%02X", identity.vid, identity.pid,
                      static_cast<unsigned>(identity.interfaceNumber));
    } else {
        std::snprintf(ids, sizeof ids, "VID_%04X&PID_%04X", identity.vid, identity.pid);
    }
    std::string path = "HID\\";
    path += ids;
    path += '\\';
    for (char c : identity.instance)
        path += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return path;
}

} // namespace clavora
