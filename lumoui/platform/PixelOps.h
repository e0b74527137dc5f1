#pragma once

// Pixel conversions shared by the backends. Pixels are cairo's ARGB32: premultiplied alpha,
// one native-endian uint32_t per pixel.

#include "lumoui/Types.h"

#include <algorithm>
#include <cstdint>

namespace lumo {

// A premultiplied pixel composed over an opaque colour: what a screen that cannot show
// per-pixel alpha displays.
inline uint32_t ComposeOver(uint32_t src, COLORREF back)
{
    uint32_t a = src >> 24;
    if (a == 255) {
        return src;
    }
    uint32_t inv = 255 - a;
    auto mix = [&](uint32_t s, uint32_t b) { return s + (b * inv + 127) / 255; };
    uint32_t r = mix((src >> 16) & 0xFF, GetRValue(back));
    uint32_t g = mix((src >> 8) & 0xFF, GetGValue(back));
    uint32_t b = mix(src & 0xFF, GetBValue(back));
    return 0xFF000000u | (std::min<uint32_t>(r, 255) << 16) | (std::min<uint32_t>(g, 255) << 8)
        | std::min<uint32_t>(b, 255);
}

// Premultiplied ARGB32 to plain 0xAARRGGBB.
inline ARGB Unpremultiply(uint32_t p)
{
    uint32_t a = p >> 24;
    if (a == 0) {
        return 0;
    }
    if (a == 255) {
        return p;
    }
    auto un = [&](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
    return (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
}

// Plain 0xAARRGGBB to premultiplied ARGB32.
inline uint32_t Premultiply(ARGB c)
{
    uint32_t a = c >> 24;
    if (a == 255) {
        return c;
    }
    auto pm = [&](uint32_t v) { return (v * a + 127) / 255; };
    return (a << 24) | (pm((c >> 16) & 0xFF) << 16) | (pm((c >> 8) & 0xFF) << 8) | pm(c & 0xFF);
}

} // namespace lumo
