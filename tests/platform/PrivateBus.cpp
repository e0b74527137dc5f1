#include "PrivateBus.h"

#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace clavora::test {

PrivateBus::PrivateBus()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    m_pid = fork();
    if (m_pid == 0) {
        // The daemon goes with the test process, even when that one crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(fds[1], STDOUT_FILENO);
        // It complains about resource limits it may not raise; that is no concern of the tests.
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1",
            static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (m_pid < 0) {
        close(fds[0]);
        return;
    }
    // The daemon prints its address once it listens.
    FILE* out = fdopen(fds[0], "r");
    char line[512] = {};
    if (out && fgets(line, sizeof line, out)) {
        m_address = line;
        while (!m_address.empty() && (m_address.back() == '\n' || m_address.back() == '\r'))
            m_address.pop_back();
    }
    if (out)
        fclose(out);
    else
        close(fds[0]);
}

PrivateBus::~PrivateBus()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
}

} // namespace clavora::test
