#pragma once

// A reader for INI text that behaves like the Windows private-profile reader the language
// files were written for: lines "[section]" and "key=value", ';' starts a comment line,
// white space around names and values is dropped, one pair of matching quotes around a
// value is removed, section and key names match without regard to ASCII case, and the
// first matching key wins.

#include <optional>
#include <string>
#include <string_view>

namespace clavora {

// Decodes a text file: UTF-16 with a byte-order mark (either order), UTF-8 (the mark is
// optional), otherwise Windows-1252. The result is always valid UTF-8.
std::string DecodeTextFile(std::string_view bytes);

// The value of key in section of UTF-8 INI text; nullopt when the section or key is absent.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section, std::string_view key);

} // namespace clavora
