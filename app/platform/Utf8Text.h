#pragma once

#include <cstddef>
#include <string>

namespace clavora {

// Text for other programs (D-Bus strings, desktop files) must be valid UTF-8 without NULs.
// Returns the text up to its first NUL, with every invalid byte sequence replaced by U+FFFD,
// cut after maxChars Unicode characters.
std::string ValidUtf8Prefix(const std::string& text, size_t maxChars);

} // namespace clavora
