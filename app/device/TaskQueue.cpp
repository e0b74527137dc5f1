#include "device/TaskQueue.h"

namespace clavora {

void TaskQueue::Append(int code)
{
    std::lock_guard lock(m_mutex);
    m_codes.push_back(code);
}

std::optional<int> TaskQueue::PeekFirst() const
{
    std::lock_guard lock(m_mutex);
    if (m_codes.empty())
        return std::nullopt;
    return m_codes.front();
}

void TaskQueue::RemoveFirst()
{
    std::lock_guard lock(m_mutex);
    if (!m_codes.empty())
        m_codes.pop_front();
}

bool TaskQueue::IsEmpty() const
{
    std::lock_guard lock(m_mutex);
    return m_codes.empty();
}

std::size_t TaskQueue::Size() const
{
    std::lock_guard lock(m_mutex);
    return m_codes.size();
}

} // namespace clavora
