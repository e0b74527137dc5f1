#include "KeyboardPictures.h"

#include "Paint.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace clavora::assets {
namespace {

constexpr int kBodyMargin = 10;

struct Box {
    int left;
    int top;
    int right;
    int bottom;
};

// The keyboard case: the keys' bounding box with a margin, inside the picture.
Box BodyBox(const KeyboardLayout& layout)
{
    if (layout.keys.empty())
        return {0, 0, layout.width, layout.height};
    Box box{layout.keys[0].x, layout.keys[0].y, layout.keys[0].x + layout.keys[0].width,
            layout.keys[0].y + layout.keys[0].height};
    for (const LayoutKey& key : layout.keys) {
        box.left = std::min(box.left, key.x);
        box.top = std::min(box.top, key.y);
        box.right = std::max(box.right, key.x + key.width);
        box.bottom = std::max(box.bottom, key.y + key.height);
    }
    return {std::max(0, box.left - kBodyMargin), std::max(0, box.top - kBodyMargin),
            std::min(layout.width, box.right + kBodyMargin), std::min(layout.height, box.bottom + kBodyMargin)};
}

void DrawBody(cairo_t* cr, const Box& body)
{
    const int w = body.right - body.left;
    const int h = body.bottom - body.top;
    if (w <= 0 || h <= 0)
        return;
    PaintPlate(cr, body.left, body.top, w, h, 9, {Rgb(0x18232F), Rgb(0x0C1219), theme::kBorder, Rgb(0xFFFFFF, 0.07)});
    // A thin line of the key outline colour along the case's front edge.
    const int inset = std::min(40, w / 4);
    HLine(cr, body.left + inset, body.right - inset, body.bottom - 2, theme::kOutline.WithAlpha(0.55));
}

// A key cap inside its rectangle: the program draws its 2-pixel selection and light outlines
// on the rectangle's edge, so the cap keeps 2 pixels clear on every side.
void DrawKeyCap(cairo_t* cr, const LayoutKey& key)
{
    const int inset = 2;
    const int x = key.x + inset;
    const int y = key.y + inset;
    const int w = key.width - 2 * inset;
    const int h = key.height - 2 * inset;
    if (w < 4 || h < 4)
        return;
    PaintPlate(cr, x, y, w, h, 3, {Rgb(0x213041), Rgb(0x17212C), Rgb(0x32485C), Rgb(0, 0)});
    const int faceX = x + 3;
    const int faceY = y + 2;
    const int faceW = w - 6;
    const int faceH = h - 7;
    if (faceW < 4 || faceH < 4)
        return;
    PaintPlate(cr, faceX, faceY, faceW, faceH, 2, {Rgb(0x2A3D51), Rgb(0x1F2E3D), Rgb(0, 0), Rgb(0xFFFFFF, 0.08)});
    if (key.name.empty())
        return;
    TextStyle legend;
    legend.pixelSize = 12;
    legend.colour = Rgb(0xD3DCE4);
    DrawTextFitted(cr, key.name, legend, 8, faceX + 1, faceY, faceW - 2, faceH);
}

} // namespace

Canvas DrawKeyboardPicture(const KeyboardLayout& layout)
{
    Canvas canvas(layout.width, layout.height);
    cairo_t* cr = canvas.Cr();
    DrawBody(cr, BodyBox(layout));
    for (const LayoutKey& key : layout.keys)
        DrawKeyCap(cr, key);
    return canvas;
}

void PaintKeyboardPictures(AssetWriter& out, const std::string& layoutFolder)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::exists(layoutFolder, ec))
        return;  // no layouts, no pictures
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(layoutFolder, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".xml")
            files.push_back(entry.path());
    if (ec) {
        out.Fail(layoutFolder + ": " + ec.message());
        return;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        KeyboardLayout layout;
        std::string error;
        if (!ReadKeyboardLayout(file.string(), layout, error)) {
            out.Fail(file.string() + ": " + error);
            continue;
        }
        out.Png("keyboard/" + layout.image, DrawKeyboardPicture(layout));
    }
}

} // namespace clavora::assets
