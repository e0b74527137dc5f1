#pragma once

// CThreadBasic - a small base for an object that owns one periodic thread. The thread calls
// Run, then waits for the next period; periods are kept on absolute deadlines so the cycle
// does not drift by the time Run takes. The owner stops the thread before it destroys the
// object, because Run uses the derived part.

#include "device/DeviceClock.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace clavora {

class CThreadBasic {
public:
    static constexpr int kDefaultPeriodMs = 16;
    // How long Stop waits for the thread to say it is done.
    static constexpr int kStopWaitMs = 1000;

    explicit CThreadBasic(DeviceClock& clock = DeviceClock::System());
    virtual ~CThreadBasic();
    CThreadBasic(const CThreadBasic&) = delete;
    CThreadBasic& operator=(const CThreadBasic&) = delete;

    // Starts the thread with the 16 ms period and looping on. Returns 0 when it already runs
    // (or was not stopped since it last ran), 1 when started.
    int Start();

    // Clears the running flag, waits for the thread's done signal for at most kStopWaitMs and
    // joins it. Returns true when the done signal came in time; the join still waits for a Run
    // that is slower, so the object is never left to a running thread (long work in Run asks
    // IsRunning to end early). Nothing happens when the thread was not started; called from
    // the thread itself it only clears the running flag, and the loop ends after this Run.
    bool Stop();

    bool IsRunning() const { return m_running.load(); }
    int GetPeriod() const { return m_period.load(); }
    // The time Start was called.
    DeviceClock::TimePoint GetStartTick() const;

protected:
    // One cycle of the thread's work.
    virtual void Run() = 0;

    // With looping off the thread calls Run once and ends.
    void SetLoop(bool loop) { m_loop.store(loop); }
    void SetPeriod(int ms) { m_period.store(ms); }

private:
    void ThreadMain();
    void SignalDone();

    DeviceClock& m_clock;

    // Manual-reset done event: set when the thread leaves its loop, cleared by Start.
    std::mutex m_doneLock;
    std::condition_variable m_doneSignal;
    bool m_done = false; // guarded by m_doneLock

    std::atomic<bool> m_running { false };
    std::atomic<bool> m_loop { true };
    std::atomic<int> m_period { kDefaultPeriodMs };
    std::atomic<DeviceClock::TimePoint> m_startTick {};

    // Started and joined only by the owning thread.
    std::thread m_thread;
};

} // namespace clavora
