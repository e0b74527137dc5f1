#include "Paint.h"
#include "SkinPainters.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace clavora::assets {
namespace {

constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 720;

void AddStop(cairo_pattern_t* p, double at, Rgba c)
{
    cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, c.a);
}

// Adds a fixed pattern of +-1 steps to every colour channel of an opaque picture, so wide,
// slow gradients show no bands. The pattern is the same on every run.
void DitherOpaque(Canvas& canvas)
{
    cairo_surface_flush(canvas.Surface());
    unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    uint32_t state = 0x2545F491u;
    for (int y = 0; y < canvas.Height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < canvas.Width(); ++x) {
            uint32_t p = row[x];
            if ((p >> 24) != 0xFF)
                continue;
            for (int shift = 0; shift <= 16; shift += 8) {
                state ^= state << 13;
                state ^= state >> 17;
                state ^= state << 5;
                const int step = static_cast<int>(state % 3) - 1;
                const int c = std::clamp(static_cast<int>((p >> shift) & 0xFF) + step, 0, 255);
                p = (p & ~(0xFFu << shift)) | (static_cast<uint32_t>(c) << shift);
            }
            row[x] = p;
        }
    }
    cairo_surface_mark_dirty(canvas.Surface());
}

// The main window's background: the back colour with a soft light from the top and a faint
// dot grid, quiet enough for every page to sit on.
void PaintMainBackground(AssetWriter& out)
{
    Canvas canvas(kWindowWidth, kWindowHeight);
    cairo_t* cr = canvas.Cr();
    FillRect(cr, 0, 0, kWindowWidth, kWindowHeight, theme::kBack);

    cairo_pattern_t* glow = cairo_pattern_create_radial(kWindowWidth * 0.55, -120, 40, kWindowWidth * 0.55, -120, 900);
    AddStop(glow, 0, Rgb(0x16324A, 0.55));
    AddStop(glow, 0.55, Rgb(0x0E1A28, 0.35));
    AddStop(glow, 1, Rgb(0x090D13, 0));
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);

    for (int y = 66; y < kWindowHeight; y += 16)
        for (int x = 88; x < kWindowWidth; x += 16)
            FillRect(cr, x, y, 1, 1, theme::kBorderHigh.WithAlpha(0.10));

    // A few angled strokes in the lower right corner, the only ornament of the window.
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 4; ++i) {
        const double x0 = kWindowWidth - 300 + i * 22;
        cairo_move_to(cr, x0 + 0.5, kWindowHeight - 0.5);
        cairo_line_to(cr, x0 + 120.5, kWindowHeight - 120.5);
        SetSource(cr, (i == 1 ? theme::kOutline : theme::kBorderHigh).WithAlpha(0.10 - i * 0.015));
        cairo_stroke(cr);
    }
    DitherOpaque(canvas);
    out.Png("main_bkg.png", canvas);
}

