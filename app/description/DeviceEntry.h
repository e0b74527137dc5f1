#pragma once

// The records config.xml is read into: one DeviceEntry per keyboard model (the device
// list) and one per connection of a model (the mode list), plus the software's own fields.

#include <cstdint>
#include <string>

namespace clavora {

struct DeviceEntry {
    std::string name;          // model name; in the mode list the connection's product string
    int32_t device_type = 0;   // up to 200 report protocol, 201-299 feature protocol
    std::string device_info;   // base name of the model's description file
    int32_t mode = 0;          // 0 wired, 1 and 2 the wireless connections (mode list only)
    int32_t vid = 0;
    int32_t pid = 0;
    std::string desc;
    std::string hid_interface; // upper-case fragment of the HID interface path
    int32_t present = 0;       // set while the presence scan finds this connection
};

struct SoftwareInfo {
    std::string version;
    std::string websiteUrl;
    std::string storeUrl;   // kept; nothing opens it
    std::string upgradeUrl; // base address of the update service
    std::string copyright;
};

} // namespace clavora
