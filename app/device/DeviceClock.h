#pragma once

// The pauses of the device protocol go through a clock object, so tests can check them without
// sleeping and benchmarks can leave them out. Periodic work (the device worker's cycle) reads
// the time and waits for absolute deadlines through the same object.

#include <chrono>

namespace clavora {

class DeviceClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~DeviceClock() = default;

    // Blocks the calling thread for `ms` milliseconds (nothing for 0 or less).
    virtual void Pause(int ms) = 0;

    // The current time on a monotonic scale.
    virtual TimePoint Now() { return std::chrono::steady_clock::now(); }

    // Blocks until `deadline` (returns at once when it has passed).
    virtual void PauseUntil(TimePoint deadline);

    // The clock that really sleeps; lives for the whole process.
    static DeviceClock& System();
};

} // namespace clavora
