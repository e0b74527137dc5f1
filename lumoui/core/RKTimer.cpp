#include "lumoui/RKTimer.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <thread>
#include <unordered_map>

namespace lumo {

namespace {

// A sleeping timer wakes at least this often to notice that it was killed.
constexpr long kStopCheckNs = 50'000'000;
constexpr long kNsPerSec = 1'000'000'000;

std::atomic<UINT> g_nextId { 1 };

struct Registry {
    std::mutex lock;
    std::unordered_map<UINT, RKTimer*> owners;
};

Registry& TimerRegistry()
{
    static Registry registry;
    return registry;
}

void AddNs(timespec& t, long long ns)
{
    long long total = static_cast<long long>(t.tv_nsec) + ns;
    t.tv_sec += static_cast<time_t>(total / kNsPerSec);
    t.tv_nsec = static_cast<long>(total % kNsPerSec);
}

bool Before(const timespec& a, const timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

} // namespace

struct RKTimer::Runner {
    std::atomic<bool> stop { false };
    std::thread thread;
};

RKTimer::~RKTimer() { KillTimer(); }

void RKTimer::Run(RKTimer* self, UINT id, UINT period, std::string name, bool application,
    std::shared_ptr<Runner> runner)
{
    const long long periodNs = static_cast<long long>(period) * 1'000'000;
    timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    AddNs(next, periodNs);
    while (!runner->stop.load()) {
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        while (Before(now, next) && !runner->stop.load()) {
            timespec wake = now;
            AddNs(wake, kStopCheckNs);
            if (Before(next, wake)) {
                wake = next;
            }
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr);
            clock_gettime(CLOCK_MONOTONIC, &now);
        }
        if (runner->stop.load()) {
            break;
        }
        self->OnMTimer(id);
        if (application && !runner->stop.load()) {
            self->OnMTimer(id, name);
        }
        // Deadlines stay on the original grid; ticks missed while busy are skipped, not
        // delivered in a burst.
        AddNs(next, periodNs);
        clock_gettime(CLOCK_MONOTONIC, &now);
        while (!Before(now, next)) {
            AddNs(next, periodNs);
        }
    }
}

UINT RKTimer::SetTimer(UINT periodMs, const std::string& name, bool application)
{
    UINT id = g_nextId.fetch_add(1);
    auto runner = std::make_shared<Runner>();
    {
        std::lock_guard lock(TimerRegistry().lock);
        TimerRegistry().owners[id] = this;
    }
    {
        std::lock_guard lock(m_lock);
        m_entries.push_back(Entry { id, name, application, runner });
        runner->thread = std::thread(&RKTimer::Run, this, id, std::max<UINT>(periodMs, 1), name, application, runner);
    }
    return id;
}

void RKTimer::Stop(const std::shared_ptr<Runner>& runner)
{
    runner->stop.store(true);
    if (!runner->thread.joinable()) {
        return;
    }
    if (runner->thread.get_id() == std::this_thread::get_id()) {
        // Killed from its own tick: the thread ends by itself after the tick returns.
        runner->thread.detach();
    } else {
        runner->thread.join();
    }
}

int RKTimer::KillTimer(UINT id)
{
    std::shared_ptr<Runner> runner;
    int left = 0;
    {
        std::lock_guard lock(m_lock);
        auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.id == id; });
        if (it != m_entries.end()) {
            runner = it->runner;
            m_entries.erase(it);
        }
        left = static_cast<int>(m_entries.size());
    }
    if (runner) {
        {
            std::lock_guard lock(TimerRegistry().lock);
            TimerRegistry().owners.erase(id);
        }
        // Joined outside the lock: the last tick may still be asking this object things.
        Stop(runner);
    }
    return left;
}

void RKTimer::KillTimer()
{
    std::vector<Entry> entries;
    {
        std::lock_guard lock(m_lock);
        entries.swap(m_entries);
    }
    for (auto& e : entries) {
        {
            std::lock_guard lock(TimerRegistry().lock);
            TimerRegistry().owners.erase(e.id);
        }
        Stop(e.runner);
    }
}

bool RKTimer::IsAppTimer(UINT id)
{
    std::lock_guard lock(m_lock);
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.id == id; });
    return it != m_entries.end() && it->application;
}

std::string RKTimer::GetTimerName(UINT id)
{
    std::lock_guard lock(m_lock);
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.id == id; });
    return it != m_entries.end() ? it->name : std::string();
}

bool RKTimer::GetTimerIsRun(UINT id)
{
    std::lock_guard lock(m_lock);
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.id == id; });
}

RKTimer* RKTimer::GetFSTimer(UINT id)
{
    std::lock_guard lock(TimerRegistry().lock);
    auto it = TimerRegistry().owners.find(id);
    return it == TimerRegistry().owners.end() ? nullptr : it->second;
}

void RKTimer::OnMTimer(UINT, const std::string&) { }

} // namespace lumo
