#include "platform/Launcher.h"

#include "ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace clavora {
namespace {

// Waits until a process no longer exists at all; a zombie still does.
bool Vanishes(pid_t pid)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (kill(pid, 0) == 0 || errno != ESRCH) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Waits until a file has been written completely (a line ending in "END").
std::string WaitForFile(const std::string& path)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    std::string text;
    while (std::chrono::steady_clock::now() < deadline) {
        text = test::ReadFileBytes(path);
        if (text.ends_with("END\n"))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return text;
}

TEST(Launcher, WaitingReportsTheExitStatus)
{
    struct Case {
        const char* script;
        int exitCode;
    };
    const Case cases[] = { { "exit 3", 3 }, { "exit 0", 0 }, { "kill -TERM $$", 128 + SIGTERM } };
    for (const Case& c : cases) {
        Launcher::Result result = Launcher::StartProcess("/bin/sh", { "-c", c.script }, true);
        EXPECT_TRUE(result.started) << c.script;
        EXPECT_EQ(result.exitCode, c.exitCode) << c.script;
    }
}

TEST(Launcher, MissingProgramIsAFailure)
{
    EXPECT_FALSE(Launcher::StartProcess("/nonexistent/installer", {}, true).started);
    EXPECT_FALSE(Launcher::StartProcess("clavora-no-such-program", {}, false).started);
    EXPECT_FALSE(Launcher::StartProcess("", {}, true).started);
}

TEST(Launcher, ArgumentsArriveIntact)
{
    test::TempDir dir;
    const std::vector<std::string> args = { "a b", "it's \"quoted\"", "$HOME", "", "*", "; rm -rf x", "\\n" };
    std::vector<std::string> argv = { "-c", "printf '%s\\n' \"$@\" END > \"$0\"", dir.File("out") };
    argv.insert(argv.end(), args.begin(), args.end());
    ASSERT_EQ(Launcher::StartProcess("/bin/sh", argv, true).exitCode, 0);
    std::string expected;
    for (const std::string& a : args)
        expected += a + "\n";
    EXPECT_EQ(test::ReadFileBytes(dir.File("out")), expected + "END\n");
}

TEST(Launcher, OurDescriptorsStayWithUs)
{
    test::TempDir dir;
    int fd = open(dir.Write("held", "x").c_str(), O_RDONLY); // deliberately without O_CLOEXEC
    ASSERT_GE(fd, 3);
    std::string check = "test -e /proc/$$/fd/" + std::to_string(fd) + " && exit 1; exit 0";
    EXPECT_EQ(Launcher::StartProcess("/bin/sh", { "-c", check }, true).exitCode, 0);
    close(fd);
}

TEST(Launcher, DetachedProgramsLeaveNoZombie)
{
    Launcher::Result result = Launcher::StartProcess("/bin/sh", { "-c", "exit 7" }, false);
    ASSERT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, -1);
    EXPECT_TRUE(Vanishes(result.pid));
}

TEST(Launcher, OpenUrlHandsTheTextToTheOpener)
{
    test::TempDir dir;
    // A stand-in opener on PATH that records what it was given.
    std::string opener = dir.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" END > \"$(dirname \"$0\")/opened\"\n");
    ASSERT_EQ(chmod(opener.c_str(), 0755), 0);
    test::ScopedEnv path("PATH", dir.File("bin") + ":/usr/bin:/bin");

    const std::string url = "https://example.com/a b?x=1&y='2';echo $HOME";
    EXPECT_TRUE(Launcher::OpenUrl(url));
    EXPECT_EQ(WaitForFile(dir.File("bin/opened")), url + "\nEND\n");

    // Texts the opener would read as options never reach it.
    EXPECT_FALSE(Launcher::OpenUrl("--help"));
    EXPECT_FALSE(Launcher::OpenUrl(""));
}

TEST(Launcher, OpenUrlWithoutAnOpenerFails)
{
    test::TempDir dir;
    test::ScopedEnv path("PATH", dir.Path().string());
    EXPECT_FALSE(Launcher::OpenUrl("https://example.com/"));
}

} // namespace
} // namespace clavora
