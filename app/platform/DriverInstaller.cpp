#include "platform/DriverInstaller.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

extern char** environ;

namespace clavora {

namespace {

constexpr const char* kScriptName = "install.sh";

} // namespace

std::vector<std::string> InstallCommandLine(const std::string& driverFolder, const std::vector<KeyboardId>& keyboards,
                                            const std::string& launcher)
{
    std::string script = driverFolder;
    if (!script.empty() && script.back() != '/')
        script += '/';
    script += kScriptName;
    std::vector<std::string> command{launcher};
    if (::access(script.c_str(), X_OK) != 0)
        command.push_back("/bin/sh");
    command.push_back(script);
    for (const KeyboardId& keyboard : keyboards) {
        char id[16];
        std::snprintf(id, sizeof id, "%04x:%04x", keyboard.vid, keyboard.pid);
        command.push_back(id);
    }
    return command;
}

bool InstallVirtualDevice(const std::string& driverFolder, const std::vector<KeyboardId>& keyboards,
                          const std::string& launcher)
{
    const std::vector<std::string> command = InstallCommandLine(driverFolder, keyboards, launcher);
    std::vector<char*> argv;
    for (const std::string& part : command)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stdout, "virtual device: cannot start %s\n", argv[0]);
        return false;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    const bool succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::fprintf(stdout, "virtual device: driver installation %s\n", succeeded ? "done" : "failed");
    return succeeded;
}

} // namespace clavora
