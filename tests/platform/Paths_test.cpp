#include "platform/Paths.h"

#include "lumoui/Manager.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace clavora;
using clavora::test::ScopedEnv;
using clavora::test::TempDir;

TEST(CreateFolderTree, CreatesEveryMissingLevel)
{
    TempDir dir;
    const std::string deep = dir.File("a/b/c");
    EXPECT_TRUE(CreateFolderTree(deep));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(CreateFolderTree(deep)); // already there
    EXPECT_TRUE(CreateFolderTree(dir.File("a/b/d/")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("a/b/d")));
    EXPECT_FALSE(CreateFolderTree(""));
}

TEST(CreateFolderTree, FailsWhereAFileIsInTheWay)
{
    TempDir dir;
    dir.Write("file", "x");
    EXPECT_FALSE(CreateFolderTree(dir.File("file")));
    EXPECT_FALSE(CreateFolderTree(dir.File("file/sub")));
}

TEST(DataFolder, IsNamedAfterTheDevice)
{
    ScopedEnv data("XDG_DATA_HOME", "/data/home");
    EXPECT_EQ(GetDataFolder(), "/data/home/Clavora Files/");
    lumo::Manager::SetDeviceName("K");
    EXPECT_EQ(GetDataFolder(), "/data/home/K Files/");
    lumo::Manager::SetDeviceName("Clavora");
    ScopedEnv unset("XDG_DATA_HOME", std::nullopt);
    ScopedEnv home("HOME", "/home/u");
    EXPECT_EQ(GetDataFolder(), "/home/u/.local/share/Clavora Files/");
}
