#pragma once

// Language texts. Every visible text is a number in section "KB.DIALOG" of
// language/<LCID>.lan in the application folder. The file is read anew on every lookup
// (no cache), so a changed language or file takes effect at once.

#include <string>

namespace clavora {

inline constexpr const char* kLangSection = "KB.DIALOG";

// The text for a number, at most 259 characters; empty when the file, section or key is
// missing. Files may be UTF-16 with a byte-order mark, UTF-8 (byte-order mark optional) or
// Windows-1252. Safe to call from any thread.
std::string LoadLangString(const std::string& section, int number);

// The process-wide current language (a Windows LCID); 1033 at every start.
int GetCurrentLanguage();
void SetCurrentLanguage(int lcid);

} // namespace clavora
