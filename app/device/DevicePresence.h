#pragma once

// DevicePresence - whether a configured keyboard is attached, over which connection, and what
// to do when HID interfaces come and go.
//
//   OnDeviceChange   window thread: matches an arrival or removal against the configured
//                    modes and queues the rescan task
//   Rescan           worker: reopens the keyboard's interfaces and marks the connected modes
//   CheckConnection  worker, after every rescan: which page state applies; queues the firmware
//                    check and the profile task when a keyboard is usable

#include "description/DeviceEntry.h"
#include "device/HidBackend.h"
#include "device/IKeySource.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace clavora {

// What presence needs of the HID layer.
class IPresenceHid {
public:
    virtual ~IPresenceHid() = default;
    virtual void CloseAll() = 0;
    // Enumerates and opens the configured keyboards' interfaces and sets the open flag.
    virtual void Scan() = 0;
    // Sets the wanted device type (0 = any) and forgets the cached interface choice.
    virtual void SetWantedDeviceType(int deviceType) = 0;
    virtual int FindInterface(std::uint16_t vid, std::uint16_t pid, const std::string& productName, int mode) = 0;
    // The last scan opened at least one interface.
    virtual bool AnyInterfaceOpen() = 0;
    // 0 wired, 1 or 2 wireless, -1 none, among the interfaces of the wanted device type.
    virtual int ConnectionMode() = 0;
};

// What presence tells the device control.
class IDeviceStateView {
public:
    virtual ~IDeviceStateView() = default;
    virtual void ResetAllState() = 0;
    virtual void SetDeviceState(int deviceType, int state) = 0;
};

// The page state after a connection check.
enum class PresencePage {
    NoInterface,          // nothing found: home page, tabs hidden
    WirelessWithoutModel, // only a wireless connection, and it matched no model: same as above
    Connected,            // tabs and the model's page shown; tasks 13 and 5 queued
};

// The last matched device event: kind 1 arrival (number = device type), 2 removal (number = mode).
struct HotplugNotice {
    int kind = 0;
    int number = 0;
};

class DevicePresence {
public:
    static constexpr int kTaskRescanArrival = 2;
    static constexpr int kTaskRescanRemoval = 3;
    static constexpr int kTaskApplyProfile = 5;
    static constexpr int kTaskFirmwareCheck = 13;
    static constexpr int kConnectedDeviceType = 201;

    using QueueTask = std::function<void(int task)>;

    // The mode list of config.xml, in file order.
    DevicePresence(const std::vector<DeviceEntry>& modes, QueueTask queueTask);

    // True when the change matched a mode and queued a task.
    bool OnDeviceChange(const HotplugEvent& change);
    HotplugNotice LastNotice() const;

    void Rescan(IPresenceHid& hid, IDeviceStateView& view);
    PresencePage CheckConnection(IPresenceHid& hid);

    bool InterfaceFound() const;
    bool ModelConnected() const;
    int GetConnectionMode() const;
    bool IsModeConnected(std::size_t index) const;

    // The vendor and product IDs of every configured mode, once each: the keyboards the key
    // filter takes over and the udev rules cover.
    std::vector<KeyboardId> Keyboards() const;

private:
    struct Mode {
        DeviceEntry entry;
        bool connected = false;
    };

    // A mode's fragment occurs in the path; an empty fragment matches nothing.
    static bool Matches(const Mode& mode, const std::string& upperPath);

    const QueueTask m_queueTask;
    mutable std::mutex m_mutex;
    std::vector<Mode> m_modes;    // guarded by m_mutex
    HotplugNotice m_notice;       // guarded by m_mutex
    bool m_interfaceFound = false; // guarded by m_mutex
    bool m_modelConnected = false; // guarded by m_mutex
    int m_connectionMode = -1;    // guarded by m_mutex
};

} // namespace clavora
