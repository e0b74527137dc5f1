#include "device/emulator/KeySourceStandIn.h"

namespace clavora {

bool KeySourceStandIn::Start(Sink sink)
{
    std::lock_guard lock(m_mutex);
    m_sink = std::move(sink);
    return true;
}

void KeySourceStandIn::Stop()
{
    std::lock_guard lock(m_mutex);
    m_sink = nullptr;
}

void KeySourceStandIn::SetKeyboards(const std::vector<KeyboardId>& keyboards)
{
    std::lock_guard lock(m_mutex);
    m_keyboards = keyboards;
}

std::vector<KeyboardId> KeySourceStandIn::Keyboards() const
{
    std::lock_guard lock(m_mutex);
    return m_keyboards;
}

bool KeySourceStandIn::Press(std::uint32_t usage)
{
    return Deliver(usage, true);
}

bool KeySourceStandIn::Release(std::uint32_t usage)
{
    return Deliver(usage, false);
}

bool KeySourceStandIn::Deliver(std::uint32_t usage, bool pressed)
{
    if (UsagePage(usage) == 0)
        usage = MakeUsage(kKeyboardPage, UsageId(usage));
    std::lock_guard lock(m_mutex);
    if (!m_sink)
        return false;
    m_sink(PhysicalKeyEvent{usage, pressed});
    return true;
}

} // namespace clavora
