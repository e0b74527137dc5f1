#include "LumoTest.h"

#include "lumoui/MRender.h"

using namespace lumo;

namespace {

class MRenderTest : public lumotest::LumoTest {
protected:
    ARGB Pixel(const MemDC& dc, int x, int y)
    {
        dc.Flush();
        uint32_t p = dc.Bits()[y * dc.Stride() / 4 + x];
        return p; // tests below draw opaque colours only
    }
};

// A 30 x 30 picture: red 10 x 10 corners, green edges, blue centre.
uint32_t NineGridPixel(int x, int y)
{
    bool edgeX = x < 10 || x >= 20;
    bool edgeY = y < 10 || y >= 20;
    return edgeX && edgeY ? 0xFFFF0000u : (edgeX || edgeY) ? 0xFF00FF00u : 0xFF0000FFu;
}

TEST_F(MRenderTest, NineGridKeepsCornersAndStretchesEdgesAndCentre)
{
    MImagePtr img = MImage::FromFile(WriteSkinPng("grid.png", 30, 30, NineGridPixel));
    ASSERT_TRUE(img);
    MemDC dc;
    ASSERT_TRUE(dc.Create(100, 60));
    MRender::DrawImageFrame(dc.GetDC(), img.get(), CRect(0, 0, 100, 60), 0, 0, 30, 30, 10);
    struct Case {
        int x, y;
        ARGB want;
    } cases[] = {
        { 0, 0, 0xFFFF0000 }, { 9, 9, 0xFFFF0000 }, { 90, 50, 0xFFFF0000 }, { 99, 59, 0xFFFF0000 },
        { 10, 0, 0xFF00FF00 }, { 89, 9, 0xFF00FF00 }, { 0, 30, 0xFF00FF00 }, { 95, 49, 0xFF00FF00 },
        { 10, 10, 0xFF0000FF }, { 50, 30, 0xFF0000FF }, { 89, 49, 0xFF0000FF },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Pixel(dc, c.x, c.y), c.want) << c.x << "," << c.y;
    }
}

TEST_F(MRenderTest, SlicesOfAStripDoNotBleedIntoEachOther)
{
    // Two 10 x 10 slices: red, then green; the red slice stretched 5x must stay pure red.
    MImagePtr img = MImage::FromFile(WriteSkinPng("strip.png", 20, 10, [](int x, int) -> uint32_t {
        return x < 10 ? 0xFFFF0000u : 0xFF00FF00u;
    }));
    ASSERT_TRUE(img);
    MemDC dc;
    ASSERT_TRUE(dc.Create(50, 50));
    MRender::DrawImage(dc.GetDC(), img.get(), CRect(0, 0, 50, 50), 0, 0, 10, 10);
    EXPECT_EQ(Pixel(dc, 49, 25), 0xFFFF0000u);
    EXPECT_EQ(Pixel(dc, 25, 49), 0xFFFF0000u);
}

TEST_F(MRenderTest, TextIsDrawnInsideItsRectOnly)
{
    MemDC dc;
    ASSERT_TRUE(dc.Create(200, 40));
    MRender::FillSolidRect(dc.GetDC(), CRect(0, 0, 200, 40), 0xFF000000);
    MFont font { "Arial", 20, FontStyleRegular };
    // Clipped to a 30-pixel-wide box: nothing may appear to its right.
    MRender::DrawTextW(dc.GetDC(), "WWWWWWWWWW", font, CRect(0, 0, 30, 40), 0xFFFFFFFF,
        StringFormat::FromDT(DT_LEFT, DT_VCENTER, StringFormatFlagsNoWrap));
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            bool lit = (Pixel(dc, x, y) & 0xFFFFFF) != 0;
            (x < 30 ? inside : outside) += lit;
        }
    }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
}

TEST_F(MRenderTest, TextMeasureGrowsWithTextAndWraps)
{
    MFont font { "Arial", 14, FontStyleRegular };
    CSize one = MRender::GetTextBounds("Hello", font);
    CSize two = MRender::GetTextBounds("Hello Hello", font);
    EXPECT_GT(one.cx, 10);
    EXPECT_GT(two.cx, one.cx);
    EXPECT_EQ(one.cy, two.cy);
    CSize wrapped = MRender::GetTextBounds("Hello Hello Hello Hello", font, 60, 0);
    EXPECT_LE(wrapped.cx, 60);
    EXPECT_GE(wrapped.cy, 2 * one.cy);
    MFont bold = font;
    bold.style = FontStyleBold;
    EXPECT_GE(MRender::GetTextBounds("Hello", bold).cx, one.cx);
    EXPECT_EQ(MRender::GetTextBounds("", font), CSize(0, 0));
}

TEST_F(MRenderTest, CentredTextIsCentred)
{
    MemDC dc;
    ASSERT_TRUE(dc.Create(200, 40));
    MRender::FillSolidRect(dc.GetDC(), CRect(0, 0, 200, 40), 0xFF000000);
    MRender::DrawTextW(dc.GetDC(), "iii", MFont { "Arial", 16, 0 }, CRect(0, 0, 200, 40), 0xFFFFFFFF,
        StringFormat::FromDT(DT_CENTER, DT_VCENTER, StringFormatFlagsNoWrap));
    int minX = 200;
    int maxX = -1;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            if ((Pixel(dc, x, y) & 0xFFFFFF) != 0) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
        }
    }
    ASSERT_GE(maxX, 0);
    EXPECT_NEAR((minX + maxX) / 2.0, 100.0, 3.0);
}

TEST_F(MRenderTest, FilledRoundRectangleLeavesTheCornersAlone)
{
    MemDC dc;
    ASSERT_TRUE(dc.Create(40, 40));
    MRender::DrawRoundRectange(dc.GetDC(), 0, 0, 40, 40, 2, 0xFFFFFFFF, 1.0f, true, 0xFF0000FF);
    EXPECT_EQ(Pixel(dc, 0, 0), 0u);
    EXPECT_EQ(Pixel(dc, 20, 20), 0xFF0000FFu);
    EXPECT_EQ(Pixel(dc, 20, 0) & 0xFFFFFF, 0xFFFFFFu) << "outline at the top edge";
}

TEST_F(MRenderTest, FillSolidRectReplacesAlpha)
{
    MemDC dc;
    ASSERT_TRUE(dc.Create(4, 4));
    MRender::FillSolidRect(dc.GetDC(), CRect(0, 0, 4, 4), 0xFFFFFFFF);
    MRender::FillSolidRect(dc.GetDC(), CRect(1, 1, 3, 3), 0x00000000);
    EXPECT_EQ(Pixel(dc, 1, 1), 0u);
    EXPECT_EQ(Pixel(dc, 0, 0), 0xFFFFFFFFu);
}

} // namespace
