// The driver installation script and how the program runs it.

#include "platform/DriverInstaller.h"
#include "support/TempDir.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace clavora::test {
namespace {

const std::string kScript = std::string(CLAVORA_SOURCE_DIR) + "/data/driver/install.sh";

int RunScript(const TempDir& dir, const std::string& arguments)
{
    const std::string command = "sh " + kScript + " --rules-dir '" + dir.Path().string() + "' --no-reload " +
                                arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DriverInstaller, ScriptWritesRulesScopedToTheKeyboards)
{
    TempDir dir;
    ASSERT_EQ(RunScript(dir, "c1a0:0101 C1A0:0201"), 0);
    const std::string rules = ReadFileBytes(dir.File("70-clavora.rules"));
    EXPECT_THAT(rules, testing::HasSubstr("KERNEL==\"uhid\", SUBSYSTEM==\"misc\", TAG+=\"uaccess\""));
    EXPECT_THAT(rules, testing::HasSubstr("SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"c1a0\", "
                                          "ATTRS{idProduct}==\"0101\", TAG+=\"uaccess\""));
    EXPECT_THAT(rules, testing::HasSubstr("SUBSYSTEM==\"input\", KERNEL==\"event*\", ATTRS{idVendor}==\"c1a0\", "
                                          "ATTRS{idProduct}==\"0201\", TAG+=\"uaccess\""));
    // Access goes to the seat's user only: no mode, owner or group is handed out.
    EXPECT_THAT(rules, testing::Not(testing::HasSubstr("MODE")));
    EXPECT_THAT(rules, testing::Not(testing::HasSubstr("GROUP")));
    struct stat info;
    ASSERT_EQ(::stat(dir.File("70-clavora.rules").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    // Nothing but the rules file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(DriverInstaller, ScriptRefusesAnythingButHexPairsAndWritesNothing)
{
    for (const char* arguments : {"", "c1a0:010", "c1a0:01011", "g1a0:0101", "c1a0-0101", "'c1a0:0101\nMODE=\"0666\"'",
                                  "c1a0:0101 '$(touch x)'", "--bad c1a0:0101"}) {
        SCOPED_TRACE(arguments);
        TempDir dir;
        EXPECT_EQ(RunScript(dir, arguments), 2);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 0);
    }
}

TEST(DriverInstaller, CommandLinePassesTheIdsToTheScript)
{
    TempDir dir;
    dir.Write("install.sh", "#!/bin/sh\n");
    const std::string script = dir.File("install.sh");
    EXPECT_THAT(InstallCommandLine(dir.Path().string(), {{0xC1A0, 0x0101}, {0x00AB, 0x0C0D}}),
                testing::ElementsAre("pkexec", "/bin/sh", script, "c1a0:0101", "00ab:0c0d"));
    ::chmod(script.c_str(), 0755);
    EXPECT_THAT(InstallCommandLine(dir.Path().string() + "/", {{1, 2}}, "launcher"),
                testing::ElementsAre("launcher", script, "0001:0002"));
}

TEST(DriverInstaller, ReportsWhetherTheScriptSucceeded)
{
    TempDir dir;
    const std::string marker = dir.File("ran");
    // "env" stands in for pkexec: it runs the command it is given.
    dir.Write("install.sh", "#!/bin/sh\necho \"$@\" > '" + marker + "'\nexit 0\n");
    EXPECT_TRUE(InstallVirtualDevice(dir.Path().string(), {{0xC1A0, 0x0101}}, "env"));
    EXPECT_EQ(ReadFileBytes(marker), "c1a0:0101\n");

    dir.Write("install.sh", "#!/bin/sh\nexit 126\n"); // pkexec's answer when authentication is refused
    EXPECT_FALSE(InstallVirtualDevice(dir.Path().string(), {{0xC1A0, 0x0101}}, "env"));
    EXPECT_FALSE(InstallVirtualDevice(dir.Path().string(), {{0xC1A0, 0x0101}}, "no-such-launcher-here"));
}

} // namespace
} // namespace clavora::test
