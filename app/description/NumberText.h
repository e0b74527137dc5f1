#pragma once

// Number conversions used by the description files: leading blanks and an optional sign
// are accepted, reading stops at the first character that is not a digit, "no digits"
// reads as 0, and values beyond the 32-bit range are held at its ends.

#include <cstdint>
#include <string_view>

namespace clavora {

int32_t DecimalToInt(std::string_view text);

// Base 16; an optional "0x" prefix is accepted.
int32_t HexToInt(std::string_view text);

} // namespace clavora
