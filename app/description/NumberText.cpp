#include "description/NumberText.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace clavora {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

int32_t HexToInt(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // "0x" counts as a prefix only when a hex digit follows; "0x" alone reads as 0.
    if (pos + 2 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')
        && HexDigit(text[pos + 2]) >= 0)
        pos += 2;

    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (; pos < text.size() && HexDigit(text[pos]) >= 0; ++pos)
        value = std::min(value * 16 + HexDigit(text[pos]), kMax + 1); // saturated
    if (negative)
        return static_cast<int32_t>(-value);
    return static_cast<int32_t>(std::min(value, kMax));
}

} // namespace clavora
