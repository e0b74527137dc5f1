#include "lumoui/ColorHsl.h"

#include <algorithm>

namespace lumo {

namespace {

uint8_t ToByte(double v)
{
    return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255.0);
}

double Channel(double p, double q, double c)
{
    if (c < 0) {
        c += 1;
    }
    if (c > 1) {
        c -= 1;
    }
    if (6 * c < 1) {
        return p + (q - p) * 6 * c;
    }
    if (2 * c < 1) {
        return q;
    }
    if (3 * c < 2) {
        return p + (q - p) * (2.0 / 3.0 - c) * 6;
    }
    return p;
}

} // namespace

COLORREF HslToRgb(double h, double s, double l)
{
    if (s == 0) {
        uint8_t v = ToByte(l);
        return RGB(v, v, v);
    }
    double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    double p = 2 * l - q;
    return RGB(
        ToByte(Channel(p, q, h + 1.0 / 3.0)), ToByte(Channel(p, q, h)), ToByte(Channel(p, q, h - 1.0 / 3.0)));
}

Hsl RgbToHsl(COLORREF color)
{
    double r = GetRValue(color) / 255.0;
    double g = GetGValue(color) / 255.0;
    double b = GetBValue(color) / 255.0;
    double max = std::max({ r, g, b });
    double min = std::min({ r, g, b });
    Hsl out;
    out.l = (max + min) / 2;
    if (max == min) {
        return out;
    }
    double d = max - min;
    out.s = out.l > 0.5 ? d / (2 - max - min) : d / (max + min);
    if (max == r) {
        out.h = (g - b) / d + (g < b ? 6 : 0);
    } else if (max == g) {
        out.h = (b - r) / d + 2;
    } else {
        out.h = (r - g) / d + 4;
    }
    out.h /= 6;
    return out;
}

} // namespace lumo
