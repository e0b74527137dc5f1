#pragma once

// The pauses of the device protocol go through a clock object, so tests can check them without
// sleeping and benchmarks can leave them out.

namespace clavora {

class DeviceClock {
public:
    virtual ~DeviceClock() = default;

    // Blocks the calling thread for `ms` milliseconds (nothing for 0 or less).
    virtual void Pause(int ms) = 0;

    // The clock that really sleeps; lives for the whole process.
    static DeviceClock& System();
};

} // namespace clavora
