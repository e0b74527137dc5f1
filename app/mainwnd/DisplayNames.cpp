#include "mainwnd/DisplayNames.h"

#include <initializer_list>
#include <string_view>

namespace clavora {

namespace {

constexpr int kEnglish = 1033;
constexpr int kChinese = 2052;
constexpr int kPortuguese = 1046;

constexpr std::string_view kProfileEnglish = "Profile";
constexpr std::string_view kProfileChinese = "配置方案";
constexpr std::string_view kProfilePortuguese = "Perfil";
constexpr std::string_view kMacroEnglish = "Macro";
constexpr std::string_view kMacroChinese = "宏";

// The first prefix the name starts with is replaced by the word.
std::string Replace(const std::string& stored, std::initializer_list<std::string_view> prefixes, const std::string& word)
{
    for (std::string_view prefix : prefixes) {
        if (std::string_view(stored).starts_with(prefix))
            return word + stored.substr(prefix.size());
    }
    return stored;
}

} // namespace

std::string ProfileDisplayName(const std::string& stored, int language, const std::string& profileWord)
{
    switch (language) {
    case kChinese:
        return Replace(stored, { kProfileEnglish, kProfilePortuguese }, profileWord);
    case kEnglish:
        return Replace(stored, { kProfileChinese, kProfilePortuguese }, profileWord);
    case kPortuguese:
        return Replace(stored, { kProfileChinese, kProfileEnglish }, profileWord);
    default:
        return stored;
    }
}

std::string MacroDisplayName(const std::string& stored, int language, const std::string& macroWord)
{
    switch (language) {
    case kChinese:
        return Replace(stored, { kMacroEnglish }, macroWord);
    case kEnglish:
    case kPortuguese:
        return Replace(stored, { kMacroChinese, kMacroEnglish }, macroWord);
    default:
        return stored;
    }
}

} // namespace clavora
