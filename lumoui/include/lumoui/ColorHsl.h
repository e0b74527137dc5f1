#pragma once

// Conversions between COLORREF (0x00BBGGRR) and hue, saturation, lightness, each in [0, 1],
// as the colour palettes compute them.

#include "lumoui/Types.h"

namespace lumo {

// Every channel is truncated after scaling to 0-255 (no rounding), so HSL(h, 0, l) is grey
// l x 255 cut down, and hue 0 at full saturation and lightness 0.5 is pure red.
COLORREF HslToRgb(double h, double s, double l);

struct Hsl {
    double h = 0;
    double s = 0;
    double l = 0;
};

// The standard inverse; greys have hue and saturation 0.
Hsl RgbToHsl(COLORREF color);

} // namespace lumo
