#include "platform/PollThread.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace clavora {

PollThread::PollThread()
    : m_wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

PollThread::~PollThread()
{
    Stop();
}

void PollThread::Start(std::function<void(std::stop_token)> body)
{
    Stop();
    m_thread = std::jthread(std::move(body));
}

void PollThread::Stop()
{
    if (!m_thread.joinable())
        return;
    m_thread.request_stop();
    Wake();
    m_thread.join();
    m_thread = std::jthread();
    ConsumeWake();
}

void PollThread::Wake()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_wake.Get(), &one, sizeof one);
}

void PollThread::ConsumeWake()
{
    std::uint64_t count;
    [[maybe_unused]] const ssize_t got = ::read(m_wake.Get(), &count, sizeof count);
}

} // namespace clavora
