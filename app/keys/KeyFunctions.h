#pragma once

// What a key can be given, as the key page names it: the labels of the function types, the
// names of the fifteen system shortcuts, the type a key chooser item is stored with, and the
// text a macro function shows in a key's tip.

#include <string>

namespace clavora {

// The keyboard's Fn key: it can never be given another function.
inline constexpr int kFnKey = 255;
// Key chooser codes from here on are stored with their own function type.
inline constexpr int kFirstHighChooserCode = 500;

// Messages about the Fn key: text and title.
inline constexpr int kTextFnRefused = 365;
inline constexpr int kTitleFnRefused = 366;
// The word for a macro in the current language.
inline constexpr int kTextMacroWord = 331;

// The language text that labels a function type (the first line of a key's tip); 0 for a type
// that has none.
int TypeLabelText(int macroType);

// The language text naming system shortcut 1-15; 0 for any other value.
int ShortcutNameText(int shortcut);

// The function type a key chooser item with this code is stored with.
int ChooserFunctionType(int code);

// How a key's tip shows the stored description of a macro function under the current
// language: a description that starts with another language's word for a macro is shown with
// `macroWord` in its place. Anything else is shown as stored.
std::string MacroTipText(const std::string& stored, int language, const std::string& macroWord);

} // namespace clavora
