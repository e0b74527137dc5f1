// The widget gallery renders its dialog with the real skin images without failing.

#include "lumoui/MImage.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

TEST(Gallery, RendersEverySectionWithTheSkinImages)
{
    const std::string program = std::string(CLAVORA_BIN_DIR) + "/lumoui_gallery";
    ASSERT_TRUE(std::filesystem::exists(program)) << program;
    clavora::test::TempDir dir;
    const std::string shot = dir.File("gallery.png");
    // Fontconfig keeps its caches until the process ends; in sanitizer builds the gallery's
    // exit must not count them as leaks (the controls are leak-checked in this process).
    const std::string command = "LUMOUI_HEADLESS=1 ASAN_OPTIONS=detect_leaks=0 '" + program + "' --shot '" + shot
        + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    lumo::MImagePtr image = lumo::MImage::FromFile(shot);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->GetWidth(), 1280);
    // Every section shows skin pictures: look for the blue of the push buttons and the
    // slider track, and the orange of the section titles.
    auto count = [&](auto match, lumo::CRect area) {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                n += match(image->GetPixel(x, y)) ? 1 : 0;
            }
        }
        return n;
    };
    auto blue = [](lumo::ARGB c) { return (c & 0xFF) > 0xA0 && ((c >> 16) & 0xFF) < 0x40; };
    auto orange = [](lumo::ARGB c) { return ((c >> 16) & 0xFF) > 0xE0 && ((c >> 8) & 0xFF) > 0x60 && (c & 0xFF) < 0x40; };
    for (lumo::CRect section : { lumo::CRect(20, 20, 430, 440), lumo::CRect(450, 20, 860, 440) }) {
        EXPECT_GT(count(blue, section), 500) << section.left;
        EXPECT_GT(count(orange, section), 50) << section.left;
    }
    EXPECT_GT(count(orange, lumo::CRect(880, 20, 1260, 440)), 50);
}

} // namespace
