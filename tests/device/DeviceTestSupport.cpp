#include "DeviceTestSupport.h"

#include "device/emulator/EmulatedConnection.h"

#include <cstdio>
#include <sstream>
#include <utility>

namespace clavora::test {

std::vector<uint8_t> Hex(const std::string& text, size_t size)
{
    std::vector<uint8_t> bytes;
    std::istringstream words(text);
    std::string word;
    while (words >> word)
        bytes.push_back(static_cast<uint8_t>(std::stoul(word, nullptr, 16)));
    if (bytes.size() < size)
        bytes.resize(size, 0);
    return bytes;
}

void RecordingClock::Pause(int ms)
{
    std::lock_guard lock(m_lock);
    m_pauses.push_back(ms);
}

std::vector<int> RecordingClock::Take()
{
    std::lock_guard lock(m_lock);
    return std::exchange(m_pauses, {});
}

SupportedMode TestMode(int mode)
{
    static const char* const kProducts[] { "Clavora K201 Wired", "Clavora K201 Receiver", "Clavora K201 Link" };
    char fragment[40];
    std::snprintf(fragment, sizeof fragment, "VID_%04X&PID_%04X&MI_02", kVendor, 0x0201 + mode);
    return { kVendor, static_cast<uint16_t>(0x0201 + mode), kProducts[mode], kFeatureType, mode, fragment, "K201" };
}

StandIn::StandIn()
    : emulator(std::make_shared<Emulator>())
    , hid(std::make_unique<EmulatorBackend>(emulator), clock)
{
    for (int mode = 0; mode <= 2; ++mode) {
        const SupportedMode entry = TestMode(mode);
        hid.AddSupportedMode(entry.vid, entry.pid, entry.product_name, entry.device_type, entry.mode,
            entry.hid_interface, entry.model_name);
        emulator->AddConnection(EmulatedConnection::FromMode(entry));
    }
}

void StandIn::AttachAndScan(std::initializer_list<int> modes)
{
    for (int mode : modes)
        emulator->Attach(mode);
    hid.Scan();
    clock.Take();
}

} // namespace clavora::test