// The caption decoration: a plate behind the centred window title and a glowing line along
// the caption's lower edge. Drawn for the caption bar inside the 1-pixel window frame.
void PaintCaption(AssetWriter& out)
{
    const int w = kWindowWidth - 2;
    const int h = 49;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    const double cx = w / 2.0;

    cairo_move_to(cr, cx - 210, 0);
    cairo_line_to(cr, cx + 210, 0);
    cairo_line_to(cr, cx + 180, 44);
    cairo_line_to(cr, cx - 180, 44);
    cairo_close_path(cr);
    cairo_pattern_t* plate = cairo_pattern_create_linear(0, 0, 0, 44);
    AddStop(plate, 0, theme::kKeyCap.WithAlpha(0.04));
    AddStop(plate, 1, theme::kKeyCap.WithAlpha(0.20));
    cairo_set_source(cr, plate);
    cairo_fill(cr);
    cairo_pattern_destroy(plate);

    cairo_set_line_width(cr, 1);
    SetSource(cr, theme::kBorderHigh.WithAlpha(0.7));
    cairo_move_to(cr, cx - 210, 0);
    cairo_line_to(cr, cx - 180, 44);
    cairo_move_to(cr, cx + 210, 0);
    cairo_line_to(cr, cx + 180, 44);
    cairo_stroke(cr);
    HLine(cr, static_cast<int>(cx - 180), static_cast<int>(cx + 180), 43, theme::kOutline.WithAlpha(0.9));
    HLine(cr, static_cast<int>(cx - 150), static_cast<int>(cx + 150), 44, theme::kOutline.WithAlpha(0.35));

    cairo_pattern_t* line = cairo_pattern_create_linear(0, 0, w, 0);
    AddStop(line, 0, theme::kBorder.WithAlpha(0));
    AddStop(line, 0.15, theme::kBorder);
    AddStop(line, 0.38, theme::kKeyCap);
    AddStop(line, 0.5, theme::kKeyCapHigh);
    AddStop(line, 0.62, theme::kKeyCap);
    AddStop(line, 0.85, theme::kBorder);
    AddStop(line, 1, theme::kBorder.WithAlpha(0));
    cairo_rectangle(cr, 0, h - 1, w, 1);
    cairo_set_source(cr, line);
    cairo_fill(cr);
    cairo_pattern_destroy(line);
    out.Png("pic_caption.png", canvas);
}

// A dialog panel for nine-grid drawing: rounded corners, outline and a blue line along the top.
Canvas PanelPicture(int size, double radius, Rgba top, Rgba bottom, Rgba border, bool accent)
{
    Canvas canvas(size, size);
    cairo_t* cr = canvas.Cr();
    PaintPlate(cr, 0, 0, size, size, radius, {top, bottom, border, Rgb(0xFFFFFF, 0.05)});
    if (accent) {
        cairo_pattern_t* line = cairo_pattern_create_linear(0, 0, size, 0);
        AddStop(line, 0, theme::kKeyCap.WithAlpha(0));
        AddStop(line, 0.3, theme::kKeyCap);
        AddStop(line, 0.7, theme::kKeyCap);
        AddStop(line, 1, theme::kKeyCap.WithAlpha(0));
        cairo_rectangle(cr, radius, 1, size - 2 * radius, 2);
        cairo_set_source(cr, line);
        cairo_fill(cr);
        cairo_pattern_destroy(line);
    }
    return canvas;
}

void PaintPanels(AssetWriter& out)
{
    // Message box: 380 x 200, stretched with 30-pixel corners.
    out.Png("bk_prompt.png", PanelPicture(100, 8, Rgb(0x132131), Rgb(0x0B1119), theme::kBorderHigh, true));
    // Balloon and key tips (6-pixel corners) and menus.
    out.Png("img_tip_bk.png", PanelPicture(40, 4, Rgb(0x122030, 0.97), Rgb(0x0D1620, 0.97), theme::kBorderHigh, false));
    out.Png("img_menu_bk.png", PanelPicture(40, 4, Rgb(0x0F1923), Rgb(0x0B121A), theme::kBorder, false));
}

// Balloon arrows: the bubble's fill with its outline on the two slanted sides; the open side
// overlaps the bubble's outline so the two join seamlessly.
void PaintTipArrows(AssetWriter& out)
{
    const Rgba fill = Rgb(0x122030, 0.97);
    const struct {
        const char* file;
        int w;
        int h;
        double apex[2];
        double base0[2];
        double base1[2];
    } arrows[] = {
        {"img_tip_arrow_top.png", 16, 9, {8, 0.5}, {0, 9}, {16, 9}},
        {"img_tip_arrow_left.png", 9, 16, {0.5, 8}, {9, 0}, {9, 16}},
        {"img_tip_arrow_right.png", 9, 16, {8.5, 8}, {0, 0}, {0, 16}},
    };
    for (const auto& a : arrows) {
        Canvas canvas(a.w, a.h);
        cairo_t* cr = canvas.Cr();
        cairo_move_to(cr, a.base0[0], a.base0[1]);
        cairo_line_to(cr, a.apex[0], a.apex[1]);
        cairo_line_to(cr, a.base1[0], a.base1[1]);
        cairo_close_path(cr);
        SetSource(cr, fill);
        cairo_fill(cr);
        cairo_move_to(cr, a.base0[0], a.base0[1]);
        cairo_line_to(cr, a.apex[0], a.apex[1]);
        cairo_line_to(cr, a.base1[0], a.base1[1]);
        SetSource(cr, theme::kBorderHigh);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        out.Png(a.file, canvas);
    }
}

