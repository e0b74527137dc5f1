// The keyboard viewer draws a shipped model's layout over its generated picture: key marks,
// the rubber band and painted colours land on the picture's key caps.

#include "lumoui/MImage.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace {

lumo::MImagePtr Shot(const clavora::test::TempDir& dir, const std::string& mode)
{
    const std::string program = std::string(CLAVORA_BIN_DIR) + "/lumoui_keyboard_view";
    EXPECT_TRUE(std::filesystem::exists(program)) << program;
    const std::string shot = dir.File("view" + mode + ".png");
    // The viewer's picture is what is looked at here. Its process keeps fontconfig's caches
    // until exit, which a leak checker of a sanitizer build would report as its result.
    const std::string command = "LUMOUI_HEADLESS=1 ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" '" + program
        + "' --mode " + mode + " --shot '" + shot + "' > /dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return lumo::MImage::FromFile(shot);
}

int Count(const lumo::MImage& image, lumo::CRect area, const std::function<bool(lumo::ARGB)>& match)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            n += match(image.GetPixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

int Channel(lumo::ARGB c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// Where the first model's description places its picture on the page.
constexpr lumo::CRect kPicture(340, 110, 1260, 390);

TEST(KeyboardView, SelectionMarksAndBandLieOnThePicture)
{
    clavora::test::TempDir dir;
    lumo::MImagePtr image = Shot(dir, "101");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->GetWidth(), 1280);
    auto orange = [](lumo::ARGB c) { return c == 0xFFFF7D00; };
    auto green = [](lumo::ARGB c) { return c == 0xFF4CFF29; };
    // Eight marked keys (WASD, Enter and the arrows) of about 140 outline pixels each.
    EXPECT_GT(Count(*image, kPicture, orange), 8 * 100);
    EXPECT_GT(Count(*image, kPicture, green), 100);
    EXPECT_EQ(Count(*image, lumo::CRect(0, 0, 1280, 100), orange), 0) << "nothing above the picture";
}

TEST(KeyboardView, CustomColoursOutlineEveryKey)
{
    clavora::test::TempDir dir;
    lumo::MImagePtr image = Shot(dir, "103");
    ASSERT_TRUE(image);
    auto vivid = [](lumo::ARGB c) {
        int hi = std::max({ Channel(c, 16), Channel(c, 8), Channel(c, 0) });
        int lo = std::min({ Channel(c, 16), Channel(c, 8), Channel(c, 0) });
        return hi - lo > 200;
    };
    EXPECT_GT(Count(*image, kPicture, vivid), 90 * 100);
}

} // namespace
