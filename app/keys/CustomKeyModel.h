#pragma once

// CustomKeyModel - the work of the custom key dialog without its window: the choices each
// function type offers (the store's macros by their shown names, or the fifteen system
// shortcuts) and what OK stores for the dialog's key and profile.

#include <string>
#include <vector>

namespace clavora {

class DataStore;

struct CustomKeyChoice {
    std::string text;
    int data = 0; // macro_id, or the shortcut's number
};

class CustomKeyModel {
public:
    static constexpr int kModeMacro = 3;
    static constexpr int kModeShortcut = 7;

    enum class OkResult {
        Stored,   // the key's row was replaced; the dialog ends with OK
        NoEvents, // a macro without events (or none) was chosen; nothing stored
        NoChoice, // nothing valid was chosen; nothing stored
    };

    CustomKeyModel(DataStore& store, int key, int profile);

    // The language text that names a mode (the dialog's title and its one type).
    static int ModeText(int mode);
    // The choices of a function type, in store order for macros; empty for other types.
    std::vector<CustomKeyChoice> Choices(int type) const;
    // OK with the chosen type, value and the choice's shown text.
    OkResult Ok(int type, int value, const std::string& text);

private:
    DataStore& m_store;
    int m_key;
    int m_profile;
};

} // namespace clavora
