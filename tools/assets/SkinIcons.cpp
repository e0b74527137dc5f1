#include "Glyphs.h"
#include "Paint.h"
#include "SkinPainters.h"

#include <cmath>
#include <string>

namespace clavora::assets {
namespace {

struct NamedGlyph {
    const char* file;
    Glyph glyph;
    double lineWidth;
};

// The 18 media and launch functions of the key chooser, drawn at the chooser's 20 x 20.
void PaintFunctionIcons(AssetWriter& out)
{
    const NamedGlyph icons[] = {
        {"icon/icon_pc.png", Glyph::Computer, 2},
        {"icon/icon_cal.png", Glyph::Calculator, 1.5},
        {"icon/icon_email.png", Glyph::Mail, 1.5},
        {"icon/icon_multimedia.png", Glyph::MediaPlayer, 2},
        {"icon/icon_playpause.png", Glyph::PlayPause, 2},
        {"icon/icon_stop.png", Glyph::Stop, 2},
        {"icon/icon_pre.png", Glyph::Previous, 2},
        {"icon/icon_next.png", Glyph::Next, 2},
        {"icon/icon_vol_down.png", Glyph::VolumeDown, 1.6},
        {"icon/icon_vol_up.png", Glyph::VolumeUp, 1.6},
        {"icon/icon_vol_mute.png", Glyph::Mute, 1.6},
        {"icon/icon_home.png", Glyph::Home, 1.6},
        {"icon/icon_web_refresh.png", Glyph::WebRefresh, 2},
        {"icon/icon_web_stop.png", Glyph::WebStop, 1.5},
        {"icon/icon_web_backward.png", Glyph::WebBack, 1.5},
        {"icon/icon_web_foreward.png", Glyph::WebForward, 1.5},
        {"icon/icon_favorites.png", Glyph::Favourites, 1.5},
        {"icon/icon_web_search.png", Glyph::WebSearch, 2},
    };
    for (const auto& icon : icons) {
        Canvas canvas(20, 20);
        DrawGlyph(canvas.Cr(), icon.glyph, 0, 0, 20, theme::kText, icon.lineWidth);
        out.Png(icon.file, canvas);
    }
}

// Tab icons for the vertical tab bar: normal, hover, selected, disabled.
void PaintTabIcons(AssetWriter& out)
{
    const NamedGlyph tabs[] = {
        {"icon/tab_home.png", Glyph::Home, 2},
        {"icon/tab_customkey.png", Glyph::KeyCap, 2},
        {"icon/tab_macro.png", Glyph::Macro, 2},
        {"icon/tab_light.png", Glyph::Light, 2},
        {"icon/tab_config.png", Glyph::Gear, 2},
    };
    for (const auto& tab : tabs) {
        out.Png(tab.file, MakeStrip(40, 40, 4, [&](cairo_t* cr, int state) {
            static const Rgba kGlyph[] = {theme::kTextDim, theme::kText, theme::kOutline, theme::kDisabled};
            if (state == theme::kHover || state == theme::kPressed) {
                cairo_arc(cr, 20, 20, 19, 0, 2 * M_PI);
                SetSource(cr, state == theme::kHover ? theme::kSelect.WithAlpha(0.45) : theme::kKeyCap.WithAlpha(0.22));
                cairo_fill(cr);
                cairo_arc(cr, 20, 20, 18.5, 0, 2 * M_PI);
                SetSource(cr, state == theme::kHover ? theme::kBorderHigh.WithAlpha(0.6) : theme::kKeyCap);
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
            }
            DrawGlyph(cr, tab.glyph, 8, 8, 24, kGlyph[state], tab.lineWidth);
        }));
    }
}

// Page icons beside the page caption.
void PaintPageIcons(AssetWriter& out)
{
    const NamedGlyph pages[] = {
        {"icon/icon_keyboard.png", Glyph::Keyboard, 2},
        {"icon/icon_macro.png", Glyph::Macro, 2},
        {"icon/icon_lightmode.png", Glyph::Light, 2},
        {"icon/icon_config.png", Glyph::Gear, 2},
    };
    for (const auto& page : pages) {
        Canvas canvas(32, 32);
        DrawGlyph(canvas.Cr(), page.glyph, 2, 2, 28, theme::kOutline, page.lineWidth);
        out.Png(page.file, canvas);
    }
}

// Battery: the frame, the fill drawn over it (cut to the level from the left) and the
// charging bolt shown to its right.
void PaintBattery(AssetWriter& out)
{
    const int w = 44;
    const int h = 20;
    {
        Canvas frame(w, h);
        cairo_t* cr = frame.Cr();
        PaintPlate(cr, 0, 2, w - 4, h - 4, 3, {Rgb(0x0B1219, 0.9), Rgb(0x0B1219, 0.9), theme::kTextDim, Rgb(0, 0)});
        RoundRectPath(cr, w - 4, 7, 3, 6, 1);
        SetSource(cr, theme::kTextDim);
        cairo_fill(cr);
        out.Png("icon/icon_battery_bkg.png", frame);
    }
    {
        Canvas fill(w, h);
        cairo_t* cr = fill.Cr();
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 4, 0, 16);
        cairo_pattern_add_color_stop_rgb(p, 0, theme::kKeyCapHigh.r, theme::kKeyCapHigh.g, theme::kKeyCapHigh.b);
        cairo_pattern_add_color_stop_rgb(p, 1, theme::kKeyCapLow.r, theme::kKeyCapLow.g, theme::kKeyCapLow.b);
        RoundRectPath(cr, 2, 4, w - 8, h - 8, 1.5);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        out.Png("icon/icon_batteryvalue.png", fill);
    }
    {
        Canvas bolt(12, h);
        DrawGlyph(bolt.Cr(), Glyph::Lightning, -4, 0, 20, theme::kOutline);
        out.Png("icon/icon_charge.png", bolt);
    }
}

// Connection modes: the wired one is named by the main window; the two wireless ones are
// ready for whoever shows them.
void PaintConnectionModes(AssetWriter& out)
{
    const NamedGlyph modes[] = {
        {"icon/mode_usb.png", Glyph::Usb, 1.5},
        {"icon/mode_24g.png", Glyph::Wireless, 2},
        {"icon/mode_bt.png", Glyph::Bluetooth, 1.5},
    };
    for (const auto& mode : modes) {
        Canvas canvas(24, 24);
        DrawGlyph(canvas.Cr(), mode.glyph, 2, 2, 20, theme::kText, mode.lineWidth);
        out.Png(mode.file, canvas);
    }
}

// List row marker: 0 an ordinary row, 1 the selected row.
void PaintRowMarker(AssetWriter& out)
{
    out.Png("icon/icon_circle.png", MakeStrip(16, 16, 2, [](cairo_t* cr, int state) {
        if (state == 0) {
            cairo_arc(cr, 8, 8, 4.5, 0, 2 * M_PI);
            SetSource(cr, theme::kBorderHigh);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            return;
        }
        cairo_arc(cr, 8, 8, 7.5, 0, 2 * M_PI);
        SetSource(cr, theme::kOutline.WithAlpha(0.35));
        cairo_fill(cr);
        cairo_arc(cr, 8, 8, 5, 0, 2 * M_PI);
        SetSource(cr, theme::kOutline);
        cairo_fill(cr);
    }));
}

} // namespace

void PaintIcons(AssetWriter& out)
{
    PaintFunctionIcons(out);
    PaintTabIcons(out);
    PaintPageIcons(out);
    PaintBattery(out);
    PaintConnectionModes(out);
    PaintRowMarker(out);
}

} // namespace clavora::assets
