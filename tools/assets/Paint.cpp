#include "Paint.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace clavora::assets {

PlateStyle ControlPlate(int state)
{
    switch (state) {
    case theme::kHover:
        return {Rgb(0x1B2E40), Rgb(0x122131), theme::kBorderHigh, Rgb(0xFFFFFF, 0.08)};
    case theme::kPressed:
        return {Rgb(0x0A355A), Rgb(0x0C426D), theme::kKeyCap, Rgb(0xFFFFFF, 0.0)};
    case theme::kDisabledState:
        return {theme::kDisabledFill, theme::kDisabledFill, theme::kDisabledBorder, Rgb(0, 0)};
    default:
        return {Rgb(0x15222F), Rgb(0x0E1721), theme::kBorder, Rgb(0xFFFFFF, 0.05)};
    }
}

PlateStyle ActionPlate(int state)
{
    switch (state) {
    case theme::kHover:
        return {Rgb(0x1C95E8), Rgb(0x006BB4), Rgb(0x6CC0F5), Rgb(0xFFFFFF, 0.28)};
    case theme::kPressed:
        return {Rgb(0x004777), Rgb(0x0064A8), theme::kOutline, Rgb(0xFFFFFF, 0.0)};
    case theme::kDisabledState:
        return {Rgb(0x1A2128), Rgb(0x14191F), Rgb(0x2A3139), Rgb(0, 0)};
    default:
        return {Rgb(0x0A82D6), Rgb(0x005C9C), Rgb(0x2A96DE), Rgb(0xFFFFFF, 0.18)};
    }
}

PlateStyle GhostPlate(int state)
{
    switch (state) {
    case theme::kHover:
        return {theme::kSelect.WithAlpha(0.75), theme::kSelect.WithAlpha(0.55), theme::kBorderHigh,
                Rgb(0xFFFFFF, 0.06)};
    case theme::kPressed:
        return {theme::kKeyCapLow.WithAlpha(0.85), theme::kKeyCap.WithAlpha(0.75), theme::kKeyCapHigh,
                Rgb(0, 0)};
    default:
        return {Rgb(0, 0), Rgb(0, 0), Rgb(0, 0), Rgb(0, 0)};
    }
}

Rgba GlyphColour(int state)
{
    switch (state) {
    case theme::kHover:
        return theme::kText;
    case theme::kPressed:
        return Rgb(0xFFFFFF);
    case theme::kDisabledState:
        return theme::kDisabled;
    default:
        return theme::kTextDim;
    }
}

