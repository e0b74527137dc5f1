#include "device/emulator/VirtualHidRecorder.h"

namespace clavora {

VirtualHidRecorder::VirtualHidRecorder(std::shared_ptr<VirtualReportLog> log)
    : m_log(std::move(log))
{
}

bool VirtualHidRecorder::Open()
{
    if (!m_available)
        return false;
    m_open = true;
    ++m_openCount;
    return true;
}

void VirtualHidRecorder::Close()
{
    m_open = false;
}

bool VirtualHidRecorder::IsOpen() const
{
    return m_open;
}

bool VirtualHidRecorder::Write(const vhid::OutputReport& report)
{
    if (!m_open || report[0] != vhid::kOutputReportMarker)
        return false;
    const auto data = vhid::ReportData(report);
    if (data.empty())
        return false; // the device has no such report
    m_log->Add(report[1], data.data(), data.size());
    return true;
}

} // namespace clavora
