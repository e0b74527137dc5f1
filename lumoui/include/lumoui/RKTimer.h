#pragma once

// Periodic timers that tick on their own thread, on absolute deadlines (no drift). The
// paint manager derives from it for the animation timer; ticks run on the timer's thread,
// so tick handlers must only touch state that is safe to share.
//
// A derived class must call KillTimer() in its own destructor: ticks call its virtual
// hooks, which are gone once the base destructor runs.

#include "lumoui/Types.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace lumo {

class RKTimer {
public:
    RKTimer() = default;
    virtual ~RKTimer();
    RKTimer(const RKTimer&) = delete;
    RKTimer& operator=(const RKTimer&) = delete;

    // Starts a timer ticking every periodMs (at least 1); returns its process-unique ID.
    UINT SetTimer(UINT periodMs, const std::string& name, bool application);
    // Stops one timer and waits for its last tick to finish (unless called from that tick);
    // returns how many timers this object still runs.
    int KillTimer(UINT id);
    void KillTimer();

    bool IsAppTimer(UINT id);
    std::string GetTimerName(UINT id);
    bool GetTimerIsRun(UINT id);
    // The object that owns a timer ID, among all live timers of the process; null if none.
    static RKTimer* GetFSTimer(UINT id);

    // Ticks of application timers also arrive here, with the timer's name.
    virtual void OnMTimer(UINT id, const std::string& name);
    // Every tick.
    virtual void OnMTimer(UINT id) = 0;

private:
    struct Runner;
    struct Entry {
        UINT id = 0;
        std::string name;
        bool application = false;
        std::shared_ptr<Runner> runner;
    };
    static void Run(RKTimer* self, UINT id, UINT period, std::string name, bool application,
        std::shared_ptr<Runner> runner);
    static void Stop(const std::shared_ptr<Runner>& runner);

    std::mutex m_lock; // guards m_entries
    std::vector<Entry> m_entries;
};

} // namespace lumo
