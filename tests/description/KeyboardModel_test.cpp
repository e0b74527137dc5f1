#include "description/KeyboardModel.h"
#include "description/NumberText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace clavora {
namespace {

TEST(NumberText, HexStopsAtTheFirstNonDigit)
{
    struct Case {
        const char* text;
        int32_t value;
    };
    const Case cases[] = {
        { "", 0 }, { "xyz", 0 }, { "E0", 224 }, { "e0", 224 }, { "  42", 0x42 }, { "-7", -7 }, { "+9", 9 },
        { "12ab", 0x12AB }, { "12g4", 0x12 }, { "0x1F", 0x1F }, { "0X1f", 0x1F }, { "0x", 0 }, { "0xZ", 0 },
        { "C1A0", 0xC1A0 }, { "7FFFFFFF", INT32_MAX }, { "FFFFFFFFFFFF", INT32_MAX }, { "-80000000", INT32_MIN },
        { "-FFFFFFFFFFFF", INT32_MIN },
    };
    for (const Case& c : cases)
        EXPECT_EQ(HexToInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(KeyboardModel, RowColPicksFirstCharacterAndLastOneOrTwo)
{
    struct Case {
        const char* text;
        std::optional<GridCell> cell;
    };
    const Case cases[] = {
        { "2,5", GridCell { 2, 5 } }, { "2,15", GridCell { 2, 15 } },
        { "12,3", GridCell { 1, 0 } }, // the column is read from ",3"
        { "7,31", GridCell { 7, 31 } }, { "9,40", GridCell { 9, 40 } }, { "5", GridCell { 5, 5 } },
        { "x,y", GridCell { 0, 0 } }, { "", std::nullopt },
    };
    for (const Case& c : cases) {
        auto cell = ParseRowCol(c.text);
        ASSERT_EQ(cell.has_value(), c.cell.has_value()) << c.text;
        if (cell) {
            EXPECT_EQ(cell->row, c.cell->row) << c.text;
            EXPECT_EQ(cell->column, c.cell->column) << c.text;
        }
    }
}

TEST(KeyboardModel, RectIsLeftTopWidthHeight)
{
    EXPECT_EQ(ParseKeyRect("10#20#30#40"), lumo::CRect(10, 20, 40, 60));
    EXPECT_EQ(ParseKeyRect(""), lumo::CRect());
    EXPECT_EQ(ParseKeyRect("10#20"), lumo::CRect(10, 20, 10, 20));
    EXPECT_EQ(ParseKeyRect("#5##7"), lumo::CRect(0, 5, 0, 12));
    EXPECT_EQ(ParseKeyRect("1#2#3#4#5"), lumo::CRect(1, 2, 4, 6));
    EXPECT_EQ(ParseKeyRect("2147483647#0#10#10"), lumo::CRect(INT32_MAX, 0, INT32_MAX, 10));
}

TEST(KeyboardModel, LookupsOutsideTheLayoutFindNothing)
{
    KeyboardModel model;
    model.keyIndexMap[4] = 17;
    model.keyGrid[2 * kGridColumns + 5] = 4;
    EXPECT_EQ(model.KeyIndexOf(4), 17);
    EXPECT_EQ(model.KeyIndexOf(5), -1);
    EXPECT_EQ(model.GridAt(2, 5), 4);
    EXPECT_EQ(model.GridAt(0, 0), kNoKeyInCell);
    EXPECT_EQ(model.GridAt(8, 0), kNoKeyInCell);
    EXPECT_EQ(model.GridAt(0, 32), kNoKeyInCell);
    EXPECT_EQ(model.GridAt(-1, 3), kNoKeyInCell);
    EXPECT_EQ(model.menuFlags, 0x7F);
}

} // namespace
} // namespace clavora
