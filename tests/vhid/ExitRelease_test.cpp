// A signal ends the program with the virtual device released.

#include "device/VirtualReports.h"
#include "platform/ExitRelease.h"

#include <linux/uhid.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace clavora {
namespace {

TEST(ExitRelease, TerminationWritesEmptyReportsThenRemovesTheDevice)
{
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipeFds[0]);
        ExitRelease::SetDevice(pipeFds[1]); // stands in for the uhid descriptor
        ExitRelease::InstallSignalHandlers();
        ::raise(SIGTERM);
        ::_exit(0); // not reached: the default action ends the process
    }
    ::close(pipeFds[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGTERM);

    std::vector<uhid_event> events;
    uhid_event event;
    std::size_t got = 0;
    for (;;) {
        const ssize_t n = ::read(pipeFds[0], reinterpret_cast<char*>(&event) + got, sizeof event - got);
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
        if (got == sizeof event) {
            events.push_back(event);
            got = 0;
        }
    }
    ::close(pipeFds[0]);
    ASSERT_EQ(events.size(), 5u);
    const std::pair<int, std::size_t> reports[] = {{1, vhid::kKeyboardReportSize}, {2, vhid::kMouseReportSize},
                                                   {3, vhid::kConsumerReportSize}, {4, vhid::kSystemReportSize}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(events[i].type, UHID_INPUT2);
        EXPECT_EQ(events[i].u.input2.size, 1 + reports[i].second);
        EXPECT_EQ(events[i].u.input2.data[0], reports[i].first);
        for (std::size_t b = 1; b <= reports[i].second; ++b)
            EXPECT_EQ(events[i].u.input2.data[b], 0);
    }
    EXPECT_EQ(events[4].type, UHID_DESTROY);
}

} // namespace
} // namespace clavora
