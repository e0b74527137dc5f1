#pragma once

// One row of t_key_light_data: the colour of one key in a colour set.

namespace clavora {

// The colour set that the keyboard picture edits; 128 + slot index for the slot sets.
inline constexpr int kCustomKeyLightSet = 128;

struct KeyLight {
    int keylight_id = 0; // row key
    int profile = 1;
    int light_id = kCustomKeyLightSet;
    int key_code = 0;
    int key_rgb = 0; // 0x00BBGGRR

    bool operator==(const KeyLight&) const = default;
};

} // namespace clavora
