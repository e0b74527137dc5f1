#pragma once

// The colours of the one dark theme every generated picture is drawn in.
//
// The program's own colour values are COLORREF (0x00BBGGRR) or ARGB (0xAARRGGBB); they are
// written here as plain 0xRRGGBB so each picture uses exactly the colour the windows use.

#include <cstdint>

namespace clavora::assets {

struct Rgba {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;

    constexpr Rgba WithAlpha(double alpha) const { return {r, g, b, alpha}; }
};

constexpr Rgba Rgb(uint32_t rgb, double alpha = 1.0)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

constexpr Rgba Mix(Rgba a, Rgba b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

namespace theme {

// The window colours: back 0x130D09 and border 0x555028 (COLORREF), selection 0xFF285055,
// key caps 0xFF007ACC and key outlines 0xFFFF7D00 (ARGB).
constexpr Rgba kBack = Rgb(0x090D13);
constexpr Rgba kBorder = Rgb(0x285055);
constexpr Rgba kSelect = Rgb(0x285055);
constexpr Rgba kKeyCap = Rgb(0x007ACC);
constexpr Rgba kOutline = Rgb(0xFF7D00);

// Shades derived from those five.
constexpr Rgba kPanel = Rgb(0x101923);
constexpr Rgba kPanelLow = Rgb(0x0C131B);
constexpr Rgba kPanelHigh = Rgb(0x18293A);
constexpr Rgba kField = Rgb(0x070B10);
constexpr Rgba kBorderHigh = Rgb(0x3E7C84);
constexpr Rgba kKeyCapHigh = Rgb(0x2C9BEB);
constexpr Rgba kKeyCapLow = Rgb(0x005A98);
constexpr Rgba kOutlineHigh = Rgb(0xFFA24A);
constexpr Rgba kText = Rgb(0xE9EFF3);
constexpr Rgba kTextDim = Rgb(0xA3AFBA);
constexpr Rgba kDisabled = Rgb(0x3C444C);
constexpr Rgba kDisabledFill = Rgb(0x121619);
constexpr Rgba kDisabledBorder = Rgb(0x262C32);

// The four states of every button strip, in slice order.
enum State { kNormal = 0, kHover = 1, kPressed = 2, kDisabledState = 3 };

} // namespace theme
} // namespace clavora::assets
