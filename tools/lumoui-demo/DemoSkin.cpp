#include "DemoSkin.h"

#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <functional>

namespace demo {

namespace {

void Rgba(cairo_t* cr, uint32_t c)
{
    cairo_set_source_rgba(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0,
        (c >> 24) / 255.0);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

bool Save(const std::string& path, int w, int h, const std::function<void(cairo_t*)>& draw)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(s);
    draw(cr);
    cairo_destroy(cr);
    bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

} // namespace

bool WriteDemoSkin(const std::string& folder)
{
    std::string skin = folder + "/skins/theme1/";
    std::error_code ec;
    std::filesystem::create_directories(skin, ec);
    bool ok = true;
    // Button: four 64 x 32 states (normal, hover, pressed, disabled).
    ok &= Save(skin + "demo_button.png", 256, 32, [](cairo_t* cr) {
        const uint32_t fills[] = { 0xFF2A3A48, 0xFF285055, 0xFF16242E, 0xFF3A3A3A };
        for (int i = 0; i < 4; ++i) {
            RoundRect(cr, i * 64 + 1.5, 1.5, 61, 29, 6);
            Rgba(cr, fills[i]);
            cairo_fill_preserve(cr);
            Rgba(cr, i == 1 ? 0xFFFF7D00 : 0xFF7D8C99);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    });
    // Panel frame: orange rim, marked corners, translucent dark middle.
    ok &= Save(skin + "demo_panel.png", 48, 48, [](cairo_t* cr) {
        RoundRect(cr, 2, 2, 44, 44, 8);
        Rgba(cr, 0xC0202830);
        cairo_fill_preserve(cr);
        Rgba(cr, 0xFFFF7D00);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        Rgba(cr, 0xFF007ACC);
        for (auto [x, y] : { std::pair { 6, 6 }, { 38, 6 }, { 6, 38 }, { 38, 38 } }) {
            cairo_rectangle(cr, x, y, 4, 4);
        }
        cairo_fill(cr);
    });
    ok &= Save(skin + "demo_picture.png", 96, 64, [](cairo_t* cr) {
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 96, 64);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.0, 0.48, 0.8);
        cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.49, 0.0);
        cairo_set_source(cr, p);
        cairo_paint(cr);
        cairo_pattern_destroy(p);
        cairo_arc(cr, 48, 32, 18, 0, 2 * M_PI);
        Rgba(cr, 0xE0FFFFFF);
        cairo_fill(cr);
    });
    ok &= Save(skin + "img_tip_bk.png", 24, 24, [](cairo_t* cr) {
        RoundRect(cr, 0.5, 0.5, 23, 23, 5);
        Rgba(cr, 0xF0283038);
        cairo_fill_preserve(cr);
        Rgba(cr, 0xFF555028);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    });
    ok &= Save(skin + "img_tip_arrow_top.png", 14, 8, [](cairo_t* cr) {
        cairo_move_to(cr, 7, 0);
        cairo_line_to(cr, 14, 8);
        cairo_line_to(cr, 0, 8);
        Rgba(cr, 0xF0283038);
        cairo_fill(cr);
    });
    return ok;
}

} // namespace demo
