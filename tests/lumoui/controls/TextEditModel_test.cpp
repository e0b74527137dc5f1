#include "lumoui/TextEditModel.h"

#include <gtest/gtest.h>

using lumo::TextEditModel;
using Move = TextEditModel::Move;

namespace {

// "añb中😀c" with a decomposed accent (n + U+0303) and a four-byte emoji.
const std::string kMixed = "an\u0303b\u4E2D\U0001F600c";

TEST(TextEditModel, CaretStepsOverWholeCharactersOfMultiByteText)
{
    TextEditModel m;
    m.SetText(kMixed);
    m.MoveCaret(Move::Start, false);
    std::vector<size_t> stops { 0 };
    for (int i = 0; i < 8; ++i) {
        m.MoveCaret(Move::Right, false);
        stops.push_back(m.GetCaret());
    }
    // The combining tilde travels with its n; the emoji is one step of four bytes.
    EXPECT_EQ(stops, (std::vector<size_t> { 0, 1, 4, 5, 8, 12, 13, 13, 13 }));
    for (size_t i = stops.size() - 3; i > 0; --i) {
        m.MoveCaret(Move::Left, false);
        EXPECT_EQ(m.GetCaret(), stops[i - 1]);
    }
}

TEST(TextEditModel, SelectionAcrossMultiByteTextAndCodePointIndexes)
{
    TextEditModel m;
    m.SetText(kMixed);
    m.SetSel(3, 5); // b and 中
    EXPECT_EQ(m.GetSelectedText(), "b\u4E2D");
    int start = 0;
    int end = 0;
    m.GetSel(start, end);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 5);
    // Shift+Right extends from the caret; Left without Shift collapses to the start.
    m.MoveCaret(Move::Right, true);
    EXPECT_EQ(m.GetSelectedText(), "b\u4E2D\U0001F600");
    m.MoveCaret(Move::Left, false);
    EXPECT_FALSE(m.HasSelection());
    EXPECT_EQ(m.GetCaret(), 4u);
    // An index inside a cluster snaps to its start; -1 means the end.
    m.SetSel(2, -1);
    EXPECT_EQ(m.GetAnchor(), 1u);
    EXPECT_EQ(m.GetCaret(), kMixed.size());
    EXPECT_EQ(m.Length(), 7);
}

TEST(TextEditModel, BackspaceAndDeleteRemoveWholeCharacters)
{
    TextEditModel m;
    m.SetText(kMixed);
    EXPECT_TRUE(m.Backspace());
    EXPECT_TRUE(m.Backspace()); // the emoji, all four bytes
    EXPECT_EQ(m.GetText(), "an\u0303b\u4E2D");
    m.MoveCaret(Move::Start, false);
    m.MoveCaret(Move::Right, false);
    EXPECT_TRUE(m.Delete()); // n with its accent
    EXPECT_EQ(m.GetText(), "ab\u4E2D");
    m.MoveCaret(Move::Start, false);
    EXPECT_FALSE(m.Backspace());
    m.MoveCaret(Move::End, false);
    EXPECT_FALSE(m.Delete());
}

TEST(TextEditModel, WordMovesAndWordDeletes)
{
    TextEditModel m;
    m.SetText("alpha beta, gamma");
    m.MoveCaret(Move::WordLeft, false);
    EXPECT_EQ(m.GetCaret(), 12u);
    m.MoveCaret(Move::WordLeft, false);
    EXPECT_EQ(m.GetCaret(), 6u);
    m.MoveCaret(Move::WordRight, false);
    EXPECT_EQ(m.GetCaret(), 12u);
    EXPECT_TRUE(m.Backspace(true));
    EXPECT_EQ(m.GetText(), "alpha gamma");
    m.MoveCaret(Move::Start, false);
    EXPECT_TRUE(m.Delete(true));
    EXPECT_EQ(m.GetText(), "gamma");
}

TEST(TextEditModel, InsertFollowsTheRules)
{
    struct Case {
        const char* name;
        int limit;
        bool digits;
        bool multi;
        std::string start;
        std::string typed;
        std::string expect;
    };
    const Case cases[] = {
        { "limit cuts what does not fit", 5, false, false, "abc", "defg", "abcde" },
        { "limit counts characters, not bytes", 3, false, false, "", "中文字体", "中文字" },
        { "full field takes nothing", 3, false, false, "abc", "d", "abc" },
        { "digits only takes digits", 0, true, false, "1", "23", "123" },
        { "digits only refuses mixed text whole", 0, true, false, "1", "2a3", "1" },
        { "single line stops at a line break", 0, false, false, "", "one\r\ntwo", "one" },
        { "control characters are dropped", 0, false, false, "", "a\001b\177c", "abc" },
        { "multi-line keeps breaks as LF", 0, false, true, "", "one\r\ntwo\rthree", "one\ntwo\nthree" },
        { "broken UTF-8 becomes a replacement", 0, false, false, "", "a\377b", "a\uFFFDb" },
    };
    for (const Case& c : cases) {
        TextEditModel m;
        m.SetLimit(c.limit);
        m.SetNumberOnly(c.digits);
        m.SetMultiLine(c.multi);
        m.SetText(c.start);
        m.Insert(c.typed);
        EXPECT_EQ(m.GetText(), c.expect) << c.name;
        EXPECT_EQ(m.GetCaret(), m.GetText().size()) << c.name;
    }
}

TEST(TextEditModel, InsertReplacesTheSelectionAndTheLimitCountsWhatItFrees)
{
    TextEditModel m;
    m.SetLimit(5);
    m.SetText("12345");
    m.SetSel(1, 3);
    EXPECT_TRUE(m.Insert("abcdef"));
    EXPECT_EQ(m.GetText(), "1ab45");
    EXPECT_EQ(m.GetCaret(), 3u);
}

TEST(TextEditModel, ReadOnlyRefusesEveryChangeButKeepsSelecting)
{
    TextEditModel m;
    m.SetText("fixed");
    m.SetReadOnly(true);
    m.SelectAll();
    EXPECT_FALSE(m.Insert("x"));
    EXPECT_FALSE(m.Backspace());
    EXPECT_FALSE(m.Delete());
    EXPECT_FALSE(m.DeleteSelection());
    EXPECT_EQ(m.GetText(), "fixed");
    EXPECT_EQ(m.GetSelectedText(), "fixed");
}

} // namespace
