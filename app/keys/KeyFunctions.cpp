#include "keys/KeyFunctions.h"

#include "device/protocol/MacroEncoding.h"
#include "store/KeyAssignment.h"

#include <string_view>

namespace clavora {

namespace {

constexpr int kEnglish = 1033;
constexpr int kChinese = 2052;
constexpr int kRussian = 1049;

constexpr std::string_view kMacroEnglish = "Macro";
constexpr std::string_view kMacroChinese = "宏";

constexpr int kFirstShortcutName = 700;

// Types that only arrive through imported profiles; they are shown but do nothing.
constexpr int kTypeRunProgram = 6;
constexpr int kTypeKeyCombination = 8;
constexpr int kTypeMultimedia = 9;
constexpr int kTypeSpecial = 10;

} // namespace

int TypeLabelText(int macroType)
{
    switch (macroType) {
    case kKeyFunctionDisabled:
        return 202;
    case kKeyFunctionKey:
    case kKeyFunctionKeyHigh:
        return 205;
    case kKeyFunctionMacro:
        return 206;
    case kKeyFunctionMouse:
        return 207;
    case kTypeRunProgram:
        return 208;
    case kKeyFunctionShortcut:
        return 209;
    case kTypeKeyCombination:
        return 210;
    case kTypeMultimedia:
        return 211;
    case kTypeSpecial:
        return 212;
    default:
        return 0;
    }
}

int ShortcutNameText(int shortcut)
{
    return shortcut >= 1 && shortcut <= protocol::kShortcutCount ? kFirstShortcutName + shortcut : 0;
}

int ChooserFunctionType(int code)
{
    return code >= kFirstHighChooserCode ? kKeyFunctionKeyHigh : kKeyFunctionKey;
}

std::string MacroTipText(const std::string& stored, int language, const std::string& macroWord)
{
    const std::string_view name(stored);
    const auto replaced = [&](std::string_view prefix) { return macroWord + stored.substr(prefix.size()); };
    switch (language) {
    case kEnglish:
        // The English word itself only when it is the whole description.
        if (name.starts_with(kMacroChinese))
            return replaced(kMacroChinese);
        if (name == kMacroEnglish)
            return macroWord;
        return stored;
    case kChinese:
        return name.starts_with(kMacroEnglish) ? replaced(kMacroEnglish) : stored;
    case kRussian:
        if (name.starts_with(kMacroChinese))
            return replaced(kMacroChinese);
        return name.starts_with(kMacroEnglish) ? replaced(kMacroEnglish) : stored;
    default:
        return stored;
    }
}

} // namespace clavora
