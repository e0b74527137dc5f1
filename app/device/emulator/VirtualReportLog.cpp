#include "device/emulator/VirtualReportLog.h"

#include <cstdio>

namespace clavora {

VirtualReportLog::VirtualReportLog()
    : m_start(std::chrono::steady_clock::now())
{
}

void VirtualReportLog::Add(std::uint8_t id, const std::uint8_t* data, std::size_t length)
{
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - m_start;
    VirtualReport report{elapsed.count(), id, std::vector<std::uint8_t>(data, data + length)};
    {
        std::lock_guard lock(m_mutex);
        m_reports.push_back(std::move(report));
    }
    m_changed.notify_all();
}

std::vector<VirtualReport> VirtualReportLog::Take()
{
    std::lock_guard lock(m_mutex);
    std::vector<VirtualReport> taken;
    taken.swap(m_reports);
    return taken;
}

std::vector<VirtualReport> VirtualReportLog::Snapshot() const
{
    std::lock_guard lock(m_mutex);
    return m_reports;
}

std::size_t VirtualReportLog::Count() const
{
    std::lock_guard lock(m_mutex);
    return m_reports.size();
}

void VirtualReportLog::Clear()
{
    std::lock_guard lock(m_mutex);
    m_reports.clear();
}

bool VirtualReportLog::WaitForCount(std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_reports.size() >= count; });
}

std::string VirtualReportLog::ToJson(const std::vector<VirtualReport>& reports)
{
    std::string json = "[";
    char buffer[64];
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const VirtualReport& report = reports[i];
        std::snprintf(buffer, sizeof buffer, "%s{\"t\": %.1f, \"id\": %u, \"hex\": \"", i ? ", " : "",
                      report.timeMs, static_cast<unsigned>(report.id));
        json += buffer;
        for (std::uint8_t byte : report.data) {
            std::snprintf(buffer, sizeof buffer, "%02x", static_cast<unsigned>(byte));
            json += buffer;
        }
        json += "\"}";
    }
    json += "]";
    return json;
}

} // namespace clavora
