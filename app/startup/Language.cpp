#include "startup/Language.h"

#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "startup/IniReader.h"

#include <atomic>

namespace clavora {

namespace {

// A text is cut after this many characters, as the fixed-size reader of the original did.
constexpr size_t kMaxLangChars = 259;
// Language files are a few hundred kilobytes at most; anything far larger is not one.
constexpr size_t kMaxLangFileBytes = 16u << 20;
constexpr int kDefaultLanguage = 1033;

// Written only by the window thread, read by any thread.
std::atomic<int> g_currentLanguage { kDefaultLanguage };

} // namespace

std::string LoadLangString(const std::string& section, int number)
{
    const std::string path = GetAppFolder() + "language/" + std::to_string(GetCurrentLanguage()) + ".lan";
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(path, kMaxLangFileBytes, bytes, error))
        return {};
    const std::optional<std::string> value = FindIniValue(DecodeTextFile(bytes), section, std::to_string(number));
    if (!value)
        return {};
    return std::string(TruncateUtf8(*value, kMaxLangChars));
}

int GetCurrentLanguage() { return g_currentLanguage.load(std::memory_order_relaxed); }

void SetCurrentLanguage(int lcid) { g_currentLanguage.store(lcid, std::memory_order_relaxed); }

} // namespace clavora
