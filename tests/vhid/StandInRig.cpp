#include "StandInRig.h"

#include "device/emulator/VirtualHidRecorder.h"

#include <gtest/gtest.h>

namespace clavora::test {

KeyAssignment Assign(int keyCode, int type, int value)
{
    KeyAssignment assignment;
    assignment.profile = 1;
    assignment.key_code = keyCode;
    assignment.macro_type = type;
    assignment.macro_value = value;
    return assignment;
}

std::vector<std::uint8_t> KeyboardBytes(std::initializer_list<int> usages)
{
    std::vector<std::uint8_t> bytes(vhid::kKeyboardReportSize, 0);
    for (int usage : usages)
        bytes[1 + (usage >> 3)] |= static_cast<std::uint8_t>(1u << (usage & 7));
    return bytes;
}

std::vector<std::uint8_t> Word(int value)
{
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF)};
}

StandInRig::StandInRig()
    : device(std::make_unique<VirtualHidRecorder>(
          [this](int id, std::span<const std::uint8_t> data) { emulator.RecordVirtualReport(id, data); }))
    , filter(device, keys)
    , handler(device, macros, [this](std::chrono::milliseconds pause) {
        std::lock_guard lock(m_pauseMutex);
        m_pauses.push_back(pause);
    })
{
    EXPECT_TRUE(device.FindVirtualDevice());
    EXPECT_TRUE(filter.Channel().Open());
    filter.Monitor().AddProxy(&proxy);
}

StandInRig::~StandInRig()
{
    filter.Monitor().Stop();
}

void StandInRig::Arm(const std::vector<KeyAssignment>& assignments)
{
    filter.ArmKeyFilter(handler, assignments);
    emulator.Clear();
}

void StandInRig::Settle()
{
    ASSERT_TRUE(filter.Monitor().WaitIdle(std::chrono::seconds(5)));
}

void StandInRig::Press(std::uint32_t usage)
{
    ASSERT_TRUE(keys->Press(usage));
    Settle();
}

void StandInRig::Release(std::uint32_t usage)
{
    ASSERT_TRUE(keys->Release(usage));
    Settle();
}

void StandInRig::Tap(std::uint32_t usage)
{
    Press(usage);
    Release(usage);
}

std::vector<std::uint8_t> StandInRig::LastReport(std::uint8_t id) const
{
    const std::vector<VirtualReport> reports = emulator.VirtualReports();
    for (auto it = reports.rbegin(); it != reports.rend(); ++it) {
        if (it->id == id)
            return it->bytes;
    }
    return {};
}

std::vector<VirtualReport> StandInRig::TakeReports()
{
    std::vector<VirtualReport> reports = emulator.VirtualReports();
    emulator.Clear();
    return reports;
}

std::vector<std::chrono::milliseconds> StandInRig::Pauses() const
{
    std::lock_guard lock(m_pauseMutex);
    return m_pauses;
}

} // namespace clavora::test
