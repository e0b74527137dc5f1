#include "device/ConsumerUsage.h"

namespace clavora {

namespace {

constexpr int kFirstMediaCode = 232;

constexpr int kConsumerUsages[] = {
    0x183, // 232 media player
    0x0EA, // 233 volume down
    0x0E9, // 234 volume up
    0x0E2, // 235 mute
    0x0B7, // 236 stop
    0x0B6, // 237 previous track
    0x0CD, // 238 play/pause
    0x0B5, // 239 next track
    0x18A, // 240 mail
    0x223, // 241 browser home
    0x192, // 242 calculator
    0x224, // 243 browser back
    0x225, // 244 browser forward
    0x226, // 245 browser stop
    0x227, // 246 browser refresh
    0x221, // 247 browser search
    0x22A, // 248 browser favourites
    0x194, // 249 my computer
};

constexpr int kMediaCodeCount = static_cast<int>(sizeof kConsumerUsages / sizeof kConsumerUsages[0]);
static_assert(kMediaCodeCount == 18);

} // namespace

int ConsumerUsageOfKeyCode(int keyCode)
{
    const int index = keyCode - kFirstMediaCode;
    return index >= 0 && index < kMediaCodeCount ? kConsumerUsages[index] : 0;
}

} // namespace clavora
