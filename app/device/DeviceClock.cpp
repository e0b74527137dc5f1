#include "device/DeviceClock.h"

#include <chrono>
#include <thread>

namespace clavora {

namespace {
class SystemClock final : public DeviceClock {
public:
    void Pause(int ms) override
    {
        if (ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
};
} // namespace

void DeviceClock::PauseUntil(TimePoint deadline)
{
    std::this_thread::sleep_until(deadline);
}

DeviceClock& DeviceClock::System()
{
    static SystemClock clock;
    return clock;
}

} // namespace clavora
