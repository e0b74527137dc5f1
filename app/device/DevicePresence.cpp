#include "device/DevicePresence.h"

#include "platform/InterfacePath.h"

#include <algorithm>
#include <cctype>

namespace clavora {

namespace {

std::string ToUpper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

DevicePresence::DevicePresence(const std::vector<DeviceEntry>& modes, QueueTask queueTask)
    : m_queueTask(std::move(queueTask))
{
    for (const DeviceEntry& entry : modes)
        m_modes.push_back({entry, false});
}

bool DevicePresence::Matches(const Mode& mode, const std::string& upperPath)
{
    // An empty fragment would occur in every path; it identifies no interface.
    return !mode.entry.hid_interface.empty() && upperPath.find(mode.entry.hid_interface) != std::string::npos;
}

bool DevicePresence::OnDeviceChange(const HotplugEvent& change)
{
    const std::string path = ToUpper(change.path);
    if (path.find(kBluetoothHidService) != std::string::npos)
        return false; // the keyboard's Bluetooth side is not served
    int task = 0;
    {
        std::lock_guard lock(m_mutex);
        for (Mode& mode : m_modes) {
            if (!change.arrival && !mode.connected)
                continue;
            if (!Matches(mode, path))
                continue;
            if (change.arrival) {
                m_notice = {1, mode.entry.device_type};
                task = kTaskRescanArrival;
            } else {
                mode.connected = false;
                m_notice = {2, mode.entry.mode};
                task = kTaskRescanRemoval;
            }
            break;
        }
    }
    if (task == 0)
        return false;
    m_queueTask(task);
    return true;
}

HotplugNotice DevicePresence::LastNotice() const
{
    std::lock_guard lock(m_mutex);
    return m_notice;
}

void DevicePresence::Rescan(IPresenceHid& hid, IDeviceStateView& view)
{
    {
        std::lock_guard lock(m_mutex);
        m_modelConnected = false;
    }
    hid.CloseAll();
    hid.Scan();
    hid.SetWantedDeviceType(0);
    view.ResetAllState();

    std::vector<DeviceEntry> entries;
    {
        std::lock_guard lock(m_mutex);
        for (const Mode& mode : m_modes)
            entries.push_back(mode.entry);
    }
    // The HID layer and the view are called without our lock held.
    std::vector<bool> found(entries.size(), false);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const DeviceEntry& entry = entries[i];
        found[i] = hid.FindInterface(static_cast<std::uint16_t>(entry.vid), static_cast<std::uint16_t>(entry.pid),
                                     entry.name, entry.mode) >= 0;
        if (found[i])
            view.SetDeviceState(entry.device_type, 1);
    }
    const bool interfaceFound = hid.AnyInterfaceOpen();

    std::lock_guard lock(m_mutex);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!found[i])
            continue;
        m_modes[i].connected = true;
        m_modelConnected = true;
    }
    m_interfaceFound = interfaceFound;
}

PresencePage DevicePresence::CheckConnection(IPresenceHid& hid)
{
    bool modelConnected;
    {
        std::lock_guard lock(m_mutex);
        if (!m_interfaceFound)
            return PresencePage::NoInterface;
        modelConnected = m_modelConnected;
    }
    hid.SetWantedDeviceType(kConnectedDeviceType);
    const int connectionMode = hid.ConnectionMode();
    {
        std::lock_guard lock(m_mutex);
        m_connectionMode = connectionMode;
    }
    if ((connectionMode == 1 || connectionMode == 2) && !modelConnected)
        return PresencePage::WirelessWithoutModel;
    m_queueTask(kTaskFirmwareCheck);
    m_queueTask(kTaskApplyProfile);
    return PresencePage::Connected;
}

bool DevicePresence::InterfaceFound() const
{
    std::lock_guard lock(m_mutex);
    return m_interfaceFound;
}

bool DevicePresence::ModelConnected() const
{
    std::lock_guard lock(m_mutex);
    return m_modelConnected;
}

int DevicePresence::GetConnectionMode() const
{
    std::lock_guard lock(m_mutex);
    return m_connectionMode;
}

bool DevicePresence::IsModeConnected(std::size_t index) const
{
    std::lock_guard lock(m_mutex);
    return index < m_modes.size() && m_modes[index].connected;
}

std::vector<KeyboardId> DevicePresence::Keyboards() const
{
    std::lock_guard lock(m_mutex);
    std::vector<KeyboardId> keyboards;
    for (const Mode& mode : m_modes) {
        const KeyboardId id{static_cast<std::uint16_t>(mode.entry.vid), static_cast<std::uint16_t>(mode.entry.pid)};
        if (std::find(keyboards.begin(), keyboards.end(), id) == keyboards.end())
            keyboards.push_back(id);
    }
    return keyboards;
}

} // namespace clavora
