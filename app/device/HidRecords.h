#pragma once

// The records the HID layer keeps: the connections config.xml allows and the interfaces a scan
// opened.

#include <cstdint>
#include <string>

namespace clavora {

// Connection modes: 0 = wired USB, 1 and 2 = the two wireless connections.
inline constexpr int kModeWired = 0;

// One connection of a configured keyboard model (a `mode` element of config.xml).
struct SupportedMode {
    uint16_t vid = 0;
    uint16_t pid = 0;
    std::string product_name; // empty: any product string matches
    int device_type = 0;
    int mode = 0;
    std::string hid_interface; // path fragment naming the connection's interface
    std::string model_name;    // the enclosing `keyboard` element's name
};

// What the program knows about one opened interface of an attached keyboard.
struct HidInterfaceInfo {
    int index = 0; // position in the list when it was added
    uint16_t vid = 0;
    uint16_t pid = 0;
    std::string path;
    std::string product;
    uint16_t release = 0;
    int interface_number = -1;
    int device_type = 0; // from the first supported mode with the same vid and pid, else 0
    int mode = 0;
    bool wired = false; // mode 0
};

} // namespace clavora
