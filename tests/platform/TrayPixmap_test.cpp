#include "platform/TrayPixmap.h"

#include "PngFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

TEST(TrayPixmap, PixelsBecomeBigEndianArgb)
{
    test::TempDir dir;
    std::string rgba = test::WritePng(dir.File("rgba.png"), 2, 1, { 255, 0, 0, 255, 0, 0, 255, 128 }, true);
    std::optional<TrayPixmap> pixmap = LoadTrayPixmap(rgba);
    ASSERT_TRUE(pixmap);
    EXPECT_EQ(pixmap->width, 2);
    EXPECT_EQ(pixmap->height, 1);
    EXPECT_EQ(pixmap->argb, (std::vector<uint8_t> { 255, 255, 0, 0, 128, 0, 0, 255 }));

    // Without an alpha channel every pixel is opaque.
    std::string rgb = test::WritePng(dir.File("rgb.png"), 1, 1, { 1, 2, 3 }, false);
    pixmap = LoadTrayPixmap(rgb);
    ASSERT_TRUE(pixmap);
    EXPECT_EQ(pixmap->argb, (std::vector<uint8_t> { 255, 1, 2, 3 }));
}

TEST(TrayPixmap, LargePicturesAreScaledDownKeepingTheirShape)
{
    test::TempDir dir;
    std::string big = test::WritePng(dir.File("big.png"), 600, 300, std::vector<uint8_t>(600 * 300 * 4, 200), true);
    std::optional<TrayPixmap> pixmap = LoadTrayPixmap(big);
    ASSERT_TRUE(pixmap);
    EXPECT_EQ(pixmap->width, kTrayPixmapMaxSide);
    EXPECT_EQ(pixmap->height, kTrayPixmapMaxSide / 2);
    EXPECT_EQ(pixmap->argb.size(), size_t(kTrayPixmapMaxSide * kTrayPixmapMaxSide / 2 * 4));
}

TEST(TrayPixmap, MissingOrBrokenFilesGiveNothing)
{
    test::TempDir dir;
    EXPECT_FALSE(LoadTrayPixmap(""));
    EXPECT_FALSE(LoadTrayPixmap(dir.File("missing.png")));
    EXPECT_FALSE(LoadTrayPixmap(dir.Write("broken.png", "\x89PNG\r\n\x1a\nnot really")));
}

} // namespace
} // namespace clavora
