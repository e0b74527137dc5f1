// Where generated pictures land, and that pictures a later run no longer draws are removed.

#include "AssetWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace clavora::test {
namespace {

namespace fs = std::filesystem;

TEST(AssetWriter, WritesIntoTheSkinFolderAndMirrorsTheApplicationFolders)
{
    TempDir app;
    assets::AssetWriter out(app.Path().string());
    const assets::Canvas canvas(4, 4);
    out.Png("btn.png", canvas);
    out.Png("icon/i.png", canvas);
    out.Png("keyboard/k.png", canvas);
    EXPECT_TRUE(out.Ok());
    EXPECT_EQ(out.WrittenCount(), 3);
    EXPECT_TRUE(fs::exists(app.File("skins/theme1/btn.png")));
    EXPECT_FALSE(fs::exists(app.File("btn.png")));
    EXPECT_TRUE(fs::exists(app.File("skins/theme1/icon/i.png")));
    EXPECT_TRUE(fs::exists(app.File("icon/i.png")));
    EXPECT_TRUE(fs::exists(app.File("keyboard/k.png")));
    EXPECT_FALSE(fs::exists(app.File("skins/theme1/btn.png.part")));
}

TEST(AssetWriter, PicturesNoLongerDrawnAreRemovedAndNothingOutsideIsTouched)
{
    TempDir app;
    TempDir build;
    const std::string manifest = build.File("assets.manifest");
    const assets::Canvas canvas(2, 2);
    {
        assets::AssetWriter first(app.Path().string());
        first.Png("kept.png", canvas);
        first.Png("icon/dropped.png", canvas);
        first.RemoveStale(manifest);
        ASSERT_TRUE(first.Ok());
    }
    const std::string outside = build.Write("outside.txt", "keep me");
    {
        std::ofstream append(manifest, std::ios::app);
        append << "../" << fs::path(build.Path()).filename().string() << "/outside.txt\n" << outside << "\n";
    }
    assets::AssetWriter second(app.Path().string());
    second.Png("kept.png", canvas);
    second.RemoveStale(manifest);
    EXPECT_TRUE(second.Ok());
    EXPECT_TRUE(fs::exists(app.File("skins/theme1/kept.png")));
    EXPECT_FALSE(fs::exists(app.File("skins/theme1/icon/dropped.png")));
    EXPECT_FALSE(fs::exists(app.File("icon/dropped.png")));
    EXPECT_TRUE(fs::exists(outside));
    EXPECT_EQ(ReadFileBytes(manifest), "skins/theme1/kept.png\n");
}

TEST(AssetWriter, UnwritableFolderIsReported)
{
    TempDir app;
    app.Write("skins", "a file where the folder should be");
    assets::AssetWriter out(app.Path().string());
    out.Png("btn.png", assets::Canvas(2, 2));
    EXPECT_FALSE(out.Ok());
    EXPECT_EQ(out.WrittenCount(), 0);
}

} // namespace
} // namespace clavora::test
