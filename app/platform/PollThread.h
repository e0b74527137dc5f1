#pragma once

// A thread that spends its time blocked in poll(), with an eventfd (WakeFd) in its poll set
// through which other threads wake it: for stopping, or to hand it a request.

#include "platform/UniqueFd.h"

#include <functional>
#include <stop_token>
#include <thread>

namespace clavora {

class PollThread {
public:
    PollThread();
    ~PollThread();
    PollThread(const PollThread&) = delete;
    PollThread& operator=(const PollThread&) = delete;

    // False when the eventfd could not be made; nothing can run then.
    bool IsUsable() const { return m_wake.IsValid(); }
    void Start(std::function<void(std::stop_token)> body);
    // Requests the stop, wakes the thread and waits for it to end.
    void Stop();

    int WakeFd() const { return m_wake.Get(); }
    void Wake();
    // Resets the wake-up once the thread has seen it.
    void ConsumeWake();

private:
    UniqueFd m_wake;
    std::jthread m_thread;
};

} // namespace clavora
