#include "keys/CustomKeyModel.h"

#include "device/protocol/MacroEncoding.h"
#include "keys/KeyFunctions.h"
#include "mainwnd/DisplayNames.h"
#include "startup/Language.h"
#include "store/DataStore.h"

namespace clavora {

namespace {

constexpr int kTextMacro = 206;
constexpr int kTextShortcut = 209;

} // namespace

CustomKeyModel::CustomKeyModel(DataStore& store, int key, int profile)
    : m_store(store)
    , m_key(key)
    , m_profile(profile)
{
}

int CustomKeyModel::ModeText(int mode)
{
    switch (mode) {
    case kModeMacro:
        return kTextMacro;
    case kModeShortcut:
        return kTextShortcut;
    default:
        return 0;
    }
}

std::vector<CustomKeyChoice> CustomKeyModel::Choices(int type) const
{
    std::vector<CustomKeyChoice> choices;
    if (type == kModeMacro) {
        std::vector<MacroRecord> macros;
        m_store.ListMacros(macros);
        const int language = GetCurrentLanguage();
        const std::string word = LoadLangString(kLangSection, kTextMacroWord);
        for (const MacroRecord& macro : macros)
            choices.push_back({ MacroDisplayName(macro.name, language, word), macro.macro_id });
    } else if (type == kModeShortcut) {
        for (int shortcut = 1; shortcut <= protocol::kShortcutCount; ++shortcut)
            choices.push_back({ LoadLangString(kLangSection, ShortcutNameText(shortcut)), shortcut });
    }
    return choices;
}

CustomKeyModel::OkResult CustomKeyModel::Ok(int type, int value, const std::string& text)
{
    if (type == kModeMacro) {
        if (value <= 0 || m_store.CountMacroEvents(value) <= 0)
            return OkResult::NoEvents;
    } else if (type != kModeShortcut || !ShortcutNameText(value)) {
        return OkResult::NoChoice;
    }
    KeyAssignment record;
    record.profile = m_profile;
    record.fn_layer = 0;
    record.key_code = m_key;
    record.macro_type = type;
    record.macro_value = value;
    record.macro_desc = text;
    // A failed insert leaves the key without a row, which the refreshed page shows as restored.
    m_store.SaveKeyAssignment(record);
    return OkResult::Stored;
}

} // namespace clavora
