#pragma once

// Which command protocol a keyboard model speaks, by its device type.

namespace clavora {

enum class ProtocolFamily {
    Report,  // device types up to 200: 65-byte output reports
    Feature, // 201-299: 8-byte feature reports, 64-byte payloads over the wireless connections
    None,    // 300 and above: the key, light and reset tasks send nothing
};

constexpr ProtocolFamily FamilyOf(int deviceType)
{
    if (deviceType <= 200)
        return ProtocolFamily::Report;
    if (deviceType <= 299)
        return ProtocolFamily::Feature;
    return ProtocolFamily::None;
}

} // namespace clavora
