#include "platform/Autostart.h"

#include "ScopedEnv.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <glib.h>

#include <filesystem>

namespace clavora {
namespace {

class AutostartTest : public ::testing::Test {
protected:
    std::string EntryPath(const std::string& name) const { return m_dir.File("config/autostart/" + name); }

    // The Exec line exactly as the entry holds it.
    static std::string ExecLine(const std::string& text)
    {
        size_t start = text.find("\nExec=");
        if (start == std::string::npos)
            return "<none>";
        start += 1;
        return text.substr(start, text.find('\n', start) - start);
    }

    // The program path a desktop launcher gets from the entry: the key file's unescaping, '%%'
    // read as '%', then shell-style quoting, as GLib's launcher does it.
    static std::string LaunchedProgram(const std::string& entryPath)
    {
        GKeyFile* file = g_key_file_new();
        std::string program = "<unreadable>";
        if (g_key_file_load_from_file(file, entryPath.c_str(), G_KEY_FILE_NONE, nullptr)) {
            gchar* exec = g_key_file_get_string(file, "Desktop Entry", "Exec", nullptr);
            std::string line = exec ? exec : "";
            g_free(exec);
            for (size_t at = line.find("%%"); at != std::string::npos; at = line.find("%%", at + 1))
                line.erase(at, 1);
            gchar** argv = nullptr;
            gint argc = 0;
            if (g_shell_parse_argv(line.c_str(), &argc, &argv, nullptr) && argc == 1)
                program = argv[0];
            g_strfreev(argv);
        }
        g_key_file_free(file);
        return program;
    }

    test::TempDir m_dir;
    test::ScopedEnv m_config { "XDG_CONFIG_HOME", m_dir.File("config") };
};

TEST_F(AutostartTest, EnableDisableRoundTrip)
{
    Autostart autostart("Clavora", "/opt/Clavora/");
    EXPECT_EQ(autostart.GetFilePath(), EntryPath("Clavora.desktop"));
    EXPECT_FALSE(autostart.IsEnabled());

    ASSERT_TRUE(autostart.Enable());
    EXPECT_TRUE(autostart.IsEnabled());
    std::string text = test::ReadFileBytes(EntryPath("Clavora.desktop"));
    EXPECT_TRUE(text.starts_with("[Desktop Entry]\nType=Application\nName=Clavora\n")) << text;
    EXPECT_EQ(ExecLine(text), "Exec=\"/opt/Clavora/clavora\"");

    // Enabling again replaces the entry in place and leaves no temporary file behind.
    ASSERT_TRUE(autostart.Enable());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.File("config/autostart")),
                  std::filesystem::directory_iterator()),
        1);

    EXPECT_TRUE(autostart.Disable());
    EXPECT_FALSE(autostart.IsEnabled());
    EXPECT_FALSE(std::filesystem::exists(EntryPath("Clavora.desktop")));
    EXPECT_TRUE(autostart.Disable());
}

TEST_F(AutostartTest, ExecIsQuotedSoAnyFolderStartsTheRightProgram)
{
    struct Case {
        std::string folder;
        std::string line;
    };
    const Case cases[] = {
        { "/opt/My Apps/", "Exec=\"/opt/My Apps/clavora\"" },
        { "/home/a\"b$c`d/", "Exec=\"/home/a\\\\\"b\\\\$c\\\\`d/clavora\"" },
        { "/srv/back\\slash/", "Exec=\"/srv/back\\\\\\\\slash/clavora\"" },
        { "/srv/100%/it's;&|<>*?#~()/", "Exec=\"/srv/100%%/it's;&|<>*?#~()/clavora\"" },
    };
    for (const Case& c : cases) {
        Autostart autostart("Clavora", c.folder);
        ASSERT_TRUE(autostart.Enable()) << c.folder;
        EXPECT_EQ(ExecLine(test::ReadFileBytes(autostart.GetFilePath())), c.line) << c.folder;
        EXPECT_EQ(LaunchedProgram(autostart.GetFilePath()), c.folder + "clavora");
    }
}

TEST_F(AutostartTest, EntriesSwitchedOffInsideOrBrokenCountAsOff)
{
    Autostart autostart("Clavora", "/opt/Clavora/");
    const std::string entry = autostart.GetFilePath();
    const char* bodies[] = {
        "[Desktop Entry]\nType=Application\nExec=clavora\nHidden=true\n",
        "[Desktop Entry]\nType=Application\nExec=clavora\nX-GNOME-Autostart-enabled=false\n",
        "not a desktop entry at all",
    };
    for (const char* body : bodies) {
        m_dir.Write("config/autostart/Clavora.desktop", body);
        EXPECT_FALSE(autostart.IsEnabled()) << body;
    }
    // A hand-written entry pointing elsewhere still counts as on: the command is not compared.
    m_dir.Write("config/autostart/Clavora.desktop", "[Desktop Entry]\nType=Application\nExec=/elsewhere\n");
    EXPECT_TRUE(autostart.IsEnabled());
}

TEST_F(AutostartTest, DeviceNameAndAppFolderOfTheRunningProgram)
{
    SetAppFolderOverride("/srv/keyboard");
    Autostart autostart;
    EXPECT_TRUE(autostart.Enable());
    SetAppFolderOverride("");
    EXPECT_EQ(LaunchedProgram(EntryPath("Clavora.desktop")), "/srv/keyboard/clavora");

    // A '/' in a device name must not lead the entry out of the autostart folder.
    Autostart slashed("Key/board", "/opt/");
    EXPECT_TRUE(slashed.Enable());
    EXPECT_TRUE(std::filesystem::exists(EntryPath("Key_board.desktop")));
}

TEST_F(AutostartTest, UnwritableFolderFails)
{
    m_dir.Write("config", "a file where the folder should be");
    Autostart autostart("Clavora", "/opt/Clavora/");
    EXPECT_FALSE(autostart.Enable());
    EXPECT_FALSE(autostart.IsEnabled());
}

} // namespace
} // namespace clavora
