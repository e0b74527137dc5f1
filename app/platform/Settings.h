#pragma once

// Per-user settings: decimal numbers stored as text in
// $XDG_CONFIG_HOME/<device name>/settings.ini (default ~/.config), section [settings].
//
//   value       meaning                                                default when missing
//   LCID        the chosen language                                     written at first run
//   exit_mode   the close button: 0 ask, 1 hide to the tray, 2 quit     0
//
// Reads never fail: whatever goes wrong reads as the default. Writes replace the file
// atomically, so a crash never leaves half a file; a write that cannot be done is skipped.
// Called from the window thread only.

#include <string>

namespace clavora {

inline constexpr const char* kSettingLanguage = "LCID";
inline constexpr const char* kSettingExitMode = "exit_mode";

// The settings file of the current device name.
std::string GetSettingsPath();

// The value as a number (leading digits, as atoi reads them; no digits → 0). A settings file
// that does not exist yet is created empty and the value reads as 0; any other failure
// reads as 0.
int ReadSetting(const std::string& valueName);
// Stores the text as the value, creating the file when it is missing. Skipped when the
// existing file cannot be read or parsed, so nothing in it is lost.
void WriteSetting(const std::string& valueName, const std::string& text);

// The language value: 0 when the file had to be created or holds no LCID (first run), 1033
// when the file exists but cannot be read, otherwise the stored number.
int ReadLanguageSetting();
void WriteLanguageSetting(int lcid);

// The language of a first run, from the locale environment (LC_ALL, then LC_MESSAGES, then
// LANG; the first one set wins): US English → 1033, anything else → 2052.
int LanguageFromLocale();
int LanguageFromLocaleNames(const char* lcAll, const char* lcMessages, const char* lang);

// Decimal text to int as the settings are read: leading white space, an optional sign, then
// digits up to the first other character; no digits → 0; out of range → the nearest limit.
int DecimalToInt(const std::string& text);

} // namespace clavora
