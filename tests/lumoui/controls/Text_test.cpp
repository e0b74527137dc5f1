#include "ControlTest.h"

#include "lumoui/MText.h"

using namespace lumo;
using lumotest::TestControl;

namespace {

class TextTest : public lumotest::ControlTest {
protected:
    MText* MakeText(const char* title, CRect rect = CRect(10, 10, 390, 50))
    {
        auto* t = Create<MText>("MText", 9, rect, title, 1);
        EXPECT_NE(t, nullptr);
        if (t) {
            t->SetFont("DejaVu Sans", 20, FontStyleBold);
            t->UpdateControl(true);
        }
        return t;
    }
    // Columns (x) in the rect's rows that show `colour` exactly.
    std::vector<int> ColumnsWith(ARGB colour, CRect rect)
    {
        std::vector<int> xs;
        for (int x = rect.left; x < rect.right; ++x) {
            for (int y = rect.top; y < rect.bottom; ++y) {
                if (Pixel(x, y) == colour) {
                    xs.push_back(x);
                    break;
                }
            }
        }
        return xs;
    }
    bool RowHasInk(int y, int from = 10, int to = 390)
    {
        ARGB back = ColorRefToARGB(0x130D09);
        for (int x = from; x < to; ++x) {
            if (Pixel(x, y) != back) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(TextTest, MarkIsFoundFromTheStartCharacter)
{
    struct Case {
        const char* title;
        const char* mark;
        int start;
        const char* before;
        const char* marked;
        const char* after;
    };
    const Case cases[] = {
        { "a-b-a", "a", 0, "", "a", "-b-a" },
        { "a-b-a", "a", 1, "a-b-", "a", "" },
        { "a-b-a", "c", 0, "a-b-a", "", "" },
        { "a-b-a", "", 0, "a-b-a", "", "" },
        { "a-b-a", "a", 9, "a-b-a", "", "" },
        // The start counts characters, not bytes.
        { "\xC3\xA4\xC3\xA4x\xC3\xA4", "\xC3\xA4", 2, "\xC3\xA4\xC3\xA4x", "\xC3\xA4", "" },
    };
    MText* t = MakeText("");
    for (const auto& c : cases) {
        t->SetTitleMarkText(c.title, c.mark, MText::kDefaultMarkColor, c.start);
        MText::Pieces p = t->SplitTitle();
        EXPECT_EQ(p.before, c.before) << c.title << " / " << c.mark << " / " << c.start;
        EXPECT_EQ(p.mark, c.marked) << c.title << " / " << c.mark << " / " << c.start;
        EXPECT_EQ(p.after, c.after) << c.title << " / " << c.mark << " / " << c.start;
    }
}

TEST_F(TextTest, MarkIsDrawnInItsColourBetweenThePlainPieces)
{
    MText* t = MakeText("");
    t->SetTextColor(0xFFFFFFFF);
    t->SetTitleMarkText("IIII####IIII", "####", 0xFFFF0000);
    Flush();
    std::vector<int> marked = ColumnsWith(0xFFFF0000, CRect(10, 10, 390, 50));
    std::vector<int> plain = ColumnsWith(0xFFFFFFFF, CRect(10, 10, 390, 50));
    ASSERT_FALSE(marked.empty());
    ASSERT_FALSE(plain.empty());
    EXPECT_LT(plain.front(), marked.front());
    EXPECT_GT(plain.back(), marked.back());
}

TEST_F(TextTest, AlignmentAndTheScrollBarWidth)
{
    MText* t = MakeText("IIII");
    t->SetTextColor(0xFFFFFFFF);
    t->SetAlignment(DT_RIGHT);
    Flush();
    std::vector<int> ink = ColumnsWith(0xFFFFFFFF, CRect(10, 10, 390, 50));
    ASSERT_FALSE(ink.empty());
    EXPECT_GT(ink.back(), 380);
    // A visible child with ID 1 is the label's scroll bar: the text makes room for it.
    t->AddChild(new TestControl(t, 1, CRect(), "", 1, 1), 1);
    t->UpdateControl(true);
    Flush();
    std::vector<int> moved = ColumnsWith(0xFFFFFFFF, CRect(10, 10, 390, 50));
    ASSERT_FALSE(moved.empty());
    EXPECT_EQ(ink.back() - moved.back(), MText::kScrollBarWidth);
}

TEST_F(TextTest, ScrollBarNotificationsStayInsideTheLabel)
{
    MText* t = MakeText("text");
    t->OnBaseMessage(1, NOTIFY_POSITION, 3, 0);
    EXPECT_TRUE(m_dlg->m_notes.empty());
    t->OnBaseMessage(2, NOTIFY_CLICK, 0, 0);
    EXPECT_EQ(Codes(2), std::vector<UINT> { NOTIFY_CLICK }) << "other children's notifications pass";
}

TEST_F(TextTest, BackgroundShadowAndIcon)
{
    MText* t = MakeText("IIII");
    t->SetTextColor(0xFFFFFFFF);
    t->EnableTextBack(true);
    Flush();
    EXPECT_EQ(Pixel(11, 11), MText::kDefaultBackColor);
    t->EnableTextBack(false);
    t->EnableShadow(true, 0xFF0000FF);
    Flush();
    EXPECT_FALSE(ColumnsWith(0xFF0000FF, CRect(10, 10, 390, 50)).empty()) << "the shadow shows beside the text";

    WriteStrip("icon.png", 16, 16, { 0xFF00FF00 });
    ASSERT_TRUE(t->SetImage("icon.png", 1));
    Flush();
    EXPECT_EQ(Pixel(10, 30), 0xFF00FF00u) << "the icon sits at the left edge, vertically centred";
    std::vector<int> ink = ColumnsWith(0xFFFFFFFF, CRect(10, 10, 390, 50));
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.front(), 10 + 16 + MText::kIconGap);
}

TEST_F(TextTest, MultiLineWrapsAndCentresOnlyWithVCenter)
{
    const char* longText = "word word word word word word word word word word word word";
    MText* t = MakeText(longText, CRect(10, 10, 150, 250));
    auto inkRows = [&] {
        std::pair<int, int> rows { -1, -1 };
        for (int y = 10; y < 250; ++y) {
            if (RowHasInk(y, 10, 150)) {
                rows.second = y;
                rows.first = rows.first < 0 ? y : rows.first;
            }
        }
        return rows;
    };
    Flush();
    auto [top, bottom] = inkRows();
    EXPECT_GT(top, 110) << "single line: one row, vertically centred";
    EXPECT_LT(bottom, 150);
    t->EnableMultiLine(true);
    Flush();
    std::tie(top, bottom) = inkRows();
    EXPECT_LT(top, 20) << "multi-line without v-centre starts at the top";
    EXPECT_GT(bottom - top, 60) << "and wraps onto further rows";
    t->EnableVCenter(true);
    Flush();
    std::tie(top, bottom) = inkRows();
    EXPECT_GT(top, 40) << "v-centred lines leave the top free";
    EXPECT_NEAR((top + bottom) / 2, 130, 8);
}

} // namespace
