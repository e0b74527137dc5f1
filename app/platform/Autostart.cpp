#include "platform/Autostart.h"

#include "lumoui/Manager.h"
#include "platform/Paths.h"
#include "platform/Utf8Text.h"

#include <glib.h>
#include <glib/gstdio.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>

namespace clavora {

namespace {

constexpr const char* kGroup = "Desktop Entry";
constexpr const char* kExecutableName = "clavora";
constexpr size_t kNameMaxChars = 255;

struct KeyFileFree {
    void operator()(GKeyFile* file) const { g_key_file_free(file); }
};
using KeyFilePtr = std::unique_ptr<GKeyFile, KeyFileFree>;

std::string ConfigHome()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return std::string(xdg) + "/";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.config/";
}

// A '/' in the name would point into another folder.
std::string FileName(const std::string& deviceName)
{
    std::string name = deviceName;
    for (char& c : name) {
        if (c == '/')
            c = '_';
    }
    return name + ".desktop";
}

std::optional<bool> ReadBool(GKeyFile* file, const char* key)
{
    GError* error = nullptr;
    gboolean value = g_key_file_get_boolean(file, kGroup, key, &error);
    if (error) {
        g_error_free(error);
        return std::nullopt;
    }
    return value != FALSE;
}

} // namespace

Autostart::Autostart()
    : Autostart(lumo::Manager::GetDeviceName(), GetAppFolder())
{
}

Autostart::Autostart(std::string deviceName, std::string appFolder)
    : m_deviceName(std::move(deviceName))
    , m_appFolder(std::move(appFolder))
{
}

std::string Autostart::GetFilePath() const
{
    return ConfigHome() + "autostart/" + FileName(m_deviceName);
}

std::string Autostart::QuoteExecArgument(const std::string& path)
{
    std::string out = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            out += '\\';
        else if (c == '%')
            out += '%';
        out += c;
    }
    return out + "\"";
}

bool Autostart::IsEnabled() const
{
    KeyFilePtr file(g_key_file_new());
    if (!g_key_file_load_from_file(file.get(), GetFilePath().c_str(), G_KEY_FILE_NONE, nullptr))
        return false;
    return ReadBool(file.get(), "Hidden") != true && ReadBool(file.get(), "X-GNOME-Autostart-enabled") != false;
}

bool Autostart::Enable() const
{
    std::string path = GetFilePath();
    if (!CreateFolderTree(path.substr(0, path.rfind('/'))))
        return false;
    KeyFilePtr file(g_key_file_new());
    std::string name = ValidUtf8Prefix(m_deviceName, kNameMaxChars);
    std::string exec = ValidUtf8Prefix(QuoteExecArgument(m_appFolder + kExecutableName), SIZE_MAX);
    // set_string adds the key file's escapes (a backslash becomes two) on top of the quoting.
    g_key_file_set_string(file.get(), kGroup, "Type", "Application");
    g_key_file_set_string(file.get(), kGroup, "Name", name.c_str());
    g_key_file_set_string(file.get(), kGroup, "Exec", exec.c_str());
    g_key_file_set_boolean(file.get(), kGroup, "Terminal", FALSE);
    g_key_file_set_boolean(file.get(), kGroup, "X-GNOME-Autostart-enabled", TRUE);
    gsize length = 0;
    std::unique_ptr<gchar, decltype(&g_free)> data(g_key_file_to_data(file.get(), &length, nullptr), &g_free);
    // Writes a temporary file beside the entry, flushes it and renames it over the entry.
    return data
        && g_file_set_contents_full(path.c_str(), data.get(), static_cast<gssize>(length),
            G_FILE_SET_CONTENTS_CONSISTENT, 0644, nullptr);
}

bool Autostart::Disable() const
{
    return g_remove(GetFilePath().c_str()) == 0 || errno == ENOENT;
}

} // namespace clavora
