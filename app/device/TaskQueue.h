#pragma once

// The device task queue: codes appended by the window thread (and by the worker itself), taken
// in order by the worker. A code stays at the front while its task runs, so "the queue is
// empty" means no task is waiting or running. The lock is held for one call only.

#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>

namespace clavora {

class TaskQueue {
public:
    void Append(int code);
    // The first code, left in the queue; nothing when the queue is empty.
    std::optional<int> PeekFirst() const;
    // Removes the first code; nothing happens when the queue is empty.
    void RemoveFirst();
    bool IsEmpty() const;
    std::size_t Size() const;

private:
    mutable std::mutex m_mutex;
    std::deque<int> m_codes; // guarded by m_mutex
};

} // namespace clavora
