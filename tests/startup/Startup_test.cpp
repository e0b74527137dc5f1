#include "startup/Startup.h"

#include "platform/SingleInstance.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace clavora;
using clavora::test::ReadFileBytes;
using clavora::test::ScopedEnv;
using clavora::test::TempDir;

namespace {

TEST(ReadDeviceName, TakesTheSoftwareNameOrNothing)
{
    struct Case {
        const char* label;
        const char* config; // null: no file at all
        const char* name;
    };
    const Case cases[] = {
        { "named", "<config><device.info/><software name=\"K&amp;Co 2\" version=\"1\"/></config>", "K&Co 2" },
        { "first software wins", "<config><software name=\"A\"/><software name=\"B\"/></config>", "A" },
        { "no file", nullptr, "" },
        { "malformed", "<config><software name=\"A\"></config>", "" },
        { "other root", "<settings><software name=\"A\"/></settings>", "" },
        { "no software", "<config><device.info/></config>", "" },
        { "software not directly below config", "<config><x><software name=\"A\"/></x></config>", "" },
        { "no name", "<config><software version=\"1\"/></config>", "" },
        { "empty name", "<config><software name=\"\"/></config>", "" },
        { "a path, not a name", "<config><software name=\"../escape\"/></config>", "" },
        { "dot dot", "<config><software name=\"..\"/></config>", "" },
        { "control character", "<config><software name=\"a&#10;b\"/></config>", "" },
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = dir.File("config.xml");
        std::filesystem::remove(path);
        if (c.config)
            dir.Write("config.xml", c.config);
        EXPECT_EQ(ReadDeviceName(path), c.name);
    }
}

// Runs the built program with the given variables set (or, when empty, removed) on top of
// this process's environment and returns its exit code. With `quitName`, a program that keeps
// running (its window open) is asked to quit through the instance socket of that device name,
// as another process would.
int RunProgram(const std::vector<std::pair<std::string, std::string>>& overrides, const std::string& quitName = {})
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        bool replaced = false;
        for (const auto& [name, value] : overrides)
            replaced = replaced || entry.starts_with(name + "=");
        if (!replaced)
            env.push_back(entry);
    }
    for (const auto& [name, value] : overrides) {
        if (!value.empty())
            env.push_back(name + "=" + value);
    }
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = std::string(CLAVORA_BIN_DIR) + "/clavora";
    char* argv[] = { program.data(), nullptr };

    const pid_t pid = fork();
    if (pid == 0) {
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    if (pid < 0)
        return -1;
    int status = 0;
    if (!quitName.empty()) {
        for (int attempt = 0; attempt < 400; ++attempt) {
            const pid_t ended = waitpid(pid, &status, WNOHANG);
            if (ended == pid)
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            if (SingleInstance::SendCommand(quitName, "quit"))
                break;
            usleep(25000);
        }
    }
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

class WholeProgram : public ::testing::Test {
protected:
    WholeProgram()
    {
        const std::string name = ReadDeviceName(std::string(CLAVORA_BIN_DIR) + "/config.xml");
        m_name = name.empty() ? "Clavora" : name;
    }

    // The window runs headless on the stand-in keyboard; a first instance is quit once it
    // is up, a second one ends by itself.
    int Run(const std::string& lang, bool quit = true)
    {
        ScopedEnv runtime("XDG_RUNTIME_DIR", m_dir.Path().string());
        return RunProgram({ { "XDG_CONFIG_HOME", m_dir.File("config") }, { "XDG_DATA_HOME", m_dir.File("data") },
                              { "XDG_RUNTIME_DIR", m_dir.Path().string() }, { "LC_ALL", "" }, { "LC_MESSAGES", "" },
                              { "LANG", lang }, { "LUMOUI_HEADLESS", "1" }, { "CLAVORA_EMULATOR", "1" } },
            quit ? m_name : std::string());
    }
    std::string SettingsPath() const { return m_dir.File("config/" + m_name + "/settings.ini"); }

    TempDir m_dir;
    std::string m_name;
};

TEST_F(WholeProgram, FirstStartRemembersTheLanguageOnceAndMakesTheStoreFolder)
{
    ASSERT_EQ(Run("en_US.UTF-8"), 0);
    EXPECT_NE(ReadFileBytes(SettingsPath()).find("LCID=1033"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(m_dir.File("data/" + m_name + " Files/db")));

    // A later start under another language writes nothing.
    ASSERT_EQ(Run("zh_CN.UTF-8"), 0);
    EXPECT_NE(ReadFileBytes(SettingsPath()).find("LCID=1033"), std::string::npos);

    std::filesystem::remove(SettingsPath());
    ASSERT_EQ(Run("de_DE.UTF-8"), 0);
    EXPECT_NE(ReadFileBytes(SettingsPath()).find("LCID=2052"), std::string::npos);
}

TEST_F(WholeProgram, SecondStartActivatesTheRunningOneAndEnds)
{
    ScopedEnv runtime("XDG_RUNTIME_DIR", m_dir.Path().string());
    SingleInstance first(m_name);
    ASSERT_EQ(first.Acquire(), SingleInstance::Role::Primary);
    std::promise<InstanceMessage> received;
    first.SetMessageHandler([&, done = false](InstanceMessage message) mutable {
        if (!std::exchange(done, true))
            received.set_value(message);
    });

    EXPECT_EQ(Run("en_US.UTF-8", false), 0);
    auto message = received.get_future();
    ASSERT_EQ(message.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(message.get(), InstanceMessage::Activate);
    // It left before touching any settings.
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

} // namespace
