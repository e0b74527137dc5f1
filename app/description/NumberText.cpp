#include "description/NumberText.h"

#include <cctype>
#include <limits>

namespace clavora {

namespace {

int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

int32_t ParseInteger(std::string_view text, int base)
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
    if (base == 16 && pos + 2 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')
        && DigitValue(text[pos + 2], 16) >= 0)
        pos += 2;

    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0)
            break;
        value = value * base + digit;
        if (value > kMax + 1)
            value = kMax + 1; // saturated
    }
    if (negative)
        return static_cast<int32_t>(-value);
    return static_cast<int32_t>(value > kMax ? kMax : value);
}

} // namespace

int32_t DecimalToInt(std::string_view text)
{
    return ParseInteger(text, 10);
}

int32_t HexToInt(std::string_view text)
{
    return ParseInteger(text, 16);
}

} // namespace clavora
