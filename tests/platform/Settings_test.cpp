#include "platform/Settings.h"

#include "lumoui/Manager.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

using namespace clavora;
using clavora::test::ReadFileBytes;
using clavora::test::ScopedEnv;
using clavora::test::TempDir;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    std::string Path() const { return m_dir.File("Clavora/settings.ini"); }

    TempDir m_dir;
    ScopedEnv m_config { "XDG_CONFIG_HOME", m_dir.Path().string() };
};

TEST_F(SettingsFile, FirstReadCreatesAnEmptyFileAndReadsZero)
{
    EXPECT_EQ(GetSettingsPath(), Path());
    EXPECT_EQ(ReadLanguageSetting(), 0);
    EXPECT_TRUE(std::filesystem::exists(Path()));
    // The file now exists without the value: still 0, the first-run signal.
    EXPECT_EQ(ReadLanguageSetting(), 0);
    EXPECT_EQ(ReadSetting(kSettingExitMode), 0);

    WriteLanguageSetting(2052);
    WriteSetting(kSettingExitMode, "2");
    EXPECT_EQ(ReadLanguageSetting(), 2052);
    EXPECT_EQ(ReadSetting(kSettingExitMode), 2);
    EXPECT_EQ(ReadSetting(kSettingLanguage), 2052);
}

TEST_F(SettingsFile, ExitModeAloneReadsZeroWithoutCreatingAnything)
{
    EXPECT_EQ(ReadSetting(kSettingExitMode), 0);
    EXPECT_EQ(ReadFileBytes(Path()), "");
}

TEST_F(SettingsFile, WritesKeepOtherValuesAndCommentsAndLeaveNoTemporaryFiles)
{
    m_dir.Write("Clavora/settings.ini", "# kept\n[settings]\nLCID=1033\n[other]\nx=1\n");
    WriteSetting(kSettingExitMode, "1");
    const std::string text = ReadFileBytes(Path());
    EXPECT_NE(text.find("# kept"), std::string::npos);
    EXPECT_NE(text.find("x=1"), std::string::npos);
    EXPECT_EQ(ReadLanguageSetting(), 1033);
    EXPECT_EQ(ReadSetting(kSettingExitMode), 1);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_dir.Path() / "Clavora"))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST_F(SettingsFile, WriteCreatesAMissingFile)
{
    WriteSetting(kSettingExitMode, "2");
    EXPECT_EQ(ReadSetting(kSettingExitMode), 2);
}

TEST_F(SettingsFile, ValuesReadAsLeadingDecimalDigits)
{
    struct Case {
        const char* stored;
        int value;
    };
    const Case cases[] = {
        { "12", 12 }, { " 7x", 7 }, { "abc", 0 }, { "-3", -3 }, { "+5", 5 }, { "", 0 }, { "0x10", 0 },
        { "99999999999", INT_MAX }, { "-99999999999", INT_MIN }, { "1 2", 1 },
    };
    for (const Case& c : cases) {
        WriteSetting(kSettingExitMode, c.stored);
        EXPECT_EQ(ReadSetting(kSettingExitMode), c.value) << c.stored;
    }
}

TEST_F(SettingsFile, BrokenFileReadsDefaultsAndIsNotOverwritten)
{
    const std::string broken = "[settings\nthis is = not a key file\n\x01";
    m_dir.Write("Clavora/settings.ini", broken);
    EXPECT_EQ(ReadSetting(kSettingExitMode), 0);
    EXPECT_EQ(ReadLanguageSetting(), 1033);
    WriteSetting(kSettingExitMode, "1");
    WriteLanguageSetting(2052);
    EXPECT_EQ(ReadFileBytes(Path()), broken);
}

TEST_F(SettingsFile, UnreadableFileReadsLanguageAs1033)
{
    // A folder where the file should be cannot be read by anyone, root included.
    std::filesystem::create_directories(Path());
    EXPECT_EQ(ReadLanguageSetting(), 1033);
    EXPECT_EQ(ReadSetting(kSettingExitMode), 0);
    WriteSetting(kSettingExitMode, "1");
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
}

TEST_F(SettingsFile, EachDeviceNameHasItsOwnFile)
{
    WriteSetting(kSettingExitMode, "1");
    lumo::Manager::SetDeviceName("Other Board");
    EXPECT_EQ(GetSettingsPath(), m_dir.File("Other Board/settings.ini"));
    EXPECT_EQ(ReadSetting(kSettingExitMode), 0);
    lumo::Manager::SetDeviceName("Clavora");
    EXPECT_EQ(ReadSetting(kSettingExitMode), 1);
}

TEST(SettingsLocation, DefaultsToDotConfigUnderHome)
{
    ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(GetSettingsPath(), "/home/someone/.config/Clavora/settings.ini");
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/path"); // not absolute: ignored
    EXPECT_EQ(GetSettingsPath(), "/home/someone/.config/Clavora/settings.ini");
}

TEST(SettingsLocale, OnlyUsEnglishGives1033)
{
    struct Case {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        int lcid;
    };
    const Case cases[] = {
        { nullptr, nullptr, "en_US.UTF-8", 1033 },
        { nullptr, nullptr, "en_US", 1033 },
        { nullptr, nullptr, "en_US@euro", 1033 },
        { nullptr, nullptr, "en_GB.UTF-8", 2052 },
        { nullptr, nullptr, "en_USA", 2052 },
        { nullptr, nullptr, "zh_CN.UTF-8", 2052 },
        { nullptr, nullptr, "C", 2052 },
        { nullptr, nullptr, nullptr, 2052 },
        { "de_DE.UTF-8", "en_US.UTF-8", "en_US.UTF-8", 2052 },
        { "", "en_US.UTF-8", "de_DE", 1033 },
        { nullptr, "", "en_US.UTF-8", 1033 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanguageFromLocaleNames(c.lcAll, c.lcMessages, c.lang), c.lcid)
            << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
    ScopedEnv all("LC_ALL", "en_US.UTF-8");
    EXPECT_EQ(LanguageFromLocale(), 1033);
}

} // namespace
