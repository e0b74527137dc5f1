// Gallery section: the colour pickers - the light page's wheel, the swatch column and the
// composite palette with its spin boxes and hex field.

#include "Gallery.h"

#include "lumoui/CColorPalette.h"
#include "lumoui/CColorSelect.h"
#include "lumoui/CirclePalette.h"

using namespace lumo;

namespace gallery {
namespace {

void BuildColours(MDialog& d, CRect a)
{
    const int x = a.left;
    const int y = a.top;
    UINT id = 1500;
    if (auto* wheel = dynamic_cast<CirclePalette*>(
            d.CreateControl("CirclePalette", id++, CRect(x, y, x + 140, y + 140), "", 1, 1))) {
        wheel->SetImage("img_color_wheel.png", 1);
    }
    if (auto* column = dynamic_cast<CColorSelect*>(
            d.CreateControl("CColorSelect", id++, CRect(x + 160, y, x + 180, y + 180), "", 1, 1))) {
        column->SetColorIndex(2);
    }
    if (auto* palette = dynamic_cast<CColorPalette*>(
            d.CreateControl("CColorPalette", id++, CRect(x + 200, y, x + 520, y + 185), "", 1, 1))) {
        palette->SetSelectColor(RGB(10, 120, 230));
    }
}

const GallerySection kColours(Section { 1, 20, "Colour pickers", CRect(740, 20, 1260, 440), BuildColours });

} // namespace
} // namespace gallery
