#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace clavora;
using namespace std::string_literals;

TEST(TextCodec, Utf8ValidityAndRepair)
{
    struct Case {
        std::string bytes;
        bool valid;
        std::string repaired;
    };
    const Case cases[] = {
        { "plain", true, "plain" },
        { "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", true, "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80" },
        { "\xEF\xBF\xBD", true, "\xEF\xBF\xBD" },
        { "a\xFF" "b", false, "a\xEF\xBF\xBD" "b" },
        { "\xC0\xAF", false, "\xEF\xBF\xBD\xEF\xBF\xBD" },     // overlong '/'
        { "\xED\xA0\x80", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD" }, // surrogate
        { "\xE2\x82", false, "\xEF\xBF\xBD\xEF\xBF\xBD" },     // cut short
        { "\xF4\x90\x80\x80", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD" }, // past U+10FFFF
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
        EXPECT_EQ(SanitizeUtf8(c.bytes), c.repaired) << c.bytes;
    }
}

TEST(TextCodec, TruncatesOnCharacterBoundaries)
{
    const std::string text = "a中😀b";
    EXPECT_EQ(Utf8Length(text), 4u);
    EXPECT_EQ(TruncateUtf8(text, 0), "");
    EXPECT_EQ(TruncateUtf8(text, 2), "a中");
    EXPECT_EQ(TruncateUtf8(text, 3), "a中😀");
    EXPECT_EQ(TruncateUtf8(text, 10), text);
}

TEST(TextCodec, Utf16BothOrdersAndBrokenSurrogates)
{
    EXPECT_EQ(Utf16ToUtf8("A\0\x2D\x4E\x3D\xD8\x00\xDE"s, false), "A中😀");
    EXPECT_EQ(Utf16ToUtf8("\0A\x4E\x2D\xD8\x3D\xDE\x00"s, true), "A中😀");
    EXPECT_EQ(Utf16ToUtf8("\x3D\xD8" "A\0"s, false), "\xEF\xBF\xBD" "A"); // lone high surrogate
    bool odd = false;
    EXPECT_EQ(Utf16ToUtf8("A\0B"s, false, &odd), "A");
    EXPECT_TRUE(odd);
    EXPECT_EQ(Utf8ToUtf16("A中😀", false), "A\0\x2D\x4E\x3D\xD8\x00\xDE"s);
    EXPECT_EQ(Utf8ToUtf16("A中😀", true), "\0A\x4E\x2D\xD8\x3D\xDE\x00"s);
}

TEST(TextCodec, Windows1252BothWays)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    size_t lost = 0;
    EXPECT_EQ(Utf8ToWindows1252(utf8, lost), all); // every byte survives the round trip
    EXPECT_EQ(lost, 0u);
    EXPECT_EQ(Windows1252ToUtf8("\x80\x9F\xE9"), "€Ÿé");
    EXPECT_EQ(Utf8ToWindows1252("€中é", lost), "\x80?\xE9");
    EXPECT_EQ(lost, 1u);
}

TEST(TextCodec, IconvConversionCountsLossAndTruncation)
{
    CharsetConversion out;
    ASSERT_TRUE(ConvertCharset("\xD6\xD0\xFF\xCE", "CP936", "UTF-8", out));
    EXPECT_EQ(out.text, "中\xEF\xBF\xBD");
    EXPECT_EQ(out.lost, 1u);
    EXPECT_TRUE(out.truncated);
    ASSERT_TRUE(ConvertCharset("a中b", "UTF-8", "ISO-8859-1", out));
    EXPECT_EQ(out.text, "a?b");
    EXPECT_EQ(out.lost, 1u);
    EXPECT_FALSE(ConvertCharset("a", "NO-SUCH-CHARSET", "UTF-8", out));
}
