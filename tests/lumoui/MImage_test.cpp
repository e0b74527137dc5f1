#include "LumoTest.h"

#include "lumoui/MImage.h"
#include "lumoui/MRender.h"

#include <fstream>
#include <iterator>

using namespace lumo;

namespace {

std::string DataFile(const std::string& name) { return std::string(CLAVORA_TEST_DATA_DIR) + "/lumoui/" + name; }

class MImageTest : public lumotest::LumoTest { };

TEST_F(MImageTest, PngPixelsKeepTheirColourThroughPremultiplication)
{
    std::string path = WriteSkinPng("half.png", 4, 2, [](int x, int) -> uint32_t {
        return x < 2 ? 0xFF102030u : 0x80FF8040u;
    });
    MImagePtr img = MImage::FromFile(path);
    ASSERT_TRUE(img);
    EXPECT_EQ(img->GetSize(), CSize(4, 2));
    EXPECT_EQ(img->GetFrameCount(), 1);
    EXPECT_EQ(img->GetPixel(0, 0), 0xFF102030u);
    ARGB half = img->GetPixel(3, 1);
    EXPECT_EQ(half >> 24, 0x80u);
    EXPECT_NEAR(static_cast<int>((half >> 16) & 0xFF), 0xFF, 1);
    EXPECT_NEAR(static_cast<int>((half >> 8) & 0xFF), 0x80, 2);
    EXPECT_NEAR(static_cast<int>(half & 0xFF), 0x40, 2);
    EXPECT_EQ(img->GetPixel(4, 0), 0u) << "outside";
}

TEST_F(MImageTest, AnimatedGifGivesEveryFrameWithItsDelay)
{
    MImagePtr img = MImage::FromFile(DataFile("three_frames.gif"));
    ASSERT_TRUE(img);
    ASSERT_EQ(img->GetFrameCount(), 3);
    EXPECT_EQ(img->GetFrameDelay(1), 50);
    EXPECT_EQ(img->GetPixel(0, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(img->GetPixel(0, 0, 1), 0xFF00FF00u);
    EXPECT_EQ(img->GetPixel(5, 3, 2), 0xFF0000FFu);
    EXPECT_EQ(img->GetSurface(3), nullptr);
}

TEST_F(MImageTest, IconFilesDecode)
{
    MImagePtr img = MRender::LoadIconFromFile(DataFile("small_green.ico"));
    ASSERT_TRUE(img);
    EXPECT_EQ(img->GetSize(), CSize(16, 16));
    EXPECT_EQ(img->GetPixel(8, 8), 0xFF00FF00u);
}

TEST_F(MImageTest, MissingOrBrokenFilesGiveNull)
{
    EXPECT_FALSE(MImage::FromFile(SkinFolder() + "nothing.png"));
    EXPECT_FALSE(MImage::FromFile(""));
    m_dir.Write("skins/theme1/broken.png", "\x89PNG\r\n\x1a\n garbage");
    EXPECT_FALSE(MImage::FromFile(SkinFolder() + "broken.png"));
    EXPECT_FALSE(MImage::Create(0, 5));
}

TEST_F(MImageTest, TruncatedGifsDecodeWhatIsThereOrNothing)
{
    std::ifstream in(DataFile("three_frames.gif"), std::ios::binary);
    std::string gif((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t cut : { size_t(3), size_t(13), gif.size() / 2, gif.size() - 2 }) {
        std::string path = m_dir.Write("cut.gif", gif.substr(0, cut));
        MImagePtr img = MImage::FromFile(path);
        if (img) {
            EXPECT_LE(img->GetFrameCount(), 3) << cut;
            EXPECT_EQ(img->GetSize(), CSize(6, 4)) << cut;
        }
    }
}

TEST_F(MImageTest, ResourcesAreNumberedFilesInTheSkinFolder)
{
    WriteSkinPng("res/102.png", 8, 2, [](int, int) -> uint32_t { return 0xFF0000FFu; });
    MImagePtr img = MRender::LoadImageFromIDResource(102);
    ASSERT_TRUE(img);
    EXPECT_EQ(img->GetWidth(), 8);
    EXPECT_FALSE(MRender::LoadImageFromIDResource(101));
}

} // namespace

#include "lumoui/MImageList.h"

namespace {

TEST_F(MImageTest, ImageListInsertsAtValidIndexesOnly)
{
    std::string a = WriteSkinPng("a.png", 40, 10, [](int x, int) -> uint32_t { return x < 10 ? 0xFFFF0000u : 0xFF00FF00u; });
    std::string b = WriteSkinPng("b.png", 8, 8, [](int, int) -> uint32_t { return 0xFF0000FFu; });
    MImageList list;
    EXPECT_EQ(list.AddImage(a, 11, 4), 0);
    EXPECT_EQ(list.InsertImage(-1, b, 12, 1), 1);
    EXPECT_EQ(list.InsertImage(0, b, 13, 1), 0);
    EXPECT_EQ(list.InsertImage(5, b, 14, 1), -1);
    EXPECT_EQ(list.InsertImage(-2, b, 14, 1), -1);
    EXPECT_EQ(list.InsertImage(0, "", 14, 1), -1);
    EXPECT_EQ(list.AddImage(SkinFolder() + "missing.png", 15, 1), -1);
    EXPECT_EQ(list.GetImageCount(), 3);
    EXPECT_EQ(list.GetImagePathByID(11), a);
    EXPECT_EQ(list.GetItemImageData(1)->sliceWidth, 10);
    EXPECT_FALSE(list.GetItemImageData(3));

    MemDC dc;
    ASSERT_TRUE(dc.Create(20, 20));
    list.DrawItemIcon(dc.GetDC(), CRect(0, 0, 20, 20), 1);
    dc.Flush();
    EXPECT_EQ(dc.Bits()[19 * dc.Stride() / 4 + 19], 0xFFFF0000u) << "only the first slice, scaled";
    list.DrawItemIcon(dc.GetDC(), CRect(0, 0, 20, 20), 9);
    list.DelAllImages();
    EXPECT_EQ(list.GetImageCount(), 0);
}

} // namespace
