#include "platform/WakeEvent.h"

#include <sys/eventfd.h>

#include <cstdint>

namespace clavora {

WakeEvent::WakeEvent()
    : m_fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

void WakeEvent::Signal()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_fd.Get(), &one, sizeof one);
}

void WakeEvent::Consume()
{
    std::uint64_t count;
    [[maybe_unused]] const ssize_t got = ::read(m_fd.Get(), &count, sizeof count);
}

} // namespace clavora
