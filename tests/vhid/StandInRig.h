#pragma once

// The virtual device, the key filter and the key handler wired together over the stand-ins:
// tests press physical keys and read the reports the virtual device wrote.

#include "device/HidUsbFilter.h"
#include "device/KeyFilter.h"
#include "device/KeyHandler.h"
#include "device/MacroPlayQueue.h"
#include "device/VHidev.h"
#include "device/emulator/KeySourceStandIn.h"
#include "device/emulator/Emulator.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace clavora::test {

KeyAssignment Assign(int keyCode, int type, int value);

// The keyboard bitmap of a keyboard report with the given usages set.
std::vector<std::uint8_t> KeyboardBytes(std::initializer_list<int> usages);
std::vector<std::uint8_t> Word(int value);

class StandInRig {
public:
    StandInRig();
    ~StandInRig();

    void Arm(const std::vector<KeyAssignment>& assignments);
    // Press or release a physical key, then wait until the filter has dealt with it.
    void Press(std::uint32_t usage);
    void Release(std::uint32_t usage);
    void Tap(std::uint32_t usage);

    // Reports since the last call.
    std::vector<VirtualReport> TakeReports();
    // The last report of a kind written so far, or nothing when none was.
    std::vector<std::uint8_t> LastReport(std::uint8_t id) const;
    std::vector<std::chrono::milliseconds> Pauses() const;

    Emulator emulator; // keeps the virtual reports
    VHidev device;
    std::shared_ptr<KeySourceStandIn> keys = std::make_shared<KeySourceStandIn>();
    KeyFilter filter;
    MacroPlayQueue macros;
    KeyHandler handler;
    HidUsbFilter::MonitorProxy<KeyHandler> proxy{&handler, &KeyHandler::OnFilterKey};

private:
    void Settle();

    mutable std::mutex m_pauseMutex;
    std::vector<std::chrono::milliseconds> m_pauses; // guarded by m_pauseMutex
};

} // namespace clavora::test
