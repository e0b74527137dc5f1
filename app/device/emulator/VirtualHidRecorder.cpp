#include "device/emulator/VirtualHidRecorder.h"

namespace clavora {

VirtualHidRecorder::VirtualHidRecorder(Sink sink)
    : m_sink(std::move(sink))
{
}

bool VirtualHidRecorder::Open()
{
    if (!m_available)
        return false;
    m_open = true;
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
    if (m_sink)
        m_sink(report[1], data);
    return true;
}

} // namespace clavora
