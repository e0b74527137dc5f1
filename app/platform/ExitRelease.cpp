#include "platform/ExitRelease.h"

#include "device/VirtualReports.h"

#include <linux/uhid.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>

namespace clavora::ExitRelease {

namespace {

// The one value a signal handler can read safely: the device descriptor.
std::atomic<int> g_deviceFd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

// Byte by byte instead of a library call: this runs inside signal handlers.
void ZeroEvent(uhid_event& event)
{
    for (std::size_t i = 0; i < sizeof event; ++i)
        reinterpret_cast<volatile unsigned char*>(&event)[i] = 0;
}

void WriteEmptyReport(int fd, std::uint8_t reportId, std::size_t size)
{
    uhid_event event;
    ZeroEvent(event);
    event.type = UHID_INPUT2;
    event.u.input2.size = static_cast<std::uint16_t>(1 + size);
    event.u.input2.data[0] = reportId;
    [[maybe_unused]] const ssize_t written = ::write(fd, &event, sizeof event);
}

// Empty reports, then removal of the device.
void ReleaseDevice()
{
    const int fd = g_deviceFd.exchange(-1);
    if (fd < 0)
        return;
    WriteEmptyReport(fd, vhid::kKeyboardReportId, vhid::kKeyboardReportSize);
    WriteEmptyReport(fd, vhid::kMouseReportId, vhid::kMouseReportSize);
    WriteEmptyReport(fd, vhid::kConsumerReportId, vhid::kConsumerReportSize);
    WriteEmptyReport(fd, vhid::kSystemReportId, vhid::kSystemReportSize);
    uhid_event destroy;
    ZeroEvent(destroy);
    destroy.type = UHID_DESTROY;
    [[maybe_unused]] const ssize_t written = ::write(fd, &destroy, sizeof destroy);
}

void OnSignal(int signal)
{
    ReleaseDevice();
    // The handler was installed with SA_RESETHAND: raising again runs the default action.
    ::raise(signal);
}

} // namespace

void SetDevice(int fd)
{
    g_deviceFd.store(fd);
}

void InstallSignalHandlers()
{
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

} // namespace clavora::ExitRelease
