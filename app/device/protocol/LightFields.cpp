#include "device/protocol/LightFields.h"

namespace clavora::protocol {

namespace {
constexpr int kColourMode = 3;  // m of the single-colour mode, which carries the RGB value
constexpr int kMode9 = 9;

uint8_t Byte(int value) { return static_cast<uint8_t>(value & 0xFF); }
uint8_t LessOne(int value) { return Byte(value == 0 ? 0 : value - 1); }
} // namespace

std::array<uint8_t, 6> LightFieldBytes(const LightSettings& light, int option, bool reduce_mode9_speed)
{
    const int m = light.mode - 1;
    uint8_t direction = Byte(light.direction);
    uint8_t speed = (light.mode == kMode9 && !reduce_mode9_speed) ? Byte(light.speed) : LessOne(light.speed);
    uint8_t extra = (light.config_func & kConfigCustomColours) ? Byte(option) : 0;
    if (m == kColourMode) {
        direction = Byte(static_cast<int>(light.color_value));
        speed = Byte(static_cast<int>(light.color_value >> 8));
        extra = Byte(static_cast<int>(light.color_value >> 16));
    }
    return { Byte(m), Byte(light.colorindex), direction, speed, LessOne(light.brightness), extra };
}

} // namespace clavora::protocol
