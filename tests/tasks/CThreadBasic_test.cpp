// The periodic thread base: start and stop, absolute deadlines, and the device worker run on it.

#include "TaskRig.h"

#include "device/TaskCodes.h"
#include "mainwnd/CThreadBasic.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <future>
#include <mutex>

namespace clavora {
namespace {

using namespace std::chrono_literals;
using test::TaskRig;

// Counts its runs; the test waits for a number of them.
class CountingThread final : public CThreadBasic {
public:
    using CThreadBasic::CThreadBasic;
    ~CountingThread() override { Stop(); }

    bool WaitForRuns(int count)
    {
        std::unique_lock lock(m_lock);
        return m_ran.wait_for(lock, 5s, [&] { return m_runs >= count; });
    }

    int Runs()
    {
        std::lock_guard lock(m_lock);
        return m_runs;
    }

protected:
    void Run() override
    {
        std::lock_guard lock(m_lock);
        ++m_runs;
        m_ran.notify_all();
    }

private:
    std::mutex m_lock;
    std::condition_variable m_ran;
    int m_runs = 0;
};

TEST(CThreadBasic, StartsOnceStopsAndStartsAgain)
{
    CountingThread thread;
    EXPECT_TRUE(thread.Stop()); // never started: nothing to do
    EXPECT_EQ(thread.Start(), 1);
    EXPECT_EQ(thread.Start(), 0);
    EXPECT_TRUE(thread.IsRunning());
    EXPECT_EQ(thread.GetPeriod(), 16);
    ASSERT_TRUE(thread.WaitForRuns(3));
    EXPECT_TRUE(thread.Stop());
    EXPECT_FALSE(thread.IsRunning());
    const int runs = thread.Runs();
    EXPECT_EQ(thread.Runs(), runs); // nothing runs after Stop returned

    EXPECT_EQ(thread.Start(), 1);
    ASSERT_TRUE(thread.WaitForRuns(runs + 2));
    EXPECT_TRUE(thread.Stop());
}

// Each run takes the given time on the test clock; looping ends after the last one.
class TimedThread final : public CThreadBasic {
public:
    TimedThread(test::TestClock& clock, std::vector<int> runMs)
        : CThreadBasic(clock)
        , m_clock(clock)
        , m_runMs(std::move(runMs))
    {
    }
    ~TimedThread() override { Stop(); }

    std::future<void> LastRun() { return m_lastRun.get_future(); }

protected:
    void Run() override
    {
        m_clock.Advance(std::chrono::milliseconds(m_runMs[m_next++]));
        if (m_next == m_runMs.size()) {
            SetLoop(false);
            m_lastRun.set_value();
        }
    }

private:
    test::TestClock& m_clock;
    std::vector<int> m_runMs;
    size_t m_next = 0;
    std::promise<void> m_lastRun;
};

TEST(CThreadBasic, CyclesKeepAbsoluteDeadlinesAndSkipOverruns)
{
    test::TestClock clock;
    clock.Advance(1000ms);
    const DeviceClock::TimePoint start = clock.Now();
    TimedThread thread(clock, { 5, 5, 40, 0, 15 });
    std::future<void> lastRun = thread.LastRun();
    ASSERT_EQ(thread.Start(), 1);
    ASSERT_EQ(lastRun.wait_for(5s), std::future_status::ready);
    EXPECT_TRUE(thread.Stop());
    EXPECT_EQ(thread.GetStartTick(), start);
    // Run times do not push the deadlines on; the run of 40 ms misses two and skips them.
    const std::vector<DeviceClock::TimePoint> expected { start + 16ms, start + 32ms, start + 80ms, start + 96ms };
    EXPECT_EQ(clock.Deadlines(), expected);
}

// The main window's use: its worker thread runs the device worker's cycle.
class WorkerThread final : public CThreadBasic {
public:
    explicit WorkerThread(DeviceWorker& worker)
        : m_worker(worker)
    {
    }
    ~WorkerThread() override { Stop(); }

protected:
    void Run() override
    {
        m_worker.RunCycle([this] { return IsRunning(); });
    }

private:
    DeviceWorker& m_worker;
};

TEST(CThreadBasic, WorkerRunsTasksQueuedFromOtherThreads)
{
    TaskRig rig;
    ASSERT_TRUE(rig.device.FindVirtualDevice());
    const int macro = rig.AddMacro("M", 1, { { kMacroEventKeyDown, test::kVkA, 0 }, { kMacroEventKeyUp, test::kVkA, 0 } });
    rig.emulator->Attach(0);
    WorkerThread thread(rig.worker);
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(thread.Start(), 1);
        std::thread window([&] {
            rig.worker.QueueTask(task::kRescanArrival);
            for (int i = 0; i < 5; ++i) {
                rig.worker.QueueTask(task::kWriteLight);
                rig.worker.SetLightModeApplied(false);
            }
        });
        std::thread keys([&] {
            for (int i = 0; i < 5; ++i)
                rig.macros.Append(macro);
        });
        window.join();
        keys.join();
        for (int wait = 0; wait < 500 && (!rig.tasks.IsEmpty() || rig.macros.Size() > 0); ++wait)
            std::this_thread::sleep_for(5ms);
        EXPECT_TRUE(thread.Stop());
        EXPECT_TRUE(rig.tasks.IsEmpty());
        EXPECT_EQ(rig.macros.Size(), 0u);
    }
}

TEST(CThreadBasic, StopCutsAPlayingMacroShort)
{
    TaskRig rig;
    ASSERT_TRUE(rig.device.FindVirtualDevice());
    const int macro = rig.AddMacro("Long", 99, { { kMacroEventKeyDown, test::kVkA, 30000 } });
    WorkerThread thread(rig.worker);
    // The test clock does not sleep: the first pause of the macro lasts until the stop.
    std::atomic<bool> inPause { false };
    rig.clock.OnPause([&](int) {
        inPause.store(true);
        while (thread.IsRunning())
            std::this_thread::sleep_for(1ms);
    });
    rig.ClearReports();
    rig.macros.Append(macro);
    ASSERT_EQ(thread.Start(), 1);
    for (int wait = 0; wait < 1000 && !inPause.load(); ++wait)
        std::this_thread::sleep_for(1ms);
    ASSERT_TRUE(inPause.load());
    EXPECT_TRUE(thread.Stop());
    rig.clock.OnPause({});

    EXPECT_EQ(rig.clock.Take(), std::vector<int> { MacroPlayer::kDelaySliceMs });
    // Empty reports, the key, then everything released.
    const std::vector<VirtualReport> reports = rig.emulator->VirtualReports();
    ASSERT_EQ(reports.size(), 4u + 1 + 4);
    EXPECT_EQ(reports[4].id, 1);
    EXPECT_NE(reports[4].bytes, std::vector<uint8_t>(reports[4].bytes.size(), 0));
    EXPECT_EQ(reports[5].id, 1);
    EXPECT_EQ(reports[5].bytes, std::vector<uint8_t>(reports[5].bytes.size(), 0));
}

} // namespace
} // namespace clavora
