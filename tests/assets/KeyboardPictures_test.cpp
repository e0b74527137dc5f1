// Keyboard pictures: one per shipped layout, and every cap inside its key rectangle so the
// outlines the keyboard control draws on the rectangle's edge fall on the case, not the cap.

#include "AssetFiles.h"
#include "KeyboardPictures.h"
#include "profiles/XmlDocument.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace clavora::test {
namespace {

using assets::KeyboardLayout;
using assets::LayoutKey;

const std::string kFixture = std::string(CLAVORA_TEST_DATA_DIR) + "/assets/layouts/mini.xml";

struct Pixel {
    int r, g, b, a;
};

class Picture {
public:
    explicit Picture(const assets::Canvas& canvas) : m_width(canvas.Width()), m_rgba(canvas.StraightRgba()) {}

    Pixel At(int x, int y) const
    {
        const uint8_t* p = &m_rgba[(static_cast<size_t>(y) * m_width + x) * 4];
        return {p[0], p[1], p[2], p[3]};
    }

private:
    int m_width;
    std::vector<uint8_t> m_rgba;
};

int Distance(Pixel a, Pixel b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b), std::abs(a.a - b.a)});
}

TEST(KeyboardPictures, EveryShippedLayoutHasItsPictureAtItsSize)
{
    namespace fs = std::filesystem;
    const fs::path layouts = fs::path(CLAVORA_SOURCE_DIR) / "data" / "layouts";
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(layouts)) {
        if (entry.path().extension() != ".xml")
            continue;
        XmlDocument doc;
        ASSERT_TRUE(doc.Load(entry.path().string())) << entry.path();
        ASSERT_TRUE(doc.FindElem("device.info") && doc.IntoElem() && doc.FindElem("Keyboard")) << entry.path();
        const std::string image = doc.GetAttrib("image");
        for (const std::string& folder : {std::string(CLAVORA_BIN_DIR) + "/skins/theme1/keyboard/",
                                          std::string(CLAVORA_BIN_DIR) + "/keyboard/"}) {
            int width = 0;
            int height = 0;
            ASSERT_TRUE(DecodeImage(folder + image, width, height)) << folder + image;
            EXPECT_EQ(width, std::stoi(doc.GetAttrib("width"))) << image;
            EXPECT_EQ(height, std::stoi(doc.GetAttrib("height"))) << image;
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST(KeyboardPictures, FixtureLayoutKeepsOnlyWellFormedKeys)
{
    KeyboardLayout layout;
    std::string error;
    ASSERT_TRUE(assets::ReadKeyboardLayout(kFixture, layout, error)) << error;
    EXPECT_EQ(layout.width, 200);
    EXPECT_EQ(layout.height, 100);
    EXPECT_EQ(layout.image, "mini.png");
    ASSERT_EQ(layout.keys.size(), 3u);
    EXPECT_EQ(layout.keys[1].name, "A & B");
    EXPECT_EQ(layout.keys[2].x, 100);
    EXPECT_EQ(layout.keys[2].width, 80);
}

TEST(KeyboardPictures, CapsLeaveTheOutlineBandOnTheRectangleEdgeToTheCase)
{
    KeyboardLayout layout;
    std::string error;
    ASSERT_TRUE(assets::ReadKeyboardLayout(kFixture, layout, error)) << error;
    const assets::Canvas canvas = assets::DrawKeyboardPicture(layout);
    ASSERT_EQ(canvas.Width(), 200);
    ASSERT_EQ(canvas.Height(), 100);
    const Picture picture(canvas);

    // Outside the case (keys' bounding box plus a margin) the picture is transparent.
    EXPECT_EQ(picture.At(3, 3).a, 0);
    EXPECT_EQ(picture.At(100, 90).a, 0);

    for (const LayoutKey& key : layout.keys) {
        const int cy = key.y + key.height / 2;
        const int cx = key.x + key.width / 2;
        // The case colour just outside the key, on the same row and column.
        const Pixel caseLeft = picture.At(key.x - 2, cy);
        const Pixel caseAbove = picture.At(cx, key.y - 2);
        ASSERT_EQ(caseLeft.a, 255);
        // The 2-pixel outline band on the rectangle's edge shows the case...
        for (int dx : {0, 1})
            EXPECT_LE(Distance(picture.At(key.x + dx, cy), caseLeft), 3) << key.name << " left edge +" << dx;
        for (int dx : {1, 2})
            EXPECT_LE(Distance(picture.At(key.x + key.width - dx, cy), caseLeft), 3) << key.name << " right edge";
        for (int dy : {0, 1})
            EXPECT_LE(Distance(picture.At(cx, key.y + dy), caseAbove), 3) << key.name << " top edge";
        // ...and the cap starts right inside it.
        EXPECT_GT(Distance(picture.At(key.x + 2, cy), caseLeft), 10) << key.name << " cap edge";
        EXPECT_GT(Distance(picture.At(cx, key.y + 2), caseAbove), 10) << key.name << " cap top";
    }

    // The legend is drawn on the cap face.
    const LayoutKey& esc = layout.keys[0];
    bool bright = false;
    for (int y = esc.y + 4; y < esc.y + esc.height - 6; ++y)
        for (int x = esc.x + 5; x < esc.x + esc.width - 5; ++x)
            bright = bright || picture.At(x, y).r > 150;
    EXPECT_TRUE(bright);
}

TEST(KeyboardPictures, LayoutsWithoutAUsablePictureAreRefused)
{
    const struct {
        const char* what;
        const char* keyboard;
    } cases[] = {
        {"no Keyboard element", R"(<menu macro="1"/>)"},
        {"picture outside the folder", R"(<Keyboard width="100" height="50" image="../escape.png"/>)"},
        {"absolute picture path", R"(<Keyboard width="100" height="50" image="/tmp/escape.png"/>)"},
        {"backslash parent", R"(<Keyboard width="100" height="50" image="a\..\..\escape.png"/>)"},
        {"no picture name", R"(<Keyboard width="100" height="50"/>)"},
        {"zero width", R"(<Keyboard width="0" height="50" image="k.png"/>)"},
        {"width not a number", R"(<Keyboard width="wide" height="50" image="k.png"/>)"},
        {"huge picture", R"(<Keyboard width="100000" height="50" image="k.png"/>)"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.Write("layout.xml", std::string("<device.info>") + c.keyboard + "</device.info>");
        KeyboardLayout layout;
        std::string error;
        EXPECT_FALSE(assets::ReadKeyboardLayout(path, layout, error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    KeyboardLayout layout;
    std::string error;
    EXPECT_FALSE(assets::ReadKeyboardLayout(dir.File("missing.xml"), layout, error));
    EXPECT_FALSE(assets::ReadKeyboardLayout(dir.Write("broken.xml", "<device.info><Keyboard"), layout, error));
}

TEST(KeyboardPictures, EveryDrawableLayoutGetsItsPictureAndBadOnesAreReported)
{
    TempDir layouts;
    layouts.Write("mini.xml", ReadFileBytes(kFixture));
    layouts.Write("evil.xml", R"(<device.info><Keyboard width="10" height="10" image="../../escape.png"/></device.info>)");
    layouts.Write("notes.txt", "not a layout");
    TempDir app;
    assets::AssetWriter out(app.Path().string());
    assets::PaintKeyboardPictures(out, layouts.Path().string());

    EXPECT_FALSE(out.Ok());
    ASSERT_EQ(out.Errors().size(), 1u);
    EXPECT_NE(out.Errors()[0].find("evil.xml"), std::string::npos);
    int width = 0;
    int height = 0;
    EXPECT_TRUE(DecodeImage(app.File("skins/theme1/keyboard/mini.png"), width, height));
    EXPECT_EQ(width, 200);
    EXPECT_TRUE(DecodeImage(app.File("keyboard/mini.png"), width, height));
    EXPECT_FALSE(std::filesystem::exists(app.Path().parent_path() / "escape.png"));
    EXPECT_FALSE(std::filesystem::exists(app.File("escape.png")));
}

TEST(KeyboardPictures, KeyRectangleText)
{
    const struct {
        const char* text;
        bool ok;
        int x, y, w, h;
    } cases[] = {
        {"10#20#30#40", true, 10, 20, 30, 40},
        {"-4# 2#36 #36", true, -4, 2, 36, 36},
        {"10#20#30", false, 0, 0, 0, 0},
        {"10#20#30#40#50", false, 0, 0, 0, 0},
        {"a#b#c#d", false, 0, 0, 0, 0},
        {"1#2#0#5", false, 0, 0, 0, 0},
        {"1#2#5#-5", false, 0, 0, 0, 0},
        {"", false, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        LayoutKey key;
        EXPECT_EQ(assets::ParseKeyRect(c.text, key), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(key.x, c.x) << c.text;
            EXPECT_EQ(key.y, c.y) << c.text;
            EXPECT_EQ(key.width, c.w) << c.text;
            EXPECT_EQ(key.height, c.h) << c.text;
        }
    }
}

} // namespace
} // namespace clavora::test
