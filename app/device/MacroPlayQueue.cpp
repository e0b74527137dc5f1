#include "device/MacroPlayQueue.h"

namespace clavora {

void MacroPlayQueue::Append(int macroId)
{
    std::lock_guard lock(m_mutex);
    m_ids.push_back(macroId);
}

std::optional<int> MacroPlayQueue::TakeFirst()
{
    std::lock_guard lock(m_mutex);
    if (m_ids.empty())
        return std::nullopt;
    const int id = m_ids.front();
    m_ids.pop_front();
    return id;
}

std::size_t MacroPlayQueue::Size() const
{
    std::lock_guard lock(m_mutex);
    return m_ids.size();
}

void MacroPlayQueue::Clear()
{
    std::lock_guard lock(m_mutex);
    m_ids.clear();
}

} // namespace clavora
