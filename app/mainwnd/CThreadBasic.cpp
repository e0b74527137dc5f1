#include "mainwnd/CThreadBasic.h"

#include <chrono>

namespace clavora {

CThreadBasic::CThreadBasic(DeviceClock& clock)
    : m_clock(clock)
{
}

CThreadBasic::~CThreadBasic()
{
    // Owners stop the thread themselves while the derived part still exists; this only
    // keeps a forgotten thread from outliving the object.
    Stop();
}

int CThreadBasic::Start()
{
    if (m_running.load() || m_thread.joinable())
        return 0;
    m_period.store(kDefaultPeriodMs);
    m_loop.store(true);
    m_startTick.store(m_clock.Now());
    {
        std::lock_guard lock(m_doneLock);
        m_done = false;
    }
    m_running.store(true);
    m_thread = std::thread(&CThreadBasic::ThreadMain, this);
    return 1;
}

bool CThreadBasic::Stop()
{
    if (!m_thread.joinable())
        return true;
    m_running.store(false);
    if (m_thread.get_id() == std::this_thread::get_id())
        return false;
    bool done;
    {
        std::unique_lock lock(m_doneLock);
        done = m_doneSignal.wait_for(lock, std::chrono::milliseconds(kStopWaitMs), [this] { return m_done; });
    }
    m_thread.join();
    return done;
}

DeviceClock::TimePoint CThreadBasic::GetStartTick() const
{
    return m_startTick.load();
}

void CThreadBasic::ThreadMain()
{
    DeviceClock::TimePoint deadline = m_clock.Now();
    while (m_running.load()) {
        Run();
        if (!m_loop.load())
            break;
        const auto period = std::chrono::milliseconds(m_period.load());
        deadline += period;
        const DeviceClock::TimePoint now = m_clock.Now();
        // A cycle that overran skips the periods it missed instead of running them back to back.
        if (deadline < now)
            deadline += ((now - deadline) / period + 1) * period;
        m_clock.PauseUntil(deadline);
    }
    SignalDone();
}

void CThreadBasic::SignalDone()
{
    std::lock_guard lock(m_doneLock);
    m_done = true;
    m_doneSignal.notify_all();
}

} // namespace clavora
