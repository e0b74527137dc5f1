#pragma once

// One row of t_musiclayer_data: the music visualizer's settings.

#include <string>

namespace clavora {

struct MusicLayer {
    int layer_id = 0; // row key
    int profile = 1;
    std::string name;
    int deviceindex = 0; // 0 = the default loopback device
    int foremode = 0; // foreground image type
    int fore_amplitude = 0; // spectrum gain
    int backmode = 0; // background image type
    int backb_right = 0; // background brightness, percent
    int sel = 0; // 1 for the selected layer

    bool operator==(const MusicLayer&) const = default;
};

} // namespace clavora
