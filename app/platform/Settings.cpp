#include "platform/Settings.h"

#include "lumoui/Manager.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <glib.h>
#include <memory>
#include <sys/stat.h>

namespace clavora {

namespace {

constexpr const char* kGroup = "settings";
// Values are read into a fixed buffer of this many bytes, as they always were.
constexpr size_t kMaxValueBytes = 255;
constexpr int kLanguageEnglishUs = 1033;
constexpr int kLanguageChinese = 2052;

struct KeyFileDeleter {
    void operator()(GKeyFile* file) const { g_key_file_free(file); }
};
using KeyFilePtr = std::unique_ptr<GKeyFile, KeyFileDeleter>;

struct GFreeDeleter {
    void operator()(gchar* text) const { g_free(text); }
};
using GStringPtr = std::unique_ptr<gchar, GFreeDeleter>;

enum class OpenState { Opened, Created, Failed };

std::string ConfigHome()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.config";
}

std::string SettingsFolder() { return ConfigHome() + "/" + lumo::Manager::GetDeviceName() + "/"; }

bool IsUsableValueName(const std::string& name)
{
    return !name.empty() && name.find_first_of("=[]\n\r") == std::string::npos;
}

// Opens the settings file the way the original opened its registry key: a missing file is
// created empty; an unreadable or malformed one is a failure.
OpenState OpenSettings(KeyFilePtr& file, bool createWhenMissing)
{
    const std::string path = GetSettingsPath();
    file.reset(g_key_file_new());
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return OpenState::Failed;
        if (createWhenMissing) {
            std::string error;
            CreateFolderTree(SettingsFolder());
            WriteFileAtomically(path, "", error);
        }
        return OpenState::Created;
    }
    GError* error = nullptr;
    const auto flags = static_cast<GKeyFileFlags>(G_KEY_FILE_KEEP_COMMENTS | G_KEY_FILE_KEEP_TRANSLATIONS);
    if (!g_key_file_load_from_file(file.get(), path.c_str(), flags, &error)) {
        g_clear_error(&error);
        return OpenState::Failed;
    }
    return OpenState::Opened;
}

// The stored value, or an empty text when it is missing.
std::string StoredValue(GKeyFile* file, const std::string& valueName)
{
    GStringPtr value(g_key_file_get_string(file, kGroup, valueName.c_str(), nullptr));
    if (!value)
        return {};
    std::string text(value.get());
    if (text.size() > kMaxValueBytes)
        text.resize(kMaxValueBytes);
    return text;
}

} // namespace

std::string GetSettingsPath() { return SettingsFolder() + "settings.ini"; }

int ReadSetting(const std::string& valueName)
{
    KeyFilePtr file;
    if (OpenSettings(file, true) != OpenState::Opened || !IsUsableValueName(valueName))
        return 0;
    return DecimalToInt(StoredValue(file.get(), valueName));
}

void WriteSetting(const std::string& valueName, const std::string& text)
{
    KeyFilePtr file;
    if (!IsUsableValueName(valueName) || OpenSettings(file, false) == OpenState::Failed)
        return;
    g_key_file_set_string(file.get(), kGroup, valueName.c_str(), text.c_str());
    gsize length = 0;
    GStringPtr data(g_key_file_to_data(file.get(), &length, nullptr));
    if (!data)
        return;
    std::string error;
    CreateFolderTree(SettingsFolder());
    WriteFileAtomically(GetSettingsPath(), std::string_view(data.get(), length), error);
}

int ReadLanguageSetting()
{
    KeyFilePtr file;
    switch (OpenSettings(file, true)) {
    case OpenState::Created:
        return 0;
    case OpenState::Failed:
        return kLanguageEnglishUs;
    case OpenState::Opened:
        break;
    }
    return DecimalToInt(StoredValue(file.get(), kSettingLanguage));
}

void WriteLanguageSetting(int lcid) { WriteSetting(kSettingLanguage, std::to_string(lcid)); }

int LanguageFromLocale()
{
    return LanguageFromLocaleNames(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

int LanguageFromLocaleNames(const char* lcAll, const char* lcMessages, const char* lang)
{
    std::string_view name;
    for (const char* candidate : { lcAll, lcMessages, lang }) {
        if (candidate && *candidate) {
            name = candidate;
            break;
        }
    }
    // "en_US", optionally followed by a codeset (".UTF-8") or a modifier ("@euro").
    const bool englishUs = name.starts_with("en_US") && (name.size() == 5 || name[5] == '.' || name[5] == '@');
    return englishUs ? kLanguageEnglishUs : kLanguageChinese;
}

int DecimalToInt(const std::string& text)
{
    size_t i = text.find_first_not_of(" \t\n\r\f\v");
    if (i == std::string::npos)
        return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace clavora
