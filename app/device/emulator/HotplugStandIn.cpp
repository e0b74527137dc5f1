#include "device/emulator/HotplugStandIn.h"

#include "platform/InterfacePath.h"

#include <cstdio>

namespace clavora {

bool HotplugStandIn::Start(Callback callback)
{
    std::lock_guard lock(m_mutex);
    m_callback = std::move(callback);
    return true;
}

void HotplugStandIn::Stop()
{
    std::lock_guard lock(m_mutex);
    m_callback = nullptr;
}

bool HotplugStandIn::Announce(DeviceChangeKind kind, std::uint16_t vid, std::uint16_t pid, int interfaceNumber,
                              bool bluetooth)
{
    std::lock_guard lock(m_mutex);
    if (!m_callback)
        return false;
    HidNodeIdentity identity;
    identity.bus = bluetooth ? kBusBluetooth : kBusUsb;
    identity.vid = vid;
    identity.pid = pid;
    identity.interfaceNumber = bluetooth ? -1 : interfaceNumber;
    char instance[24];
    std::snprintf(instance, sizeof instance, "%04X:%04X:%04X.%04X", identity.bus, vid, pid, ++m_sequence & 0xFFFF);
    identity.instance = instance;
    m_callback(DeviceChange{kind, InterfacePathFor(identity)});
    return true;
}

} // namespace clavora
