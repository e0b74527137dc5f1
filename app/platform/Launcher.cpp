#include "platform/Launcher.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace clavora {

namespace {

constexpr const char* kOpener = "xdg-open";

class SpawnActions {
public:
    SpawnActions() { m_ok = posix_spawn_file_actions_init(&m_actions) == 0; }
    ~SpawnActions()
    {
        if (m_ok)
            posix_spawn_file_actions_destroy(&m_actions);
    }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    // Our own descriptors (lock files, sockets, the bus) must not outlive us in a browser or
    // an installer; a detached program also gets no share of our stdin.
    bool Prepare(bool detached)
    {
        return m_ok && posix_spawn_file_actions_addclosefrom_np(&m_actions, STDERR_FILENO + 1) == 0
            && (!detached
                || posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0) == 0);
    }
    const posix_spawn_file_actions_t* Get() const { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions {};
    bool m_ok = false;
};

class SpawnAttributes {
public:
    SpawnAttributes() { m_ok = posix_spawnattr_init(&m_attr) == 0; }
    ~SpawnAttributes()
    {
        if (m_ok)
            posix_spawnattr_destroy(&m_attr);
    }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    // Signal handling set up in this process (ignored SIGPIPE, blocked signals) is not the
    // started program's business.
    bool Prepare(bool detached)
    {
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | (detached ? POSIX_SPAWN_SETSID : 0);
        return m_ok && posix_spawnattr_setsigmask(&m_attr, &none) == 0
            && posix_spawnattr_setsigdefault(&m_attr, &all) == 0 && posix_spawnattr_setflags(&m_attr, flags) == 0;
    }
    const posix_spawnattr_t* Get() const { return &m_attr; }

private:
    posix_spawnattr_t m_attr {};
    bool m_ok = false;
};

int WaitForExit(pid_t pid)
{
    int status = 0;
    pid_t r = 0;
    do {
        r = waitpid(pid, &status, 0);
    } while (r < 0 && errno == EINTR);
    if (r != pid)
        return -1;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

} // namespace

bool Launcher::OpenUrl(const std::string& url)
{
    if (url.empty() || url.front() == '-')
        return false;
    return StartProcess(kOpener, { url }, false).started;
}

Launcher::Result Launcher::StartProcess(const std::string& path, const std::vector<std::string>& args, bool wait)
{
    Result result;
    if (path.empty())
        return result;
    std::vector<char*> argv;
    argv.reserve(args.size() + 2);
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    SpawnActions actions;
    SpawnAttributes attributes;
    if (!actions.Prepare(!wait) || !attributes.Prepare(!wait))
        return result;
    pid_t pid = -1;
    if (posix_spawnp(&pid, path.c_str(), actions.Get(), attributes.Get(), argv.data(), environ) != 0)
        return result;
    result.started = true;
    result.pid = pid;
    if (wait) {
        result.exitCode = WaitForExit(pid);
    } else {
        // Nobody waits for a detached program, so a small thread collects its exit status;
        // handling SIGCHLD instead would steal statuses from every other wait in the process.
        std::thread([pid] { WaitForExit(pid); }).detach();
    }
    return result;
}

} // namespace clavora
