#pragma once

// One connection of the stand-in keyboard (wired or one of the two wireless ones) and the HID
// interfaces it shows while attached.

#include "device/HidRecords.h"

#include <cstdint>
#include <string>
#include <vector>

namespace clavora {

struct EmulatedInterface {
    int number = 0;
    uint16_t usage_page = 0;
    uint16_t usage = 0;
};

struct EmulatedConnection {
    int mode = 0;
    uint16_t vid = 0;
    uint16_t pid = 0;
    std::string product;
    uint16_t release = 0x0100;
    int device_type = 0;
    std::vector<EmulatedInterface> interfaces;

    // The interfaces a keyboard of this family shows: boot keyboard (0) and consumer control (1),
    // which the program must pass over; the vendor interface named by the connection's
    // `hid_interface` ("MI_nn", 2 when it names none); and on the wired connection the lighting
    // interface 3.
    static EmulatedConnection FromMode(const SupportedMode& mode);

    // "HID\VID_xxxx&PID_xxxx&MI_nn\…", upper case, unique per connection and interface.
    std::string PathOf(int interface_number) const;
};

} // namespace clavora
