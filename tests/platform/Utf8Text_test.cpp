#include "platform/Utf8Text.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

TEST(Utf8Text, CutsAtCharactersAndRepairsBrokenBytes)
{
    struct Case {
        std::string text;
        size_t maxChars;
        std::string expected;
    };
    const Case cases[] = {
        { "Clavora", 3, "Cla" },
        { "Clavora", 100, "Clavora" },
        // Counted in characters, never split inside one.
        { "\xC3\x84\xC3\x96\xC3\x9C", 2, "\xC3\x84\xC3\x96" },
        { "\xE9\x94\xAE\xE7\x9B\x98", 1, "\xE9\x94\xAE" },
        // A stray byte becomes U+FFFD and counts as one character.
        { "a\xFF" "b", 10, "a\xEF\xBF\xBD" "b" },
        { "a\xFF" "b", 2, "a\xEF\xBF\xBD" },
        { std::string("ab\0cd", 5), 10, "ab" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValidUtf8Prefix(c.text, c.maxChars), c.expected) << c.text;
}

} // namespace
} // namespace clavora
