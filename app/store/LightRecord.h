#pragma once

// One row of t_light_data: the settings of one of the keyboard's lighting modes. Lighting
// rows are shared by all profiles and always stored under profile 1.

#include <string>

namespace clavora {

struct LightRecord {
    int light_id = 0; // row key
    int profile = 1;
    std::string name; // the mode's name: a language text number as text
    int mode = 0; // the keyboard's mode number
    int brightness = 0;
    int speed = 0;
    int direction = 0;
    int colorful = 0; // 1 multicolour, 0 single colour
    int colorindex = 0; // chosen preset colour button
    int color_value = 0; // 0x00BBGGRR
    int config_func = 0; // the mode's parameter flags
    int reserved = 0;
    int status = 0; // 1 for the active mode

    bool operator==(const LightRecord&) const = default;
};

} // namespace clavora
