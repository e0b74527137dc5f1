#include "device/KeyboardHidPresence.h"

#include "device/KeyboardHid.h"

namespace clavora {

KeyboardHidPresence::KeyboardHidPresence(KeyboardHid& hid)
    : m_hid(hid)
{
}

void KeyboardHidPresence::CloseAll()
{
    m_hid.CloseAll();
}

void KeyboardHidPresence::Scan()
{
    m_hid.Scan();
}

void KeyboardHidPresence::SetWantedDeviceType(int deviceType)
{
    m_hid.SetWantedDeviceType(deviceType);
}

int KeyboardHidPresence::FindInterface(std::uint16_t vid, std::uint16_t pid, const std::string& productName, int mode)
{
    return m_hid.FindInterface(vid, pid, productName, mode);
}

bool KeyboardHidPresence::AnyInterfaceOpen()
{
    // Right after a scan the wanted type is 0, so the list holds every opened interface.
    std::vector<HidInterfaceInfo> interfaces;
    return m_hid.ListInterfaces(interfaces) || m_hid.HasLightingInterface();
}

int KeyboardHidPresence::ConnectionMode()
{
    return m_hid.ConnectionMode();
}

} // namespace clavora
