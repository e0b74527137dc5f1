#include "lumoui/RKTimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace lumo;

namespace {

class CountingTimer : public RKTimer {
public:
    ~CountingTimer() override { KillTimer(); }

    void OnMTimer(UINT id) override
    {
        std::lock_guard lock(m_lock);
        ++m_ticks;
        m_lastId = id;
        m_tickThread = std::this_thread::get_id();
        if (m_killInTick) {
            KillTimer(id);
        }
        m_cv.notify_all();
    }
    void OnMTimer(UINT, const std::string& name) override
    {
        std::lock_guard lock(m_lock);
        m_appName = name;
    }
    // Waits (bounded) until at least n ticks happened.
    bool WaitTicks(int n)
    {
        std::unique_lock lock(m_lock);
        return m_cv.wait_for(lock, std::chrono::seconds(5), [&] { return m_ticks >= n; });
    }
    int Ticks()
    {
        std::lock_guard lock(m_lock);
        return m_ticks;
    }

    std::mutex m_lock;
    std::condition_variable m_cv;
    int m_ticks = 0;
    UINT m_lastId = 0;
    std::thread::id m_tickThread;
    std::string m_appName;
    bool m_killInTick = false;
};

TEST(RKTimer, TicksOnItsOwnThreadUntilKilled)
{
    CountingTimer t;
    UINT id = t.SetTimer(1, "anim", false);
    EXPECT_TRUE(t.GetTimerIsRun(id));
    EXPECT_EQ(RKTimer::GetFSTimer(id), &t);
    ASSERT_TRUE(t.WaitTicks(3));
    {
        std::lock_guard lock(t.m_lock);
        EXPECT_NE(t.m_tickThread, std::this_thread::get_id());
        EXPECT_EQ(t.m_lastId, id);
        EXPECT_TRUE(t.m_appName.empty()) << "not an application timer";
    }
    EXPECT_EQ(t.KillTimer(id), 0);
    int after = t.Ticks();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(t.Ticks(), after) << "no tick after KillTimer returned";
    EXPECT_EQ(RKTimer::GetFSTimer(id), nullptr);
    EXPECT_FALSE(t.GetTimerIsRun(id));
}

TEST(RKTimer, ApplicationTimersAlsoGetTheirName)
{
    CountingTimer t;
    UINT id = t.SetTimer(1, "app", true);
    EXPECT_TRUE(t.IsAppTimer(id));
    EXPECT_EQ(t.GetTimerName(id), "app");
    ASSERT_TRUE(t.WaitTicks(2));
    t.KillTimer();
    std::lock_guard lock(t.m_lock);
    EXPECT_EQ(t.m_appName, "app");
}

TEST(RKTimer, ATickMayKillItsOwnTimer)
{
    CountingTimer t;
    t.m_killInTick = true;
    UINT id = t.SetTimer(1, "", false);
    ASSERT_TRUE(t.WaitTicks(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(t.Ticks(), 1);
    EXPECT_FALSE(t.GetTimerIsRun(id));
}

TEST(RKTimer, SeveralTimersRunIndependently)
{
    CountingTimer a;
    CountingTimer b;
    UINT ia = a.SetTimer(1, "", false);
    UINT ib = b.SetTimer(2, "", false);
    EXPECT_NE(ia, ib);
    ASSERT_TRUE(a.WaitTicks(2));
    ASSERT_TRUE(b.WaitTicks(2));
    EXPECT_EQ(a.KillTimer(ib), 1) << "another object's ID is not ours";
    EXPECT_EQ(RKTimer::GetFSTimer(ib), &b);
}

} // namespace
