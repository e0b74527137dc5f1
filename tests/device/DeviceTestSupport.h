#pragma once

// Helpers shared by the device tests: bytes written as hex text, a clock that records pauses,
// and a KeyboardHid over a stand-in keyboard with one feature-protocol model.

#include "device/DeviceClock.h"
#include "device/KeyboardHid.h"
#include "device/emulator/Emulator.h"
#include "device/emulator/EmulatorBackend.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace clavora::test {

// "07 fa 01" → { 0x07, 0xFA, 0x01 }; padded with zeros up to `size` when given.
std::vector<uint8_t> Hex(const std::string& text, size_t size = 0);

template<typename Container>
std::vector<uint8_t> AsVector(const Container& bytes)
{
    return { std::begin(bytes), std::end(bytes) };
}

// Records every pause instead of sleeping.
class RecordingClock final : public DeviceClock {
public:
    void Pause(int ms) override;
    // The pauses so far; forgets them.
    std::vector<int> Take();

private:
    std::mutex m_lock;
    std::vector<int> m_pauses;
};

inline constexpr uint16_t kVendor = 0xC1A0;
inline constexpr int kFeatureType = 201;

// The supported mode of connection `mode` of the test model (pid 0x0201 + mode).
SupportedMode TestMode(int mode);

// A KeyboardHid over a stand-in that knows the three connections of the test model, none attached.
struct StandIn {
    StandIn();

    // Attaches the given connections and scans.
    void AttachAndScan(std::initializer_list<int> modes);

    std::shared_ptr<Emulator> emulator;
    RecordingClock clock;
    KeyboardHid hid;
};

} // namespace clavora::test
