#pragma once

// The small interface the HID layer talks through: enumeration, opening, and the three report
// calls of an opened interface. hidapi's hidraw backend implements it for real keyboards, the
// stand-in keyboard for tests and for runs without hardware.

#include "device/HidRecords.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace clavora {

class Emulator;

// One HID interface as the enumeration reports it.
struct HidDeviceInfo {
    std::string path;
    uint16_t vid = 0;
    uint16_t pid = 0;
    std::string product;
    uint16_t release = 0;
    uint16_t usage_page = 0;
    uint16_t usage = 0;
    int interface_number = -1;
};

// An opened interface; destroying it closes it.
class HidDevice {
public:
    virtual ~HidDevice() = default;

    // Writes one output report; byte 0 is the report ID. Bytes written, or -1.
    virtual int Write(std::span<const uint8_t> report) = 0;
    // Sends one feature report; byte 0 is the report ID. Bytes sent, or -1.
    virtual int SendFeatureReport(std::span<const uint8_t> report) = 0;
    // Reads the feature report whose ID is report[0] into `report`. Bytes read, or -1.
    virtual int GetFeatureReport(std::span<uint8_t> report) = 0;
    // Text of the last failure on this interface.
    virtual std::string ErrorText() = 0;
};

// An interface arrived or was removed. The path has the upper-case "HID\VID_xxxx&PID_xxxx&MI_nn…"
// form, so configured `hid_interface` fragments can be looked for in it.
struct HotplugEvent {
    bool arrival = true;
    std::string path;
};
using HotplugCallback = std::function<void(const HotplugEvent&)>;

class HidBackend {
public:
    virtual ~HidBackend() = default;

    virtual std::vector<HidDeviceInfo> Enumerate() = 0;
    // Null when the interface cannot be opened.
    virtual std::unique_ptr<HidDevice> Open(const std::string& path) = 0;

    // Told about every connection config.xml allows, as it is registered.
    virtual void NoteSupportedMode(const SupportedMode&) { }

    // Subscribes to arrivals and removals when the backend reports them itself; -1 means it does
    // not, and the system's device monitor has to be asked. Callbacks run on the thread that
    // caused the change and must not block.
    virtual int SubscribeHotplug(HotplugCallback) { return -1; }
    virtual void UnsubscribeHotplug(int) { }

    // The stand-in keyboard behind this backend, or null for real hardware.
    virtual Emulator* StandIn() { return nullptr; }
};

} // namespace clavora