void SetSource(cairo_t* cr, Rgba c)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::max(0.0, std::min({r, w / 2, h / 2}));
    cairo_new_sub_path(cr);
    if (r <= 0) {
        cairo_rectangle(cr, x, y, w, h);
        return;
    }
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgba c)
{
    SetSource(cr, c);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void PaintPlate(cairo_t* cr, int x, int y, int w, int h, double radius, const PlateStyle& style)
{
    cairo_save(cr);
    if (style.top.a > 0 || style.bottom.a > 0) {
        cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h);
        cairo_pattern_add_color_stop_rgba(fill, 0, style.top.r, style.top.g, style.top.b, style.top.a);
        cairo_pattern_add_color_stop_rgba(fill, 1, style.bottom.r, style.bottom.g, style.bottom.b,
                                          style.bottom.a);
        RoundRectPath(cr, x, y, w, h, radius);
        cairo_set_source(cr, fill);
        cairo_fill(cr);
        cairo_pattern_destroy(fill);
    }
    if (style.highlight.a > 0) {
        const int inset = static_cast<int>(std::ceil(radius));
        HLine(cr, x + std::max(1, inset), x + w - std::max(1, inset), y + 1, style.highlight);
    }
    if (style.border.a > 0) {
        RoundRectPath(cr, x + 0.5, y + 0.5, w - 1, h - 1, std::max(0.0, radius - 0.5));
        SetSource(cr, style.border);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void HLine(cairo_t* cr, int x0, int x1, int y, Rgba c)
{
    if (x1 > x0)
        FillRect(cr, x0, y, x1 - x0, 1, c);
}

void VLine(cairo_t* cr, int x, int y0, int y1, Rgba c)
{
    if (y1 > y0)
        FillRect(cr, x, y0, 1, y1 - y0, c);
}

namespace {

struct LayoutDeleter {
    void operator()(PangoLayout* l) const { g_object_unref(l); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

LayoutPtr MakeLayout(cairo_t* cr, const std::string& utf8, const TextStyle& style)
{
    LayoutPtr layout(pango_cairo_create_layout(cr));
    PangoFontDescription* desc = pango_font_description_from_string(style.family.c_str());
    pango_font_description_set_absolute_size(desc, style.pixelSize * PANGO_SCALE);
    pango_font_description_set_weight(desc, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, style.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout.get(), desc);
    pango_font_description_free(desc);
    if (style.letterSpacing != 0) {
        PangoAttrList* attrs = pango_attr_list_new();
        pango_attr_list_insert(attrs,
                               pango_attr_letter_spacing_new(static_cast<int>(style.letterSpacing * PANGO_SCALE)));
        pango_layout_set_attributes(layout.get(), attrs);
        pango_attr_list_unref(attrs);
    }
    pango_layout_set_text(layout.get(), utf8.c_str(), -1);
    return layout;
}

} // namespace

double MeasureText(cairo_t* cr, const std::string& utf8, const TextStyle& style)
{
    LayoutPtr layout = MakeLayout(cr, utf8, style);
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
    return logical.width;
}

bool DrawTextCentred(cairo_t* cr, const std::string& utf8, const TextStyle& style,
                     double x, double y, double w, double h)
{
    LayoutPtr layout = MakeLayout(cr, utf8, style);
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
    // Centre the letters' ink vertically (so caps sit in the middle of a key) and the
    // advance width horizontally; both rounded to whole pixels to keep the glyphs sharp.
    const double tx = std::round(x + (w - logical.width) / 2.0 - logical.x);
    const double ty = std::round(y + (h - ink.height) / 2.0 - ink.y);
    cairo_save(cr);
    SetSource(cr, style.colour);
    cairo_move_to(cr, tx, ty);
    pango_cairo_show_layout(cr, layout.get());
    cairo_restore(cr);
    return logical.width <= w;
}

void DrawTextFitted(cairo_t* cr, const std::string& utf8, TextStyle style, double minSize,
                    double x, double y, double w, double h)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (double size = style.pixelSize; size >= minSize; size -= 0.5) {
        style.pixelSize = size;
        if (MeasureText(cr, utf8, style) <= w) {
            DrawTextCentred(cr, utf8, style, x, y, w, h);
            cairo_restore(cr);
            return;
        }
    }
    style.pixelSize = minSize;
    LayoutPtr layout = MakeLayout(cr, utf8, style);
    pango_layout_set_width(layout.get(), static_cast<int>(w * PANGO_SCALE));
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
    pango_layout_set_alignment(layout.get(), PANGO_ALIGN_CENTER);
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
    SetSource(cr, style.colour);
    cairo_move_to(cr, x, std::round(y + (h - ink.height) / 2.0 - ink.y));
    pango_cairo_show_layout(cr, layout.get());
    cairo_restore(cr);
}

Canvas MakeStrip(int sliceWidth, int sliceHeight, int count,
                 const std::function<void(cairo_t*, int slice)>& paint)
{
    Canvas canvas(sliceWidth * count, sliceHeight);
    cairo_t* cr = canvas.Cr();
    for (int i = 0; i < count; ++i) {
        cairo_save(cr);
        cairo_translate(cr, i * sliceWidth, 0);
        cairo_rectangle(cr, 0, 0, sliceWidth, sliceHeight);
        cairo_clip(cr);
        paint(cr, i);
        cairo_restore(cr);
    }
    return canvas;
}

} // namespace clavora::assets
