#pragma once

// Hexadecimal numbers as the description files write them ("C1A0", "E0"): leading blanks,
// an optional sign and an optional "0x" prefix are accepted, reading stops at the first
// character that is not a hex digit, "no digits" reads as 0, and values beyond the 32-bit
// range are held at its ends. Decimal numbers are read with DecimalToInt
// (platform/Settings.h), which follows the same rules.

#include <cstdint>
#include <string_view>

namespace clavora {

int32_t HexToInt(std::string_view text);

} // namespace clavora
