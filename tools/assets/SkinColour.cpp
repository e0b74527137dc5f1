#include "Paint.h"
#include "SkinPainters.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace clavora::assets {
namespace {

void HsvToRgb(double h, double s, double v, double& r, double& g, double& b)
{
    h = std::fmod(h, 360.0) / 60.0;
    const int i = static_cast<int>(h);
    const double f = h - i;
    const double p = v * (1 - s);
    const double q = v * (1 - s * f);
    const double t = v * (1 - s * (1 - f));
    switch (i) {
    case 0: r = v; g = t; b = p; break;
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    default: r = v; g = p; b = q; break;
    }
}

// The light page's colour wheel: hue around the circle, white in the centre, fully saturated
// at the rim. The wheel control accepts points up to 65 pixels from its centre, so the
// colours reach 66 pixels and a thin ring lies outside them.
void PaintColourWheel(AssetWriter& out)
{
    const int size = 140;
    const double radius = 66;
    const double c = size / 2.0;
    Canvas canvas(size, size);
    cairo_surface_flush(canvas.Surface());
    unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    for (int y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - c;
            const double dy = y + 0.5 - c;
            const double d = std::hypot(dx, dy);
            const double coverage = std::clamp(radius + 0.5 - d, 0.0, 1.0);
            if (coverage <= 0)
                continue;
            const double hue = std::fmod(std::atan2(dy, dx) * 180 / M_PI + 180, 360);
            double r;
            double g;
            double b;
            HsvToRgb(hue, std::min(1.0, d / radius), 1.0, r, g, b);
            auto channel = [coverage](double v) { return static_cast<uint32_t>(std::lround(v * coverage * 255)); };
            row[x] = (channel(1.0) << 24) | (channel(r) << 16) | (channel(g) << 8) | channel(b);
        }
    }
    cairo_surface_mark_dirty(canvas.Surface());
    cairo_t* cr = canvas.Cr();
    cairo_arc(cr, c, c, radius + 2, 0, 2 * M_PI);
    SetSource(cr, theme::kBorderHigh.WithAlpha(0.8));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    out.Png("img_color_wheel.png", canvas);
}

// The multicolour swatch: every hue in one button.
void PaintMulticolourSwatch(AssetWriter& out)
{
    const int size = 24;
    Canvas canvas(size, size);
    cairo_t* cr = canvas.Cr();
    cairo_pattern_t* hues = cairo_pattern_create_linear(1, 0, size - 1, 0);
    const uint32_t stops[] = {0xFF2020, 0xFFE020, 0x20FF40, 0x20E0FF, 0x2040FF, 0xFF20F0};
    for (int i = 0; i < 6; ++i) {
        const Rgba s = Rgb(stops[i]);
        cairo_pattern_add_color_stop_rgb(hues, i / 5.0, s.r, s.g, s.b);
    }
    RoundRectPath(cr, 0, 0, size, size, 3);
    cairo_set_source(cr, hues);
    cairo_fill(cr);
    cairo_pattern_destroy(hues);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, size);
    cairo_pattern_add_color_stop_rgba(shade, 0, 1, 1, 1, 0.25);
    cairo_pattern_add_color_stop_rgba(shade, 0.5, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0.25);
    RoundRectPath(cr, 0, 0, size, size, 3);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    out.Png("btn_colorful.png", canvas);
}

// The marker beside the saturation bar: a small white arrow pointing at the bar.
void PaintPaletteThumb(AssetWriter& out)
{
    Canvas canvas(10, 12);
    cairo_t* cr = canvas.Cr();
    cairo_move_to(cr, 0.5, 6);
    cairo_line_to(cr, 9.5, 0.5);
    cairo_line_to(cr, 9.5, 11.5);
    cairo_close_path(cr);
    SetSource(cr, Rgb(0xF4F7FA));
    cairo_fill_preserve(cr);
    SetSource(cr, theme::kBack);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    out.Png("img_palette_thumb.png", canvas);
}

// Slider track (filled half above the empty half, each 6 pixels high) and its thumb strip.
// The thumb's slice is 36 x 36 with the knob centred, so the knob's centre lies on the
// track's centre line (y 18) when the thumb is drawn at the slider's top edge.
void PaintSlider(AssetWriter& out)
{
    const int w = 300;
    const int half = 6;
    Canvas track(w, 2 * half);
    cairo_t* cr = track.Cr();
    cairo_pattern_t* filled = cairo_pattern_create_linear(0, 0, w, 0);
    cairo_pattern_add_color_stop_rgb(filled, 0, theme::kKeyCapLow.r, theme::kKeyCapLow.g, theme::kKeyCapLow.b);
    cairo_pattern_add_color_stop_rgb(filled, 1, theme::kKeyCapHigh.r, theme::kKeyCapHigh.g, theme::kKeyCapHigh.b);
    RoundRectPath(cr, 0, 0, w, half, half / 2.0);
    cairo_set_source(cr, filled);
    cairo_fill(cr);
    cairo_pattern_destroy(filled);
    PaintPlate(cr, 0, half, w, half, half / 2.0, {Rgb(0x16202B), Rgb(0x1B2733), theme::kBorder, Rgb(0, 0)});
    out.Png("img_slider_bk.png", track);

    out.Png("img_slider_thumb.png", MakeStrip(36, 36, 4, [](cairo_t* cr, int state) {
        static const Rgba kRing[] = {theme::kKeyCap, theme::kOutline, theme::kOutline, theme::kDisabled};
        static const Rgba kCore[] = {Rgb(0xEEF3F7), Rgb(0xFFFFFF), Rgb(0xFFE2C4), Rgb(0x59626B)};
        if (state == theme::kHover || state == theme::kPressed) {
            cairo_arc(cr, 18, 18, 13, 0, 2 * M_PI);
            SetSource(cr, theme::kOutline.WithAlpha(0.18));
            cairo_fill(cr);
        }
        cairo_arc(cr, 18, 18, 9, 0, 2 * M_PI);
        SetSource(cr, kRing[state]);
        cairo_fill(cr);
        cairo_arc(cr, 18, 18, 5.5, 0, 2 * M_PI);
        SetSource(cr, kCore[state]);
        cairo_fill(cr);
    }));
}

} // namespace

void PaintColourPickers(AssetWriter& out)
{
    PaintColourWheel(out);
    PaintMulticolourSwatch(out);
    PaintPaletteThumb(out);
    PaintSlider(out);
}

} // namespace clavora::assets