// Edit field behind list editors and edits: normal, hover, focused, disabled.
void PaintEditField(AssetWriter& out)
{
    out.Png("img_edit.png", MakeStrip(40, 32, 4, [](cairo_t* cr, int state) {
        static const PlateStyle kFields[] = {
            {theme::kField, theme::kPanelLow, theme::kBorder, Rgb(0, 0)},
            {Rgb(0x0B131B), theme::kPanelLow, theme::kBorderHigh, Rgb(0, 0)},
            {Rgb(0x08121C), Rgb(0x0A1622), theme::kKeyCap, theme::kKeyCap.WithAlpha(0.35)},
            {theme::kDisabledFill, theme::kDisabledFill, theme::kDisabledBorder, Rgb(0, 0)},
        };
        PaintPlate(cr, 0, 0, 40, 32, 3, kFields[state]);
    }));
}

// Model list rows: 0 a listed model that is not attached, 1 an attached one.
void PaintDeviceRows(AssetWriter& out)
{
    out.Png("img_device_state.png", MakeStrip(120, 38, 2, [](cairo_t* cr, int state) {
        if (state == 0) {
            PaintPlate(cr, 0, 0, 120, 38, 5, {Rgb(0x111922), Rgb(0x0D131A), Rgb(0x2A3138), Rgb(0xFFFFFF, 0.04)});
            return;
        }
        PaintPlate(cr, 0, 0, 120, 38, 5, {Rgb(0x16344E), Rgb(0x0D2133), theme::kKeyCap, Rgb(0xFFFFFF, 0.10)});
        RoundRectPath(cr, 3, 9, 3, 20, 1.5);
        SetSource(cr, theme::kOutline);
        cairo_fill(cr);
    }));
}

// Scroll bar thumbs: single pictures for the skin, state strips for the toolkit's own bars.
void PaintScrollBars(AssetWriter& out)
{
    const int thickness = 8;
    const int length = 48;
    static const Rgba kThumb[] = {theme::kBorderHigh, Rgb(0x56A0A8), theme::kKeyCap, theme::kDisabled};
    auto thumb = [&](cairo_t* cr, bool vertical, Rgba colour) {
        if (vertical)
            RoundRectPath(cr, 1, 0, thickness - 2, length, (thickness - 2) / 2.0);
        else
            RoundRectPath(cr, 0, 1, length, thickness - 2, (thickness - 2) / 2.0);
        SetSource(cr, colour);
        cairo_fill(cr);
    };
    {
        Canvas v(thickness, length);
        thumb(v.Cr(), true, kThumb[0]);
        out.Png("img_scroll_v.png", v);
        Canvas h(length, thickness);
        thumb(h.Cr(), false, kThumb[0]);
        out.Png("img_scroll_h.png", h);
    }
    out.Png("res/102.png", MakeStrip(thickness, length, 4, [&](cairo_t* cr, int s) { thumb(cr, true, kThumb[s]); }));
    out.Png("res/101.png", MakeStrip(length, thickness, 4, [&](cairo_t* cr, int s) { thumb(cr, false, kThumb[s]); }));
}

} // namespace

void PaintFrames(AssetWriter& out)
{
    PaintMainBackground(out);
    PaintCaption(out);
    PaintPanels(out);
    PaintTipArrows(out);
    PaintEditField(out);
    PaintDeviceRows(out);
    PaintScrollBars(out);
}

} // namespace clavora::assets
