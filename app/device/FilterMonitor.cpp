#include "device/FilterMonitor.h"

#include "device/FilterChannel.h"

#include <algorithm>

namespace clavora {

namespace {

// Pause before waiting again when no proxy is registered or the wait failed.
constexpr std::chrono::milliseconds kRetryPause{10};

} // namespace

FilterMonitor::FilterMonitor(FilterChannel& channel)
    : m_channel(channel)
{
}

FilterMonitor::~FilterMonitor()
{
    Stop();
}

void FilterMonitor::AddProxy(HidUsbFilter::IMonitorProxy* proxy)
{
    std::lock_guard lock(m_mutex);
    m_proxies.push_back(proxy);
}

void FilterMonitor::RemoveProxy(HidUsbFilter::IMonitorProxy* proxy)
{
    std::lock_guard lock(m_mutex);
    m_proxies.erase(std::remove(m_proxies.begin(), m_proxies.end(), proxy), m_proxies.end());
}

void FilterMonitor::Start()
{
    Stop();
    m_thread = std::jthread([this](std::stop_token stop) { Run(stop); });
}

void FilterMonitor::Stop()
{
    if (!m_thread.joinable())
        return;
    m_thread.request_stop(); // also ends a pending wait on the channel
    m_thread.join();
    m_thread = std::jthread();
}

bool FilterMonitor::IsRunning() const
{
    return m_thread.joinable();
}

std::uint64_t FilterMonitor::HandledEvents() const
{
    std::lock_guard lock(m_mutex);
    return m_handled;
}

bool FilterMonitor::WaitHandled(std::uint64_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_handledChanged.wait_for(lock, timeout, [&] { return m_handled >= count; });
}

bool FilterMonitor::WaitIdle(std::chrono::milliseconds timeout) const
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        // Pending first: once it is 0, everything fed so far has been handed out, and handled
        // catching up with handed-out means none is still inside a proxy.
        const bool pending = m_channel.PendingEvents() != 0;
        const std::uint64_t handled = HandledEvents();
        if (!pending && handled >= m_channel.ReportedEvents())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        WaitHandled(handled + 1, std::chrono::milliseconds(1));
    }
}

void FilterMonitor::Run(std::stop_token stop)
{
    while (!stop.stop_requested()) {
        bool haveProxy;
        {
            std::lock_guard lock(m_mutex);
            haveProxy = !m_proxies.empty();
        }
        FilterKeyEvent event;
        if (!haveProxy || !m_channel.WaitKeyEvent(event, stop)) {
            std::mutex pauseMutex;
            std::unique_lock pause(pauseMutex);
            m_idle.wait_for(pause, stop, kRetryPause, [] { return false; });
            continue;
        }
        {
            std::lock_guard lock(m_mutex);
            for (HidUsbFilter::IMonitorProxy* proxy : m_proxies) {
                if (proxy->OnKeyEvent(event.kind, event.keyCode, event.pressed) != 0)
                    break;
            }
            ++m_handled;
        }
        m_handledChanged.notify_all();
    }
}

} // namespace clavora
