#pragma once

// Starting other programs: web links and files through the desktop's opener, installers and
// tools directly. Arguments reach the program exactly as given; no shell reads them. Started
// programs inherit no descriptor beyond stdin, stdout and stderr, and every signal is back at
// its default action in them.

#include <string>
#include <sys/types.h>
#include <vector>

namespace clavora {

class Launcher {
public:
    struct Result {
        bool started = false;
        pid_t pid = -1;
        // With wait: the exit status, or 128 + the signal number when a signal ended the
        // program. Otherwise (and when the status could not be collected) -1.
        int exitCode = -1;
    };

    Launcher() = delete;

    // Opens a web address or a file with the desktop's default program (xdg-open) and returns
    // without waiting. False when the opener cannot be started, and for an empty text or one
    // starting with '-', which the opener would take for an option.
    static bool OpenUrl(const std::string& url);

    // Starts a program: a path containing '/' as it stands, a bare name through PATH.
    // With wait, blocks until the program ends and reports its exit status. Without, the program
    // runs in a session of its own with stdin on /dev/null and is reaped in the background, so it
    // never lingers as a zombie.
    static Result StartProcess(const std::string& path, const std::vector<std::string>& args, bool wait);
};

} // namespace clavora
