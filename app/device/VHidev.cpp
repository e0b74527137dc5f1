#include "device/VHidev.h"

#include "device/InputBackends.h"
#include "device/KeyboardHid.h"

#include <algorithm>
#include <cstring>

namespace clavora {

namespace {

// Data room of one output report behind the marker and the report ID.
constexpr std::size_t kMaxReportData = vhid::kOutputReportSize - 2;

} // namespace

VHidev::VHidev(std::unique_ptr<IVirtualHidBackend> backend)
    : m_backend(std::move(backend))
{
}

VHidev::~VHidev()
{
    Release();
}

VHidev& VHidev::Get()
{
    static VHidev device(CreateVirtualHidBackend(KeyboardHid::GetInstance().StandIn()));
    return device;
}

bool VHidev::Write(const std::uint8_t* data, std::size_t length, std::uint8_t reportId)
{
    std::lock_guard lock(m_mutex);
    return WriteLocked(data, length, reportId);
}

bool VHidev::WriteLocked(const std::uint8_t* data, std::size_t length, std::uint8_t reportId)
{
    if (!m_backend || !m_backend->IsOpen())
        return false;
    vhid::OutputReport report = {};
    report[0] = vhid::kOutputReportMarker;
    std::size_t offset = 2;
    std::size_t room = kMaxReportData;
    if (reportId == 0) {
        // Without a report ID the data starts right behind the marker.
        offset = 1;
        room = kMaxReportData + 1;
    } else {
        report[1] = reportId;
    }
    if (data != nullptr)
        std::memcpy(report.data() + offset, data, std::min(length, room));
    return m_backend->Write(report);
}

void VHidev::ClearReportsLocked()
{
    std::memset(m_keyboard, 0, sizeof m_keyboard);
    std::memset(m_mouse, 0, sizeof m_mouse);
    m_consumer = 0;
    m_system = 0;
}

void VHidev::ResetReports()
{
    std::lock_guard lock(m_mutex);
    ClearReportsLocked();
    WriteKeyboardLocked();
    WriteLocked(m_mouse, sizeof m_mouse, vhid::kMouseReportId);
    WriteUsageLocked(m_consumer, vhid::kConsumerReportId, 0, false);
    WriteUsageLocked(m_system, vhid::kSystemReportId, 0, false);
}

bool VHidev::WriteKeyboardLocked()
{
    return WriteLocked(m_keyboard, sizeof m_keyboard, vhid::kKeyboardReportId);
}

bool VHidev::Key(int usage, bool pressed)
{
    if (usage < 0 || usage >= vhid::kKeyboardUsageCount)
        return false;
    std::lock_guard lock(m_mutex);
    std::uint8_t& byte = m_keyboard[1 + (usage >> 3)];
    const std::uint8_t bit = static_cast<std::uint8_t>(1u << (usage & 7));
    byte = pressed ? static_cast<std::uint8_t>(byte | bit) : static_cast<std::uint8_t>(byte & ~bit);
    return WriteKeyboardLocked();
}

bool VHidev::MouseButton(int bit, bool pressed)
{
    if (bit < 0 || bit >= vhid::kMouseButtonBits)
        return false;
    std::lock_guard lock(m_mutex);
    const std::uint8_t mask = static_cast<std::uint8_t>(1u << bit);
    m_mouse[0] = pressed ? static_cast<std::uint8_t>(m_mouse[0] | mask)
                         : static_cast<std::uint8_t>(m_mouse[0] & ~mask);
    return WriteLocked(m_mouse, sizeof m_mouse, vhid::kMouseReportId);
}

bool VHidev::WriteUsageLocked(std::uint16_t& report, std::uint8_t reportId, int usage, bool pressed)
{
    report = pressed ? static_cast<std::uint16_t>(usage) : 0;
    const std::uint8_t data[2] = {static_cast<std::uint8_t>(report & 0xFF), static_cast<std::uint8_t>(report >> 8)};
    return WriteLocked(data, sizeof data, reportId);
}

bool VHidev::Consumer(int usage, bool pressed)
{
    std::lock_guard lock(m_mutex);
    return WriteUsageLocked(m_consumer, vhid::kConsumerReportId, usage, pressed);
}

bool VHidev::SystemControl(int usage, bool pressed)
{
    std::lock_guard lock(m_mutex);
    return WriteUsageLocked(m_system, vhid::kSystemReportId, usage, pressed);
}

bool VHidev::FindVirtualDevice()
{
    std::lock_guard lock(m_mutex);
    if (!m_backend)
        return false;
    if (m_backend->IsOpen())
        return true;
    // A fresh device starts with nothing held; our copies of the reports must agree.
    ClearReportsLocked();
    return m_backend->Open();
}

void VHidev::CloseDevice()
{
    std::lock_guard lock(m_mutex);
    if (m_backend)
        m_backend->Close();
    ClearReportsLocked();
}

bool VHidev::IsFound() const
{
    std::lock_guard lock(m_mutex);
    return m_backend && m_backend->IsOpen();
}

void VHidev::Release()
{
    ResetReports();
    CloseDevice();
}

} // namespace clavora
