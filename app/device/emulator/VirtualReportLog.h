#pragma once

// Every report written to the stand-in virtual device, in order, with its time.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace clavora {

struct VirtualReport {
    double timeMs = 0;              // since the log started
    std::uint8_t id = 0;            // 1 keyboard, 2 mouse, 3 consumer, 4 system
    std::vector<std::uint8_t> data; // the bytes after the report ID
};

class VirtualReportLog {
public:
    VirtualReportLog();

    void Add(std::uint8_t id, const std::uint8_t* data, std::size_t length);

    // Reports since the last Take or Clear; they are forgotten.
    std::vector<VirtualReport> Take();
    // All recorded reports, kept.
    std::vector<VirtualReport> Snapshot() const;
    std::size_t Count() const;
    void Clear();

    // Waits until at least `count` reports are recorded. False when the time ran out.
    bool WaitForCount(std::size_t count, std::chrono::milliseconds timeout) const;

    // The reports as a JSON array: [{"t": 51.0, "id": 1, "hex": "0000..."}], hex lower case.
    static std::string ToJson(const std::vector<VirtualReport>& reports);

private:
    const std::chrono::steady_clock::time_point m_start;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::vector<VirtualReport> m_reports; // guarded by m_mutex
};

} // namespace clavora
