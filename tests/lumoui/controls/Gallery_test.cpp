// The widget gallery renders each of its boards with the real skin images without failing,
// and each board shows its own sections where they belong.

#include "lumoui/MImage.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using Match = std::function<bool(lumo::ARGB)>;

int Channel(lumo::ARGB c, int shift)
{
    return static_cast<int>((c >> shift) & 0xFF);
}

// The exit status of the gallery run with `arguments` (headless).
int RunGallery(const std::string& arguments)
{
    const std::string program = std::string(CLAVORA_BIN_DIR) + "/lumoui_gallery";
    EXPECT_TRUE(std::filesystem::exists(program)) << program;
    // Fontconfig keeps its caches until the process ends; in sanitizer builds the gallery's
    // exit must not count them as leaks (the controls are leak-checked in this process).
    const std::string command = "LUMOUI_HEADLESS=1 ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" '" + program
        + "' " + arguments + " > /dev/null 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int Count(const lumo::MImage& image, lumo::CRect area, const Match& match)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            n += match(image.GetPixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

const Match kBlue = [](lumo::ARGB c) { return Channel(c, 0) > 0xA0 && Channel(c, 16) < 0x40; };
// The section titles.
const Match kOrange
    = [](lumo::ARGB c) { return Channel(c, 16) > 0xE0 && Channel(c, 8) > 0x60 && Channel(c, 0) < 0x40; };
// The marks on keys of the keyboard picture.
const Match kOutline = [](lumo::ARGB c) { return c == 0xFFFF7D00; };
// Saturated colours: the colour wheel.
const Match kVivid = [](lumo::ARGB c) {
    int hi = std::max({ Channel(c, 16), Channel(c, 8), Channel(c, 0) });
    int lo = std::min({ Channel(c, 16), Channel(c, 8), Channel(c, 0) });
    return hi - lo > 200;
};

struct Expect {
    const char* what;
    lumo::CRect area;
    Match match;
    int atLeast;
};

struct Board {
    int number;
    std::vector<Expect> expects;
};

TEST(Gallery, EveryBoardRendersItsSectionsWithTheSkinImages)
{
    const Board boards[] = {
        { 0,
            {
                { "button pictures", lumo::CRect(20, 50, 430, 440), kBlue, 500 },
                { "slider tracks", lumo::CRect(450, 50, 860, 440), kBlue, 500 },
                { "titles of the upper row", lumo::CRect(20, 20, 1260, 44), kOrange, 150 },
                { "title of the lower half", lumo::CRect(20, 460, 1260, 484), kOrange, 50 },
            } },
        { 1,
            {
                { "titles of the upper row", lumo::CRect(20, 20, 1260, 44), kOrange, 100 },
                { "the colour wheel", lumo::CRect(740, 50, 900, 200), kVivid, 3000 },
                { "title of the text fields", lumo::CRect(20, 460, 1260, 484), kOrange, 50 },
                { "the colour combo's colour", lumo::CRect(780, 666, 900, 696),
                    [](lumo::ARGB c) { return c == 0xFF007ACC; }, 1000 },
            } },
        { 2,
            {
                { "marked keys", lumo::CRect(20, 50, 1260, 400), kOutline, 4 * 100 },
                { "titles", lumo::CRect(20, 20, 1260, 464), kOrange, 100 },
            } },
    };
    clavora::test::TempDir dir;
    for (const Board& board : boards) {
        SCOPED_TRACE("board " + std::to_string(board.number));
        const std::string shot = dir.File("board" + std::to_string(board.number) + ".png");
        ASSERT_EQ(RunGallery("--board " + std::to_string(board.number) + " --shot '" + shot + "'"), 0);
        lumo::MImagePtr image = lumo::MImage::FromFile(shot);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->GetWidth(), 1280);
        EXPECT_EQ(image->GetHeight(), 900);
        for (const Expect& e : board.expects) {
            EXPECT_GE(Count(*image, e.area, e.match), e.atLeast) << e.what;
        }
    }
}

TEST(Gallery, RefusesABoardItDoesNotHave)
{
    EXPECT_EQ(RunGallery("--board 3"), 2);
    EXPECT_EQ(RunGallery("--board x"), 2);
}

} // namespace
