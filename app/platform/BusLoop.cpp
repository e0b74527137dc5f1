#include "platform/BusLoop.h"

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace clavora {

namespace {

uint64_t MonotonicMicroseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000000u + static_cast<uint64_t>(now.tv_nsec) / 1000u;
}

// sd-bus hands out its next deadline as an absolute monotonic time; poll() wants milliseconds.
int PollTimeout(sd_bus* bus)
{
    uint64_t until = 0;
    if (sd_bus_get_timeout(bus, &until) < 0 || until == UINT64_MAX)
        return -1;
    uint64_t now = MonotonicMicroseconds();
    if (until <= now)
        return 0;
    uint64_t ms = (until - now + 999) / 1000;
    return ms > INT32_MAX ? INT32_MAX : static_cast<int>(ms);
}

} // namespace

BusPtr ConnectBus(const std::string& address)
{
    sd_bus* raw = nullptr;
    if (address.empty()) {
        if (sd_bus_open_user(&raw) < 0)
            return nullptr;
        return BusPtr(raw);
    }
    if (sd_bus_new(&raw) < 0)
        return nullptr;
    BusPtr bus(raw);
    if (sd_bus_set_address(raw, address.c_str()) < 0 || sd_bus_set_bus_client(raw, 1) < 0
        || sd_bus_start(raw) < 0)
        return nullptr;
    return bus;
}

BusLoop::BusLoop(BusPtr bus)
    : m_bus(std::move(bus))
{
}

BusLoop::~BusLoop()
{
    Stop();
    if (m_wakeFd >= 0)
        close(m_wakeFd);
}

bool BusLoop::Start()
{
    if (!m_bus || m_thread.joinable())
        return false;
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0)
        return false;
    m_running = true;
    m_thread = std::thread([this] { Run(); });
    return true;
}

bool BusLoop::Post(Work work)
{
    {
        std::lock_guard lock(m_postLock);
        if (m_stopRequested || !m_running.load())
            return false;
        m_posted.push_back(std::move(work));
    }
    Wake();
    return true;
}

void BusLoop::RequestStop()
{
    {
        std::lock_guard lock(m_postLock);
        m_stopRequested = true;
    }
    Wake();
}

void BusLoop::Stop()
{
    RequestStop();
    if (m_thread.joinable() && !IsLoopThread())
        m_thread.join();
}

void BusLoop::Wake()
{
    if (m_wakeFd < 0)
        return;
    uint64_t one = 1;
    // A full counter already means a pending wake-up, so a failed write loses nothing.
    [[maybe_unused]] ssize_t n = write(m_wakeFd, &one, sizeof one);
}

void BusLoop::Run()
{
    m_loopThread = std::this_thread::get_id();
    sd_bus* bus = m_bus.get();
    for (;;) {
        int r = 0;
        do {
            r = sd_bus_process(bus, nullptr);
        } while (r > 0);
        // A negative result means the connection is gone; there is nothing left to serve.
        if (r < 0 || !RunPosted() || !Wait())
            break;
    }
    {
        std::lock_guard lock(m_postLock);
        m_stopRequested = true;
        m_posted.clear();
    }
    m_running = false;
    // Thread ids are reused; a later thread must not pass for this one.
    m_loopThread = std::thread::id {};
    // Closing here, on the thread that owns the connection, lets peers see our names vanish even
    // when the loop was asked to end from inside one of its own callbacks.
    m_bus.reset();
}

bool BusLoop::RunPosted()
{
    std::vector<Work> work;
    {
        std::lock_guard lock(m_postLock);
        if (m_stopRequested)
            return false;
        work.swap(m_posted);
    }
    for (Work& w : work)
        w(m_bus.get());
    return true;
}

bool BusLoop::Wait()
{
    sd_bus* bus = m_bus.get();
    int events = sd_bus_get_events(bus);
    int fd = sd_bus_get_fd(bus);
    if (events < 0 || fd < 0)
        return false;
    pollfd fds[2] = { { fd, static_cast<short>(events), 0 }, { m_wakeFd, POLLIN, 0 } };
    if (poll(fds, 2, PollTimeout(bus)) < 0 && errno != EINTR)
        return false;
    if (fds[1].revents & POLLIN) {
        uint64_t count = 0;
        [[maybe_unused]] ssize_t n = read(m_wakeFd, &count, sizeof count);
    }
    return true;
}

} // namespace clavora
