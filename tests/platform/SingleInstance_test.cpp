#include "platform/SingleInstance.h"

#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <csignal>
#include <filesystem>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace clavora;
using clavora::test::ScopedEnv;
using clavora::test::TempDir;

namespace {

// Bounds every wait for the other process, so a broken build fails instead of hanging.
constexpr int kLivenessMs = 10000;

// Reads one line from fd; empty when none arrives in time.
std::string ReadLine(int fd)
{
    std::string line;
    char c;
    while (line.empty() || line.back() != '\n') {
        pollfd p { fd, POLLIN, 0 };
        if (poll(&p, 1, kLivenessMs) <= 0 || read(fd, &c, 1) != 1)
            return {};
        line += c;
    }
    line.pop_back();
    return line;
}

int WaitExit(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Collects the messages an instance hands to its consumer.
class Inbox {
public:
    SingleInstance::MessageHandler Handler()
    {
        return [this](InstanceMessage message) {
            std::lock_guard guard(m_lock);
            m_messages.push_back(message);
            m_changed.notify_all();
        };
    }
    std::vector<InstanceMessage> WaitFor(size_t count)
    {
        std::unique_lock guard(m_lock);
        m_changed.wait_for(guard, std::chrono::milliseconds(kLivenessMs), [&] { return m_messages.size() >= count; });
        return m_messages;
    }
    std::vector<InstanceMessage> Now()
    {
        std::lock_guard guard(m_lock);
        return m_messages;
    }

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::vector<InstanceMessage> m_messages;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    // Starts a child process that becomes the first instance and reports "ready", then every
    // message it receives, one command word per line on the returned pipe. It ends with 0
    // once it receives "quit".
    pid_t ForkPrimary(int& messages)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return -1;
        const pid_t pid = fork();
        if (pid == 0) {
            close(fds[0]);
            bool done = false;
            {
                SingleInstance instance(m_name);
                const bool primary = instance.Acquire() == SingleInstance::Role::Primary;
                const std::string greeting = primary ? "ready\n" : "not primary\n";
                [[maybe_unused]] ssize_t n = write(fds[1], greeting.data(), greeting.size());
                std::mutex lock;
                std::condition_variable quit;
                instance.SetMessageHandler([&](InstanceMessage message) {
                    const std::string word = SingleInstance::CommandWord(message) + std::string("\n");
                    [[maybe_unused]] ssize_t written = write(fds[1], word.data(), word.size());
                    if (message == InstanceMessage::Quit) {
                        std::lock_guard guard(lock);
                        done = true;
                        quit.notify_all();
                    }
                });
                std::unique_lock guard(lock);
                quit.wait_for(guard, std::chrono::milliseconds(kLivenessMs), [&] { return done; });
                // Leaving the scope lets the listener answer the quit command before we end.
            }
            _exit(done ? 0 : 3);
        }
        close(fds[1]);
        messages = fds[0];
        return pid;
    }

    TempDir m_dir;
    ScopedEnv m_runtime { "XDG_RUNTIME_DIR", m_dir.Path().string() };
    const std::string m_name = "Test Board";
};

TEST_F(SingleInstanceTest, SecondStartActivatesTheFirstAndQuitEndsIt)
{
    int messages = -1;
    const pid_t first = ForkPrimary(messages);
    ASSERT_GT(first, 0);
    ASSERT_EQ(ReadLine(messages), "ready");

    SingleInstance second(m_name);
    EXPECT_EQ(second.Acquire(), SingleInstance::Role::Secondary);
    EXPECT_EQ(ReadLine(messages), "activate");

    EXPECT_TRUE(SingleInstance::SendCommand(m_name, "quit"));
    EXPECT_EQ(ReadLine(messages), "quit");
    EXPECT_EQ(WaitExit(first), 0);
    close(messages);
}

TEST_F(SingleInstanceTest, OnlyTheThreeCommandsAreTaken)
{
    int messages = -1;
    const pid_t first = ForkPrimary(messages);
    ASSERT_GT(first, 0);
    ASSERT_EQ(ReadLine(messages), "ready");

    for (const char* bad : { "", "bogus", "Activate", "quit now", " quit", "1691", "activate\nbogus" })
        EXPECT_FALSE(SingleInstance::SendCommand(m_name, bad)) << bad;
    EXPECT_FALSE(SingleInstance::SendCommand(m_name, std::string(5000, 'a')));
    EXPECT_TRUE(SingleInstance::SendCommand(m_name, "reload-texts"));
    EXPECT_TRUE(SingleInstance::SendCommand(m_name, "activate\r"));
    EXPECT_TRUE(SingleInstance::SendCommand(m_name, "quit"));

    // Only the taken commands arrived, in order.
    EXPECT_EQ(ReadLine(messages), "activate"); // the part of "activate\nbogus" that was a command
    EXPECT_EQ(ReadLine(messages), "reload-texts");
    EXPECT_EQ(ReadLine(messages), "activate");
    EXPECT_EQ(ReadLine(messages), "quit");
    EXPECT_EQ(WaitExit(first), 0);
    close(messages);
}

TEST_F(SingleInstanceTest, MessagesWaitForAConsumer)
{
    SingleInstance instance(m_name);
    ASSERT_EQ(instance.Acquire(), SingleInstance::Role::Primary);
    // Taken means queued: the answer comes after the message is stored.
    EXPECT_TRUE(SingleInstance::SendCommand(m_name, "activate"));
    EXPECT_TRUE(SingleInstance::SendCommand(m_name, "reload-texts"));

    Inbox inbox;
    instance.SetMessageHandler(inbox.Handler());
    EXPECT_EQ(inbox.Now(), (std::vector { InstanceMessage::Activate, InstanceMessage::ReloadTexts }));

    EXPECT_TRUE(SingleInstance::SendCommand(m_name, "quit"));
    EXPECT_EQ(inbox.WaitFor(3).back(), InstanceMessage::Quit);
}

TEST_F(SingleInstanceTest, QueueIsBoundedWithoutAConsumer)
{
    SingleInstance instance(m_name);
    ASSERT_EQ(instance.Acquire(), SingleInstance::Role::Primary);
    for (size_t i = 0; i < SingleInstance::kMaxQueued; ++i)
        ASSERT_TRUE(SingleInstance::SendCommand(m_name, "activate"));
    EXPECT_FALSE(SingleInstance::SendCommand(m_name, "activate"));
    Inbox inbox;
    instance.SetMessageHandler(inbox.Handler());
    EXPECT_EQ(inbox.Now().size(), SingleInstance::kMaxQueued);
}

TEST_F(SingleInstanceTest, ACrashedFirstInstanceDoesNotBlockTheNextStart)
{
    int messages = -1;
    const pid_t crashed = ForkPrimary(messages);
    ASSERT_GT(crashed, 0);
    ASSERT_EQ(ReadLine(messages), "ready");
    kill(crashed, SIGKILL);
    EXPECT_EQ(WaitExit(crashed), 128 + SIGKILL);
    close(messages);
    ASSERT_TRUE(std::filesystem::exists(SingleInstance::SocketPath(m_name))); // left behind

    SingleInstance next(m_name);
    EXPECT_EQ(next.Acquire(), SingleInstance::Role::Primary);
    Inbox inbox;
    next.SetMessageHandler(inbox.Handler());
    EXPECT_TRUE(SingleInstance::SendCommand(m_name, "activate"));
    EXPECT_EQ(inbox.WaitFor(1).size(), 1u);
}

TEST_F(SingleInstanceTest, StaleFilesOfAnyKindAreReplaced)
{
    m_dir.Write("Test Board.lock", "left over");
    m_dir.Write("Test Board.sock", "not even a socket");
    SingleInstance instance(m_name);
    EXPECT_EQ(instance.Acquire(), SingleInstance::Role::Primary);
    EXPECT_TRUE(SingleInstance::SendCommand(m_name, "activate"));
}

TEST_F(SingleInstanceTest, EndingTheFirstInstanceRemovesItsSocket)
{
    {
        SingleInstance instance(m_name);
        ASSERT_EQ(instance.Acquire(), SingleInstance::Role::Primary);
        EXPECT_TRUE(std::filesystem::exists(SingleInstance::SocketPath(m_name)));
    }
    EXPECT_FALSE(std::filesystem::exists(SingleInstance::SocketPath(m_name)));
    EXPECT_FALSE(SingleInstance::SendCommand(m_name, "activate"));
}

TEST_F(SingleInstanceTest, OtherUsersAreNotListenedTo)
{
    if (getuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    SingleInstance instance(m_name);
    ASSERT_EQ(instance.Acquire(), SingleInstance::Role::Primary);
    Inbox inbox;
    instance.SetMessageHandler(inbox.Handler());
    // Open the way so only the credential check stands between the other user and us.
    std::filesystem::permissions(m_dir.Path(), std::filesystem::perms::all);
    std::filesystem::permissions(SingleInstance::SocketPath(m_name), std::filesystem::perms::all);

    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::string path = SingleInstance::SocketPath(m_name);
    path.copy(address.sun_path, sizeof(address.sun_path) - 1);
    const pid_t other = fork();
    if (other == 0) {
        // Only system calls from here on: the parent has threads.
        if (setuid(65534) != 0)
            _exit(2);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
            _exit(3);
        // The listener may already have hung up; that is the expected outcome too.
        send(fd, "quit\n", 5, MSG_NOSIGNAL);
        shutdown(fd, SHUT_WR);
        char reply[16];
        _exit(read(fd, reply, sizeof(reply)) <= 0 ? 0 : 1); // dropped without an answer
    }
    EXPECT_EQ(WaitExit(other), 0);
    // Our own command still comes through, and only it.
    EXPECT_TRUE(SingleInstance::SendCommand(m_name, "activate"));
    EXPECT_EQ(inbox.WaitFor(1), std::vector { InstanceMessage::Activate });
}

TEST(SingleInstancePaths, FallBackToTmpWithTheUserId)
{
    ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
    const std::string uid = std::to_string(getuid());
    EXPECT_EQ(SingleInstance::LockPath("K"), "/tmp/K-" + uid + ".lock");
    EXPECT_EQ(SingleInstance::SocketPath("K"), "/tmp/K-" + uid + ".sock");
    ScopedEnv set("XDG_RUNTIME_DIR", "/run/user/1000");
    EXPECT_EQ(SingleInstance::LockPath("K"), "/run/user/1000/K.lock");
}

TEST(SingleInstancePaths, UnusableRuntimeFolderRunsUnguarded)
{
    ScopedEnv runtime("XDG_RUNTIME_DIR", "/nonexistent/runtime/folder");
    SingleInstance instance("K");
    EXPECT_EQ(instance.Acquire(), SingleInstance::Role::Unguarded);
}

} // namespace
