#include "WidgetTest.h"

#include "lumoui/CArea.h"

using namespace lumo;
using lumotest::ColorNear;
using lumotest::TestControl;

namespace {

class CAreaTest : public lumotest::WidgetTest {
protected:
    // An area of 100 x 100 at (10, 10) over opaque black.
    CArea* AreaOverBlack()
    {
        Open();
        m_dlg->Add(1, CRect(0, 0, 200, 200))->m_fill = 0xFF000000;
        auto* area = Create<CArea>("CArea", 2, CRect(10, 10, 110, 110));
        Pm().Invalidate();
        return area;
    }
    static ARGB Grey(int v) { return MakeARGB(0xFF, v, v, v); }
};

TEST_F(CAreaTest, RowAlphaRunsFromTheTopTransparencyTowardsTheBottomOne)
{
    struct Case {
        int top, bottom, row, rows, alpha;
    } cases[] = {
        { 80, 80, 0, 50, 51 }, // the default: a 20 % veil
        { 80, 80, 49, 50, 51 },
        { 50, 50, 0, 10, 127 }, // e = 128, f = 127: the step never adds a whole unit
        { 50, 50, 9, 10, 127 },
        { 20, 60, 0, 100, 204 }, // t < b: from e down
        { 20, 60, 50, 100, 153 },
        { 20, 60, 99, 100, 103 },
        { 60, 20, 0, 100, 102 }, // t > b: from f up
        { 60, 20, 99, 100, 202 },
        { 0, 100, 9, 10, 25 },
    };
    for (const auto& k : cases) {
        EXPECT_EQ(CArea::RowAlpha(k.top, k.bottom, k.row, k.rows), k.alpha)
            << k.top << "/" << k.bottom << " row " << k.row << " of " << k.rows;
    }
}

TEST_F(CAreaTest, BlendsTheColourRowByRowOverWhatIsBelow)
{
    CArea* area = AreaOverBlack();
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(area->GetRresponse()) << "presses reach the window under an area";
    EXPECT_TRUE(ColorNear(Pixel(50, 10), Grey(51))) << "the default area is a 20 % white veil";
    EXPECT_TRUE(ColorNear(Pixel(50, 109), Grey(51)));
    EXPECT_EQ(Pixel(50, 5), 0xFF000000u) << "nothing outside the area";

    area->SetTransparent(50, 50, RGB(0, 255, 0));
    EXPECT_TRUE(ColorNear(Pixel(20, 20), 0xFF007F00u)) << "a uniform 50 % blend";
    EXPECT_TRUE(ColorNear(Pixel(100, 100), 0xFF007F00u));

    area->SetTransparent(20, 60, RGB(255, 255, 255));
    EXPECT_TRUE(ColorNear(Pixel(50, 10), Grey(204)));
    EXPECT_TRUE(ColorNear(Pixel(50, 60), Grey(153)));
    EXPECT_TRUE(ColorNear(Pixel(50, 109), Grey(103)));
}

TEST_F(CAreaTest, NoTransparencyIsAnOpaqueFillWithAnOptionalFrame)
{
    CArea* area = AreaOverBlack();
    area->SetTransparent(0, 0, RGB(255, 0, 0));
    EXPECT_EQ(Pixel(10, 10), 0xFFFF0000u);
    EXPECT_EQ(Pixel(60, 60), 0xFFFF0000u);
    area->SetFrame(true, 0xFF112233, 7);
    EXPECT_EQ(Pixel(10, 10), 0xFF112233u);
    EXPECT_EQ(Pixel(109, 60), 0xFF112233u);
    EXPECT_EQ(Pixel(11, 11), 0xFFFF0000u);

    area->SetTransparent(50, 50, RGB(255, 0, 0));
    EXPECT_TRUE(ColorNear(Pixel(10, 10), 0xFF7F0000u)) << "the frame belongs to the opaque look only";
}

TEST_F(CAreaTest, TransparenciesOutsideAPercentAreClamped)
{
    CArea area(nullptr, 1, CRect(0, 0, 10, 10), 1, 1);
    area.SetTransparent(-20, 150, RGB(1, 2, 3));
    EXPECT_EQ(area.GetTopTransparent(), 0);
    EXPECT_EQ(area.GetBottomTransparent(), 100);
    EXPECT_EQ(area.GetColor(), RGB(1, 2, 3));
}

} // namespace
