#pragma once

// The macro play queue: macro ids appended by the key handler on the filter monitor's thread
// and taken one per cycle by the device worker. The lock is held for one append or one removal.

#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>

namespace clavora {

class MacroPlayQueue {
public:
    void Append(int macroId);
    // The first id, removed; nothing when the queue is empty.
    std::optional<int> TakeFirst();
    std::size_t Size() const;
    void Clear();

private:
    mutable std::mutex m_mutex;
    std::deque<int> m_ids; // guarded by m_mutex
};

} // namespace clavora
