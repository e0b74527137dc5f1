#pragma once

// FilterMonitor - the thread that waits for watched key events of the key filter and hands
// each one to the registered proxies, in registration order, under the monitor's mutex, until
// one of them returns non-zero.

#include "device/HidUsbFilter.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace clavora {

class FilterChannel;

class FilterMonitor {
public:
    explicit FilterMonitor(FilterChannel& channel);
    ~FilterMonitor();
    FilterMonitor(const FilterMonitor&) = delete;
    FilterMonitor& operator=(const FilterMonitor&) = delete;

    // The proxy stays owned by the caller and must outlive its registration.
    void AddProxy(HidUsbFilter::IMonitorProxy* proxy);
    void RemoveProxy(HidUsbFilter::IMonitorProxy* proxy);

    // Starts a new monitor thread (stopping a running one first).
    void Start();
    // Stops the monitor thread and waits for it to end. Never call it from a proxy.
    void Stop();
    bool IsRunning() const;

    // Number of events handed to the proxies so far, and a wait for it to reach a count;
    // lets callers know that the events fed in earlier have been handled.
    std::uint64_t HandledEvents() const;
    bool WaitHandled(std::uint64_t count, std::chrono::milliseconds timeout) const;
    // Waits until every watched event the channel has queued so far has been handled, for
    // callers that feed the keys themselves. False when the time ran out.
    bool WaitIdle(std::chrono::milliseconds timeout) const;

private:
    void Run(std::stop_token stop);

    FilterChannel& m_channel;

    mutable std::mutex m_mutex;
    std::vector<HidUsbFilter::IMonitorProxy*> m_proxies; // guarded by m_mutex
    std::uint64_t m_handled = 0;                         // guarded by m_mutex
    mutable std::condition_variable m_handledChanged;
    std::condition_variable_any m_idle; // paces the retry while there is nothing to wait on

    std::jthread m_thread; // started and stopped by the controlling thread only
};

} // namespace clavora
