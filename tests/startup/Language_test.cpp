#include "startup/Language.h"

#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "startup/IniReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace clavora;
using clavora::test::TempDir;
using namespace std::string_literals;

namespace {

// Points the program at a temporary application folder with a language/ subfolder.
class LanguageFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAppFolderOverride(m_dir.Path().string());
        SetCurrentLanguage(1033);
    }
    void TearDown() override
    {
        SetAppFolderOverride({});
        SetCurrentLanguage(1033);
    }
    void WriteLanguage(int lcid, const std::string& bytes)
    {
        m_dir.Write("language/" + std::to_string(lcid) + ".lan", bytes);
    }

    TempDir m_dir;
};

const std::string kIni = "; texts\r\n[Other]\r\n5=wrong section\r\n[KB.DIALOG]\r\n5=Key 5 \xC3\xA9\xE4\xB8\xAD\r\n";

std::string Utf16(const std::string& utf8, bool bigEndian)
{
    return (bigEndian ? "\xFE\xFF" : "\xFF\xFE") + Utf8ToUtf16(utf8, bigEndian);
}

TEST_F(LanguageFiles, ReadsEveryEncodingAndOnlyTheKeysThatExist)
{
    struct Case {
        const char* label;
        std::string bytes;
        const char* expected;
    };
    const std::vector<Case> cases = {
        { "UTF-16LE", Utf16(kIni, false), "Key 5 é中" },
        { "UTF-16BE", Utf16(kIni, true), "Key 5 é中" },
        { "UTF-8 with BOM", "\xEF\xBB\xBF" + kIni, "Key 5 é中" },
        { "UTF-8", kIni, "Key 5 é中" },
        { "Windows-1252", "[KB.DIALOG]\n5=Key 5 \xE9\x80\n", "Key 5 é€" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        WriteLanguage(1033, c.bytes);
        EXPECT_EQ(LoadLangString(kLangSection, 5), c.expected);
        EXPECT_EQ(LoadLangString(kLangSection, 6), "");
        EXPECT_EQ(LoadLangString("Missing", 5), "");
    }
}

TEST_F(LanguageFiles, MissingFileGivesEmptyTexts)
{
    EXPECT_EQ(LoadLangString(kLangSection, 5), "");
    WriteLanguage(2052, "[KB.DIALOG]\n5=中文\n");
    EXPECT_EQ(LoadLangString(kLangSection, 5), "");
    SetCurrentLanguage(2052);
    EXPECT_EQ(LoadLangString(kLangSection, 5), "中文");
}

TEST_F(LanguageFiles, EveryLookupReadsTheFileAgain)
{
    WriteLanguage(1033, "[KB.DIALOG]\n1=first\n");
    EXPECT_EQ(LoadLangString(kLangSection, 1), "first");
    WriteLanguage(1033, "[KB.DIALOG]\n1=second\n");
    EXPECT_EQ(LoadLangString(kLangSection, 1), "second");
}

TEST_F(LanguageFiles, LongTextsAreCutAt259Characters)
{
    std::string chinese;
    for (int i = 0; i < 300; ++i)
        chinese += "中";
    WriteLanguage(1033, "[KB.DIALOG]\n1=" + chinese + "\n2=" + std::string(259, 'x') + "\n3=" + std::string(260, 'y') + "\n");
    const std::string cut = LoadLangString(kLangSection, 1);
    EXPECT_EQ(Utf8Length(cut), 259u);
    EXPECT_EQ(cut, chinese.substr(0, 259 * 3));
    EXPECT_EQ(LoadLangString(kLangSection, 2), std::string(259, 'x'));
    EXPECT_EQ(LoadLangString(kLangSection, 3), std::string(259, 'y'));
}

TEST(IniReader, FollowsTheProfileReaderRules)
{
    const std::string text =
        "  [ kb.dialog ]  \n"
        "; 1=commented out\n"
        "1 =  spaced value  \n"
        "2=\"quoted  \"\n"
        "3='single'\n"
        "4=\"unbalanced\n"
        "5=first\n"
        "5=second\n"
        "no equals sign\n"
        "6=a=b\n"
        "Key=Mixed\n"
        "7=\n"
        "[Next]\n"
        "8=elsewhere\n"
        "[KB.DIALOG]\n"
        "8=reopened\n";
    struct Case {
        const char* key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        { "1", "spaced value" },
        { "2", "quoted  " },
        { "3", "single" },
        { "4", "\"unbalanced" },
        { "5", "first" },
        { "6", "a=b" },
        { "KEY", "Mixed" },
        { "7", "" },
        { "8", "reopened" },
        { "9", std::nullopt },
        { "no equals sign", std::nullopt },
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindIniValue(text, "KB.DIALOG", c.key), c.value) << c.key;
    EXPECT_EQ(FindIniValue(text, "Next", "8"), "elsewhere");
    EXPECT_EQ(FindIniValue(text, "Missing", "1"), std::nullopt);
}

} // namespace
